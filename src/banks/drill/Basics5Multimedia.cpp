// 计算机基础知识 / 多媒体技术简介:
// 8 questions; 1 of the 8 questions has one blank after the option letter; analysis paragraphs
// begin with three blanks (the second paragraph of question 3 with none).
#include "banks/DrillBank.h"

namespace boxi::banks {
namespace {

constexpr DrillRow kRows[] = {
    {.number = 3,
     .analysis = "   音频数据量（B）=采样时间(s) x 采样频率(Hz) x 量化位数(b) x 声道数/8\r\n"
                 "所以本题的数据量=240 x 44100 x 16 x 2/8=42.34MB。"},
};

}  // namespace

extern const DrillRows kDrillMultimedia = kRows;

}  // namespace boxi::banks

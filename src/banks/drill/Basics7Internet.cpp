// 计算机基础知识 / Internet基础及应用:
// 60 questions; 13 of the 60 questions have one blank after the option letter; analysis paragraphs
// begin with two blanks in questions 1 to 20 and three in 21 to 60.
#include "banks/DrillBank.h"

namespace boxi::banks {
namespace {

constexpr DrillRow kRows[] = {
    {.number = 7, .analysis = "  误码率是表示数据传输有效性的指标."},
};

}  // namespace

extern const DrillRows kDrillInternet = kRows;

}  // namespace boxi::banks

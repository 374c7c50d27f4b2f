// 计算机基础知识 / 信息的表示与存储:
// 48 questions; every question has one blank after the option letter; every analysis paragraph
// begins with four blanks.
#include "banks/DrillBank.h"

namespace boxi::banks {
namespace {

constexpr DrillRow kRows[] = {
    {.number = 43,
     .stem = "43.汉字字模是指汉字的(  )。",
     .options = {"(A) 内码", "(B) 外码", "(C) 地址码", "(D) 字形码"}},
};

}  // namespace

extern const DrillRows kDrillInformation = kRows;

}  // namespace boxi::banks

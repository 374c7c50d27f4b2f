// 计算机基础知识 / 概述:
// 20 questions; 13 of the 20 questions have one blank after the option letter; every analysis
// paragraph begins with four blanks.
#include "banks/DrillBank.h"

namespace boxi::banks {
namespace {

constexpr DrillRow kRows[] = {
    {.number = 3,
     .stem = "3.在计算机内部，程序和数据采用（）代码表示。",
     .options = {"(A)十进制", "(B)二进制", "(C)八进制", "(D)十六进制"}},
};

}  // namespace

extern const DrillRows kDrillOverview = kRows;

}  // namespace boxi::banks

// 计算机基础知识 / 计算机硬件系统:
// 35 questions; every question has one blank after the option letter; every analysis paragraph
// begins with four blanks.
#include "banks/DrillBank.h"

namespace boxi::banks {
namespace {

constexpr DrillRow kRows[] = {
    {.number = 20, .analysis = "    内存储器的性能指标有两个，它们是容量和速度。"},
};

}  // namespace

extern const DrillRows kDrillHardware = kRows;

}  // namespace boxi::banks

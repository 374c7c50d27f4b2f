// 计算机基础知识 / 计算机软件系统:
// 20 questions; every question has one blank after the option letter; every analysis paragraph
// begins with four blanks.
#include "banks/DrillBank.h"

namespace boxi::banks {

// No rows written yet: add a kRows array as the other section files do.
extern const DrillRows kDrillSoftware{};

}  // namespace boxi::banks

// 计算机基础知识 / 计算机病毒及其防治:
// 8 questions; every question has one blank after the option letter; analysis paragraphs begin
// with three blanks.
#include "banks/DrillBank.h"

namespace boxi::banks {

// No rows written yet: add a kRows array as the other section files do.
extern const DrillRows kDrillViruses{};

}  // namespace boxi::banks

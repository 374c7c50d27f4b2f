// 利用Word 2010高效创建电子文档 / 美化文档外观:
// 6 questions; 5 of the 6 questions have one blank after the option letter; analysis paragraphs
// begin with three blanks.
#include "banks/DrillBank.h"

namespace boxi::banks {

// No rows written yet: add a kRows array as the other section files do.
extern const DrillRows kDrillWordFormatting{};

}  // namespace boxi::banks

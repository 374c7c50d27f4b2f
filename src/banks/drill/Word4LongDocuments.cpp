// 利用Word 2010高效创建电子文档 / 长文档的编辑与管理:
// 8 questions; 6 of the 8 questions have one blank after the option letter; analysis paragraphs
// begin with three blanks.
#include "banks/DrillBank.h"

namespace boxi::banks {

// No rows written yet: add a kRows array as the other section files do.
extern const DrillRows kDrillWordLongDocuments{};

}  // namespace boxi::banks

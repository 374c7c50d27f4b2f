// 利用Word 2010高效创建电子文档 / 使用邮件合并技术批量处理文档:
// 2 questions; no question has a blank after the option letter; analysis paragraphs begin with
// three blanks.
#include "banks/DrillBank.h"

namespace boxi::banks {

// No rows written yet: add a kRows array as the other section files do.
extern const DrillRows kDrillWordMailMerge{};

}  // namespace boxi::banks

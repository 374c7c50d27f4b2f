// 利用Word 2010高效创建电子文档 / 以任务为导向的应用界面:
// 4 questions; every question has one blank after the option letter; analysis paragraphs begin
// with three blanks.
#include "banks/DrillBank.h"

namespace boxi::banks {

// No rows written yet: add a kRows array as the other section files do.
extern const DrillRows kDrillWordInterface{};

}  // namespace boxi::banks

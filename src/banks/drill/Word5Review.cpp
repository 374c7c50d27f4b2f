// 利用Word 2010高效创建电子文档 / 文档的修订与共享:
// 2 questions; no question has a blank after the option letter; analysis paragraphs begin with
// three blanks.
#include "banks/DrillBank.h"

namespace boxi::banks {

// No rows written yet: add a kRows array as the other section files do.
extern const DrillRows kDrillWordReview{};

}  // namespace boxi::banks

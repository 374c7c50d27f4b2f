// The written sets of the exam choice bank; a new set is declared and listed here.
#include "banks/ExamChoiceBank.h"

#include <span>

namespace boxi::banks {

extern const std::span<const ExamChoiceSet* const> kWrittenExamChoiceSets = {};

}  // namespace boxi::banks

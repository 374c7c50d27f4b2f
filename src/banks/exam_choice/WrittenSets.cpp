// The written sets of the exam choice bank; a new set is declared and listed here.
#include <array>
#include <span>

#include "banks/ExamChoiceBank.h"

namespace boxi::banks {

extern const ExamChoiceSet kExamChoiceSet7;

namespace {

constexpr std::array<const ExamChoiceSet*, 1> kSets = {&kExamChoiceSet7};

}  // namespace

extern const std::span<const ExamChoiceSet* const> kWrittenExamChoiceSets = kSets;

}  // namespace boxi::banks

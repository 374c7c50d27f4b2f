// The written sets of the exam choice bank; a new set is declared and listed here.
#include <array>
#include <span>

#include "banks/ExamChoiceBank.h"

namespace boxi::banks {

extern const ExamChoiceSet kExamChoiceSet4;
extern const ExamChoiceSet kExamChoiceSet7;
extern const ExamChoiceSet kExamChoiceSet8;

namespace {

constexpr std::array<const ExamChoiceSet*, 3> kSets = {&kExamChoiceSet4, &kExamChoiceSet7, &kExamChoiceSet8};

}  // namespace

extern const std::span<const ExamChoiceSet* const> kWrittenExamChoiceSets = kSets;

}  // namespace boxi::banks

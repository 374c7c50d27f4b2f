// The written sets of the exam choice bank; a new set is declared and listed here.
#include "banks/ExamChoiceBank.h"

#include <array>
#include <span>

namespace boxi::banks {

extern const ExamChoiceSet kExamChoiceSet1;
extern const ExamChoiceSet kExamChoiceSet2;
extern const ExamChoiceSet kExamChoiceSet3;
extern const ExamChoiceSet kExamChoiceSet4;
extern const ExamChoiceSet kExamChoiceSet5;
extern const ExamChoiceSet kExamChoiceSet6;
extern const ExamChoiceSet kExamChoiceSet7;
extern const ExamChoiceSet kExamChoiceSet8;
extern const ExamChoiceSet kExamChoiceSet9;
extern const ExamChoiceSet kExamChoiceSet10;
extern const ExamChoiceSet kExamChoiceSet11;
extern const ExamChoiceSet kExamChoiceSet12;
extern const ExamChoiceSet kExamChoiceSet13;
extern const ExamChoiceSet kExamChoiceSet14;
extern const ExamChoiceSet kExamChoiceSet15;
extern const ExamChoiceSet kExamChoiceSet16;
extern const ExamChoiceSet kExamChoiceSet17;
extern const ExamChoiceSet kExamChoiceSet18;
extern const ExamChoiceSet kExamChoiceSet19;
extern const ExamChoiceSet kExamChoiceSet20;

namespace {

constexpr std::array<const ExamChoiceSet*, 20> kSets = {&kExamChoiceSet1, &kExamChoiceSet2, &kExamChoiceSet3,
    &kExamChoiceSet4, &kExamChoiceSet5, &kExamChoiceSet6, &kExamChoiceSet7, &kExamChoiceSet8, &kExamChoiceSet9,
    &kExamChoiceSet10, &kExamChoiceSet11, &kExamChoiceSet12, &kExamChoiceSet13, &kExamChoiceSet14, &kExamChoiceSet15,
    &kExamChoiceSet16, &kExamChoiceSet17, &kExamChoiceSet18, &kExamChoiceSet19, &kExamChoiceSet20};

}  // namespace

extern const std::span<const ExamChoiceSet* const> kWrittenExamChoiceSets = kSets;

}  // namespace boxi::banks

#include "banks/ExamChoiceBank.h"

#include <string>

namespace boxi::banks {

// The written sets, one file each under exam_choice/, are listed in
// exam_choice/WrittenSets.cpp.
extern const std::span<const ExamChoiceSet* const> kWrittenExamChoiceSets;

std::span<const ExamChoiceSet* const> WrittenExamChoiceSets() { return kWrittenExamChoiceSets; }

const ExamChoiceSet* FindExamChoiceSet(std::string_view name)
{
    // The names are compared exactly, in order: no trimming, no other digits.
    for (int n = 1; n <= kExamChoiceSetCount; ++n) {
        if (name != "第" + std::to_string(n) + "套")
            continue;
        for (const ExamChoiceSet* set : kWrittenExamChoiceSets) {
            if (set->name == name && set->rows.size() == kExamChoiceQuestionCount)
                return set;
        }
        return nullptr;
    }
    return nullptr;
}

void WriteExamChoiceSet(QuestionTable& table, std::string_view name)
{
    if (const ExamChoiceSet* set = FindExamChoiceSet(name))
        WriteExamChoiceSet(table, *set);
}

void WriteExamChoiceSet(QuestionTable& table, const ExamChoiceSet& set)
{
    if (set.rows.size() != kExamChoiceQuestionCount)
        return;
    int slot = 1;
    for (const ExamChoiceRow& row : set.rows) {
        table.QuestionText.Set(slot, std::string(row.QuestionText));
        table.ChoiceA.Set(slot, std::string(row.ChoiceA));
        table.ChoiceB.Set(slot, std::string(row.ChoiceB));
        table.ChoiceC.Set(slot, std::string(row.ChoiceC));
        table.ChoiceD.Set(slot, std::string(row.ChoiceD));
        table.AnswerKey.Set(slot, std::string(row.AnswerKey));
        table.AnswerAnalysis.Set(slot, std::string(row.AnswerAnalysis));
        ++slot;
    }
}

}  // namespace boxi::banks

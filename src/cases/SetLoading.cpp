#include "cases/SetLoading.h"

#include <string>

#include "banks/CaseBank.h"
#include "banks/ExamChoiceBank.h"

namespace boxi {
namespace {

bool IsNumberedName(std::string_view name, std::string_view prefix, std::string_view suffix, int first, int last)
{
    for (int n = first; n <= last; ++n) {
        if (name == std::string(prefix) + std::to_string(n) + std::string(suffix))
            return true;
    }
    return false;
}

}  // namespace

bool IsCaseName(std::string_view name, int first, int last) { return IsNumberedName(name, "实例", "", first, last); }

bool IsExamSetName(std::string_view name, int first, int last)
{
    return IsNumberedName(name, "第", "套", first, last);
}

SetLoader::SetLoader()
    : case_bank([](QuestionTable& table, std::string_view name) { banks::WriteCase(table, name); }),
      choice_bank([](QuestionTable& table, std::string_view name) { banks::WriteExamChoiceSet(table, name); })
{
}

void SetLoader::Load(QuestionTable& table, std::string_view name, SetLoadUse use)
{
    switch (use) {
    case SetLoadUse::CaseOpening:
        if (IsCaseName(name, 1, 34))
            ConsultCaseBank(table, name);
        break;
    case SetLoadUse::ExamStarting:
        if (IsExamSetName(name, 1, 4))
            ConsultCaseBank(table, name);
        if (IsExamSetName(name, 1, 20))
            ConsultChoiceBank(table, name);
        break;
    case SetLoadUse::ChoiceSectionEntry:
    case SetLoadUse::ReviewOpening:
        if (IsExamSetName(name, 1, 20))
            ConsultChoiceBank(table, name);
        break;
    }
}

void SetLoader::ConsultCaseBank(QuestionTable& table, std::string_view name)
{
    if (case_bank_held_)
        return;
    case_bank_held_ = true;
    for (int slot = 1; slot <= TextTable::kLastSlot; ++slot) {
        table.QuestionText.Set(slot, "");
        table.AnswerKey.Set(slot, "");
        table.ChoiceA.Set(slot, "");
        table.ChoiceB.Set(slot, "");
    }
    case_bank(table, name);
}

void SetLoader::ConsultChoiceBank(QuestionTable& table, std::string_view name)
{
    if (choice_bank_held_)
        return;
    choice_bank_held_ = true;
    choice_bank(table, name);
}

}  // namespace boxi

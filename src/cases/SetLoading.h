#pragma once

#include <functional>
#include <string_view>

#include "common/Module1.h"

namespace boxi {

enum class SetLoadUse { CaseOpening, ExamStarting, ChoiceSectionEntry, ReviewOpening };

// Fills the question table for a case or exam set name from the built-in
// banks. A bank once consulted is held and writes nothing more until it is
// released.
class SetLoader {
public:
    using BankWriter = std::function<void(QuestionTable&, std::string_view)>;

    SetLoader();

    void Load(QuestionTable& table, std::string_view name, SetLoadUse use);
    void ReleaseCaseBank() { case_bank_held_ = false; }
    void ReleaseChoiceBank() { choice_bank_held_ = false; }

    bool CaseBankHeld() const { return case_bank_held_; }
    bool ChoiceBankHeld() const { return choice_bank_held_; }

    // The banks consulted; tests put recording ones in their place.
    BankWriter case_bank;
    BankWriter choice_bank;

private:
    void ConsultCaseBank(QuestionTable& table, std::string_view name);
    void ConsultChoiceBank(QuestionTable& table, std::string_view name);

    bool case_bank_held_ = false;
    bool choice_bank_held_ = false;
};

// "实例1" to "实例40", "第1套" to "第40套": exact names, nothing folded.
bool IsCaseName(std::string_view name, int first, int last);
bool IsExamSetName(std::string_view name, int first, int last);

}  // namespace boxi

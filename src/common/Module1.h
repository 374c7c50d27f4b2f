#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace boxi {

// One of the program-wide text tables of 71 slots (0 to 70). Reads outside
// the range give "" and writes there are dropped: some windows index with
// CurrentQuestion, which other windows can leave far outside the table.
class TextTable {
public:
    static constexpr int kFirstSlot = 0;
    static constexpr int kLastSlot = 70;

    static constexpr bool InRange(int slot) { return slot >= kFirstSlot && slot <= kLastSlot; }

    const std::string& operator()(int slot) const;
    void Set(int slot, std::string text);

private:
    std::array<std::string, kLastSlot + 1> slots_;
};

// The eight fields of every slot of the question table.
struct QuestionTable {
    TextTable QuestionText;
    TextTable ChoiceA;
    TextTable ChoiceB;
    TextTable ChoiceC;
    TextTable ChoiceD;
    TextTable GivenAnswer;
    TextTable AnswerKey;
    TextTable AnswerAnalysis;
};

// The program-wide data every window shares. It lives from program start to
// program end; no window clears it, and empty values read as "" and 0.
struct Module1 {
    QuestionTable Table;

    TextTable OperationTaskText;
    TextTable OperationStepsText;
    int32_t OperationTaskCount = 0;

    int32_t CurrentQuestion = 0;

    std::string ChosenLetter;
    int32_t QuestionCount = 0;
    int32_t AnsweredCount = 0;
    int16_t UnansweredCount = 0;
};

}  // namespace boxi

#include "banks/CaseBank.h"

#include <array>
#include <string>
#include <vector>

namespace boxi::banks {

// The written cases, one file each under cases/, are listed by group in
// cases/CaseGroup*.cpp; a new case is added to the list of its group.
extern const std::span<const CaseTexts* const> kCaseGroupA;
extern const std::span<const CaseTexts* const> kCaseGroupB;
extern const std::span<const CaseTexts* const> kCaseGroupC;
extern const std::span<const CaseTexts* const> kCaseGroupD;
extern const std::span<const CaseTexts* const> kCaseGroupE;
extern const std::span<const CaseTexts* const> kCaseGroupF;

namespace {

const std::vector<const CaseTexts*>& WrittenCases()
{
    static const std::vector<const CaseTexts*> all = [] {
        std::vector<const CaseTexts*> cases;
        for (auto group : {kCaseGroupA, kCaseGroupB, kCaseGroupC, kCaseGroupD, kCaseGroupE, kCaseGroupF})
            cases.insert(cases.end(), group.begin(), group.end());
        return cases;
    }();
    return all;
}

// Line counts leave out the empty start of an appended text. A staged text
// fills its buffer from the given slot on, one slot per line or block.
constexpr std::array<CaseRow, 34> kRows = {{
    // name  family  task lines  steps lines  steps blocks  task shape  ChoiceA slot  steps shape  ChoiceB slot  pad line
    {"实例1", CaseFamily::BracketedSubTasks, 15, 37, 7, TextShape::Joined, 0, TextShape::Joined, 0, {}},
    {"实例2", CaseFamily::BracketedSubTasks, 11, 31, 5, TextShape::Joined, 0, TextShape::Joined, 0, {}},
    {"实例3", CaseFamily::BracketedSubTasks, 9, 42, 6, TextShape::Joined, 0, TextShape::Joined, 0, {}},
    {"实例4", CaseFamily::BracketedSubTasks, 8, 41, 5, TextShape::Joined, 0, TextShape::Joined, 0, {}},
    {"实例5", CaseFamily::SmallQuestionSteps, 11, 35, 0, TextShape::StagedAppended, 1, TextShape::StagedAppended, 1, {}},
    {"实例6", CaseFamily::SmallQuestionSteps, 8, 37, 0, TextShape::StagedAppended, 1, TextShape::StagedAppended, 1, {}},
    {"实例7", CaseFamily::SmallQuestionSteps, 10, 43, 0, TextShape::StagedAppended, 1, TextShape::StagedAppended, 1, {}},
    {"实例8", CaseFamily::SmallQuestionSteps, 7, 22, 0, TextShape::StagedAppended, 1, TextShape::StagedAppended, 1, {}},
    {"实例9", CaseFamily::SmallQuestionSteps, 8, 22, 0, TextShape::StagedAppended, 1, TextShape::StagedAppended, 1, {}},
    {"实例10", CaseFamily::BracketedSubTasks, 20, 39, 8, TextShape::StagedJoined, 12, TextShape::StagedJoined, 6, {}},
    {"实例11", CaseFamily::SmallQuestionSteps, 9, 25, 0, TextShape::StagedAppended, 1, TextShape::StagedAppended, 1, {}},
    {"实例12", CaseFamily::SmallQuestionSteps, 8, 26, 0, TextShape::StagedAppended, 1, TextShape::StagedAppended, 1, {}},
    {"实例13", CaseFamily::NumberedSolutionSteps, 9, 30, 0, TextShape::StagedAppended, 1, TextShape::StagedAppended, 1, {}},
    {"实例14", CaseFamily::NumberedSolutionSteps, 7, 34, 0, TextShape::StagedAppended, 1, TextShape::StagedAppended, 1, {}},
    {"实例15", CaseFamily::NumberedSolutionSteps, 8, 32, 0, TextShape::StagedAppended, 1, TextShape::StagedAppended, 1, {}},
    {"实例16", CaseFamily::NumberedSolutionSteps, 10, 32, 0, TextShape::StagedAppended, 1, TextShape::StagedAppended, 1, {}},
    {"实例17", CaseFamily::NumberedSolutionSteps, 7, 26, 0, TextShape::StagedAppended, 1, TextShape::StagedAppended, 1, {}},
    {"实例18", CaseFamily::NumberedSolutionSteps, 8, 23, 0, TextShape::StagedAppended, 1, TextShape::StagedAppended, 1, {}},
    {"实例19", CaseFamily::SmallQuestionBlocks, 8, 30, 7, TextShape::StagedAppended, 1, TextShape::StagedAppended, 1, {}},
    {"实例20", CaseFamily::SmallQuestionBlocks, 10, 50, 9, TextShape::StagedAppended, 1, TextShape::StagedAppended, 1, {}},
    {"实例21", CaseFamily::OperationStepBlocks, 30, 33, 8, TextShape::StagedAppended, 1, TextShape::StagedAppended, 1, {}},
    {"实例22", CaseFamily::OperationStepBlocks, 29, 37, 8, TextShape::StagedAppended, 1, TextShape::StagedAppended, 1, {}},
    {"实例23", CaseFamily::OperationStepBlocks, 30, 36, 8, TextShape::StagedAppended, 1, TextShape::StagedAppended, 1, {}},
    {"实例24", CaseFamily::OperationStepBlocks, 32, 40, 8, TextShape::StagedAppended, 1, TextShape::StagedAppended, 1, {}},
    {"实例25", CaseFamily::CommaItemOperationStepBlocks, 12, 26, 8, TextShape::StagedAppended, 1, TextShape::StagedAppended, 1, {}},
    {"实例26", CaseFamily::OperationStepBlocks, 30, 34, 8, TextShape::StagedAppended, 1, TextShape::StagedAppended, 1, {}},
    {"实例27", CaseFamily::CommaItemOperationStepBlocks, 9, 30, 7, TextShape::StagedAppended, 2, TextShape::StagedAppended, 1, "    "},
    {"实例28", CaseFamily::OperationStepBlocks, 30, 36, 8, TextShape::StagedAppended, 1, TextShape::StagedAppended, 1, {}},
    {"实例29", CaseFamily::CommaItemOperationStepBlocks, 5, 21, 3, TextShape::StagedAppended, 1, TextShape::StagedAppended, 1, {}},
    {"实例30", CaseFamily::OperationStepBlocks, 30, 37, 8, TextShape::StagedAppended, 1, TextShape::StagedAppended, 1, {}},
    {"实例31", CaseFamily::SolutionStepBlocks, 9, 28, 8, TextShape::StagedAppended, 1, TextShape::StagedAppended, 1, {}},
    {"实例32", CaseFamily::SolutionStepBlocks, 11, 19, 8, TextShape::StagedAppended, 1, TextShape::StagedAppended, 1, {}},
    {"实例33", CaseFamily::SolutionStepBlocks, 11, 27, 8, TextShape::StagedAppended, 1, TextShape::StagedAppended, 1, {}},
    {"实例34", CaseFamily::SolutionStepBlocks, 7, 35, 4, TextShape::StagedAppended, 2, TextShape::StagedAppended, 1, {}},
}};

bool IsComplete(const CaseTexts& texts)
{
    return !texts.task.empty() && (!texts.step_lines.empty() || !texts.step_blocks.empty());
}

const CaseTexts* TextsOf(std::string_view name)
{
    for (const CaseTexts* texts : WrittenCases()) {
        if (texts->name == name)
            return texts;
    }
    return nullptr;
}

// The steps as the units the buffers hold: single lines, or whole blocks
// joined inside by CR LF.
std::vector<std::string> StepsElements(const CaseTexts& texts)
{
    std::vector<std::string> elements;
    if (!texts.step_blocks.empty()) {
        for (Lines block : texts.step_blocks)
            elements.push_back(JoinCrLf(block));
    } else {
        for (std::string_view line : texts.step_lines)
            elements.emplace_back(line);
    }
    return elements;
}

// Builds one text into slot 22 of `target`, staging through `buffer` from
// slot `first_slot` when the shape asks for it.
void BuildText(TextTable& target, TextTable& buffer, TextShape shape, int first_slot,
               const std::vector<std::string>& elements)
{
    const int count = static_cast<int>(elements.size());
    if (shape == TextShape::Joined) {
        std::string text;
        for (int i = 0; i < count; ++i) {
            if (i > 0)
                text += "\r\n";
            text += elements[static_cast<size_t>(i)];
        }
        target.Set(kCaseSlot, std::move(text));
        return;
    }

    for (int i = 0; i < count; ++i)
        buffer.Set(first_slot + i, elements[static_cast<size_t>(i)]);

    if (shape == TextShape::StagedJoined) {
        std::string text;
        for (int slot = first_slot; slot < first_slot + count; ++slot) {
            if (slot > first_slot)
                text += "\r\n";
            text += buffer(slot);
        }
        target.Set(kCaseSlot, std::move(text));
    } else {
        // Appending starts from what slot 22 holds, which the caller has
        // emptied; hence the break before the first line.
        for (int slot = first_slot; slot < first_slot + count; ++slot)
            target.Set(kCaseSlot, target(kCaseSlot) + "\r\n" + buffer(slot));
    }
}

}  // namespace

std::span<const CaseRow> CaseRows()
{
    return kRows;
}

std::span<const CaseTexts* const> WrittenCaseTexts()
{
    return WrittenCases();
}

std::optional<PracticalCase> FindCase(std::string_view name)
{
    for (const CaseRow& row : kRows) {
        if (row.name != name)
            continue;
        const CaseTexts* texts = TextsOf(name);
        if (texts == nullptr || !IsComplete(*texts))
            return std::nullopt;
        return PracticalCase{row, *texts};
    }
    return std::nullopt;
}

bool HasCase(std::string_view name)
{
    return FindCase(name).has_value();
}

std::vector<PracticalCase> PresentCases()
{
    std::vector<PracticalCase> cases;
    for (const CaseRow& row : kRows) {
        if (std::optional<PracticalCase> found = FindCase(row.name))
            cases.push_back(*found);
    }
    return cases;
}

void WriteCase(QuestionTable& table, std::string_view name)
{
    if (std::optional<PracticalCase> found = FindCase(name))
        WriteCase(table, *found);
}

void WriteCase(QuestionTable& table, const PracticalCase& practical_case)
{
    const CaseRow& row = practical_case.row;
    if (!row.pad_line.empty())
        table.ChoiceA.Set(kPadSlot, std::string(row.pad_line));

    const Lines task = practical_case.texts.task;
    BuildText(table.QuestionText, table.ChoiceA, row.task_shape, row.task_slot,
              std::vector<std::string>(task.begin(), task.end()));
    BuildText(table.AnswerKey, table.ChoiceB, row.steps_shape, row.steps_slot,
              StepsElements(practical_case.texts));
}

}  // namespace boxi::banks

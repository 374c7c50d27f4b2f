#pragma once

// The bank of the Excel practical cases "实例1" to "实例34".
//
// Every case has two parts kept apart. Its shape (line counts, how each text
// is built, the line-buffer slots, its family of line forms) is one row of
// CaseRows() in CaseBank.cpp and is already there for all 34 cases. Its texts
// are written by hand, one file per case, cases/CaseN.cpp, holding nothing
// but a CaseTexts:
//
//     #include "banks/CaseBank.h"
//
//     namespace boxi::banks {
//     namespace {
//
//     constexpr std::string_view kTask[] = {
//         "  打开素材中的“Excel.xlsx”文件，按以下要求操作：",
//         "  1.……",
//     };
//
//     // Cases whose steps are single lines (实例5 to 实例9, 实例11 to 实例18):
//     constexpr std::string_view kSteps[] = {
//         "【解题步骤】",
//         "第1小题:",
//         "步骤1：……",
//     };
//
//     }  // namespace
//
//     extern const CaseTexts kCase8{.name = "实例8", .task = kTask, .step_lines = kSteps};
//
//     }  // namespace boxi::banks
//
// Every other case gives its steps as blocks, one array per sub-task (its
// heading line, then its step lines), listed in order:
//
//     constexpr std::string_view kBlock1[] = {"第（1）题操作步骤：", "   [1]……"};
//     constexpr std::string_view kBlock2[] = {"第（2）题操作步骤：", "   [1]……"};
//     constexpr Lines kBlocks[] = {kBlock1, kBlock2};
//     ...
//     extern const CaseTexts kCase23{.name = "实例23", .task = kTask, .step_blocks = kBlocks};
//
// Lines are stored exactly as shown, without line breaks; the bank adds the
// CR LF joins and the line buffers. Then declare the new object and add it
// to the list of its group in cases/CaseGroupX.cpp. A case enters the
// bank only when both its task and its steps are there.

#include "banks/Lines.h"
#include "common/Module1.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace boxi::banks {

// How a text is built into slot 22 from its lines or steps elements.
enum class TextShape {
    Joined,          // the elements joined by CR LF; no line buffer is written
    StagedJoined,    // the elements staged one per buffer slot, then the slots joined
    StagedAppended,  // staged, then every slot appended after a CR LF: the text begins with CR LF
};

// The families of line forms the cases follow. The texts do not depend on
// them at run time; they tell an author which forms a case's lines take.
enum class CaseFamily {
    BracketedSubTasks,             // 实例1 to 实例4, 实例10
    SmallQuestionSteps,            // 实例5 to 实例9, 实例11, 实例12
    NumberedSolutionSteps,         // 实例13 to 实例18
    SmallQuestionBlocks,           // 实例19, 实例20
    OperationStepBlocks,           // 实例21 to 实例24, 实例26, 实例28, 实例30
    CommaItemOperationStepBlocks,  // 实例25, 实例27, 实例29
    SolutionStepBlocks,            // 实例31 to 实例34
};

// The shape of one case: everything about it except its texts.
struct CaseRow {
    std::string_view name;
    CaseFamily family = CaseFamily::BracketedSubTasks;
    int task_line_count = 0;
    int steps_line_count = 0;
    int steps_block_count = 0;  // 0: every steps element is a single line
    TextShape task_shape = TextShape::Joined;
    int task_slot = 0;  // ChoiceA slot of the first task line when staged
    TextShape steps_shape = TextShape::Joined;
    int steps_slot = 0;  // ChoiceB slot of the first steps element when staged
    // Written into ChoiceA of kPadSlot before the task lines; never part of the text.
    std::string_view pad_line;
};

inline constexpr int kCaseSlot = 22;
inline constexpr int kPadSlot = 1;

// The hand-written texts of one case. Exactly one of step_lines and
// step_blocks is filled, as the case's row says (steps_block_count).
struct CaseTexts {
    std::string_view name{};
    Lines task{};
    Lines step_lines{};
    std::span<const Lines> step_blocks{};
};

// A case of the bank: its row and its texts.
struct PracticalCase {
    CaseRow row;
    CaseTexts texts;
};

// The rows of all 34 cases, "实例1" to "实例34" in order.
std::span<const CaseRow> CaseRows();

// The texts of cases/, complete or not, group by group.
std::span<const CaseTexts* const> WrittenCaseTexts();

// The case named exactly `name`, when its row and both its texts are there.
std::optional<PracticalCase> FindCase(std::string_view name);
bool HasCase(std::string_view name);

// Every case of the bank, in row order.
std::vector<PracticalCase> PresentCases();

// Writes the task text into QuestionText and the steps text into AnswerKey
// of slot 22, staging lines in ChoiceA and ChoiceB as the row says; the
// staged lines stay. It writes nothing else and empties nothing: appended
// texts and unused buffers rely on the caller having emptied the four fields
// of slots 1 to 70. A name that is not exactly a case of the bank writes
// nothing.
void WriteCase(QuestionTable& table, std::string_view name);
void WriteCase(QuestionTable& table, const PracticalCase& practical_case);

}  // namespace boxi::banks

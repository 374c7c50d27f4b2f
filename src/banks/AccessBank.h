#pragma once

// The bank of the Access operation practice: for each of the 26 sets
// "操作题（第1套）" to "操作题（第26套）" and each of the three question types
// "基本操作题", "简单应用题" and "综合应用题", a question text and a
// reference answer.
//
// Each set has one file, access/AccessSetN.cpp, holding nothing but that
// set's texts. A question is its filled line slots, 1 to n, in order; an
// answer is its steps in order, each step as its lines:
//
//     #include "banks/AccessBank.h"
//
//     namespace boxi::banks {
//     namespace {
//
//     constexpr std::string_view kBasic[] = {
//         "在考生文件夹中有“samp1_4.mdb”数据库。",
//         "（1）……",
//         "（2）……",
//         "（3）……",
//     };
//
//     constexpr std::string_view kBasicStep1[] = {"（1）……"};
//     constexpr std::string_view kBasicStep2[] = {"（2）……", "  ……"};
//     constexpr std::string_view kBasicStep3[] = {"（3）……"};
//     constexpr Lines kBasicAnswer[] = {kBasicStep1, kBasicStep2, kBasicStep3};
//
//     }  // namespace
//
//     extern const AccessSetTexts kAccessSet4{
//         .basic_question = kBasic,
//         .basic_answer = kBasicAnswer,
//         .simple_question = ...,
//     };
//
//     }  // namespace boxi::banks
//
// Lines are stored exactly as shown, trailing blanks included, without line
// breaks; the bank adds the CR LF joins and the empty slots after the text.
// The two table rows that span several lines in one slot (slot 8 of basic
// set 6, slot 9 of basic set 13) hold their own "\r\n" between their lines.
// A question or answer not written yet is left out of the set's object: the
// lookup then finds nothing for it, as for a name that is no set. The data
// test checks every written entry against the slot and step counts of its
// set and type.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "banks/Lines.h"

namespace boxi::banks {

enum class OperationType { Basic, Simple, Comprehensive };

inline constexpr int kOperationSetCount = 26;
// A composed question joins exactly this many slots, an answer this many.
inline constexpr int kQuestionSlots = 25;
inline constexpr int kAnswerSlots = 6;

// The written texts of one set; an empty member is not written yet.
struct AccessSetTexts {
    Lines basic_question{};
    std::span<const Lines> basic_answer{};
    Lines simple_question{};
    std::span<const Lines> simple_answer{};
    Lines comprehensive_question{};
    std::span<const Lines> comprehensive_answer{};
};

// The caption of a type's button, which names the type.
std::string_view OperationTypeName(OperationType type);

// "操作题（第" + number + "套）", number 1 to 26.
std::string OperationSetName(int number);

// The set whose name equals `name` as a whole text (no trimming, no folding
// of case or width), or nothing.
std::optional<int> FindOperationSet(std::string_view name);

// The written texts of set `number`, 1 to 26.
const AccessSetTexts& AccessSet(int number);

// The filled slots of a question, and the steps of an answer; empty when the
// entry is not written.
Lines OperationQuestionSlots(int number, OperationType type);
std::span<const Lines> OperationAnswerSteps(int number, OperationType type);

// The text of the question box: the 25 slots of the question of `type` in
// the set named `set_name`, joined by CR LF. A name that is no set, or an
// entry not written, gives 25 empty slots: 24 CR LF pairs.
std::string ComposeOperationQuestion(OperationType type, std::string_view set_name);

// The text of the reference-answer box: the steps of the answer, one slot
// each with its lines joined by CR LF, in six slots joined by CR LF. No type,
// no set or an entry not written gives six empty slots: 5 CR LF pairs.
std::string ComposeReferenceAnswer(std::optional<OperationType> type, std::string_view set_name);

// Pieces of entries whose other parts are still to be written, kept as they
// stand for their authors: slot 9 of the basic question of set 13 (the
// validation row of its field table with the rule under it) and step 3 of
// the basic answer of set 26.
extern const std::string_view kBasic13ValidationSlot;
extern const Lines kBasic26AnswerStep3;

}  // namespace boxi::banks

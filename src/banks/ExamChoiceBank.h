#pragma once

// The bank of the exam sets' choice questions.
//
// A set is written by hand in exam_choice/SetN.cpp, holding nothing but its
// rows and its ExamChoiceSet:
//
//     #include "banks/ExamChoiceBank.h"
//
//     namespace boxi::banks {
//     namespace {
//
//     constexpr ExamChoiceRow kRows[] = {
//         {"数据库管理系统支持的数据模型有（）。", "(A) ……", "(B) ……", "(C) ……", "(D) ……", "A", "……"},
//         ...
//     };
//
//     }  // namespace
//
//     extern const ExamChoiceSet kExamChoiceSet1{.name = "第1套", .rows = kRows};
//
//     }  // namespace boxi::banks
//
// and is added to the list in exam_choice/WrittenSets.cpp. Texts of several
// lines hold their CR LF joins in place. A set enters the bank only when all
// twenty of its rows are there.

#include "common/Module1.h"

#include <span>
#include <string_view>

namespace boxi::banks {

inline constexpr int kExamChoiceSetCount = 20;  // "第1套" to "第20套"
inline constexpr int kExamChoiceQuestionCount = 20;  // rows of a set, into slots 1 to 20

// One question: the seven texts written into the fields of the same names.
struct ExamChoiceRow {
    std::string_view QuestionText;
    std::string_view ChoiceA;
    std::string_view ChoiceB;
    std::string_view ChoiceC;
    std::string_view ChoiceD;
    std::string_view AnswerKey;
    std::string_view AnswerAnalysis;
};

// A set as written so far; row k goes into slot k.
struct ExamChoiceSet {
    std::string_view name;
    std::span<const ExamChoiceRow> rows;
};

// The sets of exam_choice/, complete or not.
std::span<const ExamChoiceSet* const> WrittenExamChoiceSets();

// The set named exactly `name`, one of "第1套" to "第20套", when all its rows
// are written; otherwise nullptr.
const ExamChoiceSet* FindExamChoiceSet(std::string_view name);

// The choice questions of the exam sets "第1套" to "第20套": for one of those
// names, writes the set's twenty questions into slots 1 to 20 (every field
// but GivenAnswer); for any other name, and for a set not yet in the bank,
// it writes nothing. It empties nothing first.
void WriteExamChoiceSet(QuestionTable& table, std::string_view name);

// Writes the rows of a complete set into slots 1 to 20 as above; a set with
// any other number of rows writes nothing.
void WriteExamChoiceSet(QuestionTable& table, const ExamChoiceSet& set);

}  // namespace boxi::banks

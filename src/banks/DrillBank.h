#pragma once

// The choice questions of the drill: 232 questions in thirteen sections of
// two chapters, each with a stem, four options, a key letter and an
// analysis, found by chapter name, section name and question number.
//
// The section table (names, counts, key letters, which lookups need the
// drill's first exercise type, which end message a section gives) is in
// DrillBank.cpp and complete. The texts are written by hand, one file per
// section under drill/, holding nothing but that section's rows:
//
//     #include "banks/DrillBank.h"
//
//     namespace boxi::banks {
//     namespace {
//
//     constexpr DrillRow kRows[] = {
//         {.number = 3,
//          .stem = "3.在计算机内部，程序和数据采用（）代码表示。",
//          .options = {"(A)十进制", "(B)二进制", "(C)八进制", "(D)十六进制"},
//          .analysis = "    ……"},
//         {.number = 4, ...},
//     };
//
//     }  // namespace
//
//     extern const DrillRows kDrillOverview = kRows;
//
//     }  // namespace boxi::banks
//
// A row holds one question: its number (1 to the section's count, each at
// most once, in rising order), its stem (one line beginning with the number
// and "."), its four options ("(A)" to "(D)", with or without one blank
// after the letter, as the section's file says) and its analysis
// (paragraphs joined by "\r\n", each beginning with the section's blanks,
// no break at either end). Texts are stored exactly as shown, trailing
// blanks included. A field not written yet stays empty and the drill shows
// it empty; the section's count never depends on the rows written. A
// section with no rows yet holds only
//
//     extern const DrillRows kDrillSoftware{};
//
// and its rows array, once written, replaces the braces with "= kRows".

#include <array>
#include <span>
#include <string_view>

namespace boxi::banks {

struct DrillRow {
    int number = 0;
    std::string_view stem{};
    std::array<std::string_view, 4> options{};
    std::string_view analysis{};
};

using DrillRows = std::span<const DrillRow>;

// The end message a section shows past its last question.
enum class DrillEndMessage { First, Second };

// What a lookup is for. Showing a question and judging an answer need the
// drill's first exercise type in the same seven sections; the analyses need
// it in those and in "Internet基础及应用".
enum class DrillUse { Question, Answer, Analysis };

struct DrillSection {
    std::string_view chapter;
    std::string_view section;
    int count = 0;
    // ExerciseTypeCheck: the section is found only while the drill's first
    // exercise type is selected; one flag for questions and answers, one for
    // the analyses.
    bool ExerciseTypeCheck = false;
    bool AnalysisExerciseTypeCheck = false;
    DrillEndMessage end_message = DrillEndMessage::First;
    // DrillKeyTable: the key letters of questions 1 to count, in groups of
    // five separated by one blank.
    std::string_view keys;
    // DrillBank and DrillAnalysisBank: the written rows of the section.
    DrillRows rows;

    bool NeedsFirstType(DrillUse use) const
    {
        return use == DrillUse::Analysis ? AnalysisExerciseTypeCheck : ExerciseTypeCheck;
    }
};

inline constexpr std::string_view kDrillChapterBasics = "计算机基础知识";
inline constexpr std::string_view kDrillChapterWord = "利用Word 2010高效创建电子文档";

// The thirteen sections in lookup order.
std::span<const DrillSection> DrillSections();

// The two chapter names, in order.
std::array<std::string_view, 2> DrillChapters();

// The first section named exactly `chapter` and `section` (no trimming, case
// counts) whose type condition for `use` holds: `type_index` is the selected
// index of the drill's exercise-type list, and a section that needs the
// first type matches only at 0. Null when none matches.
const DrillSection* FindDrillSection(std::string_view chapter, std::string_view section, DrillUse use,
                                     int type_index);

// Question `number` of a section: its row, or an empty row with that number
// when its texts are not written yet. Numbers outside 1 to count give an
// empty row numbered 0.
DrillRow DrillQuestion(const DrillSection& section, int number);

// The key letter of question `number`, 'A' to 'D'; '\0' outside 1 to count.
char DrillKeyLetter(const DrillSection& section, int number);

}  // namespace boxi::banks

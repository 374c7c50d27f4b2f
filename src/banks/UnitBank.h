#pragma once

// The bank of the unit tests: eight units of forty choice questions.
//
// Each unit lives in its own file, units/<Unit>.cpp, holding nothing but a
// UnitTexts: the unit's name, its forty key letters and the rows written so
// far. A row gives the texts of one question; the bank adds its key letter
// from the unit's key string (letter n is the key of row n). An author fills
// a unit by adding rows to its kRows, in question order:
//
//     constexpr UnitRow kRows[] = {
//         {.number = 1,
//          .stem = "1.英文CAM的含义是（）。",
//          .choices = {"(A) 计算机辅助制造", "(B) 计算机辅助设计", "(C) 计算机集成制造系统", "(D) 计算机辅助教学"},
//          .analysis = "英文CAM的含义是计算机辅助制造，CAM是英文Computer Aided Manufacturing简写。"},
//         ...
//     };
//
// A stem or an analysis of several lines is an array of its lines, declared
// before kRows and named there; the load joins them with CR LF:
//
//     constexpr std::string_view kStem21[] = {"21.有两个关系R，S如下：", "     R     ", ...};
//     ...  {.number = 21, .stem = kStem21, ...}
//
// Texts are stored exactly as shown, trailing blanks included. Options are
// always single lines. A row not written yet is simply absent: its slot gets
// empty texts (and its key), never a stand-in.

#include "banks/Lines.h"
#include "common/Module1.h"

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace boxi::banks {

// A text of a row: one whole line as stored, or lines joined by CR LF.
class UnitText {
public:
    constexpr UnitText() = default;
    constexpr UnitText(const char* whole) : whole_(whole) {}
    constexpr UnitText(std::string_view whole) : whole_(whole) {}
    template <std::size_t N>
    constexpr UnitText(const std::string_view (&lines)[N]) : lines_(lines), joined_(true)
    {
    }

    bool joined() const { return joined_; }
    Lines lines() const { return lines_; }
    bool empty() const { return joined_ ? lines_.empty() : whole_.empty(); }
    std::string Text() const { return joined_ ? JoinCrLf(lines_) : std::string(whole_); }

private:
    std::string_view whole_;
    Lines lines_;
    bool joined_ = false;
};

// The texts of question `number` of a unit; the key comes from the unit.
struct UnitRow {
    int number = 0;
    UnitText stem;
    std::array<std::string_view, 4> choices{};  // option lines A to D
    UnitText analysis;
};

// One unit of the bank.
struct UnitTexts {
    std::string_view name;
    std::string_view keys;  // forty letters, question 1 first
    std::span<const UnitRow> rows;
};

inline constexpr int kUnitQuestionCount = 40;

// The eight units in the order of the unit list.
std::span<const UnitTexts* const> Units();
// The unit named exactly `name`, or nullptr.
const UnitTexts* FindUnit(std::string_view name);
// The written row `number` of a unit, or nullptr while it is not written.
const UnitRow* FindRow(const UnitTexts& unit, int number);
// The question numbers of a unit whose stem is not written yet.
std::vector<int> UnwrittenRows(const UnitTexts& unit);

// Writes the forty rows of the unit named exactly `name` into slots 1 to 40:
// for each question in turn its stem, options A to D, key and analysis, each
// overwritten. Nothing else of the table changes (slot 0, slots 41 to 70 and
// every GivenAnswer keep what they hold). Returns false, writing nothing,
// when no unit has that name.
bool WriteUnit(QuestionTable& table, std::string_view name);

}  // namespace boxi::banks

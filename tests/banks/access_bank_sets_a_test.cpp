// The shapes that sets 1 to 13 of the Access bank must keep: the databases
// their basic questions open or create, their table blocks, the numbered
// sub-steps and code of the comprehensive answers, and the names that the
// simple answers save.
#include "banks/AccessBank.h"

#include "banks/text_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace boxi::banks {
namespace {

using testing::DisplayWidth;

constexpr int kFirstSet = 1;
constexpr int kLastSet = 13;
constexpr OperationType kTypes[] = {OperationType::Basic, OperationType::Simple, OperationType::Comprehensive};

size_t CharCount(std::string_view utf8)
{
    size_t count = 0;
    for (unsigned char c : utf8)
        count += (c & 0xC0) != 0x80;
    return count;
}

std::string Trace(int number, OperationType type)
{
    return OperationSetName(number) + " " + std::string(OperationTypeName(type));
}

// The lines of a question as the box shows them: multi-line slots split.
std::vector<std::string_view> ShownLines(Lines slots)
{
    std::vector<std::string_view> lines;
    for (std::string_view slot : slots) {
        for (size_t at = slot.find("\r\n"); at != std::string_view::npos; at = slot.find("\r\n")) {
            lines.push_back(slot.substr(0, at));
            slot.remove_prefix(at + 2);
        }
        lines.push_back(slot);
    }
    return lines;
}

TEST(AccessBankSetsATest, every_entry_of_the_sets_is_written)
{
    for (int number = kFirstSet; number <= kLastSet; ++number) {
        for (OperationType type : kTypes) {
            SCOPED_TRACE(Trace(number, type));
            EXPECT_FALSE(OperationQuestionSlots(number, type).empty());
            EXPECT_FALSE(OperationAnswerSteps(number, type).empty());
        }
    }
}

TEST(AccessBankSetsATest, basic_set_1_composes_to_225_characters)
{
    Lines slots = OperationQuestionSlots(1, OperationType::Basic);
    size_t text = 0;
    for (std::string_view slot : slots)
        text += CharCount(slot);
    EXPECT_EQ(text, 177u);
    EXPECT_EQ(CharCount(ComposeOperationQuestion(OperationType::Basic, "操作题（第1套）")), 225u);
}

// How a basic question names its database: the whole opening line, or the
// pieces that its first slot must hold (an opening line, or task (1) that
// creates the database from the named files).
struct BasicDatabase {
    int set;
    std::string_view exact_opening;  // empty: check the pieces
    bool task_creates;
    std::vector<std::string_view> pieces;
};

const BasicDatabase kBasicDatabases[] = {
    {1, {}, true, {"“职工.mdb”", "“worker.xls”", "“项目.xls”"}},
    {2, {}, false, {"“商品.mdb”"}},
    {3, {}, true, {"“配件信息.mdb”", "“配件信息.txt”"}},
    {4, "在考生文件夹中有“samp1_4.mdb”数据库。", false, {}},
    {5, {}, false, {"“samp1_5.mdb”"}},
    {6, {}, true, {"数据库向导", "“资产追踪”"}},
    {7, {}, true, {"“订单.mdb”", "“订单.xls”", "“雇员.xls”"}},
    {8, "在“samp1_8.mdb”数据库中有“用户”和“地区”两张表。", false, {}},
    {9, {}, false, {"“samp1_9.mdb”"}},
    {10, "考生文件夹下有一个名为“samp1_10.mdb”的数据库。", false, {}},
    {11, {}, true, {"“samp1_11.mdb”", "“饮料.xls”", "“类别.xls”"}},
    {12, {}, false, {"“samp1_12.mdb”"}},
    {13, {}, false, {"“samp1_13.mdb”"}},
};

TEST(AccessBankSetsATest, basic_questions_open_or_create_their_databases)
{
    for (const BasicDatabase& expected : kBasicDatabases) {
        SCOPED_TRACE(OperationSetName(expected.set));
        Lines slots = OperationQuestionSlots(expected.set, OperationType::Basic);
        ASSERT_FALSE(slots.empty());
        std::string_view first = slots[0];
        if (!expected.exact_opening.empty()) {
            EXPECT_EQ(first, expected.exact_opening);
            continue;
        }
        EXPECT_EQ(first.starts_with("（1）"), expected.task_creates);
        for (std::string_view piece : expected.pieces)
            EXPECT_NE(first.find(piece), std::string_view::npos) << piece;
    }
}

bool IsRule(std::string_view line)
{
    return line.size() >= 18 && line.find_first_not_of("-|") == std::string_view::npos;
}

// The display columns at which the cells of a row start; cells are parted by
// two or more blanks, so "男 or 女" stays one cell.
std::vector<int> CellStarts(std::string_view row)
{
    std::vector<int> starts;
    int column = 0;
    int blanks = 2;
    for (size_t i = 0; i < row.size();) {
        unsigned char c = static_cast<unsigned char>(row[i]);
        size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        if (c == ' ') {
            ++blanks;
        } else {
            if (blanks >= 2)
                starts.push_back(column);
            blanks = 0;
        }
        column += c < 0x80 ? 1 : 2;
        i += len;
    }
    return starts;
}

// A field table lists its labels before a "|"; the cells are those after it.
std::string_view Cells(std::string_view row)
{
    size_t bar = row.find('|');
    return bar == std::string_view::npos ? row : row.substr(bar + 1);
}

// The display column of the "|" of a field table's row, or -1.
int BarColumn(std::string_view row)
{
    size_t bar = row.find('|');
    return bar == std::string_view::npos ? -1 : DisplayWidth(row.substr(0, bar));
}

// A rule, a header (no task line) and a rule at `i`.
bool StartsSegment(const std::vector<std::string_view>& lines, size_t i)
{
    return i + 2 < lines.size() && IsRule(lines[i]) && !IsRule(lines[i + 1]) && !lines[i + 1].starts_with("（") &&
           IsRule(lines[i + 2]);
}

// Every table block of a basic question: rules of 18 to 52 hyphens, every
// line as wide as its rules, and every cell of a data row starting where a
// cell of the header above it starts. A block is one or more segments of a
// rule, a header, a rule, data rows and a closing rule; basic set 6 splits
// one wide record over two segments.
TEST(AccessBankSetsATest, table_blocks_have_rules_of_one_width_and_aligned_columns)
{
    const int tabled_sets[] = {2, 3, 6, 11, 13};
    for (int number : tabled_sets) {
        SCOPED_TRACE(OperationSetName(number));
        std::vector<std::string_view> lines = ShownLines(OperationQuestionSlots(number, OperationType::Basic));
        int blocks = 0;
        for (size_t i = 0; i < lines.size();) {
            if (!IsRule(lines[i])) {
                ++i;
                continue;
            }
            ++blocks;
            const int width = DisplayWidth(lines[i]);
            size_t hyphens = std::count(lines[i].begin(), lines[i].end(), '-');
            EXPECT_GE(hyphens, 18u);
            EXPECT_LE(hyphens, 52u);
            // Segments: rule, header, rule, rows..., rule.
            while (StartsSegment(lines, i)) {
                std::string_view header = lines[i + 1];
                std::vector<int> columns = CellStarts(Cells(header));
                EXPECT_GE(columns.size(), 3u) << header;
                size_t row = i + 3;
                int rows = 0;
                for (; row < lines.size() && !IsRule(lines[row]); ++row, ++rows) {
                    std::string_view data = lines[row];
                    SCOPED_TRACE(std::string(data));
                    EXPECT_EQ(DisplayWidth(data), width);
                    EXPECT_EQ(BarColumn(data), BarColumn(header));
                    for (int start : CellStarts(Cells(data)))
                        EXPECT_NE(std::find(columns.begin(), columns.end(), start), columns.end());
                }
                EXPECT_GE(rows, 1);
                EXPECT_EQ(DisplayWidth(header), width);
                for (size_t r : {i, i + 2, row}) {
                    ASSERT_LT(r, lines.size()) << "the block has no closing rule";
                    EXPECT_EQ(lines[r], lines[i]);
                }
                i = row;
                // A closing rule followed by a header and a rule starts the next segment.
                if (!StartsSegment(lines, i))
                    break;
            }
            ++i;
        }
        EXPECT_GE(blocks, 1);
    }
}

TEST(AccessBankSetsATest, comprehensive_10_builds_its_form_in_six_numbered_lines)
{
    std::span<const Lines> steps = OperationAnswerSteps(10, OperationType::Comprehensive);
    ASSERT_EQ(steps.size(), 2u);
    ASSERT_EQ(steps[1].size(), 7u);
    EXPECT_TRUE(steps[1][0].starts_with("（2）"));
    for (int k = 1; k <= 6; ++k)
        EXPECT_TRUE(steps[1][static_cast<size_t>(k)].starts_with("（" + std::to_string(k) + "）")) << k;
}

// The code of a comprehensive answer: the procedures it must declare, named
// after the controls the question names.
struct CodeAnswer {
    int set;
    std::vector<std::string_view> procedures;
    std::vector<std::string_view> question_names;
};

const CodeAnswer kCodeAnswers[] = {
    {5, {"Private Sub bOk_Click()"}, {"“bOk”", "“tUser”", "“tPwd”"}},
    {6, {"Private Sub bCalc_Click()"}, {"“bCalc”", "“tNum”", "“tResult”"}},
    {7, {"Private Sub Form_Load()", "Private Sub Form_Timer()"}, {"“tTime”"}},
    {9, {"Private Sub bJudge_Click()"}, {"“bJudge”", "“tYear”"}},
    {12, {"Private Sub bOpen_Click()"}, {"“bOpen”", "“cboClass”"}},
    {13, {"Public Sub M()"}, {"“M”"}},
};

// Code outside its string literals is plain ASCII: no full-width operator,
// bracket or quotation mark that the editor would reject.
bool IsAsciiOutsideLiterals(std::string_view line)
{
    bool in_literal = false;
    for (unsigned char c : line) {
        if (c == '"')
            in_literal = !in_literal;
        else if (c >= 0x80 && !in_literal)
            return false;
    }
    return !in_literal;
}

TEST(AccessBankSetsATest, code_answers_declare_whole_procedures_in_plain_ascii)
{
    for (const CodeAnswer& expected : kCodeAnswers) {
        SCOPED_TRACE(OperationSetName(expected.set));
        std::span<const Lines> steps = OperationAnswerSteps(expected.set, OperationType::Comprehensive);
        ASSERT_FALSE(steps.empty());
        Lines code = steps.back().subspan(1);
        ASSERT_FALSE(code.empty());
        int subs = 0, ends = 0, ifs = 0, end_ifs = 0, fors = 0, nexts = 0;
        std::vector<std::string_view> declared;
        for (std::string_view line : code) {
            SCOPED_TRACE(std::string(line));
            EXPECT_TRUE(IsAsciiOutsideLiterals(line));
            std::string_view text = line.substr(std::min(line.find_first_not_of(' '), line.size()));
            if (text.starts_with("Private Sub ") || text.starts_with("Public Sub ")) {
                ++subs;
                declared.push_back(line);
            }
            ends += text.starts_with("End Sub");
            ifs += (text.starts_with("If ") || text.starts_with("If(")) && text.ends_with("Then");
            end_ifs += text.starts_with("End If");
            fors += text.starts_with("For ");
            nexts += text.starts_with("Next");
        }
        EXPECT_EQ(subs, ends);
        EXPECT_EQ(ifs, end_ifs);
        EXPECT_EQ(fors, nexts);
        EXPECT_TRUE(code.back().starts_with("End Sub"));
        EXPECT_EQ(declared, expected.procedures);

        Lines question = OperationQuestionSlots(expected.set, OperationType::Comprehensive);
        std::string text;
        for (std::string_view slot : question)
            text += slot;
        for (std::string_view name : expected.question_names)
            EXPECT_NE(text.find(name), std::string::npos) << name;
    }
}

// The object that each simple task asks for, which its step must save.
struct SimpleNames {
    int set;
    std::string_view first, second;
};

const SimpleNames kSimpleNames[] = {
    {1, "Q1", "Q2"},  {2, "Q1", "Q2"},  {3, "Q1", "Q2"},  {4, "Q1", "Q2"},  {5, "Q1", "Q2"},
    {6, "Q1", "Q2"},  {7, "Q1", "M1"},  {8, "Q1", "Q2"},  {9, "Q1", "Q2"},  {10, "Q1", "Q2"},
    {11, "Q1", "Q2"}, {12, "Q1", "Q2"}, {13, "Q1", "Q2"},
};

TEST(AccessBankSetsATest, each_simple_step_saves_the_object_its_task_names)
{
    for (const SimpleNames& expected : kSimpleNames) {
        SCOPED_TRACE(OperationSetName(expected.set));
        Lines question = OperationQuestionSlots(expected.set, OperationType::Simple);
        std::span<const Lines> steps = OperationAnswerSteps(expected.set, OperationType::Simple);
        ASSERT_EQ(question.size(), 3u);
        ASSERT_EQ(steps.size(), 2u);
        const std::string_view names[] = {expected.first, expected.second};
        for (size_t k = 0; k < 2; ++k) {
            EXPECT_NE(question[k + 1].find(names[k]), std::string_view::npos) << names[k];
            std::string_view step = steps[k].back();
            EXPECT_NE(step.find("“" + std::string(names[k]) + "”"), std::string_view::npos) << names[k];
            EXPECT_EQ(step.find("以“" + std::string(names[1 - k]) + "”为名"), std::string_view::npos);
        }
    }
}

// Sets 1 to 13 hold their share of the bank's continued steps and of the
// lines that end in one blank (the code's "End Sub "); the other sets hold
// the rest, so a step joined or split here shifts the bank's totals.
TEST(AccessBankSetsATest, answers_hold_their_share_of_continued_steps_and_blank_ended_lines)
{
    int continued_steps = 0;
    int blank_ended_lines = 0;
    int steps = 0;
    for (int number = kFirstSet; number <= kLastSet; ++number) {
        for (OperationType type : kTypes) {
            for (const Lines& step : OperationAnswerSteps(number, type)) {
                ++steps;
                continued_steps += step.size() > 1;
                for (std::string_view line : step) {
                    SCOPED_TRACE(Trace(number, type) + " " + std::string(line));
                    EXPECT_FALSE(line.ends_with("  "));
                    blank_ended_lines += line.ends_with(' ');
                }
            }
        }
    }
    EXPECT_EQ(steps, 91);
    EXPECT_EQ(continued_steps, 11);
    EXPECT_EQ(blank_ended_lines, 3);
}

// Menu paths stand as “菜单”->“命令”, and what the learner types uses ASCII
// operators, never their full-width look-alikes.
TEST(AccessBankSetsATest, answers_write_menu_paths_and_operators_as_typed)
{
    const std::string_view full_width[] = {"＝", "＆", "＜", "＞", "＋", "＊", "［", "］", "＃"};
    for (int number = kFirstSet; number <= kLastSet; ++number) {
        for (OperationType type : kTypes) {
            SCOPED_TRACE(Trace(number, type));
            for (const Lines& step : OperationAnswerSteps(number, type)) {
                for (std::string_view line : step) {
                    for (size_t at = line.find("->"); at != std::string_view::npos; at = line.find("->", at + 2)) {
                        EXPECT_TRUE(line.substr(0, at).ends_with("”")) << line;
                        EXPECT_TRUE(line.substr(at + 2).starts_with("“")) << line;
                    }
                    for (std::string_view mark : full_width)
                        EXPECT_EQ(line.find(mark), std::string_view::npos) << line;
                }
            }
        }
    }
}

}  // namespace
}  // namespace boxi::banks

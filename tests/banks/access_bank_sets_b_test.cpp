// Data checks of the Access sets 14 to 26 beyond the shapes every set
// shares: their table blocks, the database that simple set 16 types in, the
// databases created from files, the code answers and the counts over the
// whole bank.
#include "banks/AccessBank.h"

#include "banks/text_checks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace boxi::banks {
namespace {

using testing::DisplayWidth;

constexpr OperationType kTypes[] = {OperationType::Basic, OperationType::Simple, OperationType::Comprehensive};
constexpr int kFirstSet = 14;

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

TEST(AccessBankSets14To26Test, every_question_and_answer_is_written)
{
    for (int number = kFirstSet; number <= kOperationSetCount; ++number) {
        for (OperationType type : kTypes) {
            SCOPED_TRACE(Trace(number, type));
            EXPECT_FALSE(OperationQuestionSlots(number, type).empty());
            EXPECT_FALSE(OperationAnswerSteps(number, type).empty());
        }
    }
}

bool IsRule(std::string_view line)
{
    return !line.empty() && line.find_first_not_of('-') == std::string_view::npos;
}

// Display columns at which the cells of a row begin; cells hold no blanks.
std::vector<int> CellStarts(std::string_view row)
{
    std::vector<int> starts;
    int column = 0;
    bool in_cell = false;
    for (size_t i = 0; i < row.size();) {
        unsigned char c = static_cast<unsigned char>(row[i]);
        size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        bool blank = c == ' ';
        if (!blank && !in_cell)
            starts.push_back(column);
        in_cell = !blank;
        column += DisplayWidth(row.substr(i, len));
        i += len;
    }
    return starts;
}

// A table block, by 1-based slots: its rules, its header and its data rows.
struct TableBlock {
    int set;
    OperationType type;
    std::vector<int> rules;
    int header;
    int first_row, last_row;
};

const TableBlock kTables[] = {
    {16, OperationType::Basic, {3, 5, 10}, 4, 6, 9},
    {16, OperationType::Basic, {13, 15, 18}, 14, 16, 17},
    {16, OperationType::Simple, {3, 9}, 4, 5, 8},
    {16, OperationType::Simple, {11, 17}, 12, 13, 16},
};

TEST(AccessBankSets14To26Test, table_blocks_have_hyphen_rules_and_columns_aligned_by_display_width)
{
    for (const TableBlock& table : kTables) {
        SCOPED_TRACE(Trace(table.set, table.type) + " header slot " + std::to_string(table.header));
        Lines slots = OperationQuestionSlots(table.set, table.type);
        ASSERT_GE(slots.size(), static_cast<size_t>(table.rules.back()));
        size_t rule_length = slots[table.rules.front() - 1].size();
        for (int rule : table.rules) {
            std::string_view line = slots[rule - 1];
            EXPECT_TRUE(IsRule(line)) << line;
            EXPECT_EQ(line.size(), rule_length);
            EXPECT_GE(line.size(), 18u);
            EXPECT_LE(line.size(), 52u);
        }
        std::vector<int> columns = CellStarts(slots[table.header - 1]);
        EXPECT_GE(columns.size(), 3u);
        for (int row = table.first_row; row <= table.last_row; ++row) {
            std::string_view line = slots[row - 1];
            SCOPED_TRACE(std::string(line));
            EXPECT_FALSE(IsRule(line));
            EXPECT_EQ(CellStarts(line), columns);
            EXPECT_LE(DisplayWidth(line), static_cast<int>(rule_length));
        }
    }
}

TEST(AccessBankSets14To26Test, simple_16_types_in_its_two_tables_and_composes_to_634_characters)
{
    Lines slots = OperationQuestionSlots(16, OperationType::Simple);
    ASSERT_EQ(slots.size(), 18u);
    EXPECT_EQ(slots[0].rfind("（1）创建数据库“Company”", 0), 0u);
    EXPECT_EQ(slots[1], "       员工信息表");
    EXPECT_EQ(slots[3], "员工ID     员工姓名    性别");
    EXPECT_EQ(slots[9], "             每日考勤表        ");
    EXPECT_EQ(slots[11], "员工ID  日期      上班时间    下班时间");
    for (int k = 0; k < 4; ++k) {
        std::string id = std::to_string(101 + k);
        EXPECT_EQ(slots[4 + k].rfind(id + " ", 0), 0u) << slots[4 + k];
        EXPECT_EQ(slots[12 + k].rfind(id + "     2004-3-1  ", 0), 0u) << slots[12 + k];
    }
    EXPECT_EQ(slots[17].rfind("在上题的Company数据库中,", 0), 0u);

    size_t text = 0;
    for (std::string_view slot : slots)
        text += CharCount(slot);
    EXPECT_EQ(text, 586u);
    std::string composed = ComposeOperationQuestion(OperationType::Simple, OperationSetName(16));
    EXPECT_EQ(CharCount(composed), 634u);
    EXPECT_TRUE(composed.ends_with("\r\n\r\n\r\n\r\n\r\n\r\n\r\n"));
    EXPECT_FALSE(composed.ends_with("\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"));
}

TEST(AccessBankSets14To26Test, openings_name_the_set_database_or_the_files_task_1_creates_it_from)
{
    // Basic sets whose first task creates the database, and the files it reads.
    struct Created {
        int set;
        std::vector<std::string_view> names;
    };
    const Created created[] = {
        {20, {"“学生.mdb”", "“学生.xls”"}},
        {24, {"“学生.mdb”", "“成绩.xls”", "“功课.xls”", "“学生.xls”"}},
    };
    for (const Created& entry : created) {
        SCOPED_TRACE(entry.set);
        std::string_view task = OperationQuestionSlots(entry.set, OperationType::Basic)[0];
        EXPECT_EQ(task.rfind("（1）新建", 0), 0u);
        for (std::string_view name : entry.names)
            EXPECT_NE(task.find(name), std::string_view::npos) << name;
    }
    for (int number = kFirstSet; number <= kOperationSetCount; ++number) {
        if (number == 20 || number == 24)
            continue;
        SCOPED_TRACE(number);
        std::string_view opening = OperationQuestionSlots(number, OperationType::Basic)[0];
        EXPECT_NE(opening.find("“samp1_" + std::to_string(number) + ".mdb”"), std::string_view::npos);
        EXPECT_NE(opening.rfind("（", 0), 0u);
    }
    // Basic set 26 asks for what the third step of its given answer does,
    // so that following the answer changes nothing unasked.
    Lines basic26 = OperationQuestionSlots(26, OperationType::Basic);
    ASSERT_EQ(basic26.size(), 4u);
    EXPECT_EQ(basic26[3], "（3）冻结“部门信息”表的“部门名称”列，将行高设置为13，单元格效果设置为“凹陷”。");
    EXPECT_EQ(OperationAnswerSteps(26, OperationType::Basic).size(), 3u);
}

size_t Count(std::string_view text, char c)
{
    size_t n = 0;
    for (char x : text)
        n += x == c;
    return n;
}

TEST(AccessBankSets14To26Test, code_answers_are_one_unnumbered_event_procedure)
{
    struct CodeAnswer {
        int set;
        std::string_view sub;
        std::string_view must_call;
    };
    const CodeAnswer answers[] = {
        {15, "Private Sub cmdShow_Click()", "DLookup(\"姓名\", \"学生\","},
        {16, "Private Sub cmdJudge_Click()", "If n Mod i = 0 Then"},
    };
    for (const CodeAnswer& code : answers) {
        SCOPED_TRACE(code.set);
        auto steps = OperationAnswerSteps(code.set, OperationType::Comprehensive);
        ASSERT_EQ(steps.size(), 1u);
        Lines lines = steps[0];
        ASSERT_GE(lines.size(), 3u);
        EXPECT_NE(lines[0].rfind("（", 0), 0u) << "no step number";
        EXPECT_TRUE(lines[0].ends_with("加入如下代码:"));
        EXPECT_EQ(lines[1], code.sub);
        EXPECT_EQ(lines.back(), "End Sub ");
        bool calls = false;
        for (size_t i = 1; i < lines.size(); ++i) {
            EXPECT_EQ(Count(lines[i], '"') % 2, 0u) << lines[i];
            EXPECT_EQ(Count(lines[i], '(' ), Count(lines[i], ')')) << lines[i];
            calls = calls || lines[i].find(code.must_call) != std::string_view::npos;
        }
        EXPECT_TRUE(calls);
    }
}

TEST(AccessBankSets14To26Test, what_the_learner_types_uses_half_width_operators)
{
    const std::string_view full_width[] = {"＝", "＞", "＜", "＆", "＊", "［", "］", "＃", "＂"};
    for (int number = kFirstSet; number <= kOperationSetCount; ++number) {
        for (OperationType type : kTypes) {
            SCOPED_TRACE(Trace(number, type));
            for (Lines step : OperationAnswerSteps(number, type)) {
                for (std::string_view line : step) {
                    for (std::string_view mark : full_width)
                        EXPECT_EQ(line.find(mark), std::string_view::npos) << line;
                }
            }
        }
    }
}

// Once every entry of the bank is written, its answers hold 186 steps, 17 of
// them of several lines (the longest 14), and five lines end in one blank.
TEST(AccessBankSets14To26Test, the_whole_answer_bank_has_its_counts_once_every_entry_is_written)
{
    size_t steps = 0, multi_line = 0, longest = 0, blank_ended = 0;
    for (int number = 1; number <= kOperationSetCount; ++number) {
        for (OperationType type : kTypes) {
            auto answer = OperationAnswerSteps(number, type);
            if (answer.empty() || OperationQuestionSlots(number, type).empty())
                GTEST_SKIP() << "not every entry is written yet: " << Trace(number, type);
            for (Lines step : answer) {
                ++steps;
                multi_line += step.size() > 1;
                longest = std::max(longest, step.size());
                for (std::string_view line : step)
                    blank_ended += line.ends_with(' ') && !line.ends_with("  ");
            }
        }
    }
    EXPECT_EQ(steps, 186u);
    EXPECT_EQ(multi_line, 17u);
    EXPECT_EQ(longest, 14u);
    EXPECT_EQ(blank_ended, 5u);
}

}  // namespace
}  // namespace boxi::banks

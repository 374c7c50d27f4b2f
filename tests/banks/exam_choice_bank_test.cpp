#include "banks/ExamChoiceBank.h"
#include "banks/text_checks.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace boxi::banks {
namespace {

using namespace std::string_view_literals;

// The keys and option forms of every set, kept apart from the bank so that a
// slip in either shows. Forms are lists of question numbers and ranges.
struct ExpectedSet {
    std::string_view name;
    std::string_view keys;  // questions 1 to 20
    std::string_view spaced;  // "(A) "
    std::string_view tight;  // "(A)"
    std::string_view full_width;  // "（A）"
};

constexpr ExpectedSet kExpectedSets[] = {
    {"第1套",
        "ADACDBCBBD"
        "ACBAAABDCC",
        "1-14,17-20", "15-16", ""},
    {"第2套",
        "AADBBCDBCD"
        "DCDCDABCAB",
        "1-10,12-14,17-18", "11,15-16,19-20", ""},
    {"第3套",
        "CCCCDBDBCB"
        "CBBCAADCDA",
        "14,18", "11-13,15-17,19-20", "1-10"},
    {"第4套",
        "DBCDADCBDB"
        "BCBBBDBBDA",
        "1-4,6-10,14", "5,11-13,15-20", ""},
    {"第5套",
        "CBCBBCCBCB"
        "DACDBCCDAA",
        "1-4,6-10,14", "5,11-13,15-20", ""},
    {"第6套",
        "CCACCBDDDC"
        "ADABADCBDB",
        "2-10,14", "1,11-13,15-20", ""},
    {"第7套",
        "CCADABDCCB"
        "ABBDBBABCD",
        "1-4,6-10,14", "5,11-13,15-20", ""},
    {"第8套",
        "DCBADACDBC"
        "BBADBCCCBC",
        "14", "11-13,15-20", "1-10"},
    {"第9套",
        "CDBABBCCAD"
        "CDDCBDBCAB",
        "14", "11-13,15-20", "1-10"},
    {"第10套",
        "CABBDADAAA"
        "ADCBABCADB",
        "14", "11-13,15-20", "1-10"},
    {"第11套",
        "DABAACCCDD"
        "CCDCCBADBD",
        "1-10,14", "11-13,15-20", ""},
    {"第12套",
        "BBCCCAAADC"
        "BABCDACDCB",
        "1-10,14", "11-13,15-20", ""},
    {"第13套",
        "CDABBDCBBB"
        "BCABABCCCB",
        "1-10,14", "11-13,15-20", ""},
    {"第14套",
        "CBDBBBBDBB"
        "DCBAABBBCA",
        "1-10,14", "11-13,15-20", ""},
    {"第15套",
        "DABDDCBCDB"
        "BBBCCDCBCA",
        "1-10,14", "11-13,15-20", ""},
    {"第16套",
        "DADDBDABAC"
        "BBDAAACACC",
        "1-10,14", "11-13,15-20", ""},
    {"第17套",
        "BDBDBCABAC"
        "BDAABACDDA",
        "1-10,14", "11-13,15-20", ""},
    {"第18套",
        "DABAACCCDD"
        "DBCDBBCCBD",
        "14", "11-13,15-20", "1-10"},
    {"第19套",
        "BDABBDCBAB"
        "CCCBCADCCB",
        "14-15,20", "11-13,16-19", "1-10"},
    {"第20套",
        "BBCCCAAAAC"
        "CBAACAAABC",
        "14-15,20", "11-13,16-19", "1-10"},
};

enum class OptionForm { Spaced, Tight, FullWidth };

std::set<int> QuestionsOf(std::string_view list)
{
    std::set<int> numbers;
    while (!list.empty()) {
        const size_t comma = list.find(',');
        const std::string item(list.substr(0, comma));
        list = comma == std::string_view::npos ? std::string_view {} : list.substr(comma + 1);
        const size_t dash = item.find('-');
        const int first = std::stoi(item.substr(0, dash));
        const int last = dash == std::string::npos ? first : std::stoi(item.substr(dash + 1));
        for (int n = first; n <= last; ++n)
            numbers.insert(n);
    }
    return numbers;
}

OptionForm FormOf(const ExpectedSet& set, int question)
{
    if (QuestionsOf(set.spaced).contains(question))
        return OptionForm::Spaced;
    if (QuestionsOf(set.tight).contains(question))
        return OptionForm::Tight;
    return OptionForm::FullWidth;
}

std::string OptionPrefix(OptionForm form, char letter)
{
    switch (form) {
    case OptionForm::Spaced:
        return std::string("(") + letter + ") ";
    case OptionForm::Tight:
        return std::string("(") + letter + ")";
    case OptionForm::FullWidth:
        return std::string("（") + letter + "）";
    }
    return {};
}

const ExpectedSet* ExpectedSetOf(std::string_view name)
{
    for (const ExpectedSet& set : kExpectedSets) {
        if (set.name == name)
            return &set;
    }
    return nullptr;
}

// The texts of a row with the names of their fields, in writing order.
std::array<std::pair<std::string_view, std::string_view>, 7> FieldsOf(const ExamChoiceRow& row)
{
    return {{{"QuestionText", row.QuestionText}, {"ChoiceA", row.ChoiceA}, {"ChoiceB", row.ChoiceB},
        {"ChoiceC", row.ChoiceC}, {"ChoiceD", row.ChoiceD}, {"AnswerKey", row.AnswerKey},
        {"AnswerAnalysis", row.AnswerAnalysis}}};
}

// Calls `check` with every written row, its set and its question number.
template <typename Check> void ForEachRow(Check check)
{
    for (const ExamChoiceSet* set : WrittenExamChoiceSets()) {
        int question = 1;
        for (const ExamChoiceRow& row : set->rows) {
            SCOPED_TRACE(std::string(set->name) + " question " + std::to_string(question));
            check(*set, question, row);
            ++question;
        }
    }
}

// The table's form lists cover each question once, each set as a load
// writes it has the table's keys, and those keys add up to the bank's
// totals.
TEST(ExamChoiceData, expected_table_partitions_the_forms_and_totals_the_keys)
{
    std::map<char, int> totals;
    for (const ExpectedSet& set : kExpectedSets) {
        SCOPED_TRACE(std::string(set.name));
        ASSERT_EQ(set.keys.size(), 20u);
        std::multiset<int> all;
        for (auto list : {set.spaced, set.tight, set.full_width}) {
            const auto numbers = QuestionsOf(list);
            all.insert(numbers.begin(), numbers.end());
        }
        std::multiset<int> once;
        for (int n = 1; n <= 20; ++n)
            once.insert(n);
        EXPECT_EQ(all, once);

        QuestionTable table;
        WriteExamChoiceSet(table, set.name);
        std::string keys;
        for (int n = 1; n <= 20; ++n)
            keys += table.AnswerKey(n);
        EXPECT_EQ(keys, set.keys);
        for (char key : keys)
            ++totals[key];
    }
    EXPECT_EQ(totals, (std::map<char, int> {{'A', 85}, {'B', 119}, {'C', 112}, {'D', 84}}));
}

TEST(ExamChoiceData, written_sets_are_the_twenty_names_each_once_with_at_most_twenty_rows)
{
    std::set<std::string_view> names;
    for (const ExamChoiceSet* set : WrittenExamChoiceSets()) {
        EXPECT_NE(ExpectedSetOf(set->name), nullptr) << set->name;
        EXPECT_TRUE(names.insert(set->name).second) << set->name << " listed twice";
        EXPECT_GE(set->rows.size(), 1u) << set->name;
        EXPECT_LE(set->rows.size(), 20u) << set->name;
    }
}

TEST(ExamChoiceData, the_bank_holds_all_twenty_sets_and_one_question_with_cyrillic_operators)
{
    EXPECT_EQ(WrittenExamChoiceSets().size(), 20u);
    int cyrillic = 0;
    ForEachRow([&](const ExamChoiceSet& set, int, const ExamChoiceRow& row) {
        EXPECT_EQ(set.rows.size(), 20u) << set.name;
        const std::string_view texts[] = {row.QuestionText, row.ChoiceA, row.ChoiceB, row.ChoiceC, row.ChoiceD,
                                          row.AnswerAnalysis};
        bool here = false;
        for (std::string_view text : texts)
            // Cyrillic letters are U+0400 to U+04FF: lead bytes 0xD0 to 0xD3.
            for (char c : text)
                here |= static_cast<unsigned char>(c) >= 0xD0 && static_cast<unsigned char>(c) <= 0xD3;
        cyrillic += here;
    });
    EXPECT_EQ(cyrillic, 1);
}

TEST(ExamChoiceData, every_row_has_its_key_and_four_distinct_options_in_its_form)
{
    ForEachRow([](const ExamChoiceSet& set, int question, const ExamChoiceRow& row) {
        const ExpectedSet& expected = *ExpectedSetOf(set.name);
        EXPECT_EQ(row.AnswerKey, expected.keys.substr(question - 1, 1));
        const OptionForm form = FormOf(expected, question);
        const std::string_view options[] = {row.ChoiceA, row.ChoiceB, row.ChoiceC, row.ChoiceD};
        std::set<std::string_view> bodies;
        for (int i = 0; i < 4; ++i) {
            const std::string prefix = OptionPrefix(form, static_cast<char>('A' + i));
            ASSERT_TRUE(options[i].starts_with(prefix)) << options[i] << " should begin with " << prefix;
            const std::string_view body = options[i].substr(prefix.size());
            EXPECT_FALSE(body.empty()) << options[i];
            EXPECT_FALSE(body.starts_with(" ") || body.starts_with("　")) << options[i];
            bodies.insert(body);
            // The option row shows one line of about forty Chinese characters.
            EXPECT_LE(testing::DisplayWidth(options[i]), 80) << options[i];
        }
        EXPECT_EQ(bodies.size(), 4u) << "options repeat";
    });
}

TEST(ExamChoiceData, stems_are_numbered_from_11_and_mark_the_answer_place)
{
    ForEachRow([](const ExamChoiceSet&, int question, const ExamChoiceRow& row) {
        const std::string_view stem = row.QuestionText;
        if (question <= 10) {
            EXPECT_FALSE(!stem.empty() && stem[0] >= '0' && stem[0] <= '9') << stem;
        } else {
            const std::string number = std::to_string(question) + ".";
            ASSERT_TRUE(stem.starts_with(number)) << stem;
            const std::string_view text = stem.substr(number.size());
            EXPECT_FALSE(text.empty() || text.starts_with(" ") || (text[0] >= '0' && text[0] <= '9')) << stem;
        }
        constexpr std::string_view kMarks[] = {"（）", "（ ）", "（  ）", "（   ）", "( )", "(   )", "____"};
        EXPECT_TRUE(std::any_of(std::begin(kMarks), std::end(kMarks),
            [&](std::string_view mark) { return stem.find(mark) != std::string_view::npos; }))
            << "no place for the answer: " << stem;
    });
}

struct MultiLineText {
    std::string_view set;
    int question;
    std::string_view field;
    int lines;
    bool indented;  // every line after the first begins with one blank
};

constexpr MultiLineText kMultiLineTexts[] = {
    {"第4套", 3, "QuestionText", 4, false},
    {"第5套", 5, "AnswerAnalysis", 4, true},
    {"第7套", 16, "AnswerAnalysis", 5, false},
    {"第10套", 5, "AnswerAnalysis", 8, true},
};

std::vector<std::string_view> SplitCrLf(std::string_view text)
{
    std::vector<std::string_view> lines;
    for (size_t at = 0;;) {
        const size_t end = text.find("\r\n", at);
        lines.push_back(text.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at));
        if (end == std::string_view::npos)
            return lines;
        at = end + 2;
    }
}

TEST(ExamChoiceData, only_the_four_multi_line_texts_break_lines_with_cr_lf)
{
    ForEachRow([](const ExamChoiceSet& set, int question, const ExamChoiceRow& row) {
        for (auto [field, text] : FieldsOf(row)) {
            const auto multi
                = std::find_if(std::begin(kMultiLineTexts), std::end(kMultiLineTexts), [&](const MultiLineText& m) {
                      return m.set == set.name && m.question == question && m.field == field;
                  });
            const auto lines = SplitCrLf(text);
            for (std::string_view line : lines) {
                EXPECT_EQ(line.find_first_of("\r\n"), std::string_view::npos) << field << ": a lone CR or LF";
                EXPECT_FALSE(line.empty()) << field << ": an empty line";
            }
            if (multi == std::end(kMultiLineTexts)) {
                EXPECT_EQ(lines.size(), 1u) << field;
                continue;
            }
            EXPECT_EQ(static_cast<int>(lines.size()), multi->lines) << field;
            for (size_t i = 1; i < lines.size(); ++i) {
                const bool one_blank = lines[i].starts_with(" ") && !lines[i].starts_with("  ");
                const bool no_blank = !lines[i].starts_with(" ");
                EXPECT_TRUE(multi->indented ? one_blank : no_blank) << lines[i];
            }
        }
    });
}

TEST(ExamChoiceData, texts_are_filled_in_code_page_936_without_filler)
{
    // Filler words, and circled digits past the six the questions use.
    constexpr std::string_view kBanned[] = {"待补充", "同上", "TODO", "XXX", "？？", "⑦", "⑧", "⑨", "⑩"};
    ForEachRow([&](const ExamChoiceSet&, int, const ExamChoiceRow& row) {
        for (auto [field, text] : FieldsOf(row)) {
            EXPECT_FALSE(text.empty()) << field;
            EXPECT_TRUE(testing::IsCp936(text)) << field << ": " << text;
            for (std::string_view word : kBanned)
                EXPECT_EQ(text.find(word), std::string_view::npos) << field << " holds " << word;
        }
    });
}

TEST(ExamChoiceData, no_stem_repeats_in_the_bank)
{
    std::map<std::string, std::string> seen;
    ForEachRow([&](const ExamChoiceSet& set, int question, const ExamChoiceRow& row) {
        const std::string where = std::string(set.name) + " question " + std::to_string(question);
        const auto [it, fresh] = seen.emplace(testing::QuestionKey(row.QuestionText), where);
        EXPECT_TRUE(fresh) << "the stem of " << it->second << " again";
    });
}

// The rows given in full, and the given parts of 第1套's first question.
struct GivenRow {
    std::string_view set;
    int question;
    ExamChoiceRow row;  // empty texts are not given
};

const GivenRow kGivenRows[] = {
    {"第4套", 3,
        {"二叉树前序遍历和中序遍历序列如下：\r\n前序遍历序列：EFHIGJK；\r\n中序遍历序列：HFIEJKG；\r\n则该二叉树根结点"
         "的右子树的根为（）。",
            "(A) E", "(B) F", "(C) G", "(D) H", "C",
            "前序遍历是“根结点-左子树-右子树”，中序遍历是“左子树-根结点-"
            "右子树”。由前序遍历的序列可知E为该二叉树的根结点，"
            "再结合中序遍历结点序列可知右子树的组成结点（E后面的结点）为JKG，而这三个结点在前序遍历中G为第一个结点，即"
            "右子树的根结点。"
            "所以答案为C。"}},
    {"第8套", 3,
        {"已知数据表A中每个元素距其最终位置不远，为节省时间，应采用的算法是（）", "（A）堆排序", "（B）直接插入排序",
            "（C）快速排序", "（D）直接选择排序", "B",
            "当数据表A中每个元素距其最终位置不远，说明数据表A按关键字值基本有序，在待排序序列基本有序的情况下，"
            "采用插入排序所用时间最少，故答案为选项B。"}},
    {"第7套", 11,
        {"11.当断电后，下列说法中，正确的一条是（）。", "(A)RAM中的数据会丢失", "(B)EPROM中的数据会丢失",
            "(C)ROM中的数据会丢失", "(D)硬盘中的数据会丢失", "A",
            "硬盘是通过存储介质存储数据，在断电情况下也不会丢失，选项D）的说法显然错误。选项B）和C）都是只读存储器，"
            "存储在其上的数据只能读出，不能写入，在断电情况下也不会丢失，只有存储在RAM中的数据，一旦断电将全部丢失。"}},
    {"第1套", 1, {"数据库管理系统支持的数据模型有（）。", "(A) 层次模型、网状模型、关系模型", "", "", "", "A", ""}},
};

TEST(ExamChoiceData, given_rows_stand_verbatim)
{
    for (const GivenRow& given : kGivenRows) {
        SCOPED_TRACE(std::string(given.set) + " question " + std::to_string(given.question));
        const auto sets = WrittenExamChoiceSets();
        const auto written
            = std::find_if(sets.begin(), sets.end(), [&](const ExamChoiceSet* set) { return set->name == given.set; });
        if (written == sets.end() || static_cast<int>((*written)->rows.size()) < given.question)
            continue;  // not written yet
        const auto actual = FieldsOf((*written)->rows[given.question - 1]);
        const auto expected = FieldsOf(given.row);
        for (size_t i = 0; i < expected.size(); ++i) {
            if (!expected[i].second.empty()) {
                EXPECT_EQ(actual[i].second, expected[i].second) << expected[i].first;
            }
        }
    }
}

// A table with a distinct text in every field of every slot, so that any
// write shows.
QuestionTable MarkedTable()
{
    QuestionTable table;
    for (int slot = TextTable::kFirstSlot; slot <= TextTable::kLastSlot; ++slot) {
        const std::string n = std::to_string(slot);
        table.QuestionText.Set(slot, "stem " + n);
        table.ChoiceA.Set(slot, "a " + n);
        table.ChoiceB.Set(slot, "b " + n);
        table.ChoiceC.Set(slot, "c " + n);
        table.ChoiceD.Set(slot, "d " + n);
        table.GivenAnswer.Set(slot, "given " + n);
        table.AnswerKey.Set(slot, "key " + n);
        table.AnswerAnalysis.Set(slot, "analysis " + n);
    }
    return table;
}

void ExpectSameTable(const QuestionTable& actual, const QuestionTable& expected)
{
    const TextTable QuestionTable::*fields[] = {
        &QuestionTable::QuestionText,
        &QuestionTable::ChoiceA,
        &QuestionTable::ChoiceB,
        &QuestionTable::ChoiceC,
        &QuestionTable::ChoiceD,
        &QuestionTable::GivenAnswer,
        &QuestionTable::AnswerKey,
        &QuestionTable::AnswerAnalysis,
    };
    for (auto field : fields) {
        for (int slot = TextTable::kFirstSlot; slot <= TextTable::kLastSlot; ++slot)
            EXPECT_EQ((actual.*field)(slot), (expected.*field)(slot)) << "slot " << slot;
    }
}

// What a table marked as above holds after `set` is written over it.
QuestionTable MarkedTableWith(const ExamChoiceSet& set)
{
    QuestionTable table = MarkedTable();
    int slot = 1;
    for (const ExamChoiceRow& row : set.rows) {
        table.QuestionText.Set(slot, std::string(row.QuestionText));
        table.ChoiceA.Set(slot, std::string(row.ChoiceA));
        table.ChoiceB.Set(slot, std::string(row.ChoiceB));
        table.ChoiceC.Set(slot, std::string(row.ChoiceC));
        table.ChoiceD.Set(slot, std::string(row.ChoiceD));
        table.AnswerKey.Set(slot, std::string(row.AnswerKey));
        table.AnswerAnalysis.Set(slot, std::string(row.AnswerAnalysis));
        ++slot;
    }
    return table;
}

// A set of the tests' own, with a distinct text in every field.
class OwnSet {
public:
    OwnSet(std::string_view tag, int row_count)
    {
        texts_.reserve(static_cast<size_t>(row_count) * 7);
        for (int k = 1; k <= row_count; ++k) {
            for (std::string_view field : {"Q", "A", "B", "C", "D", "K", "N"})
                texts_.push_back(std::string(tag) + " " + std::string(field) + std::to_string(k));
        }
        for (int k = 0; k < row_count; ++k) {
            const std::string* t = &texts_[static_cast<size_t>(k) * 7];
            rows_.push_back({t[0], t[1], t[2], t[3], t[4], t[5], t[6]});
        }
        set_ = {"第1套", rows_};
    }
    const ExamChoiceSet& set() const { return set_; }

private:
    std::vector<std::string> texts_;
    std::vector<ExamChoiceRow> rows_;
    ExamChoiceSet set_;
};

TEST(ExamChoiceLookup, a_set_writes_seven_fields_of_slots_1_to_20_and_nothing_else)
{
    const OwnSet own("own", 20);
    QuestionTable table = MarkedTable();
    WriteExamChoiceSet(table, own.set());
    ExpectSameTable(table, MarkedTableWith(own.set()));
}

TEST(ExamChoiceLookup, a_later_set_replaces_every_text_of_an_earlier_one_and_a_repeat_changes_nothing)
{
    const OwnSet first("first", 20);
    const OwnSet second("second", 20);
    QuestionTable table = MarkedTable();
    WriteExamChoiceSet(table, first.set());
    WriteExamChoiceSet(table, second.set());
    WriteExamChoiceSet(table, second.set());
    ExpectSameTable(table, MarkedTableWith(second.set()));
}

TEST(ExamChoiceLookup, a_set_short_of_twenty_rows_writes_nothing)
{
    for (int rows : {0, 1, 19}) {
        SCOPED_TRACE(rows);
        const OwnSet partial("partial", rows);
        QuestionTable table = MarkedTable();
        WriteExamChoiceSet(table, partial.set());
        ExpectSameTable(table, MarkedTable());
    }
}

TEST(ExamChoiceLookup, every_complete_set_of_the_bank_is_written_by_its_exact_name)
{
    for (const ExamChoiceSet* set : WrittenExamChoiceSets()) {
        SCOPED_TRACE(std::string(set->name));
        QuestionTable table = MarkedTable();
        WriteExamChoiceSet(table, set->name);
        if (set->rows.size() == 20) {
            EXPECT_EQ(FindExamChoiceSet(set->name), set);
            ExpectSameTable(table, MarkedTableWith(*set));
        } else {
            EXPECT_EQ(FindExamChoiceSet(set->name), nullptr);
            ExpectSameTable(table, MarkedTable());
        }
    }
}

TEST(ExamChoiceLookup, names_other_than_a_complete_set_write_nothing)
{
    std::vector<std::string> names = {"第21套", "第40套", "第0套", "实例1", "", "第1套 ", " 第1套", "第01套", "第１套",
        "第一套", "第1", "1", "第1套第2套", "第 1套", std::string("第1套\0", 8)};
    for (int n = 1; n <= 20; ++n) {
        const std::string name = "第" + std::to_string(n) + "套";
        if (!FindExamChoiceSet(name))
            names.push_back(name);  // not yet in the bank
    }
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        EXPECT_EQ(FindExamChoiceSet(name), nullptr);
        QuestionTable table = MarkedTable();
        WriteExamChoiceSet(table, name);
        ExpectSameTable(table, MarkedTable());
    }
}

}  // namespace
}  // namespace boxi::banks

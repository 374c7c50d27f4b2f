// The unit bank: its eight units, their keys, the written rows and how a
// unit load writes the question table.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "banks/DrillBank.h"
#include "banks/ExamChoiceBank.h"
#include "banks/UnitBank.h"
#include "banks/text_checks.h"

namespace boxi::testing {
namespace {

using banks::UnitTexts;

QuestionTable Loaded(std::string_view name)
{
    QuestionTable table;
    EXPECT_TRUE(banks::WriteUnit(table, name));
    return table;
}

// The units whose texts are one line each, and those that may join lines.
const char* const kSingleLineUnits[] = {"计算机基础知识", "Word文字处理", "Excel报表软件", "PowerPoint演示文稿"};

// The key letters as the unit tables give them, ten to a group, and their
// counts; every key is held letter by letter as a load writes it.
TEST(UnitBank, eight_units_in_list_order_each_with_the_forty_keys_of_its_table)
{
    struct Row {
        const char* name;
        const char* keys;
        int a, b, c, d;
    };
    const Row rows[] = {
        {"数据结构与算法", "BDAACDCDBD" "BBCACDADAC" "DABCDBBCCB" "BCBBBDBCCD", 6, 13, 11, 10},
        {"程序设计基础", "AAADBACABA" "ACADDBAACB" "DDCAABBDCB" "AAABCCDBAB", 16, 10, 7, 7},
        {"软件工程基础", "CBBBABCAAD" "ADBCAADCCB" "CABACDDDCA" "DAABACCBAC", 13, 9, 11, 7},
        {"数据库设计基础", "CCBCDABCBC" "DCCDBACDBC" "ACDABCBACA" "AAAADCDCAC", 11, 7, 15, 7},
        {"计算机基础知识", "ACCCBDADCB" "AABABABCBC" "DCDCCABCAB" "BCDBDCCBDA", 9, 11, 13, 7},
        {"Word文字处理", "DCDCAADBCC" "CBACACAACD" "CBCDCCBCDC" "BADACBCCDD", 8, 6, 17, 9},
        {"Excel报表软件", "CDDBCACAAB" "CCCCBABCDC" "CCCCDCABCB" "CBDABBCCBB", 6, 11, 18, 5},
        {"PowerPoint演示文稿", "CDACCDCAAC" "BBDBBBBCAA" "CADDBBBAAC" "ADCACDDACC", 11, 9, 12, 8},
    };
    ASSERT_EQ(banks::Units().size(), std::size(rows));
    for (size_t i = 0; i < std::size(rows); ++i) {
        const UnitTexts& unit = *banks::Units()[i];
        SCOPED_TRACE(rows[i].name);
        EXPECT_EQ(unit.name, rows[i].name);
        const std::string_view keys = rows[i].keys;
        ASSERT_EQ(keys.size(), 40u);
        std::map<char, int> counts;
        for (char key : keys)
            counts[key]++;
        EXPECT_EQ(counts, (std::map<char, int>{{'A', rows[i].a}, {'B', rows[i].b}, {'C', rows[i].c}, {'D', rows[i].d}}));
        const QuestionTable t = Loaded(rows[i].name);
        for (int n = 1; n <= 40; ++n)
            EXPECT_EQ(t.AnswerKey(n), keys.substr(static_cast<size_t>(n - 1), 1)) << "question " << n;
    }
}

TEST(UnitBank, written_rows_are_numbered_in_order_and_keep_the_shapes_of_their_unit)
{
    for (const UnitTexts* unit : banks::Units()) {
        SCOPED_TRACE(std::string(unit->name));
        const bool single_lines = std::find_if(std::begin(kSingleLineUnits), std::end(kSingleLineUnits),
                                               [&](const char* n) { return unit->name == n; }) != std::end(kSingleLineUnits);
        int previous = 0;
        for (const banks::UnitRow& row : unit->rows) {
            SCOPED_TRACE(row.number);
            EXPECT_GT(row.number, previous);
            EXPECT_LE(row.number, 40);
            previous = row.number;
            std::vector<std::string> texts{row.stem.Text(), row.analysis.Text()};
            for (int i = 0; i < 4; ++i) {
                std::string option(row.choices[static_cast<size_t>(i)]);
                texts.push_back(option);
                if (option.empty())
                    continue;
                // The option's own letter, in one of the prefix forms.
                const std::string letter(1, static_cast<char>('A' + i));
                bool prefixed = false;
                for (const std::string& prefix :
                     {"(" + letter + ")", "（" + letter + "）", letter + "）", " " + letter + "）", "  " + letter + "）"})
                    prefixed = prefixed || option.rfind(prefix, 0) == 0;
                EXPECT_TRUE(prefixed) << option;
                EXPECT_EQ(option.find_first_of("\r\n"), std::string::npos) << option;
            }
            if (!row.stem.empty()) {
                const std::string number = std::to_string(row.number);
                const std::string& stem = texts[0];
                EXPECT_EQ(stem.rfind(number, 0), 0u) << stem;
                const bool unstopped = unit->name == "计算机基础知识" && (row.number == 24 || row.number == 31);
                EXPECT_EQ(stem.substr(number.size(), 1) == ".", !unstopped) << stem;
            }
            for (const std::string& text : texts) {
                EXPECT_TRUE(IsCp936(text)) << text;
                if (single_lines) {
                    EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos) << text;
                }
                // Lines are joined by CR LF only: no lone CR or LF, no empty first or last line.
                for (size_t at = text.find_first_of("\r\n"); at != std::string::npos; at = text.find_first_of("\r\n", at + 2))
                    ASSERT_TRUE(text.compare(at, 2, "\r\n") == 0 && at > 0 && at + 2 < text.size()) << text;
            }
            EXPECT_FALSE(single_lines && (row.stem.joined() || row.analysis.joined()));
        }
    }
}

// Characters of a UTF-8 text (not bytes).
size_t CharCount(std::string_view utf8)
{
    return static_cast<size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

size_t TrailingBlanks(std::string_view text)
{
    const size_t last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? text.size() : text.size() - last - 1;
}

bool EndsWith(std::string_view text, std::string_view end)
{
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// The fixed shapes of a one-line unit. Stems not listed by their ending end
// with "。"; gaps not listed as underscores are "（）"; options not listed as
// bare carry one blank after their letter; no text ends in blanks but those
// listed; analyses not listed end with "。".
struct LineShape {
    const char* unit;
    std::set<int> stems_ending_in_dot;  // half-width "."
    std::set<int> stems_ending_in_gap;
    std::set<int> stems_ending_in_word;  // no mark at all
    std::map<int, size_t> underscore_gaps;  // question -> number of underscores
    std::set<int> bare_options;  // "(A)text", no blank after the letter
    std::map<std::pair<int, int>, size_t> trailing_blanks;  // (question, field 0 stem / 1-4 option A-D) -> blanks
    std::set<int> unmarked_analyses;
};

std::set<int> AllBut(std::set<int> excluded)
{
    std::set<int> all;
    for (int n = 1; n <= 40; ++n)
        if (!excluded.count(n))
            all.insert(n);
    return all;
}

const LineShape kLineShapes[] = {
    {.unit = "计算机基础知识",
     .stems_ending_in_dot = {16, 24, 31},
     .stems_ending_in_gap = {12, 20, 29, 37},
     .bare_options = {28, 30, 31, 33, 34, 38},
     .trailing_blanks = {{{10, 1}, 1}, {{32, 3}, 1}},
     .unmarked_analyses = {5, 30, 31}},
    {.unit = "Word文字处理",
     .stems_ending_in_dot = {4, 17, 33},
     .stems_ending_in_gap = {5, 11, 15, 23, 27, 38},
     .stems_ending_in_word = {26},
     .underscore_gaps = {{23, 14}, {28, 9}, {31, 8}},
     .bare_options = {2, 9, 29, 35, 36, 37}},
    {.unit = "Excel报表软件",
     .stems_ending_in_dot = {8, 14, 29},
     .stems_ending_in_gap = {3, 12, 18, 35, 39},
     .underscore_gaps = {{35, 9}},
     .bare_options = {2, 7, 9, 10, 16, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 30, 31, 33, 36, 37, 38, 40},
     .trailing_blanks = {{{22, 0}, 1}, {{23, 0}, 1}}},
    {.unit = "PowerPoint演示文稿",
     .stems_ending_in_dot = {10, 21, 36},
     .stems_ending_in_gap = {2, 5, 9, 17, 30, 40},
     .stems_ending_in_word = {13},
     .underscore_gaps = {{17, 9}, {26, 5}},
     .bare_options = AllBut({3, 4, 6, 11, 13, 14, 29, 32, 34, 35, 39}),
     .trailing_blanks = {{{25, 1}, 1}, {{25, 3}, 1}, {{33, 3}, 1}, {{26, 3}, 2}, {{29, 3}, 2}, {{37, 3}, 2}}},
};

// Over the four units the stems end in "。" 125 times, "." 12, the gap 21
// and a bare word twice; six gaps are underscores. Counted on the stems as
// a load writes them, and on the shape tables that the next test holds each
// row to.
TEST(UnitBank, one_line_shapes_add_up_over_the_four_units)
{
    size_t dots = 0, gaps = 0, words = 0, underscores = 0;
    for (const LineShape& shape : kLineShapes) {
        dots += shape.stems_ending_in_dot.size();
        gaps += shape.stems_ending_in_gap.size();
        words += shape.stems_ending_in_word.size();
        underscores += shape.underscore_gaps.size();
    }
    EXPECT_EQ(std::size(kLineShapes), std::size(kSingleLineUnits));
    EXPECT_EQ((std::vector<size_t>{160 - dots - gaps - words, dots, gaps, words, underscores}),
              (std::vector<size_t>{125, 12, 21, 2, 6}));

    std::vector<size_t> bank(5, 0);  // "。", ".", the gap, a bare word, underscores
    for (const char* name : kSingleLineUnits) {
        const QuestionTable t = Loaded(name);
        for (int n = 1; n <= 40; ++n) {
            const std::string stem = t.QuestionText(n);
            const std::string_view body = std::string_view(stem).substr(0, stem.size() - TrailingBlanks(stem));
            if (EndsWith(body, "。"))
                ++bank[0];
            else if (EndsWith(body, "."))
                ++bank[1];
            else if (EndsWith(body, "（）") || EndsWith(body, "_"))
                ++bank[2];
            else
                ++bank[3];
            bank[4] += stem.find('_') != std::string::npos;
        }
    }
    EXPECT_EQ(bank, (std::vector<size_t>{125, 12, 21, 2, 6}));
}

TEST(UnitBank, one_line_units_hold_forty_questions_in_their_fixed_shapes)
{
    for (const LineShape& shape : kLineShapes) {
        SCOPED_TRACE(shape.unit);
        const UnitTexts* unit = banks::FindUnit(shape.unit);
        ASSERT_NE(unit, nullptr);
        EXPECT_EQ(banks::UnwrittenRows(*unit), std::vector<int>{});
        const QuestionTable t = Loaded(shape.unit);
        for (int n = 1; n <= 40; ++n) {
            SCOPED_TRACE(n);
            const std::string stem = t.QuestionText(n);
            const std::string options[] = {t.ChoiceA(n), t.ChoiceB(n), t.ChoiceC(n), t.ChoiceD(n)};
            const std::string analysis = t.AnswerAnalysis(n);
            auto blanks_of = [&](int field) {
                auto it = shape.trailing_blanks.find({n, field});
                return it == shape.trailing_blanks.end() ? size_t{0} : it->second;
            };

            // One gap: a run of underscores of its length, or "（）".
            const auto underscores = shape.underscore_gaps.find(n);
            size_t pairs = 0;
            for (size_t at = stem.find("（）"); at != std::string::npos; at = stem.find("（）", at + 1))
                ++pairs;
            if (underscores != shape.underscore_gaps.end()) {
                EXPECT_EQ(pairs, 0u) << stem;
                const size_t from = stem.find('_');
                ASSERT_NE(from, std::string::npos) << stem;
                EXPECT_EQ(std::min(stem.find_first_not_of('_', from), stem.size()) - from, underscores->second) << stem;
                EXPECT_EQ(stem.find('_', from + underscores->second), std::string::npos) << stem;
            } else {
                EXPECT_EQ(pairs, 1u) << stem;
                EXPECT_EQ(stem.find('_'), std::string::npos) << stem;
            }

            // The ending, read before any trailing blanks.
            EXPECT_EQ(TrailingBlanks(stem), blanks_of(0)) << stem;
            const std::string_view body = std::string_view(stem).substr(0, stem.size() - TrailingBlanks(stem));
            const bool gap_end = EndsWith(body, "（）") || EndsWith(body, "_");
            if (shape.stems_ending_in_dot.count(n)) {
                EXPECT_TRUE(EndsWith(body, ".")) << stem;
            } else if (shape.stems_ending_in_gap.count(n)) {
                EXPECT_TRUE(gap_end) << stem;
            } else if (shape.stems_ending_in_word.count(n)) {
                for (const char* mark : {"。", ".", "？", "?", "：", "，", "）", "”"})
                    EXPECT_FALSE(EndsWith(body, mark)) << stem;
                EXPECT_FALSE(gap_end) << stem;
            } else {
                EXPECT_TRUE(EndsWith(body, "。")) << stem;
            }
            EXPECT_LE(CharCount(stem), 112u) << stem;

            for (int i = 0; i < 4; ++i) {
                const std::string& option = options[i];
                const std::string prefix = std::string("(") + static_cast<char>('A' + i) + ")";
                ASSERT_EQ(option.rfind(prefix, 0), 0u) << option;
                if (shape.bare_options.count(n)) {
                    EXPECT_NE(option[3], ' ') << option;
                } else {
                    EXPECT_EQ(option.substr(3, 1), " ") << option;
                    EXPECT_NE(option[4], ' ') << option;
                }
                EXPECT_EQ(TrailingBlanks(option), blanks_of(i + 1)) << option;
                const size_t text_from = prefix.size() + (shape.bare_options.count(n) ? 0 : 1);
                EXPECT_GT(option.size() - TrailingBlanks(option), text_from) << option;
                EXPECT_LE(CharCount(option), 54u) << option;
            }

            // One paragraph of explanation, without a label of its own.
            ASSERT_FALSE(analysis.empty());
            EXPECT_EQ(TrailingBlanks(analysis), 0u) << analysis;
            for (const char* label : {"解析", "分析", "答案", "解答"})
                EXPECT_NE(analysis.rfind(label, 0), 0u) << analysis;
            if (shape.unmarked_analyses.count(n)) {
                for (const char* mark : {"。", ".", "，", "；"})
                    EXPECT_FALSE(EndsWith(analysis, mark)) << analysis;
            } else {
                EXPECT_TRUE(EndsWith(analysis, "。")) << analysis;
            }
            EXPECT_LE(CharCount(analysis), 135u) << analysis;

            // What a learner types (formulas, keys, addresses) is in ASCII.
            for (const std::string& text : {stem, options[0], options[1], options[2], options[3]})
                for (const char* wide : {"＝", "＆", "＄", "＾", "＂", "＋"})
                    EXPECT_EQ(text.find(wide), std::string::npos) << text;
        }
    }
}

// Addresses in the texts are the reserved example ones.
TEST(UnitBank, addresses_are_example_domains_and_documentation_or_private_ranges)
{
    const std::regex ip(R"((\d+)\.(\d+)\.(\d+)\.(\d+))");
    const std::regex host(R"(([A-Za-z0-9-]+\.)+(com|net|org|cn))");
    int addresses = 0;
    for (const UnitTexts* unit : banks::Units()) {
        const QuestionTable t = Loaded(unit->name);
        for (int n = 1; n <= 40; ++n) {
            for (const std::string& text : {t.QuestionText(n), t.ChoiceA(n), t.ChoiceB(n), t.ChoiceC(n), t.ChoiceD(n),
                                            t.AnswerAnalysis(n)}) {
                for (std::sregex_iterator it(text.begin(), text.end(), ip), end; it != end; ++it) {
                    ++addresses;
                    const int a = std::stoi((*it)[1]), b = std::stoi((*it)[2]), c = std::stoi((*it)[3]);
                    const bool allowed = a == 10 || (a == 172 && b >= 16 && b <= 31) || (a == 192 && b == 168) ||
                                         (a == 192 && b == 0 && c == 2) || (a == 198 && b == 51 && c == 100) ||
                                         (a == 203 && b == 0 && c == 113) || a == 255;  // 255: a subnet mask
                    EXPECT_TRUE(allowed) << unit->name << " " << n << ": " << it->str();
                }
                for (std::sregex_iterator it(text.begin(), text.end(), host), end; it != end; ++it) {
                    ++addresses;
                    const std::string name = it->str();
                    EXPECT_TRUE(EndsWith(name, "example.com") || EndsWith(name, "example.net") || EndsWith(name, "example.org"))
                        << unit->name << " " << n << ": " << name;
                }
            }
        }
    }
    EXPECT_GT(addresses, 0);
}

// The repeat checks compare stems by this key; a key that kept the blank's
// form would let a repeat through, one that lost words would flag questions
// that differ.
TEST(UnitBank, a_question_key_drops_the_number_blank_form_and_spacing_but_keeps_the_words)
{
    const std::string key = QuestionKey("数据库管理系统(DBMS)属于()");
    for (const char* stem : {"9.数据库管理系统（DBMS）属于（　　）。", "14.数据库管理系统（DBMS）属于（）。",
                             "数据库管理系统(DBMS)属于(   )", "32. 数据库管理系统（DBMS）属于（ ）。 "})
        EXPECT_EQ(QuestionKey(stem), key) << stem;
    EXPECT_NE(QuestionKey("9.数据库管理系统（DBMS）属于（）。"), QuestionKey("9.数据库系统（DBS）属于（）。"));
    EXPECT_EQ(QuestionKey("2.5英寸硬盘的盘片直径约为（）。"), "2.5英寸硬盘的盘片直径约为()");
    EXPECT_EQ(QuestionKey("12"), "12");
}

// The same question may not come twice in the unit bank, nor repeat one of
// the exam's choice questions, whatever form its answer blank takes.
TEST(UnitBank, no_question_is_asked_twice_here_or_in_the_exam_choice_bank)
{
    std::map<std::string, std::string> seen;
    for (const banks::ExamChoiceSet* set : banks::WrittenExamChoiceSets())
        for (const banks::ExamChoiceRow& row : set->rows)
            seen.emplace(QuestionKey(row.QuestionText), std::string(set->name));
    for (const UnitTexts* unit : banks::Units()) {
        for (const banks::UnitRow& row : unit->rows) {
            if (row.stem.empty())
                continue;
            const std::string where = std::string(unit->name) + " " + std::to_string(row.number);
            const auto [it, fresh] = seen.emplace(QuestionKey(row.stem.Text()), where);
            EXPECT_TRUE(fresh) << where << " repeats " << it->second << ": " << it->first;
        }
    }
}

// True when the option, past its letter, explains itself in full-width
// brackets, as "(C)高速缓冲存储器（Cache）" does.
bool HasGloss(std::string_view option)
{
    // The letter ends at the first closing bracket of either width: "(A)", "（A）", " C）".
    const size_t half = option.find(')'), full = option.find("）");
    if (half < 4 && half < full)
        option.remove_prefix(half + 1);
    else if (full < 6)
        option.remove_prefix(full + 3);
    return option.find("（") != std::string_view::npos;
}

// A gloss that only the keyed option carries marks it as the key, in every
// bank of choice questions.
TEST(UnitBank, no_key_alone_carries_a_gloss_in_the_unit_exam_or_drill_questions)
{
    auto check = [](const std::string& where, std::array<std::string_view, 4> options, char key) {
        int glossed = 0;
        for (std::string_view option : options)
            glossed += HasGloss(option);
        const int k = key - 'A';
        ASSERT_TRUE(k >= 0 && k < 4) << where;
        EXPECT_FALSE(glossed == 1 && HasGloss(options[k])) << where << ": " << options[k];
    };
    for (const UnitTexts* unit : banks::Units())
        for (const banks::UnitRow& row : unit->rows)
            if (!row.stem.empty())
                check(std::string(unit->name) + " " + std::to_string(row.number), row.choices,
                      unit->keys[row.number - 1]);
    for (const banks::ExamChoiceSet* set : banks::WrittenExamChoiceSets()) {
        int n = 0;
        for (const banks::ExamChoiceRow& row : set->rows)
            check(std::string(set->name) + " " + std::to_string(++n),
                  {row.ChoiceA, row.ChoiceB, row.ChoiceC, row.ChoiceD},
                  row.AnswerKey.empty() ? '?' : row.AnswerKey.front());
    }
    for (const banks::DrillSection& section : banks::DrillSections())
        for (const banks::DrillRow& row : section.rows)
            if (!row.stem.empty())
                check(std::string(section.section) + " " + std::to_string(row.number), row.options,
                      banks::DrillKeyLetter(section, row.number));
}

TEST(UnitBank, the_given_rows_load_verbatim)
{
    struct Row {
        const char* unit;
        int n;
        std::vector<std::string> fields;  // stem, A to D, key, analysis
    };
    const Row rows[] = {
        {"计算机基础知识", 1,
         {"1.英文CAM的含义是（）。", "(A) 计算机辅助制造", "(B) 计算机辅助设计", "(C) 计算机集成制造系统",
          "(D) 计算机辅助教学", "A", "英文CAM的含义是计算机辅助制造，CAM是英文Computer Aided Manufacturing简写。"}},
        {"Word文字处理", 9,
         {"9.把单词cta改成cat,再把teh改成the后，单击“撤消上一次”按钮会显示（）。", "(A)cta", "(B)cat", "(C)teh",
          "(D)the", "C", "“撤消上一次”按钮会显示最近一次的撤消前结果，因此会显示teh。"}},
        {"Word文字处理", 31,
         {"31.在Word表格中，如果键入的文本超过单元格的宽度时，则________。", "(A) 前面的文字被挤出单元格左边线而删除",
          "(B) 将自动换行，单元格所在行的高度相应增高", "(C) 将自动增加单元格的宽度", "(D) 显示“单元格宽度不足”的信息", "B",
          "在Word表格中，如果键入的文本超过单元格的宽度时，则将自动换行，单元格所在行的高度相应增高。"}},
        {"数据结构与算法", 5,
         {"5.某二叉树有5个度为2的结点，则该二叉树中的叶子结点数是（\u3000\u3000）。", "（A）10", "（B）8", "（C）6", "（D）4",
          "C", "解析：根据二叉树的基本性质3：在任意一棵二叉树中，度为0的叶子节点总是比度为2的节点多一个，所以本题中是5＋1＝6个。"}},
        {"数据库设计基础", 21,
         {"21.有两个关系R，S如下：\r\n     R     \r\n-----------\r\n A   B   C  \r\n-----------\r\n a   1   2  \r\n"
          "-----------\r\n b   2   1  \r\n-----------\r\n c   3   1  \r\n-----------\r\n     S     \r\n-----------\r\n"
          " A   B   C \r\n-----------\r\n c   3   1 \r\n-----------\r\n由关系R通过运算得到关系S，则所使用的运算为（\u3000\u3000）。",
          "(A)选择", "(B)投影", "(C)自然连接", "(D)并", "A",
          "由关系R到关系S为一元运算，排除C和D。关系S是关系R的一部分，是通过选择之后的结果，因此选A。"}},
        {"程序设计基础", 28,
         {"28.程序的文档化不包括（）。", "(A) 符号名的命名要有实际的含义", "(B) 正确的程序注释", "(C) 良好的视觉组织",
          "(D) 正确的文档格式", "D",
          "源程序的文档化应考虑如下几点：\r\n（1）符号名的命名：符号名的命名应具有一定的实际含义，以便于对程序功能的理解。\r\n"
          "（2）程序注释：正确的注释能够帮助读者理解程序，注释一般分为序言性注释和功能性注释。\r\n"
          "（3）视觉组织：为使程序的结构一目了然，可以在程序中利用空格、空行、缩进等技巧使程序层次清晰。"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.unit) + " " + std::to_string(row.n));
        QuestionTable t = Loaded(row.unit);
        EXPECT_EQ((std::vector<std::string>{t.QuestionText(row.n), t.ChoiceA(row.n), t.ChoiceB(row.n), t.ChoiceC(row.n),
                                            t.ChoiceD(row.n), t.AnswerKey(row.n), t.AnswerAnalysis(row.n)}),
                  row.fields);
    }
}

TEST(UnitBank, single_quoted_texts_keep_every_character)
{
    QuestionTable basics = Loaded("计算机基础知识");
    EXPECT_EQ(basics.QuestionText(24), "24下列不属于计算机主要性能指标的是（）.");
    EXPECT_EQ(basics.QuestionText(5), "5.汉字国标码规定的汉字编码每个汉字用（）个字节表示。");
    QuestionTable excel = Loaded("Excel报表软件");
    EXPECT_EQ(excel.ChoiceA(22), "(A)100，101");
    EXPECT_EQ(excel.ChoiceD(22), "(D)100，101");
    EXPECT_EQ(excel.AnswerKey(22), "C");
    EXPECT_EQ(excel.ChoiceD(33), "(D)=A1&A2");
    EXPECT_EQ(excel.AnswerAnalysis(33), "字符串连接公式是：=A1&A2。");
    EXPECT_EQ(Loaded("PowerPoint演示文稿").ChoiceC(26), "(C)幻灯片放映  ");
    EXPECT_EQ(Loaded("数据结构与算法").ChoiceA(33), "A）所谓算法就是计算方法");
}

TEST(UnitBank, a_load_rewrites_all_forty_slots_and_nothing_else)
{
    for (const UnitTexts* unit : banks::Units()) {
        SCOPED_TRACE(std::string(unit->name));
        QuestionTable table;
        for (int slot = 0; slot <= 70; ++slot) {
            for (TextTable* field : {&table.QuestionText, &table.ChoiceA, &table.ChoiceB, &table.ChoiceC, &table.ChoiceD,
                                     &table.GivenAnswer, &table.AnswerKey, &table.AnswerAnalysis})
                field->Set(slot, "earlier " + std::to_string(slot));
        }
        ASSERT_TRUE(banks::WriteUnit(table, unit->name));
        for (int slot = 0; slot <= 70; ++slot) {
            const std::string earlier = "earlier " + std::to_string(slot);
            const bool unit_slot = slot >= 1 && slot <= 40;
            for (const TextTable* field : {&table.QuestionText, &table.ChoiceA, &table.ChoiceB, &table.ChoiceC,
                                           &table.ChoiceD, &table.AnswerKey, &table.AnswerAnalysis})
                EXPECT_EQ((*field)(slot) == earlier, !unit_slot) << slot;
            EXPECT_EQ(table.GivenAnswer(slot), earlier);
        }
        for (int n = 1; n <= 40; ++n)
            EXPECT_EQ(table.AnswerKey(n), std::string(1, unit->keys[static_cast<size_t>(n - 1)]));
        // An unwritten row leaves empty texts, never a stand-in.
        for (int n : banks::UnwrittenRows(*unit))
            EXPECT_EQ(table.QuestionText(n), "") << n;
    }
}

TEST(UnitBank, only_an_exact_unit_name_loads)
{
    for (const char* name : {"", "计算机基础知识 ", " 计算机基础知识", "word文字处理", "Word", "计算机基础知识\r\n", "第1套"}) {
        SCOPED_TRACE(name);
        QuestionTable table;
        table.QuestionText.Set(1, "kept");
        EXPECT_FALSE(banks::WriteUnit(table, name));
        EXPECT_EQ(table.QuestionText(1), "kept");
        EXPECT_EQ(table.AnswerKey(1), "");
    }
}

}  // namespace
}  // namespace boxi::testing

// The four units on software and databases: every row in the shape of its
// question number, and the drawings and tables of the stems consistent with
// the keyed answers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "banks/ExamChoiceBank.h"
#include "banks/UnitBank.h"
#include "banks/text_checks.h"

namespace boxi::testing {
namespace {

using banks::UnitRow;
using banks::UnitText;
using banks::UnitTexts;

// A value that holds for questions first to last.
template <typename T>
struct Span {
    int first, last;
    T value;
};

template <typename T>
T Pick(const std::vector<Span<T>>& spans, int n, T otherwise = T{})
{
    for (const Span<T>& span : spans) {
        if (n >= span.first && n <= span.last)
            return span.value;
    }
    return otherwise;
}

const std::string kIdeographicGap = "（\u3000\u3000）";
const std::vector<std::string> kParenthesisGaps = {kIdeographicGap, "（）", "（ ）", "（   ）", "( )"};

enum class Ending { Stop, StopBlank, Gap };

// The option prefix forms; X stands for the option's own letter.
const std::string kHalf = "(X)", kHalfBlank = "(X) ", kFull = "（X）", kFullBlank = "（X） ", kClose = "X）",
                  kCloseBlank = "X） ", kLeadClose = " X）", kTwoLeadClose = "  X）";

struct UnitShape {
    const char* name;
    std::vector<Span<std::string>> gaps;
    std::vector<Span<Ending>> endings;  // Stop where not listed
    // Prefix form of option i (0 to 3) of question n.
    std::function<std::string(int n, int i)> prefix;
    int blank_ended_options;
    std::function<std::string(int n)> analysis_prefix;
    std::map<int, size_t> stem_lines, analysis_lines;  // 1 where not listed
};

std::string HalfOrBlank(int n, std::initializer_list<int> no_blank)
{
    return std::find(no_blank.begin(), no_blank.end(), n) != no_blank.end() ? kHalf : kHalfBlank;
}

const std::vector<UnitShape>& Shapes()
{
    static const std::vector<UnitShape> shapes = {
        {"数据结构与算法",
         {{1, 16, kIdeographicGap}, {17, 19, "（）"}, {20, 20, "( )"}, {21, 25, "（）"}, {26, 32, "（ ）"}, {33, 40, "（   ）"}},
         {{14, 14, Ending::Gap}, {22, 22, Ending::Gap}},
         [](int n, int i) {
             if (n <= 2)
                 return kHalf;
             if (n == 13)
                 return i == 3 ? kTwoLeadClose : kLeadClose;
             if (n == 17)
                 return i < 2 ? kFull : kLeadClose;
             if (n == 26 || n == 28 || n == 29)
                 return kCloseBlank;
             if (n == 27 || (n >= 30 && n <= 32))
                 return kFullBlank;
             if (n == 33)
                 return kClose;
             return kFull;
         },
         0,
         [](int n) { return n == 19 ? std::string("解析: ") : n <= 32 ? std::string("解析：") : std::string(); },
         {{20, 8}, {29, 9}},
         {}},
        {"程序设计基础",
         {{1, 5, kIdeographicGap}, {6, 7, "（）"}, {8, 9, "（ ）"}, {10, 20, "（   ）"}, {21, 21, "（）"}, {22, 22, "______"},
          {23, 32, "（）"}, {33, 33, "___________"}, {34, 40, "（）"}},
         {{10, 13, Ending::StopBlank}, {15, 15, Ending::StopBlank}, {18, 20, Ending::StopBlank}, {29, 29, Ending::StopBlank},
          {30, 30, Ending::Gap}, {31, 32, Ending::StopBlank}, {34, 36, Ending::StopBlank}},
         [](int n, int) { return HalfOrBlank(n, {1, 2, 5, 7, 8, 9}); },
         6,
         [](int n) { return n == 29 ? std::string(" ") : std::string(); },
         {},
         {{27, 11}, {28, 4}, {39, 3}, {40, 4}}},
        {"软件工程基础",
         {{1, 15, kIdeographicGap}, {16, 16, "（）"}, {17, 17, "（   ）"}, {18, 19, "（）"}, {20, 20, "（   ）"}, {21, 24, "（）"},
          {25, 26, "（ ）"}, {27, 36, "（   ）"}, {37, 40, "（）"}},
         {{5, 5, Ending::Gap}, {7, 7, Ending::Gap}, {18, 20, Ending::StopBlank}, {29, 29, Ending::StopBlank},
          {31, 35, Ending::StopBlank}},
         [](int n, int) { return HalfOrBlank(n, {1, 2, 5, 7, 8, 9}); },
         22,
         [](int n) { return n == 29 ? std::string(" ") : std::string(); },
         {},
         {}},
        {"数据库设计基础",
         {{1, 18, kIdeographicGap}, {19, 19, "（）"}, {20, 20, "（   ）"}, {21, 21, kIdeographicGap}, {22, 26, "（）"},
          {27, 27, kIdeographicGap}, {28, 28, "（   ）"}, {29, 32, "（ ）"}, {33, 36, "（   ）"}, {37, 40, "（）"}},
         {{20, 20, Ending::StopBlank}, {29, 29, Ending::StopBlank}, {33, 33, Ending::StopBlank}, {35, 36, Ending::StopBlank}},
         [](int n, int) { return HalfOrBlank(n, {1, 2, 5, 7, 8, 9, 21, 27}); },
         15,
         [](int n) { return n == 29 ? std::string(" ") : std::string(); },
         {{5, 24}, {7, 22}, {21, 18}, {27, 28}, {34, 5}},
         {}},
    };
    return shapes;
}

// The units whose forty rows are all written.
const std::set<std::string> kCompleteUnits = {"数据结构与算法", "程序设计基础", "软件工程基础", "数据库设计基础"};

size_t CodePoints(const std::string& text)
{
    return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::vector<std::string> LinesOf(const UnitText& text)
{
    if (!text.joined())
        return {text.Text()};
    return {text.lines().begin(), text.lines().end()};
}

// The longest run of underscores in a text.
size_t UnderscoreRun(const std::string& text)
{
    size_t longest = 0, run = 0;
    for (char c : text) {
        run = c == '_' ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

const UnitTexts& Unit(const char* name)
{
    const UnitTexts* unit = banks::FindUnit(name);
    EXPECT_NE(unit, nullptr) << name;
    return *unit;
}

const UnitRow& Row(const char* unit, int n)
{
    const UnitRow* row = banks::FindRow(Unit(unit), n);
    EXPECT_NE(row, nullptr) << unit << " " << n;
    return *row;
}

// The option text of the keyed answer, without its prefix.
std::string KeyedOption(const char* unit, int n, size_t prefix_bytes)
{
    const char key = Unit(unit).keys[static_cast<size_t>(n - 1)];
    return std::string(Row(unit, n).choices[static_cast<size_t>(key - 'A')].substr(prefix_bytes));
}

TEST(SoftwareUnits, every_row_has_the_gap_ending_prefixes_and_lines_of_its_number)
{
    for (const UnitShape& shape : Shapes()) {
        if (!kCompleteUnits.count(shape.name))
            continue;
        SCOPED_TRACE(shape.name);
        const UnitTexts& unit = Unit(shape.name);
        EXPECT_TRUE(banks::UnwrittenRows(unit).empty());
        int blank_ended = 0;
        for (int n = 1; n <= 40; ++n) {
            SCOPED_TRACE(n);
            const UnitRow* row = banks::FindRow(unit, n);
            ASSERT_NE(row, nullptr);
            const std::vector<std::string> stem = LinesOf(row->stem);
            const std::vector<std::string> analysis = LinesOf(row->analysis);
            EXPECT_EQ(stem.size(), shape.stem_lines.count(n) ? shape.stem_lines.at(n) : 1u);
            EXPECT_EQ(analysis.size(), shape.analysis_lines.count(n) ? shape.analysis_lines.at(n) : 1u);
            EXPECT_EQ(row->stem.joined(), stem.size() > 1);
            EXPECT_EQ(row->analysis.joined(), analysis.size() > 1);

            // The stem: its number and stop, one gap of its own form, the ending after it.
            const std::string whole = row->stem.Text();
            EXPECT_EQ(whole.rfind(std::to_string(n) + ".", 0), 0u) << whole;
            const std::string gap = Pick(shape.gaps, n, std::string());
            EXPECT_EQ(UnderscoreRun(whole), gap[0] == '_' ? gap.size() : 0u) << whole;
            for (const std::string& form : kParenthesisGaps) {
                size_t count = 0;
                for (size_t at = whole.find(form); at != std::string::npos; at = whole.find(form, at + 1))
                    ++count;
                EXPECT_EQ(count, form == gap ? 1u : 0u) << form << " in " << whole;
            }
            // The gap closes the question line: the first of the tree of 20, the last elsewhere.
            const std::string& question_line = std::string(shape.name) == "数据结构与算法" && n == 20 ? stem.front() : stem.back();
            const Ending ending = Pick(shape.endings, n, Ending::Stop);
            const std::string end = gap + (ending == Ending::Stop ? "。" : ending == Ending::StopBlank ? "。 " : "");
            EXPECT_TRUE(EndsWith(question_line, end)) << question_line;
            if (stem.size() == 1) {
                EXPECT_LE(CodePoints(whole), 114u) << whole;
            }

            // The options: each begins with its own prefix form, then text.
            for (int i = 0; i < 4; ++i) {
                const std::string option(row->choices[static_cast<size_t>(i)]);
                std::string prefix = shape.prefix(n, i);
                prefix.replace(prefix.find('X'), 1, 1, static_cast<char>('A' + i));
                EXPECT_EQ(option.rfind(prefix, 0), 0u) << option;
                EXPECT_GT(option.size(), prefix.size()) << option;
                if (option.size() > prefix.size()) {
                    EXPECT_NE(option[prefix.size()], ' ') << option;
                }
                EXPECT_LE(CodePoints(option), 45u) << option;
                if (EndsWith(option, " ")) {
                    ++blank_ended;
                    EXPECT_FALSE(EndsWith(option, "   ")) << option;
                }
            }

            // The analysis: its prefix, no further blank, within the length.
            const std::string prefix = shape.analysis_prefix(n);
            const std::string text = row->analysis.Text();
            EXPECT_EQ(text.rfind(prefix, 0), 0u) << text;
            EXPECT_GT(text.size(), prefix.size());
            if (text.size() > prefix.size()) {
                EXPECT_NE(text[prefix.size()], ' ') << text;
            }
            for (const std::string& line : analysis) {
                EXPECT_LE(CodePoints(line), 304u) << line;
                EXPECT_NE(line, "");
            }
        }
        EXPECT_EQ(blank_ended, shape.blank_ended_options);
    }
}

TEST(SoftwareUnits, stems_repeat_no_other_stem_of_the_unit_banks_or_the_exam_choices)
{
    std::map<std::string, std::string> seen;  // stem as a repeat would read, to where it stands
    auto add = [&](std::string_view text, const std::string& where) {
        const std::string stem = QuestionKey(text);
        if (stem.empty())
            return;
        const auto [at, added] = seen.emplace(stem, where);
        EXPECT_TRUE(added) << where << " repeats " << at->second << ": " << stem;
    };
    for (const UnitTexts* unit : banks::Units()) {
        for (const UnitRow& row : unit->rows)
            add(row.stem.Text(), std::string(unit->name) + " " + std::to_string(row.number));
    }
    for (const banks::ExamChoiceSet* set : banks::WrittenExamChoiceSets()) {
        int k = 0;
        for (const banks::ExamChoiceRow& row : set->rows)
            add(row.QuestionText, std::string(set->name) + " " + std::to_string(++k));
    }
}

// A tree drawn with its nodes as capital letters and every slash one column
// beside its parent on the line above and its child on the line below.
struct Drawn {
    std::map<char, char> left, right;
    char root = 0;
    int nodes = 0;
};

Drawn ParseTree(const std::vector<std::string>& lines)
{
    Drawn tree;
    auto at = [&](size_t line, int column) -> char {
        if (column < 0 || line >= lines.size() || static_cast<size_t>(column) >= lines[line].size())
            return ' ';
        return lines[line][static_cast<size_t>(column)];
    };
    for (size_t line = 0; line < lines.size(); ++line) {
        for (size_t c = 0; c < lines[line].size(); ++c) {
            const char ch = lines[line][c];
            const int column = static_cast<int>(c);
            if (ch >= 'A' && ch <= 'Z') {
                ++tree.nodes;
                if (line == 0)
                    tree.root = ch;
                else
                    EXPECT_EQ(line % 2, 0u) << "node " << ch << " off a node line";
            } else if (ch == '/' || ch == '\\') {
                const int side = ch == '/' ? 1 : -1;
                const char parent = at(line - 1, column + side), child = at(line + 1, column - side);
                EXPECT_TRUE(std::isupper(static_cast<unsigned char>(parent)) && std::isupper(static_cast<unsigned char>(child)))
                    << "loose edge at line " << line << " column " << column;
                EXPECT_EQ((ch == '/' ? tree.left : tree.right).emplace(parent, child).second, true);
            } else {
                EXPECT_EQ(ch, ' ') << "line " << line;
            }
        }
    }
    return tree;
}

std::string Order(const Drawn& tree, char node, char which)
{
    if (!node)
        return "";
    auto child = [&](const std::map<char, char>& side) { return side.count(node) ? side.at(node) : char(0); };
    const std::string l = Order(tree, child(tree.left), which), r = Order(tree, child(tree.right), which);
    const std::string self(1, node);
    return which == 'p' ? self + l + r : which == 'i' ? l + self + r : l + r + self;
}

TEST(SoftwareUnits, the_keyed_traversals_follow_from_the_drawn_trees)
{
    struct Case {
        int n;
        size_t first, last;  // the drawing's lines
        int nodes;
        char order;         // p, i or s (postorder)
        size_t prefix_bytes;
    };
    for (const Case& c : {Case{20, 1, 7, 9, 's', 7}, Case{29, 1, 7, 8, 'i', 5}}) {
        SCOPED_TRACE(c.n);
        const std::vector<std::string> stem = LinesOf(Row("数据结构与算法", c.n).stem);
        ASSERT_GT(stem.size(), c.last);
        const Drawn tree = ParseTree({stem.begin() + static_cast<long>(c.first), stem.begin() + static_cast<long>(c.last) + 1});
        EXPECT_EQ(tree.nodes, c.nodes);
        const std::string order = Order(tree, tree.root, c.order);
        EXPECT_EQ(order.size(), static_cast<size_t>(c.nodes));
        EXPECT_EQ(KeyedOption("数据结构与算法", c.n, c.prefix_bytes), order);
    }
}

// A relation drawn as a small table: header and rows of blank-separated values.
struct Relation {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
    bool operator==(const Relation&) const = default;
};

std::vector<std::string> Words(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

bool IsRule(const std::string& line) { return !line.empty() && line.find_first_not_of('-') == std::string::npos; }

// The tables between the opening line and the question line: a name line,
// then header and value lines, every line followed by a rule.
std::map<std::string, Relation> ParseTables(const std::vector<std::string>& stem, bool rules_fit)
{
    std::map<std::string, Relation> tables;
    Relation* current = nullptr;
    for (size_t i = 1; i + 1 < stem.size(); i += 2) {
        const std::string& line = stem[i];
        const std::string& rule = stem[i + 1];
        EXPECT_TRUE(IsRule(rule)) << "line " << i + 1 << " is no rule: " << rule;
        if (rules_fit) {
            EXPECT_EQ(DisplayWidth(rule), DisplayWidth(line)) << line;
        }
        const std::vector<std::string> words = Words(line);
        if (words.size() == 1) {
            current = &tables[words[0]];
            EXPECT_TRUE(current->header.empty()) << "table " << words[0] << " twice";
        } else if (current && current->header.empty()) {
            current->header = words;
        } else if (current) {
            EXPECT_EQ(words.size(), current->header.size()) << line;
            current->rows.push_back(words);
        }
    }
    EXPECT_EQ(stem.size() % 2, 0u) << "a line without its rule";
    return tables;
}

size_t Column(const Relation& r, const std::string& name)
{
    return static_cast<size_t>(std::find(r.header.begin(), r.header.end(), name) - r.header.begin());
}

Relation Difference(const Relation& r, const Relation& s)
{
    Relation out{r.header, {}};
    for (const auto& row : r.rows) {
        if (std::find(s.rows.begin(), s.rows.end(), row) == s.rows.end())
            out.rows.push_back(row);
    }
    return out;
}

Relation Projection(const Relation& r, const std::vector<std::string>& onto)
{
    Relation out{onto, {}};
    for (const auto& row : r.rows) {
        std::vector<std::string> kept;
        for (const std::string& name : onto)
            kept.push_back(row[Column(r, name)]);
        if (std::find(out.rows.begin(), out.rows.end(), kept) == out.rows.end())
            out.rows.push_back(kept);
    }
    return out;
}

Relation NaturalJoin(const Relation& r, const Relation& s)
{
    Relation out{r.header, {}};
    std::vector<std::string> shared, added;
    for (const std::string& name : s.header)
        (Column(r, name) < r.header.size() ? shared : added).push_back(name);
    out.header.insert(out.header.end(), added.begin(), added.end());
    for (const auto& a : r.rows) {
        for (const auto& b : s.rows) {
            bool match = true;
            for (const std::string& name : shared)
                match = match && a[Column(r, name)] == b[Column(s, name)];
            if (!match)
                continue;
            std::vector<std::string> joined = a;
            for (const std::string& name : added)
                joined.push_back(b[Column(s, name)]);
            out.rows.push_back(joined);
        }
    }
    return out;
}

TEST(SoftwareUnits, the_keyed_operations_follow_from_the_drawn_relations)
{
    const char* const unit = "数据库设计基础";
    auto tables = [&](int n, bool rules_fit) { return ParseTables(LinesOf(Row(unit, n).stem), rules_fit); };
    {
        SCOPED_TRACE(5);  // T is R minus S, and no other of the offered operations gives T
        auto t = tables(5, true);
        ASSERT_EQ(t.size(), 3u);
        EXPECT_EQ(t["R"].rows.size() + t["S"].rows.size() + t["T"].rows.size(), 5u);
        EXPECT_EQ(t["T"], Difference(t["R"], t["S"]));
        EXPECT_NE(t["T"], Difference(t["R"], Difference(t["R"], t["S"])));  // not the intersection
        EXPECT_EQ(KeyedOption(unit, 5, 3), "差");
    }
    {
        SCOPED_TRACE(7);  // S is R projected onto fewer columns, duplicates merged
        auto t = tables(7, true);
        ASSERT_EQ(t.size(), 2u);
        EXPECT_EQ(t["R"].rows.size() + t["S"].rows.size(), 6u);
        EXPECT_LT(t["S"].header.size(), t["R"].header.size());
        EXPECT_EQ(t["S"], Projection(t["R"], t["S"].header));
        EXPECT_EQ(KeyedOption(unit, 7, 3), "投影");
    }
    {
        SCOPED_TRACE(21);  // S keeps some rows of R whole: a selection
        auto t = tables(21, false);
        ASSERT_EQ(t.size(), 2u);
        EXPECT_EQ(t["S"].header, t["R"].header);
        EXPECT_LT(t["S"].rows.size(), t["R"].rows.size());
        EXPECT_TRUE(Difference(t["S"], t["R"]).rows.empty());
        EXPECT_EQ(KeyedOption(unit, 21, 3), "选择");
    }
    {
        SCOPED_TRACE(27);  // T is R joined with S on their shared column
        auto t = tables(27, true);
        ASSERT_EQ(t.size(), 3u);
        EXPECT_EQ(t["R"].rows.size() + t["S"].rows.size() + t["T"].rows.size(), 7u);
        EXPECT_EQ(t["T"], NaturalJoin(t["R"], t["S"]));
        EXPECT_LT(t["T"].rows.size(), t["R"].rows.size() * t["S"].rows.size());  // not the product
        EXPECT_EQ(KeyedOption(unit, 27, 3), "自然连接");
    }
}

}  // namespace
}  // namespace boxi::testing

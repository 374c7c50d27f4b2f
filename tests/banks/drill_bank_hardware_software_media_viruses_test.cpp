// The rows of four sections of the computer-basics chapter: 计算机硬件系统,
// 计算机软件系统, 多媒体技术简介 and 计算机病毒及其防治, checked against the
// shapes those sections must keep and against the figures their keys rest on.
#include "banks/DrillBank.h"

#include "banks/text_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace boxi::banks {
namespace {

using testing::IsCp936;

size_t Count(std::string_view text, std::string_view what)
{
    size_t count = 0;
    for (size_t pos = text.find(what); pos != std::string_view::npos; pos = text.find(what, pos + what.size()))
        ++count;
    return count;
}

size_t Marks(std::string_view stem)
{
    return Count(stem, "（）") + Count(stem, "（  ）") + Count(stem, "（ ）") + Count(stem, "(  )") +
           Count(stem, "(   )");
}

bool EndsWith(std::string_view text, std::string_view tail)
{
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

size_t Characters(std::string_view utf8)
{
    size_t count = 0;
    for (unsigned char c : utf8)
        count += (c & 0xC0) != 0x80;
    return count;
}

size_t TrailingBlanks(std::string_view text)
{
    const size_t last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? text.size() : text.size() - last - 1;
}

// The option that ends with blanks in a question, and how many.
struct Trailing {
    size_t option;
    size_t blanks;
};

struct SectionShape {
    std::string_view name;
    int count;
    std::string_view keys;
    std::vector<int> with_blank;  // questions whose options have one blank after the letter
    size_t indent;                // blanks that begin an analysis paragraph
    // The fill-in mark of the questions whose mark is not "（）".
    std::map<int, std::string_view> marks;
    // The questions with an option that ends with blanks; all other options end with text.
    std::map<int, Trailing> trailing;
};

std::vector<int> All(int count)
{
    std::vector<int> numbers;
    for (int n = 1; n <= count; ++n)
        numbers.push_back(n);
    return numbers;
}

const std::vector<SectionShape>& Shapes()
{
    static const std::vector<SectionShape> shapes = {
        {"计算机硬件系统", 35, "CACAD DBDCA ACDCB BCAAB DDACD DDBDA CACDB", All(35), 4,
         {{5, "（  ）"}, {12, "（  ）"}, {16, "（  ）"}, {19, "(  )"}, {24, "（  ）"}, {30, "（  ）"}},
         {{7, {2, 2}}, {18, {3, 1}}, {29, {1, 3}}}},
        {"计算机软件系统", 20, "CACBA BBAAC AADBC ADACB", All(20), 4,
         {{6, "（  ）"}, {9, "(   )"}, {12, "（  ）"}, {17, "（  ）"}},
         {{11, {3, 4}}, {19, {0, 1}}}},
        {"多媒体技术简介", 8, "AADAD ADD", {3}, 3, {{6, "（  ）"}}, {}},
        {"计算机病毒及其防治", 8, "DDBBB DBB", All(8), 3, {{4, "（  ）"}}, {{2, {1, 2}}}},
    };
    return shapes;
}

const DrillSection& Section(std::string_view name)
{
    // Type index 0 finds every section, whatever its exercise-type condition.
    const DrillSection* section = FindDrillSection("计算机基础知识", name, DrillUse::Question, 0);
    EXPECT_TRUE(section) << name;
    return *section;
}

TEST(DrillBankHardwareSoftwareMediaViruses, every_question_is_written_whole_in_its_sections_shape)
{
    for (const SectionShape& shape : Shapes()) {
        SCOPED_TRACE(std::string(shape.name));
        const DrillSection& section = Section(shape.name);
        EXPECT_EQ(section.count, shape.count);
        EXPECT_EQ(section.keys, shape.keys);
        EXPECT_EQ(section.rows.size(), static_cast<size_t>(shape.count)) << "one row for every question";

        std::vector<int> with_blank;
        for (int n = 1; n <= shape.count; ++n) {
            SCOPED_TRACE("question " + std::to_string(n));
            DrillRow row = DrillQuestion(section, n);
            ASSERT_EQ(row.number, n);
            ASSERT_FALSE(row.stem.empty());
            ASSERT_FALSE(row.analysis.empty());

            EXPECT_EQ(Marks(row.stem), 1u) << row.stem;
            const auto mark = shape.marks.find(n);
            EXPECT_EQ(Count(row.stem, mark == shape.marks.end() ? "（）" : mark->second), 1u) << row.stem;
            EXPECT_TRUE(EndsWith(row.stem, "。") || EndsWith(row.stem, "）")) << row.stem;
            EXPECT_GE(Characters(row.stem), 10u);
            EXPECT_LE(Characters(row.stem), 87u) << row.stem;

            const auto trailing = shape.trailing.find(n);
            std::set<std::string_view> texts;
            for (size_t i = 0; i < row.options.size(); ++i) {
                std::string_view option = row.options[i];
                SCOPED_TRACE(std::string(option));
                EXPECT_LE(option.find_first_not_of(' ', 3), 4u) << "at most one blank after the letter";
                const bool ends_blank = trailing != shape.trailing.end() && trailing->second.option == i;
                EXPECT_EQ(TrailingBlanks(option), ends_blank ? trailing->second.blanks : 0u);
                EXPECT_GE(Characters(option), 4u);
                EXPECT_LE(Characters(option), 56u);
                EXPECT_TRUE(IsCp936(option));
                // Trailing blanks never make the only difference between two options.
                option.remove_suffix(TrailingBlanks(option));
                texts.insert(option.substr(option.find_first_not_of(' ', 3)));
            }
            EXPECT_EQ(texts.size(), 4u) << "four different options";
            if (row.options[0][3] == ' ')
                with_blank.push_back(n);

            // One paragraph (the given audio analysis has two), indented by exactly the
            // section's blanks, closed by a full stop.
            const bool two_paragraphs = shape.name == "多媒体技术简介" && n == 3;
            EXPECT_EQ(Count(row.analysis, "\r\n"), two_paragraphs ? 1u : 0u);
            EXPECT_EQ(row.analysis.find_first_not_of(' '), shape.indent);
            EXPECT_TRUE(EndsWith(row.analysis, "。") || EndsWith(row.analysis, ".")) << row.analysis;
            EXPECT_GE(Characters(row.analysis), 16u);
            EXPECT_LE(Characters(row.analysis), 361u);
            EXPECT_TRUE(IsCp936(row.stem) && IsCp936(row.analysis));
        }
        EXPECT_EQ(with_blank, shape.with_blank);
    }
}

// The key's option carries the figure that its analysis works out, and the two
// rows built around a given analysis ask what that analysis answers.
TEST(DrillBankHardwareSoftwareMediaViruses, keyed_options_carry_the_worked_figures)
{
    char audio[32];
    std::snprintf(audio, sizeof audio, "%.2fMB", 240.0 * 44100 * 16 * 2 / 8 / 1e6);
    char clock[32];
    std::snprintf(clock, sizeof clock, "%.1fns", 1e9 / 2.5e9);
    const std::string address_space = std::to_string((1ull << 32) >> 30) + "GB";
    const std::string bitmap = std::to_string(640 * 480 * 8 / 8);

    struct Case {
        std::string_view section;
        int number;
        std::string figure;
    };
    const Case cases[] = {
        {"多媒体技术简介", 3, audio},         // 4 minutes of 16-bit stereo at 44.1kHz
        {"多媒体技术简介", 8, bitmap},        // 640x480 pixels of 256 colours
        {"计算机硬件系统", 3, clock},         // one clock period at 2.5GHz
        {"计算机硬件系统", 10, address_space},  // a 32-bit address bus
        {"计算机硬件系统", 20, "容量和速度"},  // the two measures of main memory
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.section) + " question " + std::to_string(c.number));
        const DrillSection& section = Section(c.section);
        DrillRow row = DrillQuestion(section, c.number);
        const int key = DrillKeyLetter(section, c.number) - 'A';
        ASSERT_TRUE(key >= 0 && key < 4);
        for (int i = 0; i < 4; ++i) {
            std::string_view text = row.options[static_cast<size_t>(i)].substr(3);
            if (text.front() == ' ')
                text.remove_prefix(1);
            EXPECT_EQ(text == c.figure, i == key) << "option " << char('A' + i) << ": " << text;
        }
    }
    EXPECT_EQ(std::string(audio), "42.34MB");
    // The figure counts 1MB as 10^6 bytes, while the bank teaches 2^20: the
    // stem says which it means.
    EXPECT_NE(DrillQuestion(Section("多媒体技术简介"), 3).stem.find("1MB按10^6字节计"), std::string_view::npos);
}

TEST(DrillBankHardwareSoftwareMediaViruses, no_stem_is_asked_twice_in_the_drill)
{
    std::set<std::string_view> stems;
    for (const DrillSection& section : DrillSections()) {
        for (const DrillRow& row : section.rows) {
            if (row.stem.empty())
                continue;
            std::string_view body = row.stem.substr(row.stem.find('.') + 1);
            if (body.front() == ' ')
                body.remove_prefix(1);
            EXPECT_TRUE(stems.insert(body).second) << section.section << ": " << row.stem;
        }
    }
}

}  // namespace
}  // namespace boxi::banks

#include "banks/Syllabus.h"

#include "banks/text_checks.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace boxi::banks {
namespace {

// Characters as the window counts them: one per code point, CR and LF one
// each.
size_t CharCount(std::string_view utf8)
{
    size_t count = 0;
    for (unsigned char c : utf8)
        count += (c & 0xC0) != 0x80;
    return count;
}

size_t LeadingBlanks(std::string_view line)
{
    const size_t first = line.find_first_not_of(' ');
    return first == std::string_view::npos ? line.size() : first;
}

// The lines that are ours to write, 1-based: the basic requirements after
// the first and the items of the four areas but the last Excel item.
std::set<int> AuthoredLines()
{
    std::set<int> lines;
    for (auto [first, last] : {std::pair{3, 9}, {13, 19}, {21, 31}, {33, 44}, {47, 52}}) {
        for (int n = first; n <= last; ++n)
            lines.insert(n);
    }
    return lines;
}

TEST(SyllabusTest, text_has_sixty_three_lines_joined_by_crlf_and_1786_characters)
{
    const std::string text = SyllabusText();
    EXPECT_EQ(SyllabusLines().size(), 63u);
    size_t crlf = 0;
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2))
        ++crlf;
    EXPECT_EQ(crlf, 62u);
    EXPECT_EQ(CharCount(text), 1786u);
    EXPECT_EQ(text.rfind("                            基本要求", 0), 0u);
    EXPECT_TRUE(text.ends_with("（20分）"));
    // The two empty lines.
    size_t empty_lines = 0;
    for (size_t at = text.find("\r\n\r\n"); at != std::string::npos; at = text.find("\r\n\r\n", at + 2))
        ++empty_lines;
    EXPECT_EQ(empty_lines, 2u);
    EXPECT_TRUE(testing::IsCp936(text));
}

TEST(SyllabusTest, authored_item_lines_total_1260_characters)
{
    Lines lines = SyllabusLines();
    size_t total = 0;
    for (int n : AuthoredLines())
        total += CharCount(lines[static_cast<size_t>(n - 1)]);
    EXPECT_EQ(AuthoredLines().size(), 43u);
    EXPECT_EQ(total, 1260u);
}

TEST(SyllabusTest, given_lines_stand_as_they_are)
{
    const std::vector<std::pair<int, std::string_view>> given = {
        {1, "                            基本要求"},
        {2, "    1.掌握计算机基础知识及计算机系统组成。"},
        {10, ""},
        {11, "                            考试内容"},
        {12, "一、计算机基础知识"},
        {20, "二、Word的功能和使用"},
        {32, "三、Excel的功能和使用"},
        {45, "    13.分析数据素材、并根据需求提取相关信息引用到Excel文档中。"},
        {46, "四、PowerPoint的功能和使用"},
        {53, ""},
        {54, "                            考试方式"},
        {55, "    采用无纸化考试，上机操作。"},
        {56, "    考试时间：120分钟"},
        {57, "    软件环境：操作系统 Windows 7"},
        {58, "         办公软件 Microsoft Office 2010"},
        {59, "    在指定时间内，完成下列各项操作："},
        {60, "    1.选择题（计算机基础知识）（20分）"},
        {61, "    2.Word 操作（30分）"},
        {62, "    3.Excel 操作（30分）"},
        {63, "    4.PowerPoint 操作（20分）"},
    };
    Lines lines = SyllabusLines();
    for (const auto& [number, text] : given)
        EXPECT_EQ(lines[static_cast<size_t>(number - 1)], text) << "line " << number;
}

// Item lines: 4 blanks, the number counting from 1 under every heading, an
// ASCII full stop, one sentence ending in "。", and only full-width
// punctuation besides.
TEST(SyllabusTest, item_lines_keep_their_shape_and_numbering)
{
    Lines lines = SyllabusLines();
    const std::vector<std::pair<int, int>> runs = {{2, 9}, {13, 19}, {21, 31}, {33, 45}, {47, 52}};
    for (auto [first, last] : runs) {
        for (int n = first; n <= last; ++n) {
            std::string_view line = lines[static_cast<size_t>(n - 1)];
            SCOPED_TRACE("line " + std::to_string(n));
            const std::string number = std::to_string(n - first + 1) + ".";
            EXPECT_EQ(LeadingBlanks(line), 4u);
            EXPECT_EQ(line.substr(4, number.size()), number);
            EXPECT_TRUE(line.ends_with("。"));
            std::string_view sentence = line.substr(4 + number.size());
            for (char c : sentence) {
                const bool ascii_word = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
                EXPECT_TRUE(static_cast<unsigned char>(c) >= 0x80 || ascii_word) << "ASCII mark in " << line;
            }
            EXPECT_TRUE(testing::IsCp936(line));
        }
    }
}

TEST(SyllabusTest, no_line_ends_in_a_blank_and_only_line_58_has_nine)
{
    Lines lines = SyllabusLines();
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string_view line = lines[i];
        if (line.empty())
            continue;
        EXPECT_NE(line.back(), ' ') << "line " << i + 1;
        const size_t blanks = LeadingBlanks(line);
        EXPECT_TRUE(blanks == 0 || blanks == 4 || blanks == 28 || (i + 1 == 58 && blanks == 9)) << "line " << i + 1;
    }
    EXPECT_EQ(LeadingBlanks(lines[57]), 9u);
}

}  // namespace
}  // namespace boxi::banks

#include "banks/DrillBank.h"

#include "banks/text_checks.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace boxi::banks {
namespace {

using testing::IsCp936;

std::vector<std::string> SplitCrLf(std::string_view text)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t pos; (pos = text.find("\r\n", start)) != std::string_view::npos; start = pos + 2)
        parts.emplace_back(text.substr(start, pos - start));
    parts.emplace_back(text.substr(start));
    return parts;
}

// Characters, not bytes, of a UTF-8 text.
size_t Chars(std::string_view text)
{
    size_t count = 0;
    for (char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

size_t LeadingBlanks(std::string_view text)
{
    size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? text.size() : first;
}

// How many blanks begin each paragraph of question `number`'s analysis.
size_t AnalysisIndent(const DrillSection& section, int number)
{
    const std::map<std::string_view, size_t> indent = {
        {"概述", 4}, {"信息的表示与存储", 4}, {"计算机硬件系统", 4}, {"计算机软件系统", 4},
        {"多媒体技术简介", 3}, {"计算机病毒及其防治", 3}, {"以任务为导向的应用界面", 3},
        {"创建并编辑文档", 3}, {"美化文档外观", 3}, {"长文档的编辑与管理", 3},
        {"文档的修订与共享", 3}, {"使用邮件合并技术批量处理文档", 3},
    };
    if (section.section == "Internet基础及应用")
        return number <= 20 ? 2 : 3;
    if (section.section == "创建并编辑文档" && number == 11)
        return 4;
    return indent.at(section.section);
}

TEST(DrillBank, thirteen_sections_of_two_chapters_hold_232_questions)
{
    std::map<std::string_view, int> per_chapter;
    std::set<std::string_view> names;
    int total = 0;
    for (const DrillSection& section : DrillSections()) {
        per_chapter[section.chapter] += section.count;
        total += section.count;
        EXPECT_TRUE(names.insert(section.section).second) << section.section << " twice";
    }
    EXPECT_EQ(DrillSections().size(), 13u);
    EXPECT_EQ(total, 232);
    EXPECT_EQ(per_chapter.size(), 2u);
    EXPECT_EQ(per_chapter["计算机基础知识"], 199);
    EXPECT_EQ(per_chapter["利用Word 2010高效创建电子文档"], 33);
    EXPECT_EQ(DrillChapters()[1], "利用Word 2010高效创建电子文档");
}

TEST(DrillBank, lookups_match_names_exactly_and_apply_each_uses_type_condition)
{
    struct Row {
        std::string_view chapter;
        std::string_view section;
        DrillUse use;
        int type_index;
        int count;  // 0: no section
    };
    const Row rows[] = {
        {"计算机基础知识", "概述", DrillUse::Question, 0, 20},
        {"利用Word 2010高效创建电子文档", "概述", DrillUse::Question, 0, 0},
        {"利用Word  2010高效创建电子文档", "美化文档外观", DrillUse::Question, 0, 0},
        {"计算机基础知识", "概述 ", DrillUse::Question, 0, 0},
        {"计算机基础知识", "internet基础及应用", DrillUse::Question, 0, 0},
        {"计算机基础知识", "概述", DrillUse::Question, -1, 0},
        {"计算机基础知识", "概述", DrillUse::Answer, 1, 0},
        {"计算机基础知识", "计算机软件系统", DrillUse::Answer, -1, 20},
        {"计算机基础知识", "Internet基础及应用", DrillUse::Question, -1, 60},
        {"计算机基础知识", "Internet基础及应用", DrillUse::Answer, 3, 60},
        {"计算机基础知识", "Internet基础及应用", DrillUse::Analysis, -1, 0},
        {"计算机基础知识", "Internet基础及应用", DrillUse::Analysis, 0, 60},
        {"计算机基础知识", "计算机病毒及其防治", DrillUse::Analysis, -1, 8},
        {"利用Word 2010高效创建电子文档", "使用邮件合并技术批量处理文档", DrillUse::Analysis, 0, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.chapter) + " / " + std::string(row.section) + " at " +
                     std::to_string(row.type_index));
        const DrillSection* section = FindDrillSection(row.chapter, row.section, row.use, row.type_index);
        EXPECT_EQ(section ? section->count : 0, row.count);
    }
}

TEST(DrillBank, key_letters_come_in_groups_of_five_one_for_every_question)
{
    for (const DrillSection& section : DrillSections()) {
        SCOPED_TRACE(std::string(section.section));
        std::string expected_shape;
        for (int n = 1; n <= section.count; ++n)
            expected_shape += (n > 1 && (n - 1) % 5 == 0) ? " x" : "x";
        std::string shape;
        for (char c : section.keys)
            shape += c == ' ' ? ' ' : 'x';
        EXPECT_EQ(shape, expected_shape);
        for (int n = 1; n <= section.count; ++n) {
            char key = DrillKeyLetter(section, n);
            EXPECT_TRUE(key >= 'A' && key <= 'D') << "question " << n;
        }
        EXPECT_EQ(DrillKeyLetter(section, 0), '\0');
        EXPECT_EQ(DrillKeyLetter(section, section.count + 1), '\0');
    }
    const DrillSection* overview = FindDrillSection("计算机基础知识", "概述", DrillUse::Answer, 0);
    const DrillSection* information = FindDrillSection("计算机基础知识", "信息的表示与存储", DrillUse::Answer, 0);
    ASSERT_TRUE(overview && information);
    EXPECT_EQ(DrillKeyLetter(*overview, 7), 'B');
    EXPECT_EQ(DrillKeyLetter(*information, 48), 'C');
}

// The shapes every row must keep, so that a section's file can be filled in
// row by row and checked here.
TEST(DrillBank, written_rows_keep_the_shapes_of_a_drill_question)
{
    for (const DrillSection& section : DrillSections()) {
        int last = 0;
        for (const DrillRow& row : section.rows) {
            SCOPED_TRACE(std::string(section.section) + " question " + std::to_string(row.number));
            EXPECT_GT(row.number, last) << "numbers rise, each once";
            EXPECT_LE(row.number, section.count);
            last = row.number;
            EXPECT_FALSE(row.stem.empty() && row.analysis.empty()) << "a row with nothing written";

            if (!row.stem.empty()) {
                const std::string number = std::to_string(row.number) + ".";
                EXPECT_EQ(row.stem.substr(0, number.size()), number);
                EXPECT_EQ(row.stem.find_first_of("\r\n"), std::string_view::npos);
                EXPECT_TRUE(IsCp936(row.stem));
                EXPECT_GE(Chars(row.stem), 10u);
                EXPECT_LE(Chars(row.stem), 87u);
                bool blank_after_letter = row.options[0].substr(3, 1) == " ";
                for (size_t i = 0; i < 4; ++i) {
                    std::string_view option = row.options[i];
                    const std::string prefix = std::string("(") + static_cast<char>('A' + i) + ")";
                    EXPECT_EQ(option.substr(0, 3), prefix);
                    EXPECT_EQ(option.substr(3, 1) == " ", blank_after_letter) << "all four options alike";
                    EXPECT_GT(option.size(), prefix.size() + (blank_after_letter ? 1 : 0));
                    EXPECT_GE(Chars(option), 4u);
                    EXPECT_LE(Chars(option), 56u);
                    EXPECT_EQ(option.find_first_of("\r\n"), std::string_view::npos);
                    EXPECT_TRUE(IsCp936(option));
                }
            } else {
                for (std::string_view option : row.options)
                    EXPECT_TRUE(option.empty()) << "options without their stem";
            }

            if (!row.analysis.empty()) {
                EXPECT_TRUE(IsCp936(row.analysis));
                EXPECT_GE(Chars(row.analysis), 16u);
                EXPECT_LE(Chars(row.analysis), 361u);
                std::vector<std::string> paragraphs = SplitCrLf(row.analysis);
                for (size_t p = 0; p < paragraphs.size(); ++p) {
                    const std::string& paragraph = paragraphs[p];
                    EXPECT_EQ(paragraph.find_first_of("\r\n"), std::string::npos) << "lone CR or LF";
                    EXPECT_FALSE(paragraph.find_first_not_of(' ') == std::string::npos) << "empty paragraph";
                    bool unindented = section.section == "多媒体技术简介" && row.number == 3 && p == 1;
                    EXPECT_EQ(LeadingBlanks(paragraph), unindented ? 0 : AnalysisIndent(section, row.number));
                }
            }
        }
    }
}

// Shapes that hold over the whole bank once every section is written: the
// kinds of fill-in mark, how many stems hold more than one, and the options
// that end in blanks.
TEST(DrillBank, the_whole_bank_holds_its_marks_and_trailing_blanks)
{
    const auto count = [](std::string_view text, std::string_view what) {
        size_t n = 0;
        for (size_t pos = text.find(what); pos != std::string_view::npos; pos = text.find(what, pos + what.size()))
            ++n;
        return n;
    };
    std::map<std::string, size_t> marks;
    std::map<size_t, size_t> stems_by_marks;
    size_t blank_ended = 0, full_width_ended = 0, rows = 0;
    for (const DrillSection& section : DrillSections()) {
        for (int number = 1; number <= section.count; ++number) {
            const DrillRow row = DrillQuestion(section, number);
            ASSERT_FALSE(row.stem.empty() || row.analysis.empty()) << section.section << " " << number;
            ++rows;
            size_t here = 0;
            for (const char* mark : {"（）", "（  ）", "（ ）", "(  )", "(   )"}) {
                const size_t n = count(row.stem, mark);
                marks[mark] += n;
                here += n;
            }
            ++stems_by_marks[here];
            for (std::string_view option : row.options) {
                blank_ended += option.ends_with(" ");
                full_width_ended += option.ends_with("　");
            }
        }
    }
    EXPECT_EQ(rows, 232u);
    EXPECT_EQ(marks["（）"], 198u);
    EXPECT_EQ(marks["（  ）"], 34u);
    EXPECT_EQ(marks["（ ）"], 1u);
    EXPECT_EQ(marks["(  )"] + marks["(   )"], 5u);
    EXPECT_EQ(stems_by_marks, (std::map<size_t, size_t>{{0, 1}, {1, 227}, {2, 2}, {3, 1}, {4, 1}}));
    EXPECT_EQ(blank_ended + full_width_ended, 24u);
    EXPECT_EQ(full_width_ended, 1u);
}

TEST(DrillBank, the_given_rows_are_stored_verbatim)
{
    const DrillSection* overview = FindDrillSection("计算机基础知识", "概述", DrillUse::Question, 0);
    const DrillSection* information = FindDrillSection("计算机基础知识", "信息的表示与存储", DrillUse::Question, 0);
    const DrillSection* editing = FindDrillSection("利用Word 2010高效创建电子文档", "创建并编辑文档", DrillUse::Question, -1);
    const DrillSection* hardware = FindDrillSection("计算机基础知识", "计算机硬件系统", DrillUse::Analysis, 0);
    const DrillSection* internet = FindDrillSection("计算机基础知识", "Internet基础及应用", DrillUse::Analysis, 0);
    const DrillSection* multimedia = FindDrillSection("计算机基础知识", "多媒体技术简介", DrillUse::Analysis, -1);
    ASSERT_TRUE(overview && information && editing && hardware && internet && multimedia);

    DrillRow row = DrillQuestion(*overview, 3);
    EXPECT_EQ(row.stem, "3.在计算机内部，程序和数据采用（）代码表示。");
    EXPECT_EQ(row.options, (std::array<std::string_view, 4>{"(A)十进制", "(B)二进制", "(C)八进制", "(D)十六进制"}));

    row = DrillQuestion(*information, 43);
    EXPECT_EQ(row.stem, "43.汉字字模是指汉字的(  )。");
    EXPECT_EQ(row.options, (std::array<std::string_view, 4>{"(A) 内码", "(B) 外码", "(C) 地址码", "(D) 字形码"}));

    row = DrillQuestion(*editing, 6);
    EXPECT_EQ(row.stem, "6. 设Windows处于系统默认状态，在Word编辑状态下，移动鼠标至文档文首空白处（文本选定区）连击左键三下，"
                        "结果会选择文档的（）。");
    EXPECT_EQ(row.options, (std::array<std::string_view, 4>{"(A) 一句话  ", "(B) 一行    ", "(C) 一段   ", "(D) 全文   "}));

    EXPECT_EQ(DrillQuestion(*hardware, 20).analysis, "    内存储器的性能指标有两个，它们是容量和速度。");
    // Given with "有效性"; the error rate measures reliability, as its stem asks.
    EXPECT_EQ(DrillQuestion(*internet, 7).analysis, "  误码率是表示数据传输可靠性的指标.");
    std::string_view audio = DrillQuestion(*multimedia, 3).analysis;
    EXPECT_EQ(Chars(audio), 90u);
    EXPECT_EQ(audio,
              "   音频数据量（B）=采样时间(s) x 采样频率(Hz) x 量化位数(b) x 声道数/8\r\n"
              "所以本题的数据量=240 x 44100 x 16 x 2/8=42.34MB。");
}

TEST(DrillBank, a_question_not_written_yet_is_empty_and_numbers_outside_give_nothing)
{
    const DrillSection* found = FindDrillSection("计算机基础知识", "计算机软件系统", DrillUse::Question, -1);
    ASSERT_TRUE(found);
    DrillSection software = *found;
    software.rows = {};  // the section as it stands before any row is written
    for (int number : {1, 20}) {
        DrillRow row = DrillQuestion(software, number);
        EXPECT_EQ(row.number, number);
        EXPECT_TRUE(row.stem.empty() && row.analysis.empty());
    }
    for (int number : {0, -1, 21}) {
        DrillRow row = DrillQuestion(software, number);
        EXPECT_EQ(row.number, 0);
        EXPECT_TRUE(row.stem.empty() && row.analysis.empty());
    }
}

}  // namespace
}  // namespace boxi::banks

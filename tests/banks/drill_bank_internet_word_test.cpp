// Shapes of the drill's Internet section and its six Word sections, beyond
// the row shapes every section keeps.
#include "banks/DrillBank.h"
#include "banks/ExamChoiceBank.h"
#include "banks/UnitBank.h"
#include "banks/text_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <string>
#include <string_view>

namespace boxi::banks {
namespace {

constexpr std::string_view kBasics = "计算机基础知识";
constexpr std::string_view kWord = "利用Word 2010高效创建电子文档";

struct SectionShape {
    std::string_view chapter;
    std::string_view section;
    int with_blank;  // questions whose options have a blank after the letter
};

constexpr SectionShape kSections[] = {
    {kBasics, "Internet基础及应用", 13},
    {kWord, "以任务为导向的应用界面", 4},
    {kWord, "创建并编辑文档", 11},
    {kWord, "美化文档外观", 5},
    {kWord, "长文档的编辑与管理", 6},
    {kWord, "文档的修订与共享", 0},
    {kWord, "使用邮件合并技术批量处理文档", 0},
};

const DrillSection& Section(const SectionShape& shape)
{
    const DrillSection* section = FindDrillSection(shape.chapter, shape.section, DrillUse::Analysis, 0);
    EXPECT_TRUE(section) << shape.section;
    return *section;
}

constexpr std::string_view kMarkKinds[] = {"（）", "（  ）", "（ ）", "(  )", "(   )"};

int Count(std::string_view text, std::string_view part)
{
    int count = 0;
    for (size_t pos = text.find(part); pos != std::string_view::npos; pos = text.find(part, pos + part.size()))
        ++count;
    return count;
}

int Marks(std::string_view stem)
{
    int marks = 0;
    for (std::string_view mark : kMarkKinds)
        marks += Count(stem, mark);
    return marks;
}

// The stems with more than one place to fill; every other stem has one.
struct MultiMark {
    std::string_view section;
    int number;
    int marks;
};

constexpr MultiMark kMultiMarks[] = {
    {"Internet基础及应用", 20, 2},
    {"Internet基础及应用", 56, 3},
};

// The options that end with blanks, and exactly the blanks they end with.
struct TrailingBlanks {
    std::string_view section;
    int number;
    int option;  // 0 to 3 for A to D
    std::string_view blanks;
};

constexpr TrailingBlanks kTrailingBlanks[] = {
    {"Internet基础及应用", 9, 3, " "},
    {"Internet基础及应用", 22, 3, "  "},
    {"Internet基础及应用", 37, 1, "   "},
    {"Internet基础及应用", 48, 1, "    "},
    {"以任务为导向的应用界面", 4, 2, "  "},
    {"创建并编辑文档", 6, 0, "  "},
    {"创建并编辑文档", 6, 1, "    "},
    {"创建并编辑文档", 6, 2, "   "},
    {"创建并编辑文档", 6, 3, "   "},
    {"美化文档外观", 3, 3, "　"},
    {"长文档的编辑与管理", 8, 3, " "},
};

int ExpectedMarks(std::string_view section, int number)
{
    for (const MultiMark& multi : kMultiMarks)
        if (multi.section == section && multi.number == number)
            return multi.marks;
    return 1;
}

std::string_view ExpectedTrailing(std::string_view section, int number, int option)
{
    for (const TrailingBlanks& trailing : kTrailingBlanks)
        if (trailing.section == section && trailing.number == number && trailing.option == option)
            return trailing.blanks;
    return {};
}

// The blanks (ASCII or full-width) that end a text.
std::string_view TrailingOf(std::string_view text)
{
    size_t end = text.size();
    for (;;) {
        if (end >= 1 && text[end - 1] == ' ')
            end -= 1;
        else if (end >= 3 && text.substr(end - 3, 3) == "　")
            end -= 3;
        else
            break;
    }
    return text.substr(end);
}

std::string_view TrimTrailing(std::string_view text) { return text.substr(0, text.size() - TrailingOf(text).size()); }

std::string_view Paragraph(std::string_view text, int index)
{
    for (; index > 0; --index) {
        size_t pos = text.find("\r\n");
        if (pos == std::string_view::npos)
            return {};
        text.remove_prefix(pos + 2);
    }
    return text.substr(0, text.find("\r\n"));
}

TEST(DrillBankInternetWord, every_question_is_written_in_its_sections_shape)
{
    for (const SectionShape& shape : kSections) {
        const DrillSection& section = Section(shape);
        EXPECT_EQ(section.rows.size(), static_cast<size_t>(section.count)) << shape.section;
        int with_blank = 0;
        for (int number = 1; number <= section.count; ++number) {
            SCOPED_TRACE(std::string(shape.section) + " question " + std::to_string(number));
            DrillRow row = DrillQuestion(section, number);
            EXPECT_EQ(row.number, number);
            if (row.stem.empty() || row.analysis.empty()) {
                ADD_FAILURE() << "not written";
                continue;
            }

            bool blank_after_stop = shape.section == "创建并编辑文档" && number >= 5 && number <= 7;
            std::string prefix = std::to_string(number) + (blank_after_stop ? ". " : ".");
            EXPECT_EQ(row.stem.substr(0, prefix.size()), prefix);
            EXPECT_NE(row.stem.substr(prefix.size(), 1), " ");
            EXPECT_EQ(Marks(row.stem), ExpectedMarks(shape.section, number));
            EXPECT_TRUE(row.stem.ends_with("。") || row.stem.ends_with("）") || row.stem.ends_with(")")) << row.stem;

            with_blank += row.options[0].substr(3, 1) == " ";
            std::set<std::string_view> texts;
            for (int option = 0; option < 4; ++option) {
                std::string_view text = row.options[static_cast<size_t>(option)];
                EXPECT_EQ(TrailingOf(text), ExpectedTrailing(shape.section, number, option)) << text;
                EXPECT_TRUE(texts.insert(TrimTrailing(text)).second) << "options differ by more than blanks";
            }

            bool steps = shape.section == "创建并编辑文档" && number == 10;
            EXPECT_EQ(row.analysis.find("\r\n") != std::string_view::npos, steps);
            EXPECT_TRUE(row.analysis.ends_with("。") || row.analysis.ends_with(".")) << row.analysis;
        }
        EXPECT_EQ(with_blank, shape.with_blank) << shape.section;
    }
}

TEST(DrillBankInternetWord, the_sections_share_their_marks_between_the_kinds)
{
    int by_kind[std::size(kMarkKinds)] = {};
    for (const SectionShape& shape : kSections) {
        const DrillSection& section = Section(shape);
        for (const DrillRow& row : section.rows)
            for (size_t kind = 0; kind < std::size(kMarkKinds); ++kind)
                by_kind[kind] += Count(row.stem, kMarkKinds[kind]);
    }
    // 91 stems with one mark, one with two, one with three.
    EXPECT_EQ(by_kind[0], 85) << "（）";
    EXPECT_EQ(by_kind[1], 10) << "（  ）";
    EXPECT_EQ(by_kind[2], 0) << "（ ）";
    EXPECT_EQ(by_kind[3] + by_kind[4], 1) << "half-width";

    // The options of a stem with several marks fill every one of them.
    for (const MultiMark& multi : kMultiMarks) {
        for (const DrillSection& section : DrillSections()) {
            if (section.section != multi.section)
                continue;
            for (std::string_view option : DrillQuestion(section, multi.number).options)
                EXPECT_EQ(Count(option, "，"), multi.marks - 1) << option;
        }
    }
}

TEST(DrillBankInternetWord, the_steps_analysis_explains_leads_in_and_numbers_four_steps)
{
    const DrillSection* editing = FindDrillSection(kWord, "创建并编辑文档", DrillUse::Analysis, 0);
    ASSERT_TRUE(editing);
    std::string_view analysis = DrillQuestion(*editing, 10).analysis;
    EXPECT_TRUE(Paragraph(analysis, 5).size() > 0 && Paragraph(analysis, 6).empty()) << "six paragraphs";
    EXPECT_FALSE(Paragraph(analysis, 0).starts_with("   （"));
    EXPECT_FALSE(Paragraph(analysis, 1).starts_with("   （"));
    for (int step = 1; step <= 4; ++step) {
        std::string expected = "   （" + std::to_string(step) + "）";
        EXPECT_TRUE(Paragraph(analysis, step + 1).starts_with(expected)) << "step " << step;
    }
}

TEST(DrillBankInternetWord, no_stem_repeats_another_drill_stem_or_a_unit_or_exam_stem)
{
    std::set<std::string> elsewhere;
    for (const UnitTexts* unit : Units())
        for (const UnitRow& row : unit->rows)
            if (!row.stem.joined())
                elsewhere.emplace(testing::QuestionKey(row.stem.Text()));
    for (const ExamChoiceSet* set : WrittenExamChoiceSets())
        for (const ExamChoiceRow& row : set->rows)
            elsewhere.emplace(testing::QuestionKey(row.QuestionText));
    for (const DrillSection& section : DrillSections()) {
        for (const DrillRow& row : section.rows) {
            if (!row.stem.empty()) {
                EXPECT_TRUE(elsewhere.emplace(testing::QuestionKey(row.stem)).second)
                    << section.section << ": " << row.stem;
            }
        }
    }
}

TEST(DrillBankInternetWord, the_first_and_last_questions_answer_the_spots_the_check_names)
{
    const DrillSection* internet = FindDrillSection(kBasics, "Internet基础及应用", DrillUse::Analysis, 0);
    const DrillSection* merge = FindDrillSection(kWord, "使用邮件合并技术批量处理文档", DrillUse::Analysis, 0);
    ASSERT_TRUE(internet && merge);
    EXPECT_TRUE(DrillQuestion(*internet, 60).stem.starts_with("60."));
    EXPECT_NE(DrillQuestion(*internet, 1).analysis, DrillQuestion(*internet, 2).analysis);
    EXPECT_EQ(DrillQuestion(*internet, 7).options[0], "(A)误码率");
    EXPECT_EQ(DrillKeyLetter(*internet, 7), 'A');
    EXPECT_FALSE(DrillQuestion(*merge, 2).analysis.empty());
}

}  // namespace
}  // namespace boxi::banks

// The rows of the first two sections of the computer-basics chapter: 概述 and
// 信息的表示与存储, checked against the shapes those two sections must keep.
#include "banks/DrillBank.h"

#include "banks/text_checks.h"

#include <gtest/gtest.h>

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

// The fill-in marks of a stem in the order they stand, in every form the drill uses.
std::vector<std::string_view> Marks(std::string_view stem)
{
    static constexpr std::string_view kForms[] = {"（）", "（  ）", "（ ）", "(  )", "(   )"};
    std::vector<std::string_view> marks;
    for (size_t pos = 0; pos < stem.size();) {
        bool found = false;
        for (std::string_view form : kForms) {
            if (stem.substr(pos, form.size()) == form) {
                marks.push_back(form);
                pos += form.size();
                found = true;
                break;
            }
        }
        if (!found)
            ++pos;
    }
    return marks;
}

// Stems whose marks differ from the usual single "（）", and the marks they hold.
struct MarkShape {
    std::string_view section;
    int number;
    std::vector<std::string_view> marks;
};

const std::vector<MarkShape> kMarkShapes = {
    {"概述", 1, {"（）", "（）", "（）", "（）"}},
    {"概述", 4, {"（  ）"}},
    {"概述", 7, {"（  ）"}},
    {"概述", 10, {"（  ）"}},
    {"概述", 13, {"（  ）"}},
    {"概述", 14, {"(   )"}},
    {"概述", 17, {"（  ）"}},
    {"信息的表示与存储", 4, {"（  ）"}},
    {"信息的表示与存储", 8, {"（  ）"}},
    {"信息的表示与存储", 9, {"（）", "（）"}},
    {"信息的表示与存储", 13, {"（  ）"}},
    {"信息的表示与存储", 16, {"（  ）"}},
    {"信息的表示与存储", 22, {"（  ）"}},
    {"信息的表示与存储", 26, {"（  ）"}},
    {"信息的表示与存储", 32, {"（  ）"}},
    {"信息的表示与存储", 35, {"（  ）"}},
    {"信息的表示与存储", 38, {"（ ）"}},
    {"信息的表示与存储", 41, {"（  ）"}},
    {"信息的表示与存储", 43, {"(  )"}},
    {"信息的表示与存储", 45, {}},
};

std::vector<std::string_view> ExpectedMarks(std::string_view section, int number)
{
    for (const MarkShape& shape : kMarkShapes) {
        if (shape.section == section && shape.number == number)
            return shape.marks;
    }
    return {"（）"};
}

// Options stored with trailing blanks: section, question, option index, blanks.
struct TrailingBlanks {
    std::string_view section;
    int number;
    int option;
    size_t blanks;
};

const TrailingBlanks kTrailingBlanks[] = {
    {"概述", 8, 2, 1},
    {"概述", 16, 1, 2},
    {"概述", 20, 2, 3},
    {"信息的表示与存储", 12, 3, 4},
    {"信息的表示与存储", 24, 2, 2},
    {"信息的表示与存储", 31, 1, 3},
    {"信息的表示与存储", 42, 1, 1},
};

size_t ExpectedTrailingBlanks(std::string_view section, int number, int option)
{
    for (const TrailingBlanks& entry : kTrailingBlanks) {
        if (entry.section == section && entry.number == number && entry.option == option)
            return entry.blanks;
    }
    return 0;
}

// An option's text without its letter, the blank after it and any trailing blanks.
std::string_view OptionText(std::string_view option)
{
    std::string_view text = option.substr(option.find_first_not_of(' ', 3));
    return text.substr(0, text.find_last_not_of(' ') + 1);
}

std::vector<std::string_view> Paragraphs(std::string_view text)
{
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (size_t pos; (pos = text.find("\r\n", start)) != std::string_view::npos; start = pos + 2)
        parts.push_back(text.substr(start, pos - start));
    parts.push_back(text.substr(start));
    return parts;
}

bool EndsWith(std::string_view text, std::string_view tail)
{
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

struct SectionShape {
    std::string_view name;
    int count;
    std::string_view keys;
    int with_blank;  // questions whose options have one blank after the letter
};

const SectionShape kSections[] = {
    {"概述", 20, "CCBAC DBDAA BBACA AABDA", 13},
    {"信息的表示与存储", 48,
     "DDABC BACAB BABAC DCABA DDBBD AADAC DDCAB DDBAB BDDAD ACC", 48},
};

const DrillSection& Section(std::string_view name)
{
    const DrillSection* section = FindDrillSection("计算机基础知识", name, DrillUse::Question, 0);
    EXPECT_TRUE(section) << name;
    return *section;
}

TEST(DrillBankBasicsOverviewInformation, every_question_is_written_whole_in_its_sections_shape)
{
    for (const SectionShape& shape : kSections) {
        SCOPED_TRACE(std::string(shape.name));
        const DrillSection& section = Section(shape.name);
        EXPECT_EQ(section.count, shape.count);
        EXPECT_EQ(section.keys, shape.keys);
        EXPECT_EQ(section.rows.size(), static_cast<size_t>(shape.count)) << "one row for every question";

        int with_blank = 0;
        for (int n = 1; n <= shape.count; ++n) {
            SCOPED_TRACE("question " + std::to_string(n));
            DrillRow row = DrillQuestion(section, n);
            ASSERT_EQ(row.number, n);
            ASSERT_FALSE(row.stem.empty());
            ASSERT_FALSE(row.analysis.empty());
            for (int o = 0; o < 4; ++o) {
                std::string_view option = row.options[o];
                EXPECT_LE(option.find_first_not_of(' ', 3), 4u) << "at most one blank after the letter";
                EXPECT_EQ(option.size() - 1 - option.find_last_not_of(' '),
                          ExpectedTrailingBlanks(shape.name, n, o))
                    << "trailing blanks of " << option;
                EXPECT_EQ(option[3] == ' ', row.options[0][3] == ' ') << "one option form per question";
            }
            with_blank += row.options[0][3] == ' ';

            // The marks, in the forms this question uses; a question with no mark asks directly.
            std::vector<std::string_view> marks = ExpectedMarks(shape.name, n);
            EXPECT_EQ(Marks(row.stem), marks);
            if (marks.empty()) {
                EXPECT_TRUE(EndsWith(row.stem, "？"));
            }
            // Where a stem has two blanks to fill, every option fills both.
            if (marks.size() == 2) {
                for (std::string_view option : row.options)
                    EXPECT_EQ(Count(option, "，"), 1u) << option;
            }
            EXPECT_TRUE(EndsWith(row.stem, "。") || EndsWith(row.stem, "）") || EndsWith(row.stem, ")") ||
                        EndsWith(row.stem, "？"))
                << row.stem;

            // The analysis names the key it explains.
            const char key = DrillKeyLetter(section, n);
            EXPECT_NE(row.analysis.find(std::string("答案为") + key), std::string_view::npos) << row.analysis;
            for (char other = 'A'; other <= 'D'; ++other) {
                if (other != key) {
                    EXPECT_EQ(row.analysis.find(std::string("答案为") + other), std::string_view::npos);
                }
            }
        }
        EXPECT_EQ(with_blank, shape.with_blank);
    }
}

TEST(DrillBankBasicsOverviewInformation, only_overview_2_has_several_paragraphs_and_they_run_in_order)
{
    for (const SectionShape& shape : kSections) {
        const DrillSection& section = Section(shape.name);
        for (const DrillRow& row : section.rows) {
            if (shape.name == "概述" && row.number == 2)
                continue;
            EXPECT_EQ(Paragraphs(row.analysis).size(), 1u) << shape.name << " question " << row.number;
        }
    }

    std::vector<std::string_view> paragraphs = Paragraphs(DrillQuestion(Section("概述"), 2).analysis);
    ASSERT_EQ(paragraphs.size(), 8u);
    // An opening, then each numbered point on its own line followed by its explanation, then a closing.
    const std::string_view points[] = {"", "（1）", "", "（2）", "", "（3）", "", ""};
    for (size_t p = 0; p < paragraphs.size(); ++p) {
        SCOPED_TRACE("paragraph " + std::to_string(p + 1));
        std::string_view text = paragraphs[p].substr(4);
        if (points[p].empty()) {
            EXPECT_NE(text.substr(0, 3), "（") << "no point where a line of text belongs";
        } else {
            EXPECT_EQ(text.substr(0, points[p].size()), points[p]);
        }
    }
    EXPECT_TRUE(EndsWith(paragraphs.back(), "所以答案为C。"));
}

TEST(DrillBankBasicsOverviewInformation, options_46_and_47_are_shared_and_no_stem_is_asked_twice)
{
    const DrillSection& information = Section("信息的表示与存储");
    EXPECT_EQ(DrillQuestion(information, 46).options, DrillQuestion(information, 47).options);
    EXPECT_NE(DrillQuestion(information, 46).stem, DrillQuestion(information, 47).stem);

    // Stems compared without their number, across both sections; and every option
    // of a question differs from the others.
    std::set<std::string_view> stems;
    for (const SectionShape& shape : kSections) {
        for (const DrillRow& row : Section(shape.name).rows) {
            SCOPED_TRACE(std::string(shape.name) + " question " + std::to_string(row.number));
            std::string_view body = row.stem.substr(row.stem.find('.') + 1);
            EXPECT_TRUE(stems.insert(body).second) << row.stem;
            std::set<std::string_view> texts;
            for (std::string_view option : row.options)
                texts.insert(OptionText(option));
            EXPECT_EQ(texts.size(), 4u) << "options differ by more than their trailing blanks";
            EXPECT_TRUE(IsCp936(row.stem) && IsCp936(row.analysis));
        }
    }
}

}  // namespace
}  // namespace boxi::banks

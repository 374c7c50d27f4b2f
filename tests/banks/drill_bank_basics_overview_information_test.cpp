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

// The fill-in marks of a stem, in every form the drill uses.
size_t Marks(std::string_view stem)
{
    return Count(stem, "（）") + Count(stem, "（  ）") + Count(stem, "（ ）") + Count(stem, "(  )") +
           Count(stem, "(   )");
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
            for (std::string_view option : row.options) {
                EXPECT_LE(option.find_first_not_of(' ', 3), 4u) << "at most one blank after the letter";
                EXPECT_NE(option.back(), ' ') << "no trailing blanks in these two sections";
            }
            with_blank += row.options[0][3] == ' ';

            // One mark per stem, but four in 概述 1 and none in the direct question 信息的表示与存储 45.
            size_t marks = 1;
            if (shape.name == "概述" && n == 1)
                marks = 4;
            if (shape.name == "信息的表示与存储" && n == 45)
                marks = 0;
            EXPECT_EQ(Marks(row.stem), marks);
            if (marks == 0) {
                EXPECT_TRUE(EndsWith(row.stem, "？"));
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
                texts.insert(option.substr(option.find_first_not_of(' ', 3)));
            EXPECT_EQ(texts.size(), 4u);
            EXPECT_TRUE(IsCp936(row.stem) && IsCp936(row.analysis));
        }
    }
}

}  // namespace
}  // namespace boxi::banks

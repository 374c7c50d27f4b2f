// The way into the choice drill: chapter study's "选择题训练", the section
// chooser, the first question on screen, and the way back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "banks/DrillBank.h"
#include "support/Harness.h"

namespace boxi::testing {
namespace {

using Journal = std::vector<std::string>;
using Names = std::vector<std::string>;

const Names kBasicsSections = {"概述", "信息的表示与存储", "计算机硬件系统", "计算机软件系统",
                               "多媒体技术简介", "计算机病毒及其防治", "Internet基础及应用"};
const Names kWordSections = {"以任务为导向的应用界面", "创建并编辑文档", "美化文档外观",
                             "长文档的编辑与管理", "文档的修订与共享", "使用邮件合并技术批量处理文档"};

Names Items(ui::ListBox& list)
{
    Names items;
    for (int i = 0; i < list.ListCount(); ++i)
        items.push_back(list.List(i));
    return items;
}

class DrillChooserTest : public AppTest {
protected:
    // Chapter study on screen with its fourth chapter chosen.
    void OpenChapterStudy()
    {
        StartFresh();
        ASSERT_TRUE(rt().Click(app.form8.Image1));
        ASSERT_TRUE(rt().Click(app.form60.Command2));
        ASSERT_TRUE(rt().Select(app.form2.List1, 3));
        fake.ClearJournal();
    }
    void OpenChooser()
    {
        OpenChapterStudy();
        ASSERT_TRUE(rt().Click(app.form2.Command2));
        fake.ClearJournal();
    }
    DrillChooser& chooser() { return app.drill_chooser; }
    Form6& drill() { return app.form6; }
};

TEST_F(DrillChooserTest, chapter_study_opens_the_chooser_on_the_first_section_and_stays_loaded_beneath)
{
    OpenChapterStudy();
    EXPECT_EQ(app.form2.Command2.caption(), "选择题训练");
    ASSERT_TRUE(rt().Click(app.form2.Command2));
    EXPECT_EQ(fake.journal(), (Journal{"load DrillChooser", "show DrillChooser", "hide Form2"}));
    EXPECT_EQ(chooser().caption(), "选择题训练");
    EXPECT_EQ(Items(chooser().List1), (Names{"计算机基础知识", "利用Word 2010高效创建电子文档"}));
    EXPECT_EQ(chooser().List1.list_index(), 0);
    EXPECT_EQ(Items(chooser().List2), kBasicsSections);
    EXPECT_EQ(chooser().List2.list_index(), 0);
    EXPECT_EQ(chooser().Command1.caption(), "开始练习");
    EXPECT_EQ(chooser().Command2.caption(), "返回");
    EXPECT_TRUE(app.form2.is_loaded());
    EXPECT_EQ(VisibleWindows(rt()), (Names{"DrillChooser"}));

    ASSERT_TRUE(rt().Select(chooser().List1, 1));
    EXPECT_EQ(Items(chooser().List2), kWordSections);
    EXPECT_EQ(chooser().List2.list_index(), 0);
    ASSERT_TRUE(rt().Select(chooser().List1, 0));
    EXPECT_EQ(Items(chooser().List2), kBasicsSections);
    EXPECT_EQ(chooser().List2.list_index(), 0);
}

TEST_F(DrillChooserTest, the_choosers_back_shows_chapter_study_with_its_chapter)
{
    OpenChooser();
    ASSERT_TRUE(rt().Click(chooser().Command2));
    EXPECT_EQ(fake.journal(), (Journal{"show Form2", "hide DrillChooser", "unload DrillChooser"}));
    EXPECT_EQ(app.form2.List1.list_index(), 3);
    EXPECT_EQ(app.form2.load_count(), 1u);
}

TEST_F(DrillChooserTest, closing_the_chooser_by_its_title_bar_returns_to_chapter_study)
{
    OpenChooser();
    ASSERT_TRUE(rt().CloseByTitleBar(chooser()));
    EXPECT_FALSE(rt().ended());
    EXPECT_FALSE(chooser().is_loaded());
    EXPECT_TRUE(app.form2.is_visible());
    EXPECT_EQ(app.form2.List1.list_index(), 3);
}

// Whatever section is chosen and whatever number another window left, the
// drill opens on question 1 with an empty feedback box and nothing chosen.
TEST_F(DrillChooserTest, start_opens_the_drill_on_question_one_of_the_chosen_section)
{
    struct Row {
        int chapter;
        int section;
        int left_behind;
    };
    std::vector<Row> rows;
    for (int s = 0; s < 7; ++s)
        rows.push_back({0, s, s == 0 ? 0 : 57});
    for (int s = 0; s < 6; ++s)
        rows.push_back({1, s, s == 0 ? -3 : 2});
    OpenChapterStudy();
    for (const Row& row : rows) {
        const std::string chapter = row.chapter == 0 ? "计算机基础知识" : "利用Word 2010高效创建电子文档";
        const std::string section = (row.chapter == 0 ? kBasicsSections : kWordSections)[static_cast<size_t>(row.section)];
        SCOPED_TRACE(section);
        ASSERT_TRUE(rt().Click(app.form2.Command2));
        if (row.chapter != 0) {
            ASSERT_TRUE(rt().Select(chooser().List1, row.chapter));
        }
        if (row.section != 0) {
            ASSERT_TRUE(rt().Select(chooser().List2, row.section));
        }
        app.m.CurrentQuestion = row.left_behind;
        fake.ClearJournal();
        ASSERT_TRUE(rt().Click(chooser().Command1));

        EXPECT_EQ(fake.journal(), (Journal{"load Form6", "show Form6", "hide DrillChooser", "unload DrillChooser"}));
        EXPECT_EQ(VisibleWindows(rt()), (Names{"Form6"}));
        EXPECT_TRUE(app.form2.is_loaded());
        EXPECT_EQ(drill().Label3.caption(), chapter);
        EXPECT_EQ(drill().Label4.caption(), section);
        EXPECT_EQ(Items(drill().List1), (Names{"选择题"}));
        EXPECT_EQ(drill().List1.list_index(), 0);
        EXPECT_EQ(app.m.CurrentQuestion, 1);
        const banks::DrillSection* s = banks::FindDrillSection(chapter, section, banks::DrillUse::Question, 0);
        ASSERT_TRUE(s);
        banks::DrillRow first = banks::DrillQuestion(*s, 1);
        EXPECT_EQ(drill().StemDisplay.caption(), first.stem);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(drill().Optbutton(i).caption(), first.options[static_cast<size_t>(i)]);
            EXPECT_FALSE(drill().Optbutton(i).value());
        }
        EXPECT_EQ(drill().Text1.text(), "");
        ASSERT_TRUE(rt().Click(drill().Command5));
    }
}

TEST_F(DrillChooserTest, start_closes_an_open_steps_window_first)
{
    OpenChapterStudy();
    ASSERT_TRUE(rt().Select(app.form2.List1, 1));
    ASSERT_TRUE(rt().Click(app.form2.Command1));
    ASSERT_TRUE(rt().Click(app.form7.Command2));
    ASSERT_TRUE(app.form9.Command1.visible());
    ASSERT_TRUE(rt().Click(app.form7.Command8));
    ASSERT_TRUE(rt().Click(app.form2.Command2));
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(chooser().Command1));
    Journal journal = fake.journal();
    ASSERT_GE(journal.size(), 2u);
    EXPECT_EQ(Journal(journal.begin(), journal.begin() + 2), (Journal{"hide Form9", "unload Form9"}));
    EXPECT_FALSE(app.form9.is_loaded());

    // The analysis then loads a steps window of its own, without the
    // exercise's answer button.
    ASSERT_TRUE(rt().Click(drill().Command2));
    EXPECT_TRUE(app.form9.is_visible());
    EXPECT_FALSE(app.form9.Command1.visible());
}

// The title bar's close leaves the drill the way "返回" does, so the
// learner lands in chapter study instead of on an empty screen.
TEST_F(DrillChooserTest, closing_the_drill_by_its_title_bar_returns_to_chapter_study)
{
    OpenChooser();
    ASSERT_TRUE(rt().Click(chooser().Command1));
    ASSERT_TRUE(rt().Click(drill().cmd(1)));
    ASSERT_TRUE(rt().CloseByTitleBar(drill()));
    EXPECT_FALSE(rt().ended());
    EXPECT_FALSE(drill().is_loaded());
    EXPECT_TRUE(app.form2.is_visible());
    EXPECT_EQ(app.form2.List1.list_index(), 3);
    EXPECT_EQ(app.m.CurrentQuestion, 0);
}

TEST_F(DrillChooserTest, the_drills_back_returns_to_chapter_study_and_leaves_hint_and_steps_open)
{
    OpenChooser();
    ASSERT_TRUE(rt().Click(chooser().Command1));
    ASSERT_TRUE(rt().Click(drill().cmd(0)));
    ASSERT_TRUE(rt().Click(drill().Command2));
    ASSERT_TRUE(app.form38.is_visible() && app.form9.is_visible());
    fake.ClearJournal();

    ASSERT_TRUE(rt().Click(drill().Command5));
    EXPECT_EQ(fake.journal(), (Journal{"hide Form6", "unload Form6", "show Form2"}));
    EXPECT_EQ(app.m.CurrentQuestion, 0);
    EXPECT_EQ(app.form2.List1.list_index(), 3);
    EXPECT_TRUE(app.form38.is_visible());
    EXPECT_TRUE(app.form9.is_visible());

    // A second round starts again from the design values.
    ASSERT_TRUE(rt().Click(app.form2.Command2));
    EXPECT_EQ(chooser().List1.list_index(), 0);
    ASSERT_TRUE(rt().Select(chooser().List2, 4));
    ASSERT_TRUE(rt().Click(chooser().Command1));
    EXPECT_EQ(drill().Label4.caption(), "多媒体技术简介");
    EXPECT_EQ(Items(drill().List1), (Names{"选择题"}));
    EXPECT_EQ(app.m.CurrentQuestion, 1);
}

TEST_F(DrillChooserTest, no_drill_box_accepts_typing)
{
    OpenChooser();
    ASSERT_TRUE(rt().Click(chooser().Command1));
    EXPECT_FALSE(rt().Type(drill().Text1, "typed"));
    EXPECT_EQ(drill().Text1.text(), "");
    for (ui::Control* control : chooser().controls())
        EXPECT_NE(control->kind(), ui::ControlKind::TextBox) << control->name();
}

}  // namespace
}  // namespace boxi::testing

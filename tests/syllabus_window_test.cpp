// The syllabus window: written once per load, read-only, closed only by its
// close box or the end of the program.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "banks/Syllabus.h"
#include "support/Harness.h"

namespace boxi::testing {
namespace {

using Journal = std::vector<std::string>;

class SyllabusWindowTest : public AppTest {
protected:
    void OpenFromStartWindow()
    {
        StartFresh();
        ASSERT_TRUE(rt().Click(app.form8.Image2));
        ASSERT_TRUE(rt().Click(app.form59.Command1));
    }
};

TEST_F(SyllabusWindowTest, window_is_sizable_and_holds_the_syllabus_in_its_one_box)
{
    OpenFromStartWindow();
    const ui::WindowProps& window = app.form26.peek();
    EXPECT_EQ(app.form26.caption(), "二级MS Office高级应用考试大纲（2013年版）");
    EXPECT_EQ(window.border_style, ui::BorderStyle::Sizable);
    EXPECT_TRUE(window.max_button);
    EXPECT_EQ(window.client_width, 716);
    EXPECT_EQ(window.client_height, 564);
    EXPECT_EQ(app.form26.Text1.rect(), (ui::Rect{8, 8, 697, 545}));
    const ui::Props& box = app.form26.Text1.peek();
    EXPECT_TRUE(box.locked);
    EXPECT_TRUE(box.multiline);
    EXPECT_EQ(box.scrollbars, ui::ScrollBars::Vertical);
    EXPECT_EQ(app.form26.controls().size(), 1u);
    EXPECT_EQ(app.form26.Text1.text(), banks::SyllabusText());
    EXPECT_TRUE(app.form26.Text1.text().starts_with(std::string(28, ' ') + "基本要求"));
}

TEST_F(SyllabusWindowTest, showing_it_again_writes_nothing_again)
{
    OpenFromStartWindow();
    const auto revision = app.form26.Text1.revision();
    ASSERT_TRUE(rt().Click(app.form59.Command1));
    EXPECT_EQ(app.form26.Text1.revision(), revision);
    EXPECT_EQ(app.form26.load_count(), 1u);
}

TEST_F(SyllabusWindowTest, close_box_unloads_it_and_the_next_show_gives_the_same_text)
{
    OpenFromStartWindow();
    fake.ClearJournal();
    ASSERT_TRUE(rt().CloseByTitleBar(app.form26));
    EXPECT_EQ(fake.journal(), (Journal{"unload Form26"}));
    EXPECT_FALSE(rt().ended());
    ASSERT_TRUE(rt().Click(app.form59.Command1));
    EXPECT_EQ(app.form26.load_count(), 2u);
    EXPECT_EQ(app.form26.Text1.text(), banks::SyllabusText());
}

TEST_F(SyllabusWindowTest, typing_changes_nothing_and_a_right_press_pops_up_no_menu_of_ours)
{
    OpenFromStartWindow();
    fake.ClearJournal();
    EXPECT_FALSE(rt().Type(app.form26.Text1, "改动"));
    rt().MouseDown(app.form26.Text1, ui::kRightButton);
    EXPECT_EQ(app.form26.Text1.text(), banks::SyllabusText());
    EXPECT_TRUE(fake.Entries("PopupMenu").empty());
}

TEST_F(SyllabusWindowTest, stays_open_while_the_learner_goes_on_from_the_start_window)
{
    OpenFromStartWindow();
    ASSERT_TRUE(rt().Click(app.form59.Command4));
    ASSERT_TRUE(rt().Click(app.form43.Option1(1)));
    ASSERT_TRUE(rt().Click(app.form43.Command4));
    fake.AnswerNextBox(platform::MsgAnswer::Yes);
    ASSERT_TRUE(rt().Click(app.form12.Image5));
    ASSERT_TRUE(rt().Click(app.form13.Image4));
    Advance(100);
    ASSERT_TRUE(rt().Click(app.form14.Check1));
    ASSERT_TRUE(rt().Click(app.form14.Image3));
    EXPECT_TRUE(app.form26.is_visible());
    EXPECT_EQ(app.form26.load_count(), 1u);
}

}  // namespace
}  // namespace boxi::testing

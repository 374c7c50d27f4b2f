// The written-exam draw: its opener on the mode choice, the wait, the
// draw and the empty window after it.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "support/ExamHarness.h"

namespace boxi::testing {
namespace {

using Journal = std::vector<std::string>;

class WrittenExamDrawTest : public ExamTest {
protected:
    Form44& draw() { return app.form44; }
    void OpenDraw()
    {
        StartFresh();
        ASSERT_TRUE(rt().Click(app.form8.Image2));
        ASSERT_TRUE(rt().Click(app.form59.Command4));
        fake.ClearJournal();
        ASSERT_TRUE(rt().Click(app.form43.Command1));
    }
};

TEST_F(WrittenExamDrawTest, the_mode_choice_button_shows_the_draw_and_keeps_itself_loaded)
{
    OpenDraw();
    EXPECT_EQ(fake.journal(), (Journal{"load Form44", "show Form44", "hide Form43"}));
    EXPECT_TRUE(app.form43.is_loaded());
    EXPECT_EQ(app.form43.Command1.caption(), "笔试模拟");
    EXPECT_EQ(draw().caption(), "笔试考试");
    EXPECT_EQ(draw().Label1.caption(), "全国计算机等级考试二级Access笔试模拟考试");
    EXPECT_FALSE(draw().Timer1.enabled());
    Advance(60000);
    EXPECT_EQ(app.form10.Combo1.peek().text, "实例1") << "nothing is drawn before the button";
}

TEST_F(WrittenExamDrawTest, the_draw_follows_eight_seconds_after_the_button_once)
{
    OpenDraw();
    ASSERT_TRUE(rt().Click(draw().Command1));
    EXPECT_EQ(draw().Label1.caption(), "正在抽取笔试试题，请稍等……");
    fake.ScriptRnd(0.35);
    Advance(7999);
    EXPECT_FALSE(app.form45.is_loaded());
    fake.ClearJournal();
    Advance(1);
    EXPECT_EQ(fake.journal(), (Journal{"Randomize(36000)", "show Form10", "hide Form10", "load Form45", "show Form45",
                                       "hide Form43", "unload Form43"}));
    EXPECT_EQ(app.form10.CurrentSetName(), "第4套");
    EXPECT_EQ(app.form10.Label3.caption(), "笔试");
    EXPECT_EQ(app.form10.Label4.caption(), "考试");
    EXPECT_FALSE(draw().Timer1.enabled());
    EXPECT_EQ(draw().Label1.caption(), "正在抽取笔试试题，请稍等……");
    EXPECT_EQ(VisibleWindows(rt()), (std::vector<std::string>{"Form8", "Form44", "Form45"}));
    EXPECT_NE(app.form45.caption(), draw().caption());
    EXPECT_TRUE(app.form45.controls().empty());
    fake.ClearJournal();
    Advance(60000);
    EXPECT_TRUE(fake.journal().empty());
}

TEST_F(WrittenExamDrawTest, draws_give_the_first_ten_sets_only)
{
    std::set<std::string> drawn;
    for (double r : {0.0, 0.0999, 0.1, 0.5, 0.95, 0.99999994}) {
        OpenDraw();
        ASSERT_TRUE(rt().Click(draw().Command1));
        fake.ScriptRnd(r);
        Advance(8000);
        drawn.insert(app.form10.CurrentSetName());
    }
    EXPECT_EQ(drawn, (std::set<std::string>{"第1套", "第2套", "第6套", "第10套"}));
}

TEST_F(WrittenExamDrawTest, leaving_during_the_wait_draws_nothing)
{
    OpenDraw();
    ASSERT_TRUE(rt().Click(draw().Command1));
    Advance(4000);
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(draw().Command3));
    EXPECT_EQ(fake.journal(), (Journal{"hide Form44", "unload Form44", "show Form43"}));
    Advance(20000);
    EXPECT_EQ(app.form10.CurrentSetName(), "实例1");
    EXPECT_FALSE(app.form45.is_loaded());
}

}  // namespace
}  // namespace boxi::testing

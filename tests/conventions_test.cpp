#include <gtest/gtest.h>

#include "common/Conventions.h"
#include "support/Harness.h"

namespace boxi::testing {
namespace {

class ConventionsTest : public AppTest {};

TEST_F(ConventionsTest, right_click_guard_pops_the_one_item_menu_and_leaves_the_text)
{
    StartFresh();
    Run([&] {
        app.form9.Text1.set_text("steps");
        app.form9.Show();
    });
    fake.ClearJournal();
    auto revision = app.form9.Text1.revision();
    ASSERT_TRUE(rt().MouseDown(app.form9.Text1, ui::kRightButton, 0, 30, 40));
    EXPECT_EQ(fake.journal(), (std::vector<std::string>{"PopupMenu(Form9, popmenu, [\"禁止右键\"]) -> -1"}));
    EXPECT_EQ(app.form9.Text1.text(), "steps");
    EXPECT_TRUE(app.form9.Text1.enabled());
    EXPECT_EQ(app.form9.Text1.revision(), revision + 2);  // disabled and enabled again

    fake.ClearJournal();
    ASSERT_TRUE(rt().MouseDown(app.form9.Text1, ui::kLeftButton));
    EXPECT_TRUE(fake.journal().empty());
    // Choosing the item does nothing.
    fake.ChooseNextPopupItem(0);
    ASSERT_TRUE(rt().MouseDown(app.form9.Text1, ui::kRightButton));
    EXPECT_EQ(fake.journal().size(), 1u);
    EXPECT_TRUE(app.form9.is_visible());
}

TEST_F(ConventionsTest, keep_on_top_makes_the_window_topmost_without_moving_it)
{
    StartFresh();
    Run([&] { app.form9.Text1.set_text("loaded hidden by a write"); });
    EXPECT_EQ(fake.Entries("SetWindowPos"),
              (std::vector<std::string>{"SetWindowPos(Form9, HWND_TOPMOST, 0, 0, 0, 0, 3)"}));
    EXPECT_FALSE(app.form9.is_visible());
}

TEST_F(ConventionsTest, folder_paths_and_commands)
{
    EXPECT_EQ(MaterialFolder("技能练习", "311"), "C:\\Excel砺行\\素材\\技能练习\\311");
    EXPECT_EQ(AnswerFolder("实战模拟", "实例12"), "C:\\Excel砺行\\答案\\实战模拟\\实例12");
    EXPECT_EQ(ExplorerFolderCommand("C:\\Excel砺行\\素材\\技能练习\\311"),
              "explorer /n,C:\\Excel砺行\\素材\\技能练习\\311");
}

TEST_F(ConventionsTest, message_boxes_without_a_title_show_the_program_title)
{
    StartFresh();
    fake.AnswerNextBox(platform::MsgAnswer::Ok);
    Run([&] { MsgBox(rt(), "请先选择学习章节"); });
    EXPECT_EQ(fake.journal().back(), "MsgBox(\"请先选择学习章节\", 0, \"计算机博习系列\") -> OK");
}

TEST(DrawNumberTest, stays_within_one_to_n_at_the_edges_of_the_generator)
{
    platform::FakePlatform fake;
    RandomizeFromClock(fake);
    EXPECT_EQ(fake.journal(), (std::vector<std::string>{"Randomize(36000)"}));
    struct Row {
        double rnd;
        int drawn;
    };
    for (Row row : {Row{0.0, 1}, Row{0.024, 1}, Row{0.025, 2}, Row{0.5, 21}, Row{0.999999999, 40}, Row{1.0, 40},
                    Row{-0.1, 1}}) {
        fake.ScriptRnd(row.rnd);
        EXPECT_EQ(DrawNumber(fake, 40), row.drawn) << row.rnd;
    }
}

TEST(Module1Test, tables_are_bounds_safe_and_start_empty)
{
    Module1 m;
    EXPECT_EQ(m.CurrentQuestion, 0);
    EXPECT_EQ(m.Table.QuestionText(22), "");
    m.Table.QuestionText.Set(70, "last");
    m.Table.QuestionText.Set(71, "outside");
    m.Table.QuestionText.Set(-1, "outside");
    EXPECT_EQ(m.Table.QuestionText(70), "last");
    EXPECT_EQ(m.Table.QuestionText(71), "");
    EXPECT_EQ(m.Table.QuestionText(-1), "");
    EXPECT_EQ(m.Table.QuestionText(1000000), "");
    static_assert(sizeof(m.CurrentQuestion) >= 4);
}

}  // namespace
}  // namespace boxi::testing

// The steps window: a topmost text window whose answer button follows the
// chapter and exercise as they stand at the click.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "banks/Lines.h"
#include "banks/OperationExercises.h"
#include "support/Harness.h"

namespace boxi::testing {
namespace {

using Journal = std::vector<std::string>;

std::string Steps(int chapter, int number)
{
    for (const banks::OperationExercise* exercise : banks::OperationExercises()) {
        if (exercise->chapter == chapter && exercise->number == number)
            return banks::JoinCrLf(exercise->steps_lines);
    }
    return "";
}

std::string AnswerShell(const std::string& folder)
{
    return "Shell(\"explorer /n,C:\\Excel砺行\\答案\\技能练习\\" + folder + "\", 1)";
}

class StepsWindowTest : public AppTest {
protected:
    // Chapter study on `chapter`, its exercises on exercise `number`, then
    // "操作步骤": the steps window is on screen with its answer button.
    void OpenSteps(int chapter, int number)
    {
        StartFresh();
        ASSERT_TRUE(rt().Click(app.form8.Image1));
        ASSERT_TRUE(rt().Click(app.form60.Command2));
        ASSERT_TRUE(rt().Select(app.form2.List1, chapter));
        ASSERT_TRUE(rt().Click(app.form2.Command1));
        while (app.m.CurrentQuestion < number)
            ASSERT_TRUE(rt().Click(app.form7.cmd(1)));
        ASSERT_TRUE(rt().Click(app.form7.Command2));
        ASSERT_TRUE(steps().Command1.visible());
        fake.ClearJournal();
    }

    Form9& steps() { return app.form9; }
};

TEST_F(StepsWindowTest, a_write_loads_it_hidden_topmost_with_the_answer_button_hidden)
{
    StartFresh();
    Run([&] { steps().Text1.set_text("答案：B\r\n分析：略"); });
    EXPECT_EQ(fake.journal(), (Journal{"load Form9", "SetWindowPos(Form9, HWND_TOPMOST, 0, 0, 0, 0, 3)"}));
    EXPECT_FALSE(steps().is_visible());
    EXPECT_EQ(steps().caption(), "操作步骤");
    EXPECT_EQ(steps().Command1.caption(), "查看答案文件");
    EXPECT_EQ(steps().Command1.back_color(), ui::Color::Rgb(255, 255, 0));
    EXPECT_FALSE(steps().Command1.visible());
    EXPECT_EQ(steps().Command2.caption(), "关闭");
    EXPECT_TRUE(steps().Text1.locked());

    fake.ClearJournal();
    Run([&] { steps().Show(); });
    EXPECT_EQ(fake.journal(), (Journal{"show Form9"}));
    EXPECT_EQ(steps().Text1.text(), "答案：B\r\n分析：略");
    EXPECT_FALSE(steps().Command1.visible());
}

TEST_F(StepsWindowTest, answer_button_opens_the_folder_of_the_pair_at_the_click)
{
    struct Row {
        int chapter;
        int number;
        const char* folder;  // nullptr: nothing opens
    };
    const Row rows[] = {
        {0, 1, "301"},   {1, 1, "311"},   {1, 2, "312"},   {2, 1, "321"},   {3, 1, "331"},
        {3, 2, "332"},   {4, 1, "341"},   {4, 2, "342"},   {4, 3, "343"},   {5, 1, "351"},
        {2, 2, nullptr}, {0, 0, nullptr}, {0, 2, nullptr}, {5, 2, nullptr}, {4, 4, nullptr},
        {1, -1, nullptr}, {3, 37, nullptr},
    };
    OpenSteps(0, 1);
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.chapter) + ", " + std::to_string(row.number));
        // Chapter study, hidden beneath, and CurrentQuestion change behind
        // the steps window's back.
        Run([&] { app.form2.List1.set_list_index(row.chapter); });
        app.m.CurrentQuestion = row.number;
        fake.ClearJournal();
        ASSERT_TRUE(rt().Click(steps().Command1));
        EXPECT_EQ(fake.journal(), row.folder ? Journal{AnswerShell(row.folder)} : Journal{});
    }
}

TEST_F(StepsWindowTest, after_back_and_another_chapter_the_answer_button_follows_the_new_chapter)
{
    OpenSteps(1, 2);
    ASSERT_TRUE(rt().Click(app.form7.Command8));
    ASSERT_TRUE(steps().is_visible());

    ASSERT_TRUE(rt().Select(app.form2.List1, 3));
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(steps().Command1));
    EXPECT_EQ(fake.journal(), (Journal{AnswerShell("332")}));

    ASSERT_TRUE(rt().Select(app.form2.List1, 2));
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(steps().Command1));
    EXPECT_TRUE(fake.journal().empty());
    EXPECT_EQ(steps().Text1.text(), Steps(1, 2));  // the text on screen plays no part
}

TEST_F(StepsWindowTest, with_chapter_study_unloaded_the_click_loads_it_hidden_on_chapter_0)
{
    struct Row {
        int number;
        Journal journal;
    };
    const Row rows[] = {
        {1, {"load Form2", AnswerShell("301")}},
        {2, {"load Form2"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("exercise " + std::to_string(row.number));
        OpenSteps(4, row.number);
        ASSERT_TRUE(rt().Click(app.form7.Command8));
        ASSERT_TRUE(rt().Click(app.form2.Command3));
        ASSERT_FALSE(app.form2.is_loaded());
        fake.ClearJournal();
        ASSERT_TRUE(rt().Click(steps().Command1));
        EXPECT_EQ(fake.journal(), row.journal);
        EXPECT_TRUE(app.form2.is_loaded());
        EXPECT_FALSE(app.form2.is_visible());
        EXPECT_EQ(app.form2.List1.list_index(), 0);
        ASSERT_TRUE(rt().Click(steps().Command2));
        Run([&] { app.form2.Unload(); });
    }
}

TEST_F(StepsWindowTest, close_hides_then_unloads_and_the_next_caller_gets_a_fresh_window)
{
    OpenSteps(1, 1);
    ASSERT_TRUE(rt().Click(steps().Command2));
    EXPECT_EQ(fake.journal(), (Journal{"hide Form9", "unload Form9"}));
    EXPECT_TRUE(app.form7.is_visible());

    // The exam's choice window writes and shows it; it never touches the button.
    Run([&] {
        steps().Text1.set_text("答案：A\r\n分析：略");
        steps().Show();
    });
    EXPECT_FALSE(steps().Command1.visible());
    EXPECT_EQ(steps().load_count(), 2u);
}

TEST_F(StepsWindowTest, a_window_only_hidden_keeps_its_text_and_its_answer_button)
{
    OpenSteps(1, 1);
    Run([&] { steps().Hide(); });
    Run([&] { steps().Show(); });
    EXPECT_EQ(steps().Text1.text(), Steps(1, 1));
    EXPECT_TRUE(steps().Command1.visible());
    EXPECT_EQ(steps().load_count(), 1u);
}

TEST_F(StepsWindowTest, title_bar_close_unloads_only_the_steps_window)
{
    OpenSteps(2, 1);
    ASSERT_TRUE(rt().CloseByTitleBar(steps()));
    EXPECT_EQ(fake.journal(), (Journal{"unload Form9"}));
    EXPECT_TRUE(app.form7.is_visible());
    EXPECT_FALSE(rt().ended());
}

}  // namespace
}  // namespace boxi::testing

// The operation exercise window: buttons per chapter, previous and next, the
// program button, the material folders, the steps window and the way back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "banks/Lines.h"
#include "banks/OperationExercises.h"
#include "support/Harness.h"

namespace boxi::testing {
namespace {

using Journal = std::vector<std::string>;

const banks::OperationExercise* Exercise(int chapter, int number)
{
    for (const banks::OperationExercise* exercise : banks::OperationExercises()) {
        if (exercise->chapter == chapter && exercise->number == number)
            return exercise;
    }
    return nullptr;
}

std::string Task(int chapter, int number) { return banks::JoinCrLf(Exercise(chapter, number)->task_lines); }
std::string Steps(int chapter, int number) { return banks::JoinCrLf(Exercise(chapter, number)->steps_lines); }

constexpr const char* kRedoBox = "MsgBox(\"如果想重做，请单击“下一题”按钮。\", 0, \"提示\") -> OK";
constexpr const char* kEndBox = "MsgBox(\"本章节操作题完毕！\", 0, \"提示\") -> OK";
constexpr const char* kExcelLaunch = "ShellExecute(0, \"open\", \"EXCEL\", \"\", \"\", 3)";

class ExerciseWindowTest : public AppTest {
protected:
    // Chooses `chapter` in chapter study and presses "本章节同步习题训练";
    // enters chapter study from the portal first when it is not on screen.
    void OpenExercises(int chapter)
    {
        if (!app.form2.is_visible()) {
            StartFresh();
            ASSERT_TRUE(rt().Click(app.form8.Image1));
            ASSERT_TRUE(rt().Click(app.form60.Command2));
        }
        ASSERT_TRUE(rt().Select(app.form2.List1, chapter));
        ASSERT_TRUE(rt().Click(app.form2.Command1));
        fake.ClearJournal();
    }

    // Presses "下一题" until exercise `number` is on screen.
    void GoTo(int number)
    {
        while (app.m.CurrentQuestion < number)
            ASSERT_TRUE(rt().Click(w().cmd(1)));
        fake.ClearJournal();
    }

    Form7& w() { return app.form7; }
};

TEST_F(ExerciseWindowTest, load_shows_exercise_1_and_the_buttons_of_the_chapter)
{
    struct Row {
        int chapter;
        int count;
        bool navigation;  // Frame2 with "上一题" and "下一题"
        bool material;
        bool program;
    };
    const Row rows[] = {
        {0, 1, false, false, true}, {1, 2, true, true, true},   {2, 1, false, true, false},
        {3, 2, true, true, false},  {4, 3, true, true, false}, {5, 1, false, true, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("chapter " + std::to_string(row.chapter));
        app.m.CurrentQuestion = 2;  // the load shows exercise 1 whatever this holds
        OpenExercises(row.chapter);
        EXPECT_EQ(w().caption(), "操作题");
        EXPECT_EQ(app.m.OperationTaskCount, row.count);
        EXPECT_EQ(w().Text1.text(), Task(row.chapter, 1));
        EXPECT_EQ(w().Frame2.visible(), row.navigation);
        EXPECT_EQ(w().Command10.visible(), row.material);
        EXPECT_EQ(w().Command7.visible(), row.program);
        EXPECT_EQ(w().Command7.caption(), "打开[Excel]应用程序");  // also where it stays hidden
        EXPECT_EQ(w().cmd(0).caption(), "上一题");
        EXPECT_EQ(w().cmd(1).caption(), "下一题");
        EXPECT_EQ(w().Command10.caption(), "打开素材");
        EXPECT_EQ(w().Command2.caption(), "操作步骤");
        EXPECT_EQ(w().Command8.caption(), "返回");
        EXPECT_EQ(w().Command10.back_color(), ui::Color::Rgb(255, 192, 128));
        EXPECT_EQ(w().Command7.back_color(), ui::Color::Rgb(255, 192, 128));
        EXPECT_TRUE(w().Text1.locked());
        ASSERT_TRUE(rt().Click(w().Command8));
    }
}

TEST_F(ExerciseWindowTest, previous_and_next_walk_the_chapter_and_stop_at_both_ends)
{
    OpenExercises(4);
    struct Step {
        int button;  // 0 "上一题", 1 "下一题"
        int expected;
        const char* box;  // nullptr: no message
    };
    const Step steps[] = {
        {0, 1, kRedoBox}, {1, 2, nullptr}, {1, 3, nullptr}, {1, 3, kEndBox}, {0, 2, nullptr}, {0, 1, nullptr},
    };
    int n = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE("step " + std::to_string(++n));
        fake.ClearJournal();
        if (step.box)
            fake.AnswerNextBox(platform::MsgAnswer::Ok);
        ASSERT_TRUE(rt().Click(w().cmd(step.button)));
        EXPECT_EQ(app.m.CurrentQuestion, step.expected);
        EXPECT_EQ(w().Text1.text(), Task(4, step.expected));
        EXPECT_EQ(fake.journal(), step.box ? Journal{step.box} : Journal{});
        EXPECT_TRUE(w().Command10.visible());
        EXPECT_FALSE(w().Command7.visible());
    }
}

TEST_F(ExerciseWindowTest, previous_and_next_bring_a_stray_exercise_number_back_within_the_chapter)
{
    // Other windows write CurrentQuestion too and may leave it anywhere.
    struct Row {
        int start;
        int button;
        int expected;
        const char* box;
    };
    const Row rows[] = {
        {37, 1, 3, kEndBox}, {37, 0, 3, nullptr}, {-5, 0, 1, kRedoBox},
        {-5, 1, 1, nullptr}, {0, 1, 1, nullptr},  {0, 0, 1, kRedoBox},
    };
    OpenExercises(4);
    for (const Row& row : rows) {
        SCOPED_TRACE("from " + std::to_string(row.start) + (row.button ? " 下一题" : " 上一题"));
        app.m.CurrentQuestion = row.start;
        fake.ClearJournal();
        if (row.box)
            fake.AnswerNextBox(platform::MsgAnswer::Ok);
        ASSERT_TRUE(rt().Click(w().cmd(row.button)));
        EXPECT_EQ(app.m.CurrentQuestion, row.expected);
        EXPECT_EQ(w().Text1.text(), Task(4, row.expected));
        EXPECT_EQ(fake.journal(), row.box ? Journal{row.box} : Journal{});
        EXPECT_TRUE(w().Command10.visible());
    }
}

TEST_F(ExerciseWindowTest, navigation_hides_the_program_button_until_the_window_is_loaded_again)
{
    OpenExercises(1);
    EXPECT_TRUE(w().Command7.visible());
    ASSERT_TRUE(rt().Click(w().cmd(1)));
    EXPECT_FALSE(w().Command7.visible());
    EXPECT_TRUE(w().Command10.visible());
    ASSERT_TRUE(rt().Click(w().cmd(0)));
    EXPECT_EQ(app.m.CurrentQuestion, 1);
    EXPECT_FALSE(w().Command7.visible());
    EXPECT_TRUE(w().Command10.visible());

    ASSERT_TRUE(rt().Click(w().Command8));
    OpenExercises(1);
    EXPECT_TRUE(w().Command7.visible());
}

TEST_F(ExerciseWindowTest, program_button_starts_excel_maximised_where_it_is_shown)
{
    for (int chapter = 0; chapter < 6; ++chapter) {
        SCOPED_TRACE("chapter " + std::to_string(chapter));
        OpenExercises(chapter);
        const bool shown = chapter == 0 || chapter == 1 || chapter == 5;
        EXPECT_EQ(rt().Click(w().Command7), shown);
        EXPECT_EQ(fake.journal(), shown ? Journal{kExcelLaunch} : Journal{});
        ASSERT_TRUE(rt().Click(w().Command8));
    }
}

TEST_F(ExerciseWindowTest, program_button_starts_what_the_launch_table_lists_for_its_caption)
{
    struct Row {
        const char* caption;
        std::vector<const char*> programs;
    };
    const std::vector<Row> rows = {
        {"打开[记事本和写字板程序]", {"notepad", "wordpad"}},
        {"打开[记事本]应用程序", {"notepad"}},
        {"打开[Windows资源管理器]", {"explorer"}},
        {"打开[Word]应用程序", {"WINWORD"}},
        {"打开[Excel]应用程序", {"EXCEL"}},
        {"打开[PowerPoint]应用程序", {"POWERPNT"}},
        {"打开[Access]应用程序", {"MSACCESS"}},
        {"打开[Ie]应用程序", {"iexplore"}},
        {"打开[Outlook]应用程序", {"OUTLOOK"}},
        // Compared exactly: nothing else starts anything.
        {"打开[excel]应用程序", {}},
        {"打开[Excel]应用程序 ", {}},
        {"Command7", {}},
        {"", {}},
    };
    OpenExercises(0);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.caption);
        Run([&] { w().Command7.set_caption(row.caption); });
        fake.ClearJournal();
        ASSERT_TRUE(rt().Click(w().Command7));
        Journal expected;
        for (const char* program : row.programs)
            expected.push_back(std::string("ShellExecute(0, \"open\", \"") + program + "\", \"\", \"\", 3)");
        EXPECT_EQ(fake.journal(), expected);
    }
}

TEST_F(ExerciseWindowTest, material_button_opens_the_folder_of_each_stored_exercise)
{
    struct Row {
        int chapter;
        int number;
        const char* command;
    };
    const Row rows[] = {
        {1, 1, "explorer /n,C:\\Excel砺行\\素材\\技能练习\\311"},
        {1, 2, "explorer /n,C:\\Excel砺行\\素材\\技能练习\\312"},
        {2, 1, "explorer /n,C:\\Excel砺行\\素材\\技能练习\\321"},
        {3, 1, "explorer /n,C:\\Excel砺行\\素材\\技能练习\\331"},
        {3, 2, "explorer /n,C:\\Excel砺行\\素材\\技能练习\\332"},
        {4, 1, "explorer /n,C:\\Excel砺行\\素材\\技能练习\\341"},
        {4, 2, "explorer /n,C:\\Excel砺行\\素材\\技能练习\\342"},
        {4, 3, "explorer /n,C:\\Excel砺行\\素材\\技能练习\\343"},
        {5, 1, "explorer /n,C:\\Excel砺行\\素材\\技能练习\\351"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.command);
        OpenExercises(row.chapter);
        GoTo(row.number);
        ASSERT_TRUE(rt().Click(w().Command10));
        EXPECT_EQ(fake.journal(), (Journal{std::string("Shell(\"") + row.command + "\", 1)"}));
        ASSERT_TRUE(rt().Click(w().Command8));
    }

    // A start that fails is not looked at: no message of the program's own.
    OpenExercises(2);
    fake.fail_launches = true;
    ASSERT_TRUE(rt().Click(w().Command10));
    EXPECT_EQ(fake.journal().size(), 1u);
}

TEST_F(ExerciseWindowTest, material_button_opens_nothing_for_any_other_pair)
{
    struct Row {
        int chapter;
        int number;  // as another window may have left it
    };
    const Row rows[] = {{2, 2}, {5, 2}, {1, 3}, {3, 0}, {4, 4}, {4, -1}, {1, 37}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.chapter) + ", " + std::to_string(row.number));
        OpenExercises(row.chapter);
        app.m.CurrentQuestion = row.number;
        ASSERT_TRUE(rt().Click(w().Command10));
        EXPECT_TRUE(fake.journal().empty());
        ASSERT_TRUE(rt().Click(w().Command8));
    }

    // Chapter 0 has no material folder; its button is hidden, and the click
    // opens nothing even when code raises it.
    OpenExercises(0);
    EXPECT_FALSE(rt().Click(w().Command10));
    Run([&] { w().Command10.UserClick(); });
    EXPECT_TRUE(fake.journal().empty());
}

TEST_F(ExerciseWindowTest, steps_button_fills_and_shows_the_steps_window_with_its_answer_button)
{
    OpenExercises(1);
    GoTo(2);
    ASSERT_TRUE(rt().Click(w().Command2));
    EXPECT_EQ(fake.journal(),
              (Journal{"load Form9", "SetWindowPos(Form9, HWND_TOPMOST, 0, 0, 0, 0, 3)", "show Form9"}));
    EXPECT_EQ(app.form9.Text1.text(), Steps(1, 2));
    EXPECT_TRUE(app.form9.Command1.visible());
    EXPECT_TRUE(w().is_visible());
    EXPECT_TRUE(app.form9.is_visible());

    // For a number outside the stored exercises the button stays hidden.
    app.m.CurrentQuestion = 37;
    ASSERT_TRUE(rt().Click(w().Command2));
    EXPECT_EQ(app.form9.Text1.text(), "");
    EXPECT_FALSE(app.form9.Command1.visible());
}

TEST_F(ExerciseWindowTest, open_steps_window_keeps_its_steps_until_the_button_is_pressed_again)
{
    OpenExercises(1);
    GoTo(2);
    ASSERT_TRUE(rt().Click(w().Command2));
    ASSERT_TRUE(rt().Click(w().cmd(0)));
    EXPECT_EQ(app.form9.Text1.text(), Steps(1, 2));

    // The exam's caller hides the answer button; pressing again sets it anew.
    Run([&] { app.form9.Command1.set_visible(false); });
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(w().Command2));
    EXPECT_EQ(fake.journal(), (Journal{"show Form9"}));
    EXPECT_EQ(app.form9.Text1.text(), Steps(1, 1));
    EXPECT_TRUE(app.form9.Command1.visible());
    EXPECT_EQ(app.form9.load_count(), 1u);
}

TEST_F(ExerciseWindowTest, back_unloads_the_window_before_showing_chapter_study_and_leaves_the_steps_open)
{
    OpenExercises(3);
    GoTo(2);
    ASSERT_TRUE(rt().Click(w().Command2));
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(w().Command8));
    EXPECT_EQ(fake.journal(), (Journal{"hide Form7", "unload Form7", "show Form2"}));
    EXPECT_TRUE(app.form9.is_visible());
    EXPECT_EQ(app.form2.List1.list_index(), 3);
    EXPECT_EQ(app.m.CurrentQuestion, 2);  // kept after the window closes
}

TEST_F(ExerciseWindowTest, right_button_in_the_task_text_pops_the_one_item_menu_only)
{
    OpenExercises(1);
    const std::string text = w().Text1.text();
    ASSERT_TRUE(rt().MouseDown(w().Text1, ui::kLeftButton, 0, 10, 10));
    EXPECT_TRUE(fake.journal().empty());

    fake.ChooseNextPopupItem(0);  // the item does nothing
    ASSERT_TRUE(rt().MouseDown(w().Text1, ui::kRightButton, 0, 10, 10));
    EXPECT_EQ(fake.journal(), (Journal{"PopupMenu(Form7, popmenu, [\"禁止右键\"]) -> 0"}));
    EXPECT_EQ(w().Text1.text(), text);
    EXPECT_TRUE(w().Text1.enabled());
    EXPECT_TRUE(w().is_visible());
}

TEST_F(ExerciseWindowTest, title_bar_close_leads_back_to_chapter_study_as_back_does)
{
    // The steps window stays on screen, as after "返回".
    OpenExercises(1);
    ASSERT_TRUE(rt().Click(w().Command2));
    fake.ClearJournal();
    ASSERT_TRUE(rt().CloseByTitleBar(w()));
    EXPECT_EQ(fake.journal(), (Journal{"hide Form7", "unload Form7", "show Form2"}));
    EXPECT_FALSE(rt().ended());
    EXPECT_EQ(LoadedWindows(rt()), (std::vector<std::string>{"Form2", "Form9"}));
    EXPECT_EQ(VisibleWindows(rt()), (std::vector<std::string>{"Form2", "Form9"}));
}

TEST_F(ExerciseWindowTest, title_bar_close_of_the_last_window_on_screen_brings_chapter_study_back)
{
    // Chapter study hidden beneath comes back on the chapter practised.
    OpenExercises(1);
    ASSERT_TRUE(rt().CloseByTitleBar(w()));
    EXPECT_FALSE(rt().ended());
    EXPECT_EQ(VisibleWindows(rt()), (std::vector<std::string>{"Form2"}));
    EXPECT_EQ(app.form2.CurrentChapter(), 1);
}

}  // namespace
}  // namespace boxi::testing

// The task window and the case steps window: the case folders, Excel, the
// steps, the way back and the title-bar close.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "banks/CaseBank.h"
#include "common/Module1.h"
#include "support/Harness.h"

namespace boxi::testing {
namespace {

using Journal = std::vector<std::string>;

std::string MaterialShell(const std::string& name)
{
    return "Shell(\"explorer /n,C:\\Excel砺行\\素材\\实战模拟\\" + name + "\", 1)";
}

std::string AnswerShell(const std::string& name)
{
    return "Shell(\"explorer /n,C:\\Excel砺行\\答案\\实战模拟\\" + name + "\", 1)";
}

// The texts a case opening leaves in slot 22, as the bank writes them.
std::string WrittenTask(const std::string& name)
{
    QuestionTable table;
    banks::WriteCase(table, name);
    return table.QuestionText(22);
}

std::string WrittenSteps(const std::string& name)
{
    QuestionTable table;
    banks::WriteCase(table, name);
    return table.AnswerKey(22);
}

class TaskWindowTest : public AppTest {
protected:
    void SetUp() override
    {
        for (const banks::PracticalCase& present : banks::PresentCases())
            cases_.emplace_back(present.row.name);
        if (cases_.size() < 2)
            GTEST_SKIP() << "fewer than two cases in the bank yet";
    }

    // Opens `name` from the case chooser, entering it from the portal when
    // it is not on screen.
    void OpenCase(const std::string& name) { OpenFromCaseChooser(name); }

    // Opens the case and its steps window.
    void OpenCaseSteps(const std::string& name)
    {
        OpenCase(name);
        ASSERT_TRUE(rt().Click(task().Command2));
        fake.ClearJournal();
    }

    Form16& task() { return app.form16; }
    Form31& steps() { return app.form31; }
    // Two different cases the bank holds.
    const std::string& case_a() const { return cases_[0]; }
    const std::string& case_b() const { return cases_[1]; }

private:
    std::vector<std::string> cases_;
};

TEST_F(TaskWindowTest, the_task_window_shows_the_task_under_the_name_with_its_four_buttons)
{
    OpenCase(case_a());
    EXPECT_EQ(task().caption(), "实战模拟");
    EXPECT_EQ(task().Label4.caption(), case_a());
    EXPECT_EQ(task().Text1.text(), WrittenTask(case_a()));
    EXPECT_FALSE(task().Text1.text().empty());
    EXPECT_TRUE(task().Text1.locked());
    EXPECT_EQ(task().Command7.caption(), "打开[Excel]应用程序");
    EXPECT_EQ(task().Command10.caption(), "打开素材");
    EXPECT_EQ(task().Command2.caption(), "操作步骤");
    EXPECT_EQ(task().Command8.caption(), "返回");
    EXPECT_EQ(VisibleWindows(rt()), (std::vector<std::string>{"Form16"}));
}

TEST_F(TaskWindowTest, excel_button_starts_excel_maximised)
{
    OpenCase(case_b());
    ASSERT_TRUE(rt().Click(task().Command7));
    EXPECT_EQ(fake.journal(), (Journal{"ShellExecute(0, \"open\", \"EXCEL\", \"\", \"\", 3)"}));
}

TEST_F(TaskWindowTest, folder_buttons_open_the_folders_of_every_listed_name_read_at_the_click)
{
    OpenCaseSteps(case_a());
    for (int n = 1; n <= 40; ++n) {
        const std::string name = "实例" + std::to_string(n);
        SCOPED_TRACE(name);
        // The chooser, hidden beneath, gets another name.
        Run([&] { app.form10.SetCurrentSetName(name); });
        fake.ClearJournal();
        ASSERT_TRUE(rt().Click(task().Command10));
        ASSERT_TRUE(rt().Click(steps().Command1));
        EXPECT_EQ(fake.journal(), (Journal{MaterialShell(name), AnswerShell(name)}));
    }
}

TEST_F(TaskWindowTest, folder_buttons_do_nothing_for_any_other_name)
{
    OpenCaseSteps(case_a());
    const char* names[] = {"实例0", "实例41", "第3套", "", "实例", " 实例1", "实例1 ", "实例01", "实例１"};
    for (const char* name : names) {
        SCOPED_TRACE(std::string("\"") + name + "\"");
        Run([&] { app.form10.SetCurrentSetName(name); });
        fake.ClearJournal();
        ASSERT_TRUE(rt().Click(task().Command10));
        ASSERT_TRUE(rt().Click(steps().Command1));
        EXPECT_TRUE(fake.journal().empty());
    }
}

TEST_F(TaskWindowTest, material_of_a_case_without_texts_opens_under_the_previous_task)
{
    OpenCase(case_a());
    ASSERT_TRUE(rt().Click(task().Command8));
    OpenCase("实例35");
    EXPECT_EQ(task().Text1.text(), WrittenTask(case_a()));
    EXPECT_EQ(task().Label4.caption(), "实例35");
    ASSERT_TRUE(rt().Click(task().Command10));
    EXPECT_EQ(fake.journal(), (Journal{MaterialShell("实例35")}));
}

TEST_F(TaskWindowTest, steps_button_writes_the_steps_and_brings_the_one_steps_window_forward)
{
    OpenCase(case_a());
    ASSERT_TRUE(rt().Click(task().Command2));
    EXPECT_EQ(fake.journal(), (Journal{"load Form31", "show Form31"}));
    EXPECT_EQ(steps().caption(), "操作步骤");
    EXPECT_EQ(steps().Text1.text(), WrittenSteps(case_a()));
    EXPECT_TRUE(steps().Text1.locked());
    EXPECT_EQ(steps().Command1.caption(), "查看答案文件");
    EXPECT_EQ(steps().Command2.caption(), "关闭");

    Run([&] { app.m.Table.AnswerKey.Set(22, "新的步骤"); });
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(task().Command2));
    EXPECT_EQ(fake.journal(), (Journal{"show Form31"}));
    EXPECT_EQ(steps().Text1.text(), "新的步骤");
    EXPECT_EQ(steps().load_count(), 1u);
}

TEST_F(TaskWindowTest, back_releases_the_case_bank_and_returns_to_the_chooser_leaving_the_steps_open)
{
    OpenCaseSteps(case_a());
    ASSERT_TRUE(app.set_loader.CaseBankHeld());
    ASSERT_TRUE(rt().Click(task().Command8));
    EXPECT_EQ(fake.journal(), (Journal{"hide Form16", "unload Form16", "show Form10"}));
    EXPECT_FALSE(app.set_loader.CaseBankHeld());
    EXPECT_TRUE(steps().is_visible());
    EXPECT_EQ(steps().Text1.text(), WrittenSteps(case_a()));

    // The steps window's answer button follows the name now in the chooser.
    ASSERT_TRUE(rt().Type(app.form10.Combo1, case_b()));
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(steps().Command1));
    EXPECT_EQ(fake.journal(), (Journal{AnswerShell(case_b())}));

    // The released bank writes the next case afresh into a fresh window.
    ASSERT_TRUE(rt().Click(app.form10.Command2));
    EXPECT_EQ(task().Text1.text(), WrittenTask(case_b()));
    EXPECT_EQ(task().load_count(), 2u);
}

TEST_F(TaskWindowTest, title_bar_close_releases_the_case_bank_and_leads_back_as_back_does)
{
    // The steps window stays on screen, as after "返回".
    OpenCaseSteps(case_a());
    ASSERT_TRUE(app.set_loader.CaseBankHeld());
    ASSERT_TRUE(rt().CloseByTitleBar(task()));
    EXPECT_EQ(fake.journal(), (Journal{"hide Form16", "unload Form16", "show Form10"}));
    EXPECT_FALSE(app.set_loader.CaseBankHeld());
    EXPECT_FALSE(rt().ended());
    EXPECT_EQ(LoadedWindows(rt()), (std::vector<std::string>{"Form10", "Form31"}));
    EXPECT_EQ(VisibleWindows(rt()), (std::vector<std::string>{"Form10", "Form31"}));
    EXPECT_EQ(steps().Text1.text(), WrittenSteps(case_a()));
}

// A bank still held from elsewhere (an exam left with its task window
// hidden holds it) must not keep the chosen case from loading.
TEST_F(TaskWindowTest, a_case_chosen_while_the_case_bank_is_held_still_loads)
{
    OpenCase(case_a());
    ASSERT_TRUE(rt().Click(task().Command8));
    Run([&] {
        app.set_loader.Load(app.m.Table, "第1套", SetLoadUse::ExamStarting);
        app.m.Table.QuestionText.Set(banks::kCaseSlot, "");
    });
    ASSERT_TRUE(app.set_loader.CaseBankHeld());
    OpenCase(case_b());
    EXPECT_EQ(task().Text1.text(), app.m.Table.QuestionText(banks::kCaseSlot));
    EXPECT_FALSE(task().Text1.text().empty());
    EXPECT_EQ(task().Label4.caption(), case_b());
}

TEST_F(TaskWindowTest, title_bar_close_of_the_last_window_on_screen_brings_the_chooser_back)
{
    // The chooser hidden beneath comes back with the case last opened.
    OpenCase(case_b());
    ASSERT_TRUE(rt().CloseByTitleBar(task()));
    EXPECT_FALSE(rt().ended());
    EXPECT_EQ(VisibleWindows(rt()), (std::vector<std::string>{"Form10"}));
    EXPECT_EQ(app.form10.Combo1.text(), case_b());
}

TEST_F(TaskWindowTest, steps_window_close_hides_then_unloads_it_alone)
{
    OpenCaseSteps(case_a());
    ASSERT_TRUE(rt().Click(steps().Command2));
    EXPECT_EQ(fake.journal(), (Journal{"hide Form31", "unload Form31"}));
    EXPECT_TRUE(task().is_visible());

    ASSERT_TRUE(rt().Click(task().Command2));
    fake.ClearJournal();
    ASSERT_TRUE(rt().CloseByTitleBar(steps()));
    EXPECT_EQ(fake.journal(), (Journal{"unload Form31"}));
    EXPECT_TRUE(app.set_loader.CaseBankHeld());  // only the task window releases it
}

TEST_F(TaskWindowTest, a_task_window_only_hidden_keeps_its_text_and_heading)
{
    OpenCase(case_a());
    // The exam toolbar's "隐藏试题" and "显示试题", with slot 22 changed between.
    Run([&] {
        task().Hide();
        app.m.Table.QuestionText.Set(22, "另一个任务");
        task().Show();
    });
    EXPECT_EQ(task().Text1.text(), WrittenTask(case_a()));
    EXPECT_EQ(task().Label4.caption(), case_a());

    // Loaded afresh after "返回", it shows slot 22 as it is then.
    ASSERT_TRUE(rt().Click(task().Command8));
    Run([&] { task().Show(); });
    EXPECT_EQ(task().Text1.text(), "另一个任务");
}

TEST_F(TaskWindowTest, right_button_in_either_text_pops_its_window_menu_only)
{
    OpenCaseSteps(case_a());
    struct Row {
        ui::TextBox& box;
        const char* popup;
    };
    const Row rows[] = {
        {task().Text1, "PopupMenu(Form16, popmenu, [\"禁止右键\"]) -> 0"},
        {steps().Text1, "PopupMenu(Form31, popmenu, [\"内容不可更改\"]) -> 0"},
    };
    for (const Row& row : rows)
        ExpectRightClickGuard(row.box, row.popup);
}

}  // namespace
}  // namespace boxi::testing

// The exam start window, the mode choice, and the portal's and course
// menu's entries into the exam simulation.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Conventions.h"
#include "support/Harness.h"

namespace boxi::testing {
namespace {

using Journal = std::vector<std::string>;

constexpr const char* kTrainingText = "直接进入做题界面，不作时间限制，可随时查看试题评析。";
constexpr const char* kExamText = "完全模拟考试，以考试方式登录，有时间限制，交卷后方可查看试题评析。";

// Window steps of the journal only (load, show, hide, unload, end).
Journal Steps(const Journal& journal)
{
    Journal steps;
    for (const auto& entry : journal) {
        for (const char* prefix : {"load ", "show ", "hide ", "unload "}) {
            if (entry.rfind(prefix, 0) == 0)
                steps.push_back(entry);
        }
        if (entry == "end")
            steps.push_back(entry);
    }
    return steps;
}

class ExamStartTest : public AppTest {
protected:
    void EnterExamStart()
    {
        StartFresh();
        ASSERT_TRUE(rt().Click(app.form8.Image2));
    }
    void EnterModeChoice()
    {
        EnterExamStart();
        ASSERT_TRUE(rt().Click(app.form59.Command4));
        fake.ClearJournal();
    }
    // The portal's entry loads the chooser on the way (the result review it
    // closes reads the set name); these cases start without it.
    void DropChooserLoadedByTheEntry()
    {
        Run([&] { app.form10.Unload(); });
        fake.ClearJournal();
    }
};

TEST_F(ExamStartTest, portal_exam_picture_shows_the_start_window_and_leaves_the_portal_open)
{
    StartFresh();
    ASSERT_TRUE(rt().Click(app.form8.Image2));
    // The entry first closes a result review; hiding one that is not loaded
    // loads it, and its load reads the set name, which loads the chooser.
    EXPECT_EQ(fake.journal(), (Journal{"load Form1", "load Form10", "hide Form1", "unload Form1", "load Form59", "show Form59"}));
    EXPECT_EQ(VisibleWindows(rt()), (std::vector<std::string>{"Form8", "Form59"}));
    // Same face and pointer as the enter picture, side by side in one frame.
    EXPECT_EQ(app.form8.Image2.rect().width, app.form8.Image1.rect().width);
    EXPECT_EQ(app.form8.Image2.rect().height, app.form8.Image1.rect().height);
    EXPECT_EQ(app.form8.Image2.mouse_pointer(), ui::MousePointer::Link);
    EXPECT_EQ(app.form8.Image2.container(), app.form8.Image1.container());
}

TEST_F(ExamStartTest, start_window_shows_its_buttons_and_links)
{
    EnterExamStart();
    EXPECT_EQ(app.form59.caption(), "全国计算机等级考试系列_二级Access");
    EXPECT_EQ(app.form59.Command1.caption(), "考试大纲");
    EXPECT_EQ(app.form59.Command4.caption(), "进入系统");
    EXPECT_EQ(app.form59.Command2.caption(), "退出系统");
    EXPECT_LT(app.form59.Command1.rect().left, app.form59.Command4.rect().left);
    EXPECT_LT(app.form59.Command4.rect().left, app.form59.Command2.rect().left);
    EXPECT_EQ(app.form59.Label1.caption(), "更多模拟考试软件请登陆澄木朗软件网站下载......");
    EXPECT_EQ(app.form59.Label1.mouse_pointer(), ui::MousePointer::Default);
    EXPECT_EQ(app.form59.Label2.caption(), "澄木朗网址：" + std::string(kProductSite));
    EXPECT_EQ(app.form59.Label5.caption(), "联系邮箱：" + std::string(kSupportMail));
    EXPECT_EQ(app.form59.Label2.mouse_pointer(), ui::MousePointer::Link);
    EXPECT_EQ(app.form59.Label5.mouse_pointer(), ui::MousePointer::Link);
}

TEST_F(ExamStartTest, start_window_links_open_the_site_unowned_and_the_mail_owned_by_it)
{
    EnterExamStart();
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(app.form59.Label2));
    ASSERT_TRUE(rt().Click(app.form59.Label5));
    ASSERT_TRUE(rt().Click(app.form59.Label1));
    EXPECT_EQ(fake.journal(),
              (Journal{"ShellExecute(0, \"open\", \"http://www.example.com/\", \"\", \"\", 3)",
                       "ShellExecute(Form59, \"open\", \"mailto:support@example.com\", \"\", \"\", 0)"}));
    EXPECT_TRUE(app.form59.is_visible());
}

TEST_F(ExamStartTest, enter_shows_the_mode_choice_first_then_unloads_the_start_window)
{
    EnterExamStart();
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(app.form59.Command4));
    EXPECT_EQ(fake.journal(), (Journal{"load Form43", "show Form43", "hide Form59", "unload Form59"}));
    EXPECT_TRUE(app.form43.Option1(0).value());
    EXPECT_FALSE(app.form43.Option1(1).value());
    EXPECT_EQ(app.form43.Label2.caption(), kTrainingText);
}

TEST_F(ExamStartTest, exit_ends_at_once_with_hidden_windows_and_the_syllabus_open)
{
    EnterExamStart();
    ASSERT_TRUE(rt().Click(app.form59.Command1));
    Run([&] { app.form10.Label3.caption(); });  // a hidden window stays loaded
    ASSERT_TRUE(app.form10.is_loaded());
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(app.form59.Command2));
    EXPECT_TRUE(rt().ended());
    EXPECT_TRUE(fake.ended());
    EXPECT_EQ(fake.journal(), (Journal{"end"}));
    EXPECT_FALSE(rt().Click(app.form26.Text1));
}

TEST_F(ExamStartTest, syllabus_button_brings_up_one_syllabus_window_and_keeps_the_start_window)
{
    EnterExamStart();
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(app.form59.Command1));
    ASSERT_TRUE(rt().Click(app.form59.Command1));
    EXPECT_EQ(fake.journal(), (Journal{"load Form26", "show Form26", "show Form26"}));
    EXPECT_EQ(app.form26.load_count(), 1u);
    EXPECT_TRUE(app.form59.is_visible());
}

TEST_F(ExamStartTest, course_menu_syllabus_button_opens_the_syllabus_and_keeps_the_menu)
{
    StartFresh();
    ASSERT_TRUE(rt().Click(app.form8.Image1));
    fake.ClearJournal();
    EXPECT_EQ(app.form60.Command9.caption(), "考试大纲");
    ASSERT_TRUE(rt().Click(app.form60.Command9));
    EXPECT_EQ(fake.journal(), (Journal{"load Form26", "show Form26"}));
    EXPECT_TRUE(app.form60.is_visible());
    // Inside the framed button area, below the three road buttons.
    const ui::Rect button = app.form60.Command9.rect();
    for (ui::CommandButton* road : {&app.form60.Command2, &app.form60.Command4, &app.form60.Command7})
        EXPECT_GE(button.top, road->rect().top + road->rect().height);
    EXPECT_LE(button.top + button.height, 300);
}

TEST_F(ExamStartTest, mode_choice_keeps_the_blanks_of_its_information_labels)
{
    EnterModeChoice();
    EXPECT_EQ(app.form43.caption(), "全国计算机等级考试_MS Office高级应用（二级）");
    EXPECT_EQ(app.form43.Label1.caption(), "MS Office高级应用（二级） 采取无纸化考试        考试时间：120分钟");
    EXPECT_EQ(app.form43.Label3.caption(),
              "系统环境：操作系统：Windows 7" + std::string(27, ' ') + "办公软件：Microsoft Office 2010");
    EXPECT_EQ(app.form43.Frame2.caption(), "学习模式");
    EXPECT_EQ(app.form43.Option1(0).caption(), "训练模式");
    EXPECT_EQ(app.form43.Option1(1).caption(), "考试模式");
}

TEST_F(ExamStartTest, each_option_shows_its_description)
{
    EnterModeChoice();
    ASSERT_TRUE(rt().Click(app.form43.Option1(1)));
    EXPECT_EQ(app.form43.Label2.caption(), kExamText);
    EXPECT_FALSE(app.form43.Option1(0).value());
    ASSERT_TRUE(rt().Click(app.form43.Option1(0)));
    EXPECT_EQ(app.form43.Label2.caption(), kTrainingText);
    ASSERT_TRUE(rt().Click(app.form43.Option1(0)));
    EXPECT_EQ(app.form43.Label2.caption(), kTrainingText);
}

TEST_F(ExamStartTest, training_writes_the_heading_shows_the_chooser_and_only_hides_the_mode_choice)
{
    EnterModeChoice();
    DropChooserLoadedByTheEntry();
    ASSERT_TRUE(rt().Click(app.form43.Command4));
    EXPECT_EQ(Steps(fake.journal()), (Journal{"load Form10", "show Form10", "hide Form43"}));
    EXPECT_EQ(app.form10.Label3.caption(), "上机");
    EXPECT_EQ(app.form10.Label4.caption(), "训练");
    EXPECT_EQ(app.form10.CurrentSetName(), "实例1");
    EXPECT_TRUE(app.form43.is_loaded());
    EXPECT_FALSE(app.form43.is_visible());
}

TEST_F(ExamStartTest, training_with_a_chooser_left_from_an_exam_keeps_its_set_name)
{
    EnterModeChoice();
    Run([&] {
        app.form10.SetCurrentSetName("第17套");
        app.form10.Label4.set_caption("考试");
    });
    const auto loads = app.form10.load_count();
    ASSERT_TRUE(rt().Click(app.form43.Command4));
    EXPECT_EQ(app.form10.load_count(), loads);
    EXPECT_TRUE(app.form10.is_visible());
    EXPECT_EQ(app.form10.CurrentSetName(), "第17套");
    EXPECT_EQ(app.form10.Label3.caption(), "上机");
    EXPECT_EQ(app.form10.Label4.caption(), "训练");
}

TEST_F(ExamStartTest, exam_mode_shows_the_login_before_the_chooser_loads_hidden)
{
    EnterModeChoice();
    DropChooserLoadedByTheEntry();
    ASSERT_TRUE(rt().Click(app.form43.Option1(1)));
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(app.form43.Command4));
    EXPECT_EQ(Steps(fake.journal()), (Journal{"load Form12", "show Form12", "load Form10", "hide Form43"}));
    EXPECT_TRUE(app.form10.is_loaded());
    EXPECT_FALSE(app.form10.is_visible());
    EXPECT_EQ(app.form10.CurrentSetName(), "实例1");
    EXPECT_EQ(app.form10.Label3.caption(), "上机");
    EXPECT_EQ(app.form10.Label4.caption(), "考试");
    EXPECT_EQ(VisibleWindows(rt()), (std::vector<std::string>{"Form8", "Form12"}));
}

TEST_F(ExamStartTest, mode_choice_comes_back_with_the_mode_it_had)
{
    EnterModeChoice();
    ASSERT_TRUE(rt().Click(app.form43.Option1(1)));
    ASSERT_TRUE(rt().Click(app.form43.Command4));
    ASSERT_TRUE(rt().Click(app.form12.Image4));
    EXPECT_TRUE(app.form43.is_visible());
    EXPECT_EQ(app.form43.load_count(), 1u);
    EXPECT_TRUE(app.form43.Option1(1).value());
    EXPECT_EQ(app.form43.Label2.caption(), kExamText);
}

TEST_F(ExamStartTest, back_shows_the_course_menu_then_unloads_and_the_next_visit_starts_in_training)
{
    EnterModeChoice();
    ASSERT_TRUE(rt().Click(app.form43.Option1(1)));
    fake.ClearJournal();
    EXPECT_EQ(app.form43.Command3.caption(), "返回");
    ASSERT_TRUE(rt().Click(app.form43.Command3));
    EXPECT_EQ(fake.journal(), (Journal{"load Form60", "show Form60", "hide Form43", "unload Form43"}));
    Run([&] { app.form43.Show(); });
    EXPECT_TRUE(app.form43.Option1(0).value());
    EXPECT_EQ(app.form43.Label2.caption(), kTrainingText);
}

}  // namespace
}  // namespace boxi::testing

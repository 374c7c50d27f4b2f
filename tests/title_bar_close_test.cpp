// Title-bar closes of the windows that have a way back: each leads where the
// window's own return control leads, and none ends the program.
#include "banks/CaseBank.h"
#include "support/ExamHarness.h"

#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace boxi::testing {
namespace {

using Names = std::vector<std::string>;

class TitleBarCloseTest;

// One window in one state: the steps that bring it on screen, and the
// windows on screen after its title-bar close.
struct CloseRow {
    const char* state;
    std::function<void(TitleBarCloseTest&)> reach;
    std::function<ui::Window&(App&)> window;
    Names visible_after;
};

void PrintTo(const CloseRow& row, std::ostream* os) { *os << row.state; }

class TitleBarCloseTest : public ExamTest, public ::testing::WithParamInterface<CloseRow> {
public:
    void CourseMenu()
    {
        StartFresh();
        ASSERT_TRUE(rt().Click(app.form8.Image1));
    }
    void ChapterStudy()
    {
        CourseMenu();
        ASSERT_TRUE(rt().Click(app.form60.Command2));
    }
    void ExerciseWindow()
    {
        ChapterStudy();
        ASSERT_TRUE(rt().Select(app.form2.List1, 1));
        ASSERT_TRUE(rt().Click(app.form2.Command1));
    }
    void DrillChooser()
    {
        ChapterStudy();
        ASSERT_TRUE(rt().Click(app.form2.Command2));
    }
    void Drill()
    {
        DrillChooser();
        ASSERT_TRUE(rt().Click(app.drill_chooser.Command1));
    }
    void UnitTest()
    {
        CourseMenu();
        ASSERT_TRUE(rt().Click(app.form60.Command10));
    }
    void EvaluationSheet()
    {
        UnitTest();
        ASSERT_TRUE(rt().Click(app.form4.Command1));
    }
    void CaseChooser()
    {
        CourseMenu();
        ASSERT_TRUE(rt().Click(app.form60.Command4));
    }
    void TaskWindow()
    {
        CaseChooser();
        OpenFromCaseChooser("实例5");
    }
    void AccessSetChooser()
    {
        CaseChooser();
        ASSERT_TRUE(rt().Click(app.form10.Command3));
    }
    void AccessPractice()
    {
        AccessSetChooser();
        ASSERT_TRUE(rt().Click(app.access_set_chooser.Command1));
    }
    void ModeChoice()
    {
        StartFresh();
        ASSERT_TRUE(rt().Click(app.form8.Image2));
        ASSERT_TRUE(rt().Click(app.form59.Command4));
    }
    void TrainingChooser()
    {
        ModeChoice();
        ASSERT_TRUE(rt().Click(app.form43.Command4));
    }
    void TrainingTaskWindow()
    {
        TrainingChooser();
        OpenFromCaseChooser("第3套");
    }
    void TrainingChoiceWindow()
    {
        TrainingTaskWindow();
        ASSERT_TRUE(rt().Click(app.form16.Command1));
    }
    void Login()
    {
        ModeChoice();
        ASSERT_TRUE(rt().Click(app.form43.Option1(1)));
        ASSERT_TRUE(rt().Click(app.form43.Command4));
    }
    void Confirmation()
    {
        Login();
        fake.AnswerNextBox(platform::MsgAnswer::Yes);
        ASSERT_TRUE(rt().Click(app.form12.Image5));
    }
    void RulesPage() { EnterRules(); }
    void WrittenExamDraw()
    {
        ModeChoice();
        ASSERT_TRUE(rt().Click(app.form43.Command1));
    }
    void ExamChoiceWindow()
    {
        StartExam("第3套");
        ASSERT_TRUE(rt().Click(app.form16.Command1));
    }
    void Review()
    {
        StartExam("第3套");
        ASSERT_TRUE(rt().Click(app.form42.Label8));
        ASSERT_TRUE(rt().Click(app.form15.Command1));
    }
    void ModeChoiceAfterAReview()
    {
        Review();
        ASSERT_TRUE(rt().Click(app.form1.Command1));
    }
};

template <typename W> std::function<ui::Window&(App&)> WindowOf(W App::*member)
{
    return [member](App& app) -> ui::Window& { return app.*member; };
}

const CloseRow kRows[] = {
    {"chapter_study", &TitleBarCloseTest::ChapterStudy, WindowOf(&App::form2), {"Form60"}},
    {"exercise_window", &TitleBarCloseTest::ExerciseWindow, WindowOf(&App::form7), {"Form2"}},
    {"drill_chooser", &TitleBarCloseTest::DrillChooser, WindowOf(&App::drill_chooser), {"Form2"}},
    {"drill", &TitleBarCloseTest::Drill, WindowOf(&App::form6), {"Form2"}},
    {"unit_test", &TitleBarCloseTest::UnitTest, WindowOf(&App::form4), {"Form60"}},
    {"evaluation_sheet", &TitleBarCloseTest::EvaluationSheet, WindowOf(&App::form3), {"Form4"}},
    {"case_chooser_in_the_course", &TitleBarCloseTest::CaseChooser, WindowOf(&App::form10), {"Form60"}},
    {"task_window_in_the_course", &TitleBarCloseTest::TaskWindow, WindowOf(&App::form16), {"Form10"}},
    {"access_set_chooser", &TitleBarCloseTest::AccessSetChooser, WindowOf(&App::access_set_chooser), {"Form10"}},
    {"access_practice", &TitleBarCloseTest::AccessPractice, WindowOf(&App::form36), {"Form10"}},
    // The exam road: the portal stays open beside it until an exam's clean-up.
    {"mode_choice", &TitleBarCloseTest::ModeChoice, WindowOf(&App::form43), {"Form8", "Form60"}},
    {"case_chooser_in_training", &TitleBarCloseTest::TrainingChooser, WindowOf(&App::form10), {"Form8", "Form60"}},
    {"task_window_in_training", &TitleBarCloseTest::TrainingTaskWindow, WindowOf(&App::form16), {"Form8", "Form10"}},
    {"choice_window_in_training", &TitleBarCloseTest::TrainingChoiceWindow, WindowOf(&App::form20),
        {"Form8", "Form16"}},
    {"login", &TitleBarCloseTest::Login, WindowOf(&App::form12), {"Form8", "Form43"}},
    {"confirmation", &TitleBarCloseTest::Confirmation, WindowOf(&App::form13), {"Form8", "Form43"}},
    {"rules_page", &TitleBarCloseTest::RulesPage, WindowOf(&App::form14), {"Form8", "Form43"}},
    {"written_exam_draw", &TitleBarCloseTest::WrittenExamDraw, WindowOf(&App::form44), {"Form8", "Form43"}},
    {"choice_window_in_the_exam", &TitleBarCloseTest::ExamChoiceWindow, WindowOf(&App::form20),
        {"Form8", "Form16", "Form42"}},
    {"result_review", &TitleBarCloseTest::Review, WindowOf(&App::form1), {"Form43"}},
    {"mode_choice_after_a_review", &TitleBarCloseTest::ModeChoiceAfterAReview, WindowOf(&App::form43), {"Form60"}},
};

TEST_P(TitleBarCloseTest, leads_where_the_return_control_leads_and_the_program_runs_on)
{
    const CloseRow& row = GetParam();
    row.reach(*this);
    if (HasFatalFailure())
        return;
    ui::Window& window = row.window(app);
    ASSERT_TRUE(window.is_visible());
    ASSERT_TRUE(rt().CloseByTitleBar(window));
    EXPECT_FALSE(rt().ended());
    EXPECT_FALSE(window.is_loaded());
    EXPECT_EQ(VisibleWindows(rt()), row.visible_after);
}

INSTANTIATE_TEST_SUITE_P(Windows, TitleBarCloseTest, ::testing::ValuesIn(kRows),
    [](const ::testing::TestParamInfo<CloseRow>& info) { return std::string(info.param.state); });

// The closes that do more than lead back.
class TitleBarCloseEffectsTest : public ExamTest { };

TEST_F(TitleBarCloseEffectsTest, the_review_ends_the_exam_as_its_exit_does)
{
    StartExam("第3套");
    Advance(kAlarmAt);
    ASSERT_TRUE(app.form17.is_visible());
    ASSERT_TRUE(rt().Click(app.form42.Label8));
    ASSERT_TRUE(rt().Click(app.form15.Command1));
    Run([&] { app.m.CurrentQuestion = 7; });
    ASSERT_TRUE(rt().CloseByTitleBar(app.form1));
    EXPECT_EQ(app.m.CurrentQuestion, 0);
    EXPECT_FALSE(app.form42.is_loaded());
    EXPECT_FALSE(app.form16.is_loaded());
    EXPECT_FALSE(app.set_loader.ChoiceBankHeld());
    EXPECT_FALSE(app.set_loader.CaseBankHeld());
    EXPECT_FALSE(rt().NextTimerDue().has_value()) << "the countdown stops with the toolbar";
    // The alarm left open stays open, as after "退出".
    EXPECT_EQ(VisibleWindows(rt()), (Names {"Form43", "Form17"}));
}

TEST_F(TitleBarCloseEffectsTest, the_task_window_in_the_exam_is_hidden_for_the_toolbar_to_show_again)
{
    StartExam("第3套");
    ASSERT_EQ(app.form42.Label6.caption(), "隐藏试题");
    ASSERT_TRUE(rt().CloseByTitleBar(app.form16));
    EXPECT_FALSE(rt().ended());
    EXPECT_FALSE(app.form16.is_visible());
    EXPECT_EQ(app.form42.Label6.caption(), "显示试题");
    EXPECT_TRUE(app.set_loader.CaseBankHeld()) << "hiding the task keeps the exam's set";

    // The toolbar's next click brings the task back, read afresh from the
    // table as after the time-up.
    const std::string task = "第3套的电子表格题";
    Run([&] { app.m.Table.QuestionText.Set(banks::kCaseSlot, task); });
    ASSERT_TRUE(rt().Click(app.form42.Label6));
    EXPECT_TRUE(app.form16.is_visible());
    EXPECT_EQ(app.form16.Text1.text(), task);
    EXPECT_TRUE(app.form16.Command1.visible());
    EXPECT_EQ(app.form42.Label6.caption(), "隐藏试题");
}

}  // namespace
}  // namespace boxi::testing

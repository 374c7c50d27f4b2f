// The answer-progress page: its cells, the count, "取消", and the
// submission with the exam clean-up.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "exam/ExamCleanup.h"
#include "support/ExamHarness.h"

namespace boxi::testing {
namespace {

using Journal = std::vector<std::string>;

class ProgressPageTest : public ExamTest {
protected:
    Form15& page() { return app.form15; }
    std::vector<std::string> Counters()
    {
        return {page().Label21.caption(), page().Label24.caption(), page().Label5.caption()};
    }
};

TEST_F(ProgressPageTest, the_count_writes_the_answered_and_unanswered_items_with_a_leading_blank)
{
    struct Row {
        std::set<int> marked;
        const char* answered;
        const char* unanswered;
    };
    std::set<int> all_choices;
    for (int k = 1; k <= 20; ++k)
        all_choices.insert(k);
    for (const Row& row : {Row{{}, " 0", " 23"}, Row{{7}, " 1", " 22"}, Row{all_choices, " 20", " 3"},
                           Row{{1, 20, 21, 22, 23}, " 5", " 18"}}) {
        StartExam();
        Run([&] { page().Unload(); });
        for (int k : row.marked)
            MarkAnswered(k);
        ASSERT_TRUE(rt().Click(app.form42.Label8));
        EXPECT_EQ(Counters(), (std::vector<std::string>{row.answered, row.unanswered, row.unanswered}))
            << row.marked.size() << " marked";
        EXPECT_EQ(app.m.AnsweredCount + app.m.UnansweredCount, 23);
    }
}

TEST_F(ProgressPageTest, marking_a_cell_twice_counts_it_once_and_only_the_green_back_colour_counts)
{
    StartExam();
    MarkAnswered(4);
    MarkAnswered(4);
    // Red text alone is no answer; a green back is, whatever else. Counted
    // by text colour or by circle instead, these cells would give 2.
    Run([&] {
        page().Label3(5).set_fore_color(ui::colors::kRed);
        page().Shape2(5).set_fill_style(ui::FillStyle::Solid);
        page().Label3(6).set_back_color(ui::Color::Rgb(0, 255, 0));
        page().Label3(7).set_back_color(ui::Color::Rgb(0, 254, 0));
        page().Label3(8).set_back_color(ui::Color::Rgb(0, 255, 0));
    });
    ASSERT_TRUE(rt().Click(app.form42.Label8));
    EXPECT_EQ(app.m.AnsweredCount, 3);
    EXPECT_EQ(app.m.UnansweredCount, 20);
}

TEST_F(ProgressPageTest, a_marked_cell_has_red_text_on_green_over_a_solid_green_circle)
{
    StartExam();
    MarkAnswered(9);
    EXPECT_FALSE(page().is_visible()) << "marking loads the page hidden";
    EXPECT_EQ(page().Label3(9).fore_color(), ui::colors::kRed);
    EXPECT_EQ(page().Label3(9).back_color(), ui::Color::Rgb(0, 255, 0));
    EXPECT_EQ(page().Shape2(9).fill_style(), ui::FillStyle::Solid);
    EXPECT_EQ(page().Shape2(9).fill_color(), ui::Color::Rgb(0, 255, 0));
    EXPECT_EQ(page().Label3(10).back_color(), ui::colors::kButtonFace);
    EXPECT_EQ(page().Shape2(10).fill_style(), ui::FillStyle::Transparent);
    EXPECT_FALSE(page().Label3(0).visible());
}

TEST_F(ProgressPageTest, the_page_shown_uncounted_keeps_its_design_counters)
{
    StartExam();
    MarkAnswered(1);
    ASSERT_TRUE(rt().Click(app.form42.Label2));
    EXPECT_EQ(Counters(), (std::vector<std::string>{"0", "0", "0"}));
    EXPECT_EQ(page().Label18.caption(), "23");
    EXPECT_EQ(page().Label4.caption() + page().Label5.caption() + page().Label6.caption(), "有0试题未作答，确认交卷？");
}

TEST_F(ProgressPageTest, cancel_only_hides_the_page_with_its_marks_and_counters)
{
    StartExam();
    MarkAnswered(3);
    ASSERT_TRUE(rt().Click(app.form42.Label8));
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(page().Command2));
    EXPECT_EQ(fake.journal(), (Journal{"hide Form15"}));
    ASSERT_TRUE(rt().Click(app.form42.Label2));
    EXPECT_EQ(Counters(), (std::vector<std::string>{" 1", " 22", " 22"}));
    EXPECT_EQ(page().Label3(3).back_color(), ui::colors::kGreen);
}

TEST_F(ProgressPageTest, submitting_unloads_the_page_and_the_exam_windows_then_shows_the_review)
{
    StartExam();
    // A portal left open behind the exam, the alarm, the steps window.
    Run([&] {
        app.form8.Show();
        app.form8.Hide();
        app.form17.Show();
        app.form9.Text1.set_text("答案：A");
    });
    ASSERT_TRUE(rt().Click(app.form42.Label8));
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(page().Command1));
    Journal expected{"unload Form15", "unload Form16", "unload Form42", "unload Form8", "load Form1", "show Form1"};
    EXPECT_EQ(fake.journal(), expected);
    // The review loaded the set afresh from the released choice bank.
    EXPECT_TRUE(app.set_loader.ChoiceBankHeld());
    EXPECT_FALSE(app.set_loader.CaseBankHeld());
    for (ui::Window* stays : std::vector<ui::Window*>{&app.form17, &app.form9, &app.form10})
        EXPECT_TRUE(stays->is_loaded()) << stays->name();
    EXPECT_FALSE(rt().NextTimerDue().has_value()) << "the countdown still runs";
}

TEST_F(ProgressPageTest, the_clean_up_unloads_what_is_loaded_and_the_review_opens_all_the_same)
{
    StartExam();
    Run([&] {
        CloseExamWindows(app);
        page().Show();
    });
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(page().Command1));
    EXPECT_EQ(fake.journal(), (Journal{"unload Form15", "load Form1", "show Form1"}));
}

TEST_F(ProgressPageTest, the_proctor_button_hides_the_page_and_shows_the_lock)
{
    StartExam();
    MarkAnswered(2);
    ASSERT_TRUE(rt().Click(app.form42.Label8));
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(page().Command3));
    EXPECT_EQ(fake.journal(), (Journal{"hide Form15", "load Form46", "show Form46"}));
    EXPECT_TRUE(page().is_loaded());
    EXPECT_EQ(page().Command3.caption(), "监考交卷");
    EXPECT_EQ(page().Command3.back_color(), page().Command1.back_color());
}

}  // namespace
}  // namespace boxi::testing

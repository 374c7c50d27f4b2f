// The exam toolbar: its countdown on the virtual clock, the five-minute
// alarm, the time-up, its buttons, and the two alarm windows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exam/ExamCleanup.h"
#include "support/ExamHarness.h"

namespace boxi::testing {
namespace {

using Journal = std::vector<std::string>;

class ExamToolbarTest : public ExamTest {
protected:
    Form42& bar() { return app.form42; }
    std::string Clock() { return bar().Label5.caption() + bar().Label4.caption() + bar().Label3.caption(); }
    // Moves the clock to `ms` after the toolbar's load.
    void AdvanceTo(std::int64_t ms) { Advance(ms - (fake.now_ms - loaded_at_)); }
    void StartExamHere(const std::string& set = "第3套")
    {
        StartExam(set);
        loaded_at_ = fake.now_ms;
    }

private:
    std::int64_t loaded_at_ = 0;
};

TEST_F(ExamToolbarTest, it_loads_topmost_as_a_borderless_strip_at_the_top_with_a_full_countdown)
{
    StartFresh();
    Run([&] { bar().Show(); });
    EXPECT_EQ(fake.journal(),
              (Journal{"load Form42", "SetWindowPos(Form42, HWND_TOPMOST, 0, 0, 0, 0, 3)", "show Form42"}));
    EXPECT_EQ(bar().MinutesLeft, 119);
    EXPECT_EQ(bar().SecondsLeft, 60);
    EXPECT_EQ(Clock(), "119:60");
    const ui::WindowProps& props = bar().peek();
    EXPECT_EQ(props.border_style, ui::BorderStyle::None);
    EXPECT_EQ((ui::Rect{props.left, props.top, props.client_width, props.client_height}), (ui::Rect{40, 0, 901, 42}));
    EXPECT_EQ(bar().Label5.fore_color(), ui::Color::Rgb(0, 0, 255));
    EXPECT_TRUE(bar().Label5.font().bold);
    for (ui::Label* button : {&bar().Label1, &bar().Label2, &bar().Label6, &bar().Label7, &bar().Label8}) {
        EXPECT_EQ(button->fore_color(), ui::colors::kWhite) << button->name();
        EXPECT_EQ(button->back_color(), ui::Color::Rgb(128, 128, 255)) << button->name();
    }
}

TEST_F(ExamToolbarTest, the_clock_reads_minutes_and_seconds_on_their_own_cycles)
{
    StartExamHere();
    struct Row {
        std::int64_t at_ms;
        const char* clock;
    };
    for (const Row& row : {Row{999, "119:60"}, Row{1000, "119:59"}, Row{59000, "119:1"}, Row{60000, "119:0"},
                           Row{61000, "119:59"}, Row{62999, "119:58"}, Row{63000, "118:57"},
                           Row{126000, "117:54"}}) {
        AdvanceTo(row.at_ms);
        EXPECT_EQ(Clock(), row.clock) << "at " << row.at_ms << " ms";
    }
    EXPECT_EQ(fake.Entries("MsgBox").size(), 0u);
}

TEST_F(ExamToolbarTest, the_alarm_comes_when_the_minutes_reach_four_and_nothing_else_happens)
{
    StartExamHere();
    AdvanceTo(kAlarmAt - 1);
    EXPECT_EQ(bar().Label5.caption(), "5");
    EXPECT_FALSE(app.form17.is_loaded());
    fake.ClearJournal();
    AdvanceTo(kAlarmAt);
    EXPECT_EQ(bar().Label5.caption(), "4");
    EXPECT_EQ(fake.journal(), (Journal{"load Form17", "show Form17"}));
    EXPECT_EQ(app.form17.Label1.caption(), "  考试时间还有最后5分钟！");
    EXPECT_EQ(app.form17.caption(), "报警");
    EXPECT_TRUE(app.form16.is_visible());
}

TEST_F(ExamToolbarTest, the_time_up_box_comes_before_the_task_window_goes_and_the_page_opens)
{
    StartExamHere();
    AdvanceTo(kTimeUpAt - 1);
    fake.ClearJournal();
    fake.AnswerNextBox(platform::MsgAnswer::Ok);
    AdvanceTo(kTimeUpAt);
    EXPECT_EQ(bar().Label5.caption(), "0");
    EXPECT_EQ(fake.journal(), (Journal{"MsgBox(\"时间已到，考试结束！\", 0, \"计算机博习系列\") -> OK", "hide Form16",
                                       "unload Form16", "load Form15", "show Form15"}));
    // Not counted: the page shows its design counters.
    EXPECT_EQ(app.form15.Label21.caption(), "0");
    EXPECT_EQ(app.form15.Label24.caption(), "0");
    EXPECT_TRUE(bar().is_visible());
}

TEST_F(ExamToolbarTest, after_the_time_up_the_minutes_fall_below_zero_with_no_second_alarm_or_box)
{
    StartExamHere();
    fake.AnswerNextBox(platform::MsgAnswer::Ok);
    AdvanceTo(kTimeUpAt + 3 * 63000);
    EXPECT_EQ(Clock(), "-3:" + std::to_string(bar().SecondsLeft));
    EXPECT_EQ(fake.Entries("MsgBox").size(), 1u);
    EXPECT_EQ(fake.Entries("show Form17").size(), 1u);
    EXPECT_EQ(fake.Entries("show Form15").size(), 1u);
    // The exam goes on: the page's "取消" returns to it, and "交卷" still counts.
    ASSERT_TRUE(rt().Click(app.form15.Command2));
    ASSERT_TRUE(rt().Click(bar().Label8));
    EXPECT_EQ(app.form15.Label24.caption(), " 23");
}

TEST_F(ExamToolbarTest, ticks_due_while_the_time_up_box_is_open_come_after_it)
{
    StartExamHere();
    AdvanceTo(kTimeUpAt - 1);
    std::int64_t seconds_at_box = -1;
    fake.box_answerer = [&](const platform::MessageBoxRequest&) {
        // The clock runs on while the box waits; the model delivers nothing.
        fake.now_ms += 5000;
        rt().FireDueTimers(fake.now_ms);
        seconds_at_box = bar().SecondsLeft;
        return platform::MsgAnswer::Ok;
    };
    const std::int32_t seconds_before = bar().SecondsLeft;
    Advance(1);
    // The second tick of the same moment comes after the minute tick's box.
    EXPECT_EQ(seconds_at_box, seconds_before) << "a tick ran inside the box";
    EXPECT_LT(bar().SecondsLeft, seconds_before);
    EXPECT_FALSE(app.form16.is_loaded());
    EXPECT_EQ(fake.Entries("MsgBox").size(), 1u);
}

TEST_F(ExamToolbarTest, the_toggle_follows_its_caption_and_brings_back_an_unloaded_task_window)
{
    StartExamHere();
    ASSERT_TRUE(rt().Click(bar().Label6));
    EXPECT_EQ(bar().Label6.caption(), "显示试题");
    EXPECT_FALSE(app.form16.is_visible());
    EXPECT_TRUE(app.form16.is_loaded());
    ASSERT_TRUE(rt().Click(bar().Label6));
    EXPECT_EQ(bar().Label6.caption(), "隐藏试题");
    EXPECT_TRUE(app.form16.is_visible());

    // The time-up unloads the task window and leaves the caption.
    Run([&] { app.m.Table.QuestionText.Set(22, "电子表格题"); });
    fake.AnswerNextBox(platform::MsgAnswer::Ok);
    AdvanceTo(kTimeUpAt);
    ASSERT_FALSE(app.form16.is_loaded());
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(bar().Label6));
    EXPECT_EQ(fake.journal(), (Journal{"load Form16", "hide Form16"}));
    EXPECT_EQ(app.form16.Text1.text(), "电子表格题");
    ASSERT_TRUE(rt().Click(bar().Label6));
    EXPECT_TRUE(app.form16.is_visible());
}

TEST_F(ExamToolbarTest, the_folder_button_opens_the_examinee_folder_and_help_does_nothing)
{
    StartExamHere();
    ASSERT_TRUE(rt().Click(bar().Label1));
    EXPECT_EQ(fake.journal(), (Journal{"Shell(\"explorer /n,c:\\Wexam\\65010001\", 1)"}));
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(bar().Label7));
    EXPECT_TRUE(fake.journal().empty());
}

TEST_F(ExamToolbarTest, submit_counts_before_it_shows_the_page_and_progress_shows_it_uncounted)
{
    StartExamHere();
    MarkAnswered(2);
    ASSERT_TRUE(rt().Click(bar().Label2));
    EXPECT_EQ(app.form15.Label21.caption(), "0");
    EXPECT_EQ(app.m.AnsweredCount, 0);
    ASSERT_TRUE(rt().Click(app.form15.Command2));
    ASSERT_TRUE(rt().Click(bar().Label8));
    EXPECT_EQ(app.form15.Label21.caption(), " 1");
    EXPECT_EQ(app.form15.Label24.caption(), " 22");
    EXPECT_TRUE(app.form15.is_visible());
    // The exam goes on under the page.
    EXPECT_TRUE(app.form16.is_visible());
    EXPECT_TRUE(bar().is_visible());
}

TEST_F(ExamToolbarTest, no_title_bar_close_reaches_the_strip)
{
    StartExamHere();
    EXPECT_FALSE(rt().CloseByTitleBar(bar()));
    EXPECT_TRUE(bar().is_visible());
}

TEST_F(ExamToolbarTest, the_clean_up_stops_the_countdown_and_leaves_the_alarm_open)
{
    StartExamHere();
    AdvanceTo(kAlarmAt);
    Run([&] { CloseExamWindows(app); });
    EXPECT_FALSE(bar().is_loaded());
    EXPECT_FALSE(rt().NextTimerDue().has_value());
    EXPECT_TRUE(app.form17.is_visible());
    Advance(10 * 63000);
    EXPECT_TRUE(fake.Entries("MsgBox").empty());
}

TEST_F(ExamToolbarTest, the_alarm_windows_close_themselves_and_nothing_else)
{
    StartExamHere();
    AdvanceTo(kAlarmAt);
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(app.form17.Command1));
    EXPECT_EQ(fake.journal(), (Journal{"hide Form17", "unload Form17"}));
    AdvanceTo(kAlarmAt + 63000);
    EXPECT_EQ(bar().Label5.caption(), "3");

    Run([&] { app.form18.Show(); });
    EXPECT_EQ(app.form18.caption(), "考试结束");
    EXPECT_EQ(app.form18.Label1.caption(), "考试时间已到，请交卷！");
    EXPECT_EQ(app.form18.Label1.font().size, 12);
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(app.form18.Command1));
    EXPECT_EQ(fake.journal(), (Journal{"hide Form18", "unload Form18"}));
    EXPECT_TRUE(app.form16.is_visible());
}

}  // namespace
}  // namespace boxi::testing

namespace boxi::testing {
namespace {

using Journal = std::vector<std::string>;

class ExamStartToolbarTest : public ExamTest {};

TEST_F(ExamStartToolbarTest, the_start_shows_the_toolbar_before_the_set_loads_and_the_task_window_opens)
{
    EnterRules();
    Run([&] { app.form10.SetCurrentSetName("第5套"); });
    ASSERT_TRUE(rt().Click(app.form14.Check1));
    app.set_loader.choice_bank = [&](QuestionTable&, std::string_view name) {
        fake.Record("choice bank " + std::string(name));
    };
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(app.form14.Image3));
    EXPECT_EQ(fake.journal(), (Journal{"load Form42", "SetWindowPos(Form42, HWND_TOPMOST, 0, 0, 0, 0, 3)", "show Form42",
                                       "choice bank 第5套", "load Form16", "show Form16", "hide Form14", "unload Form14"}));
}

// An exam left by the review's way out or the title bars keeps its toolbar
// loaded; the next start replaces it, so every exam counts from 119:60 and
// still gets its alarm and its time-up.
TEST_F(ExamStartToolbarTest, a_toolbar_left_from_an_earlier_exam_is_replaced_by_a_fresh_countdown)
{
    StartExam("第3套");
    Advance(kTimeUpAt - 63000);
    ASSERT_TRUE(app.form17.is_visible());
    ASSERT_TRUE(rt().Click(app.form17.Command1));
    // Back to the mode choice without submitting: the login's way out.
    ASSERT_TRUE(rt().CloseByTitleBar(app.form16));
    ASSERT_TRUE(app.form42.is_loaded());
    ASSERT_EQ(app.form42.MinutesLeft, 1);
    Run([&] { app.form43.Show(); });
    ASSERT_TRUE(rt().Click(app.form43.Command4));
    fake.AnswerNextBox(platform::MsgAnswer::Yes);
    ASSERT_TRUE(rt().Click(app.form12.Image5));
    ASSERT_TRUE(rt().Click(app.form13.Image4));
    Advance(100);
    ASSERT_TRUE(rt().Click(app.form14.Check1));
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(app.form14.Image3));
    Journal first_steps(fake.journal().begin(), fake.journal().begin() + 4);
    EXPECT_EQ(first_steps, (Journal{"unload Form42", "load Form42", "SetWindowPos(Form42, HWND_TOPMOST, 0, 0, 0, 0, 3)",
                                    "show Form42"}));
    EXPECT_EQ(app.form42.Label5.caption() + ":" + app.form42.Label3.caption(), "119:60");
    EXPECT_EQ(app.form42.MinutesLeft, 119);

    fake.ClearJournal();
    fake.AnswerNextBox(platform::MsgAnswer::Ok);
    Advance(kTimeUpAt);
    EXPECT_EQ(fake.Entries("show Form17").size(), 1u);
    EXPECT_EQ(fake.Entries("MsgBox(\"时间已到，考试结束！\"").size(), 1u);
}

}  // namespace
}  // namespace boxi::testing

// The rules page: the set draw on its timer and the exam start, which
// leaves no answer of an earlier road in the new exam.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "support/ExamHarness.h"

namespace boxi::testing {
namespace {

using Journal = std::vector<std::string>;
using platform::MsgAnswer;

const std::string kRefusal = "MsgBox(\"只有勾选了已阅读才能进行考试！\", 33, \"全国计算机等级考试_信息提示\")";

class RulesPageTest : public AppTest {
protected:
    // From the portal through exam mode, the login and the confirmation to
    // the rules page, which has just loaded.
    void EnterRules()
    {
        StartFresh();
        ASSERT_TRUE(rt().Click(app.form8.Image2));
        ASSERT_TRUE(rt().Click(app.form59.Command4));
        ASSERT_TRUE(rt().Click(app.form43.Option1(1)));
        ASSERT_TRUE(rt().Click(app.form43.Command4));
        fake.AnswerNextBox(MsgAnswer::Yes);
        ASSERT_TRUE(rt().Click(app.form12.Image5));
        ASSERT_TRUE(rt().Click(app.form13.Image4));
        fake.ClearJournal();
    }
    // Back to the mode choice and through login and confirmation again.
    void VisitAgain()
    {
        ASSERT_TRUE(rt().Click(app.form14.Image4));
        ASSERT_TRUE(rt().Click(app.form43.Command4));
        fake.AnswerNextBox(MsgAnswer::Yes);
        ASSERT_TRUE(rt().Click(app.form12.Image5));
        ASSERT_TRUE(rt().Click(app.form13.Image4));
    }
    std::string Drawn() { return app.form10.Combo1.peek().text; }
    // Draws `name` in place of the timer's draw and ticks the box.
    void DrawAndTick(const std::string& name)
    {
        Advance(100);
        Run([&] { app.form10.SetCurrentSetName(name); });
        ASSERT_TRUE(rt().Click(app.form14.Check1));
        fake.ClearJournal();
    }
};

TEST_F(RulesPageTest, rules_page_loads_unticked_with_its_draw_timer_running)
{
    EnterRules();
    EXPECT_EQ(app.form14.caption(), "全国计算机等级考试");
    EXPECT_EQ(app.form14.Check1.caption(), "已阅读");
    EXPECT_EQ(app.form14.Check1.value(), 0);
    EXPECT_EQ(app.form14.Timer1.interval(), 100);
    EXPECT_EQ(Drawn(), "实例1");
}

TEST_F(RulesPageTest, the_draw_runs_once_100_ms_after_the_load)
{
    EnterRules();
    Advance(99);
    EXPECT_TRUE(fake.Entries("Randomize").empty());
    EXPECT_EQ(Drawn(), "实例1");
    Advance(1);
    EXPECT_EQ(fake.Entries("Randomize"), (Journal{"Randomize(36000)"}));
    EXPECT_TRUE(Drawn().starts_with("第") && Drawn().ends_with("套")) << Drawn();
    Advance(10000);
    EXPECT_EQ(fake.Entries("Randomize").size(), 1u);
    EXPECT_FALSE(app.form14.Timer1.due().has_value());
}

TEST_F(RulesPageTest, drawn_values_map_to_set_names_and_never_past_forty)
{
    const std::vector<std::pair<double, std::string>> rows = {
        {0.0, "第1套"}, {0.024, "第1套"}, {0.025, "第2套"}, {0.5, "第21套"}, {0.975, "第40套"}, {0.99999999, "第40套"},
    };
    EnterRules();
    for (const auto& [value, name] : rows) {
        SCOPED_TRACE(value);
        fake.ScriptRnd(value);
        Advance(100);
        EXPECT_EQ(Drawn(), name);
        VisitAgain();
    }
}

TEST_F(RulesPageTest, every_visit_draws_again_and_covers_every_set_and_no_other)
{
    EnterRules();
    std::set<std::string> names;
    for (int k = 0; k < 40; ++k) {
        fake.ScriptRnd((k + 0.5) / 40.0);
        Advance(100);
        names.insert(Drawn());
        EXPECT_EQ(app.form14.Check1.value(), 0);
        VisitAgain();
    }
    std::set<std::string> expected;
    for (int n = 1; n <= 40; ++n)
        expected.insert("第" + std::to_string(n) + "套");
    EXPECT_EQ(names, expected);
    EXPECT_EQ(fake.Entries("Randomize").size(), 40u);
}

TEST_F(RulesPageTest, unticked_start_is_refused_whatever_the_answer_and_a_ticked_one_starts)
{
    EnterRules();
    Advance(100);
    fake.ClearJournal();
    for (MsgAnswer answer : {MsgAnswer::Ok, MsgAnswer::Cancel}) {
        fake.AnswerNextBox(answer);
        ASSERT_TRUE(rt().Click(app.form14.Image3));
        EXPECT_EQ(fake.journal().back(), kRefusal + (answer == MsgAnswer::Ok ? " -> OK" : " -> Cancel"));
        EXPECT_TRUE(app.form14.is_visible());
        EXPECT_EQ(app.form14.Check1.value(), 0);
        EXPECT_EQ(app.form14.focused(), &app.form14.Check1);
    }
    EXPECT_EQ(fake.journal().size(), 2u);
    ASSERT_TRUE(rt().Click(app.form14.Check1));
    ASSERT_TRUE(rt().Click(app.form14.Image3));
    EXPECT_TRUE(app.form16.is_visible());
    EXPECT_FALSE(app.form14.is_loaded());
}

TEST_F(RulesPageTest, the_tick_at_the_click_counts_and_a_greyed_box_lets_the_exam_start)
{
    EnterRules();
    Advance(100);
    ASSERT_TRUE(rt().Click(app.form14.Check1));
    ASSERT_TRUE(rt().Click(app.form14.Check1));
    fake.AnswerNextBox(MsgAnswer::Ok);
    ASSERT_TRUE(rt().Click(app.form14.Image3));
    EXPECT_TRUE(app.form14.is_visible());
    Run([&] { app.form14.Check1.set_value(2, ui::Notify::No); });
    ASSERT_TRUE(rt().Click(app.form14.Image3));
    EXPECT_TRUE(app.form16.is_visible());
}

// The start loads the drawn set, hides the portal for sets 8 to 11, opens
// the task window and unloads the rules page, in that order.
TEST_F(RulesPageTest, start_loads_the_drawn_set_then_opens_the_task_window)
{
    struct Row {
        std::string name;
        Journal steps;
    };
    // The toolbar first, so its countdown runs before anything is loaded.
    const std::string kToolbar = "load Form42", kShowToolbar = "show Form42";
    const std::string kTopmost = "SetWindowPos(9, HWND_TOPMOST, 0, 0, 0, 0, 3)";
    const std::vector<Row> rows = {
        {"第3套", {kToolbar, kTopmost, kShowToolbar, "case bank 第3套", "choice bank 第3套", "load Form16", "show Form16", "hide Form14", "unload Form14"}},
        {"第5套", {kToolbar, kTopmost, kShowToolbar, "choice bank 第5套", "load Form16", "show Form16", "hide Form14", "unload Form14"}},
        {"第9套", {kToolbar, kTopmost, kShowToolbar, "choice bank 第9套", "show Form8", "hide Form8", "load Form16", "show Form16", "hide Form14", "unload Form14"}},
        {"第12套", {kToolbar, kTopmost, kShowToolbar, "choice bank 第12套", "load Form16", "show Form16", "hide Form14", "unload Form14"}},
        {"第25套", {kToolbar, kTopmost, kShowToolbar, "load Form16", "show Form16", "hide Form14", "unload Form14"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        platform::FakePlatform fake2;
        App app2{fake2};
        JournalObserver journal{fake2};
        app2.runtime().AddObserver(&journal);
        app2.set_loader.case_bank = [&](QuestionTable&, std::string_view name) { fake2.Record("case bank " + std::string(name)); };
        app2.set_loader.choice_bank = [&](QuestionTable&, std::string_view name) { fake2.Record("choice bank " + std::string(name)); };
        auto& r = app2.runtime();
        app2.Start();
        r.Click(app2.form8.Image2);
        r.Click(app2.form59.Command4);
        r.Click(app2.form43.Option1(1));
        r.Click(app2.form43.Command4);
        fake2.AnswerNextBox(MsgAnswer::Yes);
        r.Click(app2.form12.Image5);
        r.Click(app2.form13.Image4);
        AdvanceClock(r, fake2, 100);
        r.Run([&] { app2.form10.SetCurrentSetName(row.name); });
        r.Click(app2.form14.Check1);
        fake2.ClearJournal();
        ASSERT_TRUE(r.Click(app2.form14.Image3));
        EXPECT_EQ(fake2.journal(), row.steps);
        app2.runtime().RemoveObserver(&journal);
    }
}

TEST_F(RulesPageTest, first_four_sets_empty_the_case_fields_and_the_task_text)
{
    for (int slot = 1; slot <= 70; ++slot) {
        app.m.Table.QuestionText.Set(slot, "旧题" + std::to_string(slot));
        app.m.Table.AnswerKey.Set(slot, "A");
        app.m.Table.ChoiceC.Set(slot, "（C）保留");
    }
    EnterRules();
    DrawAndTick("第3套");
    ASSERT_TRUE(rt().Click(app.form14.Image3));
    for (int slot = 21; slot <= 70; ++slot) {
        EXPECT_EQ(app.m.Table.QuestionText(slot), "") << slot;
        EXPECT_EQ(app.m.Table.AnswerKey(slot), "") << slot;
        EXPECT_EQ(app.m.Table.ChoiceC(slot), "（C）保留") << slot;
    }
    EXPECT_EQ(app.form16.Text1.text(), "");
    EXPECT_EQ(app.form16.Label4.caption(), "电子表格");
}

// An exam left with its task window hidden keeps the case bank held; the
// next start on one of the first four sets empties the fields all the same.
TEST_F(RulesPageTest, first_four_sets_empty_the_fields_again_after_an_exam_left_unsubmitted)
{
    EnterRules();
    DrawAndTick("第2套");
    ASSERT_TRUE(rt().Click(app.form14.Image3));
    ASSERT_TRUE(rt().Click(app.form42.Label6));
    // What a unit test run in between leaves in the table.
    app.m.Table.QuestionText.Set(22, "单元测验第22题");
    app.m.Table.AnswerKey.Set(30, "B");
    ASSERT_TRUE(rt().Click(app.form8.Image2));
    ASSERT_TRUE(rt().Click(app.form59.Command4));
    ASSERT_TRUE(rt().Click(app.form43.Command4));
    fake.AnswerNextBox(MsgAnswer::Yes);
    ASSERT_TRUE(rt().Click(app.form12.Image5));
    ASSERT_TRUE(rt().Click(app.form13.Image4));
    DrawAndTick("第3套");
    ASSERT_TRUE(rt().Click(app.form14.Image3));
    EXPECT_EQ(app.m.Table.QuestionText(22), "");
    EXPECT_EQ(app.m.Table.AnswerKey(30), "");
}

TEST_F(RulesPageTest, sets_past_twenty_change_nothing_in_the_table)
{
    app.m.Table.QuestionText.Set(22, "上次的任务");
    app.m.Table.QuestionText.Set(1, "上次的第1题");
    EnterRules();
    DrawAndTick("第25套");
    ASSERT_TRUE(rt().Click(app.form14.Image3));
    EXPECT_EQ(app.m.Table.QuestionText(1), "上次的第1题");
    EXPECT_EQ(app.form16.Text1.text(), "上次的任务");
}

// Both ends of the range and the sets just outside it.
TEST_F(RulesPageTest, portal_open_behind_the_exam_hides_for_sets_8_to_11_only)
{
    const std::vector<std::pair<std::string, bool>> rows = {
        {"第7套", true}, {"第8套", false}, {"第9套", false}, {"第11套", false}, {"第12套", true}};
    for (const auto& [name, portal_visible] : rows) {
        SCOPED_TRACE(name);
        platform::FakePlatform fake2;
        App app2{fake2};
        auto& r = app2.runtime();
        app2.Start();
        r.Click(app2.form8.Image2);
        r.Click(app2.form59.Command4);
        r.Click(app2.form43.Option1(1));
        r.Click(app2.form43.Command4);
        fake2.AnswerNextBox(MsgAnswer::Yes);
        r.Click(app2.form12.Image5);
        r.Click(app2.form13.Image4);
        AdvanceClock(r, fake2, 100);
        r.Run([&] { app2.form10.SetCurrentSetName(name); });
        r.Click(app2.form14.Check1);
        ASSERT_TRUE(r.Click(app2.form14.Image3));
        EXPECT_TRUE(app2.form8.is_loaded());
        EXPECT_EQ(app2.form8.is_visible(), portal_visible);
    }
}

TEST_F(RulesPageTest, exit_area_returns_to_the_mode_choice_and_the_next_visit_draws_again)
{
    EnterRules();
    fake.ScriptRnd(0.0);
    Advance(100);
    ASSERT_TRUE(rt().Click(app.form14.Check1));
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(app.form14.Image4));
    EXPECT_EQ(fake.journal(), (Journal{"hide Form14", "unload Form14", "show Form43"}));
    ASSERT_TRUE(rt().Click(app.form43.Command4));
    fake.AnswerNextBox(MsgAnswer::Yes);
    ASSERT_TRUE(rt().Click(app.form12.Image5));
    ASSERT_TRUE(rt().Click(app.form13.Image4));
    EXPECT_EQ(app.form14.Check1.value(), 0);
    fake.ScriptRnd(0.0);
    Advance(100);
    EXPECT_EQ(fake.Entries("Randomize").size(), 1u);
    EXPECT_EQ(Drawn(), "第1套");
}

// A new exam starts with no marks from before its start: answers given in
// training, in an exam left without submitting, or after a submission,
// stay out of its count, its choice sheet and its review, while its own
// answers are counted, marked and reviewed as usual.
class ExamStartMarksTest : public ExamTest {
protected:
    void Answer(int k, int option)
    {
        ASSERT_TRUE(rt().Click(app.form20.Label3(k)));
        ASSERT_TRUE(rt().Click(app.form20.Option1(option)));
    }
    // Back from the task window on screen to the portal, as a learner
    // goes: "返回" to the chooser, "返回" to the course menu, "退出".
    void BackToPortal()
    {
        ASSERT_TRUE(rt().Click(app.form16.Command8));
        ASSERT_TRUE(rt().Click(app.form10.Command1));
        ASSERT_TRUE(rt().Click(app.form60.Command7));
        ASSERT_TRUE(app.form8.is_visible());
    }
    std::vector<std::string> Counters()
    {
        return {app.form15.Label21.caption(), app.form15.Label24.caption(), app.form15.Label5.caption()};
    }
    std::set<int> PageCells()
    {
        std::set<int> green;
        for (int k = 1; k <= Form15::kCellCount; ++k) {
            if (app.form15.IsAnswered(k))
                green.insert(k);
        }
        return green;
    }
    std::set<int> SheetCells()
    {
        std::set<int> green;
        for (int k = 1; k <= 20; ++k) {
            if (app.form20.Label3(k).back_color() == ui::colors::kGreen ||
                app.form20.Shape2(k).peek().fill_style == ui::FillStyle::Solid)
                green.insert(k);
        }
        return green;
    }
    std::set<int> ReviewRows()
    {
        std::set<int> written;
        for (int k = 1; k <= 23; ++k) {
            if (!app.form1.Text5(k).text().empty() || !app.form1.Text3(k).text().empty())
                written.insert(k);
        }
        return written;
    }

    // On the exam just started on "第<set>套": "交卷" counts nothing, the
    // choice sheet opens unmarked; then its own answers to questions 2 and
    // 7 are counted, marked and reviewed against the keys of its own set.
    void ExpectOnlyItsOwnAnswers(int set)
    {
        ASSERT_TRUE(rt().Click(app.form42.Label8));  // "交卷"
        EXPECT_EQ(Counters(), (std::vector<std::string>{" 0", " 23", " 23"}));
        EXPECT_EQ(PageCells(), std::set<int>{});
        ASSERT_TRUE(rt().Click(app.form15.Command2));  // "取消"
        ASSERT_TRUE(rt().Click(app.form16.Command1));  // "选择题"
        EXPECT_EQ(SheetCells(), std::set<int>{});

        Answer(2, 0);
        Answer(7, 3);
        EXPECT_EQ(SheetCells(), (std::set<int>{2, 7}));
        ASSERT_TRUE(rt().Click(app.form42.Label8));
        EXPECT_EQ(Counters(), (std::vector<std::string>{" 2", " 21", " 21"}));
        EXPECT_EQ(PageCells(), (std::set<int>{2, 7}));
        ASSERT_TRUE(rt().Click(app.form15.Command1));  // "确定"
        ASSERT_TRUE(app.form1.is_visible());
        EXPECT_EQ(ReviewRows(), (std::set<int>{2, 7}));
        EXPECT_EQ(app.form1.Text5(2).text(), "A");
        EXPECT_EQ(app.form1.Text5(7).text(), "D");
        for (int k = 1; k <= 20; ++k)
            EXPECT_EQ(app.form1.Text4(k).text(), StandInKey(set, k)) << k;
    }
};

// The walk that found it: question 1 of 第1套 answered in training, then
// through the portal to an exam in which nothing is answered.
TEST_F(ExamStartMarksTest, an_answer_given_in_training_stays_out_of_the_next_exam)
{
    OpenFromCaseChooser("第1套");
    ASSERT_TRUE(rt().Click(app.form16.Command1));
    Answer(1, 0);
    ASSERT_TRUE(rt().Click(app.form20.Image3));
    BackToPortal();
    StartExam("第3套");
    ExpectOnlyItsOwnAnswers(3);
}

// The choice window stays open when the task window comes back from the
// toolbar; leaving the exam from there keeps it open with its sheet.
TEST_F(ExamStartMarksTest, answers_of_an_exam_left_unsubmitted_stay_out_of_the_next_exam)
{
    StartExam("第3套");
    ASSERT_TRUE(rt().Click(app.form16.Command1));
    Answer(1, 0);
    Answer(4, 1);
    ASSERT_TRUE(rt().Click(app.form42.Label6));  // "隐藏试题"
    ASSERT_TRUE(rt().Click(app.form42.Label6));  // "显示试题"
    BackToPortal();
    ASSERT_TRUE(app.form20.is_visible());
    StartExam("第5套");
    EXPECT_FALSE(app.form20.is_loaded());
    ExpectOnlyItsOwnAnswers(5);
}

// The clean-up leaves the choice window open, so answers can follow the
// submission: into the open review, and after its "退出" into a fresh
// review and a fresh page, both hidden, up to the next exam's start.
TEST_F(ExamStartMarksTest, answers_given_after_a_submission_stay_out_of_the_next_exam)
{
    StartExam("第3套");
    ASSERT_TRUE(rt().Click(app.form16.Command1));
    Answer(1, 0);
    ASSERT_TRUE(rt().Click(app.form42.Label8));
    ASSERT_TRUE(rt().Click(app.form15.Command1));
    ASSERT_TRUE(app.form1.is_visible());
    Answer(4, 1);
    ASSERT_TRUE(rt().Click(app.form1.Command1));  // "退出"
    Answer(6, 2);
    ASSERT_TRUE(app.form1.is_loaded());
    ASSERT_TRUE(app.form15.is_loaded());
    StartNextExam("第5套");
    EXPECT_FALSE(app.form1.is_loaded());
    ExpectOnlyItsOwnAnswers(5);
}

}  // namespace
}  // namespace boxi::testing

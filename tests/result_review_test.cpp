// The result review: its load, the row selection and panes, the exit to
// the mode choice, and the two operations no control raises.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "support/ExamHarness.h"

namespace boxi::testing {
namespace {

using Journal = std::vector<std::string>;

const ui::Color kLightBlue = ui::Color::Rgb(128, 128, 255);

class ResultReviewTest : public ExamTest {
protected:
    Form1& review() { return app.form1; }
    // Submits the running exam through the page's "确定".
    void Submit()
    {
        ASSERT_TRUE(rt().Click(app.form42.Label8));
        ASSERT_TRUE(rt().Click(app.form15.Command1));
        ASSERT_TRUE(review().is_visible());
        fake.ClearJournal();
    }
    std::vector<std::string> Column(ui::ControlArray<ui::TextBox>& cells)
    {
        std::vector<std::string> texts;
        for (int k = 1; k <= 23; ++k)
            texts.push_back(cells(k).text());
        return texts;
    }
    int LightBlueRows()
    {
        int count = 0;
        for (int k = 1; k <= 23; ++k)
            count += review().Label3(k).back_color() == kLightBlue;
        return count;
    }
    std::string QuestionOf(int set, int k)
    {
        const std::string tag = std::to_string(set) + "-" + std::to_string(k);
        return StandInQuestion(set, k) + "\r\n(A)甲" + tag + "\r\n(B)乙" + tag + "\r\n(C)丙" + tag + "\r\n(D)丁" + tag;
    }
    std::string AnswerOf(int set, int k)
    {
        return "答案：" + StandInKey(set, k) + "\r\n分析：评析" + std::to_string(set) + "-" + std::to_string(k);
    }
};

TEST_F(ResultReviewTest, submitted_with_no_answer_it_shows_the_keys_and_item_one)
{
    StartExam("第3套");
    Run([&] { app.m.CurrentQuestion = 7; });
    Submit();
    std::vector<std::string> keys;
    for (int k = 1; k <= 20; ++k)
        keys.push_back(StandInKey(3, k));
    keys.insert(keys.end(), {"", "", ""});
    EXPECT_EQ(Column(review().Text4), keys);
    EXPECT_EQ(Column(review().Text3), std::vector<std::string>(23, ""));
    EXPECT_EQ(Column(review().Text5), std::vector<std::string>(23, ""));
    EXPECT_EQ(review().Label3(1).back_color(), kLightBlue);
    for (int k = 2; k <= 23; ++k)
        EXPECT_EQ(review().Label3(k).back_color(), ui::colors::kButtonFace) << k;
    EXPECT_EQ(review().Text1.text(), QuestionOf(3, 1));
    EXPECT_EQ(review().Text2.text(), AnswerOf(3, 1));
    EXPECT_EQ(app.m.CurrentQuestion, 7) << "the load leaves the current question";
    EXPECT_EQ(review().caption(), "试题评判与分析");
}

TEST_F(ResultReviewTest, the_submitted_review_loads_its_set_afresh_from_the_bank)
{
    StartExam("第3套");
    // Something wrote over the table during the exam; the clean-up released
    // the bank, so the review's load writes the set again.
    Run([&] { app.m.Table.AnswerKey.Set(4, "Z"); });
    Submit();
    EXPECT_EQ(review().Text4(4).text(), StandInKey(3, 4));
}

// An exam left without submitting keeps its set held; the next start still
// loads the set it drew, and its review shows that set's keys.
TEST_F(ResultReviewTest, the_next_exam_after_one_left_unsubmitted_loads_and_reviews_its_own_set)
{
    StartExam("第3套");
    ASSERT_TRUE(rt().CloseByTitleBar(app.form16));
    Run([&] { app.form43.Show(); });
    ASSERT_TRUE(rt().Click(app.form43.Command4));
    fake.AnswerNextBox(platform::MsgAnswer::Yes);
    ASSERT_TRUE(rt().Click(app.form12.Image5));
    ASSERT_TRUE(rt().Click(app.form13.Image4));
    Advance(100);
    Run([&] { app.form10.SetCurrentSetName("第7套"); });
    ASSERT_TRUE(rt().Click(app.form14.Check1));
    ASSERT_TRUE(rt().Click(app.form14.Image3));
    for (int k = 1; k <= 20; ++k)
        ASSERT_EQ(app.m.Table.QuestionText(k), StandInQuestion(7, k)) << k;
    Submit();
    for (int k = 1; k <= 20; ++k)
        EXPECT_EQ(review().Text4(k).text(), StandInKey(7, k)) << k;
    EXPECT_EQ(review().Text1.text(), QuestionOf(7, 1));
    EXPECT_EQ(review().Text2.text(), AnswerOf(7, 1));
}

// A case opened during the exam empties the keys while the choice bank is
// still held from the entry; the review loaded by the next answer must not
// find it held, or its key cells stay empty.
TEST_F(ResultReviewTest, a_review_loaded_after_a_case_was_opened_mid_exam_shows_its_sets_keys)
{
    StartExam("第5套");
    ASSERT_TRUE(rt().Click(app.form16.Command1));  // "选择题"
    ASSERT_TRUE(app.form20.is_visible());
    // The task window back from the toolbar, then "返回" and a case.
    ASSERT_TRUE(rt().Click(app.form42.Label6));
    ASSERT_TRUE(rt().Click(app.form42.Label6));
    ASSERT_TRUE(rt().Click(app.form16.Command8));
    ASSERT_TRUE(rt().Type(app.form10.Combo1, "实例1"));
    ASSERT_TRUE(rt().Click(app.form10.Command2));
    ASSERT_EQ(app.m.Table.AnswerKey(3), "");
    ASSERT_TRUE(rt().Click(app.form16.Command8));
    ASSERT_TRUE(rt().Type(app.form10.Combo1, "第5套"));
    ASSERT_FALSE(review().is_loaded());

    ASSERT_TRUE(rt().Click(app.form20.Option1(2)));
    ASSERT_TRUE(review().is_loaded());
    for (int k = 1; k <= 20; ++k)
        EXPECT_EQ(review().Text4(k).text(), StandInKey(5, k)) << k;
    EXPECT_EQ(review().Text1.text(), QuestionOf(5, 1));
}

TEST_F(ResultReviewTest, a_set_without_choice_questions_shows_what_the_table_holds)
{
    StartExam("第25套");
    Run([&] {
        for (int k = 1; k <= 20; ++k) {
            for (TextTable* field : {&app.m.Table.QuestionText, &app.m.Table.ChoiceA, &app.m.Table.ChoiceB,
                                     &app.m.Table.ChoiceC, &app.m.Table.ChoiceD, &app.m.Table.AnswerKey,
                                     &app.m.Table.AnswerAnalysis})
                field->Set(k, "");
        }
        app.m.Table.AnswerKey.Set(2, "C");
    });
    Submit();
    EXPECT_EQ(review().Text4(1).text(), "");
    EXPECT_EQ(review().Text4(2).text(), "C");
    EXPECT_EQ(review().Text1.text(), "\r\n\r\n\r\n\r\n");
    EXPECT_EQ(review().Text2.text(), "答案：\r\n分析：");
}

TEST_F(ResultReviewTest, a_row_click_selects_that_row_alone_and_shows_its_item)
{
    StartExam("第3套");
    Run([&] {
        app.m.Table.QuestionText.Set(21, "字处理题\r\n");
        app.m.Table.AnswerKey.Set(21, "步骤一");
        app.m.Table.QuestionText.Set(23, "");
        app.m.Table.AnswerKey.Set(23, "");
    });
    Submit();
    struct Row {
        int k;
        std::string question;
        std::string answer;
    };
    for (const Row& row : {Row{12, QuestionOf(3, 12), AnswerOf(3, 12)}, Row{21, "字处理题\r\n", "步骤一"},
                           Row{23, "", ""}, Row{1, QuestionOf(3, 1), AnswerOf(3, 1)},
                           Row{12, QuestionOf(3, 12), AnswerOf(3, 12)}}) {
        ASSERT_TRUE(rt().Click(review().Label3(row.k)));
        EXPECT_EQ(review().Text1.text(), row.question) << row.k;
        EXPECT_EQ(review().Text2.text(), row.answer) << row.k;
        EXPECT_EQ(review().Label3(row.k).back_color(), kLightBlue);
        EXPECT_EQ(LightBlueRows(), 1);
        EXPECT_EQ(review().Label3(row.k == 1 ? 2 : 1).back_color(), ui::colors::kWhite);
    }
    EXPECT_EQ(review().Text3(21).text() + review().Text4(21).text() + review().Text5(21).text(), "");
}

TEST_F(ResultReviewTest, cells_take_typing_and_panes_are_guarded)
{
    StartExam();
    Submit();
    ASSERT_TRUE(rt().Type(review().Text5(2), "B"));
    EXPECT_EQ(review().Text5(2).text(), "B");
    EXPECT_FALSE(rt().Type(review().Text1, "改写"));
    for (ui::TextBox* pane : {&review().Text1, &review().Text2}) {
        fake.ClearJournal();
        fake.ChooseNextPopupItem(0);
        ASSERT_TRUE(rt().MouseDown(*pane, ui::kRightButton));
        EXPECT_EQ(fake.journal(), (Journal{"PopupMenu(Form1, popmenu, [\"内容不可更改\"]) -> 0"})) << pane->name();
        EXPECT_TRUE(pane->enabled());
    }
}

TEST_F(ResultReviewTest, exit_ends_the_exam_and_returns_to_the_mode_choice)
{
    StartExam();
    Run([&] { app.m.CurrentQuestion = 9; });
    Submit();
    ASSERT_TRUE(rt().Click(review().Command1));
    EXPECT_EQ(fake.journal(), (Journal{"hide Form1", "unload Form1", "show Form43"}));
    EXPECT_EQ(app.m.CurrentQuestion, 0);
    EXPECT_EQ(VisibleWindows(rt()), (std::vector<std::string>{"Form43"}));
}

TEST_F(ResultReviewTest, exit_during_an_exam_closes_its_windows_too)
{
    StartExam();
    // The choice section's first answer loads the review hidden.
    Run([&] { review().Text5(1).set_text("A"); });
    Run([&] { review().Show(); });
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(review().Command1));
    EXPECT_EQ(fake.journal(), (Journal{"hide Form1", "unload Form1", "unload Form16", "unload Form42", "unload Form8",
                                       "show Form43"}));
}

TEST_F(ResultReviewTest, the_portal_entry_closes_a_review_left_open_before_the_exam_start)
{
    StartExam();
    Submit();
    ASSERT_TRUE(rt().Type(review().Text5(3), "D"));
    Run([&] { app.form8.OpenExamStart(); });
    EXPECT_EQ(fake.journal(), (Journal{"hide Form1", "unload Form1", "load Form59", "show Form59"}));
    // A later review starts from empty rows.
    Run([&] { review().Hide(); });
    EXPECT_EQ(review().Text5(3).text(), "");
}

TEST_F(ResultReviewTest, close_review_loads_a_review_that_is_not_loaded_then_unloads_it)
{
    StartExam();
    Run([&] { review().CloseReview(); });
    EXPECT_EQ(fake.journal(), (Journal{"load Form1", "hide Form1", "unload Form1"}));
}

TEST_F(ResultReviewTest, review_step_moves_the_current_question_within_the_set)
{
    const std::string kTitle = "二级MS Office高级应用_选择题";
    const std::string kFirst = "MsgBox(\"请单击“下一题”按钮。\", 0, \"" + kTitle + "\") -> OK";
    const std::string kEnd =
        "MsgBox(\"本套选择题试题分析到此完毕！如果想重看，请单击“上一题”按钮。\", 0, \"" + kTitle + "\") -> OK";
    struct Row {
        int current;
        int direction;
        int after;
        std::string box;  // "" for none
        int shown;        // question in the pane, 0 for the pane unchanged
    };
    constexpr int kMax = std::numeric_limits<std::int32_t>::max();
    constexpr int kMin = std::numeric_limits<std::int32_t>::min();
    for (const Row& row : {Row{1, 0, 1, kFirst, 1}, Row{0, 0, 0, kFirst, 0}, Row{5, 0, 4, "", 4}, Row{5, 1, 6, "", 6},
                           Row{0, 1, 1, "", 1}, Row{20, 1, 20, kEnd, 0}, Row{7, 2, 7, "", 7},
                           // Left at either end of the range by another window.
                           Row{kMax, 1, 20, kEnd, 0}, Row{kMin, 0, kMin, kFirst, 0}}) {
        StartExam("第3套");
        Submit();
        Run([&] { app.m.CurrentQuestion = row.current; });
        const std::string before = review().Text1.text();
        const std::string answer_before = review().Text2.text();
        if (!row.box.empty())
            fake.AnswerNextBox(platform::MsgAnswer::Ok);
        Run([&] { review().ReviewStep(row.direction); });
        EXPECT_EQ(app.m.CurrentQuestion, row.after) << row.current << "/" << row.direction;
        EXPECT_EQ(fake.Entries("MsgBox"), row.box.empty() ? Journal{} : Journal{row.box});
        const int k = row.shown;
        const std::string tag = "3-" + std::to_string(k);
        const std::string expected =
            k == 0 ? before
                   : StandInQuestion(3, k) + "\r\n(A)甲" + tag + "\r\n(B)乙" + tag + "\r\n(C)丙" + tag + "\r\n(D)丁" + tag +
                         "\r\n试题分析：\r\n本题正确答案：" + StandInKey(3, k) + "\r\n评析" + tag;
        EXPECT_EQ(review().Text1.text(), expected) << row.current << "/" << row.direction;
        EXPECT_EQ(review().Text2.text(), answer_before);
        EXPECT_EQ(LightBlueRows(), 1);
        EXPECT_EQ(review().Text1.font().size, 12);
    }
}

TEST_F(ResultReviewTest, the_smaller_question_font_lasts_until_the_review_is_unloaded)
{
    StartExam();
    Submit();
    Run([&] { review().ReviewStep(1); });
    ASSERT_TRUE(rt().Click(review().Label3(4)));
    EXPECT_EQ(review().Text1.font().size, 12);
    Run([&] { review().CloseReview(); });
    Run([&] { review().Show(); });
    EXPECT_EQ(review().Text1.font().size, 14.25);
}

}  // namespace
}  // namespace boxi::testing

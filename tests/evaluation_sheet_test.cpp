// The evaluation sheet of the unit test: its load, the number clicks that
// recolour the row, the steps through the detail box and the way back.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "support/Harness.h"

namespace boxi::testing {
namespace {

using Journal = std::vector<std::string>;

constexpr ui::Color kCurrent = ui::Color::Rgb(0, 192, 0);
constexpr ui::Color kRight = ui::Color::Rgb(255, 0, 0);
constexpr ui::Color kWrong = ui::Color::Rgb(255, 255, 0);
constexpr ui::Color kFace = ui::colors::kButtonFace;

std::string Box(const std::string& text) { return "MsgBox(\"" + text + "\", 0, \"提示\") -> OK"; }

class EvaluationSheetTest : public AppTest {
protected:
    Form4& test() { return app.form4; }
    Form3& sheet() { return app.form3; }

    // The unit test on the default unit, question 1 answered right and
    // question 2 wrong, then evaluated: the sheet is on screen.
    void OpenSheet()
    {
        StartFresh();
        ASSERT_TRUE(rt().Click(app.form8.Image1));
        ASSERT_TRUE(rt().Click(app.form60.Command10));
        ASSERT_TRUE(rt().Click(test().Optbutton(0)));  // 1: key A
        ASSERT_TRUE(rt().Click(test().cmd(1)));
        ASSERT_TRUE(rt().Click(test().Optbutton(3)));  // 2: key C
        ASSERT_TRUE(rt().Click(test().Command1));
        fake.ClearJournal();
    }
    std::string Detail(int k)
    {
        const QuestionTable& t = app.m.Table;
        return t.QuestionText(k) + "\r\n" + t.ChoiceA(k) + "\r\n" + t.ChoiceB(k) + "\r\n" + t.ChoiceC(k) + "\r\n" +
               t.ChoiceD(k) + "\r\n正确答案：" + t.AnswerKey(k) + "\r\n试题分析：" + t.AnswerAnalysis(k);
    }
    std::vector<ui::Color> Colors()
    {
        std::vector<ui::Color> colors;
        for (int k = 1; k <= 40; ++k)
            colors.push_back(sheet().Label3(k).back_color());
        return colors;
    }
    // Every number on the button face except those given.
    static std::vector<ui::Color> Expected(std::initializer_list<std::pair<int, ui::Color>> marks)
    {
        std::vector<ui::Color> colors(40, kFace);
        for (const auto& [k, color] : marks)
            colors[static_cast<size_t>(k - 1)] = color;
        return colors;
    }
};

TEST_F(EvaluationSheetTest, a_fresh_sheet_shows_question_one_current_with_the_keys_and_no_answers)
{
    StartFresh();
    ASSERT_TRUE(rt().Click(app.form8.Image1));
    ASSERT_TRUE(rt().Click(app.form60.Command10));
    ASSERT_TRUE(rt().Select(test().Combo1, 4));
    ASSERT_TRUE(rt().Click(test().Command1));

    EXPECT_EQ(sheet().caption(), " 评析");
    EXPECT_EQ(sheet().peek().back, ui::colors::kWhite);
    EXPECT_EQ(app.m.CurrentQuestion, 1);
    EXPECT_EQ(Colors(), Expected({{1, kCurrent}}));
    std::string keys;
    for (int k = 1; k <= 40; ++k) {
        EXPECT_EQ(sheet().Label4(k).caption(), "") << k;
        keys += sheet().Label6(k).caption();
    }
    EXPECT_EQ(keys, "ACCCBDADCBAABABABCBCDCDCCABCABBCDBDCCBDA");
    EXPECT_EQ(sheet().Text2.text(),
              "1.英文CAM的含义是（）。\r\n(A) 计算机辅助制造\r\n(B) 计算机辅助设计\r\n(C) 计算机集成制造系统\r\n"
              "(D) 计算机辅助教学\r\n正确答案：A\r\n试题分析：英文CAM的含义是计算机辅助制造，CAM是英文Computer "
              "Aided Manufacturing简写。");
    // The sheet's own bordered labels and cells.
    for (ui::Label* label : {&sheet().Label2, &sheet().Label157, &sheet().Label4(7), &sheet().Label6(40)})
        EXPECT_EQ(label->peek().label_border, ui::LabelBorder::FlatSingle) << label->name();
    EXPECT_EQ(sheet().Label3(7).peek().label_border, ui::LabelBorder::None);
}

TEST_F(EvaluationSheetTest, a_number_click_recolours_every_number_from_the_rows_and_marks_itself_current)
{
    OpenSheet();
    struct Row {
        int clicked;
        std::vector<ui::Color> colors;
    };
    const Row rows[] = {
        {3, Expected({{1, kRight}, {2, kWrong}, {3, kCurrent}})},
        {2, Expected({{1, kRight}, {2, kCurrent}})},
        {1, Expected({{1, kCurrent}, {2, kWrong}})},
        {40, Expected({{1, kRight}, {2, kWrong}, {40, kCurrent}})},
        // The last number gets its own colour back as well.
        {3, Expected({{1, kRight}, {2, kWrong}, {3, kCurrent}})},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.clicked);
        ASSERT_TRUE(rt().Click(sheet().Label3(row.clicked)));
        EXPECT_EQ(Colors(), row.colors);
        EXPECT_EQ(app.m.CurrentQuestion, row.clicked);
        EXPECT_EQ(sheet().Text2.text(), Detail(row.clicked));
    }
}

TEST_F(EvaluationSheetTest, number_colours_come_from_the_sheets_own_rows_with_equal_texts_first)
{
    OpenSheet();
    // A key row written at load with an empty key for 5, then the table's
    // keys and answers changed behind the sheet: only its own rows count.
    Run([&] {
        app.m.Table.AnswerKey.Set(5, "");
        sheet().Unload();
        sheet().Show();
        sheet().Label4(2).set_caption("C");
        sheet().Label4(3).set_caption("B");
        app.m.Table.AnswerKey.Set(3, "B");
        app.m.Table.GivenAnswer.Set(4, app.m.Table.AnswerKey(4));
    });
    ASSERT_EQ(sheet().Label6(3).caption(), "C");
    ASSERT_TRUE(rt().Click(sheet().Label3(7)));
    // 2 right; 3 wrong by its key cell; 4 unanswered on the sheet; 5 with
    // both cells empty counts as equal.
    EXPECT_EQ(Colors(), Expected({{2, kRight}, {3, kWrong}, {5, kRight}, {7, kCurrent}}));
}

TEST_F(EvaluationSheetTest, steps_move_the_detail_only_and_stop_at_both_ends_with_their_messages)
{
    OpenSheet();
    ASSERT_TRUE(rt().Click(sheet().Label3(5)));
    const std::vector<ui::Color> colors = Colors();
    ASSERT_TRUE(rt().Click(sheet().cmd(1)));
    EXPECT_EQ(app.m.CurrentQuestion, 6);
    EXPECT_EQ(sheet().Text2.text(), Detail(6));
    EXPECT_EQ(Colors(), colors);

    ASSERT_TRUE(rt().Click(sheet().Label3(1)));
    fake.AnswerNextBox(platform::MsgAnswer::Ok);
    ASSERT_TRUE(rt().Click(sheet().cmd(0)));
    EXPECT_EQ(app.m.CurrentQuestion, 1);
    EXPECT_EQ(sheet().Text2.text(), Detail(1));

    ASSERT_TRUE(rt().Click(sheet().Label3(40)));
    fake.AnswerNextBox(platform::MsgAnswer::Ok);
    ASSERT_TRUE(rt().Click(sheet().cmd(1)));
    EXPECT_EQ(app.m.CurrentQuestion, 40);
    EXPECT_EQ(sheet().Text2.text(), Detail(40));
    EXPECT_EQ(fake.Entries("MsgBox"), (Journal{Box("请单击“下一题”按钮。"), Box("本单元测验试题完毕！")}));
}

TEST_F(EvaluationSheetTest, steps_bring_a_question_number_left_far_outside_back_within_the_unit)
{
    struct Row {
        int left_at;
        int button;
        int lands_on;
        const char* message;
    };
    const Row rows[] = {
        {150, 0, 40, "本单元测验试题完毕！"},
        {150, 1, 40, "本单元测验试题完毕！"},
        {-7, 1, 1, "请单击“下一题”按钮。"},
        {-7, 0, 1, "请单击“下一题”按钮。"},
        {0, 1, 1, nullptr},
        // The drill's "下一题" can leave the largest number behind; a step
        // from either end of the range lands without wrapping round.
        {std::numeric_limits<std::int32_t>::max(), 1, 40, "本单元测验试题完毕！"},
        {std::numeric_limits<std::int32_t>::min(), 0, 1, "请单击“下一题”按钮。"},
    };
    OpenSheet();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.left_at);
        fake.ClearJournal();
        app.m.CurrentQuestion = row.left_at;
        if (row.message)
            fake.AnswerNextBox(platform::MsgAnswer::Ok);
        ASSERT_TRUE(rt().Click(sheet().cmd(row.button)));
        EXPECT_EQ(app.m.CurrentQuestion, row.lands_on);
        EXPECT_EQ(sheet().Text2.text(), Detail(row.lands_on));
        EXPECT_EQ(fake.Entries("MsgBox"), row.message ? Journal{Box(row.message)} : Journal{});
    }
}

TEST_F(EvaluationSheetTest, return_shows_the_test_as_left_and_the_sheet_keeps_its_place_for_the_next_look)
{
    OpenSheet();
    ASSERT_TRUE(rt().Click(sheet().Label3(7)));
    ASSERT_TRUE(rt().Click(sheet().cmd(1)));
    const std::vector<ui::Color> colors = Colors();
    ASSERT_TRUE(rt().Click(sheet().Command5));
    EXPECT_EQ(fake.Entries("hide"), (Journal{"hide Form3"}));
    EXPECT_EQ(VisibleWindows(rt()), (std::vector<std::string>{"Form4"}));
    EXPECT_EQ(test().load_count(), 1u);
    EXPECT_EQ(test().UnitQuestionNo(), 2);
    EXPECT_TRUE(test().Optbutton(3).value());

    ASSERT_TRUE(rt().Click(test().Command1));
    EXPECT_EQ(sheet().load_count(), 1u);
    EXPECT_EQ(app.m.CurrentQuestion, 8);
    EXPECT_EQ(sheet().Text2.text(), Detail(8));
    EXPECT_EQ(Colors(), colors);
}

TEST_F(EvaluationSheetTest, the_chapter_study_exit_closes_the_sheet_and_shows_chapter_study)
{
    OpenSheet();
    Run([this] { sheet().ReturnToChapterStudy(); });
    EXPECT_EQ(fake.Entries("hide"), (Journal{"hide Form3"}));
    EXPECT_FALSE(sheet().is_loaded());
    EXPECT_TRUE(app.form2.is_visible());
}

}  // namespace
}  // namespace boxi::testing

// The unit-test window: its load, answers and score, navigation, unit
// choice, evaluation and the way back to the course menu, with what each
// does to the evaluation sheet.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "banks/UnitBank.h"
#include "monkey/Monkey.h"
#include "support/Harness.h"

namespace boxi::testing {
namespace {

using Journal = std::vector<std::string>;

constexpr ui::Color kCurrent = ui::Color::Rgb(0, 192, 0);
constexpr ui::Color kRight = ui::Color::Rgb(255, 0, 0);
constexpr ui::Color kWrong = ui::Color::Rgb(255, 255, 0);

std::string Box(const std::string& text) { return "MsgBox(\"" + text + "\", 0, \"提示\") -> OK"; }

class UnitTestWindowTest : public AppTest {
public:
    Form4& test() { return app.form4; }
    Form3& sheet() { return app.form3; }

    // From the portal through the course menu's button, journal cleared.
    void Open()
    {
        StartFresh();
        ASSERT_TRUE(rt().Click(app.form8.Image1));
        ASSERT_TRUE(rt().Click(app.form60.Command10));
        fake.ClearJournal();
    }
    void Next() { ASSERT_TRUE(rt().Click(test().cmd(1))); }
    void Previous() { ASSERT_TRUE(rt().Click(test().cmd(0))); }
    void Answer(char letter) { ASSERT_TRUE(rt().Click(test().Optbutton(letter - 'A'))); }
    void Evaluate() { ASSERT_TRUE(rt().Click(test().Command1)); }
    char Key(int k) { return app.m.Table.AnswerKey(k).at(0); }
    static char Other(char letter) { return letter == 'A' ? 'B' : 'A'; }
    // Answers questions 1 to 40 from question 1 on, the first `right` of
    // them right and the rest wrong.
    void AnswerAll(int right)
    {
        for (int k = 1; k <= 40; ++k) {
            Answer(k <= right ? Key(k) : Other(Key(k)));
            if (k < 40)
                Next();
        }
    }
    // The selected option, -1 with none.
    int Selected()
    {
        int selected = -1;
        for (int i = 0; i < 4; ++i) {
            if (test().Optbutton(i).value()) {
                EXPECT_EQ(selected, -1) << "two options selected";
                selected = i;
            }
        }
        return selected;
    }
    std::vector<std::string> GivenAnswers()
    {
        std::vector<std::string> given;
        for (int k = 1; k <= 40; ++k)
            given.push_back(app.m.Table.GivenAnswer(k));
        return given;
    }
    // The journal entries of window steps and message boxes, in order.
    Journal Steps()
    {
        Journal steps;
        for (const auto& entry : fake.journal()) {
            for (const char* prefix : {"load ", "show ", "hide ", "unload ", "MsgBox("}) {
                if (entry.rfind(prefix, 0) == 0)
                    steps.push_back(entry);
            }
        }
        return steps;
    }
};

TEST_F(UnitTestWindowTest, menu_button_opens_the_default_unit_on_question_one_without_touching_the_sheet)
{
    StartFresh();
    ASSERT_TRUE(rt().Click(app.form8.Image1));
    app.m.Table.GivenAnswer.Set(3, "B");  // left by an earlier visit
    fake.ClearJournal();
    ASSERT_EQ(app.form60.Command10.caption(), "单元测验");
    ASSERT_TRUE(rt().Click(app.form60.Command10));

    EXPECT_EQ(Steps(), (Journal{"load Form4", "show Form4", "hide Form60", "unload Form60"}));
    EXPECT_FALSE(sheet().is_loaded());
    std::vector<std::string> items;
    for (int i = 0; i < test().Combo1.ListCount(); ++i)
        items.push_back(test().Combo1.List(i));
    EXPECT_EQ(items, (std::vector<std::string>{"数据结构与算法", "程序设计基础", "软件工程基础", "数据库设计基础",
                                               "计算机基础知识", "Word文字处理", "Excel报表软件", "PowerPoint演示文稿"}));
    EXPECT_EQ(test().Combo1.text(), "计算机基础知识");
    EXPECT_EQ(test().Text1.text(), "1.英文CAM的含义是（）。");
    EXPECT_EQ(test().Text1.font().size, 14);
    EXPECT_EQ(test().Optbutton(0).caption(), "(A) 计算机辅助制造");
    EXPECT_EQ(test().Optbutton(1).caption(), "(B) 计算机辅助设计");
    EXPECT_EQ(test().Optbutton(2).caption(), "(C) 计算机集成制造系统");
    EXPECT_EQ(test().Optbutton(3).caption(), "(D) 计算机辅助教学");
    EXPECT_EQ(Selected(), -1);
    EXPECT_EQ(test().UnitScore(), 0);
    EXPECT_EQ(test().UnitQuestionNo(), 1);
    EXPECT_EQ(app.m.QuestionCount, 40);
    EXPECT_EQ(GivenAnswers(), std::vector<std::string>(40, ""));
}

TEST_F(UnitTestWindowTest, score_and_sheet_follow_every_answer_and_only_answers)
{
    Open();
    // Keys of the default unit: 1 A, 2 C.
    struct Step {
        const char* what;
        void (*act)(UnitTestWindowTest&);
        double score;
        int question;
        int selected;
    };
    const Step steps[] = {
        {"1 right", [](UnitTestWindowTest& t) { t.Answer('A'); }, 2.5, 1, 0},
        {"1 wrong", [](UnitTestWindowTest& t) { t.Answer('B'); }, 0, 1, 1},
        {"1 right again", [](UnitTestWindowTest& t) { t.Answer('A'); }, 2.5, 1, 0},
        {"1 same letter twice", [](UnitTestWindowTest& t) { t.Answer('A'); }, 2.5, 1, 0},
        {"on to 2", [](UnitTestWindowTest& t) { t.Next(); }, 2.5, 2, -1},
        {"2 right", [](UnitTestWindowTest& t) { t.Answer('C'); }, 5, 2, 2},
        {"back to 1", [](UnitTestWindowTest& t) { t.Previous(); }, 5, 1, 0},
        {"and to 2", [](UnitTestWindowTest& t) { t.Next(); }, 5, 2, 2},
        {"2 wrong", [](UnitTestWindowTest& t) { t.Answer('D'); }, 2.5, 2, 3},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.act(*this);
        EXPECT_EQ(test().UnitScore(), step.score);
        EXPECT_EQ(test().UnitQuestionNo(), step.question);
        EXPECT_EQ(Selected(), step.selected);
    }
    EXPECT_EQ(app.m.Table.GivenAnswer(1), "A");
    EXPECT_EQ(app.m.Table.GivenAnswer(2), "D");
    EXPECT_EQ(sheet().Label4(1).caption(), "A");
    EXPECT_EQ(sheet().Label3(1).back_color(), kRight);
    EXPECT_EQ(sheet().Label4(2).caption(), "D");
    EXPECT_EQ(sheet().Label3(2).back_color(), kWrong);
    EXPECT_EQ(sheet().Label4(3).caption(), "");
    EXPECT_TRUE(test().is_visible());
    EXPECT_FALSE(sheet().is_visible());
}

TEST_F(UnitTestWindowTest, first_answer_loads_the_sheet_behind_the_window_and_later_ones_only_write_it)
{
    Open();
    Answer('B');
    EXPECT_EQ(Steps(), (Journal{"load Form3", "show Form3", "hide Form3"}));
    fake.ClearJournal();
    Next();
    Answer('C');
    EXPECT_EQ(Steps(), (Journal{"hide Form3"}));
    EXPECT_EQ(VisibleWindows(rt()), (std::vector<std::string>{"Form4"}));
    // The sheet's load made question 1 current; the answer painted it over.
    EXPECT_EQ(sheet().Label3(1).back_color(), kWrong);
    EXPECT_EQ(app.m.CurrentQuestion, 1);
}

TEST_F(UnitTestWindowTest, stepping_past_either_end_stays_and_shows_the_recorded_answer_without_recording)
{
    Open();
    Answer('C');  // wrong: the key of question 1 is A
    const Journal before_steps = fake.journal();
    fake.AnswerNextBox(platform::MsgAnswer::Ok);
    Previous();
    EXPECT_EQ(fake.Entries("MsgBox"), (Journal{Box("如果想重做试题，请单击“下一题”按钮。")}));
    EXPECT_EQ(test().UnitQuestionNo(), 1);
    EXPECT_EQ(Selected(), 2);
    EXPECT_EQ(test().Text1.text(), "1.英文CAM的含义是（）。");

    for (int k = 2; k <= 40; ++k)
        Next();
    EXPECT_EQ(test().UnitQuestionNo(), 40);
    EXPECT_EQ(Selected(), -1);
    fake.AnswerNextBox(platform::MsgAnswer::Ok);
    Next();
    EXPECT_EQ(fake.Entries("MsgBox").back(), Box("本单元测验完毕！"));
    EXPECT_EQ(test().UnitQuestionNo(), 40);
    EXPECT_EQ(test().Text1.text(), app.m.Table.QuestionText(40));

    // Nothing of the steps touched the answers, the score or the sheet.
    for (int k = 40; k > 1; --k)
        Previous();
    EXPECT_EQ(Selected(), 2);
    EXPECT_EQ(app.m.Table.GivenAnswer(1), "C");
    EXPECT_EQ(test().UnitScore(), 0);
    for (const auto& entry : fake.journal())
        EXPECT_TRUE(entry.rfind("MsgBox", 0) == 0 ||
                    std::find(before_steps.begin(), before_steps.end(), entry) != before_steps.end())
            << entry;
}

// Showing a recorded answer selects its option from code; the answering
// step must not run for it, or it would paint the sheet's green number
// with the answer's colour and hide the sheet again.
TEST_F(UnitTestWindowTest, showing_a_recorded_answer_runs_no_answer_and_leaves_the_sheet_as_it_was)
{
    Open();
    Answer('C');  // wrong: the key of question 1 is A
    Evaluate();
    ASSERT_TRUE(rt().Click(sheet().Label3(1)));
    ASSERT_TRUE(rt().Click(sheet().Command5));
    ASSERT_EQ(sheet().Label3(1).back_color(), kCurrent);
    Next();
    fake.ClearJournal();
    Previous();
    EXPECT_EQ(Selected(), 2);
    EXPECT_EQ(sheet().Label3(1).back_color(), kCurrent);
    EXPECT_EQ(Steps(), Journal{});
}

TEST_F(UnitTestWindowTest, unit_choice_of_another_or_the_same_unit_starts_afresh_with_a_fresh_hidden_sheet)
{
    struct Row {
        int index;
        const char* unit;
    };
    for (const Row row : {Row{5, "Word文字处理"}, Row{4, "计算机基础知识"}, Row{3, "数据库设计基础"}}) {
        SCOPED_TRACE(row.unit);
        Open();
        Answer('A');
        Next();
        Answer('C');
        ASSERT_EQ(test().UnitScore(), 5);
        fake.ClearJournal();
        ASSERT_TRUE(rt().Select(test().Combo1, row.index));

        EXPECT_EQ(Steps(), (Journal{"unload Form3", "load Form3", "show Form3", "hide Form3"}));
        const banks::UnitTexts* unit = banks::FindUnit(row.unit);
        ASSERT_NE(unit, nullptr);
        EXPECT_EQ(test().Combo1.text(), row.unit);
        EXPECT_EQ(test().UnitScore(), 0);
        EXPECT_EQ(test().UnitQuestionNo(), 1);
        EXPECT_EQ(Selected(), -1);
        EXPECT_EQ(test().Text1.text(), app.m.Table.QuestionText(1));
        EXPECT_EQ(GivenAnswers(), std::vector<std::string>(40, ""));
        for (int k = 1; k <= 40; ++k) {
            EXPECT_EQ(sheet().Label6(k).caption(), std::string(1, unit->keys[static_cast<size_t>(k - 1)])) << k;
            EXPECT_EQ(sheet().Label4(k).caption(), "") << k;
            EXPECT_EQ(sheet().Label3(k).back_color(), k == 1 ? kCurrent : ui::colors::kButtonFace) << k;
        }
        EXPECT_EQ(VisibleWindows(rt()), (std::vector<std::string>{"Form4"}));
        ASSERT_TRUE(rt().Click(test().Command2));
    }
}

TEST_F(UnitTestWindowTest, evaluation_writes_score_verdict_and_unit_at_every_band_edge)
{
    struct Row {
        int right;
        const char* score;
        const char* verdict;
    };
    const Row rows[] = {
        {0, " 0", "   你本单元测验成绩不理想，应该加强本单元学习和练习！"},
        {23, " 57.5", "   你本单元测验成绩不理想，应该加强本单元学习和练习！"},
        {24, " 60", "   你本单元测验过关！"},
        {31, " 77.5", "   你本单元测验过关！"},
        {32, " 80", "   你本单元测验达到良好水平！"},
        {35, " 87.5", "   你本单元测验达到良好水平！"},
        {36, " 90", "   你本单元测验已达到优秀水平，值得庆贺！"},
        {39, " 97.5", "   你本单元测验已达到优秀水平，值得庆贺！"},
        {40, " 100", "   你本单元测验满分，太棒了！"},
    };
    Open();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.score);
        ASSERT_TRUE(rt().Select(test().Combo1, 4));
        if (row.right > 0)
            AnswerAll(row.right);
        ASSERT_TRUE(rt().Click(test().Command1));
        EXPECT_EQ(sheet().Label157.caption(), row.score);
        EXPECT_EQ(sheet().Text1.text(), row.verdict);
        EXPECT_EQ(sheet().Label2.caption(), "计算机基础知识");
        EXPECT_EQ(VisibleWindows(rt()), (std::vector<std::string>{"Form3"}));
        ASSERT_TRUE(rt().Click(sheet().Command5));
    }
}

TEST_F(UnitTestWindowTest, evaluating_again_after_the_sheets_return_shows_the_same_and_keeps_the_test)
{
    Open();
    Answer('A');
    Next();
    Answer('C');
    Next();
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(test().Command1));
    EXPECT_EQ(Steps(), (Journal{"show Form3", "hide Form4"}));
    ASSERT_TRUE(rt().Click(sheet().Command5));
    EXPECT_EQ(VisibleWindows(rt()), (std::vector<std::string>{"Form4"}));
    EXPECT_EQ(test().UnitQuestionNo(), 3);
    EXPECT_EQ(test().load_count(), 1u);
    ASSERT_TRUE(rt().Click(test().Command1));
    EXPECT_EQ(sheet().Label157.caption(), " 5");
    EXPECT_EQ(sheet().Text1.text(), "   你本单元测验成绩不理想，应该加强本单元学习和练习！");
    EXPECT_EQ(app.m.Table.GivenAnswer(2), "C");
}

TEST_F(UnitTestWindowTest, a_typed_unit_name_loads_nothing_and_reaches_the_sheet_as_typed)
{
    Open();
    const std::string stem = app.m.Table.QuestionText(1);
    for (const std::string& input : monkey::BadInputs()) {
        SCOPED_TRACE(input.substr(0, 30));
        ASSERT_TRUE(rt().Type(test().Combo1, input));
        EXPECT_EQ(test().Combo1.text(), input);
        EXPECT_EQ(app.m.Table.QuestionText(1), stem);
        ASSERT_TRUE(rt().Click(test().Command1));
        EXPECT_EQ(sheet().Label2.caption(), input);
        ASSERT_TRUE(rt().Type(sheet().Text1, input));
        EXPECT_EQ(sheet().Text1.text(), input);
        ASSERT_TRUE(rt().Type(sheet().Text2, input));
        EXPECT_EQ(sheet().Text2.text(), input);
        ASSERT_TRUE(rt().Click(sheet().Command5));
        ASSERT_TRUE(rt().Type(test().Text1, input));
        EXPECT_EQ(test().Text1.text(), input);
    }
}

TEST_F(UnitTestWindowTest, return_closes_sheet_and_window_for_the_menu_and_the_next_visit_starts_afresh)
{
    Open();
    ASSERT_TRUE(rt().Select(test().Combo1, 0));
    Answer('B');
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(test().Command2));
    EXPECT_EQ(Steps(), (Journal{"unload Form3", "hide Form4", "unload Form4", "load Form60", "show Form60"}));
    EXPECT_FALSE(rt().ended());
    EXPECT_EQ(LoadedWindows(rt()), (std::vector<std::string>{"Form60"}));

    ASSERT_TRUE(rt().Click(app.form60.Command10));
    EXPECT_EQ(test().Combo1.text(), "计算机基础知识");
    EXPECT_EQ(test().Text1.text(), "1.英文CAM的含义是（）。");
    EXPECT_EQ(test().UnitScore(), 0);
    EXPECT_EQ(GivenAnswers(), std::vector<std::string>(40, ""));
}

TEST_F(UnitTestWindowTest, right_press_in_either_guarded_box_opens_only_the_one_item_menu)
{
    Open();
    ASSERT_TRUE(rt().Click(test().Command1));
    ASSERT_TRUE(rt().Click(sheet().Command5));
    struct Row {
        ui::TextBox& box;
        ui::Window& window;
        const char* popup;
    };
    const Row rows[] = {
        {test().Text1, test(), "PopupMenu(Form4, popmenu, [\"禁止右键\"]) -> 0"},
        {sheet().Text2, sheet(), "PopupMenu(Form3, popmenu, [\"禁止右键\"]) -> 0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.popup);
        if (!row.window.is_visible()) {
            ASSERT_TRUE(rt().Click(test().Command1));
        }
        const std::string text = row.box.text();
        fake.ClearJournal();
        ASSERT_TRUE(rt().MouseDown(row.box, ui::kLeftButton));
        EXPECT_TRUE(fake.journal().empty());
        fake.ChooseNextPopupItem(0);
        ASSERT_TRUE(rt().MouseDown(row.box, ui::kRightButton));
        EXPECT_EQ(fake.journal(), (Journal{row.popup}));
        EXPECT_TRUE(row.box.enabled());
        EXPECT_EQ(row.box.text(), text);
    }
}

// A sheet that ends with its test, and a test that survives its sheet.
TEST_F(UnitTestWindowTest, closing_the_window_by_its_title_bar_unloads_the_sheet_first_and_returns_to_the_menu)
{
    Open();
    Answer('A');
    fake.ClearJournal();
    ASSERT_TRUE(rt().CloseByTitleBar(test()));
    EXPECT_EQ(Steps(), (Journal{"unload Form3", "hide Form4", "unload Form4", "load Form60", "show Form60"}));
    EXPECT_FALSE(rt().ended());
}

TEST_F(UnitTestWindowTest, closing_the_sheet_by_its_title_bar_brings_the_test_back_and_answers_are_rewritten)
{
    struct Row {
        const char* path;
        void (*act)(UnitTestWindowTest&);
        const char* score;
    };
    const Row rows[] = {
        {"an answer", [](UnitTestWindowTest& t) { t.Next(); t.Answer('C'); }, ""},
        {"the evaluation", [](UnitTestWindowTest& t) { t.Evaluate(); }, " 2.5"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.path);
        Open();
        Answer('A');  // 1 right
        Next();
        Answer('D');  // 2 wrong
        ASSERT_TRUE(rt().Click(test().Command1));
        ASSERT_TRUE(rt().CloseByTitleBar(sheet()));
        EXPECT_FALSE(rt().ended());
        EXPECT_EQ(VisibleWindows(rt()), (std::vector<std::string>{"Form4"}));
        EXPECT_FALSE(sheet().is_loaded());

        row.act(*this);
        EXPECT_EQ(sheet().Label4(1).caption(), "A");
        EXPECT_EQ(sheet().Label3(1).back_color(), kRight);
        EXPECT_EQ(sheet().Label4(2).caption(), "D");
        EXPECT_EQ(sheet().Label3(2).back_color(), kWrong);
        EXPECT_EQ(sheet().Label157.caption(), row.score);
        if (sheet().is_visible()) {
            ASSERT_TRUE(rt().Click(sheet().Command5));
        }
        ASSERT_TRUE(rt().Click(test().Command2));
    }
}


// The window's own load and a choice of the same unit in the list write the
// same 280 texts: forty questions of seven fields, every one of them written.
TEST_F(UnitTestWindowTest, load_and_list_choice_of_the_default_unit_write_the_same_texts)
{
    const auto snapshot = [this] {
        std::vector<std::string> texts;
        const QuestionTable& t = app.m.Table;
        for (int k = 1; k <= 40; ++k)
            for (const TextTable* field : {&t.QuestionText, &t.ChoiceA, &t.ChoiceB, &t.ChoiceC, &t.ChoiceD, &t.AnswerKey,
                                           &t.AnswerAnalysis})
                texts.push_back((*field)(k));
        return texts;
    };
    Open();
    const std::vector<std::string> loaded = snapshot();
    ASSERT_EQ(loaded.size(), 280u);
    EXPECT_EQ(std::count(loaded.begin(), loaded.end(), ""), 0);

    app.m.Table = QuestionTable{};
    ASSERT_TRUE(rt().Select(test().Combo1, 4));
    ASSERT_EQ(test().Combo1.text(), "计算机基础知识");
    EXPECT_EQ(snapshot(), loaded);
}

}  // namespace
}  // namespace boxi::testing

// The exam choice window: the task window's entry, moving between the
// twenty questions, leaving, the analysis and the entry control's rules.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "banks/ExamChoiceBank.h"
#include "cases/SetLoading.h"
#include "common/Module1.h"
#include "support/ExamHarness.h"
#include "support/Harness.h"

namespace boxi::testing {
namespace {

using Journal = std::vector<std::string>;

const char* const kKeys = "BDAC";

// The choice bank of these tests: every set "第1套" to "第20套" writes its
// twenty questions into the seven fields of slots 1 to 20, texts that name
// set and question, keys cycling through B, D, A, C.
void WriteTestSet(QuestionTable& table, std::string_view name)
{
    if (!IsExamSetName(name, 1, 20))
        return;
    const std::string set(name);
    for (int k = 1; k <= 20; ++k) {
        const std::string q = set + "第" + std::to_string(k) + "题";
        table.QuestionText.Set(k, q + "题干");
        table.ChoiceA.Set(k, "A) " + q + "甲");
        table.ChoiceB.Set(k, "B) " + q + "乙");
        table.ChoiceC.Set(k, "C) " + q + "丙");
        table.ChoiceD.Set(k, "D) " + q + "丁");
        table.AnswerKey.Set(k, std::string(1, kKeys[(k - 1) % 4]));
        table.AnswerAnalysis.Set(k, q + "分析");
    }
}

std::string Stem(const std::string& set, int k) { return set + "第" + std::to_string(k) + "题题干"; }
std::string Steps(const std::string& set, int k)
{
    return "答案：" + std::string(1, kKeys[(k - 1) % 4]) + "\r\n分析：" + set + "第" + std::to_string(k) + "题分析";
}

std::string Box(const std::string& text) { return "MsgBox(\"" + text + "\", 0, \"提示\") -> OK"; }

class ExamChoiceTest : public AppTest {
protected:
    ExamChoiceTest()
    {
        app.set_loader.choice_bank = [this](QuestionTable& table, std::string_view name) {
            bank_calls.emplace_back(name);
            WriteTestSet(table, name);
        };
    }

    // Opens `name` in training: the portal, the course menu's "实战模拟",
    // the chooser with the name typed.
    void OpenInChooser(const std::string& name) { OpenFromCaseChooser(name); }

    // Opens the set and enters its choice section through the task window.
    void EnterSet(const std::string& name)
    {
        OpenInChooser(name);
        ASSERT_TRUE(rt().Click(task().Command1));
        fake.ClearJournal();
    }

    Form16& task() { return app.form16; }
    Form20& choice() { return app.form20; }
    int current() const { return app.m.CurrentQuestion; }

    std::vector<int> BoldNumbers()
    {
        std::vector<int> bold;
        for (int k = 1; k <= 20; ++k) {
            if (choice().Label3(k).font().bold)
                bold.push_back(k);
        }
        return bold;
    }

    std::vector<int> SelectedOptions()
    {
        std::vector<int> selected;
        for (int i = 0; i <= 3; ++i) {
            if (choice().Option1(i).value())
                selected.push_back(i);
        }
        return selected;
    }

    // Question k of `set` in the box, the options, the number and position.
    void ExpectQuestionOnScreen(const std::string& set, int k)
    {
        const std::string q = set + "第" + std::to_string(k) + "题";
        EXPECT_EQ(choice().Text1.text(), Stem(set, k));
        EXPECT_EQ(choice().Option1(0).caption(), "A) " + q + "甲");
        EXPECT_EQ(choice().Option1(1).caption(), "B) " + q + "乙");
        EXPECT_EQ(choice().Option1(2).caption(), "C) " + q + "丙");
        EXPECT_EQ(choice().Option1(3).caption(), "D) " + q + "丁");
        EXPECT_EQ(choice().Label2.caption(), std::to_string(k));
        EXPECT_EQ(choice().Label4.caption(), std::to_string(k) + "/20");
        EXPECT_EQ(app.form9.Text1.text(), Steps(set, k));
    }

    // Nothing left of an answer: no option, no feedback, no analysis button.
    void ExpectDisplayCleared()
    {
        EXPECT_TRUE(SelectedOptions().empty());
        EXPECT_EQ(choice().Label5.caption(), "");
        EXPECT_FALSE(choice().Command1.visible());
    }

    // The mode choice with training (0) or exam mode (1) selected.
    void SetMode(int option)
    {
        Run([&] { app.form43.Option1(option).set_value(true, ui::Notify::No); });
    }

    // Cell k on the choice sheet and on the progress page, marked or not.
    void ExpectMarked(int k, bool marked)
    {
        for (auto [number, cell] : {std::pair<ui::Label*, ui::Shape*>{&choice().Label3(k), &choice().Shape2(k)},
                                    {&app.form15.Label3(k), &app.form15.Shape2(k)}}) {
            SCOPED_TRACE(number->window().name());
            EXPECT_EQ(number->fore_color() == ui::colors::kRed, marked);
            EXPECT_EQ(number->back_color() == ui::colors::kGreen, marked);
            EXPECT_EQ(cell->fill_style() == ui::FillStyle::Solid, marked);
            EXPECT_EQ(cell->fill_color() == ui::colors::kGreen, marked);
        }
    }

    // Letter, key and verdict of the review's row k.
    std::vector<std::string> ReviewRow(int k)
    {
        return {app.form1.Text5(k).text(), app.form1.Text4(k).text(), app.form1.Text3(k).text()};
    }

    std::vector<std::string> bank_calls;
};

using Row3 = std::vector<std::string>;
constexpr const char* kRight = "恭喜您，选择正确！";
constexpr const char* kWrong = "您的选择不正确，请重新选择！";

TEST_F(ExamChoiceTest, the_window_shows_its_caption_and_design_controls)
{
    Run([&] { choice().Show(); });
    EXPECT_EQ(choice().caption(), "NCRE无纸化_二级MS Office高级应用_考试系统_[选择题]姓名：模拟1，准考证号：418203957614");
    EXPECT_EQ(choice().Label2.caption(), "1");
    EXPECT_EQ(choice().Label4.caption(), "1/20");
    EXPECT_EQ(choice().Command1.caption(), "试题评析");
    EXPECT_TRUE(choice().Text1.locked());
    for (int k = 1; k <= 20; ++k) {
        EXPECT_EQ(choice().Label3(k).caption(), std::to_string(k));
        EXPECT_EQ(choice().Label3(k).rect(), (ui::Rect{16 + 32 * (k - 1), 24, 13, 13}));
        EXPECT_EQ(choice().Shape2(k).fill_style(), ui::FillStyle::Transparent);
    }
    const char* captions[] = {"A)", "B)", "C)", "D)"};
    for (int i = 0; i <= 3; ++i)
        EXPECT_EQ(choice().Option1(i).caption(), captions[i]);
    EXPECT_TRUE(SelectedOptions().empty());
}

TEST_F(ExamChoiceTest, entry_loads_the_set_prepares_question_1_and_takes_the_task_windows_place)
{
    OpenInChooser("第7套");
    ASSERT_TRUE(task().Command1.visible());
    EXPECT_EQ(task().Command1.caption(), "选择题");
    ASSERT_TRUE(rt().Click(task().Command1));

    // The window loads when its button is hidden, the steps window when its
    // text is written (hidden, on top), and the task window goes last.
    EXPECT_EQ(fake.journal(), (Journal{"load Form20", "load Form9", "SetWindowPos(Form9, HWND_TOPMOST, 0, 0, 0, 0, 3)",
                                       "show Form20", "hide Form16"}));
    EXPECT_EQ(bank_calls, (std::vector<std::string>{"第7套"}));
    EXPECT_EQ(current(), 1);
    ExpectQuestionOnScreen("第7套", 1);
    EXPECT_TRUE(BoldNumbers().empty());
    ExpectDisplayCleared();
    EXPECT_FALSE(app.form9.is_visible());
    EXPECT_TRUE(task().is_loaded());
    EXPECT_EQ(VisibleWindows(rt()), (Journal{"Form20"}));
}

TEST_F(ExamChoiceTest, entry_for_a_name_without_choice_data_shows_what_the_table_holds)
{
    for (const char* name : {"第25套", "实例3", "第7套 "}) {
        SCOPED_TRACE(name);
        Run([&] {
            app.form10.SetCurrentSetName(name);
            app.m.Table.QuestionText.Set(1, "先前的题干");
            app.m.Table.ChoiceC.Set(1, "先前的C");
            app.m.Table.AnswerKey.Set(1, "D");
            app.m.Table.AnswerAnalysis.Set(1, "先前的分析");
            task().EnterChoiceSection();
        });
        EXPECT_TRUE(bank_calls.empty());
        EXPECT_TRUE(fake.boxes().empty());
        EXPECT_EQ(choice().Text1.text(), "先前的题干");
        EXPECT_EQ(choice().Option1(2).caption(), "先前的C");
        EXPECT_EQ(choice().Option1(0).caption(), "");
        EXPECT_EQ(app.form9.Text1.text(), "答案：D\r\n分析：先前的分析");
        EXPECT_TRUE(choice().is_visible());
    }
}

TEST_F(ExamChoiceTest, a_jump_then_next_shows_the_following_question_with_only_its_number_bold)
{
    EnterSet("第3套");
    ASSERT_TRUE(rt().Click(choice().Label3(15)));
    EXPECT_EQ(current(), 15);
    ExpectQuestionOnScreen("第3套", 15);
    EXPECT_EQ(BoldNumbers(), (std::vector<int>{15}));

    ASSERT_TRUE(rt().Click(choice().Image2(1)));
    EXPECT_EQ(current(), 16);
    ExpectQuestionOnScreen("第3套", 16);
    EXPECT_EQ(BoldNumbers(), (std::vector<int>{16}));

    ASSERT_TRUE(rt().Click(choice().Image2(0)));
    ASSERT_TRUE(rt().Click(choice().Image2(0)));
    EXPECT_EQ(current(), 14);
    ExpectQuestionOnScreen("第3套", 14);
    EXPECT_EQ(BoldNumbers(), (std::vector<int>{14}));
    EXPECT_TRUE(fake.boxes().empty());
    EXPECT_FALSE(app.form9.is_visible());
}

TEST_F(ExamChoiceTest, previous_on_question_1_asks_for_next_and_shows_question_1_again)
{
    EnterSet("第3套");
    ASSERT_TRUE(rt().Click(choice().Option1(2)));
    fake.AnswerNextBox(platform::MsgAnswer::Ok);
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(choice().Image2(0)));
    EXPECT_EQ(fake.journal(), (Journal{Box("请单击“下一题”按钮！")}));
    EXPECT_EQ(fake.boxes().back().icon, platform::MsgIcon::None);
    EXPECT_EQ(current(), 1);
    ExpectQuestionOnScreen("第3套", 1);
    EXPECT_EQ(BoldNumbers(), (std::vector<int>{1}));
    ExpectDisplayCleared();
}

TEST_F(ExamChoiceTest, next_past_question_20_names_the_end_by_the_steps_windows_visibility)
{
    struct Row {
        bool steps_visible;
        const char* message;
    };
    for (const Row& row : {Row{false, "选择题到此全部完毕！"}, Row{true, "请单击“上一题”按钮！"}}) {
        SCOPED_TRACE(row.message);
        EnterSet("第5套");
        ASSERT_TRUE(rt().Click(choice().Label3(20)));
        ASSERT_TRUE(rt().Click(choice().Option1(1)));  // an answer hides the steps window
        if (row.steps_visible)
            Run([&] { app.form9.Show(); });
        fake.AnswerNextBox(platform::MsgAnswer::Ok);
        fake.ClearJournal();
        ASSERT_TRUE(rt().Click(choice().Image2(1)));
        EXPECT_EQ(fake.journal(), (Journal{Box(row.message)}));
        EXPECT_EQ(current(), 20);
        EXPECT_EQ(choice().Text1.text(), Stem("第5套", 20));
        EXPECT_EQ(choice().Label2.caption(), "20");
        EXPECT_EQ(choice().Label4.caption(), "20/20");
        EXPECT_TRUE(BoldNumbers().empty());
        ExpectDisplayCleared();
        ASSERT_TRUE(rt().Click(choice().Image3));
        ASSERT_TRUE(rt().Click(task().Command8));
    }
}

TEST_F(ExamChoiceTest, reading_the_steps_windows_visibility_at_the_end_loads_it_hidden)
{
    EnterSet("第5套");
    ASSERT_TRUE(rt().Click(choice().Label3(20)));
    Run([&] { app.form9.Show(); });
    ASSERT_TRUE(rt().Click(app.form9.Command2));  // its close unloads it
    ASSERT_FALSE(app.form9.is_loaded());
    fake.AnswerNextBox(platform::MsgAnswer::Ok);
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(choice().Image2(1)));
    EXPECT_EQ(fake.journal(), (Journal{"load Form9", "SetWindowPos(Form9, HWND_TOPMOST, 0, 0, 0, 0, 3)",
                                       Box("选择题到此全部完毕！")}));
    EXPECT_FALSE(app.form9.is_visible());
    EXPECT_EQ(app.form9.Text1.text(), "Text1");
}

TEST_F(ExamChoiceTest, a_move_rewrites_the_visible_analysis_and_the_button_shows_it_as_it_stands)
{
    EnterSet("第9套");
    ASSERT_TRUE(rt().Click(choice().Label3(4)));
    Run([&] { choice().Command1.set_visible(true); });
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(choice().Command1));
    EXPECT_EQ(fake.journal(), (Journal{"show Form9"}));
    EXPECT_EQ(app.form9.Text1.text(), Steps("第9套", 4));

    ASSERT_TRUE(rt().Click(choice().Image2(1)));
    EXPECT_TRUE(app.form9.is_visible());
    EXPECT_EQ(app.form9.Text1.text(), Steps("第9套", 5));

    // Closed with its own button, it comes back with its initial text until
    // the next move prepares it again.
    ASSERT_TRUE(rt().Click(app.form9.Command2));
    Run([&] { choice().Command1.set_visible(true); });
    ASSERT_TRUE(rt().Click(choice().Command1));
    EXPECT_EQ(app.form9.Text1.text(), "Text1");
    ASSERT_TRUE(rt().Click(choice().Label3(8)));
    EXPECT_EQ(app.form9.Text1.text(), Steps("第9套", 8));
}

TEST_F(ExamChoiceTest, with_current_question_0_next_shows_question_1_and_previous_shows_nothing)
{
    EnterSet("第2套");
    ASSERT_TRUE(rt().Click(choice().Label3(6)));
    Run([&] { app.m.CurrentQuestion = 0; });
    ASSERT_TRUE(rt().Click(choice().Image2(1)));
    EXPECT_EQ(current(), 1);
    ExpectQuestionOnScreen("第2套", 1);

    ASSERT_TRUE(rt().Click(choice().Label3(6)));
    Run([&] { app.m.CurrentQuestion = 0; });
    fake.AnswerNextBox(platform::MsgAnswer::Ok);
    ASSERT_TRUE(rt().Click(choice().Image2(0)));
    EXPECT_EQ(current(), 0);
    EXPECT_EQ(choice().Text1.text(), Stem("第2套", 6));
    EXPECT_TRUE(BoldNumbers().empty());
}

// The drill can leave the largest number behind, and nothing bounds what
// other windows write: a move from either end of the range does not wrap.
TEST_F(ExamChoiceTest, moves_from_either_end_of_the_number_range_end_as_past_the_set)
{
    struct Row {
        std::int32_t left_at;
        int button;
        std::int32_t lands_on;
        const char* message;
    };
    const Row rows[] = {
        {std::numeric_limits<std::int32_t>::max(), 1, 20, "选择题到此全部完毕！"},
        {std::numeric_limits<std::int32_t>::min(), 0, std::numeric_limits<std::int32_t>::min(), "请单击“下一题”按钮！"},
    };
    EnterSet("第4套");
    ASSERT_TRUE(rt().Click(choice().Label3(7)));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.left_at);
        Run([&] { app.m.CurrentQuestion = row.left_at; });
        fake.AnswerNextBox(platform::MsgAnswer::Ok);
        fake.ClearJournal();
        ASSERT_TRUE(rt().Click(choice().Image2(row.button)));
        EXPECT_EQ(fake.journal(), (Journal{Box(row.message)}));
        EXPECT_EQ(current(), row.lands_on);
        EXPECT_EQ(choice().Text1.text(), Stem("第4套", 7));
    }
}

TEST_F(ExamChoiceTest, entry_with_the_window_still_loaded_rewrites_only_what_the_entry_writes)
{
    EnterSet("第4套");
    ASSERT_TRUE(rt().Click(choice().Label3(9)));
    ASSERT_TRUE(rt().Click(choice().Option1(1)));
    const std::string feedback = choice().Label5.caption();
    // The task window shown again without leaving, as the exam toolbar does.
    Run([&] { task().Show(); });
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(task().Command1));
    EXPECT_EQ(fake.journal(), (Journal{"show Form20", "hide Form16"}));
    EXPECT_EQ(choice().load_count(), 1u);
    EXPECT_EQ(current(), 1);
    EXPECT_EQ(choice().Text1.text(), Stem("第4套", 1));
    EXPECT_EQ(choice().Option1(0).caption(), "A) 第4套第1题甲");
    EXPECT_EQ(app.form9.Text1.text(), Steps("第4套", 1));
    EXPECT_FALSE(choice().Command1.visible());
    // Kept from before.
    EXPECT_EQ(choice().Label2.caption(), "9");
    EXPECT_EQ(choice().Label4.caption(), "9/20");
    EXPECT_EQ(choice().Label5.caption(), feedback);
    EXPECT_EQ(SelectedOptions(), (std::vector<int>{1}));
    EXPECT_EQ(BoldNumbers(), (std::vector<int>{9}));
    EXPECT_EQ(choice().Shape2(9).fill_color(), ui::colors::kGreen);
}

TEST_F(ExamChoiceTest, leaving_returns_to_the_task_window_and_the_next_entry_starts_a_fresh_window)
{
    EnterSet("第6套");
    ASSERT_TRUE(rt().Click(choice().Label3(3)));
    ASSERT_TRUE(rt().Click(choice().Option1(0)));
    Run([&] { app.form9.Show(); });
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(choice().Image3));
    EXPECT_EQ(fake.journal(), (Journal{"hide Form20", "unload Form20", "show Form16"}));
    EXPECT_EQ(current(), 0);
    EXPECT_TRUE(app.form9.is_visible());
    EXPECT_EQ(app.m.Table.QuestionText(3), Stem("第6套", 3));

    ASSERT_TRUE(rt().Click(task().Command1));
    EXPECT_EQ(choice().load_count(), 2u);
    EXPECT_EQ(current(), 1);
    EXPECT_TRUE(BoldNumbers().empty());
    EXPECT_TRUE(SelectedOptions().empty());
    EXPECT_EQ(choice().Shape2(3).fill_style(), ui::FillStyle::Transparent);
    EXPECT_EQ(choice().Label3(3).back_color(), ui::colors::kWhite);
}

// In training the task window is the only way on: the title bar's close
// leaves the choice window as its leave area does.
TEST_F(ExamChoiceTest, closing_by_the_title_bar_returns_to_the_task_window)
{
    EnterSet("第6套");
    ASSERT_TRUE(rt().Click(choice().Label3(3)));
    ASSERT_TRUE(rt().CloseByTitleBar(choice()));
    EXPECT_FALSE(rt().ended());
    EXPECT_FALSE(choice().is_loaded());
    EXPECT_TRUE(task().is_visible());
    EXPECT_EQ(current(), 0);
}

TEST_F(ExamChoiceTest, leaving_after_the_task_window_was_unloaded_loads_it_afresh_with_slot_22)
{
    EnterSet("第6套");
    Run([&] {
        task().Unload();
        app.m.Table.QuestionText.Set(22, "操作题的任务");
    });
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(choice().Image3));
    EXPECT_EQ(fake.journal(), (Journal{"hide Form20", "unload Form20", "load Form16", "show Form16"}));
    EXPECT_EQ(task().Text1.text(), "操作题的任务");
}

TEST_F(ExamChoiceTest, right_button_in_the_question_pops_the_guard_menu)
{
    EnterSet("第1套");
    ASSERT_TRUE(rt().MouseDown(choice().Text1, ui::kLeftButton));
    EXPECT_TRUE(fake.journal().empty());
    fake.ChooseNextPopupItem(0);
    ASSERT_TRUE(rt().MouseDown(choice().Text1, ui::kRightButton));
    EXPECT_EQ(fake.journal(), (Journal{"PopupMenu(Form20, popmenu, [\"内容不可改动\"]) -> 0"}));
    EXPECT_TRUE(choice().Text1.enabled());
    EXPECT_EQ(choice().Text1.text(), Stem("第1套", 1));
}

TEST_F(ExamChoiceTest, the_entry_control_shows_exactly_for_the_twenty_choice_sets)
{
    struct Row {
        const char* name;
        bool visible;
    };
    const Row rows[] = {{"第1套", true},  {"第20套", true}, {"第11套", true}, {"第21套", false},
                        {"第0套", false}, {"实例1", false}, {"实例35", false}, {"第1套 ", false},
                        {"第01套", false}, {"第１套", false}, {"", false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        // The chooser's "确定" brings the task window back loaded.
        OpenInChooser(row.name);
        EXPECT_EQ(task().Command1.visible(), row.visible);
        ASSERT_TRUE(rt().Click(task().Command8));
        // A fresh load follows the same rule.
        Run([&] { task().Show(); });
        EXPECT_EQ(task().Command1.visible(), row.visible);
        Run([&] { task().Hide(); });
    }
}

TEST_F(ExamChoiceTest, the_entry_control_follows_the_name_each_time_the_task_window_is_shown)
{
    OpenInChooser("实例2");
    ASSERT_FALSE(task().Command1.visible());
    // An exam start overwrites the name and shows the still loaded window.
    Run([&] {
        app.form10.SetCurrentSetName("第12套");
        task().Show();
    });
    EXPECT_TRUE(task().Command1.visible());
    Run([&] {
        app.form10.SetCurrentSetName("第32套");
        task().Show();
    });
    EXPECT_FALSE(task().Command1.visible());
}

TEST_F(ExamChoiceTest, the_entry_control_reads_the_name_without_loading_the_chooser)
{
    StartFresh();
    Run([&] { task().Show(); });
    EXPECT_FALSE(task().Command1.visible());
    EXPECT_FALSE(app.form10.is_loaded());
    EXPECT_EQ(fake.journal(), (Journal{"load Form16", "show Form16"}));
}

TEST_F(ExamChoiceTest, a_second_set_in_training_shows_its_own_questions)
{
    EnterSet("第7套");
    ASSERT_TRUE(rt().Click(choice().Image3));
    ASSERT_TRUE(rt().Click(task().Command8));
    EnterSet("第8套");
    EXPECT_EQ(bank_calls, (std::vector<std::string>{"第7套", "第8套"}));
    ExpectQuestionOnScreen("第8套", 1);
    ASSERT_TRUE(rt().Click(choice().Label3(12)));
    ExpectQuestionOnScreen("第8套", 12);
}

TEST_F(ExamChoiceTest, entry_itself_keeps_the_held_bank_and_the_control_releases_it)
{
    // A case opened in between emptied stems, keys and options A and B; the
    // held choice bank would leave them so.
    EnterSet("第7套");
    Run([&] {
        for (int slot = 1; slot <= 70; ++slot) {
            app.m.Table.QuestionText.Set(slot, "");
            app.m.Table.AnswerKey.Set(slot, "");
            app.m.Table.ChoiceA.Set(slot, "案例行");
        }
        task().EnterChoiceSection();
    });
    EXPECT_EQ(bank_calls.size(), 1u);
    EXPECT_EQ(choice().Text1.text(), "");
    EXPECT_EQ(choice().Option1(0).caption(), "案例行");

    Run([&] { task().Show(); });
    ASSERT_TRUE(rt().Click(task().Command1));
    EXPECT_EQ(bank_calls.size(), 2u);
    ExpectQuestionOnScreen("第7套", 1);
    EXPECT_TRUE(app.set_loader.ChoiceBankHeld());
}

TEST_F(ExamChoiceTest, an_answer_marks_both_sheets_and_fills_the_review_row_loading_both_hidden)
{
    EnterSet("第3套");
    ASSERT_TRUE(rt().Click(choice().Label3(5)));  // the key of 5 is B
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(choice().Option1(1)));
    EXPECT_EQ(fake.journal(), (Journal{"hide Form9", "load Form15", "load Form1", "load Form43"}));
    EXPECT_EQ(app.m.ChosenLetter, "B");
    ExpectMarked(5, true);
    ExpectMarked(4, false);
    EXPECT_EQ(ReviewRow(5), (Row3{"B", "B", "1"}));
    // The review's own load wrote the keys of the other rows.
    EXPECT_EQ(ReviewRow(6), (Row3{"", "D", ""}));
    EXPECT_FALSE(app.form15.is_visible());
    EXPECT_FALSE(app.form1.is_visible());
    EXPECT_EQ(choice().Label5.caption(), kRight);
    EXPECT_TRUE(choice().Command1.visible());

    // A second letter repaints the marks and rewrites the row; the
    // analysis button stays.
    ASSERT_TRUE(rt().Click(choice().Option1(2)));
    EXPECT_EQ(app.m.ChosenLetter, "C");
    ExpectMarked(5, true);
    EXPECT_EQ(ReviewRow(5), (Row3{"C", "B", "0"}));
    EXPECT_EQ(choice().Label5.caption(), kWrong);
    EXPECT_TRUE(choice().Command1.visible());
    EXPECT_EQ(app.form1.load_count(), 1u);
    EXPECT_EQ(app.form15.load_count(), 1u);

    // Moving clears the feedback, not the marks.
    ASSERT_TRUE(rt().Click(choice().Image2(1)));
    ExpectDisplayCleared();
    ExpectMarked(5, true);
}

TEST_F(ExamChoiceTest, exam_mode_records_the_same_and_judges_nothing)
{
    struct Row {
        int mode;
        int option;
        const char* feedback;
        bool analysis;
        Row3 review;
    };
    const Row rows[] = {
        {0, 3, kRight, true, {"D", "D", "1"}},  // the key of 2 is D
        {0, 0, kWrong, false, {"A", "D", "0"}},
        {1, 3, "", false, {"D", "D", "1"}},
        {1, 0, "", false, {"A", "D", "0"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.mode) + " " + std::to_string(row.option));
        EnterSet("第10套");
        SetMode(row.mode);
        ASSERT_TRUE(rt().Click(choice().Label3(2)));
        ASSERT_TRUE(rt().Click(choice().Option1(row.option)));
        ExpectMarked(2, true);
        EXPECT_EQ(ReviewRow(2), row.review);
        EXPECT_EQ(choice().Label5.caption(), row.feedback);
        EXPECT_EQ(choice().Command1.visible(), row.analysis);
        ASSERT_TRUE(rt().Click(choice().Image3));
        ASSERT_TRUE(rt().Click(task().Command8));
        Run([&] {
            app.form15.Unload();
            app.form1.Unload();
        });
    }
}

TEST_F(ExamChoiceTest, the_selected_option_clicked_again_answers_again)
{
    EnterSet("第3套");
    ASSERT_TRUE(rt().Click(choice().Option1(1)));  // the key of 1 is B
    ASSERT_EQ(choice().Label5.caption(), kRight);
    Run([&] { app.m.Table.AnswerKey.Set(1, "A"); });
    Run([&] { app.form9.Show(); });
    ASSERT_TRUE(rt().Click(choice().Option1(1)));
    EXPECT_FALSE(app.form9.is_visible());
    EXPECT_EQ(ReviewRow(1), (Row3{"B", "A", "0"}));
    EXPECT_EQ(choice().Label5.caption(), kWrong);
}

TEST_F(ExamChoiceTest, keys_compare_exactly_and_an_empty_key_matches_nothing)
{
    struct Row {
        const char* key;
        int option;
        const char* verdict;
        const char* feedback;
    };
    const Row rows[] = {
        {"", 0, "0", kWrong},  {"b", 1, "0", kWrong},  {"B ", 1, "0", kWrong},
        {"AB", 0, "0", kWrong}, {"C", 2, "1", kRight},
    };
    EnterSet("第3套");
    // The first answer loads the review, whose load writes the set afresh:
    // the keys below are set after it.
    ASSERT_TRUE(rt().Click(choice().Option1(0)));
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string("\"") + row.key + "\"");
        Run([&] { app.m.Table.AnswerKey.Set(7, row.key); });
        ASSERT_TRUE(rt().Click(choice().Label3(7)));
        ASSERT_TRUE(rt().Click(choice().Option1(row.option)));
        EXPECT_EQ(ReviewRow(7)[1], row.key);
        EXPECT_EQ(ReviewRow(7)[2], row.verdict);
        EXPECT_EQ(choice().Label5.caption(), row.feedback);
    }
}

TEST_F(ExamChoiceTest, outside_questions_1_to_20_nothing_is_marked_but_training_still_judges)
{
    struct Row {
        int question;
        const char* key;
        const char* feedback;
    };
    const Row rows[] = {{0, "", kWrong}, {0, "A", kRight}, {25, "A", kRight}, {40, "", kWrong}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.question);
        EnterSet("第3套");
        Run([&] {
            app.m.Table.AnswerKey.Set(row.question, row.key);
            app.m.CurrentQuestion = row.question;
        });
        fake.ClearJournal();
        ASSERT_TRUE(rt().Click(choice().Option1(0)));
        EXPECT_EQ(fake.journal(), (Journal{"hide Form9", "load Form43"}));
        EXPECT_EQ(app.m.ChosenLetter, "A");
        EXPECT_FALSE(app.form15.is_loaded());
        EXPECT_FALSE(app.form1.is_loaded());
        EXPECT_EQ(choice().Label5.caption(), row.feedback);
        for (int k = 1; k <= 20; ++k)
            EXPECT_EQ(choice().Shape2(k).peek().fill_style, ui::FillStyle::Transparent);
        ASSERT_TRUE(rt().Click(choice().Image3));
        ASSERT_TRUE(rt().Click(task().Command8));
        Run([&] { app.form43.Unload(); });
    }
}

TEST_F(ExamChoiceTest, an_answer_after_submission_marks_a_fresh_page_and_rewrites_the_open_review)
{
    EnterSet("第3套");
    SetMode(1);
    ASSERT_TRUE(rt().Click(choice().Option1(0)));  // question 1, key B
    ASSERT_TRUE(rt().Click(choice().Label3(2)));
    // The keys of the review are those of its load, the first answer.
    Run([&] { app.m.Table.AnswerKey.Set(3, "D"); });
    Run([&] { app.form15.Show(); });
    ASSERT_TRUE(rt().Click(app.form15.Command1));
    ASSERT_TRUE(app.form1.is_visible());
    EXPECT_EQ(app.form1.load_count(), 1u);
    EXPECT_EQ(ReviewRow(1), (Row3{"A", "B", "0"}));
    EXPECT_EQ(ReviewRow(3), (Row3{"", "A", ""}));
    EXPECT_FALSE(app.form15.is_loaded());
    ASSERT_TRUE(choice().is_visible());

    ASSERT_TRUE(rt().Click(choice().Option1(3)));  // question 2, key D
    EXPECT_EQ(app.form15.load_count(), 2u);
    EXPECT_FALSE(app.form15.is_visible());
    for (int k = 1; k <= 20; ++k)
        EXPECT_EQ(app.form15.Label3(k).back_color() == ui::colors::kGreen, k == 2) << k;
    EXPECT_EQ(app.form1.load_count(), 1u);
    EXPECT_EQ(ReviewRow(2), (Row3{"D", "D", "1"}));
    EXPECT_EQ(ReviewRow(1), (Row3{"A", "B", "0"}));
}

TEST_F(ExamChoiceTest, at_the_time_up_the_entry_control_shows_the_time_up_notice_only)
{
    struct Row {
        bool toolbar;
        int minutes;
        bool time_up;
    };
    const Row rows[] = {{true, 0, true}, {true, -3, true}, {true, 1, false}, {true, 119, false}, {false, 0, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.toolbar) + " " + std::to_string(row.minutes));
        OpenInChooser("第14套");
        Run([&] {
            if (row.toolbar) {
                app.form42.Show();
                app.form42.MinutesLeft = row.minutes;
            }
        });
        bank_calls.clear();
        fake.ClearJournal();
        ASSERT_TRUE(rt().Click(task().Command1));
        if (row.time_up) {
            EXPECT_EQ(fake.journal(), (Journal{"load Form18", "show Form18"}));
            EXPECT_TRUE(bank_calls.empty());
            EXPECT_FALSE(choice().is_loaded());
            EXPECT_TRUE(task().is_visible());
        } else {
            EXPECT_EQ(bank_calls, (std::vector<std::string>{"第14套"}));
            EXPECT_TRUE(choice().is_visible());
            ASSERT_TRUE(rt().Click(choice().Image3));
        }
        ASSERT_TRUE(rt().Click(task().Command8));
        Run([&] {
            app.form42.Unload();
            app.form18.Unload();
        });
    }
}

// The same roads on the program's own choice bank, for the sets it holds,
// and the exam's own road through the rules page.
class ExamChoiceBankTest : public ExamTest {
protected:
    ExamChoiceBankTest()
    {
        app.set_loader.choice_bank = [](QuestionTable& table, std::string_view name) {
            banks::WriteExamChoiceSet(table, name);
        };
    }

    void SetUp() override
    {
        for (int n = 1; n <= 20; ++n) {
            if (const banks::ExamChoiceSet* set = banks::FindExamChoiceSet("第" + std::to_string(n) + "套"))
                sets_.push_back(set);
        }
        if (sets_.size() < 2)
            GTEST_SKIP() << "fewer than two complete sets in the bank yet";
    }

    void OpenInChooser(std::string_view name)
    {
        if (!app.form10.is_visible()) {
            StartFresh();
            ASSERT_TRUE(rt().Click(app.form8.Image1));
            ASSERT_TRUE(rt().Click(app.form60.Command4));
        }
        ASSERT_TRUE(rt().Type(app.form10.Combo1, std::string(name)));
        ASSERT_TRUE(rt().Click(app.form10.Command2));
    }

    // The option whose letter is the row's key.
    static int KeyOption(const banks::ExamChoiceRow& row) { return row.AnswerKey[0] - 'A'; }

    const banks::ExamChoiceSet& set(size_t i) const { return *sets_[i]; }

private:
    std::vector<const banks::ExamChoiceSet*> sets_;
};

TEST_F(ExamChoiceBankTest, training_on_two_sets_shows_each_sets_questions_judges_and_explains)
{
    for (size_t i : {0u, 1u}) {
        const banks::ExamChoiceSet& s = set(i);
        SCOPED_TRACE(std::string(s.name));
        OpenInChooser(s.name);
        ASSERT_TRUE(rt().Click(app.form16.Command1));
        EXPECT_EQ(app.form20.Text1.text(), s.rows[0].QuestionText);
        EXPECT_EQ(app.form20.Option1(3).caption(), s.rows[0].ChoiceD);

        ASSERT_TRUE(rt().Click(app.form20.Label3(20)));
        const banks::ExamChoiceRow& last = s.rows[19];
        ASSERT_TRUE(rt().Click(app.form20.Option1((KeyOption(last) + 1) % 4)));
        EXPECT_EQ(app.form20.Label5.caption(), kWrong);
        ASSERT_TRUE(rt().Click(app.form20.Option1(KeyOption(last))));
        EXPECT_EQ(app.form20.Label5.caption(), kRight);
        ASSERT_TRUE(rt().Click(app.form20.Command1));
        EXPECT_TRUE(app.form9.is_visible());
        EXPECT_EQ(app.form9.Text1.text(), "答案：" + std::string(last.AnswerKey) + "\r\n分析：" + std::string(last.AnswerAnalysis));

        ASSERT_TRUE(rt().Click(app.form9.Command2));
        ASSERT_TRUE(rt().Click(app.form20.Image3));
        ASSERT_TRUE(rt().Click(app.form16.Command8));
    }
}

TEST_F(ExamChoiceBankTest, an_exam_answer_reaches_the_progress_page_and_the_review_after_submission)
{
    const banks::ExamChoiceSet& s = set(0);
    StartExam(std::string(s.name));
    ASSERT_TRUE(app.form16.Command1.visible());
    ASSERT_TRUE(rt().Click(app.form16.Command1));
    EXPECT_EQ(app.form20.Text1.text(), s.rows[0].QuestionText);
    ASSERT_TRUE(rt().Click(app.form20.Label3(4)));
    ASSERT_TRUE(rt().Click(app.form20.Option1(KeyOption(s.rows[3]))));
    ASSERT_TRUE(rt().Click(app.form20.Label3(9)));
    ASSERT_TRUE(rt().Click(app.form20.Option1((KeyOption(s.rows[8]) + 1) % 4)));
    EXPECT_EQ(app.form20.Label5.caption(), "");
    EXPECT_FALSE(app.form20.Command1.visible());

    ASSERT_TRUE(rt().Click(app.form42.Label8));  // "交卷"
    ASSERT_TRUE(app.form15.is_visible());
    EXPECT_EQ(app.m.AnsweredCount, 2);
    ASSERT_TRUE(rt().Click(app.form15.Command1));  // "确定"
    ASSERT_TRUE(app.form1.is_visible());
    EXPECT_TRUE(app.form20.is_visible());
    const std::string key4(s.rows[3].AnswerKey), key9(s.rows[8].AnswerKey);
    EXPECT_EQ(app.form1.Text5(4).text(), key4);
    EXPECT_EQ(app.form1.Text4(4).text(), key4);
    EXPECT_EQ(app.form1.Text3(4).text(), "1");
    EXPECT_NE(app.form1.Text5(9).text(), key9);
    EXPECT_EQ(app.form1.Text4(9).text(), key9);
    EXPECT_EQ(app.form1.Text3(9).text(), "0");
    EXPECT_EQ(app.form1.Text4(12).text(), std::string(s.rows[11].AnswerKey));
    EXPECT_EQ(app.form1.Text5(12).text(), "");
}

TEST_F(ExamChoiceBankTest, an_exam_on_a_set_without_choice_questions_has_no_entry)
{
    StartExam("第25套");
    EXPECT_FALSE(app.form16.Command1.visible());
}

TEST_F(ExamChoiceBankTest, after_the_countdowns_time_up_the_entry_shows_only_the_time_up_notice)
{
    StartExam(std::string(set(0).name));
    fake.AnswerNextBox(platform::MsgAnswer::Ok);  // "时间已到，考试结束！"
    Advance(kTimeUpAt);
    ASSERT_FALSE(app.form16.is_loaded());
    ASSERT_TRUE(rt().Click(app.form17.Command1));
    ASSERT_TRUE(rt().Click(app.form15.Command2));  // "取消": the exam goes on
    ASSERT_TRUE(rt().Click(app.form42.Label6));
    ASSERT_TRUE(rt().Click(app.form42.Label6));
    ASSERT_TRUE(app.form16.is_visible());
    ASSERT_TRUE(app.form16.Command1.visible());
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(app.form16.Command1));
    EXPECT_EQ(fake.journal(), (Journal{"load Form18", "show Form18"}));
    EXPECT_FALSE(app.form20.is_loaded());
}

TEST_F(ExamChoiceBankTest, a_case_opened_during_the_exam_leaves_the_next_choice_entry_whole)
{
    const banks::ExamChoiceSet& s = set(1);
    StartExam(std::string(s.name));
    // Back to the chooser, a case, and the set again.
    ASSERT_TRUE(rt().Click(app.form16.Command8));
    OpenInChooser("实例8");
    ASSERT_TRUE(rt().Click(app.form16.Command8));
    OpenInChooser(s.name);
    ASSERT_TRUE(rt().Click(app.form16.Command1));
    for (int k : {1, 2, 20}) {
        SCOPED_TRACE(k);
        const banks::ExamChoiceRow& row = s.rows[static_cast<size_t>(k - 1)];
        ASSERT_TRUE(rt().Click(app.form20.Label3(k)));
        EXPECT_EQ(app.form20.Text1.text(), row.QuestionText);
        EXPECT_EQ(app.form20.Option1(0).caption(), row.ChoiceA);
        EXPECT_EQ(app.form20.Option1(1).caption(), row.ChoiceB);
        EXPECT_EQ(app.form20.Option1(2).caption(), row.ChoiceC);
        EXPECT_EQ(app.m.Table.AnswerKey(k), row.AnswerKey);
    }
}

}  // namespace
}  // namespace boxi::testing

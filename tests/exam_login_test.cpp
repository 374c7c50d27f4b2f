// The exam login and the candidate confirmation page.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "exam/Form12.h"
#include "support/Harness.h"

namespace boxi::testing {
namespace {

using Journal = std::vector<std::string>;
using platform::MsgAnswer;

const std::string kConfirmBox =
    "MsgBox(\"您输入的准考证号是：418203957614\n您的姓名是：模拟者\n您的身份证号是：******************\n请问是否正确？\", 52, "
    "\"全国计算机等级考试\")";

Journal Steps(const Journal& journal)
{
    Journal steps;
    for (const auto& entry : journal) {
        if (entry.rfind("load ", 0) == 0 || entry.rfind("show ", 0) == 0 || entry.rfind("hide ", 0) == 0 ||
            entry.rfind("unload ", 0) == 0 || entry.rfind("MsgBox(", 0) == 0)
            steps.push_back(entry);
    }
    return steps;
}

class ExamLoginTest : public AppTest {
protected:
    // Portal, exam start, mode choice in exam mode: the login on screen.
    void EnterLogin()
    {
        StartFresh();
        ASSERT_TRUE(rt().Click(app.form8.Image2));
        ASSERT_TRUE(rt().Click(app.form59.Command4));
        ASSERT_TRUE(rt().Click(app.form43.Option1(1)));
        ASSERT_TRUE(rt().Click(app.form43.Command4));
        fake.ClearJournal();
    }
    void MoveFocusAway() { Run([&] { app.form12.SetFocus(app.form12.Image5); }); }
    bool FocusInEntry() const { return app.form12.focused() == &app.form12.Text1; }
};

TEST_F(ExamLoginTest, fresh_login_offers_the_number_and_the_hint)
{
    EnterLogin();
    EXPECT_EQ(app.form12.caption(), "");
    EXPECT_EQ(app.form12.Text1.text(), "418203957614");
    EXPECT_EQ(app.form12.Label5.caption(), "提示：模拟准考证号为418203957614，请输入之。正式考试时，请输入你的真实考号。");
    EXPECT_EQ(kMockAdmissionNumber, "418203957614");
}

TEST_F(ExamLoginTest, the_number_fills_the_confirmation_page_before_asking_and_yes_shows_it)
{
    EnterLogin();
    fake.AnswerNextBox(MsgAnswer::Yes);
    ASSERT_TRUE(rt().Click(app.form12.Image5));
    EXPECT_EQ(Steps(fake.journal()),
              (Journal{"load Form13", kConfirmBox + " -> Yes", "show Form13", "hide Form12"}));
    EXPECT_EQ(app.form13.caption(), "笔试考试结果");
    EXPECT_EQ(app.form13.Label2.caption(), "418203957614");
    EXPECT_EQ(app.form13.Label1.caption(), "模拟者");
    EXPECT_EQ(app.form13.Label3.caption(), "******************");
    EXPECT_TRUE(app.form12.is_loaded());
    EXPECT_EQ(VisibleWindows(rt()), (std::vector<std::string>{"Form8", "Form13"}));
}

TEST_F(ExamLoginTest, no_to_the_confirmation_keeps_the_login_with_the_focus_in_the_entry)
{
    EnterLogin();
    MoveFocusAway();
    fake.AnswerNextBox(MsgAnswer::No);
    ASSERT_TRUE(rt().Click(app.form12.Image5));
    EXPECT_TRUE(app.form12.is_visible());
    EXPECT_TRUE(FocusInEntry());
    EXPECT_TRUE(app.form13.is_loaded());
    EXPECT_FALSE(app.form13.is_visible());
    // A later success shows the same page.
    fake.AnswerNextBox(MsgAnswer::Yes);
    ASSERT_TRUE(rt().Click(app.form12.Image5));
    EXPECT_TRUE(app.form13.is_visible());
    EXPECT_EQ(app.form13.load_count(), 1u);
    EXPECT_EQ(app.form13.Label2.caption(), "418203957614");
}

// Only the exact number passes; the message quotes the entry as typed, with
// No as its default, and No keeps the text and the focus.
TEST_F(ExamLoginTest, any_other_text_is_refused_quoting_it_exactly)
{
    const std::vector<std::pair<const char*, std::string>> rows = {
        {"blank before", " 418203957614"},
        {"blank after", "418203957614 "},
        {"one digit changed", "418203957615"},
        {"full-width digits", "４１８２０３９５７６１４"},
        {"letters", "41820395761A"},
        {"CR LF after", "418203957614\r\n"},
        {"LF inside", "418203\n957614"},
        {"format look-alike", "%1"},
        {"1 MB", std::string(1 << 20, '4')},
    };
    EnterLogin();
    for (const auto& [label, typed] : rows) {
        SCOPED_TRACE(label);
        ASSERT_TRUE(rt().Type(app.form12.Text1, typed));
        MoveFocusAway();
        fake.AnswerNextBox(MsgAnswer::No);
        ASSERT_TRUE(rt().Click(app.form12.Image5));
        ASSERT_FALSE(fake.boxes().empty());
        const platform::MessageBoxRequest& box = fake.boxes().back();
        EXPECT_TRUE(box.text == "准考证号：" + typed + "不存在，退出登录系统吗？");
        EXPECT_EQ(box.title, "全国计算机等级考试");
        EXPECT_EQ(platform::MsgBoxStyleValue(box), 4 + 48 + 256);
        EXPECT_TRUE(app.form12.Text1.text() == typed);
        EXPECT_TRUE(FocusInEntry());
        EXPECT_TRUE(app.form12.is_visible());
        EXPECT_FALSE(app.form13.is_loaded());
    }
}

TEST_F(ExamLoginTest, empty_entry_is_refused_and_only_ok_moves_the_focus)
{
    EnterLogin();
    ASSERT_TRUE(rt().Type(app.form12.Text1, ""));
    MoveFocusAway();
    fake.AnswerNextBox(MsgAnswer::Cancel);
    ASSERT_TRUE(rt().Click(app.form12.Image5));
    EXPECT_EQ(fake.journal().back(), "MsgBox(\"准考证号不能为空，请重新登录！\", 33, \"全国计算机等级考试\") -> Cancel");
    EXPECT_FALSE(FocusInEntry());
    fake.AnswerNextBox(MsgAnswer::Ok);
    ASSERT_TRUE(rt().Click(app.form12.Image5));
    EXPECT_TRUE(FocusInEntry());
    EXPECT_TRUE(app.form12.is_visible());
    EXPECT_EQ(app.form12.Text1.text(), "");
}

TEST_F(ExamLoginTest, yes_to_a_wrong_number_leads_to_the_chooser_and_unloads_the_login)
{
    EnterLogin();
    ASSERT_TRUE(rt().Type(app.form12.Text1, "123"));
    fake.AnswerNextBox(MsgAnswer::Yes);
    ASSERT_TRUE(rt().Click(app.form12.Image5));
    Journal steps = Steps(fake.journal());
    EXPECT_EQ(Journal(steps.end() - 3, steps.end()), (Journal{"show Form10", "hide Form12", "unload Form12"}));
    EXPECT_EQ(app.form10.Label3.caption(), "上机");
    EXPECT_EQ(app.form10.Label4.caption(), "考试");
    EXPECT_TRUE(app.form43.is_loaded());
    EXPECT_FALSE(app.form43.is_visible());
    // The typed text is gone with the unloaded login.
    Run([&] { app.form12.Show(); });
    EXPECT_EQ(app.form12.Text1.text(), "418203957614");
}

TEST_F(ExamLoginTest, exit_area_unloads_the_login_and_shows_the_mode_choice)
{
    EnterLogin();
    ASSERT_TRUE(rt().Click(app.form12.Image4));
    EXPECT_EQ(fake.journal(), (Journal{"hide Form12", "unload Form12", "show Form43"}));
}

// The surface pictures keep their handlers though no click reaches them.
TEST_F(ExamLoginTest, surface_exit_does_what_the_exit_area_does)
{
    EnterLogin();
    Run([&] { app.form12.Image2.on_click(); });
    EXPECT_EQ(fake.journal(), (Journal{"hide Form12", "unload Form12", "show Form43"}));
}

TEST_F(ExamLoginTest, surface_start_opens_the_confirmation_without_a_check)
{
    EnterLogin();
    ASSERT_TRUE(rt().Type(app.form12.Text1, "wrong"));
    Run([&] { app.form12.Image3.on_click(); });
    EXPECT_EQ(fake.journal(), (Journal{"hide Form12", "unload Form12", "load Form13", "show Form13"}));
    EXPECT_TRUE(fake.boxes().empty());
}

TEST_F(ExamLoginTest, surface_pictures_lie_under_the_frame_that_covers_the_window)
{
    EnterLogin();
    const ui::Rect frame = app.form12.Frame1.rect();
    EXPECT_EQ(frame.left, 0);
    EXPECT_EQ(frame.top, 0);
    EXPECT_EQ(frame.width, app.form12.peek().client_width);
    EXPECT_EQ(frame.height, app.form12.peek().client_height);
    const auto& controls = app.form12.controls();
    auto position = [&](const ui::Control& c) { return std::find(controls.begin(), controls.end(), &c) - controls.begin(); };
    EXPECT_LT(position(app.form12.Image2), position(app.form12.Frame1));
    EXPECT_LT(position(app.form12.Image3), position(app.form12.Frame1));
    EXPECT_EQ(app.form12.Image2.container(), nullptr);
    EXPECT_EQ(app.form12.Image3.container(), nullptr);
}

TEST_F(ExamLoginTest, reenter_returns_to_the_login_as_it_was_and_a_second_success_shows_the_same_page)
{
    EnterLogin();
    fake.AnswerNextBox(MsgAnswer::Yes);
    ASSERT_TRUE(rt().Click(app.form12.Image5));
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(app.form13.Image3));
    EXPECT_EQ(fake.journal(), (Journal{"show Form12", "hide Form13"}));
    EXPECT_EQ(app.form12.load_count(), 1u);
    EXPECT_TRUE(app.form13.is_loaded());
    fake.AnswerNextBox(MsgAnswer::Yes);
    ASSERT_TRUE(rt().Click(app.form12.Image5));
    EXPECT_TRUE(app.form13.is_visible());
    EXPECT_EQ(app.form13.load_count(), 1u);
}

TEST_F(ExamLoginTest, confirmation_exit_unloads_it_and_shows_the_mode_choice)
{
    EnterLogin();
    fake.AnswerNextBox(MsgAnswer::Yes);
    ASSERT_TRUE(rt().Click(app.form12.Image5));
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(app.form13.Image2));
    EXPECT_EQ(fake.journal(), (Journal{"hide Form13", "unload Form13", "show Form43"}));
    // The login stays loaded, hidden, with its text for the next visit.
    EXPECT_TRUE(app.form12.is_loaded());
    ASSERT_TRUE(rt().Click(app.form43.Command4));
    EXPECT_EQ(app.form12.load_count(), 1u);
    EXPECT_EQ(app.form12.Text1.text(), "418203957614");
}

TEST_F(ExamLoginTest, confirmation_next_unloads_it_and_opens_the_rules_page)
{
    EnterLogin();
    fake.AnswerNextBox(MsgAnswer::Yes);
    ASSERT_TRUE(rt().Click(app.form12.Image5));
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(app.form13.Image4));
    EXPECT_EQ(fake.journal(), (Journal{"hide Form13", "unload Form13", "load Form14", "show Form14"}));
    EXPECT_TRUE(app.form14.Timer1.due().has_value());
}

}  // namespace
}  // namespace boxi::testing

// The submission lock: the reveal after five seconds, the proctor's
// password, and the submission it leads to.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/ExamHarness.h"

namespace boxi::testing {
namespace {

using Journal = std::vector<std::string>;

class SubmissionLockTest : public ExamTest {
protected:
    Form46& lock() { return app.form46; }
    // An exam on the page, handed to the lock, which has asked already.
    void OpenAskingLock()
    {
        StartExam();
        ASSERT_TRUE(rt().Click(app.form42.Label8));
        ASSERT_TRUE(rt().Click(app.form15.Command3));
        Advance(5000);
        fake.ClearJournal();
    }
    bool Asking()
    {
        return lock().Text1.visible() && lock().Command1.visible() && lock().Label4.visible() &&
               lock().Label1.caption() == "交卷正常，请监考老师输入结束密码：";
    }
};

TEST_F(SubmissionLockTest, only_the_processing_message_shows_until_the_first_tick)
{
    StartExam();
    ASSERT_TRUE(rt().Click(app.form42.Label8));
    ASSERT_TRUE(rt().Click(app.form15.Command3));
    EXPECT_EQ(lock().Label1.caption(), "系统正在进行交卷处理，请稍候！");
    EXPECT_FALSE(lock().Text1.visible());
    EXPECT_FALSE(lock().Command1.visible());
    EXPECT_FALSE(lock().Label4.visible());
    Advance(4999);
    EXPECT_FALSE(Asking());
    Advance(1);
    EXPECT_TRUE(Asking());
    const std::uint64_t revision = lock().Label1.revision();
    Advance(20000);
    EXPECT_TRUE(Asking());
    EXPECT_GT(lock().Label1.revision(), revision) << "the timer goes on firing";
    EXPECT_EQ(lock().Label4.caption(), "提示：密码为：58143              真正考试时，由监考老师输入密码！");
    EXPECT_EQ(lock().Text1.peek().password_char, "*");
    EXPECT_EQ(lock().peek().border_style, ui::BorderStyle::None);
    EXPECT_FALSE(rt().CloseByTitleBar(lock()));
}

TEST_F(SubmissionLockTest, the_message_runs_across_the_top_with_entry_and_button_at_its_right_end_and_the_hint_below)
{
    const ui::Rect message = lock().Label1.peek().rect;
    const ui::Rect entry = lock().Text1.peek().rect;
    const ui::Rect button = lock().Command1.peek().rect;
    const ui::Rect hint = lock().Label4.peek().rect;
    const int height = lock().peek().client_height;
    EXPECT_LE(message.top + message.height, height / 4) << "the message line stands at the top of the lock";
    for (const ui::Rect& r : {entry, button}) {
        const int middle = r.top + r.height / 2;
        EXPECT_TRUE(middle > message.top && middle < message.top + message.height) << "on the message line";
    }
    EXPECT_GE(entry.left, message.left + message.width);
    EXPECT_GE(button.left, entry.left + entry.width);
    EXPECT_LE(button.left + button.width, lock().peek().client_width);
    EXPECT_GE(hint.top, entry.top + entry.height);
}

TEST_F(SubmissionLockTest, anything_but_the_exact_password_is_refused_and_the_entry_emptied)
{
    for (const std::string& wrong : {std::string(""), std::string(" 58143"), std::string("58143 "), std::string("5814"),
                                     std::string("581430"), std::string("５８１４３"), std::string("58134"),
                                     std::string(1 << 20, '5')}) {
        OpenAskingLock();
        ASSERT_TRUE(rt().Type(lock().Text1, wrong));
        // Pressing "结束" on the screen gives it the focus.
        Run([&] { lock().SetFocus(lock().Command1); });
        const std::uint64_t focus_moves = lock().focus_serial();
        fake.AnswerNextBox(platform::MsgAnswer::Ok);
        ASSERT_TRUE(rt().Click(lock().Command1));
        EXPECT_EQ(fake.journal(), (Journal{"MsgBox(\"输入的密码不正确！\", 0, \"计算机博习系列\") -> OK"}))
            << wrong.substr(0, 12);
        EXPECT_EQ(lock().Text1.text(), "");
        EXPECT_EQ(lock().focused(), &lock().Text1);
        EXPECT_GT(lock().focus_serial(), focus_moves) << "the desktop applies only a focus the code moved";
        EXPECT_TRUE(lock().is_visible());
        EXPECT_TRUE(Asking());
        EXPECT_TRUE(app.form42.is_loaded());
    }
}

TEST_F(SubmissionLockTest, the_password_releases_the_lock_into_the_submission)
{
    OpenAskingLock();
    MarkAnswered(5);
    ASSERT_TRUE(rt().Type(lock().Text1, "58143"));
    ASSERT_TRUE(rt().Click(lock().Command1));
    EXPECT_EQ(fake.journal(), (Journal{"hide Form46", "unload Form46", "show Form42", "unload Form15", "unload Form16",
                                       "unload Form42", "unload Form8", "load Form1", "show Form1"}));
    EXPECT_EQ(VisibleWindows(rt()), (std::vector<std::string>{"Form1"}));
}

TEST_F(SubmissionLockTest, with_the_toolbar_gone_no_fresh_countdown_starts)
{
    OpenAskingLock();
    Run([&] { app.form42.Unload(); });
    fake.ClearJournal();
    ASSERT_TRUE(rt().Type(lock().Text1, "58143"));
    ASSERT_TRUE(rt().Click(lock().Command1));
    EXPECT_TRUE(fake.Entries("load Form42").empty());
    EXPECT_FALSE(app.form42.is_loaded());
    EXPECT_TRUE(app.form1.is_visible());
}

// The toolbar still works under the lock: an exam handed in or left that
// way takes the lock with it, so no later password hands it in again.
TEST_F(SubmissionLockTest, an_exam_handed_in_or_left_past_the_lock_closes_it)
{
    OpenAskingLock();
    ASSERT_TRUE(rt().Click(app.form42.Label8));
    ASSERT_TRUE(rt().Click(app.form15.Command1));
    EXPECT_EQ(fake.journal(), (Journal{"show Form15", "unload Form15", "unload Form16", "unload Form42", "unload Form8",
                                       "hide Form46", "unload Form46", "load Form1", "show Form1"}));
    EXPECT_EQ(VisibleWindows(rt()), (std::vector<std::string>{"Form1"}));

    // A lock on screen when the review's "退出" ends the exam goes too.
    Run([&] { lock().Show(); });
    fake.ClearJournal();
    ASSERT_TRUE(rt().Click(app.form1.Command1));
    EXPECT_EQ(fake.journal(), (Journal{"hide Form1", "unload Form1", "hide Form46", "unload Form46", "show Form43"}));
    EXPECT_FALSE(lock().is_loaded());
}

TEST_F(SubmissionLockTest, a_wrong_password_keeps_the_page_and_its_marks_for_the_next_try)
{
    OpenAskingLock();
    MarkAnswered(8);
    ASSERT_TRUE(rt().Type(lock().Text1, "12345"));
    fake.AnswerNextBox(platform::MsgAnswer::Ok);
    ASSERT_TRUE(rt().Click(lock().Command1));
    EXPECT_TRUE(app.form15.is_loaded());
    EXPECT_TRUE(app.form15.IsAnswered(8));
}

}  // namespace
}  // namespace boxi::testing

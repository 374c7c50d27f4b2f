#include "exam/Form1.h"

#include <algorithm>

#include "app/App.h"
#include "common/Conventions.h"
#include "exam/ExamCleanup.h"

namespace boxi {
namespace {

constexpr const char* kCrLf = "\r\n";
constexpr const char* kChoiceTitle = "二级MS Office高级应用_选择题";
constexpr int kLastChoice = 20;

// The panes of item k. Choice items join their fields line by line; the
// operation items show their task and steps exactly as the table holds them.
std::string QuestionPane(const QuestionTable& t, int k)
{
    if (k > kLastChoice)
        return t.QuestionText(k);
    return t.QuestionText(k) + kCrLf + t.ChoiceA(k) + kCrLf + t.ChoiceB(k) + kCrLf + t.ChoiceC(k) + kCrLf +
           t.ChoiceD(k);
}

std::string AnswerPane(const QuestionTable& t, int k)
{
    if (k > kLastChoice)
        return t.AnswerKey(k);
    return "答案：" + t.AnswerKey(k) + kCrLf + "分析：" + t.AnswerAnalysis(k);
}

std::string StepText(const QuestionTable& t, int k)
{
    return t.QuestionText(k) + kCrLf + t.ChoiceA(k) + kCrLf + t.ChoiceB(k) + kCrLf + t.ChoiceC(k) + kCrLf +
           t.ChoiceD(k) + kCrLf + "试题分析：" + kCrLf + "本题正确答案：" + t.AnswerKey(k) + kCrLf +
           t.AnswerAnalysis(k);
}

}  // namespace

Form1::Form1(App& app)
    : ui::Window(app.runtime(), "Form1", {.caption = "试题评判与分析", .client_width = 915, .client_height = 634}),
      app_(app)
{
    Label3.on_click = [this](int k) { Label3_Click(k); };
    Command1.on_click = [this] { Command1_Click(); };
    Text1.on_mouse_down = [this](int button, int shift, int x, int y) { Text1_MouseDown(button, shift, x, y); };
    Text2.on_mouse_down = [this](int button, int shift, int x, int y) { Text2_MouseDown(button, shift, x, y); };
}

// Runs once per load: at the first answer the choice section records, or
// at the submission when nothing was answered. CurrentQuestion stays.
void Form1::Form_Load()
{
    // A bank still held from the choice section's entry would skip the
    // reload and keep whatever a case opened since left in the keys.
    app_.set_loader.ReleaseChoiceBank();
    app_.LoadCurrentSet(SetLoadUse::ReviewOpening);
    for (int k = 1; k <= kLastChoice; ++k)
        Text4(k).set_text(app_.m.Table.AnswerKey(k));
    Label3(1).set_back_color(kSelected);
    ShowItem(1);
}

void Form1::Label3_Click(int k)
{
    for (int i = 1; i <= kRowCount; ++i)
        Label3(i).set_back_color(ui::colors::kWhite);
    Label3(k).set_back_color(kSelected);
    ShowItem(k);
}

void Form1::Command1_Click()
{
    app_.m.CurrentQuestion = 0;
    Hide();
    Unload();
    CloseExamWindows(app_);
    CloseSubmissionLock(app_);
    app_.form43.Show();
}

// Closed with its title bar: the exam ends as with "退出", clean-up
// included, and the learner is back at the mode choice.
void Form1::Form_QueryUnload() { Command1_Click(); }

void Form1::Text1_MouseDown(int button, int, int, int) { RightClickGuard(Text1, popmenu, button); }

void Form1::Text2_MouseDown(int button, int, int, int) { RightClickGuard(Text2, popmenu, button); }

void Form1::ShowItem(int k)
{
    Text1.set_text(QuestionPane(app_.m.Table, k));
    Text2.set_text(AnswerPane(app_.m.Table, k));
}

void Form1::CloseReview()
{
    Hide();
    Unload();
}

void Form1::ReviewStep(int direction)
{
    ui::Font font = Text1.font();
    font.size = 12;
    Text1.set_font(font);
    std::int32_t& current = app_.m.CurrentQuestion;
    if (direction == 0) {
        if (current <= 1)
            MsgBox(runtime(), "请单击“下一题”按钮。", platform::MsgButtons::Ok, platform::MsgIcon::None, 0, kChoiceTitle);
        else
            current = current - 1;
    } else if (direction == 1) {
        // Every number past the set ends the same way; from far beyond it
        // the step starts at question 20, so it cannot overflow.
        current = std::min(current, kLastChoice) + 1;
    }
    if (current >= 1 && current <= kLastChoice) {
        Text1.set_text(StepText(app_.m.Table, current));
    } else if (current > kLastChoice) {
        MsgBox(runtime(), "本套选择题试题分析到此完毕！如果想重看，请单击“上一题”按钮。", platform::MsgButtons::Ok,
               platform::MsgIcon::None, 0, kChoiceTitle);
        current = kLastChoice;
    }
}

}  // namespace boxi

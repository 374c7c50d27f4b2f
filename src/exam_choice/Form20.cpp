#include "exam_choice/Form20.h"

#include <algorithm>

#include "app/App.h"
#include "common/Conventions.h"
#include "exam/Form12.h"

namespace boxi {
namespace {

constexpr const char* kLetters[] = {"A", "B", "C", "D"};

// Exact comparison; a slot without a key matches no letter.
bool IsRightAnswer(const std::string& key, const std::string& letter) { return !key.empty() && key == letter; }

}  // namespace

Form20::Form20(App& app)
    : ui::Window(app.runtime(), "Form20",
                 {.caption = "NCRE无纸化_二级MS Office高级应用_考试系统_[选择题]姓名：模拟1，准考证号：" +
                             std::string(kMockAdmissionNumber),
                  .client_width = 1018,
                  .client_height = 639}),
      app_(app)
{
    Label3.on_click = [this](int k) { Label3_Click(k); };
    Image2.on_click = [this](int index) { Image2_Click(index); };
    Image3.on_click = [this] { Image3_Click(); };
    Command1.on_click = [this] { Command1_Click(); };
    Option1.on_click = [this](int index) { Option1_Click(index); };
    Text1.on_mouse_down = [this](int button, int shift, int x, int y) { Text1_MouseDown(button, shift, x, y); };
}

std::string Form20::StepsFor(const QuestionTable& table, int k)
{
    return "答案：" + table.AnswerKey(k) + "\r\n分析：" + table.AnswerAnalysis(k);
}

void Form20::Form_Load()
{
    for (int i = 0; i <= 3; ++i)
        Option1(i).set_value(false, ui::Notify::No);
}

void Form20::ClearChoiceDisplay()
{
    Label5.set_caption("");
    Command1.set_visible(false);
    Text1.set_alignment(ui::Align::Left);
    for (int i = 0; i <= 3; ++i)
        Option1(i).set_value(false, ui::Notify::No);
    for (int i = 1; i <= kQuestionCount; ++i) {
        ui::Font font = Label3(i).font();
        font.bold = false;
        Label3(i).set_font(font);
    }
}

void Form20::ShowChoiceQuestion(int k)
{
    const QuestionTable& table = app_.m.Table;
    Label2.set_caption(std::to_string(k));
    ui::Font font = Label3(k).font();
    font.bold = true;
    Label3(k).set_font(font);
    Label4.set_caption(std::to_string(k) + "/20");
    Text1.set_text(table.QuestionText(k));
    Option1(0).set_caption(table.ChoiceA(k));
    Option1(1).set_caption(table.ChoiceB(k));
    Option1(2).set_caption(table.ChoiceC(k));
    Option1(3).set_caption(table.ChoiceD(k));
    app_.form9.Text1.set_text(StepsFor(table, k));
}

void Form20::Label3_Click(int k)
{
    ClearChoiceDisplay();
    app_.m.CurrentQuestion = k;
    ShowChoiceQuestion(k);
}

void Form20::Image2_Click(int index)
{
    ClearChoiceDisplay();
    int32_t& current = app_.m.CurrentQuestion;
    if (index == 0) {
        if (current <= 1)
            ChoiceMessage("请单击“下一题”按钮！");
        else
            --current;
    } else {
        // Every number past the set ends the same way, so one left far
        // beyond it steps from just past question 20 and cannot overflow.
        current = std::min(current, kQuestionCount) + 1;
    }
    int k = current;
    if (k >= 1 && k <= kQuestionCount) {
        ShowChoiceQuestion(k);
    } else if (k > kQuestionCount) {
        app_.form9.EnsureLoaded();
        ChoiceMessage(app_.form9.is_visible() ? "请单击“上一题”按钮！" : "选择题到此全部完毕！");
        app_.m.CurrentQuestion = kQuestionCount;
    }
}

void Form20::Image3_Click()
{
    app_.m.CurrentQuestion = 0;
    Hide();
    Unload();
    app_.form16.Show();
}

// Closed with its title bar: back to the task window as the leave area
// does, so a learner in training is not left with nothing on screen.
void Form20::Form_QueryUnload()
{
    app_.m.CurrentQuestion = 0;
    app_.form16.Show();
}

void Form20::Command1_Click() { app_.form9.Show(); }

// The answer is recorded the same way in both modes; only training judges
// it. A first answer loads the progress page and the result review hidden.
void Form20::Option1_Click(int)
{
    app_.form9.Hide();
    for (int i = 0; i <= 3; ++i) {
        if (Option1(i).value())
            app_.m.ChosenLetter = kLetters[i];
    }
    const std::string letter = app_.m.ChosenLetter;
    const int k = app_.m.CurrentQuestion;
    const QuestionTable& table = app_.m.Table;
    if (k >= 1 && k <= kQuestionCount) {
        MarkAnswered(k);
        app_.form15.MarkProgressCell(k);
        app_.form1.Text5(k).set_text(letter);
        app_.form1.Text4(k).set_text(table.AnswerKey(k));
        app_.form1.Text3(k).set_text(IsRightAnswer(table.AnswerKey(k), letter) ? "1" : "0");
    }
    if (app_.form43.Option1(0).value()) {
        if (IsRightAnswer(table.AnswerKey(k), letter)) {
            Label5.set_caption("恭喜您，选择正确！");
            Command1.set_visible(true);
        } else {
            Label5.set_caption("您的选择不正确，请重新选择！");
        }
    }
}

// The same four settings, in the same order, on this sheet and on the
// answer-progress page; the page counts a cell as answered by its green.
void Form20::MarkAnswered(int k)
{
    Label3(k).set_fore_color(ui::colors::kRed);
    Label3(k).set_back_color(ui::colors::kGreen);
    Shape2(k).set_fill_style(ui::FillStyle::Solid);
    Shape2(k).set_fill_color(ui::colors::kGreen);
}

void Form20::ChoiceMessage(const char* text)
{
    MsgBox(runtime(), text, platform::MsgButtons::Ok, platform::MsgIcon::None, 0, "提示");
}

void Form20::Text1_MouseDown(int button, int, int, int) { RightClickGuard(Text1, popmenu, button); }

}  // namespace boxi

#include "unit_tests/Form3.h"

#include <algorithm>

#include "app/App.h"
#include "common/Conventions.h"

namespace boxi {

namespace sheet {

std::vector<ui::ControlArray<ui::Label>::Member> CellRow(int top, ui::Props style, bool numbered)
{
    std::vector<ui::ControlArray<ui::Label>::Member> cells;
    for (int n = 1; n <= 40; ++n) {
        ui::Props cell = style;
        if (numbered)
            cell.caption = std::to_string(n);
        cell.rect = {kCellLeft + (n - 1) * kCellWidth, top, kCellWidth, kCellHeight};
        cells.emplace_back(n, cell);
    }
    return cells;
}

}  // namespace sheet

namespace {

constexpr int kCells = 40;

void Notice(ui::Runtime& runtime, std::string text)
{
    MsgBox(runtime, std::move(text), platform::MsgButtons::Ok, platform::MsgIcon::None, 0, "提示");
}

}  // namespace

Form3::Form3(App& app)
    : ui::Window(app.runtime(), "Form3", {.caption = " 评析", .client_width = 880, .client_height = 606, .back = ui::colors::kWhite}),
      app_(app)
{
    Label3.on_click = [this](int index) { Label3_Click(index); };
    cmd.on_click = [this](int index) { cmd_Click(index); };
    Command5.on_click = [this] { Command5_Click(); };
    Text2.on_mouse_down = [this](int button, int shift, int x, int y) { Text2_MouseDown(button, shift, x, y); };
}

void Form3::Form_Load()
{
    Show();
    app_.m.CurrentQuestion = 1;
    Label3(1).set_back_color(sheet::kCurrent);
    Text2.set_text(QuestionDetail(1));
    for (int n = 1; n <= kCells; ++n)
        Label6(n).set_caption(app_.m.Table.AnswerKey(n));
}

// Closed with its title bar while the unit test waits hidden beneath it:
// bring the test back, or nothing would be left on screen to go on with.
void Form3::Form_QueryUnload()
{
    if (app_.form4.is_loaded() && !app_.form4.is_visible())
        app_.form4.Show();
}

void Form3::Label3_Click(int index)
{
    for (int n = 1; n <= kCells; ++n) {
        std::string given = Label4(n).caption();
        if (given == Label6(n).caption())
            Label3(n).set_back_color(sheet::kRight);
        else if (!given.empty())
            Label3(n).set_back_color(sheet::kWrong);
        else
            Label3(n).set_back_color(ui::colors::kButtonFace);
    }
    app_.m.CurrentQuestion = index;
    Label3(index).set_back_color(sheet::kCurrent);
    Text2.set_text(QuestionDetail(index));
}

void Form3::cmd_Click(int index)
{
    int32_t& current = app_.m.CurrentQuestion;
    // A number past the bound the step goes towards steps from that bound,
    // so no value another window leaves behind can overflow; it ends at the
    // bound with its message all the same.
    if (index == 0)
        current = std::max(current, 1) - 1;
    else
        current = std::min(current, app_.m.QuestionCount) + 1;
    // Both bounds are checked whichever way the step went: another window
    // may have left CurrentQuestion far outside this unit.
    if (current < 1) {
        current = 1;
        Notice(runtime(), "请单击“下一题”按钮。");
    } else if (current > app_.m.QuestionCount) {
        current = app_.m.QuestionCount;
        Notice(runtime(), "本单元测验试题完毕！");
    }
    Text2.set_text(QuestionDetail(current));
}

void Form3::Command5_Click()
{
    Hide();
    app_.form4.Show();
}

void Form3::ReturnToChapterStudy()
{
    Hide();
    Unload();
    app_.form2.Show();
}

void Form3::Text2_MouseDown(int button, int, int, int) { RightClickGuard(Text2, popmenu, button); }

std::string Form3::QuestionDetail(int k) const
{
    const QuestionTable& t = app_.m.Table;
    return t.QuestionText(k) + "\r\n" + t.ChoiceA(k) + "\r\n" + t.ChoiceB(k) + "\r\n" + t.ChoiceC(k) + "\r\n" +
           t.ChoiceD(k) + "\r\n正确答案：" + t.AnswerKey(k) + "\r\n试题分析：" + t.AnswerAnalysis(k);
}

}  // namespace boxi

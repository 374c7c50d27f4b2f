#include "cases/Form16.h"

#include "app/App.h"
#include "banks/CaseBank.h"
#include "cases/CaseFolders.h"
#include "cases/SetLoading.h"
#include "common/Conventions.h"

namespace boxi {

Form16::Form16(App& app)
    : ui::Window(app.runtime(), "Form16", {.caption = "实战模拟", .client_width = 760, .client_height = 526}),
      app_(app)
{
    Command1.on_click = [this] { Command1_Click(); };
    Command10.on_click = [this] { Command10_Click(); };
    Command7.on_click = [this] { Command7_Click(); };
    Command2.on_click = [this] { Command2_Click(); };
    Command8.on_click = [this] { Command8_Click(); };
    Text1.on_mouse_down = [this](int button, int shift, int x, int y) { Text1_MouseDown(button, shift, x, y); };
}

void Form16::Form_Load()
{
    Text1.set_text(app_.m.Table.QuestionText(banks::kCaseSlot));
    ShowChoiceEntryForSet();
}

// Whenever the window comes on screen the choice entry follows the set it
// shows: the chooser's "确定" and the exam start bring it back loaded.
void Form16::Form_Activate() { ShowChoiceEntryForSet(); }

// Only the exam sets with choice questions have the entry. The name is read
// without loading the chooser: a chooser not loaded would name "实例1".
void Form16::ShowChoiceEntryForSet()
{
    bool exam_set = app_.form10.is_loaded() && IsExamSetName(app_.form10.Combo1.peek().text, 1, 20);
    Command1.set_visible(exam_set);
}

// Closed with its title bar during the exam, the task goes out of sight as
// with the toolbar's "隐藏试题", so that the toolbar's next click shows it
// again (loaded afresh, with the same task). Otherwise the case is left as
// with "返回": back to the chooser, the case bank released so that the next
// case opened writes its own texts.
void Form16::Form_QueryUnload()
{
    if (app_.form42.is_loaded())
        app_.form42.Label6.set_caption("显示试题");
    else
        Command8_Click();
}

// At the time-up only the time-up notice answers. Otherwise the choice
// bank is released first: still held from the exam start or an earlier
// entry, it would leave the table as a case or another set left it.
void Form16::Command1_Click()
{
    if (app_.form42.is_loaded() && app_.form42.MinutesLeft <= 0) {
        app_.form18.Show();
        return;
    }
    app_.set_loader.ReleaseChoiceBank();
    EnterChoiceSection();
}

void Form16::EnterChoiceSection()
{
    const QuestionTable& table = app_.m.Table;
    Form20& choice = app_.form20;
    app_.LoadCurrentSet(SetLoadUse::ChoiceSectionEntry);
    choice.Command1.set_visible(false);
    app_.m.CurrentQuestion = 1;
    choice.Text1.set_text(table.QuestionText(1));
    choice.Option1(0).set_caption(table.ChoiceA(1));
    choice.Option1(1).set_caption(table.ChoiceB(1));
    choice.Option1(2).set_caption(table.ChoiceC(1));
    choice.Option1(3).set_caption(table.ChoiceD(1));
    app_.form9.Text1.set_text(Form20::StepsFor(table, 1));
    choice.Show();
    Hide();
}

void Form16::Command10_Click() { OpenFolder(runtime().platform(), CaseMaterialCommand(app_.form10.CurrentSetName())); }

void Form16::Command7_Click()
{
    runtime().platform().ShellExecute({platform::kNoWindow, "open", "EXCEL", "", "", platform::kShowMaximized});
}

void Form16::Command2_Click()
{
    app_.form31.Text1.set_text(app_.m.Table.AnswerKey(banks::kCaseSlot));
    app_.form31.Show();
}

void Form16::Command8_Click()
{
    app_.set_loader.ReleaseCaseBank();
    SwapHandoverNextLast(*this, app_.form10);
}

void Form16::Text1_MouseDown(int button, int, int, int) { RightClickGuard(Text1, popmenu, button); }

}  // namespace boxi

#include "cases/Form16.h"

#include "app/App.h"
#include "banks/CaseBank.h"
#include "cases/CaseFolders.h"
#include "common/Conventions.h"

namespace boxi {

Form16::Form16(App& app)
    : ui::Window(app.runtime(), "Form16", {.caption = "实战模拟", .client_width = 760, .client_height = 526}),
      app_(app)
{
    Command10.on_click = [this] { Command10_Click(); };
    Command7.on_click = [this] { Command7_Click(); };
    Command2.on_click = [this] { Command2_Click(); };
    Command8.on_click = [this] { Command8_Click(); };
    Text1.on_mouse_down = [this](int button, int shift, int x, int y) { Text1_MouseDown(button, shift, x, y); };
}

void Form16::Form_Load() { Text1.set_text(app_.m.Table.QuestionText(banks::kCaseSlot)); }

// Closing the window with its title bar leaves the case as "返回" does, so
// the next case opened writes its own texts.
void Form16::Form_QueryUnload() { app_.set_loader.ReleaseCaseBank(); }

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

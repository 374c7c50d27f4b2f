#include "cases/Form31.h"

#include "app/App.h"
#include "cases/CaseFolders.h"
#include "common/Conventions.h"

namespace boxi {

Form31::Form31(App& app)
    : ui::Window(app.runtime(), "Form31", {.caption = "操作步骤",
                  .client_width = 680,
                  .client_height = 480,
                  .start_position = ui::StartPosition::BesideOpener}),
      app_(app)
{
    Command1.on_click = [this] { Command1_Click(); };
    Command2.on_click = [this] { Command2_Click(); };
    Text1.on_mouse_down = [this](int button, int shift, int x, int y) { Text1_MouseDown(button, shift, x, y); };
}

void Form31::Command1_Click() { OpenFolder(runtime().platform(), CaseAnswerCommand(app_.form10.CurrentSetName())); }

void Form31::Command2_Click() { ClosePopup(*this); }

void Form31::Text1_MouseDown(int button, int, int, int) { RightClickGuard(Text1, popmenu, button); }

}  // namespace boxi

#include "shell/Form9.h"

#include "app/App.h"
#include "common/Conventions.h"
#include "shell/ChapterExercises.h"

namespace boxi {

Form9::Form9(App& app)
    : ui::Window(app.runtime(), "Form9",
                 {.caption = "操作步骤",
                  .client_width = 640,
                  .client_height = 440,
                  .left = 600,
                  .top = 80,
                  .start_position = ui::StartPosition::BesideOpener}),
      app_(app)
{
    Command1.on_click = [this] { Command1_Click(); };
    Command2.on_click = [this] { Command2_Click(); };
    Text1.on_mouse_down = [this](int button, int shift, int x, int y) { Text1_MouseDown(button, shift, x, y); };
}

void Form9::Form_Load() { KeepOnTop(*this); }

void Form9::Command1_Click()
{
    int chapter = app_.form2.CurrentChapter();
    OpenFolder(runtime().platform(), ExerciseAnswerCommand(chapter, app_.m.CurrentQuestion));
}

void Form9::Command2_Click() { ClosePopup(*this); }

void Form9::Text1_MouseDown(int button, int, int, int) { RightClickGuard(Text1, popmenu, button); }

}  // namespace boxi

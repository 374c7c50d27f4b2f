#include "exam/Form46.h"

#include "app/App.h"
#include "common/Conventions.h"
#include "exam/ExamCleanup.h"

namespace boxi {

Form46::Form46(App& app)
    : ui::Window(app.runtime(), "Form46",
                 {.caption = "Form46", .client_width = 781, .client_height = 388,
                  .border_style = ui::BorderStyle::None}),
      app_(app)
{
    Timer2.on_timer = [this] { Timer2_Timer(); };
    Command1.on_click = [this] { Command1_Click(); };
}

void Form46::Form_Load()
{
    Text1.set_visible(false);
    Command1.set_visible(false);
    Label4.set_visible(false);
}

// Never stopped: every tick sets the same state, so only the first shows.
void Form46::Timer2_Timer()
{
    Label1.set_caption("交卷正常，请监考老师输入结束密码：");
    Text1.set_visible(true);
    Command1.set_visible(true);
    Label4.set_visible(true);
}

void Form46::Command1_Click()
{
    if (Text1.text() != kProctorPassword) {
        MsgBox(runtime(), "输入的密码不正确！");
        Text1.set_text("");
        SetFocus(Text1);
        return;
    }
    Hide();
    Unload();
    // Loading the toolbar here would only start a countdown that the
    // submission below discards at once.
    if (app_.form42.is_loaded())
        app_.form42.Show();
    SubmitExam(app_);
}

}  // namespace boxi

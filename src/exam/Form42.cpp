#include "exam/Form42.h"

#include <string>

#include "app/App.h"
#include "common/Conventions.h"

namespace boxi {
namespace {

constexpr const char* kExamineeFolder = "c:\\Wexam\\65010001";
constexpr int kAlarmMinute = 4;

}  // namespace

Form42::Form42(App& app)
    : ui::Window(app.runtime(), "Form42",
                 {.caption = "Form42", .client_width = 901, .client_height = 42, .left = 40, .top = 0,
                  .start_position = ui::StartPosition::Manual, .border_style = ui::BorderStyle::None}),
      app_(app)
{
    Label1.on_click = [this] { Label1_Click(); };
    Label2.on_click = [this] { Label2_Click(); };
    Label6.on_click = [this] { Label6_Click(); };
    // "帮助" (Label7) has no action.
    Label8.on_click = [this] { Label8_Click(); };
    Timer1.on_timer = [this] { Timer1_Timer(); };
    Timer2.on_timer = [this] { Timer2_Timer(); };
}

void Form42::Form_Load()
{
    MinutesLeft = 119;
    SecondsLeft = 60;
    KeepOnTop(*this);
}

void Form42::Label1_Click() { OpenFolder(runtime().platform(), ExplorerFolderCommand(kExamineeFolder)); }

void Form42::Label2_Click() { app_.form15.Show(); }

// The caption is the state: a task window that the time-up unloaded comes
// back through the access, loaded afresh with its task text.
void Form42::Label6_Click()
{
    if (Label6.caption() == "隐藏试题") {
        app_.form16.Hide();
        Label6.set_caption("显示试题");
    } else if (Label6.caption() == "显示试题") {
        app_.form16.Show();
        Label6.set_caption("隐藏试题");
    }
}

void Form42::Label8_Click()
{
    app_.form15.CountProgress();
    app_.form15.Show();
}

// The minutes have no lower bound: after the time-up they go on below zero
// and nothing more happens.
void Form42::Timer1_Timer()
{
    MinutesLeft = MinutesLeft - 1;
    Label5.set_caption(std::to_string(MinutesLeft));
    if (MinutesLeft == kAlarmMinute)
        app_.form17.Show();
    else if (MinutesLeft == 0)
        TimeUp();
}

void Form42::Timer2_Timer()
{
    if (SecondsLeft == 0)
        SecondsLeft = 60;
    SecondsLeft = SecondsLeft - 1;
    Label3.set_caption(std::to_string(SecondsLeft));
}

// The task window closes and the page opens only once the box is answered.
void Form42::TimeUp()
{
    MsgBox(runtime(), "时间已到，考试结束！");
    app_.form16.Hide();
    app_.form16.Unload();
    app_.form15.Show();
}

}  // namespace boxi

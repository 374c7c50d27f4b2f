#include "exam/Form44.h"

#include <string>

#include "app/App.h"
#include "common/Conventions.h"

namespace boxi {

Form44::Form44(App& app)
    : ui::Window(app.runtime(), "Form44", {.caption = "笔试考试", .client_width = 560, .client_height = 240}),
      app_(app)
{
    Command1.on_click = [this] { Command1_Click(); };
    Timer1.on_timer = [this] { Timer1_Timer(); };
    Command3.on_click = [this] { Command3_Click(); };
}

void Form44::Command1_Click()
{
    Label1.set_caption("正在抽取笔试试题，请稍等……");
    Timer1.set_enabled(true);
}

// The draw: "第1套" to "第10套", each as likely. The mode choice goes
// with it, so a later visit starts in training mode again.
void Form44::Timer1_Timer()
{
    platform::Platform& platform = runtime().platform();
    RandomizeFromClock(platform);
    const int number = DrawNumber(platform, 10);
    app_.form10.SetCurrentSetName("第" + std::to_string(number) + "套");
    Timer1.set_enabled(false);
    app_.form10.Show();
    app_.form10.Label3.set_caption("笔试");
    app_.form10.Label4.set_caption("考试");
    app_.form10.Hide();
    app_.form45.Show();
    app_.form43.Hide();
    app_.form43.Unload();
}

void Form44::Command3_Click() { SwapHandoverNextLast(*this, app_.form43); }

// Closed with its title bar: back to the mode choice, as "退出考试" does.
void Form44::Form_QueryUnload() { Command3_Click(); }

}  // namespace boxi

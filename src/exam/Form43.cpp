#include "exam/Form43.h"

#include "app/App.h"
#include "common/Conventions.h"

namespace boxi {

Form43::Form43(App& app)
    : ui::Window(app.runtime(), "Form43", {.caption = "全国计算机等级考试_MS Office高级应用（二级）", .client_width = 600, .client_height = 420}),
      app_(app)
{
    Option1.on_click = [this](int index) { Option1_Click(index); };
    Command4.on_click = [this] { Command4_Click(); };
    Command3.on_click = [this] { Command3_Click(); };
    Command1.on_click = [this] { Command1_Click(); };
}

// Training is the mode of a fresh window; the raised click shows its
// description at once.
void Form43::Form_Load() { Option1(0).set_value(true, ui::Notify::Yes); }

void Form43::Option1_Click(int)
{
    if (Option1(0).value())
        Label2.set_caption("直接进入做题界面，不作时间限制，可随时查看试题评析。");
    else if (Option1(1).value())
        Label2.set_caption("完全模拟考试，以考试方式登录，有时间限制，交卷后方可查看试题评析。");
}

// Writing the heading loads the chooser when it is not loaded; in exam mode
// it stays hidden and holds the set name that the rules page draws.
void Form43::Command4_Click()
{
    if (Option1(0).value()) {
        app_.form10.Label3.set_caption("上机");
        app_.form10.Label4.set_caption("训练");
        app_.form10.Show();
    } else if (Option1(1).value()) {
        app_.form12.Show();
        app_.form10.Label3.set_caption("上机");
        app_.form10.Label4.set_caption("考试");
    }
    Hide();
}

void Form43::Command3_Click() { SwapHandoverNextFirst(*this, app_.form60); }

// Closed with its title bar: back to the course menu, as "返回" does; after
// an exam nothing else is left on screen.
void Form43::Form_QueryUnload() { Command3_Click(); }

// The written-exam draw; the mode choice stays loaded beneath it, for the
// draw window's way back.
void Form43::Command1_Click() { StackHandover(*this, app_.form44); }

}  // namespace boxi

#include "exam/Form13.h"

#include "app/App.h"
#include "common/Conventions.h"

namespace boxi {

Form13::Form13(App& app)
    : ui::Window(app.runtime(), "Form13", {.caption = "笔试考试结果", .client_width = exam_screens::kConfirmWidth, .client_height = exam_screens::kConfirmHeight}),
      app_(app)
{
    Image4.on_click = [this] { Image4_Click(); };
    Image3.on_click = [this] { Image3_Click(); };
    Image2.on_click = [this] { Image2_Click(); };
}

// Enabling the draw timer loads the rules page, which draws its set 100 ms
// later.
void Form13::Image4_Click()
{
    Hide();
    Unload();
    app_.form14.Timer1.set_enabled(true);
    app_.form14.Show();
}

void Form13::Image3_Click() { StackHandover(*this, app_.form12); }

void Form13::Image2_Click() { SwapHandoverNextLast(*this, app_.form43); }

// Closed with its title bar: out to the mode choice, as the page's exit does.
void Form13::Form_QueryUnload() { Image2_Click(); }

}  // namespace boxi

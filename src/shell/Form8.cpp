#include "shell/Form8.h"

#include "app/App.h"
#include "common/Conventions.h"

namespace boxi {

Form8::Form8(App& app)
    : ui::Window(app.runtime(), "Form8", {.caption = "计算机博习系列", .client_width = 640, .client_height = 420}),
      app_(app)
{
    Image1.on_click = [this] { Image1_Click(); };
    Image2.on_click = [this] { Image2_Click(); };
    Label2.on_click = [this] { Label2_Click(); };
    Label3.on_click = [this] { Label3_Click(); };
}

void Form8::Image1_Click() { SwapHandoverNextLast(*this, app_.form60); }

void Form8::Image2_Click() { OpenExamStart(); }

// A review left open by an earlier exam goes first; hiding it loads it
// when it is not loaded, so its load runs before the unload.
void Form8::OpenExamStart()
{
    app_.form1.Hide();
    app_.form1.Unload();
    app_.form59.Show();
}

void Form8::Label2_Click() { ProductSiteLink(runtime()); }

void Form8::Label3_Click() { SupportMailLink(*this); }

}  // namespace boxi

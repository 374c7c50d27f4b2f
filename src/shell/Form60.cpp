#include "shell/Form60.h"

#include "app/App.h"
#include "common/Conventions.h"

namespace boxi {

Form60::Form60(App& app)
    : ui::Window(app.runtime(), "Form60", {.caption = "计算机博习系列", .client_width = 520, .client_height = 352}),
      app_(app)
{
    Command2.on_click = [this] { Command2_Click(); };
    Command4.on_click = [this] { Command4_Click(); };
    Command7.on_click = [this] { Command7_Click(); };
    Command9.on_click = [this] { Command9_Click(); };
    Command10.on_click = [this] { Command10_Click(); };
    Label2.on_click = [this] { Label2_Click(); };
    Label5.on_click = [this] { Label5_Click(); };
}

void Form60::Command2_Click() { SwapHandoverNextFirst(*this, app_.form2); }

void Form60::Command4_Click() { SwapHandoverNextFirst(*this, app_.form10); }

void Form60::Command7_Click() { SwapHandoverNextFirst(*this, app_.form8); }

void Form60::Command9_Click() { OpenSyllabus(); }

void Form60::OpenSyllabus() { app_.form26.Show(); }
void Form60::Command10_Click() { OpenUnitTests(); }

void Form60::OpenUnitTests() { SwapHandoverNextFirst(*this, app_.form4); }

void Form60::Label2_Click() { ProductSiteLink(runtime()); }

void Form60::Label5_Click() { SupportMailLink(*this); }

}  // namespace boxi

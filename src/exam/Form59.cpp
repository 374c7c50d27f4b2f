#include "exam/Form59.h"

#include "app/App.h"
#include "common/Conventions.h"

namespace boxi {

Form59::Form59(App& app)
    : ui::Window(app.runtime(), "Form59", {.caption = "全国计算机等级考试系列_二级Access", .client_width = 560, .client_height = 366}),
      app_(app)
{
    Command1.on_click = [this] { Command1_Click(); };
    Command4.on_click = [this] { Command4_Click(); };
    Command2.on_click = [this] { Command2_Click(); };
    Label2.on_click = [this] { Label2_Click(); };
    Label5.on_click = [this] { Label5_Click(); };
}

void Form59::Command1_Click() { app_.form26.Show(); }

void Form59::Command4_Click() { SwapHandoverNextFirst(*this, app_.form43); }

// Ends the program at once, whatever is still loaded or open beside it.
void Form59::Command2_Click() { runtime().EndNow(); }

void Form59::Label2_Click() { ProductSiteLink(runtime()); }

void Form59::Label5_Click() { SupportMailLink(*this); }

}  // namespace boxi

#include "drill/DrillChooser.h"

#include <string>

#include "app/App.h"
#include "banks/DrillBank.h"
#include "common/Conventions.h"

namespace boxi {

DrillChooser::DrillChooser(App& app)
    : ui::Window(app.runtime(), "DrillChooser", {.caption = "选择题训练", .client_width = 520, .client_height = 346}),
      app_(app)
{
    List1.on_click = [this] { List1_Click(); };
    Command1.on_click = [this] { Command1_Click(); };
    Command2.on_click = [this] { Command2_Click(); };
}

void DrillChooser::Form_Load()
{
    for (std::string_view chapter : banks::DrillChapters())
        List1.AddItem(std::string(chapter));
    List1.set_list_index(0);
}

// The chosen chapter's sections, in the drill's own order, the first chosen.
void DrillChooser::List1_Click()
{
    List2.Clear();
    std::string chapter = List1.text();
    for (const banks::DrillSection& section : banks::DrillSections()) {
        if (section.chapter == chapter)
            List2.AddItem(std::string(section.section));
    }
    List2.set_list_index(0);
}

void DrillChooser::Command1_Click()
{
    std::string chapter = List1.text();
    std::string section = List2.text();
    if (chapter.empty() || section.empty())
        return;

    // An exercise's steps window would otherwise stand over the drill with
    // its answer-folder button, next to the drill's analyses.
    if (app_.form9.is_loaded())
        ClosePopup(app_.form9);

    Form6& drill = app_.form6;
    drill.Label3.set_caption(chapter);
    drill.Label4.set_caption(section);
    if (drill.List1.ListCount() == 0)
        drill.List1.AddItem(std::string(Form6::kChoiceDrillType));
    // Choosing the first entry shows the drill; it may already be chosen.
    if (drill.List1.list_index() == 0)
        drill.Show();
    else
        drill.List1.set_list_index(0);

    // A number left behind by another window must not start past the end.
    app_.m.CurrentQuestion = 0;
    drill.cmd_Click(1);
    ClosePopup(*this);
}

// Closed with its title bar: back to chapter study, as "返回" does, rather
// than leave the learner with nothing on screen.
void DrillChooser::Form_QueryUnload()
{
    if (app_.form2.is_loaded() && !app_.form2.is_visible())
        app_.form2.Show();
}

void DrillChooser::Command2_Click() { SwapHandoverNextFirst(*this, app_.form2); }

}  // namespace boxi

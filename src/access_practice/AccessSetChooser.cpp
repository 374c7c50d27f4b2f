#include "access_practice/AccessSetChooser.h"

#include "app/App.h"
#include "banks/AccessBank.h"
#include "common/Conventions.h"

namespace boxi {

AccessSetChooser::AccessSetChooser(App& app)
    : ui::Window(app.runtime(), "AccessSetChooser", {.caption = "Access上机练习", .client_width = 320, .client_height = 352}),
      app_(app)
{
    Command1.on_click = [this] { Command1_Click(); };
    Command2.on_click = [this] { Command2_Click(); };
}

// The current name is preselected when it is a set, so coming back to the
// chooser offers the set last practised.
void AccessSetChooser::Form_Load()
{
    for (int number = 1; number <= banks::kOperationSetCount; ++number)
        List1.AddItem(banks::OperationSetName(number));
    auto current = banks::FindOperationSet(app_.form10.CurrentSetName());
    List1.set_list_index(current ? *current - 1 : 0);
}

void AccessSetChooser::Command1_Click()
{
    if (List1.list_index() < 0)
        return;
    app_.form10.SetCurrentSetName(List1.text());
    SwapHandoverNextFirst(*this, app_.form36);
}

// Closed with its title bar: back to the case chooser, as "返回" does,
// rather than leave the learner with nothing on screen.
void AccessSetChooser::Form_QueryUnload()
{
    if (app_.form10.is_loaded() && !app_.form10.is_visible())
        app_.form10.Show();
}

void AccessSetChooser::Command2_Click() { SwapHandoverNextFirst(*this, app_.form10); }

}  // namespace boxi

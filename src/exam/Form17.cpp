#include "exam/Form17.h"

#include "app/App.h"
#include "common/Conventions.h"

namespace boxi {

Form17::Form17(App& app)
    : ui::Window(app.runtime(), "Form17",
                 {.caption = "报警", .client_width = 296, .client_height = 110, .left = 70, .top = 89,
                  .start_position = ui::StartPosition::ManualClient})
{
    Command1.on_click = [this] { Command1_Click(); };
}

void Form17::Command1_Click() { ClosePopup(*this); }

}  // namespace boxi

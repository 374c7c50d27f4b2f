#include "exam/Form18.h"

#include "app/App.h"
#include "common/Conventions.h"

namespace boxi {

Form18::Form18(App& app)
    : ui::Window(app.runtime(), "Form18",
                 {.caption = "考试结束", .client_width = 296, .client_height = 110, .left = 70, .top = 89,
                  .start_position = ui::StartPosition::ManualClient})
{
    Command1.on_click = [this] { Command1_Click(); };
}

void Form18::Command1_Click() { ClosePopup(*this); }

}  // namespace boxi

#include "drill/Form38.h"

#include "app/App.h"
#include "common/Conventions.h"

namespace boxi {

Form38::Form38(App& app)
    : ui::Window(app.runtime(), "Form38",
                 {.caption = "提示",
                  .client_width = ui::Twips(5775),
                  .client_height = ui::Twips(1545),
                  .back = ui::Color::Rgb(255, 192, 128)})
{
    Command1.on_click = [this] { Command1_Click(); };
}

void Form38::Command1_Click() { ClosePopup(*this); }

}  // namespace boxi

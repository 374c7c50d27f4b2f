#include "access_practice/Form27.h"

#include "app/App.h"

namespace boxi {

Form27::Form27(App& app)
    : ui::Window(app.runtime(), "Form27", {.caption = "提示", .client_width = ui::Twips(7005), .client_height = ui::Twips(2370), .back = ui::Color::Rgb(255, 224, 192)})
{
    Command1.on_click = [this] { Command1_Click(); };
}

void Form27::Command1_Click() { Unload(); }

}  // namespace boxi

#include "access_practice/Form51.h"

#include "app/App.h"
#include "common/Conventions.h"

namespace boxi {

Form51::Form51(App& app)
    : ui::Window(app.runtime(), "Form51", {.caption = "参考答案", .client_width = ui::Twips(9210), .client_height = ui::Twips(4890),
                  .escape_closes = true})
{
    Text1.on_mouse_down = [this](int button, int shift, int x, int y) { Text1_MouseDown(button, shift, x, y); };
}

void Form51::Text1_MouseDown(int button, int, int, int) { RightClickGuard(Text1, popmenu, button); }

}  // namespace boxi

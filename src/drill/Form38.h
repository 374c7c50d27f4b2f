#pragma once

#include "ui/Controls.h"
#include "ui/Window.h"

namespace boxi {

class App;

// The drill's hint window: a short message that the drill writes before
// showing it, and a button that closes it.
class Form38 : public ui::Window {
public:
    explicit Form38(App& app);

    ui::Label Label1{this, "Label1", {.caption = "Label1", .fore = ui::Color::Rgb(128, 0, 0), .font = {.size = 12, .bold = true}, .rect = ui::TwipsRect(0, 0, 5655, 975), .word_wrap = true, .back_style = ui::BackStyle::Transparent}};
    ui::CommandButton Command1{this, "Command1", {.caption = "关闭", .rect = ui::TwipsRect(2400, 1080, 975, 375), .tab_index = 0, .cancel_button = true}};

private:
    void Command1_Click();
};

}  // namespace boxi

#pragma once

#include "ui/Controls.h"
#include "ui/Window.h"

namespace boxi {

class App;

// The notes box of the Access practice: its caller writes the message into
// Label1 and shows it; "关闭" unloads it.
class Form27 : public ui::Window {
public:
    explicit Form27(App& app);

    ui::Label Label1{this, "Label1", {.fore = ui::colors::kRed, .back = ui::Color::Rgb(255, 224, 192), .font = {.size = 10.5}, .rect = ui::TwipsRect(120, 120, 6735, 1575), .word_wrap = true}};
    ui::CommandButton Command1{this, "Command1", {.caption = "关闭", .rect = ui::TwipsRect(3120, 1920, 735, 375), .cancel_button = true}};

private:
    void Command1_Click();
};

}  // namespace boxi

#pragma once

#include "ui/Controls.h"
#include "ui/Window.h"

namespace boxi {

class App;

// The time-up notice: tells the candidate the time is over and asks for the
// submission. It submits nothing itself and closes only itself; the exam's
// clean-up leaves it open.
class Form18 : public ui::Window {
public:
    explicit Form18(App& app);

    ui::Label Label1{this, "Label1", {.caption = "考试时间已到，请交卷！", .font = {.size = 12}, .rect = {16, 20, 264, 24}}};
    ui::CommandButton Command1{this, "Command1", {.caption = "确定", .rect = {98, 64, 100, 30}, .cancel_button = true}};

private:
    void Command1_Click();
};

}  // namespace boxi

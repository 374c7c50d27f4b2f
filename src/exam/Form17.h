#pragma once

#include "ui/Controls.h"
#include "ui/Window.h"

namespace boxi {

class App;

// The five-minute alarm: a small notice the toolbar's countdown shows when
// the last minutes begin. It changes nothing and closes only itself; the
// exam's clean-up leaves it open.
class Form17 : public ui::Window {
public:
    explicit Form17(App& app);

    ui::Label Label1{this, "Label1", {.caption = "  考试时间还有最后5分钟！", .font = {.size = 12}, .rect = {16, 20, 264, 24}}};
    ui::CommandButton Command1{this, "Command1", {.caption = "关闭窗口", .rect = {98, 64, 100, 30}, .cancel_button = true}};

private:
    void Command1_Click();
};

}  // namespace boxi

#pragma once

#include "ui/Controls.h"
#include "ui/Window.h"

namespace boxi {

class App;

// The case steps window: the solution steps of the opened case, and its
// answer folder for the name in the chooser at the moment of the click.
class Form31 : public ui::Window {
public:
    explicit Form31(App& app);

    ui::TextBox Text1{this, "Text1", {.font = {.size = 10.5}, .rect = {8, 8, 664, 420}, .locked = true, .multiline = true, .scrollbars = ui::ScrollBars::Vertical, .tab_index = 0}};
    ui::CommandButton Command1{this, "Command1", {.caption = "查看答案文件", .font = {.size = 10.5}, .rect = {400, 438, 140, 32}, .tab_index = 1}};
    ui::CommandButton Command2{this, "Command2", {.caption = "关闭", .font = {.size = 10.5}, .rect = {560, 438, 112, 32}, .tab_index = 2, .cancel_button = true}};
    ui::Menu popmenu{this, "popmenu", {.caption = "快捷菜单", .visible = false}};
    ui::Menu neirong{this, "neirong", {.caption = "内容不可更改"}, &popmenu};

private:
    void Command1_Click();
    void Command2_Click();
    void Text1_MouseDown(int button, int shift, int x, int y);

    App& app_;
};

}  // namespace boxi

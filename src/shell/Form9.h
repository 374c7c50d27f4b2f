#pragma once

#include "ui/Controls.h"
#include "ui/Window.h"

namespace boxi {

class App;

// A small always-on-top window that shows whatever text its caller pushes
// into it: an exercise's solution steps, or a choice question's key and
// analysis. For an exercise it also opens the answer folder, following the
// chapter and exercise as they stand at the click.
class Form9 : public ui::Window {
public:
    explicit Form9(App& app);

    ui::TextBox Text1{this, "Text1", {.text = "Text1", .font = {.size = 10.5}, .rect = {8, 8, 624, 380}, .locked = true, .multiline = true, .scrollbars = ui::ScrollBars::Vertical, .tab_index = 0}};
    ui::CommandButton Command1{this, "Command1", {.caption = "查看答案文件", .visible = false, .back = ui::colors::kYellow, .font = {.size = 10.5}, .rect = {360, 398, 140, 32}, .style = ui::ButtonStyle::Graphical, .tab_index = 1}};
    ui::CommandButton Command2{this, "Command2", {.caption = "关闭", .font = {.size = 10.5}, .rect = {520, 398, 112, 32}, .tab_index = 2, .cancel_button = true}};
    ui::Menu popmenu{this, "popmenu", {.caption = "快捷菜单", .visible = false}};
    ui::Menu neirong{this, "neirong", {.caption = "禁止右键"}, &popmenu};

protected:
    void Form_Load() override;

private:
    void Command1_Click();
    void Command2_Click();
    void Text1_MouseDown(int button, int shift, int x, int y);

    App& app_;
};

}  // namespace boxi

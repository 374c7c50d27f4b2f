#pragma once

#include "ui/Controls.h"
#include "ui/Window.h"

namespace boxi {

class App;

// The task window: the opened case's task text under its name, with the
// material folder, Excel, the solution steps and the way back to the
// chooser. The exam uses the same window as its question window, and for
// an exam set it leads to the set's choice questions.
class Form16 : public ui::Window {
public:
    explicit Form16(App& app);

    ui::Frame Frame4{this, "Frame4", {.rect = {12, 6, 736, 48}}};
    ui::Label Label4{this, "Label4", {.caption = "电子表格", .fore = ui::Color::Rgb(0, 0, 160), .font = {.size = 15, .bold = true}, .alignment = ui::Align::Center, .rect = {166, 12, 404, 28}}, &Frame4};
    ui::CommandButton Command1{this, "Command1", {.caption = "选择题", .font = {.size = 10.5}, .rect = {578, 8, 150, 34}, .tab_index = 1}, &Frame4};
    ui::Frame Frame3{this, "Frame3", {.rect = {12, 58, 736, 396}}};
    ui::TextBox Text1{this, "Text1", {.font = {.size = 10.5}, .rect = {8, 12, 720, 376}, .locked = true, .multiline = true, .scrollbars = ui::ScrollBars::Vertical, .tab_index = 0}, &Frame3};
    ui::LineControl Line1{this, "Line1", {.border_color = ui::Color::Rgb(0, 64, 128), .x1 = 12, .y1 = 462, .x2 = 748, .y2 = 462}};
    ui::CommandButton Command7{this, "Command7", {.caption = "打开[Excel]应用程序", .font = {.size = 10.5}, .rect = {12, 476, 196, 34}, .tab_index = 2}};
    ui::CommandButton Command10{this, "Command10", {.caption = "打开素材", .font = {.size = 10.5}, .rect = {226, 476, 150, 34}, .tab_index = 3}};
    ui::Frame Frame1{this, "Frame1", {.rect = {388, 466, 180, 52}}};
    ui::CommandButton Command2{this, "Command2", {.caption = "操作步骤", .font = {.size = 10.5}, .rect = {8, 10, 164, 34}, .tab_index = 4}, &Frame1};
    ui::CommandButton Command8{this, "Command8", {.caption = "返回", .font = {.size = 10.5}, .rect = {598, 476, 150, 34}, .tab_index = 5}};
    ui::Menu popmenu{this, "popmenu", {.caption = "快捷菜单", .visible = false}};
    ui::Menu neirong{this, "neirong", {.caption = "禁止右键"}, &popmenu};

    // Loads the current set's choice questions, prepares question 1 and
    // puts the choice window in this window's place.
    void EnterChoiceSection();

protected:
    void Form_Load() override;
    void Form_QueryUnload() override;
    void Form_Activate() override;

private:
    void ShowChoiceEntryForSet();
    void Command1_Click();
    void Command10_Click();
    void Command7_Click();
    void Command2_Click();
    void Command8_Click();
    void Text1_MouseDown(int button, int shift, int x, int y);

    App& app_;
};

}  // namespace boxi

#pragma once

#include "ui/ControlArray.h"
#include "ui/Controls.h"
#include "ui/Window.h"

namespace boxi {

class App;

// The operation exercises of the chapter chosen in chapter study: one task
// at a time, previous and next, the material folder, the program button and
// the steps window. The exercise on screen is CurrentQuestion; the chapter
// is read from chapter study, which stays loaded beneath.
class Form7 : public ui::Window {
public:
    explicit Form7(App& app);

    ui::Frame Frame4{this, "Frame4", {.rect = {12, 6, 736, 44}}};
    ui::Label Label4{this, "Label4", {.caption = "Label4", .fore = ui::Color::Rgb(0, 0, 160), .font = {.size = 14, .bold = true}, .alignment = ui::Align::Center, .rect = {8, 12, 720, 26}}, &Frame4};
    ui::Frame Frame3{this, "Frame3", {.rect = {12, 54, 736, 384}}};
    ui::TextBox Text1{this, "Text1", {.text = "Text1", .font = {.size = 10.5}, .rect = {8, 12, 720, 364}, .locked = true, .multiline = true, .scrollbars = ui::ScrollBars::Vertical, .tab_index = 0}, &Frame3};
    ui::Frame Frame2{this, "Frame2", {.visible = false, .rect = {12, 442, 216, 52}}};
    ui::ControlArray<ui::CommandButton> cmd{this, "cmd", {
        {0, {.caption = "上一题", .font = {.size = 10.5}, .rect = {10, 12, 94, 32}, .tab_index = 1}},
        {1, {.caption = "下一题", .font = {.size = 10.5}, .rect = {112, 12, 94, 32}, .tab_index = 2}},
    }, &Frame2};
    ui::CommandButton Command10{this, "Command10", {.caption = "打开素材", .visible = false, .back = ui::colors::kLightOrange, .font = {.size = 10.5}, .rect = {240, 454, 104, 32}, .style = ui::ButtonStyle::Graphical, .tab_index = 3}};
    ui::CommandButton Command7{this, "Command7", {.caption = "Command7", .visible = false, .back = ui::colors::kLightOrange, .font = {.size = 10.5}, .rect = {352, 454, 172, 32}, .style = ui::ButtonStyle::Graphical, .tab_index = 4}};
    ui::Frame Frame1{this, "Frame1", {.rect = {532, 442, 120, 52}}};
    ui::CommandButton Command2{this, "Command2", {.caption = "操作步骤", .font = {.size = 10.5}, .rect = {10, 12, 100, 32}, .tab_index = 5}, &Frame1};
    ui::CommandButton Command8{this, "Command8", {.caption = "返回", .font = {.size = 10.5}, .rect = {660, 454, 88, 32}, .tab_index = 6}};
    ui::Menu popmenu{this, "popmenu", {.caption = "快捷菜单", .visible = false}};
    ui::Menu neirong{this, "neirong", {.caption = "禁止右键"}, &popmenu};

protected:
    void Form_Load() override;
    void Form_QueryUnload() override;

private:
    void cmd_Click(int index);
    void Command7_Click();
    void Command10_Click();
    void Command2_Click();
    void Command8_Click();
    void Text1_MouseDown(int button, int shift, int x, int y);
    void ShowMaterialButtonFor(int chapter, int question);

    App& app_;
};

}  // namespace boxi

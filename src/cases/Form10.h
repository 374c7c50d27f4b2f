#pragma once

#include "ui/Controls.h"
#include "ui/Window.h"

namespace boxi {

class App;

// The case chooser: introduces the practical cases, lists the forty case
// names and opens the chosen one in the task window. Its combo box text is
// CurrentSetName and its two heading labels are ModeHeading, which other
// windows read and write; both live as long as the chooser stays loaded.
class Form10 : public ui::Window {
public:
    explicit Form10(App& app);

    ui::TextBox Text1{this, "Text1", {.font = {.size = 10.5}, .rect = {16, 16, 648, 216}, .locked = true, .multiline = true, .scrollbars = ui::ScrollBars::Vertical, .tab_index = 4}};
    ui::LineControl Line1{this, "Line1", {.border_color = ui::Color::Rgb(0, 64, 128), .x1 = 16, .y1 = 244, .x2 = 664, .y2 = 244}};
    ui::Label Label4{this, "Label4", {.caption = "实战", .fore = ui::Color::Rgb(0, 64, 128), .font = {.name = "黑体", .size = 22, .bold = true}, .alignment = ui::Align::Center, .rect = {28, 262, 110, 40}}};
    ui::Label Label3{this, "Label3", {.caption = "模拟", .fore = ui::Color::Rgb(192, 0, 0), .font = {.name = "黑体", .size = 22, .bold = true}, .alignment = ui::Align::Center, .rect = {28, 308, 110, 40}}};
    ui::LineControl Line2{this, "Line2", {.border_color = ui::Color::Rgb(0, 64, 128), .x1 = 156, .y1 = 258, .x2 = 156, .y2 = 382}};
    ui::Frame Frame2{this, "Frame2", {.rect = {176, 252, 488, 96}}};
    ui::Frame Frame3{this, "Frame3", {.caption = "请选择实战案例", .font = {.size = 10.5}, .rect = {16, 14, 280, 68}}, &Frame2};
    ui::ComboBox Combo1{this, "Combo1", {.font = {.size = 11}, .rect = {16, 26, 248, 28}, .tab_index = 0}, &Frame3};
    ui::CommandButton Command2{this, "Command2", {.caption = "确定", .font = {.size = 11, .bold = true}, .rect = {320, 34, 140, 40}, .tab_index = 1, .default_button = true}, &Frame2};
    ui::LineControl Line3{this, "Line3", {.border_color = ui::Color::Rgb(0, 64, 128), .x1 = 16, .y1 = 390, .x2 = 664, .y2 = 390}};
    ui::CommandButton Command1{this, "Command1", {.caption = "返回", .font = {.size = 11}, .rect = {544, 358, 120, 26}, .tab_index = 3}};
    ui::CommandButton Command3{this, "Command3", {.caption = "Access上机练习", .font = {.size = 11}, .rect = {384, 358, 148, 26}, .tab_index = 2}};
    ui::LineControl Line4{this, "Line4", {.border_color = ui::Color::Rgb(160, 176, 200), .x1 = 16, .y1 = 8, .x2 = 664, .y2 = 8}};
    ui::LineControl Line5{this, "Line5", {.border_color = ui::Color::Rgb(160, 176, 200), .x1 = 16, .y1 = 396, .x2 = 664, .y2 = 396}};

    // The name of the current practical case or exam set.
    std::string CurrentSetName() { return Combo1.text(); }
    void SetCurrentSetName(std::string name) { Combo1.set_text(std::move(name)); }

protected:
    void Form_Load() override;
    void Form_QueryUnload() override;

private:
    void Command2_Click();
    void Command1_Click();
    void Command3_Click();

    App& app_;
};

}  // namespace boxi

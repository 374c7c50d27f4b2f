#pragma once

#include "common/Conventions.h"
#include "ui/Controls.h"
#include "ui/Window.h"

#include <string>

namespace boxi {

class App;

// The exam start window, first window of the exam simulation: it opens the
// syllabus, enters the mode choice, opens the product site or a mail to the
// support address, or ends the program. It keeps no state.
class Form59 : public ui::Window {
public:
    explicit Form59(App& app);

    ui::Image Image1{this, "Image1", {.rect = {0, 0, 560, 196}, .picture = "exam.start", .stretch = true}};
    ui::LineControl Line1{this, "Line1", {.border_color = ui::Color::Rgb(0, 64, 128), .x1 = 24, .y1 = 212, .x2 = 536, .y2 = 212}};
    ui::LineControl Line2{this, "Line2", {.border_color = ui::Color::Rgb(0, 64, 128), .x1 = 24, .y1 = 292, .x2 = 536, .y2 = 292}};
    ui::LineControl Line3{this, "Line3", {.border_color = ui::Color::Rgb(160, 176, 200), .x1 = 24, .y1 = 216, .x2 = 536, .y2 = 216}};
    ui::LineControl Line4{this, "Line4", {.border_color = ui::Color::Rgb(160, 176, 200), .x1 = 24, .y1 = 288, .x2 = 536, .y2 = 288}};
    ui::CommandButton Command1{this, "Command1", {.caption = "考试大纲", .font = {.size = 12, .bold = true}, .rect = {52, 230, 128, 44}, .tab_index = 0}};
    ui::CommandButton Command4{this, "Command4", {.caption = "进入系统", .font = {.size = 12, .bold = true}, .rect = {216, 230, 128, 44}, .tab_index = 1}};
    ui::CommandButton Command2{this, "Command2", {.caption = "退出系统", .font = {.size = 12, .bold = true}, .rect = {380, 230, 128, 44}, .tab_index = 2}};
    ui::Label Label1{this, "Label1", {.caption = "更多模拟考试软件请登陆澄木朗软件网站下载......", .fore = ui::Color::Rgb(0, 64, 128), .alignment = ui::Align::Center, .rect = {24, 304, 512, 18}}};
    ui::Label Label2{this, "Label2", {.caption = "澄木朗网址：" + std::string(kProductSite), .rect = {24, 336, 280, 18}, .mouse_pointer = ui::MousePointer::Link}};
    ui::Label Label5{this, "Label5", {.caption = "联系邮箱：" + std::string(kSupportMail), .alignment = ui::Align::Right, .rect = {300, 336, 236, 18}, .mouse_pointer = ui::MousePointer::Link}};

private:
    void Command1_Click();
    void Command4_Click();
    void Command2_Click();
    void Label2_Click();
    void Label5_Click();

    App& app_;
};

}  // namespace boxi

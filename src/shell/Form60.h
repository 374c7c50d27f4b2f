#pragma once

#include "common/Conventions.h"
#include "ui/Controls.h"
#include "ui/Window.h"

#include <string>

namespace boxi {

class App;

// The course menu: "技能练习" leads to chapter study, "实战模拟" to the case
// chooser, "单元测验" to the unit test, "退出" back to the portal; each shows
// its target first and then hides and unloads the menu. "考试大纲" opens the
// syllabus beside it. It keeps no state.
class Form60 : public ui::Window {
public:
    explicit Form60(App& app);

    ui::Image Image1{this, "Image1", {.rect = {0, 0, 520, 150}, .picture = "menu.art", .stretch = true}};
    ui::LineControl Line2{this, "Line2", {.x1 = 40, .y1 = 170, .x2 = 480, .y2 = 170}};
    ui::LineControl Line3{this, "Line3", {.x1 = 40, .y1 = 300, .x2 = 480, .y2 = 300}};
    ui::LineControl Line4{this, "Line4", {.x1 = 40, .y1 = 170, .x2 = 40, .y2 = 300}};
    ui::LineControl Line5{this, "Line5", {.x1 = 480, .y1 = 170, .x2 = 480, .y2 = 300}};
    ui::CommandButton Command2{this, "Command2", {.caption = "技能练习", .font = {.size = 12, .bold = true}, .rect = {72, 180, 112, 52}, .tab_index = 0}};
    ui::CommandButton Command4{this, "Command4", {.caption = "实战模拟", .font = {.size = 12, .bold = true}, .rect = {204, 180, 112, 52}, .tab_index = 1}};
    ui::CommandButton Command7{this, "Command7", {.caption = "退出", .font = {.size = 12, .bold = true}, .rect = {336, 180, 112, 52}, .tab_index = 2}};
    ui::CommandButton Command9{this, "Command9", {.caption = "考试大纲", .font = {.size = 12, .bold = true}, .rect = {138, 242, 112, 44}, .tab_index = 3}};
    ui::CommandButton Command10{this, "Command10", {.caption = "单元测验", .font = {.size = 12, .bold = true}, .rect = {270, 242, 112, 44}, .tab_index = 4}};
    ui::Label Label2{this, "Label2", {.caption = "澄木朗网址：" + std::string(kProductSite), .rect = {24, 324, 280, 18}, .mouse_pointer = ui::MousePointer::Link}};
    ui::Label Label5{this, "Label5", {.caption = "联系邮箱：" + std::string(kSupportMail), .alignment = ui::Align::Right, .rect = {300, 324, 196, 18}, .mouse_pointer = ui::MousePointer::Link}};

    // Shows the syllabus window and changes nothing else.
    void OpenSyllabus();
    // Opens the unit test: shows it, then hides and unloads the menu.
    void OpenUnitTests();

private:
    void Command2_Click();
    void Command4_Click();
    void Command7_Click();
    void Command9_Click();
    void Command10_Click();
    void Label2_Click();
    void Label5_Click();

    App& app_;
};

}  // namespace boxi

#pragma once

#include "ui/Controls.h"
#include "ui/Window.h"

namespace boxi {

class App;

// The written-exam draw: on "抽取试题" it waits eight seconds, then draws
// one of ten written-exam sets into the set name, writes the chooser's
// heading and opens the written exam's window. It stays on screen itself;
// "退出考试" returns to the mode choice, and during the wait draws nothing.
class Form44 : public ui::Window {
public:
    explicit Form44(App& app);

    ui::Label Label1{this, "Label1", {.caption = "全国计算机等级考试二级Access笔试模拟考试", .fore = ui::Color::Rgb(0, 0, 160), .font = {.size = 15, .bold = true}, .alignment = ui::Align::Center, .rect = {16, 40, 528, 32}}};
    ui::Label Label2{this, "Label2", {.caption = "（说明：所有试题均根据考试大纲要求进行设计，并参考历年考试真题。）", .font = {.size = 10.5}, .alignment = ui::Align::Center, .rect = {16, 96, 528, 22}}};
    ui::CommandButton Command1{this, "Command1", {.caption = "抽取试题", .font = {.size = 10.5}, .rect = {112, 160, 136, 36}, .tab_index = 0}};
    ui::CommandButton Command3{this, "Command3", {.caption = "退出考试", .font = {.size = 10.5}, .rect = {312, 160, 136, 36}, .tab_index = 1}};
    ui::Timer Timer1{this, "Timer1", {.enabled = false, .interval = 8000}};

protected:
    void Form_QueryUnload() override;

private:
    void Command1_Click();
    void Timer1_Timer();
    void Command3_Click();

    App& app_;
};

}  // namespace boxi

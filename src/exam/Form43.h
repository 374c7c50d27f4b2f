#pragma once

#include <string>

#include "ui/ControlArray.h"
#include "ui/Controls.h"
#include "ui/Window.h"

namespace boxi {

class App;

// The mode choice: training leads to the case chooser, exam mode to the
// login. Its option buttons hold StudyMode, which lasts as long as the
// window stays loaded; after "确定" it is only hidden, under the chooser and
// the exam windows, and only "返回" unloads it. It also writes the chooser's
// heading.
class Form43 : public ui::Window {
public:
    explicit Form43(App& app);

    ui::Frame Frame1{this, "Frame1", {.rect = {8, 8, 584, 404}}};
    ui::Frame Frame3{this, "Frame3", {.rect = {16, 14, 552, 324}}, &Frame1};
    ui::Frame Frame4{this, "Frame4", {.rect = {16, 14, 520, 100}}, &Frame3};
    ui::Label Label1{this, "Label1", {.caption = "MS Office高级应用（二级） 采取无纸化考试        考试时间：120分钟", .fore = ui::Color::Rgb(0, 64, 128), .font = {.size = 10.5, .bold = true}, .rect = {16, 8, 300, 42}}, &Frame4};
    ui::Label Label3{this, "Label3", {.caption = "系统环境：操作系统：Windows 7" + std::string(27, ' ') + "办公软件：Microsoft Office 2010", .fore = ui::Color::Rgb(0, 64, 128), .font = {.size = 10.5}, .rect = {16, 52, 300, 42}}, &Frame4};
    ui::Frame Frame2{this, "Frame2", {.caption = "学习模式", .font = {.size = 10.5}, .rect = {16, 124, 520, 70}}, &Frame3};
    ui::ControlArray<ui::OptionButton> Option1{this, "Option1", {
        {0, {.caption = "训练模式", .font = {.size = 12, .bold = true}, .rect = {72, 28, 140, 30}, .tab_index = 0}},
        {1, {.caption = "考试模式", .font = {.size = 12, .bold = true}, .rect = {308, 28, 140, 30}, .tab_index = 1}},
    }, &Frame2};
    ui::Label Label2{this, "Label2", {.caption = "Label4", .fore = ui::Color::Rgb(192, 0, 0), .font = {.size = 10.5}, .rect = {16, 204, 520, 44}}, &Frame3};
    ui::CommandButton Command4{this, "Command4", {.caption = "确定", .font = {.size = 12, .bold = true}, .rect = {196, 262, 160, 44}, .tab_index = 2}, &Frame3};
    ui::CommandButton Command1{this, "Command1", {.caption = "笔试模拟", .font = {.size = 10.5}, .rect = {320, 352, 120, 34}, .tab_index = 3}, &Frame1};
    ui::CommandButton Command3{this, "Command3", {.caption = "返回", .font = {.size = 10.5}, .rect = {448, 352, 120, 34}, .tab_index = 4}, &Frame1};

protected:
    void Form_Load() override;
    void Form_QueryUnload() override;

private:
    void Option1_Click(int index);
    void Command4_Click();
    void Command3_Click();
    void Command1_Click();

    App& app_;
};

}  // namespace boxi

#pragma once

#include "ui/Controls.h"
#include "ui/Window.h"

namespace boxi {

class App;

// Chapter study: lists the six chapters of the Excel course, shows the
// chosen chapter's knowledge outline and opens its operation exercises. It
// stays loaded and hidden under the exercise window, whose load and steps
// window read the chosen chapter from its list (CurrentChapter).
class Form2 : public ui::Window {
public:
    explicit Form2(App& app);

    ui::Frame Frame2{this, "Frame2", {.caption = "选择学习章节", .rect = {12, 8, 232, 282}}};
    ui::ListBox List1{this, "List1", {.font = {.size = 10.5}, .rect = {10, 24, 212, 246}, .tab_index = 0}, &Frame2};
    ui::Frame Frame1{this, "Frame1", {.caption = "知识点概述", .rect = {256, 8, 492, 452}}};
    ui::TextBox Text1{this, "Text1", {.font = {.size = 10.5}, .rect = {10, 24, 472, 418}, .multiline = true, .scrollbars = ui::ScrollBars::Vertical, .tab_index = 1}, &Frame1};
    ui::Frame Frame4{this, "Frame4", {.rect = {12, 296, 232, 112}}};
    ui::CommandButton Command1{this, "Command1", {.caption = "本章节同步习题训练", .font = {.size = 11, .bold = true}, .rect = {14, 14, 204, 38}, .tab_index = 2}, &Frame4};
    // Opens the choice drill through its section chooser.
    ui::CommandButton Command2{this, "Command2", {.caption = "选择题训练", .font = {.size = 11, .bold = true}, .rect = {14, 60, 204, 38}, .tab_index = 3}, &Frame4};
    ui::CommandButton Command3{this, "Command3", {.caption = "返回", .font = {.size = 11}, .rect = {62, 420, 136, 36}, .tab_index = 4}};

    // The chosen chapter, 0 to 5, as the exercise and steps windows read it.
    int CurrentChapter() { return List1.list_index(); }

protected:
    void Form_Load() override;
    void Form_QueryUnload() override;

private:
    void List1_Click();
    void Command1_Click();
    void Command3_Click();
    void Command2_Click();

    App& app_;
};

}  // namespace boxi

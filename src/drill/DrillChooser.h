#pragma once

#include "ui/Controls.h"
#include "ui/Window.h"

namespace boxi {

class App;

// Opens the choice drill from chapter study: the learner picks one of the
// drill's two chapters and one of its sections, and "开始练习" puts the
// section's first question on screen. Chapter study stays loaded and hidden
// beneath, so the drill's "返回" finds it with its chapter.
class DrillChooser : public ui::Window {
public:
    explicit DrillChooser(App& app);

    ui::Frame Frame1{this, "Frame1", {.caption = "选择章节", .font = {.size = 10.5}, .rect = {12, 8, 496, 84}}};
    ui::ListBox List1{this, "List1", {.font = {.size = 10.5}, .rect = {10, 24, 476, 50}, .tab_index = 0}, &Frame1};
    ui::Frame Frame2{this, "Frame2", {.caption = "选择小节", .font = {.size = 10.5}, .rect = {12, 100, 496, 190}}};
    ui::ListBox List2{this, "List2", {.font = {.size = 10.5}, .rect = {10, 24, 476, 156}, .tab_index = 1}, &Frame2};
    ui::CommandButton Command1{this, "Command1", {.caption = "开始练习", .font = {.size = 10.5, .bold = true}, .rect = {256, 302, 120, 32}, .tab_index = 2, .default_button = true}};
    ui::CommandButton Command2{this, "Command2", {.caption = "返回", .font = {.size = 10.5}, .rect = {388, 302, 120, 32}, .tab_index = 3}};

protected:
    void Form_Load() override;
    void Form_QueryUnload() override;

private:
    void List1_Click();
    void Command1_Click();
    void Command2_Click();

    App& app_;
};

}  // namespace boxi

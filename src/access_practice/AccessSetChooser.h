#pragma once

#include "ui/Controls.h"
#include "ui/Window.h"

namespace boxi {

class App;

// Opens the Access practice on a set: lists the 26 set names, writes the
// chosen one into the case chooser's name (which the practice reads) and
// shows the practice. The case chooser stays loaded and hidden beneath it,
// since unloading it would reset the name.
class AccessSetChooser : public ui::Window {
public:
    explicit AccessSetChooser(App& app);

    ui::Label Label1{this, "Label1", {.caption = "请选择要练习的一套Access操作题：", .font = {.size = 10.5}, .rect = {16, 14, 288, 22}}};
    ui::ListBox List1{this, "List1", {.font = {.size = 10.5}, .rect = {16, 40, 288, 250}, .tab_index = 0}};
    ui::CommandButton Command1{this, "Command1", {.caption = "开始练习", .font = {.size = 10.5}, .rect = {40, 304, 110, 32}, .tab_index = 1, .default_button = true}};
    ui::CommandButton Command2{this, "Command2", {.caption = "返回", .font = {.size = 10.5}, .rect = {170, 304, 110, 32}, .tab_index = 2}};

protected:
    void Form_Load() override;
    void Form_QueryUnload() override;

private:
    void Command1_Click();
    void Command2_Click();

    App& app_;
};

}  // namespace boxi

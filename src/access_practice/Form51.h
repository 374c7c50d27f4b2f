#pragma once

#include "ui/Controls.h"
#include "ui/Window.h"

namespace boxi {

class App;

// The reference-answer window of the Access practice: one read-only box
// whose text "试题分析" writes before showing it. It has no button; the type
// buttons and its close box close it.
class Form51 : public ui::Window {
public:
    explicit Form51(App& app);

    ui::TextBox Text1{this, "Text1", {.font = {.size = 12}, .rect = ui::TwipsRect(0, 0, 9135, 4815), .locked = true, .multiline = true, .scrollbars = ui::ScrollBars::Vertical}};
    ui::Menu popmenu{this, "popmenu", {.caption = "快捷菜单", .visible = false}};
    ui::Menu neirong{this, "neirong", {.caption = "内容不可更改"}, &popmenu};

private:
    void Text1_MouseDown(int button, int shift, int x, int y);
};

}  // namespace boxi

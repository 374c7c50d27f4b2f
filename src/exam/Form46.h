#pragma once

#include <string>
#include <string_view>

#include "ui/Controls.h"
#include "ui/Window.h"

namespace boxi {

class App;

// The submission lock: says the submission is being processed, asks after
// five seconds for the proctor's end password, and only that password
// releases it, into the submission itself. It has no title bar, so the
// candidate cannot close it another way; an exam that ends past it, through
// the toolbar, closes it with the exam (CloseSubmissionLock).
class Form46 : public ui::Window {
public:
    explicit Form46(App& app);

    static constexpr std::string_view kProctorPassword = "58143";

    ui::Shape Shape1{this, "Shape1", {.rect = {0, 0, 781, 388}, .shape = ui::ShapeKind::Rectangle, .border_color = ui::Color::Rgb(0, 0, 128), .border_width = 2}};
    ui::Label Label1{this, "Label1", {.caption = "系统正在进行交卷处理，请稍候！", .fore = ui::Color::Rgb(0, 0, 128), .font = {.size = 24, .bold = true}, .rect = {24, 32, 560, 44}, .back_style = ui::BackStyle::Transparent}};
    ui::TextBox Text1{this, "Text1", {.font = {.size = 15}, .rect = {584, 36, 100, 36}, .password_char = "*", .tab_index = 0}};
    ui::CommandButton Command1{this, "Command1", {.caption = "结束", .font = {.size = 15, .bold = true}, .rect = {692, 34, 72, 40}, .tab_index = 1, .default_button = true}};
    ui::Label Label4{this, "Label4", {.caption = "提示：密码为：" + std::string(kProctorPassword) + std::string(14, ' ') + "真正考试时，由监考老师输入密码！", .font = {.size = 12}, .rect = {24, 100, 740, 24}, .back_style = ui::BackStyle::Transparent}};
    ui::Timer Timer2{this, "Timer2", {.interval = 5000}};

protected:
    void Form_Load() override;

private:
    void Timer2_Timer();
    void Command1_Click();

    App& app_;
};

}  // namespace boxi

#pragma once

#include <cstdint>

#include "ui/Controls.h"
#include "ui/Window.h"

namespace boxi {

class App;

// The exam toolbar: an always-on-top strip over the timed exam. It counts
// the exam time down, raises the five-minute alarm and the time-up, opens
// the examinee folder, shows the answer-progress page, hides and shows the
// task window and submits. It never closes itself: the exam clean-up
// unloads it, and with it the countdown.
class Form42 : public ui::Window {
public:
    explicit Form42(App& app);

    ui::Image Image1{this, "Image1", {.rect = {0, 0, 901, 42}, .picture = "exam.toolbar"}};
    ui::Label Label5{this, "Label5", {.caption = "119", .fore = ui::colors::kBlue, .font = {.size = 12, .bold = true}, .alignment = ui::Align::Right, .rect = {506, 11, 40, 20}, .back_style = ui::BackStyle::Transparent}};
    ui::Label Label4{this, "Label4", {.caption = ":", .fore = ui::colors::kBlue, .font = {.size = 12, .bold = true}, .alignment = ui::Align::Center, .rect = {546, 11, 10, 20}, .back_style = ui::BackStyle::Transparent}};
    ui::Label Label3{this, "Label3", {.caption = "60", .fore = ui::colors::kBlue, .font = {.size = 12, .bold = true}, .alignment = ui::Align::Left, .rect = {556, 11, 30, 20}, .back_style = ui::BackStyle::Transparent}};
    ui::Label Label1{this, "Label1", {.caption = "考生文件夹", .fore = ui::colors::kWhite, .back = kButtonBlue, .alignment = ui::Align::Center, .rect = {600, 11, 72, 20}, .mouse_pointer = ui::MousePointer::Link}};
    ui::Label Label2{this, "Label2", {.caption = "作答进度", .fore = ui::colors::kWhite, .back = kButtonBlue, .alignment = ui::Align::Center, .rect = {680, 11, 60, 20}, .mouse_pointer = ui::MousePointer::Link}};
    ui::Label Label6{this, "Label6", {.caption = "隐藏试题", .fore = ui::colors::kWhite, .back = kButtonBlue, .alignment = ui::Align::Center, .rect = {748, 11, 60, 20}, .mouse_pointer = ui::MousePointer::Link}};
    ui::Label Label7{this, "Label7", {.caption = "帮助", .fore = ui::colors::kWhite, .back = kButtonBlue, .alignment = ui::Align::Center, .rect = {816, 11, 36, 20}, .mouse_pointer = ui::MousePointer::Link}};
    ui::Label Label8{this, "Label8", {.caption = "交卷", .fore = ui::colors::kWhite, .back = kButtonBlue, .alignment = ui::Align::Center, .rect = {858, 11, 36, 20}, .mouse_pointer = ui::MousePointer::Link}};
    ui::Timer Timer1{this, "Timer1", {.interval = 63000}};
    ui::Timer Timer2{this, "Timer2", {.interval = 1000}};

    // The countdown; a fresh load starts it again.
    std::int32_t MinutesLeft = 119;
    std::int32_t SecondsLeft = 60;

    static constexpr ui::Color kButtonBlue = ui::Color::Rgb(128, 128, 255);

protected:
    void Form_Load() override;

private:
    void Label1_Click();
    void Label2_Click();
    void Label6_Click();
    void Label8_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void TimeUp();

    App& app_;
};

}  // namespace boxi

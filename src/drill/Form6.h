#pragma once

#include <string_view>

#include "ui/ControlArray.h"
#include "ui/Controls.h"
#include "ui/Window.h"

namespace boxi {

class App;

namespace banks {
struct DrillSection;
enum class DrillUse;
}  // namespace banks

// The choice drill: one question of one section at a time, previous and
// next with a hint at the start and a message past the end, a verdict at
// every choice and the analysis in the steps window. The chapter and section
// are the captions of Label3 and Label4, the question is CurrentQuestion;
// whoever opens the drill sets them, and the drill has no load of its own.
class Form6 : public ui::Window {
public:
    explicit Form6(App& app);

    ui::Frame Frame2{this, "Frame2", {.rect = ui::TwipsRect(120, 0, 8535, 1455)}};
    // The headings are taller than designed, about the same centre, so that
    // the Word chapter and the longest section names show on two lines.
    ui::Label Label3{this, "Label3", {.caption = "Label3", .font = {.size = 15}, .alignment = ui::Align::Center, .rect = ui::TwipsRect(240, 300, 3015, 975)}, &Frame2};
    ui::LineControl Line1{this, "Line1", {.x1 = ui::Twips(3480), .y1 = ui::Twips(720), .x2 = ui::Twips(4560), .y2 = ui::Twips(720)}, &Frame2};
    ui::Label Label4{this, "Label4", {.caption = "Label4", .font = {.size = 15}, .alignment = ui::Align::Center, .rect = ui::TwipsRect(4800, 300, 3495, 975)}, &Frame2};
    ui::Label Label2{this, "Label2", {.caption = "习题类型", .font = {.size = 12, .bold = true}, .rect = ui::TwipsRect(8880, 120, 1095, 255)}};
    ui::ListBox List1{this, "List1", {.rect = ui::TwipsRect(8760, 480, 1215, 960), .tab_index = 0}};
    ui::Frame Frame1{this, "Frame1", {.rect = ui::TwipsRect(120, 1440, 9855, 4095)}};
    // The feedback box gives the stem below it room by being lower than
    // designed; nothing else of it moves.
    ui::TextBox Text1{this, "Text1", {.text = "Text1", .rect = ui::TwipsRect(120, 240, 9615, 540), .locked = true, .multiline = true, .scrollbars = ui::ScrollBars::Vertical, .tab_index = 1}, &Frame1};
    ui::Label StemDisplay{this, "StemDisplay", {.font = {.size = 12}, .alignment = ui::Align::Left, .rect = ui::TwipsRect(120, 900, 9615, 1125), .word_wrap = true}, &Frame1};
    ui::ControlArray<ui::OptionButton> Optbutton{this, "Optbutton", {
        {0, {.caption = "第一个答案", .rect = ui::TwipsRect(120, 2040, 8295, 495), .tab_index = 2}},
        {1, {.caption = "第二个答案", .rect = ui::TwipsRect(120, 2520, 8295, 495), .tab_index = 3}},
        {2, {.caption = "第三个答案", .rect = ui::TwipsRect(120, 3000, 8295, 495), .tab_index = 4}},
        {3, {.caption = "第四个答案", .rect = ui::TwipsRect(120, 3480, 8295, 495), .tab_index = 5}},
    }, &Frame1};
    ui::CommandButton Command2{this, "Command2", {.caption = "试题评析", .back = ui::Color::Rgb(255, 128, 0), .font = {.size = 10.5, .bold = true}, .rect = ui::TwipsRect(4320, 5760, 1215, 375), .style = ui::ButtonStyle::Graphical, .tab_index = 6}};
    ui::Frame Frame3{this, "Frame3", {.rect = ui::TwipsRect(5640, 5520, 2415, 735)}};
    ui::ControlArray<ui::CommandButton> cmd{this, "cmd", {
        {0, {.caption = "上一题", .rect = ui::TwipsRect(240, 240, 855, 375), .tab_index = 7}},
        {1, {.caption = "下一题", .rect = ui::TwipsRect(1320, 240, 855, 375), .tab_index = 8}},
    }, &Frame3};
    ui::CommandButton Command5{this, "Command5", {.caption = "返回", .back = ui::Color::Rgb(255, 128, 0), .rect = ui::TwipsRect(9240, 5760, 735, 375), .style = ui::ButtonStyle::Graphical, .tab_index = 9}};
    ui::Menu popmenu{this, "popmenu", {.caption = "快捷菜单", .visible = false}};
    ui::Menu neirong{this, "neirong", {.caption = "禁止右键"}, &popmenu};

    // The one entry of the exercise-type list: this choice drill.
    static constexpr std::string_view kChoiceDrillType = "选择题";

    // "上一题" (0) and "下一题" (1); the drill's opener runs "下一题" itself
    // to put the first question on screen.
    void cmd_Click(int index);

protected:
    void Form_QueryUnload() override;

private:
    void Optbutton_Click(int index);
    void Command2_Click();
    void Command5_Click();
    void List1_Click();
    void Text1_MouseDown(int button, int shift, int x, int y);

    // The section the headings name, if its type condition for `use` holds.
    const banks::DrillSection* CurrentSection(banks::DrillUse use);
    void ShowQuestion(const banks::DrillSection& section, int number);

    App& app_;
};

}  // namespace boxi

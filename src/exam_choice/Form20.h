#pragma once

#include <string>

#include "common/Module1.h"
#include "ui/ControlArray.h"
#include "ui/Controls.h"
#include "ui/Window.h"

namespace boxi {

class App;

namespace choice_layout {

// Number k of the answer sheet and the circle behind it, in one row inside
// the sheet's frame.
inline ui::Props SheetNumber(int k)
{
    return {.caption = std::to_string(k), .fore = ui::colors::kBlack, .back = ui::colors::kWhite,
            .alignment = ui::Align::Center, .rect = {16 + 32 * (k - 1), 24, 13, 13},
            .mouse_pointer = ui::MousePointer::Link};
}

inline ui::Props SheetCell(int k)
{
    return {.rect = {8 + 32 * (k - 1), 16, 27, 27}, .shape = ui::ShapeKind::Circle,
            .border_color = ui::Color::Rgb(96, 128, 176)};
}

inline ui::Props ChoiceOption(const char* caption, int top, int tab_index)
{
    return {.caption = caption, .back = ui::colors::kWhite, .font = {.size = 10.5},
            .rect = {184, top, 800, 33}, .back_style = ui::BackStyle::Transparent, .tab_index = tab_index};
}

}  // namespace choice_layout

// The exam's choice screen: one of the set's twenty questions at a time,
// an answer sheet whose numbers jump to any question, previous and next,
// and a way back to the task window. A chosen option is marked here, on
// the answer-progress page and in the result review; in training it is
// judged at once. The task window's entry prepares question 1 and shows it.
class Form20 : public ui::Window {
public:
    explicit Form20(App& app);

    ui::Frame Frame1{this, "Frame1", {.back = ui::colors::kWhite, .rect = {0, 0, 1018, 639}}};
    ui::Image Image1{this, "Image1", {.rect = {0, 0, 1024, 640}, .picture = "exam.choice"}, &Frame1};
    ui::Label Label1{this, "Label1", {.back = ui::colors::kWhite, .rect = {168, 64, 857, 489}}, &Frame1};
    ui::Shape Shape1{this, "Shape1", {.rect = {176, 72, 27, 27}, .shape = ui::ShapeKind::Circle, .fill_style = ui::FillStyle::Solid, .fill_color = ui::colors::kGreen, .border_color = ui::colors::kGreen}, &Frame1};
    ui::Label Label2{this, "Label2", {.caption = "1", .fore = ui::colors::kRed, .back = ui::colors::kGreen, .alignment = ui::Align::Center, .rect = {184, 80, 13, 13}}, &Frame1};
    ui::TextBox Text1{this, "Text1", {.font = {.size = 10.5}, .rect = {208, 72, 801, 185}, .locked = true, .multiline = true, .scrollbars = ui::ScrollBars::Vertical, .tab_index = 0}, &Frame1};
    ui::ControlArray<ui::OptionButton> Option1{this, "Option1", {
        {0, choice_layout::ChoiceOption("A)", 272, 1)},
        {1, choice_layout::ChoiceOption("B)", 312, 2)},
        {2, choice_layout::ChoiceOption("C)", 352, 3)},
        {3, choice_layout::ChoiceOption("D)", 392, 4)},
    }, &Frame1};
    ui::Label Label5{this, "Label5", {.fore = ui::colors::kRed, .back = ui::colors::kWhite, .font = {.size = 10.5}, .rect = {384, 520, 313, 25}}, &Frame1};
    ui::CommandButton Command1{this, "Command1", {.caption = "试题评析", .rect = {912, 520, 81, 25}, .tab_index = 5}, &Frame1};
    ui::Frame Frame2{this, "Frame2", {.back = ui::colors::kWhite, .rect = {168, 552, 697, 89}}, &Frame1};
    ui::ControlArray<ui::Shape> Shape2{this, "Shape2", {
        {1, choice_layout::SheetCell(1)}, {2, choice_layout::SheetCell(2)}, {3, choice_layout::SheetCell(3)},
        {4, choice_layout::SheetCell(4)}, {5, choice_layout::SheetCell(5)}, {6, choice_layout::SheetCell(6)},
        {7, choice_layout::SheetCell(7)}, {8, choice_layout::SheetCell(8)}, {9, choice_layout::SheetCell(9)},
        {10, choice_layout::SheetCell(10)}, {11, choice_layout::SheetCell(11)}, {12, choice_layout::SheetCell(12)},
        {13, choice_layout::SheetCell(13)}, {14, choice_layout::SheetCell(14)}, {15, choice_layout::SheetCell(15)},
        {16, choice_layout::SheetCell(16)}, {17, choice_layout::SheetCell(17)}, {18, choice_layout::SheetCell(18)},
        {19, choice_layout::SheetCell(19)}, {20, choice_layout::SheetCell(20)}}, &Frame2};
    ui::ControlArray<ui::Label> Label3{this, "Label3", {
        {1, choice_layout::SheetNumber(1)}, {2, choice_layout::SheetNumber(2)}, {3, choice_layout::SheetNumber(3)},
        {4, choice_layout::SheetNumber(4)}, {5, choice_layout::SheetNumber(5)}, {6, choice_layout::SheetNumber(6)},
        {7, choice_layout::SheetNumber(7)}, {8, choice_layout::SheetNumber(8)}, {9, choice_layout::SheetNumber(9)},
        {10, choice_layout::SheetNumber(10)}, {11, choice_layout::SheetNumber(11)}, {12, choice_layout::SheetNumber(12)},
        {13, choice_layout::SheetNumber(13)}, {14, choice_layout::SheetNumber(14)}, {15, choice_layout::SheetNumber(15)},
        {16, choice_layout::SheetNumber(16)}, {17, choice_layout::SheetNumber(17)}, {18, choice_layout::SheetNumber(18)},
        {19, choice_layout::SheetNumber(19)}, {20, choice_layout::SheetNumber(20)}}, &Frame2};
    ui::Label Label4{this, "Label4", {.caption = "1/20", .fore = ui::colors::kBlack, .font = {.size = 10.5}, .rect = {928, 568, 97, 17}, .back_style = ui::BackStyle::Transparent}, &Frame1};
    ui::ControlArray<ui::Image> Image2{this, "Image2", {
        {0, {.rect = {880, 608, 65, 17}, .mouse_pointer = ui::MousePointer::Link}},
        {1, {.rect = {952, 608, 73, 17}, .mouse_pointer = ui::MousePointer::Link}},
    }, &Frame1};
    ui::Image Image3{this, "Image3", {.rect = {960, 8, 49, 49}, .mouse_pointer = ui::MousePointer::Link}, &Frame1};
    ui::Menu popmenu{this, "popmenu", {.caption = "快捷菜单", .visible = false}};
    ui::Menu neirong{this, "neirong", {.caption = "内容不可改动"}, &popmenu};

    static constexpr int kQuestionCount = 20;

    // "答案：" key CR LF "分析：" analysis of question k: what the steps
    // window holds for the question on screen.
    static std::string StepsFor(const QuestionTable& table, int k);

    void ClearChoiceDisplay();
    void ShowChoiceQuestion(int k);

protected:
    void Form_Load() override;
    void Form_QueryUnload() override;

private:
    void Label3_Click(int k);
    void Image2_Click(int index);
    void Image3_Click();
    void Command1_Click();
    void Option1_Click(int index);
    void Text1_MouseDown(int button, int shift, int x, int y);
    void MarkAnswered(int k);
    void ChoiceMessage(const char* text);

    App& app_;
};

}  // namespace boxi

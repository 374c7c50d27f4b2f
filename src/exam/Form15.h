#pragma once

#include <string>

#include "ui/ControlArray.h"
#include "ui/Controls.h"
#include "ui/Window.h"

namespace boxi {

class App;

namespace progress_layout {

// Cells 1 to 20 stand in one row in the choice group; 21, 22 and 23 each
// in a group of its own below it.
inline int CellCentreX(int k) { return k <= 20 ? 46 + (k - 1) * 36 : 46; }
inline int CellCentreY(int k) { return k <= 20 ? 136 : 240 + (k - 21) * 88; }

inline ui::Props Cell(int k)
{
    return {.caption = std::to_string(k), .fore = ui::colors::kButtonText, .back = ui::colors::kButtonFace,
            .alignment = ui::Align::Center, .rect = {CellCentreX(k) - 9, CellCentreY(k) - 9, 18, 18}};
}

inline ui::Props Circle(int k)
{
    return {.rect = {CellCentreX(k) - 16, CellCentreY(k) - 16, 32, 32}, .shape = ui::ShapeKind::Circle,
            .border_color = ui::Color::Rgb(64, 96, 160)};
}

inline ui::Props Bracket(const char* mark, int left)
{
    return {.caption = mark, .font = {.size = 10.5}, .alignment = ui::Align::Center,
            .rect = {left, 22, 8, 20}, .back_style = ui::BackStyle::Transparent};
}

inline ui::Props Counter(const char* design, int left)
{
    return {.caption = design, .back = ui::Color::Rgb(224, 224, 224), .font = {.size = 10.5},
            .alignment = ui::Align::Center, .rect = {left, 22, 32, 20}};
}

inline ui::Props ConfirmPart(const char* design, int left, int width, ui::Align alignment)
{
    return {.caption = design, .fore = ui::Color::Rgb(192, 0, 0), .back = ui::colors::kWhite,
            .font = {.size = 10.5, .bold = true}, .alignment = alignment, .rect = {left, 530, width, 22}};
}

inline ui::Props PageButton(const char* caption, int left, int width, int tab_index, bool cancel = false)
{
    return {.caption = caption, .fore = ui::colors::kWhite, .back = ui::Color::Rgb(128, 128, 255),
            .font = {.size = 10.5, .bold = true}, .rect = {left, 526, width, 32}, .style = ui::ButtonStyle::Graphical,
            .tab_index = tab_index, .cancel_button = cancel};
}

}  // namespace progress_layout

// The answer-progress page: the exam's 23 items as cells, answered or not,
// with the counts of answered and unanswered items, and the question
// whether to submit. "确定" ends the exam and opens the result review,
// "取消" returns to the exam, and "监考交卷" hands the submission to the
// proctor's lock. The choice section marks its cells; the toolbar counts.
class Form15 : public ui::Window {
public:
    explicit Form15(App& app);

    ui::Image Image1{this, "Image1", {.rect = {0, 0, 800, 586}, .picture = "exam.progress"}};
    ui::Label Label17{this, "Label17", progress_layout::Bracket("[", 76)};
    ui::Label Label18{this, "Label18", progress_layout::Counter("23", 84)};
    ui::Label Label19{this, "Label19", progress_layout::Bracket("]", 116)};
    ui::Label Label20{this, "Label20", progress_layout::Bracket("[", 216)};
    ui::Label Label21{this, "Label21", progress_layout::Counter("0", 224)};
    ui::Label Label22{this, "Label22", progress_layout::Bracket("]", 256)};
    ui::Label Label23{this, "Label23", progress_layout::Bracket("[", 356)};
    ui::Label Label24{this, "Label24", progress_layout::Counter("0", 364)};
    ui::Label Label25{this, "Label25", progress_layout::Bracket("]", 396)};
    ui::ControlArray<ui::Shape> Shape2{this, "Shape2", {
        {1, progress_layout::Circle(1)}, {2, progress_layout::Circle(2)}, {3, progress_layout::Circle(3)},
        {4, progress_layout::Circle(4)}, {5, progress_layout::Circle(5)}, {6, progress_layout::Circle(6)},
        {7, progress_layout::Circle(7)}, {8, progress_layout::Circle(8)}, {9, progress_layout::Circle(9)},
        {10, progress_layout::Circle(10)}, {11, progress_layout::Circle(11)}, {12, progress_layout::Circle(12)},
        {13, progress_layout::Circle(13)}, {14, progress_layout::Circle(14)}, {15, progress_layout::Circle(15)},
        {16, progress_layout::Circle(16)}, {17, progress_layout::Circle(17)}, {18, progress_layout::Circle(18)},
        {19, progress_layout::Circle(19)}, {20, progress_layout::Circle(20)}, {21, progress_layout::Circle(21)},
        {22, progress_layout::Circle(22)}, {23, progress_layout::Circle(23)}}};
    // Member 0 is no cell: it lies hidden under the picture, never touched.
    ui::ControlArray<ui::Label> Label3{this, "Label3", {
        {0, {.visible = false, .rect = {0, 0, 18, 18}}},
        {1, progress_layout::Cell(1)}, {2, progress_layout::Cell(2)}, {3, progress_layout::Cell(3)},
        {4, progress_layout::Cell(4)}, {5, progress_layout::Cell(5)}, {6, progress_layout::Cell(6)},
        {7, progress_layout::Cell(7)}, {8, progress_layout::Cell(8)}, {9, progress_layout::Cell(9)},
        {10, progress_layout::Cell(10)}, {11, progress_layout::Cell(11)}, {12, progress_layout::Cell(12)},
        {13, progress_layout::Cell(13)}, {14, progress_layout::Cell(14)}, {15, progress_layout::Cell(15)},
        {16, progress_layout::Cell(16)}, {17, progress_layout::Cell(17)}, {18, progress_layout::Cell(18)},
        {19, progress_layout::Cell(19)}, {20, progress_layout::Cell(20)}, {21, progress_layout::Cell(21)},
        {22, progress_layout::Cell(22)}, {23, progress_layout::Cell(23)}}};
    ui::Label Label4{this, "Label4", progress_layout::ConfirmPart("有", 40, 20, ui::Align::Right)};
    ui::Label Label5{this, "Label5", progress_layout::ConfirmPart("0", 60, 36, ui::Align::Center)};
    ui::Label Label6{this, "Label6", progress_layout::ConfirmPart("试题未作答，确认交卷？", 96, 200, ui::Align::Left)};
    ui::CommandButton Command1{this, "Command1", progress_layout::PageButton("确定", 448, 96, 0)};
    ui::CommandButton Command2{this, "Command2", progress_layout::PageButton("取消", 556, 96, 1, true)};
    ui::CommandButton Command3{this, "Command3", progress_layout::PageButton("监考交卷", 664, 112, 2)};

    static constexpr int kCellCount = 23;

    // Marks item k (1 to 23) answered; marking it again changes nothing.
    void MarkProgressCell(int k);
    // A cell is answered exactly when its back colour is green.
    bool IsAnswered(int k);
    // Counts the answered cells into Module1 and writes the counters.
    void CountProgress();

protected:
    // The page is opened to look as often as to hand in: it opens with the
    // focus on "取消", so that Enter alone never ends the exam.
    void Form_Activate() override;

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    App& app_;
};

}  // namespace boxi

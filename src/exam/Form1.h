#pragma once

#include <string>

#include "ui/ControlArray.h"
#include "ui/Controls.h"
#include "ui/Window.h"

namespace boxi {

class App;

namespace review_layout {

// The table's rows under its heading line, one every 24 pixels.
inline int RowTop(int k) { return 30 + (k - 1) * 24; }

inline ui::Props RowNumber(int k)
{
    return {.caption = std::to_string(k), .back = k == 1 ? ui::Color::Rgb(128, 128, 255) : ui::colors::kButtonFace,
            .font = {.size = 10.5}, .alignment = ui::Align::Center, .rect = {8, RowTop(k) + 3, 57, 17}};
}

inline ui::Props Cell(int left, int k)
{
    return {.font = {.size = 10.5}, .alignment = ui::Align::Center, .rect = {left, RowTop(k) + 2, 24, 20},
            .tab_stop = false};
}
inline ui::Props ScoreCell(int k) { return Cell(144, k); }
inline ui::Props KeyCell(int k) { return Cell(272, k); }
inline ui::Props GivenCell(int k) { return Cell(336, k); }

inline ui::Props Patch(int left, int row)
{
    return {.back = ui::colors::kWhite, .rect = {left, RowTop(row) + 3, 33, 17}};
}
inline ui::Props PatchScore(int row) { return Patch(170, row); }
inline ui::Props PatchKey(int row) { return Patch(296, row); }

}  // namespace review_layout

// The result review: the exam's 23 items as one table, with each choice
// row's key, the candidate's letter and a right-or-wrong flag, and a click
// on a row number shows that item's question and answer. It computes no
// score. The choice section fills the rows while the candidate answers;
// "退出" ends the exam and returns to the mode choice.
class Form1 : public ui::Window {
public:
    explicit Form1(App& app);

    ui::Frame Frame2{this, "Frame2", {.rect = {0, 0, 915, 634}}};
    ui::Image Image1{this, "Image1", {.rect = {0, 0, 910, 630}, .picture = "exam.review"}, &Frame2};
    ui::ControlArray<ui::Label> Label3{this, "Label3", {
        {1, review_layout::RowNumber(1)}, {2, review_layout::RowNumber(2)}, {3, review_layout::RowNumber(3)}, {4, review_layout::RowNumber(4)},
        {5, review_layout::RowNumber(5)}, {6, review_layout::RowNumber(6)}, {7, review_layout::RowNumber(7)}, {8, review_layout::RowNumber(8)},
        {9, review_layout::RowNumber(9)}, {10, review_layout::RowNumber(10)}, {11, review_layout::RowNumber(11)}, {12, review_layout::RowNumber(12)},
        {13, review_layout::RowNumber(13)}, {14, review_layout::RowNumber(14)}, {15, review_layout::RowNumber(15)}, {16, review_layout::RowNumber(16)},
        {17, review_layout::RowNumber(17)}, {18, review_layout::RowNumber(18)}, {19, review_layout::RowNumber(19)}, {20, review_layout::RowNumber(20)},
        {21, review_layout::RowNumber(21)}, {22, review_layout::RowNumber(22)}, {23, review_layout::RowNumber(23)}}, &Frame2};
    ui::ControlArray<ui::TextBox> Text3{this, "Text3", {
        {1, review_layout::ScoreCell(1)}, {2, review_layout::ScoreCell(2)}, {3, review_layout::ScoreCell(3)}, {4, review_layout::ScoreCell(4)},
        {5, review_layout::ScoreCell(5)}, {6, review_layout::ScoreCell(6)}, {7, review_layout::ScoreCell(7)}, {8, review_layout::ScoreCell(8)},
        {9, review_layout::ScoreCell(9)}, {10, review_layout::ScoreCell(10)}, {11, review_layout::ScoreCell(11)}, {12, review_layout::ScoreCell(12)},
        {13, review_layout::ScoreCell(13)}, {14, review_layout::ScoreCell(14)}, {15, review_layout::ScoreCell(15)}, {16, review_layout::ScoreCell(16)},
        {17, review_layout::ScoreCell(17)}, {18, review_layout::ScoreCell(18)}, {19, review_layout::ScoreCell(19)}, {20, review_layout::ScoreCell(20)},
        {21, review_layout::ScoreCell(21)}, {22, review_layout::ScoreCell(22)}, {23, review_layout::ScoreCell(23)}}, &Frame2};
    ui::ControlArray<ui::TextBox> Text4{this, "Text4", {
        {1, review_layout::KeyCell(1)}, {2, review_layout::KeyCell(2)}, {3, review_layout::KeyCell(3)}, {4, review_layout::KeyCell(4)},
        {5, review_layout::KeyCell(5)}, {6, review_layout::KeyCell(6)}, {7, review_layout::KeyCell(7)}, {8, review_layout::KeyCell(8)},
        {9, review_layout::KeyCell(9)}, {10, review_layout::KeyCell(10)}, {11, review_layout::KeyCell(11)}, {12, review_layout::KeyCell(12)},
        {13, review_layout::KeyCell(13)}, {14, review_layout::KeyCell(14)}, {15, review_layout::KeyCell(15)}, {16, review_layout::KeyCell(16)},
        {17, review_layout::KeyCell(17)}, {18, review_layout::KeyCell(18)}, {19, review_layout::KeyCell(19)}, {20, review_layout::KeyCell(20)},
        {21, review_layout::KeyCell(21)}, {22, review_layout::KeyCell(22)}, {23, review_layout::KeyCell(23)}}, &Frame2};
    ui::ControlArray<ui::TextBox> Text5{this, "Text5", {
        {1, review_layout::GivenCell(1)}, {2, review_layout::GivenCell(2)}, {3, review_layout::GivenCell(3)}, {4, review_layout::GivenCell(4)},
        {5, review_layout::GivenCell(5)}, {6, review_layout::GivenCell(6)}, {7, review_layout::GivenCell(7)}, {8, review_layout::GivenCell(8)},
        {9, review_layout::GivenCell(9)}, {10, review_layout::GivenCell(10)}, {11, review_layout::GivenCell(11)}, {12, review_layout::GivenCell(12)},
        {13, review_layout::GivenCell(13)}, {14, review_layout::GivenCell(14)}, {15, review_layout::GivenCell(15)}, {16, review_layout::GivenCell(16)},
        {17, review_layout::GivenCell(17)}, {18, review_layout::GivenCell(18)}, {19, review_layout::GivenCell(19)}, {20, review_layout::GivenCell(20)},
        {21, review_layout::GivenCell(21)}, {22, review_layout::GivenCell(22)}, {23, review_layout::GivenCell(23)}}, &Frame2};
    ui::ControlArray<ui::Label> Label2{this, "Label2", {
        {0, review_layout::PatchScore(4)}, {1, review_layout::PatchScore(5)}, {2, review_layout::PatchScore(6)}, {3, review_layout::PatchScore(12)},
        {4, review_layout::PatchScore(13)}, {5, review_layout::PatchScore(14)}, {6, review_layout::PatchScore(20)}, {7, review_layout::PatchScore(21)},
        {8, review_layout::PatchScore(22)}, {9, review_layout::PatchScore(23)}, {10, review_layout::PatchKey(4)}, {11, review_layout::PatchKey(5)},
        {12, review_layout::PatchKey(6)}, {13, review_layout::PatchKey(12)}, {14, review_layout::PatchKey(13)}, {15, review_layout::PatchKey(14)}}, &Frame2};
    ui::TextBox Text1{this, "Text1", {.font = {.size = 14.25}, .rect = {392, 0, 513, 281}, .locked = true, .multiline = true, .scrollbars = ui::ScrollBars::Vertical, .tab_index = 0}, &Frame2};
    ui::TextBox Text2{this, "Text2", {.font = {.size = 14.25}, .rect = {392, 280, 513, 305}, .locked = true, .multiline = true, .scrollbars = ui::ScrollBars::Vertical, .tab_index = 1}, &Frame2};
    ui::Label Label1{this, "Label1", {.back = ui::colors::kButtonFace, .rect = {8, 584, 897, 41}}, &Frame2};
    ui::Label Label14{this, "Label14", {.caption = "说明：操作题答案文件在下载的软件安装压缩包中，考生可自己打开参考对照！", .fore = ui::colors::kRed, .rect = {16, 600, 700, 18}, .back_style = ui::BackStyle::Transparent}, &Frame2};
    ui::CommandButton Command1{this, "Command1", {.caption = "退出", .rect = {808, 592, 73, 25}, .tab_index = 2}, &Frame2};
    ui::Menu popmenu{this, "popmenu", {.caption = "快捷菜单", .visible = false}};
    ui::Menu neirong{this, "neirong", {.caption = "内容不可更改"}, &popmenu};

    static constexpr int kRowCount = 23;
    static constexpr ui::Color kSelected = ui::Color::Rgb(128, 128, 255);

    // Hides the review, then unloads it; nothing else.
    void CloseReview();
    // Steps the shared CurrentQuestion back (0) or on (1) and shows that
    // question with its analysis in the question pane.
    void ReviewStep(int direction);

protected:
    void Form_Load() override;
    void Form_QueryUnload() override;

private:
    void Label3_Click(int k);
    void Command1_Click();
    void Text1_MouseDown(int button, int shift, int x, int y);
    void Text2_MouseDown(int button, int shift, int x, int y);
    void ShowItem(int k);

    App& app_;
};

}  // namespace boxi

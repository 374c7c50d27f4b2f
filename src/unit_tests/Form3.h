#pragma once

#include <string>
#include <vector>

#include "ui/ControlArray.h"
#include "ui/Controls.h"
#include "ui/Window.h"

namespace boxi {

class App;

namespace sheet {

// Cells of the sheet's three rows: forty equal columns after the row header.
inline constexpr int kCellLeft = 108;
inline constexpr int kCellWidth = 18;
inline constexpr int kCellHeight = 22;

inline constexpr ui::Color kCurrent = ui::Color::Rgb(0, 192, 0);
inline constexpr ui::Color kRight = ui::colors::kRed;
inline constexpr ui::Color kWrong = ui::colors::kYellow;
inline constexpr ui::Color kLetterCell = ui::Color::Rgb(255, 224, 192);

// The forty cells of one row, at `top`, each with `style`; numbered cells
// carry their own number as caption.
std::vector<ui::ControlArray<ui::Label>::Member> CellRow(int top, ui::Props style, bool numbered);

}  // namespace sheet

// The evaluation sheet of a unit test: the forty numbers coloured by result,
// the letters chosen and the keys beneath them, score, verdict and unit
// name, and a detail box for any question's options, key and analysis. The
// unit-test window writes the letters, colours, score, verdict and name; the
// sheet writes its key row and detail box itself and keeps the question of
// the detail box in CurrentQuestion. Its step buttons come first in the tab
// order, so that it opens with the focus on "上一题", not in the verdict box;
// Tab still goes round the sheet as it stands on screen.
class Form3 : public ui::Window {
public:
    explicit Form3(App& app);

    ui::Frame Frame1{this, "Frame1", {.back = ui::colors::kWhite, .rect = {12, 6, 856, 40}}};
    ui::Label Label1{this, "Label1", {.caption = "测验单元：", .back = ui::colors::kWhite, .font = {.size = 10.5}, .rect = {16, 11, 84, 20}}, &Frame1};
    ui::Label Label2{this, "Label2", {.back = ui::colors::kWhite, .font = {.size = 10.5, .bold = true}, .rect = {100, 9, 280, 24}, .label_border = ui::LabelBorder::FlatSingle}, &Frame1};

    ui::Frame Frame3{this, "Frame3", {.back = ui::colors::kWhite, .rect = {12, 50, 856, 246}}};
    ui::Label Label8{this, "Label8", {.caption = "题号", .back = ui::colors::kWhite, .rect = {8, 14, 96, 22}}, &Frame3};
    ui::Label Label10{this, "Label10", {.caption = "你选择的答案", .back = ui::colors::kWhite, .rect = {8, 40, 96, 22}}, &Frame3};
    ui::Label Label104{this, "Label104", {.caption = "本题正确答案", .back = ui::colors::kWhite, .rect = {8, 66, 96, 22}}, &Frame3};
    ui::ControlArray<ui::Label> Label3{this, "Label3", sheet::CellRow(14, {.back = ui::colors::kButtonFace, .alignment = ui::Align::Center}, true), &Frame3};
    ui::ControlArray<ui::Label> Label4{this, "Label4", sheet::CellRow(40, {.back = sheet::kLetterCell, .alignment = ui::Align::Center, .label_border = ui::LabelBorder::FlatSingle}, false), &Frame3};
    ui::ControlArray<ui::Label> Label6{this, "Label6", sheet::CellRow(66, {.back = sheet::kLetterCell, .alignment = ui::Align::Center, .label_border = ui::LabelBorder::FlatSingle}, false), &Frame3};
    ui::LineControl Line1{this, "Line1", {.x1 = 8, .y1 = 98, .x2 = 848, .y2 = 98}, &Frame3};
    ui::Label Label13{this, "Label13", {.caption = "当前试题：", .back = ui::colors::kWhite, .rect = {108, 108, 65, 17}}, &Frame3};
    ui::Label Label59{this, "Label59", {.back = sheet::kCurrent, .rect = {173, 108, 25, 17}, .label_border = ui::LabelBorder::FlatSingle}, &Frame3};
    ui::Label Label11{this, "Label11", {.caption = "未做试题：", .back = ui::colors::kWhite, .rect = {228, 108, 65, 17}}, &Frame3};
    ui::Label Label63{this, "Label63", {.back = ui::Color::Rgb(224, 224, 224), .rect = {293, 108, 25, 17}, .label_border = ui::LabelBorder::FlatSingle}, &Frame3};
    ui::Label Label7{this, "Label7", {.caption = "做对试题：", .back = ui::colors::kWhite, .rect = {348, 108, 65, 17}}, &Frame3};
    ui::Label Label65{this, "Label65", {.back = sheet::kRight, .rect = {413, 108, 25, 17}, .label_border = ui::LabelBorder::FlatSingle}, &Frame3};
    ui::Label Label5{this, "Label5", {.caption = "做错试题：", .back = ui::colors::kWhite, .rect = {468, 108, 65, 17}}, &Frame3};
    ui::Label Label67{this, "Label67", {.back = sheet::kWrong, .rect = {533, 108, 25, 17}, .label_border = ui::LabelBorder::FlatSingle}, &Frame3};
    ui::LineControl Line2{this, "Line2", {.x1 = 8, .y1 = 134, .x2 = 848, .y2 = 134}, &Frame3};
    ui::Label Label150{this, "Label150", {.caption = "测验结果", .back = ui::colors::kWhite, .font = {.size = 10.5, .bold = true}, .rect = {8, 148, 96, 22}}, &Frame3};
    ui::Label Label153{this, "Label153", {.caption = "本单元测验得分：", .back = ui::colors::kWhite, .font = {.size = 10.5}, .rect = {108, 148, 126, 22}}, &Frame3};
    ui::Label Label157{this, "Label157", {.fore = ui::colors::kRed, .back = ui::colors::kWhite, .font = {.size = 15, .bold = true}, .alignment = ui::Align::Center, .rect = {236, 142, 96, 32}, .label_border = ui::LabelBorder::FlatSingle}, &Frame3};
    ui::Label Label139{this, "Label139", {.caption = "结论", .back = ui::colors::kWhite, .font = {.size = 10.5, .bold = true}, .rect = {8, 190, 96, 22}}, &Frame3};
    ui::TextBox Text1{this, "Text1", {.font = {.size = 10.5, .bold = true}, .rect = {108, 184, 740, 52}, .multiline = true, .scrollbars = ui::ScrollBars::Vertical, .tab_index = 3}, &Frame3};

    ui::Frame Frame2{this, "Frame2", {.back = ui::colors::kWhite, .rect = {12, 300, 856, 252}}};
    ui::Label Label106{this, "Label106", {.caption = "说明：单击上面的题号标签可在下面迅速看到该题的内容和分析：", .fore = ui::Color::Rgb(128, 0, 0), .back = ui::Color::Rgb(128, 255, 255), .rect = {8, 12, 840, 20}}, &Frame2};
    ui::Label Label140{this, "Label140", {.caption = "试题分析", .back = ui::colors::kWhite, .font = {.size = 10.5, .bold = true}, .rect = {8, 38, 96, 20}}, &Frame2};
    ui::TextBox Text2{this, "Text2", {.text = "Text2", .font = {.size = 10.5}, .rect = {8, 60, 840, 184}, .multiline = true, .scrollbars = ui::ScrollBars::Vertical, .tab_index = 4}, &Frame2};

    ui::Frame Frame4{this, "Frame4", {.back = ui::colors::kWhite, .rect = {12, 556, 204, 44}}};
    ui::ControlArray<ui::CommandButton> cmd{this, "cmd", {
        {0, {.caption = "上一题", .font = {.size = 10.5}, .rect = {8, 8, 90, 28}, .tab_index = 0}},
        {1, {.caption = "下一题", .font = {.size = 10.5}, .rect = {106, 8, 90, 28}, .tab_index = 1}},
    }, &Frame4};
    ui::CommandButton Command5{this, "Command5", {.caption = "返回", .font = {.size = 10.5}, .rect = {756, 564, 112, 30}, .tab_index = 2}};
    ui::Menu popmenu{this, "popmenu", {.caption = "快捷菜单", .visible = false}};
    ui::Menu neirong{this, "neirong", {.caption = "禁止右键"}, &popmenu};

    // Leaves the sheet for chapter study. No control raises it: the hidden
    // unit-test window would have no way back on screen.
    void ReturnToChapterStudy();

protected:
    void Form_Load() override;
    void Form_QueryUnload() override;

private:
    void Label3_Click(int index);
    void cmd_Click(int index);
    void Command5_Click();
    void Text2_MouseDown(int button, int shift, int x, int y);
    // The seven lines of question k for the detail box.
    std::string QuestionDetail(int k) const;

    App& app_;
};

}  // namespace boxi

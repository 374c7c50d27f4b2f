#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ui/ControlArray.h"
#include "ui/Controls.h"
#include "ui/Window.h"

namespace boxi {

class App;

// The verdict of a unit-test score, by band.
std::string_view UnitVerdict(double score);
// A score as the sheet shows it: a blank, then the shortest decimal with a
// full stop (" 0", " 57.5", " 100"), whatever the locale.
std::string UnitScoreText(double score);

// The unit test: one of eight units of forty choice questions, answered one
// at a time, scored at 2.5 points per right answer and evaluated on the
// sheet Form3, into which it writes letters, colours, score, verdict and
// unit name. It keeps its own question number; the sheet browses with
// CurrentQuestion.
class Form4 : public ui::Window {
public:
    explicit Form4(App& app);

    ui::Frame Frame1{this, "Frame1", {.rect = {12, 8, 696, 48}}};
    ui::Label Label2{this, "Label2", {.caption = "请选择测验单元：", .font = {.size = 10.5}, .rect = {16, 16, 136, 20}}, &Frame1};
    ui::ComboBox Combo1{this, "Combo1", {.font = {.size = 10.5}, .rect = {156, 12, 240, 26}, .tab_index = 0}, &Frame1};
    ui::Frame Frame2{this, "Frame2", {.rect = {12, 62, 696, 334}}};
    ui::TextBox Text1{this, "Text1", {.text = "Text1", .font = {.size = 14}, .rect = {10, 12, 676, 170}, .multiline = true, .scrollbars = ui::ScrollBars::Vertical, .tab_index = 1}, &Frame2};
    ui::ControlArray<ui::OptionButton> Optbutton{this, "Optbutton", {
        {0, {.caption = "第一个答案", .font = {.size = 10.5}, .rect = {14, 190, 668, 32}, .tab_index = 2}},
        {1, {.caption = "第二个答案", .font = {.size = 10.5}, .rect = {14, 224, 668, 32}, .tab_index = 3}},
        {2, {.caption = "第三个答案", .font = {.size = 10.5}, .rect = {14, 258, 668, 32}, .tab_index = 4}},
        {3, {.caption = "第四个答案", .font = {.size = 10.5}, .rect = {14, 292, 668, 32}, .tab_index = 5}},
    }, &Frame2};
    ui::Frame Frame4{this, "Frame4", {.rect = {12, 402, 224, 56}}};
    ui::ControlArray<ui::CommandButton> cmd{this, "cmd", {
        {0, {.caption = "上一题", .font = {.size = 10.5}, .rect = {10, 14, 98, 32}, .tab_index = 6}},
        {1, {.caption = "下一题", .font = {.size = 10.5}, .rect = {116, 14, 98, 32}, .tab_index = 7}},
    }, &Frame4};
    ui::CommandButton Command1{this, "Command1", {.caption = "评析本单元", .font = {.size = 10.5}, .rect = {432, 414, 136, 34}, .tab_index = 8}};
    ui::CommandButton Command2{this, "Command2", {.caption = "返回", .font = {.size = 10.5}, .rect = {580, 414, 128, 34}, .tab_index = 9}};
    ui::Menu popmenu{this, "popmenu", {.caption = "快捷菜单", .visible = false}};
    ui::Menu neirong{this, "neirong", {.caption = "禁止右键"}, &popmenu};

    // The state of the test; both live and die with the window.
    std::int16_t UnitQuestionNo() const { return unit_question_no_; }
    double UnitScore() const { return unit_score_; }

protected:
    void Form_Load() override;
    void Form_QueryUnload() override;

private:
    void Combo1_Click();
    void cmd_Click(int index);
    void Optbutton_Click(int index);
    void Command1_Click();
    void Command2_Click();
    void Text1_MouseDown(int button, int shift, int x, int y);

    void LoadUnit(std::string_view name);
    void ShowUnitQuestion(int n);
    void ClearGivenAnswers();
    // 2.5 points for every question whose recorded letter is its key.
    double ScoreFromAnswers() const;
    // The sheet, loaded when it is not; a sheet loaded afresh here gets the
    // letters and colours of every question answered so far.
    void LoadSheetWithAnswers();
    void MarkOnSheet(int k);

    App& app_;
    std::int16_t unit_question_no_ = 0;
    double unit_score_ = 0;
};

}  // namespace boxi

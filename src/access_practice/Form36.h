#pragma once

#include "banks/AccessBank.h"
#include "ui/Controls.h"
#include "ui/Window.h"

namespace boxi {

class App;

// The Access operation practice: the question of the current set for the
// type the learner picks, its reference answer on "试题分析", and the
// practice notes from the menu bar. Every load prepares the candidate folder
// and starts on "基本操作题". The selected type is kept only as the back
// colour of its button; the set is the case chooser's name, read at each use.
class Form36 : public ui::Window {
public:
    explicit Form36(App& app);

    ui::Menu KSXM{this, "KSXM", {.caption = "答题(&T)"}};
    ui::Menu DZYJ{this, "DZYJ", {.caption = "启动Access2003"}, &KSXM};
    ui::Menu HELP{this, "HELP", {.caption = "帮助（&H)"}};
    ui::Menu KSGY{this, "KSGY", {.caption = "上机练习说明"}, &HELP};
    ui::LineControl Line1{this, "Line1", {.x1 = 0, .y1 = 0, .x2 = ui::Twips(9600), .y2 = 0}};
    ui::Frame Frame1{this, "Frame1", {.rect = ui::TwipsRect(120, 120, 3255, 855)}};
    ui::Label Label2{this, "Label2", {.caption = "考生文件夹", .fore = ui::colors::kBlue, .font = {.size = 12}, .rect = ui::TwipsRect(840, 240, 1335, 255)}, &Frame1};
    ui::Label Label1{this, "Label1", {.caption = "C:\\WEXAM\\29010001", .fore = ui::colors::kBlue, .font = {.size = 12}, .rect = ui::TwipsRect(480, 480, 2175, 255)}, &Frame1};
    ui::Frame Frame3{this, "Frame3", {.rect = ui::TwipsRect(3480, 120, 5895, 855)}};
    ui::CommandButton Command1{this, "Command1", {.caption = "基本操作题", .font = {.size = 12}, .rect = ui::TwipsRect(360, 240, 1575, 495), .tab_index = 4}, &Frame3};
    ui::CommandButton Command2{this, "Command2", {.caption = "简单应用题", .font = {.size = 12}, .rect = ui::TwipsRect(2160, 240, 1455, 495), .tab_index = 3}, &Frame3};
    ui::CommandButton Command3{this, "Command3", {.caption = "综合应用题", .font = {.size = 12}, .rect = ui::TwipsRect(3840, 240, 1575, 495), .tab_index = 2}, &Frame3};
    ui::TextBox Text1{this, "Text1", {.font = {.size = 14.25, .bold = true}, .rect = ui::TwipsRect(120, 1080, 9255, 4455), .locked = true, .multiline = true, .scrollbars = ui::ScrollBars::Vertical, .tab_index = 1}};
    ui::Label Label5{this, "Label5", {.caption = "上机题所用到的“源文件”在下载的软件安装解压包中，可将其拷贝到考生文件夹下.", .fore = ui::Color::Rgb(0, 128, 0), .back = ui::Color::Rgb(128, 255, 255), .rect = ui::TwipsRect(120, 5640, 6855, 255)}};
    ui::CommandButton Command4{this, "Command4", {.caption = "试题分析", .back = ui::colors::kLightOrange, .rect = ui::TwipsRect(7200, 5640, 1095, 375), .style = ui::ButtonStyle::Graphical, .tab_index = 0}};
    ui::CommandButton Command5{this, "Command5", {.caption = "退出", .rect = ui::TwipsRect(8520, 5640, 735, 375), .tab_index = 5}};
    ui::Menu popmenu{this, "popmenu", {.caption = "快捷菜单", .visible = false}};
    ui::Menu neirong{this, "neirong", {.caption = "内容不可改动"}, &popmenu};

protected:
    void Form_Load() override;
    void Form_QueryUnload() override;

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void DZYJ_Click();
    void KSGY_Click();
    void Text1_MouseDown(int button, int shift, int x, int y);

    void PrepareFolderAndReport();
    void MarkType(ui::CommandButton& selected);
    void ShowType(ui::CommandButton& button, banks::OperationType type);
    void ShowPracticeNotes();

    App& app_;
};

}  // namespace boxi

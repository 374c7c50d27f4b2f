#pragma once

#include "exam/ExamScreens.h"
#include "ui/Controls.h"
#include "ui/Window.h"

namespace boxi {

class App;

// The rules page, last window before the timed exam: as it loads it draws
// the exam set at random (ExamSetDraw) into the chooser's set name; the
// learner ticks "已阅读" and starts the exam, which loads the drawn set and
// opens the task window. Every visit loads it afresh, so every visit draws
// again and starts unticked.
class Form14 : public ui::Window {
public:
    explicit Form14(App& app);

    ui::Frame Frame1{this, "Frame1", {.rect = {0, 0, exam_screens::kRulesWidth, exam_screens::kRulesHeight}}};
    ui::Image Image1{this, "Image1", {.rect = {0, 0, exam_screens::kRulesWidth, exam_screens::kRulesHeight}, .picture = "exam.rules", .stretch = true}, &Frame1};
    // Only the box shows: the picture carries the word beside it.
    ui::CheckBox Check1{this, "Check1", {.caption = "已阅读", .rect = exam_screens::kRulesCheck, .back_style = ui::BackStyle::Transparent, .tab_index = 0}, &Frame1};
    ui::Image Image3{this, "Image3", {.rect = exam_screens::kRulesStart, .mouse_pointer = ui::MousePointer::Link}, &Frame1};
    ui::Image Image4{this, "Image4", {.rect = exam_screens::kRulesExit, .mouse_pointer = ui::MousePointer::Link}, &Frame1};
    ui::Timer Timer1{this, "Timer1", {.interval = 100}};

protected:
    void Form_QueryUnload() override;

private:
    void Timer1_Timer();
    void Image3_Click();
    void Image4_Click();
    void ExamSetDraw();
    void StartExam();

    App& app_;
};

}  // namespace boxi

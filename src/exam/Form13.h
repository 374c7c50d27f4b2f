#pragma once

#include <string>

#include "exam/ExamScreens.h"
#include "exam/Form12.h"
#include "ui/Controls.h"
#include "ui/Window.h"

namespace boxi {

class App;

// The candidate confirmation page, a picture of an exam system's
// candidate-information screen: the candidate's number, name and masked
// identity number (CandidateLabels), with the way on to the rules page, back
// to the login, or out to the mode choice.
class Form13 : public ui::Window {
public:
    explicit Form13(App& app);

    ui::Frame Frame1{this, "Frame1", {.rect = {0, 0, exam_screens::kConfirmWidth, exam_screens::kConfirmHeight}}};
    ui::Image Image1{this, "Image1", {.rect = {0, 0, exam_screens::kConfirmWidth, exam_screens::kConfirmHeight}, .picture = "exam.confirm", .stretch = true}, &Frame1};
    ui::Label Label2{this, "Label2", {.caption = std::string(kMockAdmissionNumber), .back = ui::Color::Rgb(255, 255, 255), .font = {.size = 12}, .rect = exam_screens::kConfirmNumber}, &Frame1};
    ui::Label Label1{this, "Label1", {.caption = "模拟者", .back = ui::Color::Rgb(255, 255, 255), .font = {.size = 12}, .rect = exam_screens::kConfirmName}, &Frame1};
    ui::Label Label3{this, "Label3", {.caption = "******************", .back = ui::Color::Rgb(255, 255, 255), .font = {.size = 12}, .rect = exam_screens::kConfirmId}, &Frame1};
    ui::Image Image4{this, "Image4", {.rect = exam_screens::kConfirmNext, .mouse_pointer = ui::MousePointer::Link}, &Frame1};
    ui::Image Image3{this, "Image3", {.rect = exam_screens::kConfirmReenter, .mouse_pointer = ui::MousePointer::Link}, &Frame1};
    ui::Image Image2{this, "Image2", {.rect = exam_screens::kConfirmExit, .mouse_pointer = ui::MousePointer::Link}, &Frame1};

protected:
    void Form_QueryUnload() override;

private:
    void Image4_Click();
    void Image3_Click();
    void Image2_Click();

    App& app_;
};

}  // namespace boxi

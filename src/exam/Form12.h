#pragma once

#include <string_view>

#include "exam/ExamScreens.h"
#include "ui/Controls.h"
#include "ui/Window.h"

namespace boxi {

class App;

// The one admission-ticket number of the simulated candidate.
inline constexpr std::string_view kMockAdmissionNumber = "418203957614";

// The exam login, a picture of an exam system's login screen: the learner
// types the admission-ticket number and the next button checks it. After a
// successful check the login is only hidden under the confirmation page;
// its own exits and the way out of a wrong number unload it.
class Form12 : public ui::Window {
public:
    explicit Form12(App& app);

    // Picture buttons of the window's own surface, which the frame covers:
    // no click reaches them.
    ui::Image Image2{this, "Image2", {.rect = exam_screens::kLoginSurfaceExit, .mouse_pointer = ui::MousePointer::Link, .picture = "exam.surface.exit", .stretch = true}};
    ui::Image Image3{this, "Image3", {.rect = exam_screens::kLoginSurfaceStart, .mouse_pointer = ui::MousePointer::Link, .picture = "exam.surface.login", .stretch = true}};
    ui::Frame Frame1{this, "Frame1", {.rect = {0, 0, exam_screens::kLoginWidth, exam_screens::kLoginHeight}}};
    ui::Image Image1{this, "Image1", {.rect = {0, 0, exam_screens::kLoginWidth, exam_screens::kLoginHeight}, .picture = "exam.login", .stretch = true}, &Frame1};
    ui::TextBox Text1{this, "Text1", {.text = std::string(kMockAdmissionNumber), .font = {.size = 12}, .rect = exam_screens::kLoginField, .tab_index = 0}, &Frame1};
    ui::Image Image5{this, "Image5", {.rect = exam_screens::kLoginNext, .mouse_pointer = ui::MousePointer::Link, .default_button = true}, &Frame1};
    ui::Image Image4{this, "Image4", {.rect = exam_screens::kLoginExit, .mouse_pointer = ui::MousePointer::Link}, &Frame1};
    ui::Label Label5{this, "Label5", {.caption = "提示：模拟准考证号为" + std::string(kMockAdmissionNumber) + "，请输入之。正式考试时，请输入你的真实考号。", .fore = ui::Color::Rgb(192, 0, 0), .rect = {24, 364, 552, 20}, .back_style = ui::BackStyle::Transparent}, &Frame1};

protected:
    void Form_QueryUnload() override;

private:
    void Image5_Click();
    void Image4_Click();
    void Image2_Click();
    void Image3_Click();

    App& app_;
};

}  // namespace boxi

#pragma once

#include "common/Conventions.h"
#include "ui/Controls.h"
#include "ui/Window.h"

#include <string>

namespace boxi {

class App;

// The start-up portal: its enter picture leads into the course menu, its exam
// picture to the exam start window, its two labels open the product site and
// a mail to the support address. It keeps no state and has no load-time
// action.
class Form8 : public ui::Window {
public:
    explicit Form8(App& app);

    ui::Image Image5{this, "Image5", {.rect = {0, 0, 640, 300}, .picture = "portal.title", .stretch = true}};
    ui::Frame Frame1{this, "Frame1", {.rect = {144, 312, 352, 64}}};
    ui::Image Image1{this, "Image1", {.rect = {8, 8, 160, 48}, .mouse_pointer = ui::MousePointer::Link, .picture = "portal.enter", .stretch = true}, &Frame1};
    ui::Image Image2{this, "Image2", {.rect = {184, 8, 160, 48}, .mouse_pointer = ui::MousePointer::Link, .picture = "portal.exam", .stretch = true}, &Frame1};
    ui::Label Label1{this, "Label1", {.rect = {0, 384, 640, 2}}};
    ui::Label Label2{this, "Label2", {.caption = "公司网址：" + std::string(kProductSite), .rect = {24, 396, 300, 18}, .mouse_pointer = ui::MousePointer::Link}};
    ui::Label Label3{this, "Label3", {.caption = "联系邮箱：" + std::string(kSupportMail), .alignment = ui::Align::Right, .rect = {360, 396, 256, 18}, .mouse_pointer = ui::MousePointer::Link}};

    // Entry into the exam simulation: closes a result review still open and
    // shows the exam start window; the portal stays as it is.
    void OpenExamStart();

private:
    void Image1_Click();
    void Image2_Click();
    void Label2_Click();
    void Label3_Click();

    App& app_;
};

}  // namespace boxi

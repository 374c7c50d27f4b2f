#include "exam/Form12.h"

#include <string>

#include "app/App.h"
#include "common/Conventions.h"

namespace boxi {
namespace {

constexpr std::string_view kLoginTitle = "全国计算机等级考试";

}  // namespace

Form12::Form12(App& app)
    : ui::Window(app.runtime(), "Form12", {.caption = "", .client_width = exam_screens::kLoginWidth, .client_height = exam_screens::kLoginHeight}),
      app_(app)
{
    Image5.on_click = [this] { Image5_Click(); };
    Image4.on_click = [this] { Image4_Click(); };
    Image2.on_click = [this] { Image2_Click(); };
    Image3.on_click = [this] { Image3_Click(); };
}

// The admission-number check, on the text exactly as typed: no trimming,
// and only the candidate's own number passes.
void Form12::Image5_Click()
{
    using platform::MsgAnswer;
    using platform::MsgButtons;
    using platform::MsgIcon;
    const std::string typed = Text1.text();
    const std::string title(kLoginTitle);
    if (typed == kMockAdmissionNumber) {
        app_.form13.Label2.set_caption(std::string(kMockAdmissionNumber));
        app_.form13.Label1.set_caption("模拟者");
        app_.form13.Label3.set_caption("******************");
        const std::string message = "您输入的准考证号是：" + std::string(kMockAdmissionNumber) + "\n" +
                                    "您的姓名是：模拟者" + "\n" + "您的身份证号是：******************" + "\n" +
                                    "请问是否正确？";
        if (MsgBox(runtime(), message, MsgButtons::YesNo, MsgIcon::Exclamation, 0, title) == MsgAnswer::Yes)
            StackHandover(*this, app_.form13);
        else
            SetFocus(Text1);
    } else if (typed.empty()) {
        if (MsgBox(runtime(), "准考证号不能为空，请重新登录！", MsgButtons::OkCancel, MsgIcon::Question, 0, title) ==
            MsgAnswer::Ok)
            SetFocus(Text1);
    } else {
        const std::string message = "准考证号：" + typed + "不存在，退出登录系统吗？";
        if (MsgBox(runtime(), message, MsgButtons::YesNo, MsgIcon::Exclamation, 1, title) == MsgAnswer::Yes)
            SwapHandoverNextFirst(*this, app_.form10);
        else
            SetFocus(Text1);
    }
}

void Form12::Image4_Click() { SwapHandoverNextLast(*this, app_.form43); }

// Closed with its title bar: out to the mode choice, which waits hidden, as
// the login's exit does.
void Form12::Form_QueryUnload() { Image4_Click(); }

void Form12::Image2_Click() { Image4_Click(); }

void Form12::Image3_Click() { SwapHandoverNextLast(*this, app_.form13); }

}  // namespace boxi

#include "access_practice/Form36.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "access_practice/ExamineeFolder.h"
#include "app/App.h"
#include "banks/AccessBank.h"
#include "common/Conventions.h"

namespace boxi {
namespace {

// The selected type's button carries the 3D-highlight colour, the other two
// the inactive caption text colour; compared as whole values, never resolved.
constexpr ui::Color kActiveTypeColor = ui::Color::System(ui::SysColor::ButtonHighlight);
constexpr ui::Color kInactiveTypeColor = ui::Color::System(ui::SysColor::InactiveCaptionText);

constexpr std::array<std::string_view, 3> kPracticeNotes = {
    "（1）上机练习要求电脑上必须安装Access2003数据库软件，如果你的电脑上没有安装此软件，请先安装此软件或安装Office2003完整企业版！",
    "（2）上机题所用到的“源文件”在下载的软件安装解压包中，先将其拷贝到考生文件夹下，做题时找到相应套数中的源文件双击打开即可。",
    "（3）真正考试时，是随机抽取一套题，而且试题用到的源文件会自动放到考生文件夹下，考生只需在考生文件夹下找到对应的源文件双击打开即可。",
};

std::string JoinLf(std::span<const std::string_view> lines)
{
    std::string text;
    for (std::string_view line : lines) {
        if (!text.empty())
            text += '\n';
        text += line;
    }
    return text;
}

}  // namespace

Form36::Form36(App& app)
    : ui::Window(app.runtime(), "Form36", {.caption = "操作题", .client_width = ui::Twips(9570), .client_height = ui::Twips(6000)}),
      app_(app)
{
    Command1.on_click = [this] { Command1_Click(); };
    Command2.on_click = [this] { Command2_Click(); };
    Command3.on_click = [this] { Command3_Click(); };
    Command4.on_click = [this] { Command4_Click(); };
    Command5.on_click = [this] { Command5_Click(); };
    DZYJ.on_click = [this] { DZYJ_Click(); };
    KSGY.on_click = [this] { KSGY_Click(); };
    Text1.on_mouse_down = [this](int button, int shift, int x, int y) { Text1_MouseDown(button, shift, x, y); };
}

void Form36::Form_Load()
{
    PrepareFolderAndReport();
    MarkType(Command1);
    Text1.set_text(banks::ComposeOperationQuestion(banks::OperationType::Basic, app_.form10.CurrentSetName()));
}

// A folder that cannot be prepared is told once; the questions do not
// depend on it, so the window opens all the same.
void Form36::PrepareFolderAndReport()
{
    if (auto failure = PrepareExamineeFolder(runtime().platform()))
        MsgBox(runtime(), "考生文件夹“" + std::string(kExamineeFolder) + "”没有准备好：\n" + *failure);
}

void Form36::MarkType(ui::CommandButton& selected)
{
    for (ui::CommandButton* button : {&Command1, &Command2, &Command3})
        button->set_back_color(button == &selected ? kActiveTypeColor : kInactiveTypeColor);
}

void Form36::ShowType(ui::CommandButton& button, banks::OperationType type)
{
    ClosePopup(app_.form51);
    MarkType(button);
    Text1.set_text(banks::ComposeOperationQuestion(type, app_.form10.CurrentSetName()));
}

void Form36::Command1_Click() { ShowType(Command1, banks::OperationType::Basic); }
void Form36::Command2_Click() { ShowType(Command2, banks::OperationType::Simple); }
void Form36::Command3_Click() { ShowType(Command3, banks::OperationType::Comprehensive); }

void Form36::Command4_Click()
{
    std::optional<banks::OperationType> type;
    if (Command1.back_color() == kActiveTypeColor)
        type = banks::OperationType::Basic;
    else if (Command2.back_color() == kActiveTypeColor)
        type = banks::OperationType::Simple;
    else if (Command3.back_color() == kActiveTypeColor)
        type = banks::OperationType::Comprehensive;
    app_.form51.Text1.set_text(banks::ComposeReferenceAnswer(type, app_.form10.CurrentSetName()));
    app_.form51.Show();
}

void Form36::Command5_Click() { SwapHandoverNextLast(*this, app_.form10); }

// Closed with its title bar: back to the case chooser, as "退出" does;
// the chooser is only hidden beneath, and nothing else would be on screen.
void Form36::Form_QueryUnload() { Command5_Click(); }

void Form36::DZYJ_Click() { ShowPracticeNotes(); }
void Form36::KSGY_Click() { ShowPracticeNotes(); }

void Form36::ShowPracticeNotes()
{
    app_.form27.Label1.set_caption(JoinLf(kPracticeNotes));
    app_.form27.Show();
}

void Form36::Text1_MouseDown(int button, int, int, int) { RightClickGuard(Text1, popmenu, button); }

}  // namespace boxi

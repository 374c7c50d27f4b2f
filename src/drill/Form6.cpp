#include "drill/Form6.h"

#include <cstdint>
#include <limits>
#include <string_view>

#include "app/App.h"
#include "banks/DrillBank.h"
#include "common/Conventions.h"

namespace boxi {
namespace {

constexpr std::string_view kFirstPageHint =
    "如果想重做本套题，请单击“下一题”按钮。单击习题类型下拉三角按钮选择“填空题”可切换到“填空题”训练界面。";
constexpr std::string_view kFirstEndMessage =
    "本套选择题已做完！如果想重做，请单击“上一题”按钮。单击“返回”按钮可选择其它章节进行训练。";
constexpr std::string_view kSecondEndMessage =
    "本套选择题已做完！，如果想重做，请单击“上一题”按钮。单击“习题类型”下的三角按钮可选择“操作题”习题类型进行训练。";

constexpr std::string_view kRight = "正确";
constexpr std::string_view kWrong = "错误";

}  // namespace

Form6::Form6(App& app)
    : ui::Window(app.runtime(), "Form6",
                 {.caption = "选择题", .client_width = ui::Twips(10095), .client_height = ui::Twips(6375)}),
      app_(app)
{
    cmd.on_click = [this](int index) { cmd_Click(index); };
    Optbutton.on_click = [this](int index) { Optbutton_Click(index); };
    Command2.on_click = [this] { Command2_Click(); };
    Command5.on_click = [this] { Command5_Click(); };
    List1.on_click = [this] { List1_Click(); };
    Text1.on_mouse_down = [this](int button, int shift, int x, int y) { Text1_MouseDown(button, shift, x, y); };
}

void Form6::cmd_Click(int index)
{
    if (StemDisplay.alignment() != ui::Align::Left)
        StemDisplay.set_alignment(ui::Align::Left);
    if (ui::Font font = StemDisplay.font(); font.size != 12) {
        font.size = 12;
        StemDisplay.set_font(font);
    }
    Text1.set_text("");
    for (int option = 0; option < 4; ++option)
        Optbutton(option).set_value(false, ui::Notify::No);

    std::int32_t& question = app_.m.CurrentQuestion;
    if (index == 0) {
        if (question <= 1) {
            app_.form38.Label1.set_caption(std::string(kFirstPageHint));
            app_.form38.Show();
        } else {
            --question;
        }
    } else if (question < std::numeric_limits<std::int32_t>::max()) {
        // Without a section to bound it the number keeps rising; it stops at
        // the largest value instead of wrapping round to a negative one.
        ++question;
    }

    const banks::DrillSection* section = CurrentSection(banks::DrillUse::Question);
    if (!section)
        return;
    if (question >= 1 && question <= section->count) {
        ShowQuestion(*section, question);
    } else if (question > section->count) {
        bool first = section->end_message == banks::DrillEndMessage::First;
        MsgBox(runtime(), std::string(first ? kFirstEndMessage : kSecondEndMessage), platform::MsgButtons::Ok,
               platform::MsgIcon::None, 0, "提示");
        app_.m.CurrentQuestion = section->count;
    }
}

void Form6::ShowQuestion(const banks::DrillSection& section, int number)
{
    banks::DrillRow row = banks::DrillQuestion(section, number);
    StemDisplay.set_caption(std::string(row.stem));
    for (int option = 0; option < 4; ++option)
        Optbutton(option).set_caption(std::string(row.options[static_cast<size_t>(option)]));
}

// The verdict follows from whether the key's option is selected now, not
// from which option was clicked.
void Form6::Optbutton_Click(int)
{
    const banks::DrillSection* section = CurrentSection(banks::DrillUse::Answer);
    if (!section)
        return;
    char key = banks::DrillKeyLetter(*section, app_.m.CurrentQuestion);
    if (key < 'A' || key > 'D')
        return;
    Text1.set_text(std::string(Optbutton(key - 'A').value() ? kRight : kWrong));
}

void Form6::Command2_Click()
{
    const banks::DrillSection* section = CurrentSection(banks::DrillUse::Analysis);
    int question = app_.m.CurrentQuestion;
    if (section && question >= 1 && question <= section->count)
        app_.form9.Text1.set_text(std::string(banks::DrillQuestion(*section, question).analysis));
    app_.form9.Show();
}

void Form6::Command5_Click()
{
    app_.m.CurrentQuestion = 0;
    SwapHandoverNextLast(*this, app_.form2);
}

// Closed with its title bar: back to chapter study as "返回" does, rather
// than leave the learner with nothing on screen.
void Form6::Form_QueryUnload()
{
    app_.m.CurrentQuestion = 0;
    app_.form2.Show();
}

void Form6::List1_Click()
{
    if (List1.list_index() == 0)
        Show();
}

void Form6::Text1_MouseDown(int button, int, int, int) { RightClickGuard(Text1, popmenu, button); }

const banks::DrillSection* Form6::CurrentSection(banks::DrillUse use)
{
    return banks::FindDrillSection(Label3.caption(), Label4.caption(), use, List1.list_index());
}

}  // namespace boxi

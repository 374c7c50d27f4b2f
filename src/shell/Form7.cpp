#include "shell/Form7.h"

#include <array>
#include <string_view>

#include "app/App.h"
#include "common/Conventions.h"
#include "shell/ChapterExercises.h"

namespace boxi {
namespace {

struct LaunchRow {
    std::string_view caption;
    std::array<std::string_view, 2> programs;  // the second may be empty
};

// The program button's caption selects what it starts; compared exactly, in
// this order.
constexpr std::array<LaunchRow, 9> kProgramLaunchTable = {{
    {"打开[记事本和写字板程序]", {"notepad", "wordpad"}},
    {"打开[记事本]应用程序", {"notepad", ""}},
    {"打开[Windows资源管理器]", {"explorer", ""}},
    {"打开[Word]应用程序", {"WINWORD", ""}},
    {"打开[Excel]应用程序", {"EXCEL", ""}},
    {"打开[PowerPoint]应用程序", {"POWERPNT", ""}},
    {"打开[Access]应用程序", {"MSACCESS", ""}},
    {"打开[Ie]应用程序", {"iexplore", ""}},
    {"打开[Outlook]应用程序", {"OUTLOOK", ""}},
}};

constexpr std::string_view kExcelButton = "打开[Excel]应用程序";

// Which buttons the load shows, by chapter index.
struct ChapterButtons {
    bool navigation;
    bool material;
    bool program;
};
constexpr std::array<ChapterButtons, 6> kChapterButtons = {{
    {false, false, true},
    {true, true, true},
    {false, true, false},
    {true, true, false},
    {true, true, false},
    {false, true, true},
}};

}  // namespace

Form7::Form7(App& app)
    : ui::Window(app.runtime(), "Form7", {.caption = "操作题", .client_width = 760, .client_height = 504}),
      app_(app)
{
    cmd.on_click = [this](int index) { cmd_Click(index); };
    Command7.on_click = [this] { Command7_Click(); };
    Command10.on_click = [this] { Command10_Click(); };
    Command2.on_click = [this] { Command2_Click(); };
    Command8.on_click = [this] { Command8_Click(); };
    Text1.on_mouse_down = [this](int button, int shift, int x, int y) { Text1_MouseDown(button, shift, x, y); };
}

void Form7::Form_Load()
{
    int chapter = app_.form2.CurrentChapter();
    LoadChapterExercises(app_.m, chapter);
    Command7.set_caption(std::string(kExcelButton));
    if (chapter >= 0 && chapter < static_cast<int>(kChapterButtons.size())) {
        const ChapterButtons& buttons = kChapterButtons[static_cast<size_t>(chapter)];
        if (buttons.navigation)
            Frame2.set_visible(true);
        if (buttons.material)
            Command10.set_visible(true);
        if (buttons.program)
            Command7.set_visible(true);
    }
    Text1.set_text(app_.m.OperationTaskText(1));
}

void Form7::cmd_Click(int index)
{
    // Other windows write CurrentQuestion too, so both directions bring it
    // back within this chapter's exercises.
    int& question = app_.m.CurrentQuestion;
    int count = app_.m.OperationTaskCount;
    if (index == 0) {
        question = question > 1 ? question - 1 : 0;
        if (question < 1) {
            question = 1;
            MsgBox(runtime(), "如果想重做，请单击“下一题”按钮。", platform::MsgButtons::Ok, platform::MsgIcon::None, 0,
                   "提示");
        } else if (question > count) {
            question = count;
        }
    } else {
        question = question < count ? question + 1 : count + 1;
        if (question > count) {
            question = count;
            MsgBox(runtime(), "本章节操作题完毕！", platform::MsgButtons::Ok, platform::MsgIcon::None, 0, "提示");
        } else if (question < 1) {
            question = 1;
        }
    }
    Text1.set_text(app_.m.OperationTaskText(question));
    Command7.set_visible(false);
    Command10.set_visible(false);
    ShowMaterialButtonFor(app_.form2.CurrentChapter(), question);
}

void Form7::ShowMaterialButtonFor(int chapter, int question)
{
    if (((chapter == 1 || chapter == 3) && question >= 1 && question <= 2) ||
        (chapter == 4 && question >= 1 && question <= 3))
        Command10.set_visible(true);
}

void Form7::Command7_Click()
{
    std::string caption = Command7.caption();
    for (const LaunchRow& row : kProgramLaunchTable) {
        if (row.caption != caption)
            continue;
        for (std::string_view program : row.programs) {
            if (!program.empty())
                runtime().platform().ShellExecute(
                    {platform::kNoWindow, "open", std::string(program), "", "", platform::kShowMaximized});
        }
        return;
    }
}

void Form7::Command10_Click()
{
    OpenFolder(runtime().platform(), ExerciseMaterialCommand(app_.form2.CurrentChapter(), app_.m.CurrentQuestion));
}

void Form7::Command2_Click()
{
    Form9& steps = app_.form9;
    steps.Text1.set_text(app_.m.OperationStepsText(app_.m.CurrentQuestion));
    steps.Show();
    steps.Command1.set_visible(false);
    if (ExerciseAnswerCommand(app_.form2.CurrentChapter(), app_.m.CurrentQuestion))
        steps.Command1.set_visible(true);
}

void Form7::Command8_Click() { SwapHandoverNextLast(*this, app_.form2); }

// Closed with its title bar: back to chapter study, which waits hidden
// beneath, as "返回" does.
void Form7::Form_QueryUnload() { Command8_Click(); }

void Form7::Text1_MouseDown(int button, int, int, int) { RightClickGuard(Text1, popmenu, button); }

}  // namespace boxi

#include "common/Conventions.h"

#include <utility>

#include "ui/Controls.h"
#include "ui/Runtime.h"
#include "ui/Window.h"

namespace boxi {

platform::MsgAnswer MsgBox(ui::Runtime& runtime, std::string text, platform::MsgButtons buttons,
                           platform::MsgIcon icon, int default_button, std::optional<std::string> title)
{
    platform::MessageBoxRequest request;
    request.text = std::move(text);
    request.title = title ? std::move(*title) : std::string(kProgramTitle);
    request.buttons = buttons;
    request.icon = icon;
    request.default_button = default_button;
    // The windows must be up to date on screen before the box waits.
    runtime.NotifySettled();
    return runtime.platform().MessageBox(request);
}

void RightClickGuard(ui::TextBox& box, ui::Menu& popmenu, int button)
{
    if (button != ui::kRightButton)
        return;
    box.set_enabled(false);
    box.set_enabled(true);
    box.window().PopupMenu(popmenu);
}

void KeepOnTop(ui::Window& window)
{
    window.runtime().platform().SetWindowPos(window.hWnd(), platform::kTopmost, 0, 0, 0, 0,
                                             platform::kNoMoveNoSize);
}

void ProductSiteLink(ui::Runtime& runtime)
{
    runtime.platform().ShellExecute(
        {platform::kNoWindow, "open", std::string(kProductSite), "", "", platform::kShowMaximized});
}

void SupportMailLink(ui::Window& owner)
{
    owner.runtime().platform().ShellExecute(
        {owner.hWnd(), "open", "mailto:" + std::string(kSupportMail), "", "", platform::kShowHide});
}

std::string MaterialFolder(std::string_view group, std::string_view key)
{
    return std::string(kInstallRoot) + "\\素材\\" + std::string(group) + "\\" + std::string(key);
}

std::string AnswerFolder(std::string_view group, std::string_view key)
{
    return std::string(kInstallRoot) + "\\答案\\" + std::string(group) + "\\" + std::string(key);
}

std::string ExplorerFolderCommand(std::string_view folder) { return "explorer /n," + std::string(folder); }

void OpenFolder(platform::Platform& platform, const std::optional<std::string>& command)
{
    if (command)
        platform.Shell(*command, platform::kShowNormalFocus);
}

void RandomizeFromClock(platform::Platform& platform) { platform.Randomize(platform.SecondsSinceMidnight()); }

int DrawNumber(platform::Platform& platform, int n)
{
    double r = platform.Rnd();
    int drawn = static_cast<int>(r * n) + 1;
    return drawn < 1 ? 1 : drawn > n ? n : drawn;
}

void SwapHandoverNextFirst(ui::Window& current, ui::Window& next)
{
    next.Show();
    current.Hide();
    current.Unload();
}

void SwapHandoverNextLast(ui::Window& current, ui::Window& next)
{
    current.Hide();
    current.Unload();
    next.Show();
}

void StackHandover(ui::Window& current, ui::Window& next)
{
    next.Show();
    current.Hide();
}

void ClosePopup(ui::Window& window)
{
    window.Hide();
    window.Unload();
}

}  // namespace boxi

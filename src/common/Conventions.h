#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Platform.h"

namespace boxi::ui {
class Menu;
class Runtime;
class TextBox;
class Window;
}  // namespace boxi::ui

namespace boxi {

// The title of message boxes that have no title of their own.
inline constexpr std::string_view kProgramTitle = "计算机博习系列";

// The product web site and the support mail address of the link labels.
inline constexpr std::string_view kProductSite = "http://www.example.com/";
inline constexpr std::string_view kSupportMail = "support@example.com";

// A system message box, modal; returns once it is answered. Without a title
// of its own the box shows the program's title.
platform::MsgAnswer MsgBox(ui::Runtime& runtime, std::string text,
                           platform::MsgButtons buttons = platform::MsgButtons::Ok,
                           platform::MsgIcon icon = platform::MsgIcon::None, int default_button = 0,
                           std::optional<std::string> title = std::nullopt);

// The mouse-down handler of a guarded text box: a right-button press
// disables and re-enables the box, so its own edit menu never opens, and
// pops up the window's one-item menu instead.
void RightClickGuard(ui::TextBox& box, ui::Menu& popmenu, int button);

// Makes the window topmost, without moving or sizing it.
void KeepOnTop(ui::Window& window);

// The link labels: the product site in a maximised browser with no owner,
// and a mail message to the support address owned by `owner`.
void ProductSiteLink(ui::Runtime& runtime);
void SupportMailLink(ui::Window& owner);

// Install folders and the Explorer command that opens them.
inline constexpr std::string_view kInstallRoot = "C:\\Excel砺行";
std::string MaterialFolder(std::string_view group, std::string_view key);
std::string AnswerFolder(std::string_view group, std::string_view key);
std::string ExplorerFolderCommand(std::string_view folder);
// Starts a fixed folder command as a normal window with the focus; a key
// without a command opens nothing.
void OpenFolder(platform::Platform& platform, const std::optional<std::string>& command);

// Seeds the random numbers from the time of day, as Randomize does.
void RandomizeFromClock(platform::Platform& platform);
// Int(Rnd × n) + 1: a whole number from 1 to n, never n + 1, whatever the
// generator returns.
int DrawNumber(platform::Platform& platform, int n);

// The ways a window hands over to the next one.
void SwapHandoverNextFirst(ui::Window& current, ui::Window& next);  // show next, hide and unload current
void SwapHandoverNextLast(ui::Window& current, ui::Window& next);   // hide and unload current, show next
void StackHandover(ui::Window& current, ui::Window& next);          // show next, hide current
// A pop-up window closing itself.
void ClosePopup(ui::Window& window);

}  // namespace boxi

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace boxi::platform {

// A window handle as the program passes it around; 0 is "no window".
using WindowHandle = std::int64_t;

inline constexpr WindowHandle kNoWindow = 0;
inline constexpr WindowHandle kTopmost = -1;  // HWND_TOPMOST
inline constexpr unsigned kNoMoveNoSize = 3;  // SWP_NOMOVE | SWP_NOSIZE

// Show commands and window styles in their Windows values.
inline constexpr int kShowHide = 0;
inline constexpr int kShowNormalFocus = 1;
inline constexpr int kShowMaximized = 3;

enum class MsgButtons { Ok, OkCancel, YesNo };
enum class MsgIcon { None, Question, Exclamation };
enum class MsgAnswer { Ok, Cancel, Yes, No };

struct MessageBoxRequest {
    std::string text;   // lines separated by LF
    std::string title;  // already resolved: the box's own title or the program's
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    int default_button = 0;  // 0 is the first button
};

struct ShellExecuteRequest {
    WindowHandle owner = kNoWindow;
    std::string verb;
    std::string file;
    std::string parameters;
    std::string directory;
    int show_command = kShowHide;
};

struct PopupMenuRequest {
    WindowHandle window = kNoWindow;
    std::string menu;                 // the menu's name, e.g. "popmenu"
    std::vector<std::string> items;   // captions of its visible items
};

// What went wrong with a folder call, in one sentence for the learner.
struct FolderResult {
    bool ok = true;
    std::string reason;
};

// Everything the program needs from outside its windows. Texts are in their
// Windows form ("explorer /n,C:\...", "EXCEL", "mailto:..."); an adapter
// translates them for the machine it runs on.
class Platform {
public:
    virtual ~Platform() = default;

    // ShellExecuteA: the program never examines the result.
    virtual std::intptr_t ShellExecute(const ShellExecuteRequest& request) = 0;
    // Shell: starts a command text with a window style; returns a task id.
    virtual double Shell(const std::string& command, int window_style) = 0;
    // SetWindowPos, used only to make a window topmost.
    virtual void SetWindowPos(WindowHandle window, WindowHandle insert_after, int x, int y,
                              int cx, int cy, unsigned flags) = 0;
    // A modal message box; returns only once it is answered.
    virtual MsgAnswer MessageBox(const MessageBoxRequest& request) = 0;
    // A pop-up menu at the pointer; returns the chosen item's index or -1.
    virtual int PopupMenu(const PopupMenuRequest& request) = 0;

    // Milliseconds of a monotonic clock, for window timers.
    virtual std::int64_t NowMs() = 0;
    // Seconds since local midnight, as a seed for random numbers.
    virtual double SecondsSinceMidnight() = 0;
    // Seeds the generator; Rnd then gives numbers in [0, 1), never 1.
    virtual void Randomize(double seed) = 0;
    virtual double Rnd() = 0;

    // Folder calls on Windows paths ("c:\wexam").
    virtual bool FolderExists(const std::string& path) = 0;
    virtual FolderResult CreateFolder(const std::string& path) = 0;
    // Makes `path` the current folder of its drive; the process's own working
    // folder stays as it is.
    virtual FolderResult ChangeCurrentFolder(const std::string& path) = 0;

    // The program has ended: no window is loaded, or an operation ended it.
    virtual void EndProgram() = 0;
};

}  // namespace boxi::platform

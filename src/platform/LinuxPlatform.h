#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace boxi::platform {

// Maps the program's Windows paths onto this machine: drive C: is the folder
// `drive_c` in the learner's home, and each path component is matched
// without regard to case against what exists there. Other drives, relative
// paths and "." or ".." components are refused.
class DriveMapper {
public:
    explicit DriveMapper(std::filesystem::path drive_c) : drive_c_(std::move(drive_c)) {}

    const std::filesystem::path& drive_c() const { return drive_c_; }

    struct Mapped {
        std::filesystem::path path;  // as far as it exists, then the rest as given
        bool exists = false;
        std::string error;  // non-empty: the path is refused
    };
    Mapped Map(const std::string& windows_path) const;

private:
    std::filesystem::path drive_c_;
};

// One program that a launch-table name or a link can start here.
struct Launch {
    std::string program;  // an executable found on PATH
    std::vector<std::string> arguments;
};

// The launch table's Windows program names (matched without regard to case)
// and what may stand in for each here, best first.
std::vector<Launch> CandidatesFor(const std::string& windows_program);

// What the notice names when no stand-in is installed: the counterpart the
// program looks for first and the Debian package that brings it.
struct Counterpart {
    std::string name;     // "LibreOffice Calc"
    std::string package;  // "libreoffice-calc"
};
std::optional<Counterpart> CounterpartFor(const std::string& windows_program);

// The platform calls that need no window system: shell launches, Explorer
// folder commands, folders, the clock and random numbers. The window calls
// (topmost, message boxes, pop-up menus) belong to the desktop, which
// provides them through the hooks below.
class LinuxPlatform : public Platform {
public:
    LinuxPlatform();
    explicit LinuxPlatform(std::filesystem::path drive_c);

    // A launch or folder that could not be opened: one or two short lines
    // (LF between them) that say what to do.
    std::function<void(const std::string&)> on_failure;
    // Finds an executable on PATH; tests replace it.
    std::function<std::optional<std::string>(const std::string&)> find_program;
    // Starts a program detached, with an argument vector (without the
    // program itself), in `folder`. Gives its process id, 0 when there is
    // no process to watch, nothing when it could not start.
    std::function<std::optional<int>(const std::string& program, const std::vector<std::string>& arguments,
                                     const std::filesystem::path& folder)>
        spawn;
    // A started program is being watched: call PollChildren from time to
    // time until watching() is false.
    std::function<void()> on_watch;

    // Window calls, delegated to the desktop.
    std::function<void(WindowHandle)> on_topmost;
    std::function<MsgAnswer(const MessageBoxRequest&)> on_message_box;
    std::function<int(const PopupMenuRequest&)> on_popup_menu;
    std::function<void()> on_end;

    const DriveMapper& drive() const { return drive_; }
    const std::string& current_folder_c() const { return current_folder_c_; }
    // The folder launched programs start in: the current folder of drive C:
    // as on Windows, or the home folder while drive C: does not exist.
    std::filesystem::path LaunchFolder() const;

    // A program that exits with a failure soon after its start (an opener
    // that found nothing to open the folder or link with, which otherwise
    // says so only on its own error output) is reported like any failure.
    void PollChildren();
    bool watching() const { return !watched_.empty(); }

    std::intptr_t ShellExecute(const ShellExecuteRequest& request) override;
    double Shell(const std::string& command, int window_style) override;
    void SetWindowPos(WindowHandle window, WindowHandle insert_after, int x, int y, int cx, int cy,
                      unsigned flags) override;
    MsgAnswer MessageBox(const MessageBoxRequest& request) override;
    int PopupMenu(const PopupMenuRequest& request) override;
    std::int64_t NowMs() override;
    double SecondsSinceMidnight() override;
    void Randomize(double seed) override;
    double Rnd() override;
    bool FolderExists(const std::string& path) override;
    FolderResult CreateFolder(const std::string& path) override;
    FolderResult ChangeCurrentFolder(const std::string& path) override;
    void EndProgram() override;

private:
    // What a failed start says, per case.
    struct LaunchTexts {
        std::string what;     // "“EXCEL”", "文件夹“C:\...”"
        std::string missing;  // none of the candidates is installed
        std::string advice;   // a second line when the started program fails at once
    };
    struct Watched {
        int pid = 0;
        std::int64_t until_ms = 0;
        std::string program;
        LaunchTexts texts;
    };

    bool StartFirstAvailable(const std::vector<Launch>& candidates, const LaunchTexts& texts);
    void Fail(const std::string& message);
    void MakeDriveC();

    std::vector<Watched> watched_;

    DriveMapper drive_;
    std::string current_folder_c_ = "c:\\";
    bool drive_c_made_ = false;
    std::mt19937_64 random_;
};

}  // namespace boxi::platform

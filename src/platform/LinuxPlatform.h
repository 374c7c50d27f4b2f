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

// The platform calls that need no window system: shell launches, Explorer
// folder commands, folders, the clock and random numbers. The window calls
// (topmost, message boxes, pop-up menus) belong to the desktop, which
// provides them through the hooks below.
class LinuxPlatform : public Platform {
public:
    LinuxPlatform();
    explicit LinuxPlatform(std::filesystem::path drive_c);

    // A launch or folder that could not be opened, in one sentence.
    std::function<void(const std::string&)> on_failure;
    // Finds an executable on PATH; tests replace it.
    std::function<std::optional<std::string>(const std::string&)> find_program;
    // Starts a program detached, with an argument vector; false on failure.
    std::function<bool(const std::string& program, const std::vector<std::string>& arguments)> spawn;

    // Window calls, delegated to the desktop.
    std::function<void(WindowHandle)> on_topmost;
    std::function<MsgAnswer(const MessageBoxRequest&)> on_message_box;
    std::function<int(const PopupMenuRequest&)> on_popup_menu;
    std::function<void()> on_end;

    const DriveMapper& drive() const { return drive_; }
    const std::string& current_folder_c() const { return current_folder_c_; }

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
    bool StartFirstAvailable(const std::vector<Launch>& candidates, const std::string& what);
    void Fail(const std::string& message);
    void MakeDriveC();

    DriveMapper drive_;
    std::string current_folder_c_ = "c:\\";
    bool drive_c_made_ = false;
    std::mt19937_64 random_;
};

}  // namespace boxi::platform

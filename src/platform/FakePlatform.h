#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace boxi::platform {

// A recording platform for tests: one ordered journal of every call in its
// Windows form, scripted message-box answers and pop-up choices, a virtual
// clock, scripted random numbers, an in-memory drive C:, and switches that
// make launches or folder calls fail.
class FakePlatform : public Platform {
public:
    FakePlatform();

    // The journal. Window lifecycle steps are recorded here too, by whoever
    // observes the window model (Record).
    const std::vector<std::string>& journal() const { return journal_; }
    void Record(std::string entry) { journal_.push_back(std::move(entry)); }
    void ClearJournal() { journal_.clear(); }
    // Journal entries that start with `prefix`, in order.
    std::vector<std::string> Entries(const std::string& prefix) const;

    // How handles are named in the journal: "0" for none, else the window.
    std::function<std::string(WindowHandle)> name_of;

    // The next message box gets this answer. A box with nothing scripted is
    // reported through on_unscripted_box (a test failure) and gets its
    // default button.
    void AnswerNextBox(MsgAnswer answer) { box_answers_.push_back(answer); }
    std::function<void(const MessageBoxRequest&)> on_unscripted_box;
    // When set, answers every box not scripted (the monkey answers at random).
    std::function<MsgAnswer(const MessageBoxRequest&)> box_answerer;
    size_t pending_box_answers() const { return box_answers_.size(); }
    const std::vector<MessageBoxRequest>& boxes() const { return boxes_; }

    // The next pop-up menu returns this item index; unscripted menus close
    // with no choice.
    void ChooseNextPopupItem(int index) { popup_choices_.push_back(index); }

    // The virtual clock.
    std::int64_t now_ms = 0;
    double seconds_since_midnight = 36000.0;
    // Scripted Rnd values; without them a fixed sequence is used.
    void ScriptRnd(double value) { rnd_values_.push_back(value); }

    // Failure injection.
    bool fail_launches = false;
    bool fail_folders = false;
    // Makes every `call` on `path` (compared as drive C: compares names)
    // fail with `reason`, while other calls and paths go on working.
    enum class FolderCall { Create, ChangeCurrent };
    void FailFolderCall(FolderCall call, const std::string& path, std::string reason);

    // The folders of drive C: as they exist, lower case, without a trailing
    // backslash ("c:\wexam"); and the current folder of drive C:.
    std::set<std::string> folders{"c:"};
    std::string current_folder_c = "c:\\";

    bool ended() const { return ended_; }

    std::intptr_t ShellExecute(const ShellExecuteRequest& request) override;
    double Shell(const std::string& command, int window_style) override;
    void SetWindowPos(WindowHandle window, WindowHandle insert_after, int x, int y, int cx, int cy,
                      unsigned flags) override;
    MsgAnswer MessageBox(const MessageBoxRequest& request) override;
    int PopupMenu(const PopupMenuRequest& request) override;
    std::int64_t NowMs() override { return now_ms; }
    double SecondsSinceMidnight() override { return seconds_since_midnight; }
    void Randomize(double seed) override;
    double Rnd() override;
    bool FolderExists(const std::string& path) override;
    FolderResult CreateFolder(const std::string& path) override;
    FolderResult ChangeCurrentFolder(const std::string& path) override;
    void EndProgram() override;

private:
    std::string Name(WindowHandle handle) const;

    std::vector<std::string> journal_;
    std::deque<MsgAnswer> box_answers_;
    std::vector<MessageBoxRequest> boxes_;
    std::deque<int> popup_choices_;
    std::deque<double> rnd_values_;
    std::map<std::pair<FolderCall, std::string>, std::string> folder_failures_;
    std::uint64_t rnd_state_ = 1;
    bool ended_ = false;
};

// The style value of a message box as Visual Basic passes it to MsgBox
// (buttons + icon + default button), for journals and messages.
int MsgBoxStyleValue(const MessageBoxRequest& request);

}  // namespace boxi::platform

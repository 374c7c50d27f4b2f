#include "platform/FakePlatform.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace boxi::platform {
namespace {

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string FolderKey(std::string path)
{
    for (char& c : path) {
        if (static_cast<unsigned char>(c) < 0x80)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    while (path.size() > 2 && path.back() == '\\')
        path.pop_back();
    return path;
}

std::string ParentOf(const std::string& key)
{
    auto pos = key.rfind('\\');
    return pos == std::string::npos ? "" : key.substr(0, pos);
}

}  // namespace

int MsgBoxStyleValue(const MessageBoxRequest& request)
{
    int value = 0;
    switch (request.buttons) {
    case MsgButtons::Ok: value = 0; break;
    case MsgButtons::OkCancel: value = 1; break;
    case MsgButtons::YesNo: value = 4; break;
    }
    switch (request.icon) {
    case MsgIcon::None: break;
    case MsgIcon::Question: value += 32; break;
    case MsgIcon::Exclamation: value += 48; break;
    }
    return value + 256 * request.default_button;
}

FakePlatform::FakePlatform() = default;

std::vector<std::string> FakePlatform::Entries(const std::string& prefix) const
{
    std::vector<std::string> result;
    for (const auto& entry : journal_) {
        if (entry.rfind(prefix, 0) == 0)
            result.push_back(entry);
    }
    return result;
}

std::string FakePlatform::Name(WindowHandle handle) const
{
    if (handle == kNoWindow)
        return "0";
    if (handle == kTopmost)
        return "HWND_TOPMOST";
    return name_of ? name_of(handle) : std::to_string(handle);
}

std::intptr_t FakePlatform::ShellExecute(const ShellExecuteRequest& r)
{
    Record("ShellExecute(" + Name(r.owner) + ", " + Quoted(r.verb) + ", " + Quoted(r.file) + ", " +
           Quoted(r.parameters) + ", " + Quoted(r.directory) + ", " + std::to_string(r.show_command) + ")");
    return fail_launches ? 2 : 42;
}

double FakePlatform::Shell(const std::string& command, int window_style)
{
    Record("Shell(" + Quoted(command) + ", " + std::to_string(window_style) + ")");
    return fail_launches ? 0 : 1234;
}

void FakePlatform::SetWindowPos(WindowHandle window, WindowHandle insert_after, int x, int y, int cx, int cy,
                                unsigned flags)
{
    Record("SetWindowPos(" + Name(window) + ", " + Name(insert_after) + ", " + std::to_string(x) + ", " +
           std::to_string(y) + ", " + std::to_string(cx) + ", " + std::to_string(cy) + ", " +
           std::to_string(flags) + ")");
}

MsgAnswer FakePlatform::MessageBox(const MessageBoxRequest& request)
{
    boxes_.push_back(request);
    MsgAnswer answer = MsgAnswer::Ok;
    if (!box_answers_.empty()) {
        answer = box_answers_.front();
        box_answers_.pop_front();
    } else if (box_answerer) {
        answer = box_answerer(request);
    } else {
        if (on_unscripted_box)
            on_unscripted_box(request);
        switch (request.buttons) {
        case MsgButtons::Ok: answer = MsgAnswer::Ok; break;
        case MsgButtons::OkCancel: answer = request.default_button == 1 ? MsgAnswer::Cancel : MsgAnswer::Ok; break;
        case MsgButtons::YesNo: answer = request.default_button == 1 ? MsgAnswer::No : MsgAnswer::Yes; break;
        }
    }
    static constexpr const char* names[] = {"OK", "Cancel", "Yes", "No"};
    Record("MsgBox(" + Quoted(request.text) + ", " + std::to_string(MsgBoxStyleValue(request)) + ", " +
           Quoted(request.title) + ") -> " + names[static_cast<int>(answer)]);
    return answer;
}

int FakePlatform::PopupMenu(const PopupMenuRequest& request)
{
    int choice = -1;
    if (!popup_choices_.empty()) {
        choice = popup_choices_.front();
        popup_choices_.pop_front();
    }
    std::string items;
    for (const auto& item : request.items)
        items += (items.empty() ? "" : ", ") + Quoted(item);
    Record("PopupMenu(" + Name(request.window) + ", " + request.menu + ", [" + items + "]) -> " +
           std::to_string(choice));
    return choice;
}

void FakePlatform::Randomize(double seed)
{
    Record("Randomize(" + std::to_string(static_cast<long long>(seed)) + ")");
    rnd_state_ = static_cast<std::uint64_t>(seed * 1000.0) | 1u;
}

double FakePlatform::Rnd()
{
    if (!rnd_values_.empty()) {
        double value = rnd_values_.front();
        rnd_values_.pop_front();
        return value;
    }
    rnd_state_ = rnd_state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<double>(rnd_state_ >> 11) / 9007199254740992.0;
}

bool FakePlatform::FolderExists(const std::string& path)
{
    Record("FolderExists(" + Quoted(path) + ")");
    return !fail_folders && folders.count(FolderKey(path)) != 0;
}

void FakePlatform::FailFolderCall(FolderCall call, const std::string& path, std::string reason)
{
    folder_failures_[{call, FolderKey(path)}] = std::move(reason);
}

FolderResult FakePlatform::CreateFolder(const std::string& path)
{
    Record("MkDir(" + Quoted(path) + ")");
    std::string key = FolderKey(path);
    if (auto failure = folder_failures_.find({FolderCall::Create, key}); failure != folder_failures_.end())
        return {false, failure->second};
    if (fail_folders)
        return {false, "无法创建文件夹 " + path + "：没有写入权限。"};
    if (folders.count(key))
        return {false, "无法创建文件夹 " + path + "：它已经存在。"};
    if (!folders.count(ParentOf(key)))
        return {false, "无法创建文件夹 " + path + "：上一级文件夹不存在。"};
    folders.insert(key);
    return {};
}

FolderResult FakePlatform::ChangeCurrentFolder(const std::string& path)
{
    Record("ChDir(" + Quoted(path) + ")");
    std::string key = FolderKey(path);
    if (auto failure = folder_failures_.find({FolderCall::ChangeCurrent, key}); failure != folder_failures_.end())
        return {false, failure->second};
    if (fail_folders || !folders.count(key))
        return {false, "无法进入文件夹 " + path + "：它不存在。"};
    current_folder_c = key == "c:" ? "c:\\" : key;
    return {};
}

void FakePlatform::EndProgram()
{
    ended_ = true;
}

}  // namespace boxi::platform

#include "platform/LinuxPlatform.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <system_error>

extern char** environ;

namespace boxi::platform {
namespace fs = std::filesystem;

namespace {

std::string Lower(std::string text)
{
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x80)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

bool StartsWithNoCase(const std::string& text, const std::string& prefix)
{
    return Lower(text.substr(0, prefix.size())) == Lower(prefix);
}

fs::path HomeDriveC()
{
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : "/tmp") / "drive_c";
}

std::optional<std::string> FindOnPath(const std::string& name)
{
    if (name.find('/') != std::string::npos)
        return access(name.c_str(), X_OK) == 0 ? std::optional<std::string>(name) : std::nullopt;
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/local/bin:/usr/bin:/bin";
    size_t start = 0;
    while (start <= dirs.size()) {
        size_t end = dirs.find(':', start);
        if (end == std::string::npos)
            end = dirs.size();
        std::string dir = dirs.substr(start, end - start);
        if (!dir.empty()) {
            std::string candidate = dir + "/" + name;
            if (access(candidate.c_str(), X_OK) == 0)
                return candidate;
        }
        start = end + 1;
    }
    return std::nullopt;
}

std::vector<pid_t>& Children()
{
    static std::vector<pid_t> children;
    return children;
}

// Reaps the programs we started that have exited, so none stays a zombie.
void ReapChildren()
{
    auto& children = Children();
    children.erase(std::remove_if(children.begin(), children.end(),
                                  [](pid_t pid) { return waitpid(pid, nullptr, WNOHANG) != 0; }),
                   children.end());
}

bool SpawnDetached(const std::string& program, const std::vector<std::string>& arguments)
{
    ReapChildren();
    std::vector<std::string> argv_storage;
    argv_storage.push_back(program);
    argv_storage.insert(argv_storage.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& arg : argv_storage)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    pid_t pid = 0;
    int rc = posix_spawn(&pid, program.c_str(), nullptr, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    if (rc != 0)
        return false;
    Children().push_back(pid);
    return true;
}

Launch L(std::string program, std::vector<std::string> arguments = {})
{
    return {std::move(program), std::move(arguments)};
}

}  // namespace

DriveMapper::Mapped DriveMapper::Map(const std::string& windows_path) const
{
    Mapped result;
    if (windows_path.size() < 2 || windows_path[1] != ':' ||
        std::tolower(static_cast<unsigned char>(windows_path[0])) != 'c') {
        result.error = "只能打开 C 盘上的文件夹";
        return result;
    }
    std::string rest = windows_path.substr(2);
    if (!rest.empty() && rest[0] != '\\') {
        result.error = "路径必须从 C:\\ 开始";
        return result;
    }
    std::vector<std::string> parts;
    size_t start = rest.empty() ? 0 : 1;
    while (start < rest.size()) {
        size_t end = rest.find('\\', start);
        if (end == std::string::npos)
            end = rest.size();
        std::string part = rest.substr(start, end - start);
        bool last = end == rest.size();
        if (part.empty() && !last) {
            result.error = "路径中有空的文件夹名";
            return result;
        }
        if (part == "." || part == ".." || part.find('/') != std::string::npos) {
            result.error = "路径中不能有“.”“..”或“/”";
            return result;
        }
        if (!part.empty())
            parts.push_back(part);
        start = end + 1;
    }

    std::error_code ec;
    fs::path current = drive_c_;
    bool exists = fs::is_directory(current, ec);
    for (const std::string& part : parts) {
        if (exists) {
            std::string wanted = Lower(part);
            std::optional<fs::path> match;
            for (const auto& entry : fs::directory_iterator(current, ec)) {
                if (Lower(entry.path().filename().string()) == wanted) {
                    match = entry.path();
                    break;
                }
            }
            if (match) {
                current = *match;
                exists = fs::is_directory(current, ec);
                continue;
            }
            exists = false;
        }
        current /= part;
    }
    result.path = current;
    result.exists = exists;
    return result;
}

std::vector<Launch> CandidatesFor(const std::string& windows_program)
{
    const std::string name = Lower(windows_program);
    if (name == "excel")
        return {L("localc"), L("libreoffice", {"--calc"}), L("soffice", {"--calc"})};
    if (name == "winword")
        return {L("lowriter"), L("libreoffice", {"--writer"}), L("soffice", {"--writer"})};
    if (name == "powerpnt")
        return {L("loimpress"), L("libreoffice", {"--impress"}), L("soffice", {"--impress"})};
    if (name == "msaccess")
        return {L("lobase"), L("libreoffice", {"--base"}), L("soffice", {"--base"})};
    if (name == "outlook")
        return {L("thunderbird"), L("evolution"), L("kmail"), L("claws-mail")};
    if (name == "notepad")
        return {L("gnome-text-editor"), L("gedit"), L("mousepad"), L("kate"), L("kwrite"), L("pluma"), L("xed"),
                L("featherpad"), L("leafpad")};
    if (name == "wordpad")
        return {L("lowriter"), L("libreoffice", {"--writer"}), L("abiword"), L("gnome-text-editor"), L("gedit"),
                L("mousepad")};
    if (name == "explorer")
        return {L("nautilus"), L("thunar"), L("pcmanfm"), L("dolphin"), L("caja"), L("nemo"),
                L("xdg-open", {HomeDriveC().parent_path().string()})};
    if (name == "iexplore")
        return {L("x-www-browser"), L("firefox"), L("firefox-esr"), L("chromium"), L("google-chrome")};
    return {};
}

LinuxPlatform::LinuxPlatform() : LinuxPlatform(HomeDriveC()) {}

LinuxPlatform::LinuxPlatform(fs::path drive_c)
    : find_program(FindOnPath), spawn(SpawnDetached), drive_(std::move(drive_c)),
      random_(static_cast<std::uint64_t>(std::time(nullptr)))
{
}

void LinuxPlatform::Fail(const std::string& message)
{
    std::cerr << "boxi: " << message << '\n';
    if (on_failure)
        on_failure(message);
}

bool LinuxPlatform::StartFirstAvailable(const std::vector<Launch>& candidates, const std::string& what)
{
    for (const Launch& launch : candidates) {
        auto program = find_program(launch.program);
        if (!program)
            continue;
        if (spawn(*program, launch.arguments))
            return true;
        Fail("无法打开" + what + "：" + launch.program + " 启动失败。");
        return false;
    }
    Fail("无法打开" + what + "：本机没有安装可以替代它的程序。");
    return false;
}

std::intptr_t LinuxPlatform::ShellExecute(const ShellExecuteRequest& request)
{
    const std::string& file = request.file;
    if (StartsWithNoCase(file, "http://") || StartsWithNoCase(file, "https://") || StartsWithNoCase(file, "mailto:")) {
        bool ok = StartFirstAvailable({L("xdg-open", {file})}, "“" + file + "”");
        return ok ? 42 : 31;  // SE_ERR_NOASSOC
    }
    auto candidates = CandidatesFor(file);
    if (candidates.empty()) {
        Fail("无法打开“" + file + "”：这不是本程序认识的程序名。");
        return 2;  // ERROR_FILE_NOT_FOUND
    }
    return StartFirstAvailable(candidates, "“" + file + "”") ? 42 : 2;
}

double LinuxPlatform::Shell(const std::string& command, int)
{
    static const std::string kExplorer = "explorer /n,";
    if (!StartsWithNoCase(command, kExplorer)) {
        Fail("无法执行“" + command + "”：只支持打开文件夹。");
        return 0;
    }
    const std::string folder = command.substr(kExplorer.size());
    DriveMapper::Mapped mapped = drive_.Map(folder);
    if (!mapped.error.empty()) {
        Fail("无法打开文件夹“" + folder + "”：" + mapped.error + "。");
        return 0;
    }
    if (!mapped.exists) {
        Fail("无法打开文件夹“" + folder + "”：它不存在（本机对应 " + mapped.path.string() + "）。");
        return 0;
    }
    std::vector<Launch> managers = {L("xdg-open", {mapped.path.string()}), L("nautilus", {mapped.path.string()}),
                                    L("thunar", {mapped.path.string()}),   L("pcmanfm", {mapped.path.string()}),
                                    L("dolphin", {mapped.path.string()})};
    return StartFirstAvailable(managers, "文件夹“" + folder + "”") ? 1 : 0;
}

void LinuxPlatform::SetWindowPos(WindowHandle window, WindowHandle insert_after, int, int, int, int, unsigned)
{
    if (insert_after == kTopmost && on_topmost)
        on_topmost(window);
}

MsgAnswer LinuxPlatform::MessageBox(const MessageBoxRequest& request)
{
    if (on_message_box)
        return on_message_box(request);
    std::cerr << request.title << ": " << request.text << '\n';
    return request.buttons == MsgButtons::YesNo ? MsgAnswer::Yes : MsgAnswer::Ok;
}

int LinuxPlatform::PopupMenu(const PopupMenuRequest& request) { return on_popup_menu ? on_popup_menu(request) : -1; }

std::int64_t LinuxPlatform::NowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

double LinuxPlatform::SecondsSinceMidnight()
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    using namespace std::chrono;
    auto ms = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count() % 1000;
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + ms / 1000.0;
}

void LinuxPlatform::Randomize(double seed) { random_.seed(static_cast<std::uint64_t>(seed * 1000.0)); }

double LinuxPlatform::Rnd()
{
    // 53 random bits over 2^53: always below 1.
    return static_cast<double>(random_() >> 11) / 9007199254740992.0;
}

// Drive C: always exists on Windows, so the folder that stands for it is
// made before the first folder call: on a fresh machine C:\ can then be
// made current and folders created in it.
void LinuxPlatform::MakeDriveC()
{
    if (drive_c_made_)
        return;
    drive_c_made_ = true;
    std::error_code ec;
    fs::create_directories(drive_.drive_c(), ec);
}

bool LinuxPlatform::FolderExists(const std::string& path)
{
    MakeDriveC();
    auto mapped = drive_.Map(path);
    return mapped.error.empty() && mapped.exists;
}

FolderResult LinuxPlatform::CreateFolder(const std::string& path)
{
    MakeDriveC();
    auto mapped = drive_.Map(path);
    if (!mapped.error.empty())
        return {false, "无法创建文件夹“" + path + "”：" + mapped.error + "。"};
    if (mapped.exists)
        return {false, "无法创建文件夹“" + path + "”：它已经存在。"};
    std::error_code ec;
    auto parent = drive_.Map(path.substr(0, path.find_last_of('\\') == std::string::npos ? 0 : path.find_last_of('\\')));
    if (!parent.error.empty() || !parent.exists)
        return {false, "无法创建文件夹“" + path + "”：上一级文件夹不存在。"};
    if (!fs::create_directory(mapped.path, ec) || ec)
        return {false, "无法创建文件夹“" + path + "”：" + (ec ? ec.message() : std::string("未知原因")) + "。"};
    return {};
}

FolderResult LinuxPlatform::ChangeCurrentFolder(const std::string& path)
{
    MakeDriveC();
    auto mapped = drive_.Map(path);
    if (!mapped.error.empty())
        return {false, "无法进入文件夹“" + path + "”：" + mapped.error + "。"};
    if (!mapped.exists)
        return {false, "无法进入文件夹“" + path + "”：它不存在。"};
    current_folder_c_ = path;
    return {};
}

void LinuxPlatform::EndProgram()
{
    if (on_end)
        on_end();
}

}  // namespace boxi::platform

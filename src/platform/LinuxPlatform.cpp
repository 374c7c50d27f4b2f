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

// Started programs no longer watched, reaped once they exit so that none
// stays a zombie.
std::vector<pid_t>& Children()
{
    static std::vector<pid_t> children;
    return children;
}

void ReapChildren()
{
    auto& children = Children();
    children.erase(std::remove_if(children.begin(), children.end(),
                                  [](pid_t pid) { return waitpid(pid, nullptr, WNOHANG) != 0; }),
                   children.end());
}

std::optional<int> SpawnDetached(const std::string& program, const std::vector<std::string>& arguments,
                                 const fs::path& folder)
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
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const std::string folder_text = folder.string();
    if (!folder_text.empty())
        posix_spawn_file_actions_addchdir_np(&actions, folder_text.c_str());
    pid_t pid = 0;
    int rc = posix_spawn(&pid, program.c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (rc != 0)
        return std::nullopt;
    return static_cast<int>(pid);
}

// How long a started program is watched for an early failure.
constexpr std::int64_t kWatchMs = 10000;

const char kFileManagerAdvice[] = "请安装文件管理器，例如软件包 pcmanfm。";

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

std::optional<Counterpart> CounterpartFor(const std::string& windows_program)
{
    const std::string name = Lower(windows_program);
    if (name == "excel")
        return Counterpart{"LibreOffice Calc", "libreoffice-calc"};
    if (name == "winword" || name == "wordpad")
        return Counterpart{"LibreOffice Writer", "libreoffice-writer"};
    if (name == "powerpnt")
        return Counterpart{"LibreOffice Impress", "libreoffice-impress"};
    if (name == "msaccess")
        return Counterpart{"LibreOffice Base", "libreoffice-base"};
    if (name == "outlook")
        return Counterpart{"邮件程序 Thunderbird", "thunderbird"};
    if (name == "notepad")
        return Counterpart{"文本编辑器 Mousepad", "mousepad"};
    if (name == "explorer")
        return Counterpart{"文件管理器 PCManFM", "pcmanfm"};
    if (name == "iexplore")
        return Counterpart{"浏览器 Firefox", "firefox-esr"};
    return std::nullopt;
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

fs::path LinuxPlatform::LaunchFolder() const
{
    DriveMapper::Mapped mapped = drive_.Map(current_folder_c_);
    if (mapped.error.empty() && mapped.exists)
        return mapped.path;
    return drive_.drive_c().parent_path();
}

bool LinuxPlatform::StartFirstAvailable(const std::vector<Launch>& candidates, const LaunchTexts& texts)
{
    for (const Launch& launch : candidates) {
        auto program = find_program(launch.program);
        if (!program)
            continue;
        std::optional<int> pid = spawn(*program, launch.arguments, LaunchFolder());
        if (!pid) {
            Fail("无法打开" + texts.what + "：" + launch.program + " 无法启动。");
            return false;
        }
        if (*pid > 0) {
            watched_.push_back({*pid, NowMs() + kWatchMs, launch.program, texts});
            if (on_watch)
                on_watch();
        }
        return true;
    }
    Fail(texts.missing);
    return false;
}

void LinuxPlatform::PollChildren()
{
    const std::int64_t now = NowMs();
    std::vector<Watched> still;
    std::vector<std::string> failures;
    for (Watched& child : watched_) {
        int status = 0;
        pid_t done = waitpid(child.pid, &status, WNOHANG);
        if (done == 0) {
            if (now < child.until_ms)
                still.push_back(std::move(child));
            else
                Children().push_back(child.pid);  // runs on; reaped when it ends
            continue;
        }
        if (done < 0)
            continue;  // not our child any more
        bool failed = (WIFEXITED(status) && WEXITSTATUS(status) != 0) || WIFSIGNALED(status);
        if (!failed)
            continue;
        std::string message = child.program + " 未能打开" + child.texts.what + "。";
        if (!child.texts.advice.empty())
            message += "\n" + child.texts.advice;
        failures.push_back(std::move(message));
    }
    watched_ = std::move(still);
    for (const std::string& message : failures)
        Fail(message);
}

std::intptr_t LinuxPlatform::ShellExecute(const ShellExecuteRequest& request)
{
    const std::string& file = request.file;
    if (StartsWithNoCase(file, "http://") || StartsWithNoCase(file, "https://") || StartsWithNoCase(file, "mailto:")) {
        const bool mail = StartsWithNoCase(file, "mailto:");
        LaunchTexts texts;
        texts.what = "“" + file + "”";
        texts.missing = "无法打开" + texts.what + "：本机没有 xdg-open。\n请安装软件包 xdg-utils。";
        texts.advice = mail ? "请安装邮件程序，例如软件包 thunderbird。" : "请安装浏览器，例如软件包 firefox-esr。";
        bool ok = StartFirstAvailable({L("xdg-open", {file})}, texts);
        return ok ? 42 : 31;  // SE_ERR_NOASSOC
    }
    auto candidates = CandidatesFor(file);
    if (candidates.empty()) {
        Fail("无法打开“" + file + "”：这不是本程序认识的程序名。");
        return 2;  // ERROR_FILE_NOT_FOUND
    }
    const Counterpart counterpart = CounterpartFor(file).value_or(Counterpart{});
    LaunchTexts texts;
    texts.what = "“" + file + "”";
    texts.missing = "本机没有“" + file + "”的替代程序 " + counterpart.name + "。\n请安装软件包 " +
                    counterpart.package + "。";
    return StartFirstAvailable(candidates, texts) ? 42 : 2;
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
    // The paths stand on lines of their own, so that none is broken.
    if (!mapped.exists) {
        Fail("文件夹“" + folder + "”不存在。\n本机上它应在：" + mapped.path.string());
        return 0;
    }
    std::vector<Launch> managers = {L("xdg-open", {mapped.path.string()}), L("nautilus", {mapped.path.string()}),
                                    L("thunar", {mapped.path.string()}),   L("pcmanfm", {mapped.path.string()}),
                                    L("dolphin", {mapped.path.string()})};
    LaunchTexts texts;
    texts.what = "文件夹“" + folder + "”";
    texts.missing = "本机没有可以打开文件夹的程序。\n" + std::string(kFileManagerAdvice);
    texts.advice = kFileManagerAdvice;
    return StartFirstAvailable(managers, texts) ? 1 : 0;
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

// The Linux adapter: Windows paths onto a temporary drive C:, the launch
// table, and failures reported in a sentence instead of silence.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "access_practice/ExamineeFolder.h"
#include "platform/LinuxPlatform.h"

namespace boxi::testing {
namespace {

namespace fs = std::filesystem;
using platform::LinuxPlatform;

class LinuxPlatformTest : public ::testing::Test {
protected:
    LinuxPlatformTest()
    {
        root = fs::temp_directory_path() / ("boxi-drive-" + std::to_string(getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root / "drive_c" / "Wexam" / "65010001");
        fs::create_directories(root / "drive_c" / "Excel砺行" / "素材" / "技能练习" / "311");
        adapter = std::make_unique<LinuxPlatform>(root / "drive_c");
        adapter->find_program = [this](const std::string& name) -> std::optional<std::string> {
            for (const auto& installed : installed_programs) {
                if (installed == name)
                    return "/usr/bin/" + name;
            }
            return std::nullopt;
        };
        adapter->spawn = [this](const std::string& program, const std::vector<std::string>& arguments,
                                const fs::path&) -> std::optional<int> {
            std::string call = program;
            for (const auto& argument : arguments)
                call += " [" + argument + "]";
            spawned.push_back(call);
            return 0;
        };
        adapter->on_failure = [this](const std::string& message) { failures.push_back(message); };
    }
    ~LinuxPlatformTest() override { fs::remove_all(root); }

    fs::path root;
    std::unique_ptr<LinuxPlatform> adapter;
    std::vector<std::string> installed_programs{"xdg-open", "localc", "libreoffice", "gedit", "firefox"};
    std::vector<std::string> spawned;
    std::vector<std::string> failures;
};

TEST_F(LinuxPlatformTest, windows_paths_map_onto_drive_c_without_regard_to_case)
{
    struct Row {
        const char* windows_path;
        bool exists;
        const char* mapped;  // relative to drive_c, "" when refused
    };
    const Row rows[] = {
        {"c:\\Wexam\\65010001", true, "Wexam/65010001"},
        {"C:\\wexam\\65010001", true, "Wexam/65010001"},
        {"c:\\WEXAM", true, "Wexam"},
        {"C:\\Excel砺行\\素材\\技能练习\\311", true, "Excel砺行/素材/技能练习/311"},
        {"C:\\EXCEL砺行\\素材\\技能练习\\312", false, "Excel砺行/素材/技能练习/312"},
        {"c:\\wexam\\29010001", false, "Wexam/29010001"},
        {"c:\\", true, ""},
        {"c:", true, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.windows_path);
        auto mapped = adapter->drive().Map(row.windows_path);
        EXPECT_TRUE(mapped.error.empty()) << mapped.error;
        EXPECT_EQ(mapped.exists, row.exists);
        fs::path expected = root / "drive_c";
        if (*row.mapped)
            expected /= row.mapped;
        EXPECT_EQ(mapped.path, expected);
    }
}

TEST_F(LinuxPlatformTest, other_drives_relative_paths_and_dot_components_are_refused)
{
    for (const char* path : {"d:\\wexam", "wexam", "\\wexam", "c:wexam", "c:\\..\\etc", "c:\\wexam\\..\\..", "c:\\.\\wexam",
                             "c:\\wexam\\\\65010001", "c:\\a/b", ""}) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(adapter->drive().Map(path).error.empty());
        EXPECT_FALSE(adapter->FolderExists(path));
    }
}

TEST_F(LinuxPlatformTest, explorer_folder_commands_open_the_mapped_folder)
{
    adapter->Shell("explorer /n,c:\\wexam\\65010001", 1);
    adapter->Shell("explorer /n,C:\\Excel砺行\\素材\\技能练习\\311", 1);
    EXPECT_EQ(spawned, (std::vector<std::string>{
                           "/usr/bin/xdg-open [" + (root / "drive_c" / "Wexam" / "65010001").string() + "]",
                           "/usr/bin/xdg-open [" + (root / "drive_c" / "Excel砺行" / "素材" / "技能练习" / "311").string() + "]",
                       }));
    EXPECT_TRUE(failures.empty());
}

TEST_F(LinuxPlatformTest, a_missing_or_refused_folder_is_reported_and_opens_nothing)
{
    EXPECT_EQ(adapter->Shell("explorer /n,C:\\Excel砺行\\答案\\技能练习\\301", 1), 0);
    EXPECT_EQ(adapter->Shell("explorer /n,D:\\素材", 1), 0);
    EXPECT_EQ(adapter->Shell("cmd /c del", 1), 0);
    EXPECT_TRUE(spawned.empty());
    ASSERT_EQ(failures.size(), 3u);
    EXPECT_NE(failures[0].find("C:\\Excel砺行\\答案\\技能练习\\301"), std::string::npos);
    EXPECT_NE(failures[0].find("不存在"), std::string::npos);
}

TEST_F(LinuxPlatformTest, launch_table_names_start_their_counterparts_without_regard_to_case)
{
    struct Row {
        const char* name;
        const char* started;
    };
    const Row rows[] = {
        {"EXCEL", "/usr/bin/localc"},
        {"excel", "/usr/bin/localc"},
        {"WINWORD", "/usr/bin/libreoffice [--writer]"},
        {"POWERPNT", "/usr/bin/libreoffice [--impress]"},
        {"MSACCESS", "/usr/bin/libreoffice [--base]"},
        {"notepad", "/usr/bin/gedit"},
        {"wordpad", "/usr/bin/libreoffice [--writer]"},
        {"iexplore", "/usr/bin/firefox"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        spawned.clear();
        adapter->ShellExecute({platform::kNoWindow, "open", row.name, "", "", platform::kShowMaximized});
        EXPECT_EQ(spawned, (std::vector<std::string>{row.started}));
    }
    EXPECT_TRUE(failures.empty());
}

TEST_F(LinuxPlatformTest, links_open_with_xdg_open_as_one_argument)
{
    adapter->ShellExecute({platform::kNoWindow, "open", "http://www.example.com/", "", "", platform::kShowMaximized});
    adapter->ShellExecute({42, "open", "mailto:support@example.com", "", "", platform::kShowHide});
    adapter->ShellExecute({42, "open", "mailto:a@b.c; rm -rf ~", "", "", platform::kShowHide});
    EXPECT_EQ(spawned, (std::vector<std::string>{"/usr/bin/xdg-open [http://www.example.com/]",
                                                 "/usr/bin/xdg-open [mailto:support@example.com]",
                                                 "/usr/bin/xdg-open [mailto:a@b.c; rm -rf ~]"}));
}

TEST_F(LinuxPlatformTest, a_missing_program_is_reported_by_name)
{
    adapter->ShellExecute({platform::kNoWindow, "open", "OUTLOOK", "", "", platform::kShowMaximized});
    adapter->ShellExecute({platform::kNoWindow, "open", "calc.exe", "", "", platform::kShowMaximized});
    EXPECT_TRUE(spawned.empty());
    ASSERT_EQ(failures.size(), 2u);
    EXPECT_NE(failures[0].find("OUTLOOK"), std::string::npos);
    EXPECT_NE(failures[1].find("calc.exe"), std::string::npos);
}

TEST_F(LinuxPlatformTest, folders_are_created_one_level_at_a_time_and_the_working_folder_stays)
{
    const fs::path working = fs::current_path();
    EXPECT_TRUE(adapter->FolderExists("c:\\wexam"));
    EXPECT_FALSE(adapter->CreateFolder("c:\\wexam").ok);  // already there
    EXPECT_FALSE(adapter->CreateFolder("c:\\new\\deeper").ok);
    EXPECT_TRUE(adapter->CreateFolder("c:\\wexam\\29010001").ok);
    EXPECT_TRUE(fs::is_directory(root / "drive_c" / "Wexam" / "29010001"));
    EXPECT_TRUE(adapter->ChangeCurrentFolder("c:\\wexam\\29010001").ok);
    EXPECT_EQ(adapter->current_folder_c(), "c:\\wexam\\29010001");
    EXPECT_FALSE(adapter->ChangeCurrentFolder("c:\\nowhere").ok);
    EXPECT_EQ(fs::current_path(), working);
}

TEST_F(LinuxPlatformTest, on_a_fresh_machine_the_first_preparation_makes_drive_c_and_both_folders)
{
    fs::remove_all(root / "drive_c");
    EXPECT_EQ(PrepareExamineeFolder(*adapter), std::nullopt);
    EXPECT_TRUE(fs::is_directory(root / "drive_c" / "wexam" / "29010001"));
    EXPECT_EQ(adapter->current_folder_c(), "c:\\wexam\\29010001");
    EXPECT_TRUE(failures.empty());
}

TEST_F(LinuxPlatformTest, the_preparation_uses_a_parent_of_another_case_and_reports_a_file_in_its_place)
{
    EXPECT_EQ(PrepareExamineeFolder(*adapter), std::nullopt);
    EXPECT_TRUE(fs::is_directory(root / "drive_c" / "Wexam" / "29010001"));
    EXPECT_FALSE(fs::exists(root / "drive_c" / "wexam"));
    EXPECT_EQ(PrepareExamineeFolder(*adapter), std::nullopt);  // both there now

    fs::remove_all(root / "drive_c" / "Wexam");
    { std::ofstream file(root / "drive_c" / "wexam"); }
    auto failure = PrepareExamineeFolder(*adapter);
    ASSERT_TRUE(failure.has_value());
    EXPECT_NE(failure->find("c:\\wexam"), std::string::npos) << *failure;
    EXPECT_TRUE(fs::is_regular_file(root / "drive_c" / "wexam"));
}

TEST_F(LinuxPlatformTest, every_notice_says_what_to_do_in_one_or_two_lines)
{
    struct Row {
        const char* what;
        std::vector<std::string> installed;
        std::function<void(LinuxPlatform&)> act;
        std::string notice;
    };
    auto launch = [](const char* program) {
        return [program](LinuxPlatform& p) {
            p.ShellExecute({platform::kNoWindow, "open", program, "", "", platform::kShowMaximized});
        };
    };
    auto open_folder = [](const char* folder) {
        return [folder](LinuxPlatform& p) { p.Shell(std::string("explorer /n,") + folder, 1); };
    };
    const std::string answers = (root / "drive_c" / "Excel砺行" / "答案" / "技能练习" / "301").string();
    const Row rows[] = {
        {"program, counterpart missing", {}, launch("EXCEL"),
         "本机没有“EXCEL”的替代程序 LibreOffice Calc。\n请安装软件包 libreoffice-calc。"},
        {"program, named in lower case", {"xdg-open"}, launch("winword"),
         "本机没有“winword”的替代程序 LibreOffice Writer。\n请安装软件包 libreoffice-writer。"},
        {"program, mail", {"firefox"}, launch("OUTLOOK"),
         "本机没有“OUTLOOK”的替代程序 邮件程序 Thunderbird。\n请安装软件包 thunderbird。"},
        {"program, unknown name", {"localc"}, launch("calc.exe"), "无法打开“calc.exe”：这不是本程序认识的程序名。"},
        {"folder, missing", {"xdg-open"}, open_folder("C:\\Excel砺行\\答案\\技能练习\\301"),
         "文件夹“C:\\Excel砺行\\答案\\技能练习\\301”不存在。\n本机上它应在：" + answers},
        {"folder, opener missing", {"localc"}, open_folder("c:\\wexam\\65010001"),
         "本机没有可以打开文件夹的程序。\n请安装文件管理器，例如软件包 pcmanfm。"},
        {"folder, another drive", {"xdg-open"}, open_folder("D:\\素材"),
         "无法打开文件夹“D:\\素材”：只能打开 C 盘上的文件夹。"},
        {"link, opener missing", {"firefox"},
         [](LinuxPlatform& p) {
             p.ShellExecute({platform::kNoWindow, "open", "http://www.example.com/", "", "", platform::kShowMaximized});
         },
         "无法打开“http://www.example.com/”：本机没有 xdg-open。\n请安装软件包 xdg-utils。"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        installed_programs = row.installed;
        failures.clear();
        spawned.clear();
        row.act(*adapter);
        EXPECT_TRUE(spawned.empty());
        EXPECT_EQ(failures, (std::vector<std::string>{row.notice}));
    }
}

// The adapter's own spawn, reaching stand-in programs that the test puts
// first on PATH: each records its argument vector and working folder.
class RealSpawnTest : public LinuxPlatformTest {
protected:
    RealSpawnTest()
    {
        bin = root / "bin";
        fs::create_directories(bin);
        const char* path = std::getenv("PATH");
        saved_path = path ? path : "";
        setenv("PATH", (bin.string() + ":" + saved_path).c_str(), 1);
        adapter = std::make_unique<LinuxPlatform>(root / "drive_c");
        adapter->on_failure = [this](const std::string& message) { failures.push_back(message); };
    }
    ~RealSpawnTest() override { setenv("PATH", saved_path.c_str(), 1); }

    // A stand-in that writes "$0", each argument in brackets and its working
    // folder to `name`.log, then exits with `status`.
    void StandIn(const std::string& name, int status = 0)
    {
        const fs::path log = root / (name + ".log");
        std::ofstream script(bin / name);
        script << "#!/bin/sh\n"
               << "{ printf '%s\\n' \"$0\"; for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done; pwd; } > '" << log.string()
               << ".part'\n"
               << "mv '" << log.string() << ".part' '" << log.string() << "'\n"
               << "exit " << status << "\n";
        script.close();
        fs::permissions(bin / name, fs::perms::owner_all);
    }

    // What the stand-in recorded, once it has run; empty after 10 s.
    std::string Recorded(const std::string& name)
    {
        const fs::path log = root / (name + ".log");
        for (int i = 0; i < 1000 && !fs::exists(log); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::ifstream in(log);
        std::stringstream text;
        text << in.rdbuf();
        fs::remove(log);
        return text.str();
    }

    void WaitUntilWatchEnds()
    {
        for (int i = 0; i < 1000 && adapter->watching(); ++i) {
            adapter->PollChildren();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }

    fs::path bin;
    std::string saved_path;
};

TEST_F(RealSpawnTest, launches_folders_and_links_reach_the_program_with_their_argument_vector)
{
    StandIn("localc");
    StandIn("xdg-open");
    const fs::path drive_c = root / "drive_c";

    EXPECT_EQ(adapter->ShellExecute({platform::kNoWindow, "open", "EXCEL", "", "", platform::kShowMaximized}), 42);
    EXPECT_EQ(Recorded("localc"), (bin / "localc").string() + "\n" + drive_c.string() + "\n");

    // A program starts in the current folder of drive C:, as on Windows.
    ASSERT_TRUE(adapter->ChangeCurrentFolder("c:\\wexam").ok);
    EXPECT_EQ(adapter->Shell("explorer /n,C:\\Excel砺行\\素材\\技能练习\\311", 1), 1);
    EXPECT_EQ(Recorded("xdg-open"), (bin / "xdg-open").string() + "\n[" +
                                        (drive_c / "Excel砺行" / "素材" / "技能练习" / "311").string() + "]\n" +
                                        (drive_c / "Wexam").string() + "\n");

    adapter->ShellExecute({42, "open", "mailto:a@example.com; rm -rf ~ $(id)", "", "", platform::kShowHide});
    EXPECT_EQ(Recorded("xdg-open"), (bin / "xdg-open").string() + "\n[mailto:a@example.com; rm -rf ~ $(id)]\n" +
                                        (drive_c / "Wexam").string() + "\n");
    WaitUntilWatchEnds();
    EXPECT_TRUE(failures.empty());
}

TEST_F(RealSpawnTest, an_opener_that_fails_at_once_gives_a_notice_too)
{
    StandIn("xdg-open", 3);  // xdg-open's "no method available"
    EXPECT_EQ(adapter->Shell("explorer /n,c:\\wexam\\65010001", 1), 1);
    EXPECT_FALSE(Recorded("xdg-open").empty());
    WaitUntilWatchEnds();
    EXPECT_FALSE(adapter->watching());
    EXPECT_EQ(failures, (std::vector<std::string>{"xdg-open 未能打开文件夹“c:\\wexam\\65010001”。\n"
                                                  "请安装文件管理器，例如软件包 pcmanfm。"}));

    failures.clear();
    adapter->ShellExecute({platform::kNoWindow, "open", "http://www.example.com/", "", "", platform::kShowMaximized});
    Recorded("xdg-open");
    WaitUntilWatchEnds();
    EXPECT_EQ(failures, (std::vector<std::string>{"xdg-open 未能打开“http://www.example.com/”。\n"
                                                  "请安装浏览器，例如软件包 firefox-esr。"}));
}

TEST(RandomTest, rnd_stays_below_one)
{
    LinuxPlatform adapter("/nonexistent");
    adapter.Randomize(12345.678);
    for (int i = 0; i < 100000; ++i) {
        double value = adapter.Rnd();
        ASSERT_GE(value, 0.0);
        ASSERT_LT(value, 1.0);
        ASSERT_LE(static_cast<int>(value * 40) + 1, 40);
    }
}

}  // namespace
}  // namespace boxi::testing

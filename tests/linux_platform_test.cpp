// The Linux adapter: Windows paths onto a temporary drive C:, the launch
// table, and failures reported in a sentence instead of silence.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
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
        adapter->spawn = [this](const std::string& program, const std::vector<std::string>& arguments) {
            std::string call = program;
            for (const auto& argument : arguments)
                call += " [" + argument + "]";
            spawned.push_back(call);
            return true;
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

#include "ini/ini.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>
#include <set>
#include <string>

namespace {

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

// A document of about `groups` * 2 KB whose every line names `tag`.
struct Document : INI {
    Document(const std::string& tag, int groups) : INI("Savegame Ini", 0, 0, 76)
    {
        for (int g = 0; g < groups; ++g)
            for (int i = 0; i < 40; ++i)
                document["Group " + std::to_string(g)]["Item " + std::to_string(i)] = tag + std::string(40, 'x');
    }
};

std::set<std::string> folder_names(const std::string& folder)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

int wait_for(pid_t child)
{
    int status = 0;
    waitpid(child, &status, 0);
    return status;
}

TEST(IniSave, KilledMidSaveLeavesTheOldOrTheNewDocument)
{
    TempDir dir;
    std::string path = dir.path + "/Slot 1.ini";
    Document first("first", 1000), second("second", 1000);
    const std::string first_text = first.as_string(), second_text = second.as_string();
    first.save_file(path, true);
    std::mt19937 random(7);
    for (int round = 0; round < 25; ++round) {
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;) {
                second.save_file(path, true);
                first.save_file(path, true);
            }
        }
        usleep(std::uniform_int_distribution<int>(1000, 40000)(random));
        kill(child, SIGKILL);
        wait_for(child);
        std::string text = dir.read("Slot 1.ini");
        ASSERT_TRUE(text == first_text || text == second_text)
            << "round " << round << ": a file of " << text.size() << " bytes";
    }
}

TEST(IniSave, FullDiskKeepsTheOldFileAndRemovesTheTemporary)
{
    TempDir dir;
    std::string path = dir.write("Settings.ini", "[General]\nQuality=1\n");
    Document big("big", 20);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // A file size limit makes the write fail part-way, as a full disk does.
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        CaptureStdout();
        big.save_file(path, true);
        _exit(GetCapturedStdout() == "INI save failed (" + path + ")\n" ? 0 : 1);
    }
    int status = wait_for(child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(dir.read("Settings.ini"), "[General]\nQuality=1\n");
    EXPECT_EQ(folder_names(dir.path), std::set<std::string>{"Settings.ini"});
}

TEST(IniSave, TargetThatIsAFolderIsLeftAlone)
{
    TempDir dir;
    std::string path = dir.path + "/Slot 2.ini";
    mkdir(path.c_str(), 0755);
    Document doc("doc", 1);
    CaptureStdout();
    doc.save_file(path, true);
    EXPECT_EQ(GetCapturedStdout(), "INI save failed (" + path + ")\n");
    EXPECT_EQ(folder_names(dir.path), std::set<std::string>{"Slot 2.ini"});
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST(IniSave, ReplacedFileKeepsItsModeAndLinks)
{
    TempDir dir;
    std::string real = dir.write("real.ini", "[G]\nk=old\n");
    chmod(real.c_str(), 0640);
    std::string link = dir.path + "/link.ini";
    ASSERT_EQ(symlink(real.c_str(), link.c_str()), 0);
    Document doc("doc", 1);
    doc.save_file(link, true);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(dir.read("real.ini"), doc.as_string());
    struct stat info;
    ASSERT_EQ(stat(real.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(folder_names(dir.path), (std::set<std::string>{"link.ini", "real.ini"}));
}

} // namespace

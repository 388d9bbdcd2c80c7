#include "platform/platform.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>

TEST(Paths, ConvertPathTurnsBackslashesIntoSlashes)
{
    EXPECT_EQ(convert_path("a\\b\\c.ini"), "a/b/c.ini");
    EXPECT_EQ(get_platform(), "Corvane Linux");
    EXPECT_EQ(get_app_path(), "./");
}

TEST(Paths, HomeDirectoryFollowsHomeThenThePasswordDatabase)
{
    std::string old_home = getenv("HOME") ? getenv("HOME") : "";
    setenv("HOME", "/tmp/somewhere else", 1);
    EXPECT_EQ(File::get_appdata_directory(), "/tmp/somewhere else");
    unsetenv("HOME");
    EXPECT_FALSE(File::get_appdata_directory().empty());
    setenv("HOME", old_home.c_str(), 1);
}

TEST(Files, CreateDirectoriesMakesEveryFolderButNotTheFile)
{
    TempDir dir;
    create_directories(dir.path + "\\a/b\\c.ini");
    struct stat info;
    ASSERT_EQ(stat((dir.path + "/a").c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    ASSERT_EQ(stat((dir.path + "/a/b").c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_NE(stat((dir.path + "/a/b/c.ini").c_str(), &info), 0);
}

TEST(Files, ReadFileRawAndTerminated)
{
    TempDir dir;
    std::string path = dir.write("data.bin", std::string("ab\0c", 4));
    char* data = nullptr;
    size_t size = 0;
    read_file(path, &data, &size, false);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(std::string(data, 5), std::string("ab\0c\0", 5));
    delete[] data;

    data = nullptr;
    read_file(path, &data, &size, true);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(std::string(data, size), std::string("ab\0c", 4));
    delete[] data;
    EXPECT_EQ(get_file_size(path), 4u);
}

TEST(Files, MissingFileOrFolderLeavesTheOutputsAlone)
{
    TempDir dir;
    for (const std::string& path : {dir.path + "/missing", dir.path}) {
        char* data = nullptr;
        size_t size = 99;
        testing::internal::CaptureStdout();
        read_file(path, &data, &size, false);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "Could not load file " + path + "\n");
        EXPECT_EQ(data, nullptr);
        EXPECT_EQ(size, 99u);
    }
}

TEST(Files, ExistsAndDelete)
{
    TempDir dir;
    std::string path = dir.write("x.txt", "x");
    EXPECT_TRUE(File::file_exists(path));
    File::delete_file(path);
    EXPECT_FALSE(File::file_exists(path));
    testing::internal::CaptureStdout();
    File::delete_file(path);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Could not remove " + path + "\n");
}

// The address reaches the desktop's handler as one argument: quotes and
// semicolons in it cannot run anything.
TEST(OpenUrl, AddressIsOneArgumentAndNeverRunsAShell)
{
    TempDir dir;
    std::string log = dir.path + "/args.log";
    std::string marker = dir.path + "/pwned";
    dir.write("bin/xdg-open", "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]\\n' \"$a\"; done > '" + log + "'\n");
    chmod((dir.path + "/bin/xdg-open").c_str(), 0755);
    std::string old_path = getenv("PATH");
    setenv("PATH", (dir.path + "/bin:" + old_path).c_str(), 1);

    std::string url = "https://example.invalid/a'; touch " + marker + "; echo '";
    open_url(url);
    setenv("PATH", old_path.c_str(), 1);

    std::ifstream in(log);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, "[" + url + "]\n");
    EXPECT_FALSE(File::file_exists(marker));
}

#include "ini/ini.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>

namespace {

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

struct Loaded : INI {
    explicit Loaded(const std::string& text) : INI("Test", 0, 0, 99) { load_string(text, false); }
};

TEST(IniDocument, IsAFrameObjectWithAlterables)
{
    INI ini("Items.ini", 3, 4, 16);
    EXPECT_EQ(ini.name, "Items.ini");
    EXPECT_EQ(ini.id, 16);
    EXPECT_NE(ini.alterable_values, nullptr);
    EXPECT_NE(ini.alterable_strings, nullptr);
    EXPECT_TRUE(ini.document.empty());
}

TEST(IniDocument, FirstOccurrenceWinsAndMergeOnlyAdds)
{
    Loaded ini("[G]\nx=1\nx=2\n[H]\ny=1\n[G]\nx=3\n");
    EXPECT_EQ(ini.get_string("G", "x", "?"), "1");
    ini.load_string("[G]\nx=9\nz=new\n", true);
    EXPECT_EQ(ini.get_string("G", "x", "?"), "1");
    EXPECT_EQ(ini.get_string("G", "z", "?"), "new");
    EXPECT_EQ(ini.get_string("H", "y", "?"), "1");
    ini.load_string("[G]\nx=9\n", false);
    EXPECT_FALSE(ini.has_group("H"));
    EXPECT_EQ(ini.get_string("G", "x", "?"), "9");
}

TEST(IniDocument, TextIsWrittenInByteOrder)
{
    Loaded ini("[a]\nItem2=x\nItem10=y\n[B]\nk=v\n");
    EXPECT_EQ(ini.as_string(), "[B]\nk=v\n\n[a]\nItem10=y\nItem2=x\n\n");
    EXPECT_EQ(ini.get_group_name(0), "B");
    EXPECT_EQ(ini.get_item_name("a", 0), "Item10");
    EXPECT_EQ(Loaded("").as_string(), "");
}

TEST(IniDocument, MissingGroupsAndItems)
{
    Loaded ini("[G]\nk=v\nempty=\n");
    EXPECT_EQ(ini.get_string("G", "nope", "dflt"), "dflt");
    EXPECT_EQ(ini.get_string("Nope", "k", "dflt"), "dflt");
    EXPECT_EQ(ini.get_value("G", "empty", 7), 7);
    EXPECT_FALSE(ini.has_item("Nope", "k"));
    EXPECT_FALSE(ini.has_group("Missing"));
    EXPECT_EQ(ini.get_item_count("Missing"), 0);
    EXPECT_TRUE(ini.has_group("Missing"));
    EXPECT_EQ(ini.as_string(), "[G]\nempty=\nk=v\n\n[Missing]\n\n");
    ini.delete_item("Other", "k");
    EXPECT_TRUE(ini.has_group("Other"));
}

TEST(IniDocument, IndexOperations)
{
    Loaded ini("[G]\na=1.5\nb=text\nc=3\n");
    ini.set_group("G", false);
    EXPECT_EQ(ini.get_item_count(), 3);
    EXPECT_EQ(ini.get_item_name(1), "b");
    EXPECT_EQ(ini.get_string_index(2), "3");
    EXPECT_EQ(ini.get_value_index(0), 1.5);
    EXPECT_EQ(ini.get_value_index(1), 0);
    for (int outside : {-1, 3})
        EXPECT_EQ(ini.get_item_name(outside) + ini.get_string_index(outside) + ini.get_group_name(outside), "");
    EXPECT_EQ(ini.get_value_index("Nope", 0), 0);
    EXPECT_EQ(ini.get_group_count(), 1);
}

TEST(IniDocument, CurrentGroupForms)
{
    INI ini("Test", 0, 0, 99);
    ini.set_group("Player", true);
    ini.set_string("Herb", "Stored");
    ini.set_value("Count", 0, 4);
    EXPECT_EQ(ini.get_string("Player", "Herb", ""), "Stored");
    EXPECT_EQ(ini.get_value("Count", 0), 4);
    EXPECT_TRUE(ini.has_item("Herb"));
    ini.delete_item("Herb");
    EXPECT_FALSE(ini.has_item("Herb"));
    ini.reset(true);
    EXPECT_EQ(ini.get_group_count(), 0);
}

struct NumberCase {
    double number;
    const char* text;
};

class NumberFormat : public testing::TestWithParam<NumberCase> {};

TEST_P(NumberFormat, WrittenLikeAStreamAndReadBack)
{
    INI ini("Test", 0, 0, 99);
    ini.set_value("G", "n", 0, GetParam().number);
    EXPECT_EQ(ini.get_string("G", "n", ""), GetParam().text);
    EXPECT_DOUBLE_EQ(ini.get_value("G", "n", -99), std::stod(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Cases, NumberFormat,
                         testing::Values(NumberCase{3, "3"}, NumberCase{0.5, "0.5"}, NumberCase{-2.25, "-2.25"},
                                         NumberCase{0.1, "0.1"}, NumberCase{0.0001, "0.0001"},
                                         NumberCase{0.00001, "1e-05"}, NumberCase{123456, "123456"},
                                         NumberCase{1234567, "1.23457e+06"}, NumberCase{1000000, "1e+06"}));

struct ReadCase {
    const char* text;
    double expected;
};

class NumberRead : public testing::TestWithParam<ReadCase> {};

TEST_P(NumberRead, LongestNumericPrefixOrDefault)
{
    INI ini("Test", 0, 0, 99);
    ini.set_string("G", "n", GetParam().text);
    EXPECT_EQ(ini.get_value("G", "n", -7), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, NumberRead,
                         testing::Values(ReadCase{"12abc", 12}, ReadCase{"1e3", 1000}, ReadCase{"1e+06", 1000000},
                                         ReadCase{"-0.5", -0.5}, ReadCase{"", -7}, ReadCase{"abc", -7},
                                         ReadCase{"Stored", -7}));

TEST(IniDocument, LoadFileReportsAndKeepsGoodLines)
{
    TempDir dir;
    std::string path = dir.write("data/Items.ini", "[G]\na=1\nbroken\nb=2\n");
    INI ini("Items.ini", 0, 0, 16);
    CaptureStdout();
    ini.load_file(dir.path + "\\data\\Items.ini", true, false, false);
    EXPECT_EQ(GetCapturedStdout(), "Loading " + path + " (Items.ini)\nINI load failed (" + path + ") with code 3\n");
    EXPECT_EQ(ini.file_name, path);
    EXPECT_TRUE(ini.read_only);
    EXPECT_EQ(ini.as_string(), "[G]\na=1\nb=2\n\n");
}

TEST(IniDocument, LoadingWhatCannotBeReadGivesMinusOne)
{
    TempDir dir;
    mkdir((dir.path + "/folder.ini").c_str(), 0755);
    for (std::string path : {dir.path + "/new/sub/missing.ini", dir.path + "/folder.ini"}) {
        INI ini("Test", 0, 0, 99);
        ini.load_string("[Old]\nk=v\n", false);
        CaptureStdout();
        ini.load_file(path, false, false, false);
        EXPECT_EQ(GetCapturedStdout(), "Loading " + path + " (Test)\nINI load failed (" + path + ") with code -1\n");
        EXPECT_EQ(ini.get_group_count(), 0);
        ini.load_string("[Old]\nk=v\n", false);
        CaptureStdout();
        ini.merge_file(path, false);
        GetCapturedStdout();
        EXPECT_EQ(ini.get_string("Old", "k", ""), "v");
    }
    struct stat info;
    EXPECT_EQ(stat((dir.path + "/new/sub").c_str(), &info), 0);
}

TEST(IniDocument, LoadStringReportsFirstBadLine)
{
    INI ini("Test", 0, 0, 99);
    CaptureStdout();
    ini.load_string("[G]\nk=v\n[bad\n", false);
    EXPECT_EQ(GetCapturedStdout(), "INI load failed with code 3\n");
    EXPECT_EQ(ini.get_string("G", "k", ""), "v");
}

TEST(IniDocument, SaveHonoursReadOnlyUnlessForced)
{
    TempDir dir;
    std::string path = dir.write("s.ini", "[G]\nk=old\n");
    INI ini("Test", 0, 0, 99);
    CaptureStdout();
    ini.load_file(path, true, false, false);
    GetCapturedStdout();
    ini.set_string("G", "k", "new");
    ini.save_file(false);
    EXPECT_EQ(dir.read("s.ini"), "[G]\nk=old\n");
    ini.save_file(true);
    EXPECT_EQ(dir.read("s.ini"), "[G]\nk=new\n\n");
    ini.save_file("", true);
    EXPECT_EQ(ini.file_name, path);
}

TEST(IniDocument, SaveCreatesFoldersAndConvertsThePath)
{
    TempDir dir;
    Loaded ini("[G]\nk=v\n");
    ini.save_file(dir.path + "\\a\\b\\out.ini", false);
    EXPECT_EQ(ini.file_name, dir.path + "/a/b/out.ini");
    EXPECT_EQ(dir.read("a/b/out.ini"), ini.as_string());
}

TEST(IniDocument, AutoSaveWritesAfterEveryChange)
{
    TempDir dir;
    INI ini("Test", 0, 0, 99);
    ini.file_name = dir.path + "/auto.ini";
    ini.auto_save = true;
    ini.set_value("G", "n", 0, 2);
    EXPECT_EQ(dir.read("auto.ini"), "[G]\nn=2\n\n");
    ini.delete_item("G", "n");
    EXPECT_EQ(dir.read("auto.ini"), "[G]\n\n");
    ini.reset(true);
    EXPECT_EQ(dir.read("auto.ini"), "");
}

TEST(IniDocument, GlobalKeySharesTheDocumentAcrossObjects)
{
    INI::reset_global_data();
    {
        INI first("Settings.ini", 0, 0, 3);
        first.set_global_data("Settings");
        EXPECT_TRUE(first.document.empty());
        first.set_string("General", "Quality", "1");
    }
    INI unkeyed("World.ini", 0, 0, 2);
    {
        INI second("Settings.ini", 0, 0, 3);
        second.set_global_data("Settings");
        EXPECT_EQ(second.get_string("General", "Quality", ""), "1");
        second.set_string("General", "Quality", "2");
        INI other("Level Ini", 0, 0, 15);
        other.set_global_data("Level");
        EXPECT_TRUE(other.document.empty());
    }
    {
        INI third("Settings.ini", 0, 0, 3);
        third.set_global_data("Settings");
        EXPECT_EQ(third.get_string("General", "Quality", ""), "2");
    }
    INI::reset_global_data();
    INI fourth("Settings.ini", 0, 0, 3);
    fourth.set_global_data("Settings");
    EXPECT_TRUE(fourth.document.empty());
    fourth.global_key.clear();
}

} // namespace

#include "ini/ini_parser.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <string>
#include <vector>

namespace {

struct Entry {
    std::string section, name, value;
    bool operator==(const Entry& other) const
    {
        return section == other.section && name == other.name && value == other.value;
    }
};

std::ostream& operator<<(std::ostream& out, const Entry& e)
{
    return out << "[" << e.section << "] '" << e.name << "' = '" << e.value << "'";
}

struct Recorder {
    std::vector<Entry> entries;
    const char* refuse_name = nullptr; // the handler reports failure for this name
};

int record(void* user, const char* section, const char* name, const char* value)
{
    auto* recorder = static_cast<Recorder*>(user);
    recorder->entries.push_back({section, name, value});
    return !(recorder->refuse_name && std::string(name) == recorder->refuse_name);
}

struct ParseCase {
    const char* label;
    std::string text;
    std::vector<Entry> expected;
    int error;
};

// A literal with its zero bytes kept.
template <size_t N> std::string bytes(const char (&text)[N]) { return std::string(text, N - 1); }

const std::string BOM = "\xEF\xBB\xBF";
const std::string SIXTY(60, 'S');

const ParseCase PARSE_CASES[] = {
    {"plain", "[G]\na=1\nb = two words \n", {{"G", "a", "1"}, {"G", "b", "two words"}}, 0},
    {"before any section", "a=1\n[G]\nb=2\n", {{"", "a", "1"}, {"G", "b", "2"}}, 0},
    {"inline comment after blank", "[G]\na = b ; note\n", {{"G", "a", "b"}}, 0},
    {"semicolon without blank", "[G]\na = b;c\n", {{"G", "a", "b;c"}}, 0},
    {"semicolon starts value", "[G]\na = ;x\n", {{"G", "a", ";x"}}, 0},
    {"tab before semicolon", "[G]\na = b\t;c\n", {{"G", "a", "b"}}, 0},
    {"comment lines", "; c\n# c\n  ; c\n[G]\na=#b\n", {{"G", "a", "#b"}}, 0},
    {"equals before colon", "[G]\na:b=c\nd:e\n", {{"G", "a:b", "c"}, {"G", "d", "e"}}, 0},
    {"empty name and value", "[G]\n=v\nk=\n", {{"G", "", "v"}, {"G", "k", ""}}, 0},
    {"blanks inside brackets", "[ A ]\nk=v\n", {{" A ", "k", "v"}}, 0},
    {"text after bracket ignored", "[Group] tail\nk=v\n", {{"Group", "k", "v"}}, 0},
    {"comment before bracket is bad", "[G]\n[Group ; x]\nk=v\n", {{"G", "k", "v"}}, 2},
    {"no closing bracket is bad", "[Group\nk=v\n", {{"", "k", "v"}}, 1},
    {"long section name cut to 49 bytes", "[" + SIXTY + "]\nk=v\n", {{SIXTY.substr(0, 49), "k", "v"}}, 0},
    {"first bad line reported, later lines kept",
     "[G]\na=1\nno separator\nb=2\nalso bad\nc=3\n",
     {{"G", "a", "1"}, {"G", "b", "2"}, {"G", "c", "3"}},
     3},
    {"comment hides the separator", "[G]\na ;b=c\n", {}, 2},
    {"byte order mark on line 1", BOM + "[G]\nk=v\n", {{"G", "k", "v"}}, 0},
    {"byte order mark on a later line is text", "[G]\n" + BOM + "k=v\n", {{"G", BOM + "k", "v"}}, 0},
    {"CR LF line ends", "[G]\r\na = 1\r\nb=2\r\n", {{"G", "a", "1"}, {"G", "b", "2"}}, 0},
    {"no final line end", "[G]\na=1\nb=2", {{"G", "a", "1"}, {"G", "b", "2"}}, 0},
    {"invalid bytes kept verbatim", "[\xFF\xFE]\n\x80\xC3=\xC0\xAF\n", {{"\xFF\xFE", "\x80\xC3", "\xC0\xAF"}}, 0},
    {"zero byte cuts the line and flags it",
     bytes("[G]\nk=ab\0cd\n\0x=1\nafter=yes\n"),
     {{"G", "k", "ab"}, {"G", "after", "yes"}},
     2},
    {"zero byte in a section line", bytes("[A\0]\n[B]\nk=v\n"), {{"B", "k", "v"}}, 1},
    {"empty text", "", {}, 0},
    {"lone CR is not a line end", "a=1\rb=2\r", {{"", "a", "1\rb=2"}}, 0},
};

void PrintTo(const ParseCase& c, std::ostream* out) { *out << c.label; }

class ParseText : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseText, HandsEveryGoodLineToTheHandler)
{
    const ParseCase& c = GetParam();
    Recorder recorder;
    EXPECT_EQ(ini_parse_string(c.text, record, &recorder), c.error);
    EXPECT_EQ(recorder.entries, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ParseText, testing::ValuesIn(PARSE_CASES),
                         [](const testing::TestParamInfo<ParseCase>& info) {
                             std::string name;
                             for (char ch : std::string(info.param.label))
                                 name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                             return name;
                         });

TEST(IniParser, HandlerFailureCountsAsBadLineButParsingGoesOn)
{
    Recorder recorder;
    recorder.refuse_name = "b";
    EXPECT_EQ(ini_parse_string("[G]\na=1\nb=2\nc=3\nb=4\n", record, &recorder), 3);
    EXPECT_EQ(recorder.entries.size(), 4u);
}

TEST(IniParser, LineOfSeveralMegabytes)
{
    std::string huge(5 * 1024 * 1024, 'x');
    Recorder recorder;
    EXPECT_EQ(ini_parse_string("[G]\nbefore=1\nbig=" + huge + "\nafter=2\n", record, &recorder), 0);
    ASSERT_EQ(recorder.entries.size(), 3u);
    EXPECT_EQ(recorder.entries[1].value, huge);
    EXPECT_EQ(recorder.entries[2].name, "after");
}

TEST(IniParser, FileReadsLikeTheString)
{
    TempDir dir;
    std::string text = BOM + "[G]\r\na=1\r\nbad\r\nb=2";
    Recorder from_file, from_string;
    EXPECT_EQ(ini_parse_file(dir.write("t.ini", text), record, &from_file), 3);
    EXPECT_EQ(ini_parse_string(text, record, &from_string), 3);
    EXPECT_EQ(from_file.entries, from_string.entries);
    EXPECT_EQ(from_file.entries.size(), 2u);
}

TEST(IniParser, FilesThatCannotBeReadGiveMinusOne)
{
    TempDir dir;
    mkdir((dir.path + "/folder.ini").c_str(), 0755);
    Recorder recorder;
    EXPECT_EQ(ini_parse_file(dir.path + "/missing.ini", record, &recorder), -1);
    EXPECT_EQ(ini_parse_file(dir.path + "/folder.ini", record, &recorder), -1);
    EXPECT_TRUE(recorder.entries.empty());
}

// Root reads files whatever their permissions, so under root the parse runs
// in a child that gives up its rights first. True if the parse gave -1.
bool unreadable_for_ordinary_user(const std::string& path)
{
    Recorder recorder;
    if (geteuid() != 0)
        return ini_parse_file(path, record, &recorder) == -1;
    pid_t child = fork();
    if (child == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0)
            _exit(2);
        _exit(ini_parse_file(path, record, &recorder) == -1 ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(IniParser, UnreadableFileGivesMinusOne)
{
    TempDir dir;
    chmod(dir.path.c_str(), 0755);
    std::string path = dir.write("locked.ini", "[G]\nk=v\n");
    chmod(path.c_str(), 0);
    EXPECT_TRUE(unreadable_for_ordinary_user(path));
}

TEST(IniParser, HelpersWorkInPlace)
{
    char text[] = "  \t name \r\n";
    EXPECT_STREQ(rstrip(lskip(text)), "name");
    char comment[] = "a;b c ;d";
    EXPECT_STREQ(find_char_or_comment(comment, '='), ";d");
    char found[] = "ab=c";
    EXPECT_STREQ(find_char_or_comment(found, '='), "=c");
    char buffer[4];
    EXPECT_STREQ(strncpy0(buffer, "abcdef", sizeof buffer), "abc");
}

} // namespace

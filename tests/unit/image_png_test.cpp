#include "image/image.h"
#include "support/png_fixture.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace {

const std::string SUITE = std::string(VELMORA_TESTDATA_DIR) + "/pngsuite";

struct Reference {
    int width = 0, height = 0;
    bool has_alpha = false;
};

std::map<std::string, Reference> read_index()
{
    std::map<std::string, Reference> index;
    std::ifstream in(SUITE + "/expected/index.txt");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string name;
        Reference ref;
        int alpha = 0;
        fields >> name >> ref.width >> ref.height >> alpha;
        ref.has_alpha = alpha != 0;
        index[name] = ref;
    }
    return index;
}

std::vector<std::string> suite_pictures()
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(SUITE))
        if (entry.path().extension() == ".png")
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class PngSuite : public testing::TestWithParam<std::string> {};

TEST_P(PngSuite, DecodesToTheReferenceBytes)
{
    static const std::map<std::string, Reference> index = read_index();
    const std::string name = GetParam();
    auto ref = index.find(name);
    ASSERT_NE(ref, index.end()) << name << " has no reference decoding";

    int width = -1, height = -1;
    bool has_alpha = false;
    unsigned char* pixels = read_png(SUITE + "/" + name, &width, &height, &has_alpha);
    ASSERT_NE(pixels, nullptr);
    std::vector<unsigned char> decoded(pixels, pixels + static_cast<size_t>(width) * height * 4);
    delete[] pixels;

    EXPECT_EQ(width, ref->second.width);
    EXPECT_EQ(height, ref->second.height);
    EXPECT_EQ(has_alpha, ref->second.has_alpha);
    std::string stem = name.substr(0, name.size() - 4);
    std::vector<unsigned char> expected = read_bytes(SUITE + "/expected/" + stem + ".rgba");
    ASSERT_EQ(decoded.size(), expected.size());
    EXPECT_TRUE(decoded == expected) << "pixels differ from the reference";
}

INSTANTIATE_TEST_SUITE_P(Corpus, PngSuite, testing::ValuesIn(suite_pictures()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string id = info.param.substr(0, info.param.size() - 4);
                             return id;
                         });

TEST(PngSuiteCorpus, EveryPictureHasAReferenceAndEveryReferenceAPicture)
{
    std::vector<std::string> indexed;
    for (const auto& entry : read_index())
        indexed.push_back(entry.first);
    ASSERT_FALSE(indexed.empty());
    EXPECT_EQ(indexed, suite_pictures());
}

// A small picture whose stream has an IDAT chunk to damage.
std::vector<unsigned char> sample_png()
{
    std::vector<unsigned char> rgba(16 * 8 * 4);
    for (size_t i = 0; i < rgba.size(); i++)
        rgba[i] = static_cast<unsigned char>(i * 37 + 11);
    return encode_rgba_png(16, 8, rgba);
}

size_t find_chunk(const std::vector<unsigned char>& png, const char* type)
{
    size_t pos = find_png_chunk(png, type);
    EXPECT_NE(pos, 0u) << "no chunk " << type;
    return pos;
}

std::vector<unsigned char> truncated()
{
    std::vector<unsigned char> png = sample_png();
    png.resize(find_chunk(png, "IDAT") + 20);
    return png;
}

std::vector<unsigned char> bad_checksum()
{
    std::vector<unsigned char> png = sample_png();
    png[find_chunk(png, "IDAT") + 10] ^= 0x5A;
    return png;
}

// Damaged deflate data behind a correct chunk checksum, so the failure comes
// from decompression rather than from the chunk check.
std::vector<unsigned char> bad_deflate()
{
    std::vector<unsigned char> png = sample_png();
    size_t idat = find_chunk(png, "IDAT");
    png[idat + 8] = 0xFF;
    png[idat + 9] = 0xFF;
    fix_png_chunk_crc(png, idat);
    return png;
}

std::vector<unsigned char> huge_header()
{
    std::vector<unsigned char> png = sample_png();
    size_t ihdr = find_chunk(png, "IHDR");
    const unsigned char side[4] = {0x00, 0x01, 0x86, 0xA0}; // 100000
    std::memcpy(&png[ihdr + 8], side, 4);
    std::memcpy(&png[ihdr + 12], side, 4);
    fix_png_chunk_crc(png, ihdr);
    return png;
}

std::vector<unsigned char> text_file()
{
    std::string text = "[General]\nThis is not a picture\n";
    return std::vector<unsigned char>(text.begin(), text.end());
}

struct BadStream {
    const char* name;
    std::vector<unsigned char> (*make)();
};

const BadStream BAD_STREAMS[] = {
    {"truncated", truncated},     {"bad_checksum", bad_checksum},
    {"bad_deflate", bad_deflate}, {"empty", [] { return std::vector<unsigned char>(); }},
    {"not_png", text_file},       {"huge_header", huge_header},
};

class BadPng : public testing::TestWithParam<BadStream> {};

TEST_P(BadPng, GivesNoPixelsAndOneMessage)
{
    TempDir dir;
    std::vector<unsigned char> bytes = GetParam().make();
    std::string path = dir.write("bad.png", std::string(bytes.begin(), bytes.end()));

    testing::internal::CaptureStdout();
    Image image(path, 0, 0, 0, 0, nullptr);
    std::string out = testing::internal::GetCapturedStdout();

    EXPECT_EQ(image.pixels, nullptr);
    EXPECT_EQ(image.width, 0);
    EXPECT_EQ(image.height, 0);
    EXPECT_EQ(out, "Could not load image \"" + path + "\"\n");
}

INSTANTIATE_TEST_SUITE_P(Damaged, BadPng, testing::ValuesIn(BAD_STREAMS),
                         [](const testing::TestParamInfo<BadStream>& info) { return info.param.name; });

TEST(ImageFile, MissingFileGivesTheMessage)
{
    testing::internal::CaptureStdout();
    Image image("/nonexistent/picture.png", 0, 0, 0, 0, nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Could not load image \"/nonexistent/picture.png\"\n");
    EXPECT_EQ(image.pixels, nullptr);
}

// Decoding a stream after a failed one must work: nothing of the failed
// decode is left behind in libpng or the caller.
TEST(ReadPng, DecodesAfterAFailure)
{
    std::vector<unsigned char> bad = bad_deflate();
    std::vector<unsigned char> good = sample_png();
    for (int round = 0; round < 3; round++) {
        FILE* fp = fmemopen(bad.data(), bad.size(), "rb");
        int w = 0, h = 0;
        bool alpha = false;
        EXPECT_EQ(read_png(fp, &w, &h, &alpha), nullptr);
        std::fclose(fp);
        fp = fmemopen(good.data(), good.size(), "rb");
        unsigned char* pixels = read_png(fp, &w, &h, &alpha);
        std::fclose(fp);
        ASSERT_NE(pixels, nullptr);
        EXPECT_EQ(w, 16);
        EXPECT_TRUE(alpha);
        delete[] pixels;
    }
}

} // namespace

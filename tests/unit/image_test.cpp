#include "image/image.h"
#include "support/png_fixture.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <png.h>

#include <dirent.h>

namespace {

std::string as_string(const std::vector<unsigned char>& bytes) { return std::string(bytes.begin(), bytes.end()); }

std::vector<unsigned char> pixels_of(const Image& image)
{
    return std::vector<unsigned char>(image.pixels, image.pixels + static_cast<size_t>(image.width) * image.height * 4);
}

// Three pixels of an RGB picture: the key colour, a colour that differs
// from it only in blue, and the key again.
const std::vector<unsigned char> RGB_ROW = {86, 52, 18, 86, 52, 19, 86, 52, 18};

TEST(ImageFile, TransparentColourClearsAlphaOfMatchingPixelsOnly)
{
    TempDir dir;
    std::string rgb = dir.write("rgb.png", as_string(encode_png(3, 1, RGB_ROW, PNG_COLOR_TYPE_RGB)));
    std::vector<unsigned char> rgba_row = {86, 52, 18, 255, 86, 52, 19, 255, 86, 52, 18, 255};
    std::string rgba = dir.write("rgba.png", as_string(encode_rgba_png(3, 1, rgba_row)));
    const Color key(86, 52, 18, 255);
    const Color translucent_key(86, 52, 18, 128);

    const struct {
        const char* what;
        std::string path;
        const Color* transparent;
        std::vector<unsigned char> alphas;
    } cases[] = {
        {"no alpha channel, key given", rgb, &key, {0, 255, 0}},
        {"no key", rgb, nullptr, {255, 255, 255}},
        {"own alpha channel", rgba, &key, {255, 255, 255}},
        // The comparison includes alpha, and decoded pixels are opaque.
        {"key that is not opaque", rgb, &translucent_key, {255, 255, 255}},
    };
    for (const auto& c : cases) {
        Image image(c.path, 1, 0, 2, 0, c.transparent);
        ASSERT_NE(image.pixels, nullptr) << c.what;
        EXPECT_EQ(image.offset, -1);
        for (int x = 0; x < 3; x++) {
            EXPECT_EQ(image.get(x, 0)[3], c.alphas[x]) << c.what << " pixel " << x;
            EXPECT_EQ(image.get(x, 0)[0], 86) << c.what;
        }
    }
}

// The tRNS chunk of a palette picture becomes alpha, yet the picture does
// not count as having its own alpha channel, so a transparent colour still
// applies to it.
TEST(ImageFile, PaletteWithTransparentIndexHasAlphaButNotItsOwn)
{
    TempDir dir;
    std::vector<unsigned char> indices = {0, 1, 2, 1};
    std::vector<unsigned char> palette = {10, 20, 30, 40, 50, 60, 70, 80, 90};
    std::vector<unsigned char> trns = {0, 128};
    std::string path =
        dir.write("pal.png", as_string(encode_png(2, 2, indices, PNG_COLOR_TYPE_PALETTE, 8, palette, trns)));
    int w = 0, h = 0;
    bool has_alpha = true;
    unsigned char* pixels = read_png(path, &w, &h, &has_alpha);
    ASSERT_NE(pixels, nullptr);
    EXPECT_FALSE(has_alpha);
    std::vector<unsigned char> got(pixels, pixels + 16);
    delete[] pixels;
    std::vector<unsigned char> expected = {10, 20, 30, 0, 40, 50, 60, 128, 70, 80, 90, 255, 40, 50, 60, 128};
    EXPECT_EQ(got, expected);

    const Color key(70, 80, 90, 255);
    Image image(path, 0, 0, 0, 0, &key);
    EXPECT_EQ(image.get(0, 1)[3], 0);
    EXPECT_EQ(image.get(1, 1)[3], 128);
}

TEST(ImageCopy, SharesPixelsAndPointsButOwnsNothing)
{
    TempDir dir;
    std::string path = dir.write("rgb.png", as_string(encode_png(3, 1, RGB_ROW, PNG_COLOR_TYPE_RGB)));
    Image* original = new Image(path, 1, 0, 2, 0, nullptr);
    {
        Image copy(*original);
        EXPECT_EQ(copy.offset, -1);
        EXPECT_EQ(copy.source, original);
        EXPECT_EQ(copy.pixels, original->pixels);
        EXPECT_EQ(copy.width, 3);
        EXPECT_EQ(copy.hotspot_x, 1);
        EXPECT_EQ(copy.action_x, 2);
    }
    // The copy is gone; the original's pixels must still be intact.
    EXPECT_EQ(original->get(1, 0)[2], 19);
    delete original;
}

int open_descriptors()
{
    int count = 0;
    DIR* dir = opendir("/proc/self/fd");
    while (readdir(dir))
        count++;
    closedir(dir);
    return count;
}

class PackedFile : public testing::Test {
protected:
    struct Stream {
        int offset;
        std::vector<unsigned char> rgba;
        int width, height;
    };

    void SetUp() override
    {
        std::string packed;
        for (int i = 0; i < 5; i++) {
            int w = 3 + i, h = 2 + (i % 3);
            std::vector<unsigned char> rgba(static_cast<size_t>(w) * h * 4);
            for (size_t p = 0; p < rgba.size(); p++)
                rgba[p] = static_cast<unsigned char>(p * (i + 3) + i);
            streams.push_back({static_cast<int>(packed.size()), rgba, w, h});
            packed += as_string(encode_rgba_png(w, h, rgba));
        }
        path = dir.write("World/Sprites.dat", packed);
    }

    TempDir dir;
    std::string path;
    std::vector<Stream> streams;
};

TEST_F(PackedFile, EntriesDecodeFromTheirOffsetsThroughOneHandle)
{
    testing::internal::CaptureStdout();
    set_image_path(path);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Setting image file to: " + path + "\n");

    std::vector<Image*> entries;
    for (const Stream& s : streams)
        entries.push_back(new Image(s.offset, 1, 2, 3, 4));
    int before = open_descriptors();
    // Out of file order, so every load really seeks.
    for (int i : {3, 0, 4, 1, 2})
        entries[i]->load();
    EXPECT_EQ(open_descriptors(), before + 1);
    for (size_t i = 0; i < streams.size(); i++) {
        ASSERT_NE(entries[i]->pixels, nullptr) << "entry " << i;
        EXPECT_EQ(entries[i]->width, streams[i].width);
        EXPECT_EQ(entries[i]->height, streams[i].height);
        EXPECT_EQ(pixels_of(*entries[i]), streams[i].rgba) << "entry " << i;
        EXPECT_EQ(entries[i]->hotspot_y, 2);
    }
    // A second load keeps the pixels it has.
    unsigned char* kept = entries[0]->pixels;
    entries[0]->load();
    EXPECT_EQ(entries[0]->pixels, kept);
    for (Image* entry : entries)
        delete entry;
}

TEST_F(PackedFile, BadOffsetLeavesTheEntryEmptyAndTheOthersWork)
{
    testing::internal::CaptureStdout();
    set_image_path(path);
    testing::internal::GetCapturedStdout();
    Image inside_a_stream(streams[1].offset + 5, 0, 0, 0, 0);
    Image past_the_end(1 << 30, 0, 0, 0, 0);
    Image good(streams[2].offset, 0, 0, 0, 0);
    inside_a_stream.load();
    past_the_end.load();
    good.load();
    EXPECT_EQ(inside_a_stream.pixels, nullptr);
    EXPECT_EQ(past_the_end.pixels, nullptr);
    ASSERT_NE(good.pixels, nullptr);
    EXPECT_EQ(pixels_of(good), streams[2].rgba);
}

TEST_F(PackedFile, PathWithBackslashesIsConvertedAndANewPathIsReopened)
{
    testing::internal::CaptureStdout();
    set_image_path(path);
    Image first(streams[0].offset, 0, 0, 0, 0);
    first.load();
    ASSERT_NE(first.pixels, nullptr);

    // A second packed file whose first stream is another picture.
    std::vector<unsigned char> other(2 * 2 * 4, 200);
    dir.write("Other/Sprites.dat", as_string(encode_rgba_png(2, 2, other)));
    set_image_path(dir.path + "\\Other\\Sprites.dat");
    testing::internal::GetCapturedStdout();
    Image second(0, 0, 0, 0, 0);
    second.load();
    ASSERT_NE(second.pixels, nullptr);
    EXPECT_EQ(pixels_of(second), other);
}

TEST_F(PackedFile, CopyMadeBeforeLoadingTakesTheSourcePixels)
{
    testing::internal::CaptureStdout();
    set_image_path(path);
    testing::internal::GetCapturedStdout();
    Image entry(streams[4].offset, 0, 0, 0, 0);
    Image copy(entry);
    ASSERT_EQ(copy.pixels, nullptr);
    copy.load();
    ASSERT_NE(entry.pixels, nullptr);
    EXPECT_EQ(copy.pixels, entry.pixels);
    EXPECT_EQ(copy.width, streams[4].width);
    EXPECT_EQ(pixels_of(copy), streams[4].rgba);
}

} // namespace

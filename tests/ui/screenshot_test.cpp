// screenshot_test.cpp -- numbering, never overwriting, and the PNG's pixels and chunks
#include <lodepng.h>

#include "app/backdrop.h"
#include "game/world_fixture.h"
#include "ui/notice.h"
#include "ui/screenshot.h"

// Screenshots need no window: the snapshot is a plain surface in a display
// layout of 16 (5-6-5), 24 or 32 bits.
class ScreenshotTest : public ScratchFolderTest {
protected:
    void make_snapshot(int depth, int w, int h)
    {
        SDL_FreeSurface(backdrop_snapshot);
        bool low = depth == 16;
        backdrop_snapshot =
            SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, depth, low ? 0xF800 : 0xFF0000,
                                 low ? 0x07E0 : 0xFF00, low ? 0x1F : 0xFF, 0);
    }
    void TearDown() override
    {
        SDL_FreeSurface(backdrop_snapshot);
        backdrop_snapshot = nullptr;
        ScratchFolderTest::TearDown();
    }
    // The file decodes to the snapshot's channels with the low bits the
    // format lacks at 0 (5-bit white is stored as 248), and opaque.
    static void expect_png_matches_snapshot(const char *path)
    {
        std::vector<unsigned char> rgba, expected;
        unsigned w = 0, h = 0;
        ASSERT_EQ(lodepng::decode(rgba, w, h, path), 0u) << path;
        ASSERT_TRUE((int)w == backdrop_snapshot->w && (int)h == backdrop_snapshot->h) << path;
        const SDL_PixelFormat *f = backdrop_snapshot->format;
        for (unsigned i = 0; i < w * h; i++) {
            Uint32 p = read_pixel(backdrop_snapshot, (int)(i % w), (int)(i / w));
            expected.insert(expected.end(),
                            {(Uint8)((p & f->Rmask) >> f->Rshift << f->Rloss),
                             (Uint8)((p & f->Gmask) >> f->Gshift << f->Gloss),
                             (Uint8)((p & f->Bmask) >> f->Bshift << f->Bloss), 255});
        }
        EXPECT_TRUE(rgba == expected) << path;
    }
};

// Any entry takes its number, readable or not: a file, an unreadable file, a
// dangling link, a folder. The first free number is used, every click a new
// one. The file is 8-bit RGB even for a grey picture; after the image data
// come the comment and the encoder's identification as uncompressed text
// chunks, in that order.
TEST_F(ScreenshotTest, TheFirstFreeNumberIsNeverWrittenThroughAndHoldsEightBitRgbAndTheTextChunks)
{
    make_snapshot(32, 8, 6);
    SDL_FillRect(backdrop_snapshot, nullptr, 0x808080);
    write_text_file("screenshot2.png", "keep");
    ASSERT_EQ(chmod("screenshot2.png", 0), 0);  // unreadable, unless the tests run as root
    ASSERT_EQ(make_dangling_entry("elsewhere.png", "screenshot3.png"), 0);
    ASSERT_EQ(mkdir("screenshot5.png", 0755), 0);
    write_text_file("screenshot6.png", "six");
    for (int i = 0; i < 3; i++)
        EXPECT_TRUE(save_screenshot());
    EXPECT_STREQ(notice_text, "Saved screenshot7.png");
    // Asked for a name that exists, the writer leaves it alone.
    EXPECT_FALSE(write_png_screenshot("screenshot2.png"));
    EXPECT_STREQ(notice_text, "Could not save a screenshot: File exists");
    ASSERT_EQ(chmod("screenshot2.png", 0644), 0);
    EXPECT_TRUE(read_file("screenshot2.png") == "keep" && read_file("screenshot6.png") == "six");
    EXPECT_NE(access("elsewhere.png", F_OK), 0);
    expect_png_matches_snapshot("screenshot1.png");
    std::string png = read_file("screenshot1.png"), types;
    EXPECT_TRUE(read_file("screenshot4.png") == png && read_file("screenshot7.png") == png);

    ASSERT_GT(png.size(), 33u);
    const unsigned char *data = (const unsigned char *)png.data(), *end = data + png.size();
    EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    EXPECT_TRUE(lodepng_chunk_data_const(data + 8)[8] == 8 &&
                lodepng_chunk_data_const(data + 8)[9] == LCT_RGB);
    std::vector<std::string> texts;
    for (const unsigned char *chunk = data + 8; chunk < end;
         chunk = lodepng_chunk_next_const(chunk, end)) {
        char type[5];
        lodepng_chunk_type(type, chunk);
        types += std::string(type) + " ";
        EXPECT_EQ(lodepng_chunk_check_crc(chunk), 0u) << type;
        if (lodepng_chunk_type_equals(chunk, "tEXt"))
            texts.emplace_back((const char *)lodepng_chunk_data_const(chunk),
                               lodepng_chunk_length(chunk));
        if (lodepng_chunk_type_equals(chunk, "IEND"))
            break;
    }
    EXPECT_EQ(types.substr(0, 10), "IHDR IDAT ");
    EXPECT_EQ(types.substr(types.find(" tEXt")), " tEXt tEXt IEND ");
    EXPECT_EQ(texts,
              (std::vector<std::string>{std::string("Comment\0Created with LodePNG", 28),
                                        std::string("LodePNG\0", 8) + LODEPNG_VERSION_STRING}));
}

// Without a picture or a place to write no file is created.
TEST_F(ScreenshotTest, PixelsKeepTheBitsOfEveryDepthAndNothingIsWrittenWithoutAPicture)
{
    srand(99);
    for (int depth : {16, 24, 32}) {
        make_snapshot(depth, 37, 23);
        for (int i = 0; i < 37 * 23; i++)
            write_pixel(
                backdrop_snapshot, i % 37, i / 37,
                SDL_MapRGB(backdrop_snapshot->format, rand() % 256, rand() % 256, rand() % 256));
        std::string name = "depth" + std::to_string(depth) + ".png";
        write_png_screenshot(name.c_str());
        expect_png_matches_snapshot(name.c_str());
    }
    EXPECT_FALSE(write_png_screenshot("no_such_folder/screenshot1.png"));
    EXPECT_STREQ(notice_text, "Could not save a screenshot: No such file or directory");
    SDL_FreeSurface(backdrop_snapshot);
    backdrop_snapshot = nullptr;
    save_screenshot();        // no snapshot at all
    make_snapshot(32, 0, 0);  // the encoder would write an invalid 0x0 PNG
    save_screenshot();
    EXPECT_STREQ(notice_text, "Could not save a screenshot: there is no picture");
    EXPECT_EQ(folder_listing("."), "depth16.png\ndepth24.png\ndepth32.png\n");
}

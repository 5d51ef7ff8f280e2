// screenshot_test.cpp -- numbering, never overwriting, and the PNG's pixels and chunks
#include <lodepng.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/backdrop.h"
#include "support.h"
#include "ui/screenshot.h"

// Screenshots need no window: the snapshot is a plain surface in the
// display's layout at 16 (5-6-5), 24 or 32 bits.
class ScreenshotTest : public ScratchFolderTest {
protected:
    void make_snapshot(int depth, int w, int h)
    {
        SDL_FreeSurface(backdrop_snapshot);
        if (depth == 16)
            backdrop_snapshot = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 16, 0xF800, 0x07E0, 0x001F, 0);
        else
            backdrop_snapshot =
                SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, depth, 0xFF0000, 0x00FF00, 0x0000FF, 0);
        ASSERT_NE(backdrop_snapshot, nullptr);
    }
    void TearDown() override
    {
        SDL_FreeSurface(backdrop_snapshot);
        backdrop_snapshot = nullptr;
        ScratchFolderTest::TearDown();
    }
    static std::string file_bytes(const char *path)
    {
        std::vector<unsigned char> bytes;
        if (lodepng::load_file(bytes, path))
            return "";
        return std::string(bytes.begin(), bytes.end());
    }
    static bool exists(const char *path)
    {
        struct stat info;
        return lstat(path, &info) == 0;
    }
    // Every pixel of the file against the snapshot's channels with the
    // missing low bits left at 0.
    void expect_png_matches_snapshot(const char *path)
    {
        std::vector<unsigned char> rgba;
        unsigned w = 0, h = 0;
        ASSERT_EQ(lodepng::decode(rgba, w, h, path), 0u) << path;
        ASSERT_EQ((int)w, backdrop_snapshot->w);
        ASSERT_EQ((int)h, backdrop_snapshot->h);
        const SDL_PixelFormat *f = backdrop_snapshot->format;
        int differences = 0;
        for (unsigned y = 0; y < h; y++)
            for (unsigned x = 0; x < w; x++) {
                Uint32 p = read_pixel(backdrop_snapshot, (int)x, (int)y);
                int r = (int)((p & f->Rmask) >> f->Rshift) << f->Rloss;
                int g = (int)((p & f->Gmask) >> f->Gshift) << f->Gloss;
                int b = (int)((p & f->Bmask) >> f->Bshift) << f->Bloss;
                const unsigned char *q = &rgba[(y * w + x) * 4];
                if ((q[0] != r || q[1] != g || q[2] != b || q[3] != 255) && differences++ < 5)
                    ADD_FAILURE() << "pixel " << x << "," << y;
            }
        EXPECT_EQ(differences, 0);
    }
};

TEST_F(ScreenshotTest, TheFirstFreeNumberIsUsedAndEveryClickWritesANewFile)
{
    make_snapshot(32, 8, 6);
    SDL_FillRect(backdrop_snapshot, nullptr, 0x336699);
    write_text_file("screenshot1.png", "one");
    write_text_file("screenshot3.png", "three");
    save_screenshot();
    save_screenshot();
    save_screenshot();
    EXPECT_EQ(file_bytes("screenshot1.png"), "one");
    EXPECT_EQ(file_bytes("screenshot3.png"), "three");
    expect_png_matches_snapshot("screenshot2.png");
    std::string second = file_bytes("screenshot2.png");
    EXPECT_FALSE(second.empty());
    EXPECT_EQ(file_bytes("screenshot4.png"), second);  // the same picture twice
    EXPECT_EQ(file_bytes("screenshot5.png"), second);
    EXPECT_FALSE(exists("screenshot6.png"));
}

TEST_F(ScreenshotTest, NamesThatExistButCannotBeReadAreNeverWrittenThrough)
{
    make_snapshot(32, 4, 4);
    write_text_file("screenshot1.png", "keep");
    ASSERT_EQ(chmod("screenshot1.png", 0), 0);  // unreadable, unless the tests run as root
    ASSERT_EQ(symlink("elsewhere.png", "screenshot2.png"), 0);  // dangling: cannot be opened
    ASSERT_EQ(mkdir("screenshot3.png", 0755), 0);
    save_screenshot();
    ASSERT_EQ(chmod("screenshot1.png", 0644), 0);
    EXPECT_EQ(file_bytes("screenshot1.png"), "keep");
    EXPECT_FALSE(exists("elsewhere.png"));
    expect_png_matches_snapshot("screenshot4.png");

    // Asked for a name that exists, the writer leaves it alone.
    write_png_screenshot("screenshot1.png");
    EXPECT_EQ(file_bytes("screenshot1.png"), "keep");
}

TEST_F(ScreenshotTest, WithoutAPictureOrAPlaceToWriteNoFileIsCreated)
{
    save_screenshot();  // no snapshot at all
    EXPECT_FALSE(exists("screenshot1.png"));
    make_snapshot(32, 0, 0);  // the encoder would write an invalid 0x0 PNG
    ASSERT_NE(backdrop_snapshot, nullptr);
    save_screenshot();
    EXPECT_FALSE(exists("screenshot1.png"));
    make_snapshot(32, 2, 2);
    write_png_screenshot("no_such_folder/screenshot1.png");
    EXPECT_FALSE(exists("no_such_folder"));
}

TEST_F(ScreenshotTest, PixelsAreStoredExactlyWithTheLowBitsAFormatLacksAtZero)
{
    srand(99);
    for (int depth : {16, 24, 32}) {
        make_snapshot(depth, 37, 23);
        for (int y = 0; y < 23; y++)
            for (int x = 0; x < 37; x++)
                write_pixel(backdrop_snapshot, x, y,
                            SDL_MapRGB(backdrop_snapshot->format, rand() % 256, rand() % 256,
                                       rand() % 256));
        std::string name = "depth" + std::to_string(depth) + ".png";
        write_png_screenshot(name.c_str());
        SCOPED_TRACE(name);
        expect_png_matches_snapshot(name.c_str());
    }
    make_snapshot(16, 2, 1);
    SDL_FillRect(backdrop_snapshot, nullptr, 0xFFFF);
    write_png_screenshot("white16.png");
    std::vector<unsigned char> rgba;
    unsigned w, h;
    ASSERT_EQ(lodepng::decode(rgba, w, h, "white16.png"), 0u);
    EXPECT_EQ(std::vector<unsigned char>(rgba.begin(), rgba.begin() + 4),
              (std::vector<unsigned char>{248, 252, 248, 255}));
}

// The file is 8-bit RGB with two uncompressed text chunks: the comment, then
// the encoder's identification with its version.
TEST_F(ScreenshotTest, TheFileIsEightBitRgbWithTheCommentAndTheEncodersIdentification)
{
    make_snapshot(32, 64, 48);
    SDL_FillRect(backdrop_snapshot, nullptr, 0x808080);  // grey: must not become a grey PNG
    save_screenshot();
    std::string png = file_bytes("screenshot1.png");
    ASSERT_GT(png.size(), 8u + 25u);
    EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));

    std::vector<std::string> types, texts;
    const unsigned char *data = (const unsigned char *)png.data();
    const unsigned char *end = data + png.size();
    for (const unsigned char *chunk = data + 8; chunk < end;
         chunk = lodepng_chunk_next_const(chunk, end)) {
        char type[5];
        lodepng_chunk_type(type, chunk);
        types.push_back(type);
        EXPECT_EQ(lodepng_chunk_check_crc(chunk), 0u) << type;
        if (types.back() == "tEXt")
            texts.emplace_back((const char *)lodepng_chunk_data_const(chunk),
                               lodepng_chunk_length(chunk));
        if (types.back() == "IEND")
            break;
    }
    // The encoder writes its text chunks after the image data.
    ASSERT_GE(types.size(), 5u);
    EXPECT_EQ(types.front(), "IHDR");
    size_t i = 1;
    while (i < types.size() && types[i] == "IDAT")
        i++;
    EXPECT_GE(i, 2u);
    EXPECT_EQ(std::vector<std::string>(types.begin() + i, types.end()),
              (std::vector<std::string>{"tEXt", "tEXt", "IEND"}));
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], std::string("Comment\0Created with LodePNG", 28));
    EXPECT_EQ(texts[1], std::string("LodePNG\0", 8) + LODEPNG_VERSION_STRING);

    const unsigned char *ihdr = lodepng_chunk_data_const((const unsigned char *)png.data() + 8);
    EXPECT_EQ(ihdr[8], 8);  // bit depth
    EXPECT_EQ(ihdr[9], 2);  // colour type: RGB
}

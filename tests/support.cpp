// support.cpp -- fixtures shared by the tests
#include "support.h"

#include <lodepng.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/display.h"

void ScratchFolderTest::SetUp()
{
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    previous_folder = cwd;
    char pattern[] = "/tmp/rotwalk_test_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder = pattern;
    ASSERT_EQ(chdir(folder.c_str()), 0);
}

void ScratchFolderTest::TearDown()
{
    ASSERT_EQ(chdir(previous_folder.c_str()), 0);
    std::string command = "rm -rf '" + folder + "'";
    ASSERT_EQ(system(command.c_str()), 0);
}

void write_text_file(const char *path, const std::string &text)
{
    FILE *file = fopen(path, "wb");
    ASSERT_NE(file, nullptr) << path;
    fwrite(text.data(), 1, text.size(), file);
    fclose(file);
}

void DisplayTest::SetUp()
{
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    display_surface = SDL_SetVideoMode(640, 480, GetParam(), SDL_SWSURFACE);
    ASSERT_NE(display_surface, nullptr) << SDL_GetError();
    ASSERT_EQ(display_surface->format->BitsPerPixel, GetParam());
    if (GetParam() == 16) {
        ASSERT_EQ(display_surface->format->Rmask, 0xF800u);  // 5-6-5
        ASSERT_EQ(display_surface->format->Gmask, 0x07E0u);
    }
    display_width = 640.0f;
    display_height = 480.0f;
    color_depth = GetParam();
}

void DisplayTest::TearDown()
{
    SDL_Quit();
    display_surface = nullptr;
}

std::string depth_name(const ::testing::TestParamInfo<int> &info)
{
    return "bpp" + std::to_string(info.param);
}

static Uint8 *pixel_address(SDL_Surface *surface, int x, int y)
{
    return (Uint8 *)surface->pixels + y * surface->pitch + x * surface->format->BytesPerPixel;
}

Uint32 read_pixel(SDL_Surface *surface, int x, int y)
{
    Uint8 *p = pixel_address(surface, x, y);
    switch (surface->format->BytesPerPixel) {
    case 1: return *p;
    case 2: return *(Uint16 *)p;
    case 3: return p[0] | p[1] << 8 | p[2] << 16;
    default: return *(Uint32 *)p;
    }
}

void write_pixel(SDL_Surface *surface, int x, int y, Uint32 value)
{
    Uint8 *p = pixel_address(surface, x, y);
    switch (surface->format->BytesPerPixel) {
    case 1: *p = (Uint8)value; break;
    case 2: *(Uint16 *)p = (Uint16)value; break;
    case 3: p[0] = (Uint8)value; p[1] = (Uint8)(value >> 8); p[2] = (Uint8)(value >> 16); break;
    default: *(Uint32 *)p = value; break;
    }
}

void pixel_rgb(SDL_Surface *surface, int x, int y, Uint8 *r, Uint8 *g, Uint8 *b)
{
    SDL_GetRGB(read_pixel(surface, x, y), surface->format, r, g, b);
}

bool save_surface_png(SDL_Surface *surface, const char *path)
{
    std::vector<unsigned char> rgb((size_t)surface->w * surface->h * 3);
    for (int y = 0; y < surface->h; y++)
        for (int x = 0; x < surface->w; x++) {
            unsigned char *p = &rgb[((size_t)y * surface->w + x) * 3];
            pixel_rgb(surface, x, y, &p[0], &p[1], &p[2]);
        }
    return lodepng_encode24_file(path, rgb.data(), surface->w, surface->h) == 0;
}

#include "app/assets.h"

static SDL_Surface *display_format_surface(int w, int h)
{
    const SDL_PixelFormat *f = display_surface->format;
    return SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, f->BitsPerPixel, f->Rmask, f->Gmask,
                                f->Bmask, f->Amask);
}

void make_test_artwork()
{
    fill_sprite_tables();
    font_image = display_format_surface(893, 50);
    SDL_FillRect(font_image, nullptr, key_color(font_image));
    for (int c = 33; c <= 126; c++) {
        SDL_Rect cell = glyph_rects[c - 33];
        SDL_FillRect(font_image, &cell, SDL_MapRGB(font_image->format, (Uint8)c, TEST_GLYPH_GREEN, 0));
    }
    SDL_SetColorKey(font_image, SDL_SRCCOLORKEY, key_color(font_image));
    background_image = display_format_surface(640, 480);
    SDL_FillRect(background_image, nullptr,
                 SDL_MapRGB(background_image->format, TEST_PLAIN_GREY, TEST_PLAIN_GREY, TEST_PLAIN_GREY));
    background_bright_image = display_format_surface(640, 480);
    SDL_FillRect(background_bright_image, nullptr,
                 SDL_MapRGB(background_bright_image->format, TEST_BRIGHT_GREY, TEST_BRIGHT_GREY,
                            TEST_BRIGHT_GREY));
}

void free_test_artwork()
{
    SDL_FreeSurface(font_image);
    SDL_FreeSurface(background_image);
    SDL_FreeSurface(background_bright_image);
    font_image = background_image = background_bright_image = nullptr;
}

// Compares with the colour as the surface can hold it (5-6-5 loses low bits).
void expect_rgb(SDL_Surface *surface, int x, int y, int r, int g, int b)
{
    Uint8 er, eg, eb, ar, ag, ab;
    SDL_GetRGB(SDL_MapRGB(surface->format, (Uint8)r, (Uint8)g, (Uint8)b), surface->format, &er,
               &eg, &eb);
    pixel_rgb(surface, x, y, &ar, &ag, &ab);
    EXPECT_TRUE(ar == er && ag == eg && ab == eb)
        << "at " << x << "," << y << ": (" << (int)ar << "," << (int)ag << "," << (int)ab
        << ") expected (" << (int)er << "," << (int)eg << "," << (int)eb << ")";
}

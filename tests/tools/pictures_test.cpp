// pictures_test.cpp -- the generated pictures have the layouts the game reads them with
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>
#include <lodepng.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "app/assets.h"
#include "media_files.h"

struct PictureLayout {
    const char *path;
    unsigned w, h;
    int color_type;
};

TEST(GeneratedPictures, EveryFileHasItsSizeAndAColourTypeTheGameCanRead)
{
    // Keyed and opaque artwork is plain RGB (a palette or grey file would lose
    // the masks the border-darkness reader needs); alpha artwork is RGBA.
    const PictureLayout LAYOUTS[] = {
        {"Game/bg.png", 640, 480, LCT_RGB},          {"Game/bgbright.png", 640, 480, LCT_RGB},
        {"Game/font.png", 893, 50, LCT_RGB},         {"Game/maptiles.png", 400, 1200, LCT_RGB},
        {"Game/people.png", 36, 108, LCT_RGB},       {"Game/blood.png", 736, 46, LCT_RGBA},
        {"Game/borderdarkness.png", 640, 480, LCT_RGB}, {"dashboard.png", 640, 240, LCT_RGBA},
    };
    for (const PictureLayout &l : LAYOUTS) {
        MediaPicture p = read_media_picture(l.path);
        EXPECT_EQ(p.w, l.w) << l.path;
        EXPECT_EQ(p.h, l.h) << l.path;
        EXPECT_EQ(p.color_type, l.color_type) << l.path;
        // And the game's own loader reads it, with a red channel it can mask.
        SDL_Surface *s = IMG_Load(media_path(l.path).c_str());
        ASSERT_NE(s, nullptr) << l.path;
        EXPECT_EQ((unsigned)s->w, l.w) << l.path;
        EXPECT_GE(s->format->BytesPerPixel, 3) << l.path;
        EXPECT_NE(s->format->Rmask, 0u) << l.path;
        SDL_FreeSurface(s);
    }
}

static float mean_luminance(const MediaPicture &p, int x0, int y0, int x1, int y1)
{
    double sum = 0;
    for (int y = y0; y < y1; y++)
        for (int x = x0; x < x1; x++)
            sum += luminance(pixel_of(p, x, y));
    return (float)(sum / ((x1 - x0) * (y1 - y0)));
}

// Mean difference between horizontal neighbours: how busy an area is.
static float busyness(const MediaPicture &p, int x0, int y0, int x1, int y1)
{
    double sum = 0;
    for (int y = y0; y < y1; y++)
        for (int x = x0; x + 1 < x1; x++)
            sum += std::fabs(luminance(pixel_of(p, x, y)) - luminance(pixel_of(p, x + 1, y)));
    return (float)(sum / ((x1 - x0 - 1) * (y1 - y0)));
}

TEST(GeneratedPictures, BackgroundIsDarkCalmBehindTextAndItsTwinClearlyBrighter)
{
    MediaPicture bg = read_media_picture("Game/bg.png");
    MediaPicture bright = read_media_picture("Game/bgbright.png");
    ASSERT_EQ(bg.w, 640u);
    ASSERT_EQ(bright.w, 640u);
    EXPECT_LT(mean_luminance(bg, 0, 0, 640, 480), 70.0f);
    // The title (top centre, y 60 to 103) and the menu rows (left, from y 144) stand on calm sky.
    EXPECT_LT(busyness(bg, 200, 55, 440, 105), 4.0f);
    EXPECT_LT(busyness(bg, 0, 144, 320, 240), 4.0f);
    // Aligned pixel for pixel: every pixel of the twin is at least as bright, and clearly so on average.
    int darker = 0;
    for (int y = 0; y < 480; y++)
        for (int x = 0; x < 640; x++) {
            Rgba a = pixel_of(bg, x, y), b = pixel_of(bright, x, y);
            darker += b.r < a.r || b.g < a.g || b.b < a.b;
        }
    EXPECT_EQ(darker, 0);
    EXPECT_GT(mean_luminance(bright, 0, 0, 640, 480), mean_luminance(bg, 0, 0, 640, 480) + 30);
    // Also where the gauges run (y 405 to 450), so their fill shows.
    EXPECT_GT(mean_luminance(bright, 22, 407, 618, 448), mean_luminance(bg, 22, 407, 618, 448) + 25);
}

TEST(GeneratedPictures, EveryBigGlyphIsPresentDistinctAndRimmedInsideItsCell)
{
    fill_sprite_tables();
    MediaPicture font = read_media_picture("Game/font.png");
    ASSERT_EQ(font.w, 893u);
    std::set<std::vector<int>> shapes;
    for (int entry = 0; entry < GLYPH_COUNT; entry++) {
        const SDL_Rect &r = glyph_rects[entry];
        int cell_x = r.x - 1, cell_y = r.y - 1;
        // The cell's one-pixel margin around the glyph is transparent.
        for (int i = 0; i < GLYPH_CELL_W; i++) {
            EXPECT_TRUE(is_key(pixel_of(font, cell_x + i, cell_y))) << (char)(entry + 33);
            EXPECT_TRUE(is_key(pixel_of(font, cell_x + i, cell_y + GLYPH_CELL_H - 1))) << (char)(entry + 33);
        }
        std::vector<int> shape;
        int ink = 0, light = 0;
        for (int y = r.y; y < r.y + r.h; y++)
            for (int x = r.x; x < r.x + r.w; x++) {
                Rgba c = pixel_of(font, x, y);
                shape.push_back(is_key(c) ? -1 : (int)luminance(c));
                ink += !is_key(c);
                if (luminance(c) > 100 && !is_key(c)) {
                    light++;
                    // A light pixel never touches the key: the dark rim lets it read on any picture.
                    EXPECT_FALSE(is_key(pixel_of(font, x - 1, y)) || is_key(pixel_of(font, x + 1, y)) ||
                                 is_key(pixel_of(font, x, y - 1)) || is_key(pixel_of(font, x, y + 1)))
                        << (char)(entry + 33) << " at " << x << "," << y;
                }
            }
        EXPECT_GT(light, 2) << (char)(entry + 33);
        EXPECT_GT(ink, light) << (char)(entry + 33);
        shapes.insert(shape);
    }
    EXPECT_EQ(shapes.size(), (size_t)GLYPH_COUNT);
}

TEST(GeneratedPictures, DashboardHoldsSmallFontPanelsPointerAndBars)
{
    MediaPicture d = read_media_picture("dashboard.png");
    ASSERT_EQ(d.w, 640u);
    auto alpha_sum = [&](int x0, int y0, int w, int h) {
        long sum = 0;
        for (int y = y0; y < y0 + h; y++)
            for (int x = x0; x < x0 + w; x++)
                sum += pixel_of(d, x, y).a;
        return sum;
    };
    // Small font: 20 by 20 cells, 32 to a row from character 32; 33 to 126 all drawn and distinct.
    std::set<std::vector<unsigned char>> glyphs;
    for (int code = 33; code <= 126; code++) {
        int k = code - 32, x0 = 20 * (k % 32), y0 = 20 * (k / 32);
        EXPECT_GT(alpha_sum(x0, y0, 20, 20), 255 * 6) << (char)code;
        // Legible at a 10-pixel advance: the ink keeps to the middle of the cell.
        EXPECT_EQ(alpha_sum(x0, y0, 3, 20) + alpha_sum(x0 + 17, y0, 3, 20), 0) << (char)code;
        std::vector<unsigned char> g;
        for (int y = y0; y < y0 + 20; y++)
            for (int x = x0; x < x0 + 20; x++)
                g.push_back(pixel_of(d, x, y).a);
        glyphs.insert(g);
    }
    EXPECT_EQ(glyphs.size(), 94u);
    // Panel sets: both present, set 1 clearly brighter; the middle pieces repeat seamlessly.
    float light[2] = {0, 0};
    for (int s = 0; s < 2; s++) {
        for (int y = 60; y < 120; y++)
            for (int x = 60 * s; x < 60 * s + 60; x++) {
                Rgba c = pixel_of(d, x, y);
                light[s] += luminance(c) * c.a / 255.0f;
            }
        for (int j = 0; j < 3; j++) {
            int seam = 0;
            for (int y = 60 + 20 * j; y < 80 + 20 * j; y++) {
                Rgba left = pixel_of(d, 60 * s + 20, y), right = pixel_of(d, 60 * s + 39, y);
                seam += colour_distance(left, right) + std::abs(left.a - right.a);
            }
            EXPECT_LT(seam / 20, 40) << "set " << s << " row " << j;
        }
        EXPECT_GT(alpha_sum(60 * s + 20, 80, 20, 15), 20 * 15 * 100) << "the centre piece backs the label";
    }
    EXPECT_GT(light[1], light[0] * 1.5f);
    // The pointer's tip is its hot spot, 12 right of and 10 below the sprite's corner.
    EXPECT_GT(pixel_of(d, 440 + 12, 60 + 10).a, 128);
    EXPECT_EQ(pixel_of(d, 440 + 10, 60 + 8).a, 0);
    EXPECT_GT(alpha_sum(440, 60, 40, 60), 255 * 150);
    // Nothing else lives between the panels and the pointer, or after it.
    EXPECT_EQ(alpha_sum(120, 60, 320, 60), 0);
    EXPECT_EQ(alpha_sum(480, 60, 160, 60), 0);
    // Both bars cover their whole area, see-through but not faint.
    for (int top : {120, 180}) {
        int see_through = 0, empty = 0;
        for (int y = top; y < top + 60; y++)
            for (int x = 0; x < 640; x++) {
                int a = pixel_of(d, x, y).a;
                empty += a == 0;
                see_through += a > 100 && a < 250;
            }
        EXPECT_EQ(empty, 0) << top;
        EXPECT_GT(see_through, 640 * 60 * 8 / 10) << top;
    }
}

TEST(GeneratedPictures, PeopleFaceRightStayInsideTheirCircleAndThePlayerStandsOut)
{
    MediaPicture p = read_media_picture("Game/people.png");
    ASSERT_EQ(p.h, 108u);
    std::vector<Rgba> colours[3];
    for (int s = 0; s < 3; s++) {
        int top = 36 * s;
        double sum_x = 0, sum_y = 0;
        int count = 0, front = 0, back = 35;
        for (int y = 0; y < 36; y++)
            for (int x = 0; x < 36; x++) {
                Rgba c = pixel_of(p, x, top + y);
                if (x == 0 || y == 35) {
                    EXPECT_TRUE(is_key(c)) << "sprite " << s << " never samples " << x << "," << y;
                    continue;
                }
                if (is_key(c))
                    continue;
                count++;
                sum_x += x;
                sum_y += y;
                colours[s].push_back(c);
                // Beyond 18 pixels from the centre a pixel would come and go as the sprite turns.
                EXPECT_LE(std::hypot(x + 0.5 - 18, y + 0.5 - 18), 18.0) << "sprite " << s << " " << x << "," << y;
                front = std::max(front, x);
                back = std::min(back, x);
            }
        EXPECT_GT(count, 250) << s;
        EXPECT_NEAR(sum_x / count, 18, 4) << s;
        EXPECT_NEAR(sum_y / count, 18, 4) << s;
        if (s < 2) {
            EXPECT_GT(front - 18, 18 - back + 2) << "the living reach out towards +x: " << s;
        }
    }
    // The player carries colours that no part of a zombie (or a corpse) has.
    int unique = 0;
    for (Rgba c : colours[0]) {
        bool shared = false;
        for (int s = 1; s < 3 && !shared; s++)
            for (Rgba z : colours[s])
                if (colour_distance(c, z) < 90) {
                    shared = true;
                    break;
                }
        unique += !shared;
    }
    EXPECT_GT(unique, 60);
}

TEST(GeneratedPictures, SixteenDistinctDarkRedSplatsWithSoftEdgesAndClearBorders)
{
    MediaPicture b = read_media_picture("Game/blood.png");
    ASSERT_EQ(b.w, 736u);
    std::set<std::vector<unsigned char>> splats;
    for (int i = 0; i < 16; i++) {
        int solid = 0, soft = 0;
        std::vector<unsigned char> alpha;
        for (int y = 0; y < 46; y++)
            for (int x = 0; x < 46; x++) {
                Rgba c = pixel_of(b, 46 * i + x, y);
                alpha.push_back((unsigned char)c.a);
                if (x == 0 || y == 0 || x == 45 || y == 45) {
                    EXPECT_EQ(c.a, 0) << "splat " << i << " is cut at its border";
                }
                if (c.a == 0)
                    continue;
                solid += c.a >= 160;
                soft += c.a < 100;
                EXPECT_GT(c.r, c.g + 30) << i;
                EXPECT_GT(c.r, c.b + 30) << i;
                EXPECT_LT(c.r, 200) << i;
            }
        EXPECT_GT(solid, 40) << i;
        EXPECT_GT(soft, 20) << i;
        splats.insert(alpha);
    }
    EXPECT_EQ(splats.size(), 16u);
}

TEST(GeneratedPictures, BorderDarknessIsLitInTheMiddleAndFallsToBlackAtTheEdges)
{
    MediaPicture d = read_media_picture("Game/borderdarkness.png");
    ASSERT_EQ(d.w, 640u);
    // Grey throughout: the game reads only the red channel.
    for (int y = 0; y < 480; y += 7)
        for (int x = 0; x < 640; x += 7) {
            Rgba c = pixel_of(d, x, y);
            EXPECT_TRUE(c.r == c.g && c.g == c.b) << x << "," << y;
        }
    // A large lit middle...
    for (int y = 140; y < 340; y++)
        for (int x = 190; x < 450; x++)
            ASSERT_EQ(pixel_of(d, x, y).r, 255) << x << "," << y;
    // ...black corners and edges...
    for (int i = 0; i < 5; i++) {
        EXPECT_EQ(pixel_of(d, i, i).r, 0);
        EXPECT_EQ(pixel_of(d, 639 - i, 479 - i).r, 0);
        EXPECT_EQ(pixel_of(d, 639 - i, i).r, 0);
        EXPECT_EQ(pixel_of(d, i, 479 - i).r, 0);
    }
    EXPECT_LT(pixel_of(d, 0, 240).r, 8);
    EXPECT_LT(pixel_of(d, 320, 0).r, 8);
    // ...and a fall-off in between that never brightens towards the edge.
    for (int x = 321; x < 640; x++)
        EXPECT_LE(pixel_of(d, x, 240).r, pixel_of(d, x - 1, 240).r + 1) << x;
    for (int y = 241; y < 480; y++)
        EXPECT_LE(pixel_of(d, 320, y).r, pixel_of(d, 320, y - 1).r + 1) << y;
}

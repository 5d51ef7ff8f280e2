// pictures_test.cpp -- the generated pictures have the layouts the game reads them with
#include <SDL_image.h>

#include <numeric>
#include <set>

#include "app/assets.h"
#include "media_files.h"

// Keyed and opaque artwork is plain RGB (a palette or grey file would lose the
// masks the border-darkness reader needs); alpha artwork is RGBA.
TEST(GeneratedPictures, EveryFileHasItsSizeAndAColourTypeTheGameCanRead)
{
    const struct { const char *path; unsigned w, h; int color_type; } layouts[] = {
        {"Game/bg.png", 640, 480, LCT_RGB},     {"Game/bgbright.png", 640, 480, LCT_RGB},
        {"Game/font.png", 893, 50, LCT_RGB},    {"Game/maptiles.png", 400, 1200, LCT_RGB},
        {"Game/people.png", 36, 108, LCT_RGB},  {"Game/blood.png", 736, 46, LCT_RGBA},
        {"Game/borderdarkness.png", 640, 480, LCT_RGB}, {"dashboard.png", 640, 240, LCT_RGBA},
    };
    for (const auto &l : layouts) {
        MediaPicture p = read_media_picture(l.path);
        EXPECT_TRUE(p.w == l.w && p.h == l.h && p.color_type == l.color_type) << l.path;
        SDL_Surface *s = IMG_Load(media_path(l.path).c_str());  // as the game loads it
        ASSERT_NE(s, nullptr) << l.path;
        EXPECT_TRUE(s->w == (int)l.w && s->format->BytesPerPixel >= 3 && s->format->Rmask != 0) << l.path;
        SDL_FreeSurface(s);
    }
}

// The bright twin shows through lit rows, buttons and gauges in place of the
// background, so it must be the same picture: never darker, clearly brighter.
TEST(GeneratedPictures, TheBrightBackgroundIsTheSamePictureBrighterPixelForPixel)
{
    MediaPicture bg = read_media_picture("Game/bg.png"), bright = read_media_picture("Game/bgbright.png");
    ASSERT_TRUE(bg.w == 640 && bright.w == 640);
    int darker = 0;
    double gain = 0;
    for (int i = 0; i < 640 * 480; i++) {
        Rgba a = bg.at(i % 640, i / 640), b = bright.at(i % 640, i / 640);
        darker += b.r < a.r || b.g < a.g || b.b < a.b;
        gain += luminance(b) - luminance(a);
    }
    EXPECT_EQ(darker, 0);
    EXPECT_GT(gain / (640 * 480), 30.0);
}

// Both fonts: characters 33 to 126 all inked and distinct; the big glyphs
// inside a keyed one-pixel margin of their 19x25 cells, the small ones kept to
// the middle 14 columns of their 20x20 cells (from character 32, rows of 32)
// to read at a 10-pixel advance.
TEST(GeneratedPictures, EveryGlyphOfBothFontsIsInkedDistinctAndInsideItsCell)
{
    fill_sprite_tables();
    MediaPicture font = read_media_picture("Game/font.png"), dash = read_media_picture("dashboard.png");
    ASSERT_TRUE(font.w == 893 && dash.w == 640);
    std::set<std::vector<int>> big, small;
    for (int c = 33; c <= 126; c++) {
        const SDL_Rect &r = glyph_rects[c - 33];
        int margin_ink = 0, small_x = 20 * ((c - 32) % 32), small_y = 20 * ((c - 32) / 32), outside = 0;
        std::vector<int> shape, small_shape;
        for (int i = 0; i < GLYPH_CELL_W; i++)  // the ring of the cell around the glyph
            margin_ink += !is_key(font.at(r.x - 1 + i, r.y - 1)) + !is_key(font.at(r.x - 1 + i, r.y + GLYPH_H));
        for (int i = 0; i < GLYPH_CELL_H; i++)
            margin_ink += !is_key(font.at(r.x - 1, r.y - 1 + i)) + !is_key(font.at(r.x + GLYPH_W, r.y - 1 + i));
        for (int i = 0; i < GLYPH_W * GLYPH_H; i++) {
            Rgba p = font.at(r.x + i % GLYPH_W, r.y + i / GLYPH_W);
            shape.push_back(is_key(p) ? -1 : (int)luminance(p));
        }
        for (int i = 0; i < 400; i++) {
            small_shape.push_back(dash.at(small_x + i % 20, small_y + i / 20).a);
            outside += (i % 20 < 3 || i % 20 >= 17) * small_shape.back();
        }
        EXPECT_EQ(margin_ink, 0) << (char)c;
        EXPECT_GT(std::count_if(shape.begin(), shape.end(), [](int l) { return l > 100; }), 2) << (char)c;
        EXPECT_GT(std::accumulate(small_shape.begin(), small_shape.end(), 0), 255 * 6) << (char)c;
        EXPECT_EQ(outside, 0) << (char)c;
        big.insert(shape);
        small.insert(small_shape);
    }
    EXPECT_TRUE(big.size() == 94 && small.size() == 94);
}

// The pointer's tip at its hot spot; both bars semi-transparent over their whole area.
TEST(GeneratedPictures, DashboardHoldsThePointerAndSeeThroughBars)
{
    MediaPicture d = read_media_picture("dashboard.png");
    ASSERT_EQ(d.w, 640u);
    EXPECT_GT(d.at(440 + 12, 60 + 10).a, 128);
    EXPECT_EQ(d.at(440 + 10, 60 + 8).a, 0);
    for (int top : {120, 180}) {
        int see_through = 0, empty = 0;
        for (int i = 0; i < 640 * 60; i++) {
            int a = d.at(i % 640, top + i / 640).a;
            empty += a == 0;
            see_through += a > 100 && a < 250;
        }
        EXPECT_TRUE(empty == 0 && see_through > 640 * 60 * 8 / 10) << top;
    }
}

// Each sprite keeps column 0 and row 35 keyed (the rotation never samples
// them) and every pixel within 18 of the centre (beyond, it would come and go
// as the sprite turns); the living reach out towards +x, where angle 0 looks.
TEST(GeneratedPictures, PeopleFaceRightAndStayInsideTheirTurningCircle)
{
    MediaPicture p = read_media_picture("Game/people.png");
    ASSERT_EQ(p.h, 108u);
    for (int s = 0; s < 3; s++) {
        int count = 0, front = 0, back = 35;
        for (int y = 0; y < 36; y++)
            for (int x = 0; x < 36; x++) {
                if (is_key(p.at(x, 36 * s + y)))
                    continue;
                EXPECT_TRUE(x > 0 && y < 35 && std::hypot(x + 0.5 - 18, y + 0.5 - 18) <= 18.0) << s << " at " << x << "," << y;
                count++;
                front = std::max(front, x);
                back = std::min(back, x);
            }
        EXPECT_GT(count, 250) << s;
        EXPECT_TRUE(s == 2 || front - 18 > 18 - back + 2) << s;
    }
}

// Sixteen dark red splats with per-pixel alpha, transparent at their borders.
TEST(GeneratedPictures, BloodSplatsAreDarkRedAndClearAtTheirBorders)
{
    MediaPicture b = read_media_picture("Game/blood.png");
    ASSERT_EQ(b.w, 736u);
    for (int i = 0; i < 16; i++) {
        int solid = 0;
        for (int y = 0; y < 46; y++)
            for (int x = 0; x < 46; x++) {
                Rgba c = b.at(46 * i + x, y);
                solid += c.a >= 160;
                EXPECT_TRUE(c.a == 0 || (x > 0 && y > 0 && x < 45 && y < 45 && c.r > c.g + 30 && c.r > c.b + 30 && c.r < 200))
                    << "splat " << i << " at " << x << "," << y;
            }
        EXPECT_GT(solid, 40) << i;
    }
}

TEST(GeneratedPictures, BorderDarknessIsLitInTheMiddleAndBlackAtTheEdges)
{
    MediaPicture d = read_media_picture("Game/borderdarkness.png");
    ASSERT_EQ(d.w, 640u);
    for (int y = 140; y < 340; y++)
        for (int x = 190; x < 450; x++)
            ASSERT_EQ(d.at(x, y).r, 255) << x << "," << y;
    EXPECT_EQ(d.at(0, 0).r + d.at(639, 479).r + d.at(639, 0).r + d.at(0, 479).r, 0);
    EXPECT_TRUE(d.at(0, 240).r < 8 && d.at(639, 240).r < 8 && d.at(320, 0).r < 8 && d.at(320, 479).r < 8);
}

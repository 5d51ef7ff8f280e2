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
        int margin_ink = 0, outside = 0, inked = 0;
        std::vector<int> shape, small_shape;
        for (int i = 0; i < GLYPH_CELL_W * GLYPH_CELL_H; i++) {
            int x = i % GLYPH_CELL_W - 1, y = i / GLYPH_CELL_W - 1;  // relative to the glyph's corner
            Rgba p = font.at(r.x + x, r.y + y);
            if (x < 0 || y < 0 || x >= GLYPH_W || y >= GLYPH_H)
                margin_ink += !is_key(p);
            else
                shape.push_back(is_key(p) ? -1 : (int)luminance(p)), inked += shape.back() > 100;
        }
        for (int i = 0; i < 400; i++) {
            small_shape.push_back(dash.at(20 * ((c - 32) % 32) + i % 20, 20 * ((c - 32) / 32) + i / 20).a);
            outside += (i % 20 < 3 || i % 20 >= 17) * small_shape.back();
        }
        EXPECT_TRUE(margin_ink == 0 && inked > 2 && outside == 0) << (char)c;
        EXPECT_GT(std::accumulate(small_shape.begin(), small_shape.end(), 0), 255 * 6) << (char)c;
        big.insert(shape), small.insert(small_shape);
    }
    EXPECT_TRUE(big.size() == 94 && small.size() == 94);
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
        for (int i = 0; i < 36 * 36; i++) {
            int x = i % 36, y = i / 36;
            if (is_key(p.at(x, 36 * s + y)))
                continue;
            EXPECT_TRUE(x > 0 && y < 35 && std::hypot(x + 0.5 - 18, y + 0.5 - 18) <= 18.0) << s << ": " << x << "," << y;
            count++, front = std::max(front, x), back = std::min(back, x);
        }
        EXPECT_TRUE(count > 250 && (s == 2 || front - 18 > 18 - back + 2)) << s;
    }
}

// The darkness the game reads from the red channel: lit in the middle, black
// in the corners; splats are transparent at their borders.
TEST(GeneratedPictures, BorderDarknessIsLitInTheMiddleAndSplatsClearAtTheirBorders)
{
    MediaPicture d = read_media_picture("Game/borderdarkness.png"), b = read_media_picture("Game/blood.png");
    ASSERT_TRUE(d.w == 640 && b.w == 736);
    for (int i = 0; i < 200 * 260; i++)
        ASSERT_EQ(d.at(190 + i % 260, 140 + i / 260).r, 255) << 190 + i % 260 << "," << 140 + i / 260;
    EXPECT_EQ(d.at(0, 0).r + d.at(639, 479).r + d.at(639, 0).r + d.at(0, 479).r, 0);
    for (int i = 0; i < 736; i++)
        EXPECT_EQ(b.at(i, 0).a + b.at(i, 45).a + b.at(i / 46 * 46, i % 46).a, 0) << i;  // and each left column
}

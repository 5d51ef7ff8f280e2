// fonts.cpp -- the game's big bitmap font and the dashboard's small font, rendered through FreeType
#include "fonts.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <vector>

// Big font: bold, light, with a dark rim so it reads on both menu pictures and over the game.
const int BIG_PIXEL_SIZE = 18;
// The GLYPH_ADVANCE box of each character is centred on its glyph's middle.
const float BIG_CENTRE_X = GLYPH_W / 2.0f;
const int BIG_BASELINE = 17;
const float BIG_RIM = 1.3f;  // outline radius in pixels
// Small font: the cell starts SMALL_TEXT_SHIFT left of the pen, so the pen's
// SMALL_TEXT_ADVANCE box is centred here in the cell.
const int SMALL_PIXEL_SIZE = 14;
const float SMALL_CENTRE_X = SMALL_TEXT_SHIFT + SMALL_TEXT_ADVANCE / 2.0f;
const int SMALL_FONT_ROWS = (SMALL_GLYPH_COUNT + SMALL_GLYPH_COLUMNS - 1) / SMALL_GLYPH_COLUMNS;
static_assert(SMALL_FONT_ROWS * SMALL_GLYPH_SIZE <= PANEL_PIECES_Y,
              "the small font stays above the frame pieces");
const int SMALL_BASELINE = 14;
const float SMALL_RIM = 1.2f;

// Antialiased coverage of one glyph in a box, 0..1 per pixel.
struct Coverage {
    int w, h;
    std::vector<float> v;
};

static float coverage_at(const Coverage &c, int x, int y)
{
    if (x < 0 || y < 0 || x >= c.w || y >= c.h)
        return 0;
    return c.v[(size_t)y * c.w + x];
}

static bool open_face(FT_Library &library, FT_Face &face, int pixel_size, std::string &error)
{
    if (FT_Init_FreeType(&library) != 0) {
        error = "cannot start FreeType";
        return false;
    }
    if (FT_New_Face(library, FONT_FACE_PATH, 0, &face) != 0) {
        error = std::string("cannot read the font face ") + FONT_FACE_PATH;
        FT_Done_FreeType(library);
        return false;
    }
    FT_Set_Pixel_Sizes(face, 0, pixel_size);
    return true;
}

// Renders a character with its advance box centred on centre_x and its baseline on row baseline.
static Coverage render_glyph(FT_Face face, int code, int w, int h, float centre_x, int baseline)
{
    Coverage c = {w, h, std::vector<float>((size_t)w * h, 0.0f)};
    if (FT_Load_Char(face, code, FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL) != 0)
        return c;
    FT_GlyphSlot slot = face->glyph;
    float advance = slot->advance.x / 64.0f;
    int pen_x = (int)std::lround(centre_x - advance / 2);
    int left = pen_x + slot->bitmap_left, top = baseline - slot->bitmap_top;
    const FT_Bitmap &bitmap = slot->bitmap;
    for (unsigned row = 0; row < bitmap.rows; row++)
        for (unsigned col = 0; col < bitmap.width; col++) {
            int x = left + (int)col, y = top + (int)row;
            if (x >= 0 && y >= 0 && x < w && y < h)
                c.v[(size_t)y * w + x] = bitmap.buffer[row * bitmap.pitch + col] / 255.0f;
        }
    return c;
}

// Strength of the dark rim: the strongest coverage within `radius`, fading over the last pixel.
static float rim_at(const Coverage &c, int x, int y, float radius, int shadow)
{
    float best = 0;
    int reach = (int)std::ceil(radius) + shadow;
    for (int j = -reach; j <= reach; j++)
        for (int i = -reach; i <= reach; i++) {
            // A drop shadow: the rim reaches further down and to the right.
            float di = i > 0 ? std::max(0, i - shadow) : i;
            float dj = j > 0 ? std::max(0, j - shadow) : j;
            float d = std::hypot(di, dj);
            float weight = clamp01(radius + 0.5f - d);
            // Even faint ink earns a full rim, so no lit pixel ever borders the key.
            best = std::max(best, clamp01(coverage_at(c, x - i, y - j) * 3) * weight);
        }
    return best;
}

static Color big_ink(int y)
{
    // Bone white at the top shading to a worn parchment at the bottom.
    float t = clamp01((y - 3) / 16.0f);
    return mix(rgb(246, 240, 222), rgb(196, 178, 150), t);
}

bool make_big_font(Picture &sheet, std::string &error)
{
    FT_Library library;
    FT_Face face;
    if (!open_face(library, face, BIG_PIXEL_SIZE, error))
        return false;
    sheet = make_picture(BIG_FONT_W, BIG_FONT_H, TRANSPARENT);
    const Color rim = rgb(18, 12, 10);
    for (int code = FIRST_GLYPH_CHAR; code <= LAST_GLYPH_CHAR; code++) {
        int entry = code - FIRST_GLYPH_CHAR;
        int ox = glyph_x(entry), oy = glyph_y(entry);
        Coverage c = render_glyph(face, code, GLYPH_W, GLYPH_H, BIG_CENTRE_X, BIG_BASELINE);
        for (int y = 0; y < GLYPH_H; y++)
            for (int x = 0; x < GLYPH_W; x++) {
                float ink = coverage_at(c, x, y);
                float outline = rim_at(c, x, y, BIG_RIM, 1);
                // The sheet is colour-keyed: a pixel is either solid or cyan, so the
                // antialiasing of the letter blends into its rim, never into the key.
                if (ink < 0.08f && outline < 0.4f)
                    continue;
                Color col = mix(rim, big_ink(y), smoothstep(0.05f, 0.85f, ink));
                col.a = 1;
                at(sheet, ox + x, oy + y) = col;
            }
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    return true;
}

bool draw_small_font(Picture &dashboard, std::string &error)
{
    FT_Library library;
    FT_Face face;
    if (!open_face(library, face, SMALL_PIXEL_SIZE, error))
        return false;
    const Color ink_colour = rgb(236, 232, 220);
    const Color rim = rgb(8, 6, 6);
    for (int code = FIRST_SMALL_GLYPH; code <= LAST_SMALL_GLYPH; code++) {
        int entry = code - FIRST_SMALL_GLYPH;
        int ox = small_glyph_x(entry), oy = small_glyph_y(entry);
        Coverage c = render_glyph(face, code, SMALL_GLYPH_SIZE, SMALL_GLYPH_SIZE, SMALL_CENTRE_X,
                                  SMALL_BASELINE);
        for (int y = 0; y < SMALL_GLYPH_SIZE; y++)
            for (int x = 0; x < SMALL_GLYPH_SIZE; x++) {
                float ink = coverage_at(c, x, y);
                float outline = rim_at(c, x, y, SMALL_RIM, 1) * 0.85f;
                float a = std::max(ink, outline);
                if (a <= 0)
                    continue;
                Color col = mix(rim, ink_colour, ink / a);
                col.a = a;
                at(dashboard, ox + x, oy + y) = col;
            }
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    return true;
}

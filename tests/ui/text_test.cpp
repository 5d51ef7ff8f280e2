// text_test.cpp -- where text starts on the display and the view, which characters draw
#include "support.h"
#include "ui/text.h"

using TextTest = ScreenTest;

// Character i of `text` has its pen at first + 12 i: a glyph's 17x23 block
// starts exactly there, over the right margin of the glyph before; a
// character without a glyph leaves its cell's middle empty.
static void expect_text_from(SDL_Surface *surface, int first, int y, const char *text)
{
    Uint32 before = 0;
    for (int i = 0; text[i]; i++) {
        int x = first + 12 * i;
        unsigned char c = (unsigned char)text[i];
        EXPECT_TRUE(x == 0 || read_pixel(surface, x - 1, y) == before) << c << " at " << x;
        before = 0;
        if (c < 33 || c > 126) {
            expect_grey(surface, x + 8, y, 0);
            continue;
        }
        expect_test_glyph(surface, x, y, (char)c);
        expect_test_glyph(surface, x, y + 22, (char)c);
        expect_grey(surface, x, y - 1, 0);
        expect_grey(surface, x, y + 23, 0);
        before = display_rgb(c, TEST_GLYPH_GREEN, 0);
    }
}

TEST_P(TextTest, TextStartsByItsAlignmentAndEveryCharacterAdvancesTwelve)
{
    const struct { int x, align, first; const char *text; } cases[] = {
        {550, TEXT_CENTER, 520, "Back"}, {320, TEXT_CENTER, 278, "Resume"}, {20, TEXT_LEFT, 20, "Map"},
        {300, 7, 0, "Odd"},  // any other alignment starts at the left edge
        {20, TEXT_LEFT, 20, "A B\x7f" "C\x01" "D"}};
    for (const auto &c : cases) {
        SDL_FillRect(display_surface, nullptr, 0);
        draw_text(c.x, 100, c.text, c.align);
        expect_text_from(display_surface, c.first, 100, c.text);
    }
    expect_test_glyph(display_surface, 92 + 16, 100, 'D');  // the last block is whole
    expect_grey(display_surface, 92 + 17, 100, 0);
    view_surface = display_like_surface(640, 480);  // labels are centred on the view, not the display
    SDL_FillRect(view_surface, nullptr, 0);
    SDL_FillRect(display_surface, nullptr, 0);
    draw_label_on_view(100, 40, "P1");
    expect_text_from(view_surface, 82, 40, "P1");
    EXPECT_EQ(differing_pixels(display_surface, nullptr, 0), 0);
    SDL_FreeSurface(view_surface);
    view_surface = nullptr;
}

INSTANTIATE_AT_ONE_DEPTH(TextTest);

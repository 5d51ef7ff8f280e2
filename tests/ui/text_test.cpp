// text_test.cpp -- text placement on the display and the view, gauges
#include "app/assets.h"
#include "app/display.h"
#include "support.h"
#include "ui/text.h"

class TextTest : public DisplayTest {
protected:
    void SetUp() override
    {
        DisplayTest::SetUp();
        make_test_artwork();
        SDL_FillRect(display_surface, nullptr, 0);
    }
    void TearDown() override
    {
        free_test_artwork();
        DisplayTest::TearDown();
    }
    void expect_glyph_left_edge(SDL_Surface *surface, int x, int y, char c)
    {
        expect_rgb(surface, x, y, c, TEST_GLYPH_GREEN, 0);
        expect_rgb(surface, x, y + 22, c, TEST_GLYPH_GREEN, 0);
    }
    void expect_black(int x, int y) { expect_rgb(display_surface, x, y, 0, 0, 0); }
};

TEST_P(TextTest, CentredAndLeftAlignedTextStartWhereExpected)
{
    draw_text(550, 395, "Back", TEXT_CENTER);
    expect_black(519, 395);
    expect_glyph_left_edge(display_surface, 520, 395, 'B');
    expect_glyph_left_edge(display_surface, 532, 395, 'a');  // drawn over B's right margin
    expect_glyph_left_edge(display_surface, 556, 395, 'k');
    expect_rgb(display_surface, 556 + 16, 395, 'k', TEST_GLYPH_GREEN, 0);
    expect_black(556 + 17, 395);
    expect_black(520, 394);
    expect_black(520, 395 + 23);

    draw_text(320, 100, "Resume", TEXT_CENTER);
    expect_black(277, 100);
    expect_glyph_left_edge(display_surface, 278, 100, 'R');

    draw_text(20, 200, "Map", TEXT_LEFT);
    expect_black(19, 200);
    expect_glyph_left_edge(display_surface, 20, 200, 'M');
    expect_glyph_left_edge(display_surface, 44, 200, 'p');

    draw_text(300, 300, "Odd", 7);  // any other alignment starts at the left edge
    expect_glyph_left_edge(display_surface, 0, 300, 'O');
    expect_black(300, 300);
}

TEST_P(TextTest, CharactersWithoutAGlyphAdvanceAndDrawNothing)
{
    draw_text(20, 50, "A B\x7f" "C\x01" "D", TEXT_LEFT);
    expect_glyph_left_edge(display_surface, 20, 50, 'A');
    expect_rgb(display_surface, 36, 50, 'A', TEST_GLYPH_GREEN, 0);
    for (int x = 37; x < 44; x++)
        expect_black(x, 50);  // the space leaves a gap after A's cell
    expect_glyph_left_edge(display_surface, 44, 50, 'B');
    expect_glyph_left_edge(display_surface, 68, 50, 'C');  // 127 took a cell
    expect_glyph_left_edge(display_surface, 92, 50, 'D');  // so did 1
    draw_text(20, 100, "", TEXT_CENTER);
    for (int x = 0; x < 640; x += 3)
        expect_black(x, 110);
}

TEST_P(TextTest, LabelsOnTheViewAreCentredOnTheViewSurface)
{
    view_surface = SDL_DisplayFormat(display_surface);
    SDL_FillRect(view_surface, nullptr, 0);
    draw_label_on_view(100, 40, "P1");
    expect_glyph_left_edge(view_surface, 82, 40, 'P');
    expect_glyph_left_edge(view_surface, 94, 40, '1');
    expect_black(82, 40);  // nothing on the display
    SDL_FreeSurface(view_surface);
    view_surface = nullptr;
}

TEST_P(TextTest, BarsShowTheBrightPictureOverTheirFilledShare)
{
    draw_bar(405, 450, 1.0f);
    int mid = 415;
    expect_black(20, mid);
    expect_black(21, mid);
    expect_rgb(display_surface, 22, mid, TEST_BRIGHT_GREY, TEST_BRIGHT_GREY, TEST_BRIGHT_GREY);
    expect_rgb(display_surface, 467, mid, TEST_BRIGHT_GREY, TEST_BRIGHT_GREY, TEST_BRIGHT_GREY);
    expect_black(468, mid);
    expect_black(469, mid);
    expect_black(470, mid);  // outside the frame: untouched
    expect_black(100, 406);
    expect_rgb(display_surface, 100, 407, TEST_BRIGHT_GREY, TEST_BRIGHT_GREY, TEST_BRIGHT_GREY);
    expect_rgb(display_surface, 100, 422, TEST_BRIGHT_GREY, TEST_BRIGHT_GREY, TEST_BRIGHT_GREY);
    expect_black(100, 423);

    draw_bar(430, 450, 0.5f);
    expect_rgb(display_surface, 242, 440, TEST_BRIGHT_GREY, TEST_BRIGHT_GREY, TEST_BRIGHT_GREY);
    expect_rgb(display_surface, 243, 440, TEST_PLAIN_GREY, TEST_PLAIN_GREY, TEST_PLAIN_GREY);

    for (float fraction : {0.0f, 0.01f, -3.0f}) {
        draw_bar(100, 450, fraction);  // trunc(450 * 0.01) = 4: nothing bright
        expect_rgb(display_surface, 22, 110, TEST_PLAIN_GREY, TEST_PLAIN_GREY, TEST_PLAIN_GREY);
    }
    draw_bar(200, 450, 2.0f);  // overfull runs past the frame
    expect_rgb(display_surface, 600, 210, TEST_BRIGHT_GREY, TEST_BRIGHT_GREY, TEST_BRIGHT_GREY);
}

INSTANTIATE_AT_BOTH_DEPTHS(TextTest);

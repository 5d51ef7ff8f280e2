// canvas_dump_test.cpp -- the canvas written out as the display format holds it
#include "app/canvas_dump.h"
#include "support.h"

// The header, then each pixel's channels as the depth keeps them: 5-6-5
// white has its missing low bits 0, row after row from the top.
TEST(CanvasDump, HoldsEveryPixelsChannelsRowByRowAtEitherDepth)
{
    const struct {
        int depth;
        Uint32 r, g, b;
        std::string white;
    } depths[] = {{16, 0xF800, 0x07E0, 0x001F, "\xF8\xFC\xF8"},
                  {32, 0xFF0000, 0x00FF00, 0x0000FF, "\xFF\xFF\xFF"}};
    for (const auto &d : depths) {
        SDL_Surface *canvas = SDL_CreateRGBSurface(SDL_SWSURFACE, 2, 2, d.depth, d.r, d.g, d.b, 0);
        ASSERT_NE(canvas, nullptr);
        SDL_FillRect(canvas, nullptr, 0);
        SDL_Rect top_right = {1, 0, 1, 1};
        SDL_FillRect(canvas, &top_right, SDL_MapRGB(canvas->format, 255, 255, 255));
        std::string black(3, '\0');
        EXPECT_EQ(canvas_dump_text(canvas), "P6\n2 2\n255\n" + black + d.white + black + black)
            << d.depth;
        SDL_FreeSurface(canvas);
    }
}

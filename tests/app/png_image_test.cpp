// png_image_test.cpp -- the Windows build's own PNG decoding gives the surfaces SDL_image gives
#include "app/png_image.h"
#include "app/safe_write.h"
#include "support.h"

#ifndef _WIN32
#include <SDL_image.h>
#endif

// Every picture of Media/ (RGB and RGBA), decoded both ways, is the same
// surface: size, depth, masks, flags and every byte of every row.
TEST(PngImage, EveryMediaPictureDecodesAsSdlImageDecodesIt)
{
    const char *pictures[] = {
        "Game/bg.png",     "Game/bgbright.png", "Game/font.png",           "Game/maptiles.png",
        "Game/people.png", "Game/blood.png",    "Game/borderdarkness.png", "dashboard.png",
        "icon.png"};
    for (const char *picture : pictures) {
        std::string bytes, error;
        ASSERT_EQ(
            read_file_within((std::string(MEDIA_DIR) + "/" + picture).c_str(), 64 << 20, bytes), 0);
        SDL_Surface *ours = decode_png(bytes, error);
        ASSERT_NE(ours, nullptr) << picture << ": " << error;
#ifndef _WIN32
        SDL_Surface *theirs = IMG_Load_RW(SDL_RWFromConstMem(bytes.data(), (int)bytes.size()), 1);
        ASSERT_NE(theirs, nullptr) << picture;
        const SDL_PixelFormat *a = ours->format, *b = theirs->format;
        EXPECT_TRUE(ours->w == theirs->w && ours->h == theirs->h && ours->flags == theirs->flags &&
                    a->BitsPerPixel == b->BitsPerPixel && a->Rmask == b->Rmask &&
                    a->Gmask == b->Gmask && a->Bmask == b->Bmask && a->Amask == b->Amask)
            << picture;
        int rows_differing = 0;
        for (int y = 0; y < ours->h && a->BitsPerPixel == b->BitsPerPixel; y++)
            rows_differing += memcmp((Uint8 *)ours->pixels + y * ours->pitch,
                                     (Uint8 *)theirs->pixels + y * theirs->pitch,
                                     (size_t)ours->w * a->BytesPerPixel) != 0;
        EXPECT_EQ(rows_differing, 0) << picture;
        SDL_FreeSurface(theirs);
#endif
        SDL_FreeSurface(ours);
    }
    std::string error;
    EXPECT_EQ(decode_png("not a picture", error), nullptr);
    EXPECT_NE(error, "");
}

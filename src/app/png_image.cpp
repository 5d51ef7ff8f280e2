// png_image.cpp -- PNG pictures decoded by LodePNG into surfaces laid out as SDL_image lays them out
#include "app/png_image.h"

#include <lodepng.h>

#include <cstring>
#include <vector>

const int RGB_BYTES = 3, RGBA_BYTES = 4;

// The masks of bytes stored red, green, blue (and alpha) in memory order.
static void byte_order_masks(bool alpha, Uint32 &r, Uint32 &g, Uint32 &b, Uint32 &a)
{
#if SDL_BYTEORDER == SDL_LIL_ENDIAN
    r = 0x000000FF, g = 0x0000FF00, b = 0x00FF0000, a = alpha ? 0xFF000000 : 0;
#else
    int shift = alpha ? 0 : 8;
    r = 0xFF000000 >> shift, g = 0x00FF0000 >> shift, b = 0x0000FF00 >> shift;
    a = alpha ? 0x000000FF : 0;
#endif
}

SDL_Surface *decode_png(const std::string &bytes, std::string &error)
{
    const unsigned char *data = (const unsigned char *)bytes.data();
    unsigned width = 0, height = 0;
    lodepng::State state;
    if (unsigned code = lodepng_inspect(&width, &height, &state, data, bytes.size())) {
        error = lodepng_error_text(code);
        return nullptr;
    }
    const LodePNGColorMode &file = state.info_png.color;
    bool plain_rgb = file.colortype == LCT_RGB && file.bitdepth == 8 && !file.key_defined;
    LodePNGColorType wanted = plain_rgb ? LCT_RGB : LCT_RGBA;
    std::vector<unsigned char> pixels;
    if (unsigned code = lodepng::decode(pixels, width, height, data, bytes.size(), wanted, 8)) {
        error = lodepng_error_text(code);
        return nullptr;
    }
    int pixel_bytes = plain_rgb ? RGB_BYTES : RGBA_BYTES;
    Uint32 r, g, b, a;
    byte_order_masks(!plain_rgb, r, g, b, a);
    SDL_Surface *surface =
        SDL_CreateRGBSurface(SDL_SWSURFACE, (int)width, (int)height, pixel_bytes * 8, r, g, b, a);
    if (!surface) {
        error = SDL_GetError();
        return nullptr;
    }
    size_t row = (size_t)width * pixel_bytes;
    for (unsigned y = 0; y < height; y++)
        memcpy((Uint8 *)surface->pixels + (size_t)y * surface->pitch, &pixels[y * row], row);
    return surface;
}

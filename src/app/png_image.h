// png_image.h -- PNG pictures decoded by LodePNG into surfaces laid out as SDL_image lays them out
#pragma once

#include <SDL.h>

#include <string>

// Where SDL_image is not at hand (the Windows build), pictures are decoded
// here. An 8-bit RGB picture becomes a 24-bit surface and an 8-bit RGBA one a
// 32-bit surface with an alpha channel, bytes in file order, exactly as
// SDL_image gives them, so every later conversion draws the same pixels.
// Any other kind of PNG becomes an RGBA surface. Null, with the reason in
// `error`, for a picture that cannot be decoded.
SDL_Surface *decode_png(const std::string &bytes, std::string &error);

// canvas_dump.cpp -- the canvas written out exactly, to compare one build's frame with another's
#include "app/canvas_dump.h"

#include <cstdio>

#include "app/pixels.h"
#include "app/safe_write.h"

const int PPM_MAX_VALUE = 255;

std::string canvas_dump_text(SDL_Surface *canvas)
{
    char header[64];
    snprintf(header, sizeof header, "P6\n%d %d\n%d\n", canvas->w, canvas->h, PPM_MAX_VALUE);
    std::string text = header;
    text.reserve(text.size() + (size_t)canvas->w * canvas->h * 3);
    SDL_LockSurface(canvas);
    for (int y = 0; y < canvas->h; y++)
        for (int x = 0; x < canvas->w; x++) {
            Uint8 rgb[3];
            split_pixel(read_surface_pixel(canvas, x, y), canvas->format, &rgb[0], &rgb[1],
                        &rgb[2]);
            text.append((const char *)rgb, 3);
        }
    SDL_UnlockSurface(canvas);
    return text;
}

int write_canvas_dump(SDL_Surface *canvas, const char *path)
{
    return replace_file(path, canvas_dump_text(canvas));
}

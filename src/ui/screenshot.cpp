// screenshot.cpp -- saving the overlay's snapshot as the next numbered PNG file
#include "ui/screenshot.h"

#include <SDL.h>
#include <lodepng.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/backdrop.h"
#include "app/pixels.h"
#include "app/platform.h"
#include "ui/notice.h"

const int RGBA_BYTES = 4;
const Uint8 OPAQUE_ALPHA = 255;

// Any directory entry counts, readable or not, so an existing file is never
// taken for a free name and truncated.
static bool name_taken(const char *name)
{
    return path_exists(name);
}

// The first gap in the numbering is used: with 1 and 3 taken, 2.
bool save_screenshot()
{
    char name[SCREENSHOT_NAME_SIZE];
    for (int n = 1; n < INT_MAX; n++) {
        snprintf(name, sizeof name, SCREENSHOT_NAME_FORMAT, n);
        if (!name_taken(name))
            return write_png_screenshot(name);
    }
    report_failure("Could not save a screenshot: %s", strerror(EEXIST));
    return false;
}

static void fill_rgba(SDL_Surface *picture, std::vector<unsigned char> &rgba)
{
    if (SDL_MUSTLOCK(picture))
        SDL_LockSurface(picture);
    size_t i = 0;
    for (int y = 0; y < picture->h; y++)
        for (int x = 0; x < picture->w; x++, i += RGBA_BYTES) {
            split_pixel(read_surface_pixel(picture, x, y), picture->format, &rgba[i], &rgba[i + 1],
                        &rgba[i + 2]);
            rgba[i + 3] = OPAQUE_ALPHA;
        }
    if (SDL_MUSTLOCK(picture))
        SDL_UnlockSurface(picture);
}

// Every pixel is opaque, so the file is 8-bit RGB; the encoder's own choice
// of a palette or grey is turned off to keep that shape. The comment and
// the encoder's identification are plain tEXt chunks, in that order.
static bool encode_png(const std::vector<unsigned char> &rgba, int w, int h,
                       std::vector<unsigned char> &png)
{
    LodePNGState state;
    lodepng_state_init(&state);
    state.encoder.zlibsettings.windowsize = SCREENSHOT_WINDOW_SIZE;
    state.encoder.auto_convert = 0;
    state.encoder.add_id = 1;
    state.encoder.text_compression = 0;
    state.info_raw.colortype = LCT_RGBA;
    state.info_raw.bitdepth = 8;
    state.info_png.color.colortype = LCT_RGB;
    state.info_png.color.bitdepth = 8;
    unsigned char *out = nullptr;
    size_t size = 0;
    unsigned error = lodepng_add_text(&state.info_png, SCREENSHOT_COMMENT_KEY, SCREENSHOT_COMMENT);
    if (!error)
        error = lodepng_encode(&out, &size, rgba.data(), (unsigned)w, (unsigned)h, &state);
    if (!error)
        png.assign(out, out + size);
    free(out);
    lodepng_state_cleanup(&state);
    return !error && !png.empty();
}

// The file is created only if it does not exist yet, and a write that
// fails part way is removed: a half-written PNG is a corrupt screenshot.
// Returns 0 or the errno of the failure.
static int write_new_file(const char *file_name, const std::vector<unsigned char> &bytes)
{
    FILE *file = open_new_file(file_name);
    if (!file)
        return errno;
    int error = 0;
    if (fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size())
        error = errno ? errno : EIO;
    if (fclose(file) != 0 && !error)
        error = errno ? errno : EIO;
    if (error)
        remove(file_name);
    return error;
}

bool write_png_screenshot(const char *file_name)
{
    // The encoder would accept an empty image and write a PNG no viewer opens.
    SDL_Surface *picture = backdrop_snapshot;
    if (!picture || picture->w <= 0 || picture->h <= 0) {
        report_failure("Could not save a screenshot: there is no picture");
        return false;
    }
    std::vector<unsigned char> rgba((size_t)picture->w * picture->h * RGBA_BYTES);
    fill_rgba(picture, rgba);
    std::vector<unsigned char> png;
    if (!encode_png(rgba, picture->w, picture->h, png)) {
        report_failure("Could not save a screenshot: the picture could not be encoded");
        return false;
    }
    int error = write_new_file(file_name, png);
    if (error) {
        report_failure("Could not save a screenshot: %s", strerror(error));
        return false;
    }
    report_saved("Saved %s", file_name);
    return true;
}

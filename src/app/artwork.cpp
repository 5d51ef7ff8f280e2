// artwork.cpp -- loading the pictures of Media/ in the display's format
#include "app/artwork.h"

#ifndef _WIN32
#include <SDL_image.h>
#endif
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app/display.h"
#include "app/folders.h"
#include "app/png_image.h"
#include "app/safe_write.h"
#include "app/sprite_tables.h"

char game_name[GAME_NAME_SIZE];
float version_number = 0.0f;
SDL_Surface *view_surface = nullptr;
SDL_Surface *background_image = nullptr;
SDL_Surface *background_bright_image = nullptr;
SDL_Surface *font_image = nullptr;
SDL_Surface *tile_image = nullptr;
SDL_Surface *people_image = nullptr;
SDL_Surface *blood_image = nullptr;
SDL_Surface *dashboard_image = nullptr;

const float VERSION = 1.0f;

void report_missing(const char *path, const char *reason)
{
    fprintf(stderr, "rotwalk: cannot load %s: %s\n", path, reason);
}

std::string read_data_file(const char *path, std::string &bytes)
{
    int error = read_file_within(data_file(path).c_str(), MAX_MEDIA_BYTES, bytes);
    return error ? strerror(error) : "";
}

// SDL_image where the system has it; the Windows build decodes by itself.
SDL_Surface *load_data_image(const char *path)
{
    std::string bytes, why = read_data_file(path, bytes);
    SDL_Surface *loaded = nullptr;
    if (why.empty()) {
#ifdef _WIN32
        loaded = decode_png(bytes, why);
#else
        loaded = IMG_Load_RW(SDL_RWFromConstMem(bytes.data(), (int)bytes.size()), 1);
        if (!loaded)
            why = IMG_GetError();
#endif
    }
    if (!loaded)
        report_missing(path, why.c_str());
    return loaded;
}

static SDL_Surface *load_converted(const char *path, bool with_alpha)
{
    SDL_Surface *loaded = load_data_image(path);
    if (!loaded)
        return nullptr;
    SDL_Surface *converted =
        with_alpha ? SDL_DisplayFormatAlpha(loaded) : SDL_DisplayFormat(loaded);
    SDL_FreeSurface(loaded);
    if (!converted)
        report_missing(path, SDL_GetError());
    return converted;
}

Uint32 key_color(SDL_Surface *surface)
{
    return SDL_MapRGB(surface->format, KEY_RED, KEY_GREEN, KEY_BLUE);
}

static SDL_Surface *load_opaque_image(const char *path)
{
    return load_converted(path, false);
}

SDL_Surface *load_keyed_image(const char *path)
{
    SDL_Surface *image = load_converted(path, false);
    if (image)
        SDL_SetColorKey(image, SDL_SRCCOLORKEY, key_color(image));
    return image;
}

SDL_Surface *load_alpha_image(const char *path)
{
    return load_converted(path, true);
}

static void load_people()
{
    people_image =
        create_display_like_surface(FACING_COUNT * SPRITE_SIZE, PEOPLE_ROWS * SPRITE_SIZE);
    SDL_Surface *source = load_keyed_image(PEOPLE_FILE);
    build_rotated_frames(source, people_image);
    SDL_SetColorKey(people_image, SDL_SRCCOLORKEY, key_color(people_image));
    SDL_FreeSurface(source);
}

void load_artwork()
{
    snprintf(game_name, sizeof game_name, "%s", GAME_NAME);
    version_number = VERSION;
    fill_sprite_tables();
    view_surface = SDL_DisplayFormat(display_surface);
    background_image = load_opaque_image(BACKGROUND_FILE);
    background_bright_image = load_opaque_image(BACKGROUND_BRIGHT_FILE);
    font_image = load_keyed_image(FONT_FILE);
    tile_image = load_keyed_image(TILES_FILE);
    load_people();
    blood_image = load_alpha_image(BLOOD_FILE);
}

static void free_surface(SDL_Surface *&surface)
{
    SDL_FreeSurface(surface);
    surface = nullptr;
}

// A new start of the overlay loads the dashboard afresh.
void load_dashboard()
{
    free_surface(dashboard_image);
    dashboard_image = load_alpha_image(DASHBOARD_FILE);
}

void release_artwork()
{
    SDL_Surface **surfaces[] = {&view_surface, &background_image, &background_bright_image,
                                &font_image,   &tile_image,       &people_image,
                                &blood_image};
    for (SDL_Surface **surface : surfaces)
        free_surface(*surface);
}

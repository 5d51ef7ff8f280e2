// darkness.cpp -- the border darkness of the game view, read from its picture and cut into runs
#include "game/darkness.h"

#include "app/artwork.h"
#include "app/pixels.h"

int border_darkness[VIEW_W * VIEW_H];
Sint16 darkness_rows[VIEW_W * VIEW_H];
DarknessRun darkness_runs[VIEW_W * VIEW_H];
int darkness_row_first_run[VIEW_H + 1];

static Uint8 red_of(SDL_Surface *surface, Uint32 pixel)
{
    Uint8 red, green, blue;
    split_pixel(pixel, surface->format, &red, &green, &blue);
    return red;
}

// Stores red - 255 for every view pixel, column by column. Where the picture
// has no pixel (missing or smaller than the view) the view stays fully lit.
void read_border_darkness(SDL_Surface *picture)
{
    for (int i = 0; i < VIEW_W * VIEW_H; i++)
        border_darkness[i] = 0;
    if (!picture) {
        index_border_darkness();
        return;
    }
    SDL_LockSurface(picture);
    int width = picture->w < VIEW_W ? picture->w : VIEW_W;
    int height = picture->h < VIEW_H ? picture->h : VIEW_H;
    for (int x = 0; x < width; x++)
        for (int y = 0; y < height; y++)
            border_darkness[x * VIEW_H + y] =
                red_of(picture, read_surface_pixel(picture, x, y)) - 255;
    SDL_UnlockSurface(picture);
    index_border_darkness();
}

void index_border_darkness()
{
    int run_count = 0;
    for (int y = 0; y < VIEW_H; y++) {
        darkness_row_first_run[y] = run_count;
        for (int x = 0; x < VIEW_W; x++) {
            int darkness = border_darkness[x * VIEW_H + y];
            darkness_rows[y * VIEW_W + x] = (Sint16)darkness;
            bool lit = darkness == 0;
            if (x == 0 || darkness_runs[run_count - 1].lit != lit)
                darkness_runs[run_count++] = DarknessRun{(Sint16)x, (Sint16)(x + 1), lit};
            else
                darkness_runs[run_count - 1].end = (Sint16)(x + 1);
        }
    }
    darkness_row_first_run[VIEW_H] = run_count;
}

void load_border_darkness()
{
    SDL_Surface *picture = load_data_image(BORDER_DARKNESS_FILE);
    read_border_darkness(picture);
    SDL_FreeSurface(picture);
}

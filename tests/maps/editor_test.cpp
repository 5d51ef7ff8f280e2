// editor_test.cpp -- entering the editor, scrolling, zooming, picking and painting tiles, saving
#include <cmath>
#include <cstring>
#include <sys/stat.h>
#include <vector>

#include "app/assets.h"
#include "app/display.h"
#include "app/input.h"
#include "app/main_loop.h"
#include "game/world.h"
#include "map_fixtures.h"
#include "maps/editor.h"
#include "maps/map_file.h"

class Editor : public FloorTest {
protected:
    void SetUp() override
    {
        FloorTest::SetUp();
        ASSERT_EQ(mkdir("Maps", 0755), 0);
        std::string text;
        for (int y = 0; y < 50; y++)
            text += std::string(50, '!') + "\n";
        write_text_file("Maps/plain.map", text);
        strcpy(map_path, "Maps/plain.map");
        memset(key_state, 0, sizeof key_state);
        memset(mouse_button_state, 0, sizeof mouse_button_state);
        mouse_x[0] = 700;  // off the window: over nothing
        mouse_y[0] = 470;
        selected_tile_kind = 5;
        enter_editor();
    }
    static void press(int x, int y, int state)
    {
        mouse_x[0] = x;
        mouse_y[0] = y;
        mouse_button_state[SDL_BUTTON_LEFT] = state;
    }
};

TEST_P(Editor, EntryCentresTheWorldAtScaleFour)
{
    EXPECT_EQ(screen_number, SCREEN_EDITOR);
    EXPECT_EQ(selected_tile_kind, 0);
    EXPECT_EQ(camera_x, 2180.0f);
    EXPECT_EQ(camera_y, 2260.0f);
    EXPECT_EQ(view_scale, 4.0f);
    // The pixel left of and above the centre shows world (2500, 2500).
    write_pixel(world_surface, 2500, 2500, SDL_MapRGB(world_surface->format, 255, 0, 255));
    draw_world_view();
    expect_rgb(display_surface, 319, 239, 255, 0, 255);
}

TEST_P(Editor, ScrollingFollowsTheDirectionKeysAtEveryZoom)
{
    key_state[SDLK_w] = KEY_HELD;
    for (int i = 0; i < 30; i++)
        editor_screen(1.0f);
    EXPECT_NEAR(camera_y, 2260.0f - 900.0f, 0.01f);
    EXPECT_NEAR(camera_x, 2180.0f, 0.01f);
    key_state[SDLK_w] = KEY_UP;

    key_state[SDLK_RIGHT] = KEY_HELD;
    key_state[SDLK_d] = KEY_PRESSED;
    editor_screen(1.0f);
    EXPECT_NEAR(camera_x, 2180.0f + 30.0f, 0.01f);  // both keys: one move

    key_state[SDLK_LEFT] = KEY_HELD;
    key_state[SDLK_UP] = KEY_HELD;
    float x = camera_x, y = camera_y;
    editor_screen(1.0f);
    EXPECT_EQ(camera_x, x);
    EXPECT_EQ(camera_y, y);
}

TEST_P(Editor, ZoomButtonsActWhilePressedOrHeld)
{
    press(550, 320, KEY_PRESSED);
    editor_screen(1.0f);
    EXPECT_FLOAT_EQ(view_scale, 3.8f);
    view_scale = 4.0f;
    press(550, 350, KEY_HELD);
    editor_screen(1.0f);
    EXPECT_FLOAT_EQ(view_scale, 4.2f);
    press(550, 350, KEY_UP);
    editor_screen(1.0f);
    EXPECT_FLOAT_EQ(view_scale, 4.2f);
}

TEST_P(Editor, TileChoiceWrapsAndThePreviewFollows)
{
    press(95, 45, KEY_PRESSED);  // "Last tile" at kind 0
    editor_screen(1.0f);
    EXPECT_EQ(selected_tile_kind, 21);
    EXPECT_TRUE(shows_cell_on_display(50, 75, 21));  // the same frame
    press(95, 195, KEY_PRESSED);  // "Next tile" at 21
    editor_screen(1.0f);
    EXPECT_EQ(selected_tile_kind, 0);
    EXPECT_TRUE(shows_cell_on_display(50, 75, 21));  // still the old kind
    press(95, 195, KEY_UP);
    editor_screen(1.0f);
    EXPECT_TRUE(shows_cell_on_display(50, 75, 0));
}

TEST_P(Editor, PaintingWritesTheTileUnderThePointerOnly)
{
    selected_tile_kind = 14;
    press(320, 240, KEY_PRESSED);
    editor_screen(1.0f);
    EXPECT_EQ(map_tiles[25][25], 14);
    EXPECT_TRUE(shows_cell(2510, 2510, 14));
    EXPECT_TRUE(shows_cell(2599, 2599, 14));

    // The outermost ring of a control belongs to the world.
    selected_tile_kind = 3;
    press(40, 45, KEY_HELD);
    editor_screen(1.0f);
    EXPECT_EQ(selected_tile_kind, 3);
    int tx = (int)((camera_x + 320 + (40 - 320) * view_scale) / 100);
    int ty = (int)((camera_y + 240 + (45 - 240) * view_scale) / 100);
    EXPECT_EQ(map_tiles[tx][ty], 3);

    // Off the world nothing changes, and no tile outside the grid is touched.
    int before[MAP_SIZE][MAP_SIZE];
    memcpy(before, map_tiles, sizeof before);
    camera_x = -3000.0f;
    press(320, 240, KEY_HELD);
    editor_screen(1.0f);
    camera_x = 7000.0f;
    editor_screen(1.0f);
    EXPECT_EQ(memcmp(before, map_tiles, sizeof before), 0);
}

TEST_P(Editor, SaveWritesTheGridAndBackWithoutSaveLosesTheEdits)
{
    selected_tile_kind = 20;
    press(320, 240, KEY_PRESSED);
    editor_screen(1.0f);
    press(550, 380, KEY_PRESSED);  // "Save"
    editor_screen(1.0f);
    selected_tile_kind = 7;
    press(100, 300, KEY_PRESSED);
    editor_screen(1.0f);
    int painted_x = (int)((camera_x + 320 + (100 - 320) * view_scale) / 100);
    int painted_y = (int)((camera_y + 240 + (300 - 240) * view_scale) / 100);
    EXPECT_EQ(map_tiles[painted_x][painted_y], 7);
    press(550, 410, KEY_PRESSED);  // "Back"
    editor_screen(1.0f);
    EXPECT_EQ(screen_number, SCREEN_MAIN_MENU);

    enter_editor();
    EXPECT_EQ(map_tiles[25][25], 20);
    EXPECT_EQ(map_tiles[painted_x][painted_y], 0);
}

INSTANTIATE_AT_BOTH_DEPTHS(Editor);

// The world view against its plain definition, on a small patterned world.
class WorldView : public DisplayTest {};

TEST_P(WorldView, MatchesThePlainDefinitionAndLeavesTheBackgroundOutsideTheWorld)
{
    const SDL_PixelFormat *f = display_surface->format;
    world_surface = SDL_CreateRGBSurface(SDL_SWSURFACE, 900, 700, f->BitsPerPixel, f->Rmask,
                                         f->Gmask, f->Bmask, f->Amask);
    for (int y = 0; y < 700; y++)
        for (int x = 0; x < 900; x++)
            write_pixel(world_surface, x, y, (Uint32)(x * 7 + y * 13 + 1) & (GetParam() == 16 ? 0xFFFF : 0xFFFFFF));
    const Uint32 background = 0xABCD;
    const struct {
        float camera_x, camera_y, scale;
    } views[] = {{0, 0, 1}, {100.5f, 50.25f, 1}, {-200, -100, 1}, {0, 0, 4}, {300, 200, 0.25f},
                 {400, 300, 1.37f}, {-300, 400, 0.6f}, {5, 5, 0.05f}};
    for (const auto &v : views) {
        SDL_FillRect(display_surface, nullptr, background);
        camera_x = v.camera_x;
        camera_y = v.camera_y;
        view_scale = v.scale;
        draw_world_view();
        int mismatches = 0, world_pixels = 0;
        float z = view_scale;
        float sy = camera_y + 240 - 240 * z;
        for (int i = 0; i < 480; i++) {
            sy = sy + z;
            float sx = camera_x + 320 - 320 * z;
            for (int j = 0; j < 640; j++) {
                sx = sx + z;
                bool inside = sx > 0 && sx < 900 && sy > 0 && sy < 700;
                Uint32 expected = inside ? read_pixel(world_surface, (int)sx, (int)sy) : background;
                mismatches += read_pixel(display_surface, j, i) != expected;
                world_pixels += inside;
            }
        }
        EXPECT_EQ(mismatches, 0) << v.camera_x << "," << v.camera_y << " scale " << v.scale;
        EXPECT_GT(world_pixels, 0);
    }
    SDL_FreeSurface(world_surface);
    world_surface = nullptr;
}

INSTANTIATE_AT_BOTH_DEPTHS(WorldView);

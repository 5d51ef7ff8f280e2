// support.cpp -- fixtures shared by the tests
#include "support.h"

#include <lodepng.h>

#include "app/platform.h"

#ifdef _WIN32
#include <windows.h>

// Windows has no mkdtemp: a name of this process and a count, the first free one.
static std::string make_scratch_folder()
{
    const char *temporary = getenv("TEMP");
    std::string base = std::string(temporary && temporary[0] ? temporary : ".") +
                       "\\rotwalk_test_" + std::to_string(GetCurrentProcessId()) + "_";
    for (unsigned tick = GetTickCount(), i = 0; i < 1000; i++) {
        std::string folder = base + std::to_string(tick + i);
        if (CreateDirectoryW(wide_text(folder).c_str(), nullptr))
            return folder;
    }
    return "";
}

// The tests make no links on Windows, so the whole tree is the folder's own.
static void remove_tree(const std::string &path)
{
    std::vector<std::string> names;
    if (!is_folder(path.c_str())) {
        SetFileAttributesW(wide_text(path).c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(wide_text(path).c_str());
        return;
    }
    list_folder(path.c_str(), names);
    for (const std::string &name : names)
        if (name != "." && name != "..")
            remove_tree(path + "\\" + name);
    RemoveDirectoryW(wide_text(path).c_str());
}
#else
static std::string make_scratch_folder()
{
    const char *temporary = getenv("TMPDIR");
    std::string pattern =
        std::string(temporary && temporary[0] ? temporary : "/tmp") + "/rotwalk_test_XXXXXX";
    return mkdtemp(&pattern[0]) ? pattern : "";
}

// rm -rf removes links without following them.
static void remove_tree(const std::string &path)
{
    ASSERT_EQ(system(("rm -rf '" + path + "'").c_str()), 0);
}
#endif

void enter_scratch_folder(std::string &folder, std::string &previous_folder)
{
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    previous_folder = cwd;
    folder = make_scratch_folder();
    ASSERT_NE(folder, "");
    ASSERT_EQ(change_folder(folder.c_str()), 0);
}

void leave_scratch_folder(const std::string &folder, const std::string &previous_folder)
{
    ASSERT_EQ(change_folder(previous_folder.c_str()), 0);
    remove_tree(folder);
    EXPECT_FALSE(path_exists(folder.c_str())) << folder;
}

int make_dangling_entry(const char *target, const char *name)
{
#ifdef _WIN32
    (void)target;
    FILE *file = fopen(name, "wb");
    return file && fclose(file) == 0 ? 0 : -1;
#else
    return symlink(target, name);
#endif
}

void write_text_file(const char *path, const std::string &text)
{
    FILE *file = fopen(path, "wb");
    ASSERT_NE(file, nullptr) << path;
    fwrite(text.data(), 1, text.size(), file);
    fclose(file);
}

void DisplayTest::SetUp()
{
    const int depth = GetParam();
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    display_surface = SDL_SetVideoMode(640, 480, depth, SDL_SWSURFACE);
    ASSERT_NE(display_surface, nullptr) << SDL_GetError();
    ASSERT_TRUE(display_surface->format->BitsPerPixel == depth &&
                (depth != 16 || display_surface->format->Gmask == 0x07E0u));
    display_width = 640.0f;
    display_height = 480.0f;
    color_depth = depth;
}

void DisplayTest::TearDown()
{
    SDL_Quit();
    display_surface = nullptr;
}

SDL_Surface *display_like_surface(int w, int h)
{
    const SDL_PixelFormat *f = display_surface->format;
    return SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, f->BitsPerPixel, f->Rmask, f->Gmask, f->Bmask,
                                f->Amask);
}

int differing_pixels(SDL_Surface *surface, SDL_Surface *other, Uint32 value)
{
    int differences = 0;
    for (int y = 0; y < surface->h; y++)
        for (int x = 0; x < surface->w; x++) {
            Uint32 want = other ? read_pixel(other, x, y) : value;
            if (read_pixel(surface, x, y) != want && differences++ < 3)
                ADD_FAILURE() << "pixel " << x << "," << y << " is " << read_pixel(surface, x, y)
                              << ", expected " << want;
        }
    return differences;
}

bool save_surface_png(SDL_Surface *surface, const char *path)
{
    std::vector<unsigned char> rgb((size_t)surface->w * surface->h * 3);
    for (int y = 0; y < surface->h; y++)
        for (int x = 0; x < surface->w; x++) {
            unsigned char *p = &rgb[((size_t)y * surface->w + x) * 3];
            pixel_rgb(surface, x, y, &p[0], &p[1], &p[2]);
        }
    return lodepng_encode24_file(path, rgb.data(), surface->w, surface->h) == 0;
}

static SDL_Surface *filled_surface(int w, int h, int grey)
{
    SDL_Surface *surface = display_like_surface(w, h);
    SDL_FillRect(surface, nullptr,
                 SDL_MapRGB(surface->format, (Uint8)grey, (Uint8)grey, (Uint8)grey));
    return surface;
}

// Compares with the colour as the surface can hold it (5-6-5 loses low bits).
void expect_rgb(SDL_Surface *surface, int x, int y, int r, int g, int b)
{
    Uint8 er, eg, eb, ar, ag, ab;
    SDL_GetRGB(SDL_MapRGB(surface->format, (Uint8)r, (Uint8)g, (Uint8)b), surface->format, &er, &eg,
               &eb);
    pixel_rgb(surface, x, y, &ar, &ag, &ab);
    EXPECT_TRUE(ar == er && ag == eg && ab == eb)
        << "at " << x << "," << y << ": (" << (int)ar << "," << (int)ag << "," << (int)ab
        << ") expected (" << (int)er << "," << (int)eg << "," << (int)eb << ")";
}

void point_at(int x, int y, int left_button)
{
    mouse_x[0] = x;
    mouse_y[0] = y;
    mouse_button_state[SDL_BUTTON_LEFT] = left_button;
}

void push_event(Uint8 type, int code)
{
    SDL_Event event = {};
    event.type = type;
    if (type == SDL_KEYDOWN || type == SDL_KEYUP)
        event.key.keysym.sym = (SDLKey)code;
    else if (type == SDL_MOUSEBUTTONDOWN || type == SDL_MOUSEBUTTONUP)
        event.button.button = (Uint8)code;
    ASSERT_EQ(SDL_PushEvent(&event), 0);
}

void push_pad(Uint8 type, int pad, int index, int value)
{
    SDL_Event event = {};
    event.type = type;
    if (type == SDL_JOYAXISMOTION) {
        event.jaxis.which = (Uint8)pad;
        event.jaxis.axis = (Uint8)index;
        event.jaxis.value = (Sint16)value;
    } else if (type == SDL_JOYHATMOTION) {
        event.jhat.which = (Uint8)pad;
        event.jhat.hat = (Uint8)index;
        event.jhat.value = (Uint8)value;
    } else {
        event.jbutton.which = (Uint8)pad;
        event.jbutton.button = (Uint8)index;
    }
    ASSERT_EQ(SDL_PushEvent(&event), 0);
}

void ScreenTest::SetUp()
{
    DisplayTest::SetUp();
    enter_scratch_folder(folder, previous_folder);
    fill_sprite_tables();
    font_image = display_like_surface(893, 50);
    SDL_FillRect(font_image, nullptr, key_color(font_image));
    for (int c = 33; c <= 126; c++)
        SDL_FillRect(font_image, &glyph_rects[c - 33],
                     SDL_MapRGB(font_image->format, (Uint8)c, TEST_GLYPH_GREEN, 0));
    SDL_SetColorKey(font_image, SDL_SRCCOLORKEY, key_color(font_image));
    background_image = filled_surface(640, 480, TEST_PLAIN_GREY);
    background_bright_image = filled_surface(640, 480, TEST_BRIGHT_GREY);
    SDL_FillRect(display_surface, nullptr, 0);
    memset(key_state, 0, sizeof key_state);
    memset(mouse_button_state, 0, sizeof mouse_button_state);
    point_at(0, 0, KEY_UP);
}

void ScreenTest::TearDown()
{
    SDL_FreeSurface(font_image);
    SDL_FreeSurface(background_image);
    SDL_FreeSurface(background_bright_image);
    font_image = background_image = background_bright_image = nullptr;
    leave_scratch_folder(folder, previous_folder);
    DisplayTest::TearDown();
}

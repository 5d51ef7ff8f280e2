// main.cpp -- the media generator: writes Media/ (pictures, fonts, music, sounds), the icons and a contact sheet
//
// Usage: mediagen MEDIA_FOLDER CONTACT_SHEET.png [MAPS_FOLDER [ICON_FOLDER]]
//        mediagen --sounds SOUND_FOLDER
// ICON_FOLDER receives the desktop's icons as 32x32.png, 48x48.png, ...
// --sounds writes only the sound effects, in a moment, to hear or compare them.
// The output is the same bytes on every run: fixed seeds, nothing from the clock.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

#include "backgrounds.h"
#include "blood.h"
#include "contact_sheet.h"
#include "dashboard.h"
#include "effects.h"
#include "fonts.h"
#include "icon.h"
#include "lighting.h"
#include "media_set.h"
#include "music.h"
#include "ogg_file.h"
#include "people.h"
#include "shipped_maps.h"
#include "tiles.h"
#include "wav_file.h"

const char MUSIC_NAME[] = "Selvane - Surrounded loop.ogg";

// Every file written so far is removed again if a later step fails, so the build
// never takes a half-written Media/ for an up-to-date one.
static bool fail(std::vector<std::string> &written, const std::string &message)
{
    fprintf(stderr, "mediagen: %s\n", message.c_str());
    for (const std::string &path : written)
        unlink(path.c_str());
    return false;
}

static bool save(std::vector<std::string> &written, const std::string &path, const Picture &p,
                 PngKind kind, bool quick = false)
{
    written.push_back(path);
    if (!write_png(path, p, kind, quick))
        return fail(written, "cannot write " + path);
    return true;
}

static bool make_folder(const std::string &path)
{
    return mkdir(path.c_str(), 0755) == 0 || errno == EEXIST;
}

static bool save_sounds(std::vector<std::string> &written, MediaSet &m, const std::string &folder)
{
    if (!make_folder(folder))
        return fail(written, "cannot create " + folder);
    for (int i = 0; i < EFFECT_COUNT; i++) {
        m.effects.push_back(make_effect(i));
        std::string path = folder + "/" + EFFECT_FILES[i];
        written.push_back(path);
        if (!write_wav(path, m.effects.back()))
            return fail(written, "cannot write " + path);
    }
    return true;
}

// The desktop's icons at every size; the window's own icon is the same picture in Media/.
static bool save_icons(std::vector<std::string> &written, MediaSet &m, const std::string &media,
                       const std::string &icon_folder)
{
    for (int size : ICON_SIZES)
        m.icons.push_back(make_icon(size));
    if (!save(written, media + "/icon.png", m.icons.front(), PNG_ALPHA))
        return false;
    if (icon_folder.empty())
        return true;
    if (!make_folder(icon_folder))
        return fail(written, "cannot create " + icon_folder);
    for (const Picture &icon : m.icons) {
        std::string name = std::to_string(icon.w) + "x" + std::to_string(icon.h) + ".png";
        if (!save(written, icon_folder + "/" + name, icon, PNG_ALPHA))
            return false;
    }
    return true;
}

static bool generate(const std::string &media, const std::string &sheet_path,
                     const std::string &maps_folder, const std::string &icon_folder)
{
    std::vector<std::string> written;
    std::string game = media + "/Game";
    if (!make_folder(media) || !make_folder(game))
        return fail(written, "cannot create " + game);
    std::string error;
    MediaSet m;
    m.background = make_background();
    m.bright_background = make_bright_background(m.background);
    if (!make_big_font(m.font, error) || !make_dashboard(m.dashboard, error))
        return fail(written, error);
    m.tiles = make_tile_sheet();
    m.people = make_people();
    m.blood = make_blood();
    m.border_darkness = make_border_darkness();
    if (!save(written, game + "/bg.png", m.background, PNG_OPAQUE) ||
        !save(written, game + "/bgbright.png", m.bright_background, PNG_OPAQUE) ||
        !save(written, game + "/font.png", m.font, PNG_KEYED) ||
        !save(written, game + "/maptiles.png", m.tiles, PNG_KEYED) ||
        !save(written, game + "/people.png", m.people, PNG_KEYED) ||
        !save(written, game + "/blood.png", m.blood, PNG_ALPHA) ||
        !save(written, game + "/borderdarkness.png", m.border_darkness, PNG_OPAQUE) ||
        !save(written, media + "/dashboard.png", m.dashboard, PNG_ALPHA) ||
        !save_icons(written, m, media, icon_folder))
        return false;
    m.music = make_music();
    std::string music_path = game + "/" + MUSIC_NAME;
    written.push_back(music_path);
    if (!write_ogg(music_path, m.music, error))
        return fail(written, error);
    if (!save_sounds(written, m, media + "/Sound"))
        return false;
    Picture sheet = make_contact_sheet(m, read_shipped_maps(maps_folder));
    return save(written, sheet_path, sheet, PNG_OPAQUE, true);
}

int main(int argc, char **argv)
{
    if (argc < 3) {
        fprintf(stderr,
                "usage: mediagen MEDIA_FOLDER CONTACT_SHEET.png [MAPS_FOLDER [ICON_FOLDER]]\n"
                "       mediagen --sounds SOUND_FOLDER\n");
        return 2;
    }
    if (std::string(argv[1]) == "--sounds") {
        std::vector<std::string> written;
        MediaSet m;
        return save_sounds(written, m, argv[2]) ? 0 : 1;
    }
    return generate(argv[1], argv[2], argc > 3 ? argv[3] : "", argc > 4 ? argv[4] : "") ? 0 : 1;
}

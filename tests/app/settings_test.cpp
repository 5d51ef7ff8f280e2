// settings_test.cpp -- reading settings.ini: which line a key matches
#include "app/settings.h"
#include "support.h"

using SettingsFile = ScratchFolderTest;

// How lines are cut (255 characters, CR LF, line 101) is the fuzz corpus's.
// Blanks anywhere vanish, letter case matters, a comment ends the number.
TEST_F(SettingsFile, AKeyMatchesOnlyAtTheLineStartBeforeEqualsAndTheLastLineWins)
{
    const struct {
        std::string text;
        const char *key;
        float value;
    } cases[] = {{"  screenbpp   =  3 2\n", "screenbpp", 32.0f},
                 {"FULLSCREEN=1\n", "fullscreen", 0.0f},
                 {"#showcursor=1\n", "showcursor", 0.0f},
                 {"antialiasing=1 # smooth\n", "antialiasing", 1.0f},
                 {"screenwidth=800\n", "screenw", 0.0f},
                 {"mipmapping=\n", "mipmapping", 0.0f},
                 {"screenbpp=16\r\nscreenbpp=24\r\nscreenh=5\n", "screenbpp", 24.0f}};
    for (const auto &c : cases) {
        write_text_file(SETTINGS_FILE, c.text);
        read_settings_file();
        EXPECT_EQ(setting_value(c.key), c.value) << c.key << " in: " << c.text;
    }
}

// pads_test.cpp -- gamepads from real SDL joystick events: layouts, dead zone, triggers, the pointer, twin-stick play
#include "app/pads.h"

#include "app/frame_clock.h"
#include "app/settings.h"
#include "game/controls.h"
#include "game/players.h"
#include "game/world_fixture.h"

// A share of a stick's travel as an axis value.
static int tilt(float share)
{
    return (int)(share * AXIS_FULL);
}

// A clean world with SDL's event queue running (the dummy video driver).
class PadTest : public CleanWorld {
protected:
    void SetUp() override
    {
        CleanWorld::SetUp();
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0);
    }
    void TearDown() override
    {
        close_pads();
        SDL_Quit();
        CleanWorld::TearDown();
    }
};
using PadLayouts = PadTest;

// Names as Linux's drivers and sdl12-compat give them; settings override the
// numbers for every pad, and a number out of range overrides nothing.
TEST_F(PadLayouts, KnownPadsGetTheirLayoutUnknownOnesXboxAndSettingsOverrideTheNumbers)
{
    unsetenv(COMPAT_VARIABLE);
    const struct {
        const char *name;
        int axes, buttons;
        const char *label;
    } pads_seen[] = {
        {"Microsoft X-Box 360 pad", 8, 11, "Xbox"},
        {"Xbox Wireless Controller", 8, 11, "Xbox"},
        {"Steam Deck", 8, 11, "Steam"},
        {"Sony Interactive Entertainment Wireless Controller", 6, 13, "PlayStation"},
        {"DualSense Wireless Controller", 6, 13, "PlayStation"},
        {"Wireless Controller", 4, 13, "Xbox"},  // too few axes for the PlayStation entry
        {"Some Generic USB Pad", 4, 10, "Xbox"},
    };
    for (const auto &seen : pads_seen)
        EXPECT_STREQ(pad_layouts[match_pad_layout(seen.name, seen.axes, seen.buttons)].label,
                     seen.label)
            << seen.name;
    setenv(COMPAT_VARIABLE, "1", 1);
    EXPECT_EQ(match_pad_layout("Xbox 360 Controller", 6, 21), COMPAT_LAYOUT);
    unsetenv(COMPAT_VARIABLE);
    EXPECT_TRUE(is_pad_part("Wireless Controller Motion Sensors"));

    write_text_file(SETTINGS_FILE, "padfire = 2\npadaimx = 40\npaddeadzone = 10\n");
    read_settings_file();
    read_pad_settings();
    EXPECT_EQ(pad_button_override[PAD_FIRE], 2);
    EXPECT_EQ(pad_axis_override[STICK_AIM_X], NO_CONTROL);
    EXPECT_EQ(pad_dead_zone, 10);
    close_pads();
    push_pad(SDL_JOYBUTTONDOWN, 0, 2);
    update_pads();
    EXPECT_TRUE(pad_pressed(0, PAD_FIRE));
    write_text_file(SETTINGS_FILE, "");
    read_settings_file();
    read_pad_settings();
    EXPECT_EQ(pad_dead_zone, DEFAULT_DEAD_ZONE);
    close_pads();
}

using PadInput = PadTest;

// An Xbox pad on Linux: its triggers rest at -32768, a stick inside the dead
// zone reads as let go, the hat is the d-pad, and whatever was touched last
// is the active device.
TEST_F(PadInput, DeadZoneTriggerRestHatAndTheDeviceTouchedLast)
{
    const struct {
        int axis;
        int value;
        bool out;  // the stick out of its dead zone, or the trigger pulled
    } tilts[] = {
        {0, tilt(0.2f), false},
        {0, tilt(0.3f), true},
        {5, AXIS_LOW + (int)(0.25f * 65535), false},
        {5, AXIS_LOW + (int)(0.35f * 65535), true},
    };
    for (const auto &t : tilts) {
        push_pad(SDL_JOYAXISMOTION, 1, t.axis, t.value);
        update_input();
        float x, y;
        bool out = t.axis == 0 ? pad_stick(1, STICK_MOVE_X, x, y)
                               : pad_trigger(1, TRIGGER_FIRE) > TRIGGER_PULLED;
        EXPECT_EQ(out, t.out) << t.axis << " " << t.value;
        EXPECT_EQ(active_device, t.out ? 1 : DEVICE_KEYBOARD) << t.value;
        active_device = DEVICE_KEYBOARD;
    }
    EXPECT_EQ(pad_trigger(1, TRIGGER_SPRINT), 0.0f);  // never moved: at rest
    push_pad(SDL_JOYHATMOTION, 1, 0, SDL_HAT_UP | SDL_HAT_RIGHT);
    update_input();
    EXPECT_TRUE(pad_pressed(1, PAD_UP) && pad_pressed(1, PAD_RIGHT));
    EXPECT_EQ(pad_dpad_direction(1), 315);
    update_input();
    EXPECT_EQ(pad_button(1, PAD_UP), KEY_HELD);
    push_event(SDL_KEYDOWN, SDLK_w);
    update_input();
    EXPECT_EQ(active_device, DEVICE_KEYBOARD);
}

// Outside play the left stick moves the pointer and A is the left button,
// released with A; in play neither touches the pointer or the button.
TEST_F(PadInput, TheStickMovesThePointerAndAClicksOnlyOutsidePlay)
{
    frame_ms = 100;
    pads_drive_pointer = true;
    update_input();
    int x0 = mouse_x[0], y0 = mouse_y[0];
    push_pad(SDL_JOYAXISMOTION, 0, 0, AXIS_FULL);
    push_pad(SDL_JOYBUTTONDOWN, 0, 0);
    update_input();
    EXPECT_EQ(mouse_x[0], x0 + (int)(PAD_POINTER_SPEED / 10));
    EXPECT_EQ(mouse_y[0], y0);
    EXPECT_EQ(mouse_button_state[SDL_BUTTON_LEFT], KEY_PRESSED);
    push_pad(SDL_JOYBUTTONUP, 0, 0);
    push_pad(SDL_JOYAXISMOTION, 0, 0, 0);
    update_input();
    EXPECT_EQ(mouse_button_state[SDL_BUTTON_LEFT], KEY_UP);
    pads_drive_pointer = false;
    push_pad(SDL_JOYAXISMOTION, 0, 0, AXIS_FULL);
    push_pad(SDL_JOYBUTTONDOWN, 0, 0);
    int x1 = mouse_x[0];
    update_input();
    EXPECT_EQ(mouse_x[0], x1);
    EXPECT_EQ(mouse_button_state[SDL_BUTTON_LEFT], KEY_UP);
    pads_drive_pointer = true;
    frame_ms = 0;
}

// One player with a pad: the left stick walks its exact direction at full
// pace, the right stick aims 200 px out and the aim stays when let go, the
// right trigger fires.
TEST_F(PadInput, TwinStickWalksAimsAndKeepsTheAim)
{
    push_pad(SDL_JOYAXISMOTION, 0, 0, tilt(0.6f));
    push_pad(SDL_JOYAXISMOTION, 0, 1, tilt(0.3f));   // about 26.6 degrees below right
    push_pad(SDL_JOYAXISMOTION, 0, 4, tilt(-0.9f));  // aim straight up
    push_pad(SDL_JOYAXISMOTION, 0, 5, AXIS_FULL);
    update_input();
    ASSERT_EQ(active_device, 0);
    float x0 = player_x[0], y0 = player_y[0];
    update_players(1.0f);
    float walked = std::hypot(player_x[0] - x0, player_y[0] - y0);
    EXPECT_NEAR(walked, WALK_STEP, 1e-3);
    EXPECT_NEAR(std::atan2(player_y[0] - y0, player_x[0] - x0), std::atan2(0.3, 0.6), 1e-4);
    EXPECT_NEAR(player_angle[0], -M_PI / 2, 1e-4);
    EXPECT_NEAR(aim_y, player_y[0] - STICK_AIM_DISTANCE, 1e-3);
    PlayerControls controls;
    read_player_controls(0, controls);
    EXPECT_TRUE(controls.fire && !controls.sprint);
    push_pad(SDL_JOYAXISMOTION, 0, 4, 0);
    push_pad(SDL_JOYAXISMOTION, 0, 0, 0);
    push_pad(SDL_JOYAXISMOTION, 0, 1, 0);
    update_input();
    float x1 = player_x[0];
    update_players(1.0f);
    EXPECT_EQ(player_x[0], x1);
    EXPECT_NEAR(player_angle[0], -M_PI / 2, 1e-4);
}

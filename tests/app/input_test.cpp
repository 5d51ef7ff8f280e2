// input_test.cpp -- key and mouse-button state from real SDL events
#include <cstring>

#include "app/input.h"
#include "support.h"

class InputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        ASSERT_NE(SDL_SetVideoMode(640, 480, 0, SDL_SWSURFACE), nullptr);
        memset(key_state, 0, sizeof key_state);
        memset(mouse_button_state, 0, sizeof mouse_button_state);
    }
    void TearDown() override { SDL_Quit(); }

    static void push_key(Uint8 type, SDLKey sym)
    {
        SDL_Event event = {};
        event.type = type;
        event.key.type = type;
        event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        event.key.keysym.sym = sym;
        ASSERT_EQ(SDL_PushEvent(&event), 0);
    }
    static void push_button(Uint8 type, Uint8 button)
    {
        SDL_Event event = {};
        event.type = type;
        event.button.type = type;
        event.button.button = button;
        event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
        ASSERT_EQ(SDL_PushEvent(&event), 0);
    }
};

TEST_F(InputTest, AKeyIsPressedForOneUpdateThenHeldUntilReleased)
{
    push_key(SDL_KEYDOWN, SDLK_w);
    update_input();
    EXPECT_EQ(key_state[SDLK_w], KEY_PRESSED);
    update_input();
    EXPECT_EQ(key_state[SDLK_w], KEY_HELD);
    update_input();
    EXPECT_EQ(key_state[SDLK_w], KEY_HELD);
    push_key(SDL_KEYUP, SDLK_w);
    update_input();
    EXPECT_EQ(key_state[SDLK_w], KEY_UP);
    EXPECT_EQ(key_state[SDLK_a], KEY_UP);
}

TEST_F(InputTest, DownsAreAppliedBeforeUpsWhateverTheirOrder)
{
    push_key(SDL_KEYDOWN, SDLK_ESCAPE);
    push_key(SDL_KEYUP, SDLK_ESCAPE);
    update_input();
    EXPECT_EQ(key_state[SDLK_ESCAPE], KEY_UP);  // the press is never seen

    // Held, then released and pressed again between two updates: ends up.
    push_key(SDL_KEYDOWN, SDLK_LSHIFT);
    update_input();
    push_key(SDL_KEYUP, SDLK_LSHIFT);
    push_key(SDL_KEYDOWN, SDLK_LSHIFT);
    update_input();
    EXPECT_EQ(key_state[SDLK_LSHIFT], KEY_UP);
}

TEST_F(InputTest, MouseButtonsFollowTheSameRulesAndTheWheelIsNeverSeen)
{
    push_button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT);
    push_button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_WHEELUP);
    push_button(SDL_MOUSEBUTTONUP, SDL_BUTTON_WHEELUP);
    update_input();
    EXPECT_EQ(mouse_button_state[SDL_BUTTON_LEFT], KEY_PRESSED);
    EXPECT_EQ(mouse_button_state[SDL_BUTTON_WHEELUP], KEY_UP);
    update_input();
    EXPECT_EQ(mouse_button_state[SDL_BUTTON_LEFT], KEY_HELD);
    push_button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT);
    update_input();
    EXPECT_EQ(mouse_button_state[SDL_BUTTON_LEFT], KEY_UP);
    EXPECT_EQ(mouse_button_state[0], KEY_UP);
}

TEST_F(InputTest, ButtonsWithoutAnEntryAreIgnoredAndOtherEventsStayQueued)
{
    push_button(SDL_MOUSEBUTTONDOWN, 12);
    SDL_Event quit = {};
    quit.type = SDL_QUIT;
    ASSERT_EQ(SDL_PushEvent(&quit), 0);
    update_input();
    for (int i = 0; i < MOUSE_BUTTON_COUNT; i++)
        EXPECT_EQ(mouse_button_state[i], KEY_UP) << i;
    SDL_Event left;
    ASSERT_EQ(SDL_PeepEvents(&left, 1, SDL_GETEVENT, SDL_ALLEVENTS), 1);
    EXPECT_EQ(left.type, SDL_QUIT);
}

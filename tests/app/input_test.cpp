// input_test.cpp -- key and mouse-button state from real SDL events
#include "support.h"

using InputTest = ScreenTest;

TEST_P(InputTest, APressIsSeenForOneUpdateThenHeldUntilReleasedAndAPressAndReleaseTogetherEndUp)
{
    push_event(SDL_KEYDOWN, SDLK_w);
    push_event(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT);
    for (int expected : {KEY_PRESSED, KEY_HELD, KEY_HELD}) {
        update_input();
        EXPECT_TRUE(key_state[SDLK_w] == expected &&
                    mouse_button_state[SDL_BUTTON_LEFT] == expected);
    }
    push_event(SDL_KEYUP, SDLK_w);
    push_event(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT);
    update_input();
    EXPECT_TRUE(key_state[SDLK_w] == KEY_UP && mouse_button_state[SDL_BUTTON_LEFT] == KEY_UP);

    // Downs are applied before ups whatever their order in the queue, so a wheel
    // click is never seen; buttons of 10 and up have no entry; other events stay.
    for (int key : {SDLK_ESCAPE, SDLK_LSHIFT})
        for (Uint8 type : {SDL_KEYDOWN, SDL_KEYUP})
            push_event(type, key);
    push_event(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_WHEELUP);
    push_event(SDL_MOUSEBUTTONUP, SDL_BUTTON_WHEELUP);
    push_event(SDL_MOUSEBUTTONDOWN, MOUSE_BUTTON_COUNT);
    push_event(SDL_MOUSEBUTTONDOWN, 255);
    push_event(SDL_QUIT);
    update_input();
    for (int key : {SDLK_ESCAPE, SDLK_LSHIFT})
        EXPECT_EQ(key_state[key], KEY_UP);
    for (int i = 0; i < MOUSE_BUTTON_COUNT; i++)
        EXPECT_EQ(mouse_button_state[i], KEY_UP) << i;
    SDL_Event left;
    ASSERT_EQ(SDL_PeepEvents(&left, 1, SDL_GETEVENT, SDL_ALLEVENTS), 1);
    EXPECT_EQ(left.type, SDL_QUIT);
    push_event(SDL_KEYDOWN, SDLK_LSHIFT);  // held, then released and pressed again
    update_input();
    push_event(SDL_KEYUP, SDLK_LSHIFT);
    push_event(SDL_KEYDOWN, SDLK_LSHIFT);
    update_input();
    EXPECT_EQ(key_state[SDLK_LSHIFT], KEY_UP);
}

INSTANTIATE_AT_ONE_DEPTH(InputTest);

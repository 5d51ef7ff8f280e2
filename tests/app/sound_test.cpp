// sound_test.cpp -- when the fight's effects sound: shots, hits, deaths, hurt spacing, groans
#include "app/sound.h"
#include "game/gauges.h"
#include "game/shots.h"
#include "game/world_fixture.h"
#include "game/zombies.h"

class Sounds : public CleanWorld {
protected:
    void SetUp() override
    {
        CleanWorld::SetUp();
        reset_game_sounds();
        start_frame_sounds();
    }
};

// A crowd of ten in the line of fire, five of them one shot from death, shot
// at four times in a frame: four shot sounds, the variants in turn, and one
// hit and one death sound.
TEST_F(Sounds, EveryShotIsHeardButACrowdHitIsOneHitAndOneDeath)
{
    for (int i = 0; i < 10; i++)
        place_zombie(player_x[0] + 100.0f, player_y[0] + (float)(i % 3), i < 5 ? 20.0f : 100.0f);
    for (int shot = 0; shot < 4; shot++) {
        sound_shot();
        fire_shot((int)(player_x[0] - camera_x), (int)(player_y[0] - camera_y), 0.0f);
    }
    EXPECT_GE(kill_count, 5);
    const int expected[EFFECT_COUNT] = {2, 1, 1, 1, 1, 0, 0, 0, 0, 0};
    for (int e = 0; e < EFFECT_COUNT; e++)
        EXPECT_EQ(effects_played[e], expected[e]) << "effect " << e;
    start_frame_sounds();
    fire_shot((int)(player_x[0] - camera_x), (int)(player_y[0] - camera_y), 0.0f);
    EXPECT_EQ(effects_played[EFFECT_HIT], 1);  // a new frame is heard again
}

// Hurt every 33 ms frame of the first 30: heard at 0 ms, then once 400 ms
// have passed. No groan from a lone zombie out of hearing; from a crowd near
// (from frame 100 on), never two within a second.
TEST_F(Sounds, HurtIsSpacedAndGroansComeFromANearCrowdAtMostOncePerSecond)
{
    place_zombie(player_x[0] + GROAN_HEARING + 5, player_y[0]);
    std::vector<int> hurt_frames, groan_frames;
    for (int frame = 0; frame < 300; frame++) {
        start_frame_sounds();
        update_horde_sounds(33);
        pending_damage = frame < 30 ? 0.4f : 0.0f;
        update_health();
        if (effects_played[EFFECT_HURT])
            hurt_frames.push_back(frame);
        if (effects_played[EFFECT_GROAN])
            groan_frames.push_back(frame);
        if (frame == 99)
            for (int i = 0; i < 100; i++)
                place_zombie(player_x[0] + 50 + i, player_y[0] + 50);
    }
    EXPECT_EQ(hurt_frames, (std::vector<int>{0, 13, 26}));
    ASSERT_GE(groan_frames.size(), 3u);
    EXPECT_GE(groan_frames[0], 100);  // the lone zombie is never heard
    for (size_t i = 1; i < groan_frames.size(); i++)
        EXPECT_GE((groan_frames[i] - groan_frames[i - 1]) * 33, GROAN_SPACING_MS);
}

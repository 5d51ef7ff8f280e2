// zombies.cpp -- the horde: spawning on a ring, chasing, crowding, stragglers, contact, groans
#include "game/zombies.h"

#include <cmath>
#include <cstdlib>

#include "app/random.h"
#include "app/sound.h"
#include "game/collision.h"
#include "game/paths.h"
#include "game/waves.h"
#include "game/world.h"

// The angle is the integer itself, in radians, and the sine goes on x: the
// 360 integers scatter over the whole circle in no particular order.
void ring_point(float &x, float &y)
{
    int r = game_random() % SPAWN_DIRECTIONS;
    x = (float)(player_x[0] + SPAWN_RING_RADIUS * std::sin((double)r));
    y = (float)(player_y[0] + SPAWN_RING_RADIUS * std::cos((double)r));
}

static void spawn_on_ring()
{
    if (zombie_count >= ZOMBIE_SPAWN_LIMIT)
        return;
    float x, y;
    ring_point(x, y);
    spawn_zombie(x, y);
}

// A target outside the player slots can only come from a damaged save file;
// such a zombie chases slot 0 instead of reading past the slot arrays.
static int chased_slot(const Zombie &zombie)
{
    if (zombie.target_player < 0 || zombie.target_player >= MAX_PLAYERS)
        return 0;
    return zombie.target_player;
}

static void chase_targets(float speed_factor)
{
    float speed = (float)(ZOMBIE_SPEED * speed_factor);
    if (game_mode == MODE_WAVES)
        speed = speed * wave_speed(wave_number);
    for (int i = 0; i < zombie_count; i++) {
        Zombie &zombie = *zombies[i];
        int target = chased_slot(zombie);
        if (game_mode == MODE_WAVES)
            zombie.angle = route_angle(zombie.x, zombie.y, target);  // around the walls
        else
            zombie.angle = (float)std::atan2((double)(player_y[target] - zombie.y),
                                             (double)(player_x[target] - zombie.x));
        zombie.x = (float)(zombie.x + speed * std::cos((double)zombie.angle));
        zombie.y = (float)(zombie.y + speed * std::sin((double)zombie.angle));
    }
}

// Every ordered pair, so each pair is handled twice per frame; later pairs
// see the positions the earlier ones left. The quick test is repeated here so
// that the far pairs of a full horde cost no call.
static void separate_zombies()
{
    for (int i = 0; i < zombie_count; i++) {
        Zombie &a = *zombies[i];
        for (int j = 0; j < zombie_count; j++) {
            if (j == i)
                continue;
            Zombie &b = *zombies[j];
            if (persons_may_overlap(a.x, a.y, b.x, b.y))
                separate_persons(a.x, a.y, b.x, b.y);
        }
    }
}

static void keep_zombies_out_of_walls()
{
    for (int i = 0; i < zombie_count; i++)
        push_out_of_walls(zombies[i]->x, zombies[i]->y);
}

// The zombie steps back from the player and shoves it half as far; both are
// then pushed out of the walls the shove may have driven them into.
static void touch_player(Zombie &zombie, int slot, float distance)
{
    double towards =
        std::atan2((double)(player_y[slot] - zombie.y), (double)(player_x[slot] - zombie.x));
    double push = (PERSON_SEPARATION - distance) * CONTACT_PUSH_SHARE;
    double push_x = push * std::cos(towards);
    double push_y = push * std::sin(towards);
    zombie.x = (float)(zombie.x - push_x);
    zombie.y = (float)(zombie.y - push_y);
    player_x[slot] = (float)(player_x[slot] + push_x * CONTACT_PLAYER_SHARE);
    player_y[slot] = (float)(player_y[slot] + push_y * CONTACT_PLAYER_SHARE);
    pending_damage = (float)(pending_damage + CONTACT_DAMAGE * frame_scale);
    push_out_of_walls(zombie.x, zombie.y);
    push_out_of_walls(player_x[slot], player_y[slot]);
}

// Only slot 0 calls stragglers back, even for zombies chasing another slot;
// a zombie moved to the ring is not tested for contact with slot 0 that frame.
static void meet_players()
{
    for (int i = 0; i < zombie_count; i++) {
        Zombie &zombie = *zombies[i];
        for (int k = 0; k < player_count; k++) {
            float distance = person_distance(zombie.x, zombie.y, player_x[k], player_y[k]);
            if (k == 0 && distance > STRAGGLER_DISTANCE && game_mode == MODE_WAVES)
                open_ring_point(zombie.x, zombie.y);
            else if (k == 0 && distance > STRAGGLER_DISTANCE)
                ring_point(zombie.x, zombie.y);
            else if (distance < PERSON_SEPARATION)
                touch_player(zombie, k, distance);
        }
    }
}

void update_zombies(float speed_factor)
{
    if (game_mode == MODE_WAVES) {
        spawn_wave_zombies();
        update_path_fields();
    } else {
        spawn_on_ring();
    }
    chase_targets(speed_factor);
    separate_zombies();
    keep_zombies_out_of_walls();
    meet_players();
}

// The more zombies near player 0, the likelier a groan; the nearest one
// heard sets how loud it is. Nothing is measured while groans are quiet.
void update_horde_sounds(int elapsed_ms)
{
    run_down_sound_spacing(elapsed_ms);
    if (!groan_may_come())
        return;
    int heard = 0;
    float nearest = GROAN_HEARING;
    for (int i = 0; i < zombie_count; i++) {
        float d = person_distance(zombies[i]->x, zombies[i]->y, player_x[0], player_y[0]);
        if (d < GROAN_HEARING) {
            heard++;
            nearest = d < nearest ? d : nearest;
        }
    }
    if (heard == 0)
        return;
    int chance = heard * GROAN_CHANCE_PER_ZOMBIE;
    sound_groan(chance < GROAN_CHANCE_MAX ? chance : GROAN_CHANCE_MAX,
                (int)(FULL_VOLUME * (1.0f - nearest / GROAN_HEARING)));
}

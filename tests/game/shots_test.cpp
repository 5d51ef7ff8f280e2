// shots_test.cpp -- the line walk, the tracer, walls, hits, knockback, kills, blood and corpses
#include <set>
#include <utility>

#include "game/shots.h"
#include "game/world_fixture.h"

typedef std::pair<int, int> Point;

// The pixels of the ideal line rounded: at step k along the major axis the
// minor offset is k * minor / major to the nearest integer; an exact half
// moves away from the start only when the major axis runs positive.
static std::vector<Point> reference_line(int x0, int y0, int x1, int y1)
{
    int dx = std::abs(x1 - x0), dy = std::abs(y1 - y0);
    bool x_major = dx >= dy;
    int major = x_major ? dx : dy, minor = x_major ? dy : dx;
    int major_dir = (x_major ? x1 > x0 : y1 > y0) ? 1 : -1,
        minor_dir = (x_major ? y1 > y0 : x1 > x0) ? 1 : -1;
    std::vector<Point> points;
    for (int k = 1; k <= major; k++) {
        int m = k * minor / major, rest = 2 * (k * minor % major);
        m += rest > major || (rest == major && major_dir > 0);
        points.push_back(x_major ? Point(x0 + major_dir * k, y0 + minor_dir * m)
                                 : Point(x0 + minor_dir * m, y0 + major_dir * k));
    }
    return points;
}

TEST(LineStepper, MatchesTheRoundedIdealLineWithItsTieBreakForEveryEndInA41By41Square)
{
    for (int ey = -23; ey <= 17; ey++)
        for (int ex = -13; ex <= 27; ex++) {
            std::vector<Point> walked;
            line_stepper_begin(7, -3, ex, ey);
            for (int x = 7, y = -3; walked.size() <= 50 && line_stepper_step(x, y, ex, ey);)
                walked.push_back(Point(x, y));
            ASSERT_EQ(walked, reference_line(7, -3, ex, ey)) << "end " << ex << "," << ey;
        }
}

// The shooter at (320, 240) on screen and in the world. Every corpse facing
// is a solid square of its own colour; every splat is keyed but for one red
// pixel at its centre, so the floor shows where each one landed.
class FireShot : public WorldPicture {
protected:
    void SetUp() override
    {
        WorldPicture::SetUp();
        world_surface = display_like_surface(1200, 800);
        for (SDL_Surface *s : {people_image, blood_image}) {
            SDL_FillRect(s, nullptr, key_color(s));
            SDL_SetColorKey(s, SDL_SRCCOLORKEY, key_color(s));
        }
        for (int f = 0; f < FACING_COUNT; f++)
            SDL_FillRect(people_image, &corpse_frames[f], corpse_color(f));
        for (int i = 0; i < BLOOD_SPLAT_COUNT; i++)
            write_pixel(blood_image, blood_frames[i].x + SPLAT_OFFSET, SPLAT_OFFSET, red());
        player_x[0] = 320.0f;
        player_y[0] = 240.0f;
        camera_x = camera_y = 0.0f;
    }
    static Uint32 corpse_color(int f) { return display_rgb(f % 8 * 32, f / 8 * 32, 96); }
    static Uint32 red() { return display_rgb(255, 0, 0); }
    // The centres of `count` splats, taking the random numbers paint_blood_splat takes.
    static void replay_splats(std::set<Point> &centres, float x, float y, int spread, int count)
    {
        for (int i = 0; i < count; i++) {
            game_random();  // frame
            int y_offset = game_random() % (2 * spread + 1),
                x_offset = game_random() % (2 * spread + 1);
            centres.insert(Point((int)(x + (float)(x_offset - spread)),
                                 (int)(y + (float)(y_offset - spread))));
        }
    }
    static std::set<Point> blood_on_floor()
    {
        std::set<Point> found;
        count_pixels(world_surface, [&](int x, int y, Uint32 p) {
            return p == red() && found.insert({x, y}).second;
        });
        return found;
    }
    // On the square of a corpse lying at (575, 240).
    static bool on_corpse(int x, int y)
    {
        return (unsigned)(x - 575 + CORPSE_OFFSET) < (unsigned)SPRITE_SIZE &&
               (unsigned)(y - 240 + CORPSE_OFFSET) < (unsigned)SPRITE_SIZE;
    }
    // Pixels of the view whose whiteness differs from the box (left, top) to (right, bottom).
    static int tracer_errors(int left, int right, int top, int bottom)
    {
        return count_pixels(view_surface, [&](int x, int y, Uint32 p) {
            bool white = p == SDL_MapRGB(view_surface->format, 255, 255, 255);
            return white != (y >= top && y <= bottom && x >= left && x <= right);
        });
    }
};

// The tracer writes its own pixels, so it runs at both depths; the rest at one.
class FireShotHits : public FireShot {};
INSTANTIATE_AT_BOTH_DEPTHS(FireShot);
INSTANTIATE_AT_ONE_DEPTH(FireShotHits);

// The tracer's 4-wide squares run from 20 steps out to 3 pixels from the
// view's edge, or to the first tested point a wall within 2 pixels stops; a
// zombie on the line at y 240 ends with `health`. Rows: the angle, up to two
// walls, the zombie's x and health, the white box.
// Rightward the squares run x 331 to 637 and the walk ends at 1020: it hits a
// zombie at 1038.5, 18.5 off, but not one at 1039.5. Leftward they run x 309
// down to 3, downward y 251 to 477, upward y 229 up to 3. A wall 1 below the
// line stops the walk past 598; walls exactly 2 off, below or beside it, let
// it pass as if they were not there.
TEST_P(FireShot, TheTracerRunsToTheViewsEdgeOrAWallAndHitsReachTheEndAlsoWithoutAView)
{
    const float quarter = (float)M_PI / 2;
    const struct {
        float angle, walls[2][4], zombie_x, health;
        int left, right, top, bottom;
    } shots[] = {{0, {}, 1039.5f, 100, 329, 638, 238, 241},
                 {2 * quarter, {}, 0, 0, 1, 310, 238, 241},
                 {quarter, {}, 0, 0, 318, 321, 249, 478},
                 {0, {{600, 241, 12, 100}}, 650, 100, 329, 601, 238, 241},
                 {0, {{600, 242, 12, 100}, {800, 140, 12, 98}}, 1038.5f, 80, 329, 638, 238, 241},
                 {-quarter, {{306, 100, 12, 100}, {322, 100, 12, 100}}, 0, 0, 318, 321, 1, 230}};
    for (const auto &s : shots) {
        clear_wall_rects();
        clear_zombies();
        SDL_FillRect(view_surface, nullptr, 0);
        for (const auto &w : s.walls)
            if (w[2] > 0)
                add_wall_rect(w[0], w[1], w[2], w[3]);
        if (s.zombie_x > 0)
            place_zombie(s.zombie_x, 240.0f);
        fire_shot(320, 240, s.angle);
        EXPECT_EQ(tracer_errors(s.left, s.right, s.top, s.bottom), 0)
            << s.angle << " zombie " << s.zombie_x;
        EXPECT_TRUE(s.zombie_x == 0 || zombies[0]->health == s.health) << s.zombie_x;
    }
    // An absent view only loses the tracer.
    SDL_FreeSurface(view_surface);
    view_surface = nullptr;
    clear_zombies();
    Zombie &zombie = place_zombie(500.0f, 240.0f);
    fire_shot(320, 240, 0.0f);
    EXPECT_EQ(zombie.health, 80.0f);
}

TEST_P(FireShotHits, TheFifthHitKillsLeavingACorpseUnderItsPoolAndTheOthersInOrder)
{
    Zombie *before = &place_zombie(320.0f, 400.0f), *target = &place_zombie(500.0f, 240.0f);
    Zombie *after = &place_zombie(100.0f, 100.0f);
    for (int shot = 0; shot < 4; shot++)
        fire_shot(320, 240, 0.0f);
    EXPECT_EQ((std::vector<float>{target->x, target->health}), (std::vector<float>{560, 20}));
    Zombie *fresh = &place_zombie(560.0f, 241.0f);  // last in the list, beside the target
    SDL_FillRect(world_surface, nullptr, 0);
    // Draws: the target's hit, its corpse, its pool, then the fresh zombie's
    // hit; the corpse covers only what was painted before it.
    seed_random(9);
    std::set<Point> under, over;
    replay_splats(under, 575.0f, 240.0f, SPLAT_SPREAD_HIT, SPLATS_PER_HIT);
    int corpse = game_random() % FACING_COUNT;
    replay_splats(over, 575.0f, 240.0f, SPLAT_SPREAD_KILL, SPLATS_PER_KILL);
    replay_splats(over, 575.0f, 241.0f, SPLAT_SPREAD_HIT, SPLATS_PER_HIT);
    int next = game_random();
    for (const Point &p : under)
        if (!on_corpse(p.first, p.second))
            over.insert(p);
    seed_random(9);
    fire_shot(320, 240, 0.0f);
    EXPECT_EQ(kill_count, 1);
    EXPECT_EQ(std::vector<Zombie *>(zombies, zombies + zombie_count),
              (std::vector<Zombie *>{before, after, fresh}));
    EXPECT_EQ(fresh->health, 80.0f);
    // Floor pixels in the corpse's colour off its square, or in neither its colour nor blood's on it.
    Uint32 mine = corpse_color(corpse);
    auto misplaced = [&](int x, int y, Uint32 p) {
        return on_corpse(x, y) ? p != mine && p != red() : p == mine;
    };
    EXPECT_EQ(count_pixels(world_surface, misplaced), 0);
    EXPECT_EQ(blood_on_floor(), over);
    EXPECT_EQ(game_random(), next);

    // The zombie that moves into a killed one's index is skipped at that
    // point, and the kill ends the shot.
    clear_zombies();
    place_zombie(500.0f, 240.0f, 20.0f);
    place_zombie(500.0f, 241.0f);
    SDL_FillRect(view_surface, nullptr, 0);
    fire_shot(320, 240, 0.0f);
    EXPECT_EQ(kill_count, 2);
    EXPECT_TRUE(zombie_count == 1 && zombies[0]->x == 500.0f);
    EXPECT_EQ(tracer_errors(329, 483, 238, 241), 0);
}

// shots_test.cpp -- the line walk, the tracer, walls, hits, knockback, kills, blood and corpses
#include <cmath>
#include <cstdlib>
#include <set>
#include <utility>
#include <vector>

#include "app/assets.h"
#include "app/display.h"
#include "game/shots.h"
#include "game/world.h"
#include "support.h"

typedef std::pair<int, int> Point;

// The pixels of a line as rounding the ideal line gives them: at each step
// along the major axis the minor offset is the nearest integer to
// k * minor / major; an exact half rounds away from the start only when the
// major axis runs in the positive direction.
static std::vector<Point> reference_line(int x0, int y0, int x1, int y1)
{
    int dx = std::abs(x1 - x0), dy = std::abs(y1 - y0);
    bool x_major = dx >= dy;
    int major = x_major ? dx : dy, minor = x_major ? dy : dx;
    int major_dir = (x_major ? x1 > x0 : y1 > y0) ? 1 : -1;
    int minor_dir = (x_major ? y1 > y0 : x1 > x0) ? 1 : -1;
    std::vector<Point> points;
    for (int k = 1; k <= major; k++) {
        int numerator = 2 * k * minor, denominator = 2 * major;
        int m = numerator / denominator, rest = numerator % denominator;
        if (rest > major || (rest == major && major_dir > 0))
            m++;
        if (x_major)
            points.push_back(Point(x0 + major_dir * k, y0 + minor_dir * m));
        else
            points.push_back(Point(x0 + minor_dir * m, y0 + major_dir * k));
    }
    return points;
}

TEST(LineStepper, MatchesRoundingTheIdealLineForEveryEndInA41By41Square)
{
    for (int ey = -20; ey <= 20; ey++) {
        for (int ex = -20; ex <= 20; ex++) {
            std::vector<Point> want = reference_line(7, -3, 7 + ex, -3 + ey);
            line_stepper_begin(7, -3, 7 + ex, -3 + ey);
            std::vector<Point> walked;
            int x = 7, y = -3;
            while (walked.size() <= want.size() && line_stepper_step(x, y, 7 + ex, -3 + ey))
                walked.push_back(Point(x, y));
            ASSERT_EQ(walked, want) << "end offset " << ex << "," << ey;
            EXPECT_FALSE(line_stepper_step(x, y, 7 + ex, -3 + ey));  // at the end: no move
            EXPECT_EQ(Point(x, y), Point(7 + ex, -3 + ey));
        }
    }
    // Only the major coordinate decides the end, so a shot can be cut short.
    line_stepper_begin(0, 0, 10, 5);
    int x = 0, y = 0;
    for (int i = 0; i < 4; i++)
        line_stepper_step(x, y, 10, 5);
    EXPECT_FALSE(line_stepper_step(x, y, x, 99));
    EXPECT_EQ(Point(x, y), Point(4, 2));
    EXPECT_EQ(line_stepper.sx, 1);
    EXPECT_EQ(line_stepper.sy, 1);
    EXPECT_EQ(line_stepper.dx2, 20);
    EXPECT_EQ(line_stepper.dy2, 10);
    line_stepper_begin(5, 5, 5, 5);  // no distance counts as the negative direction
    EXPECT_EQ(line_stepper.sx, -1);
    EXPECT_EQ(line_stepper.sy, -1);
}

const int TEST_WORLD_W = 1200, TEST_WORLD_H = 800;  // enough floor for these shots

class FireShot : public DisplayTest {
protected:
    void SetUp() override
    {
        DisplayTest::SetUp();
        fill_sprite_tables();
        view_surface = make_surface(VIEW_W, VIEW_H);
        world_surface = make_surface(TEST_WORLD_W, TEST_WORLD_H);
        make_people_image();
        make_blood_image();
        clear_zombies();
        clear_wall_rects();
        player_count = 1;
        player_x[0] = 320.0f;  // the shooter, on screen where the shots start
        player_y[0] = 240.0f;
        player_health[0] = 100.0f;
        camera_x = 0.0f;
        camera_y = 0.0f;
        kill_count = 0;
        srand(1);
    }
    void TearDown() override
    {
        clear_zombies();
        clear_wall_rects();
        player_count = 1;
        SDL_Surface **surfaces[] = {&view_surface, &world_surface, &people_image, &blood_image};
        for (SDL_Surface **surface : surfaces) {
            SDL_FreeSurface(*surface);
            *surface = nullptr;
        }
        DisplayTest::TearDown();
    }

    static SDL_Surface *make_surface(int w, int h)
    {
        SDL_PixelFormat *f = display_surface->format;
        SDL_Surface *s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, f->BitsPerPixel, f->Rmask,
                                              f->Gmask, f->Bmask, f->Amask);
        SDL_FillRect(s, nullptr, 0);
        return s;
    }
    // Every corpse facing is a solid square of its own colour.
    static Uint32 corpse_color(SDL_Surface *s, int frame)
    {
        return SDL_MapRGB(s->format, (Uint8)(frame % 8 * 32), (Uint8)(frame / 8 * 32), 96);
    }
    static void make_people_image()
    {
        people_image = make_surface(FACING_COUNT * SPRITE_SIZE, 3 * SPRITE_SIZE);
        SDL_FillRect(people_image, nullptr, key_color(people_image));
        for (int f = 0; f < FACING_COUNT; f++)
            SDL_FillRect(people_image, &corpse_frames[f], corpse_color(people_image, f));
        SDL_SetColorKey(people_image, SDL_SRCCOLORKEY, key_color(people_image));
    }
    // Every splat is transparent but for one red pixel at its centre, so a
    // test sees exactly where each splat landed.
    static void make_blood_image()
    {
        blood_image = make_surface(BLOOD_SPLAT_COUNT * BLOOD_SPLAT_SIZE, BLOOD_SPLAT_SIZE);
        SDL_FillRect(blood_image, nullptr, key_color(blood_image));
        for (int i = 0; i < BLOOD_SPLAT_COUNT; i++)
            write_pixel(blood_image, blood_frames[i].x + SPLAT_OFFSET, SPLAT_OFFSET, red());
        SDL_SetColorKey(blood_image, SDL_SRCCOLORKEY, key_color(blood_image));
    }
    static Uint32 red() { return SDL_MapRGB(display_surface->format, 255, 0, 0); }

    // The centres of `count` splats as paint_blood_splat will draw them,
    // taking the same random numbers.
    static void replay_splats(std::set<Point> &centres, float x, float y, int spread, int count)
    {
        for (int i = 0; i < count; i++) {
            rand();  // frame
            int y_offset = rand() % (2 * spread + 1);
            int x_offset = rand() % (2 * spread + 1);
            centres.insert(Point((int)(x + (float)x_offset - (float)spread),
                                 (int)(y + (float)y_offset - (float)spread)));
        }
    }
    // The floor holds red exactly at the expected splat centres.
    static void expect_blood_at(const std::set<Point> &centres)
    {
        std::set<Point> found;
        for (int y = 0; y < TEST_WORLD_H; y++)
            for (int x = 0; x < TEST_WORLD_W; x++)
                if (read_pixel(world_surface, x, y) == red())
                    found.insert(Point(x, y));
        EXPECT_EQ(found, centres);
    }
    static void expect_corpse(int frame, float x, float y, const std::set<Point> &splats)
    {
        int left = (int)x - CORPSE_OFFSET, top = (int)y - CORPSE_OFFSET;
        int wrong = 0;
        for (int v = -1; v <= SPRITE_SIZE; v++)
            for (int u = -1; u <= SPRITE_SIZE; u++) {
                if (splats.count(Point(left + u, top + v)))
                    continue;
                bool inside = u >= 0 && v >= 0 && u < SPRITE_SIZE && v < SPRITE_SIZE;
                Uint32 want = inside ? corpse_color(world_surface, frame) : 0;
                wrong += read_pixel(world_surface, left + u, top + v) != want;
            }
        EXPECT_EQ(wrong, 0) << "corpse frame " << frame;
    }
    // The corpse is painted over the splats of the killing hit and under the
    // pool: what stays red is the pool and the hit splats outside the corpse.
    static std::set<Point> visible_blood(const std::set<Point> &wound, float x, float y,
                                         const std::set<Point> &pool)
    {
        int left = (int)x - CORPSE_OFFSET, top = (int)y - CORPSE_OFFSET;
        std::set<Point> visible = pool;
        for (const Point &p : wound)
            if (p.first < left || p.first >= left + SPRITE_SIZE || p.second < top ||
                p.second >= top + SPRITE_SIZE)
                visible.insert(p);
        return visible;
    }
    static bool white(int x, int y)
    {
        return read_pixel(view_surface, x, y) == SDL_MapRGB(view_surface->format, 255, 255, 255);
    }
    // The tracer covers exactly the columns `left` to `right` of the rows
    // `top` to `bottom`.
    static void expect_tracer_box(int left, int right, int top, int bottom)
    {
        int wrong = 0;
        for (int y = 0; y < VIEW_H; y++)
            for (int x = 0; x < VIEW_W; x++)
                wrong += white(x, y) != (y >= top && y <= bottom && x >= left && x <= right);
        EXPECT_EQ(wrong, 0) << "tracer " << left << "-" << right << " x " << top << "-" << bottom;
    }
    // A shot along row 240 covers rows 238 to 241.
    static void expect_tracer_columns(int first, int last) { expect_tracer_box(first, last, 238, 241); }
    static Zombie &place_zombie(float x, float y, float health = 100.0f)
    {
        spawn_zombie(x, y);
        zombies[zombie_count - 1]->health = health;
        return *zombies[zombie_count - 1];
    }
};

INSTANTIATE_AT_BOTH_DEPTHS(FireShot);

TEST_P(FireShot, AShotAtAngleZeroTracesToTheViewEdgeAndWalksOnOffScreen)
{
    fire_shot(320, 240, 0.0f);
    EXPECT_EQ(line_stepper.dx2, 2 * 700);  // end (1020, 240)
    EXPECT_EQ(line_stepper.dy2, 0);
    expect_tracer_columns(329, 638);  // squares at x 331 to 637, 4 wide
    EXPECT_EQ(player_x[0], 320.0f);   // never the shooter
    expect_blood_at({});

    // Squares stop 3 pixels from every edge of the view.
    const float quarter = (float)M_PI / 2;
    const struct { float angle; int left, right, top, bottom; } shots[] = {
        {2 * quarter, 1, 310, 238, 241},   // left: squares at x 309 down to 3
        {quarter, 318, 321, 249, 478},     // down: y 251 to 477
        {-quarter, 318, 321, 1, 230},      // up: y 229 down to 3
    };
    for (const auto &shot : shots) {
        SDL_FillRect(view_surface, nullptr, 0);
        fire_shot(320, 240, shot.angle);
        expect_tracer_box(shot.left, shot.right, shot.top, shot.bottom);
    }

    // Beyond the view's edge the walk still hits, 662 pixels out.
    Zombie &far = place_zombie(1000.0f, 240.0f);
    srand(3);
    std::set<Point> splats;
    replay_splats(splats, 1015.0f, 240.0f, SPLAT_SPREAD_HIT, SPLATS_PER_HIT);
    int next = rand();
    srand(3);
    fire_shot(320, 240, 0.0f);
    EXPECT_EQ(far.x, 1015.0f);
    EXPECT_EQ(far.health, 80.0f);
    expect_blood_at(splats);
    EXPECT_EQ(rand(), next);
}

TEST_P(FireShot, AWallWithinTwoPixelsStopsTheShotAndShieldsWhatIsBehind)
{
    Zombie &behind = place_zombie(650.0f, 240.0f);
    add_wall_rect(600.0f, 241.0f, 12.0f, 100.0f);  // 1 pixel below the line
    fire_shot(320, 240, 0.0f);
    expect_tracer_columns(329, 601);  // the first tested point past x 598 is 600
    EXPECT_EQ(behind.x, 650.0f);
    EXPECT_EQ(behind.health, 100.0f);

    clear_wall_rects();
    SDL_FillRect(view_surface, nullptr, 0);
    add_wall_rect(600.0f, 242.0f, 12.0f, 100.0f);  // exactly 2 below: the line passes
    add_wall_rect(800.0f, 140.0f, 12.0f, 98.0f);   // exactly 2 above
    behind.x = 1100.0f;  // out of range
    fire_shot(320, 240, 0.0f);
    expect_tracer_columns(329, 638);
}

TEST_P(FireShot, AHitKnocksTheZombieBackAlongTheShotAndPaintsFiveSplats)
{
    Zombie &zombie = place_zombie(500.0f, 240.0f);
    std::set<Point> splats;
    replay_splats(splats, 515.0f, 240.0f, SPLAT_SPREAD_HIT, SPLATS_PER_HIT);
    int next = rand();
    srand(1);
    fire_shot(320, 240, 0.0f);
    EXPECT_EQ(zombie.x, 515.0f);
    EXPECT_EQ(zombie.y, 240.0f);
    EXPECT_EQ(zombie.health, 80.0f);
    expect_tracer_columns(329, 483);  // hit at x 482, 18 from the zombie
    expect_blood_at(splats);
    EXPECT_EQ(rand(), next);
    EXPECT_EQ(kill_count, 0);

    // Along a slanted shot the knockback follows the shot's direction.
    const float angle = 0.6f;
    float start_x = 300.0f + 200.0f * std::cos(angle), start_y = 200.0f + 200.0f * std::sin(angle);
    Zombie &slanted = place_zombie(start_x, start_y);
    fire_shot(300, 200, angle);
    EXPECT_NEAR(slanted.x - start_x, 15.0 * std::cos(0.6), 1e-4);
    EXPECT_NEAR(slanted.y - start_y, 15.0 * std::sin(0.6), 1e-4);
    EXPECT_EQ(slanted.health, 80.0f);
}

TEST_P(FireShot, TheFifthHitKillsLeavingACorpseAPoolAndTheOthersInOrder)
{
    Zombie *before = &place_zombie(320.0f, 400.0f);
    Zombie &target = place_zombie(500.0f, 240.0f);
    Zombie *after = &place_zombie(100.0f, 100.0f);
    for (int shot = 1; shot <= 4; shot++) {
        fire_shot(320, 240, 0.0f);
        EXPECT_EQ(target.health, 100.0f - 20.0f * shot);
        EXPECT_EQ(target.x, 500.0f + 15.0f * shot);
    }
    ASSERT_EQ(zombie_count, 3);
    SDL_FillRect(world_surface, nullptr, 0);

    srand(9);
    std::set<Point> wound, pool;
    replay_splats(wound, 575.0f, 240.0f, SPLAT_SPREAD_HIT, SPLATS_PER_HIT);
    int corpse = rand() % FACING_COUNT;
    replay_splats(pool, 575.0f, 240.0f, SPLAT_SPREAD_KILL, SPLATS_PER_KILL);
    int next = rand();
    srand(9);
    fire_shot(320, 240, 0.0f);
    EXPECT_EQ(kill_count, 1);
    ASSERT_EQ(zombie_count, 2);
    EXPECT_EQ(zombies[0], before);
    EXPECT_EQ(zombies[1], after);
    expect_corpse(corpse, 575.0f, 240.0f, pool);
    expect_blood_at(visible_blood(wound, 575.0f, 240.0f, pool));
    EXPECT_EQ(rand(), next);

    // A zombie at 10 health, as a save may hold, dies on the first hit.
    place_zombie(500.0f, 240.0f, 10.0f);
    fire_shot(320, 240, 0.0f);
    EXPECT_EQ(kill_count, 2);
    EXPECT_EQ(zombie_count, 2);
}

TEST_P(FireShot, OverlappingZombiesAreAllHitButOneShiftedIntoAFreedIndexIsSkipped)
{
    Zombie &first = place_zombie(500.0f, 240.0f);
    Zombie &second = place_zombie(500.0f, 241.0f);
    fire_shot(320, 240, 0.0f);
    EXPECT_EQ(first.x, 515.0f);
    EXPECT_EQ(second.x, 515.0f);
    EXPECT_EQ(first.health, 80.0f);
    EXPECT_EQ(second.health, 80.0f);

    clear_zombies();
    place_zombie(500.0f, 240.0f, 20.0f);
    Zombie &shifted = place_zombie(500.0f, 241.0f);
    SDL_FillRect(view_surface, nullptr, 0);
    fire_shot(320, 240, 0.0f);
    EXPECT_EQ(kill_count, 1);
    ASSERT_EQ(zombie_count, 1);
    EXPECT_EQ(shifted.x, 500.0f);
    EXPECT_EQ(shifted.health, 100.0f);
    expect_tracer_columns(329, 483);  // the kill still ended the shot
}

TEST_P(FireShot, APlayerInTheLineIsPushedAndBleedsButKeepsItsHealth)
{
    player_count = 2;
    player_x[1] = 500.0f;
    player_y[1] = 240.0f;
    player_health[1] = 100.0f;
    std::set<Point> splats;
    replay_splats(splats, 515.0f, 240.0f, SPLAT_SPREAD_HIT, SPLATS_PER_HIT);
    srand(1);
    fire_shot(320, 240, 0.0f);
    EXPECT_EQ(player_x[1], 515.0f);
    EXPECT_EQ(player_y[1], 240.0f);
    EXPECT_EQ(player_health[1], 100.0f);
    EXPECT_EQ(player_health[0], 100.0f);
    EXPECT_EQ(player_x[0], 320.0f);
    expect_blood_at(splats);
    expect_tracer_columns(329, 483);
}

TEST_P(FireShot, TheRandomDrawsOfOneShotComeHitByHitThenCorpseThenPool)
{
    place_zombie(500.0f, 240.0f);          // hit
    place_zombie(500.0f, 241.0f, 20.0f);   // hit and killed
    srand(21);
    std::set<Point> wound, pool;
    replay_splats(wound, 515.0f, 240.0f, SPLAT_SPREAD_HIT, SPLATS_PER_HIT);
    replay_splats(wound, 515.0f, 241.0f, SPLAT_SPREAD_HIT, SPLATS_PER_HIT);
    int corpse = rand() % FACING_COUNT;
    replay_splats(pool, 515.0f, 241.0f, SPLAT_SPREAD_KILL, SPLATS_PER_KILL);
    int next = rand();
    srand(21);
    fire_shot(320, 240, 0.0f);
    EXPECT_EQ(kill_count, 1);
    expect_corpse(corpse, 515.0f, 241.0f, pool);
    expect_blood_at(visible_blood(wound, 515.0f, 241.0f, pool));
    EXPECT_EQ(rand(), next);
}

TEST_P(FireShot, TheTracerStaysInsideASmallerViewAndAnAbsentViewOnlyLosesTheTracer)
{
    SDL_FreeSurface(view_surface);
    view_surface = make_surface(100, 100);
    fire_shot(50, 50, 0.0f);
    int wrong = 0;
    for (int y = 0; y < 100; y++)
        for (int x = 0; x < 100; x++)
            wrong += white(x, y) != (y >= 48 && y <= 51 && x >= 59);
    EXPECT_EQ(wrong, 0);

    SDL_FreeSurface(view_surface);
    view_surface = nullptr;
    Zombie &zombie = place_zombie(500.0f, 240.0f);
    fire_shot(320, 240, 0.0f);
    EXPECT_EQ(zombie.health, 80.0f);
}

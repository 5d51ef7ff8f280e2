// people.cpp -- the survivor, the zombie and the dead zombie seen from above, facing +x
#include "people.h"

// Every shape is drawn twice: first grown by a pixel in the rim colour, then in
// its own colour, so each figure has a dark outline that reads on any floor.
struct Pen {
    Picture *picture;
    bool rim_pass;
};

const Color RIM = {0.06f, 0.05f, 0.04f, 1.0f};
const float RIM_GROWTH = 1.0f;

static Color pen_colour(const Pen &pen, Color c)
{
    return pen.rim_pass ? RIM : c;
}

static float grown(const Pen &pen, float r)
{
    return pen.rim_pass ? r + RIM_GROWTH : r;
}

static void disc(Pen &pen, float x, float y, float r, Color c)
{
    draw_disc(*pen.picture, x, y, grown(pen, r), pen_colour(pen, c));
}

static void ellipse(Pen &pen, float x, float y, float rx, float ry, float angle, Color c)
{
    draw_ellipse(*pen.picture, x, y, grown(pen, rx), grown(pen, ry), angle, pen_colour(pen, c));
}

static void limb(Pen &pen, float x0, float y0, float x1, float y1, float r, Color c)
{
    draw_capsule(*pen.picture, x0, y0, x1, y1, grown(pen, r), pen_colour(pen, c));
}

// A disc with a thin rim of its own, so a head or a hand stands apart from the body under it.
static void rimmed_disc(Pen &pen, float x, float y, float r, Color c)
{
    if (!pen.rim_pass)
        draw_disc(*pen.picture, x, y, r + 0.8f, RIM);
    disc(pen, x, y, r, c);
}

// Details drawn only in the colour pass (no rim of their own).
static void detail_disc(Pen &pen, float x, float y, float r, Color c)
{
    if (!pen.rim_pass)
        draw_disc(*pen.picture, x, y, r, c);
}

static void detail_limb(Pen &pen, float x0, float y0, float x1, float y1, float r, Color c)
{
    if (!pen.rim_pass)
        draw_capsule(*pen.picture, x0, y0, x1, y1, r, c);
}

// The survivor: hi-visibility vest, navy sleeves, a backpack and a rifle held forward.
static void draw_survivor(Pen &pen)
{
    const Color sleeve = rgb(44, 64, 104), vest = rgb(234, 152, 38), skin = rgb(210, 162, 122);
    const Color gun = rgb(78, 80, 88), stock = rgb(110, 72, 40), pack = rgb(88, 92, 58);
    limb(pen, 17.0f, 21.5f, 32.5f, 21.5f, 1.2f, gun);  // rifle
    detail_limb(pen, 22.0f, 21.0f, 32.0f, 21.0f, 0.4f,
                rgb(140, 144, 152));  // light along the barrel
    limb(pen, 12.5f, 21.5f, 18.0f, 21.5f, 1.7f, stock);
    ellipse(pen, 9.5f, 18.0f, 3.0f, 5.6f, 0, pack);       // backpack on the back
    limb(pen, 14.5f, 26.0f, 20.5f, 23.5f, 1.8f, sleeve);  // right arm to the grip
    limb(pen, 14.5f, 10.0f, 20.0f, 14.0f, 1.8f, sleeve);  // left arm to the fore-end
    limb(pen, 20.0f, 14.0f, 26.0f, 20.0f, 1.6f, sleeve);
    ellipse(pen, 14.5f, 18.0f, 5.4f, 9.4f, 0, vest);  // shoulders in the vest
    detail_limb(pen, 12.6f, 10.8f, 12.6f, 25.2f, 0.6f, rgb(222, 222, 204));  // reflective band
    disc(pen, 21.0f, 22.8f, 1.6f, skin);                                     // hands
    disc(pen, 26.8f, 21.0f, 1.6f, skin);
    rimmed_disc(pen, 16.5f, 18.0f, 4.3f, rgb(62, 42, 26));              // head, dark hair
    detail_disc(pen, 17.7f, 16.8f, 1.6f, rgb(96, 70, 44));              // light on the hair
    detail_limb(pen, 9.5f, 13.8f, 9.5f, 22.2f, 0.5f, rgb(60, 62, 38));  // pack straps
}

// The zombie: grey-green skin, torn shirt, both arms reaching forward.
static void draw_zombie(Pen &pen)
{
    const Color skin = rgb(128, 146, 100), shirt = rgb(92, 78, 74), blood = rgb(110, 18, 16);
    limb(pen, 14.5f, 9.5f, 21.0f, 10.5f, 2.2f, shirt);  // sleeves
    limb(pen, 14.5f, 26.5f, 21.0f, 25.0f, 2.2f, shirt);
    limb(pen, 20.5f, 10.5f, 29.5f, 12.0f, 1.7f, skin);  // bare forearms
    limb(pen, 20.5f, 25.0f, 30.5f, 23.0f, 1.7f, skin);
    disc(pen, 30.5f, 12.2f, 2.1f, skin);  // grasping hands
    disc(pen, 31.5f, 22.8f, 2.1f, skin);
    ellipse(pen, 14.0f, 18.0f, 5.8f, 9.6f, 0.08f, shirt);  // hunched shoulders
    detail_disc(pen, 12.5f, 22.0f, 2.2f, blood);           // stains on the shirt
    detail_disc(pen, 15.5f, 12.5f, 1.4f, rgb(66, 56, 52));
    detail_limb(pen, 11.0f, 14.0f, 13.0f, 17.5f, 0.6f, rgb(60, 50, 48));  // tear
    rimmed_disc(pen, 17.5f, 18.8f, 4.5f, skin);              // bald head, lolling aside
    detail_disc(pen, 16.0f, 20.5f, 1.8f, rgb(84, 96, 66));   // rot patches
    detail_disc(pen, 19.0f, 17.0f, 1.2f, rgb(150, 40, 36));  // open wound
    detail_disc(pen, 31.8f, 23.5f, 0.9f, blood);
}

// The dead zombie lying on its back, head to +x, limbs thrown out, in a pool of blood.
static void draw_corpse(Pen &pen)
{
    const Color skin = rgb(104, 120, 84), shirt = rgb(74, 62, 60), trousers = rgb(48, 46, 50);
    const Color pool = rgb(72, 8, 8);
    if (!pen.rim_pass) {
        // The pool has no rim: it soaks into the floor.
        draw_ellipse(*pen.picture, 18.0f, 19.0f, 13.5f, 8.5f, 0.15f, pool);
        draw_disc(*pen.picture, 25.0f, 24.0f, 5.0f, pool);
        draw_disc(*pen.picture, 9.0f, 14.0f, 4.5f, pool);
    }
    limb(pen, 11.0f, 15.5f, 5.0f, 11.5f, 2.1f, trousers);  // legs
    limb(pen, 11.0f, 20.5f, 5.5f, 25.0f, 2.1f, trousers);
    limb(pen, 21.0f, 14.0f, 25.5f, 6.0f, 1.7f, skin);  // arms flung out
    limb(pen, 20.5f, 22.5f, 29.0f, 27.5f, 1.7f, skin);
    ellipse(pen, 16.0f, 18.0f, 7.0f, 5.2f, 0, shirt);       // torso
    detail_disc(pen, 15.0f, 19.0f, 2.4f, rgb(96, 14, 12));  // the wounds that ended it
    detail_disc(pen, 18.5f, 16.0f, 1.3f, rgb(96, 14, 12));
    rimmed_disc(pen, 26.5f, 18.5f, 3.9f, skin);  // head
    detail_disc(pen, 27.5f, 18.0f, 1.5f, rgb(70, 80, 56));
}

static void draw_figure(Picture &sheet, int top, void (*figure)(Pen &))
{
    Picture sprite = make_picture(SPRITE_SIZE, SPRITE_SIZE, TRANSPARENT);
    Pen pen = {&sprite, true};
    figure(pen);
    pen.rim_pass = false;
    figure(pen);
    // Source column 0 and the last row never show in the rotated facings: keep them clear.
    for (int i = 0; i < SPRITE_SIZE; i++) {
        at(sprite, 0, i) = TRANSPARENT;
        at(sprite, i, SPRITE_SIZE - 1) = TRANSPARENT;
    }
    copy_into(sheet, sprite, 0, 0, SPRITE_SIZE, SPRITE_SIZE, 0, top);
}

Picture make_people()
{
    Picture sheet = make_picture(PEOPLE_W, PEOPLE_H, TRANSPARENT);
    draw_figure(sheet, PLAYER_ROW_Y, draw_survivor);
    draw_figure(sheet, ZOMBIE_ROW_Y, draw_zombie);
    draw_figure(sheet, CORPSE_ROW_Y, draw_corpse);
    return sheet;
}

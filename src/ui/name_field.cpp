// name_field.cpp -- the one-line field that names a map: typing, the caret, and the names it refuses
#include "ui/name_field.h"

#include <SDL.h>

#include <cstdio>
#include <cstring>

#include "app/display.h"
#include "app/input.h"
#include "ui/text.h"

bool name_field_open = false;
char name_field_question[NAME_QUESTION_SIZE];
char name_field_text[NAME_FIELD_SIZE];
const char *name_field_refusal = nullptr;
char accepted_name[NAME_FIELD_SIZE];

// The keys that type, read by their symbols: a run of symbols gives a run of
// characters. Caps Lock turns only the letters to capitals.
struct TypingKeys {
    int first, last;      // SDL key symbols
    char plain, shifted;  // of the first symbol; 0: the key types nothing so
    bool letters;
};
static const TypingKeys TYPING_KEYS[] = {
    {SDLK_a, SDLK_z, 'a', 'A', true},
    {SDLK_0, SDLK_9, '0', 0, false},  // shifted, they are punctuation on most keyboards
    {SDLK_KP0, SDLK_KP9, '0', '0', false},
    {SDLK_SPACE, SDLK_SPACE, ' ', ' ', false},
    {SDLK_MINUS, SDLK_MINUS, '-', '_', false},
    {SDLK_KP_MINUS, SDLK_KP_MINUS, '-', '-', false},
    {SDLK_UNDERSCORE, SDLK_UNDERSCORE, '_', '_', false},
};

static bool is_name_char(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ' ||
           c == '-' || c == '_';
}

void open_name_field(const char *question, const char *prefill)
{
    snprintf(name_field_question, sizeof name_field_question, "%s", question);
    snprintf(name_field_text, sizeof name_field_text, "%s", prefill);
    name_field_refusal = nullptr;
    name_field_open = true;
}

void close_name_field()
{
    name_field_open = false;
    name_field_refusal = nullptr;
}

// A key this frame is used here alone: taken out of the table, it neither
// picks a menu row nor opens the overlay.
static bool take_key(int symbol)
{
    if (key_state[symbol] != KEY_PRESSED)
        return false;
    key_state[symbol] = KEY_HELD;
    return true;
}

static void add_char(char c)
{
    size_t length = strlen(name_field_text);
    if (length >= (size_t)NAME_MAX_CHARS)
        return;
    name_field_text[length] = c;
    name_field_text[length + 1] = '\0';
    name_field_refusal = nullptr;
}

// Keys pressed together in one frame type in the table's order.
static void type_keys()
{
    bool shift = key_down(SDLK_LSHIFT) || key_down(SDLK_RSHIFT);
    bool caps = (SDL_GetModState() & KMOD_CAPS) != 0;
    for (const TypingKeys &keys : TYPING_KEYS)
        for (int symbol = keys.first; symbol <= keys.last; symbol++) {
            if (!take_key(symbol))
                continue;
            bool capital = keys.letters ? shift != caps : shift;
            char first = capital ? keys.shifted : keys.plain;
            if (first)
                add_char((char)(first + (symbol - keys.first)));
        }
    size_t length = strlen(name_field_text);
    if (take_key(SDLK_BACKSPACE) && length > 0) {
        name_field_text[length - 1] = '\0';
        name_field_refusal = nullptr;
    }
}

// Return asks for the name; Alt+Return is the full-screen switch.
static bool return_pressed()
{
    if (SDL_GetModState() & KMOD_ALT)
        return false;
    bool pressed = take_key(SDLK_RETURN);
    return take_key(SDLK_KP_ENTER) || pressed;
}

static void fill_black(int x, int y, int w, int h)
{
    SDL_Rect area = make_rect(x, y, w, h);
    SDL_FillRect(display_surface, &area, SDL_MapRGB(display_surface->format, 0, 0, 0));
}

// Black like the notices, so it stands out over any screen; the field in it
// is lit like a hovered row. The caret is a bar in the gap after the last
// character, where the next one goes.
static void draw_prompt()
{
    fill_black(NAME_PANEL_X, NAME_PANEL_Y, NAME_PANEL_W, NAME_PANEL_H);
    draw_text(VIEW_CENTER_X, NAME_QUESTION_Y, name_field_question, TEXT_CENTER);
    copy_background_area(true, NAME_BOX_X, NAME_BOX_Y, NAME_BOX_W, NAME_BOX_H);
    draw_text(NAME_TEXT_X, NAME_TEXT_Y, name_field_text, TEXT_LEFT);
    int caret_x = NAME_TEXT_X + GLYPH_ADVANCE * (int)strlen(name_field_text) - NAME_CARET_BACK;
    draw_text(caret_x, NAME_TEXT_Y, NAME_CARET, TEXT_LEFT);
    draw_text(VIEW_CENTER_X, NAME_MESSAGE_Y, name_field_refusal ? name_field_refusal : NAME_HINT,
              TEXT_CENTER);
}

// Escape and a pad's B cancel; a name refused on Return keeps the field open.
int run_name_field()
{
    int result = NAME_TYPING;
    type_keys();
    if (take_key(SDLK_ESCAPE) || back_pressed()) {
        result = NAME_CANCELLED;
    } else if (return_pressed()) {
        name_field_refusal = name_refusal(name_field_text);
        if (!name_field_refusal) {
            trim_name(name_field_text, accepted_name);
            result = NAME_ACCEPTED;
        }
    }
    if (result != NAME_TYPING)
        close_name_field();
    draw_prompt();
    return result;
}

// The bounds of the text without its outer spaces: [start, end).
static void trimmed_bounds(const char *text, size_t &start, size_t &end)
{
    start = 0;
    end = strlen(text);
    while (start < end && text[start] == ' ')
        start++;
    while (end > start && text[end - 1] == ' ')
        end--;
}

void trim_name(const char *text, char name[NAME_FIELD_SIZE])
{
    size_t start, end;
    trimmed_bounds(text, start, end);
    snprintf(name, NAME_FIELD_SIZE, "%.*s", (int)(end - start), text + start);
}

// The file system decides what is taken: on one that ignores case, "town"
// is the shipped "Town".
const char *name_refusal(const char *text)
{
    size_t start, end;
    trimmed_bounds(text, start, end);
    if (start == end)
        return "Type a name first";
    if (end - start > (size_t)NAME_MAX_CHARS)
        return "That name is too long";
    for (size_t i = start; i < end; i++)
        if (!is_name_char(text[i]))
            return "Letters, digits, spaces, - and _ only";
    char name[NAME_FIELD_SIZE];
    trim_name(text, name);
    return map_name_taken(name) ? "A map has that name already" : nullptr;
}

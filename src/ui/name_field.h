// name_field.h -- the one-line field that names a map: typing, the caret, and the names it refuses
#pragma once

#include "maps/map_file.h"
#include "ui/map_choice.h"

// A name shows whole on a row of the map choice, and "Maps/<name>.map" fits map_path.
const int NAME_MAX_CHARS = MAX_ROW_LABEL_CHARS - 2;
const int NAME_FIELD_SIZE = NAME_MAX_CHARS + 1;
const int NAME_QUESTION_SIZE = 48;
static_assert(sizeof "Maps/" - 1 + NAME_MAX_CHARS + MAP_EXTENSION_LENGTH < MAP_PATH_SIZE,
              "a name's path must fit map_path");

// What a frame of the field ended with
enum { NAME_TYPING, NAME_ACCEPTED, NAME_CANCELLED };

// The prompt: a panel across the screen, the question, the field and a line
// under it for the hint or the refusal.
const int NAME_PANEL_X = 20, NAME_PANEL_Y = 168, NAME_PANEL_W = 600, NAME_PANEL_H = 116;
const int NAME_QUESTION_Y = 176;
const int NAME_BOX_X = 40, NAME_BOX_Y = 210, NAME_BOX_W = 560, NAME_BOX_H = 28;
const int NAME_TEXT_X = 48, NAME_TEXT_Y = 212;
const char NAME_CARET[] = "|";
const int NAME_CARET_BACK = 6;  // pixels left of the next character's cell: between the two
const int NAME_MESSAGE_Y = 250;
const char NAME_HINT[] = "Return to accept, Escape to cancel";

// Kept while the field is open
extern bool name_field_open;
extern char name_field_question[NAME_QUESTION_SIZE];
extern char name_field_text[NAME_FIELD_SIZE];  // as typed
extern const char *name_field_refusal;         // why the last Return was refused, or null
// Set when the field accepts
extern char accepted_name[NAME_FIELD_SIZE];  // the text without its outer spaces

void open_name_field(const char *question, const char *prefill);
void close_name_field();
// Each frame while open: takes the keys typed this frame, draws the prompt
// over the screen and tells whether Return accepted or Escape cancelled; a
// refused name keeps the field open with the reason under it.
int run_name_field();
// The text without its leading and trailing spaces, cut to a name's length.
void trim_name(const char *text, char name[NAME_FIELD_SIZE]);
// Why a text cannot name a new map (after trimming), or null when it can.
const char *name_refusal(const char *text);

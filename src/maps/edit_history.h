// edit_history.h -- the editor's strokes for undo and redo: the tiles each one changed
#pragma once

#include "maps/map_file.h"

const int HISTORY_STROKES = 256;  // strokes kept; a new one beyond forgets the oldest
// One kind per stroke changes a tile once at most
const int STROKE_MAX_CHANGES = MAP_SIZE * MAP_SIZE;

// One painted tile: what it was and what it became.
struct TileChange {
    unsigned char x, y;
    unsigned char old_kind, new_kind;
};

// Reset when the editor is entered or left. Strokes are numbered from 0 on;
// stroke n lives in slot n % HISTORY_STROKES.
extern TileChange stroke_changes[HISTORY_STROKES][STROKE_MAX_CHANGES];
extern int stroke_change_count[HISTORY_STROKES];
extern int history_first;  // the oldest stroke still kept
extern int history_done;   // strokes in effect: undo takes back stroke history_done - 1
extern int
    history_end;  // strokes recorded, the undone ones included: redo brings back history_done
extern int
    history_saved;  // history_done when the file last matched the grid; -1 when no undo can return there
extern bool stroke_open;  // the newest stroke takes further changes (the button is still down)

void clear_edit_history();
// Sets a tile to a kind and redraws it in world_surface, recorded in the
// open stroke (opened here if needed). A tile that already has the kind
// changes nothing and records nothing; returns whether the tile changed.
bool paint_tile(int x, int y, int kind);
void end_stroke();
bool undo_stroke();  // false when there is nothing to undo
bool redo_stroke();  // false when there is nothing to redo
void mark_history_saved();
bool has_unsaved_edits();

// edit_history.cpp -- the editor's strokes for undo and redo: the tiles each one changed
#include "maps/edit_history.h"

TileChange stroke_changes[HISTORY_STROKES][STROKE_MAX_CHANGES];
int stroke_change_count[HISTORY_STROKES];
int history_first = 0;
int history_done = 0;
int history_end = 0;
int history_saved = 0;
bool stroke_open = false;

// The grid as loaded is the saved state.
void clear_edit_history()
{
    history_first = history_done = history_end = history_saved = 0;
    stroke_open = false;
}

static int slot_of(int stroke)
{
    return stroke % HISTORY_STROKES;
}

// A new stroke drops the undone ones after it, and the oldest stroke when
// the ring is full.
static void open_stroke()
{
    if (history_saved > history_done)
        history_saved = -1;
    history_end = history_done;
    if (history_end - history_first == HISTORY_STROKES)
        history_first++;
    stroke_change_count[slot_of(history_end)] = 0;
    history_end++;
    history_done = history_end;
    stroke_open = true;
}

bool paint_tile(int x, int y, int kind)
{
    if (map_tiles[x][y] == kind)
        return false;
    if (!stroke_open || stroke_change_count[slot_of(history_done - 1)] == STROKE_MAX_CHANGES)
        open_stroke();
    int slot = slot_of(history_done - 1);
    stroke_changes[slot][stroke_change_count[slot]++] = {
        (unsigned char)x, (unsigned char)y, (unsigned char)map_tiles[x][y], (unsigned char)kind};
    map_tiles[x][y] = kind;
    draw_tile(x, y);
    return true;
}

void end_stroke()
{
    stroke_open = false;
}

// Only the tiles of the stroke are redrawn, never the whole world picture.
// Undo walks the changes backwards, so a tile changed twice ends as it began.
bool undo_stroke()
{
    end_stroke();
    if (history_done == history_first)
        return false;
    history_done--;
    int slot = slot_of(history_done);
    for (int i = stroke_change_count[slot] - 1; i >= 0; i--) {
        const TileChange &c = stroke_changes[slot][i];
        map_tiles[c.x][c.y] = c.old_kind;
        draw_tile(c.x, c.y);
    }
    return true;
}

bool redo_stroke()
{
    end_stroke();
    if (history_done == history_end)
        return false;
    int slot = slot_of(history_done);
    for (int i = 0; i < stroke_change_count[slot]; i++) {
        const TileChange &c = stroke_changes[slot][i];
        map_tiles[c.x][c.y] = c.new_kind;
        draw_tile(c.x, c.y);
    }
    history_done++;
    return true;
}

// Later changes go into a stroke of their own, so undo can return here.
void mark_history_saved()
{
    end_stroke();
    history_saved = history_done;
}

bool has_unsaved_edits()
{
    return history_done != history_saved;
}

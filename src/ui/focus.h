// focus.h -- the keyboard's way through a menu: Up, Down and Tab move the highlight, Return picks
#pragma once

// The keyboard's highlight and the mouse's are one: a control is lit when
// the keyboard leads and has it, or when the mouse leads and hovers it.
// Moving the pointer gives the lead back to the mouse.
const int NO_FOCUS = -1;  // the mouse leads

// Per frame
extern bool focus_enabled;  // set by the frame loop: the menus and the overlay, not play
extern int focus_index;     // the control the keyboard lit, or NO_FOCUS
extern int focus_count;     // controls met so far in this frame
extern int focus_last_count;
extern int focus_hovered;       // the control the mouse hovers in this frame, or NO_FOCUS
extern int focus_hovered_last;  // and in the frame before
extern int focus_place;         // the screen and the overlay the highlight belongs to
extern int focus_mouse_x, focus_mouse_y;

// Called by the frame loop after the input update, before any control is drawn.
// `place` names what is shown; when it changes the keyboard starts from the top.
void begin_focus_frame(int place);
// Every control calls this once as it is drawn: `lit` says whether to draw
// it lit; true when the keyboard picked it in this frame.
bool focus_control(bool hovered, bool &lit);

// sheet_drawing.h -- the game's own drawing steps, redone on pictures for the contact sheet
#pragma once

#include <string>

#include "media_set.h"
#include "picture.h"
#include "ui/buttons.h"
#include "ui/text.h"

const Color SHEET_BACK = {0.16f, 0.16f, 0.17f, 1};  // the sheet's own ground, round every panel

// A colour-keyed file is all or nothing: show it the way the game will.
Picture keyed(const Picture &p);
// Big-font text as the game's draw_text writes it: from (x, y) with TEXT_LEFT, or centred
// on x with TEXT_CENTER.
void text(Picture &dst, const Picture &font, int x, int y, const std::string &s, int align);
// The dashboard's small font, as the system overlay writes it.
void small_text(Picture &dst, const Picture &dash, int x, int y, const std::string &s);
// A menu button: a black frame round the background, brighter when lit, with its label.
void button(Picture &dst, const MediaSet &m, int x, int y, int w, int h, const std::string &label,
            bool lit);
// The bottom right button of the menus and the game, as draw_corner_button places it.
void corner_button(Picture &dst, const MediaSet &m, const std::string &label, bool lit);
// A gauge at the left of the screen, `width` pixels long and `fraction` of it lit.
void gauge(Picture &dst, const MediaSet &m, int y, int width, float fraction);

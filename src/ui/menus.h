// menus.h -- the main menu and the credits
#pragma once

#include "app/display.h"

const int TITLE_X = VIEW_CENTER_X;  // titles are centred on the screen
const int TITLE_Y = 60;
const int EDITION_Y = 80;
const char EDITION_TEXT[] = "Ember Edition";

void main_menu_screen();
void credits_screen();
void draw_menu_background();
void draw_title(bool with_edition);

// map_panels.h -- the contact sheet's map panels: the shipped maps at 1:10 and the named tiles
#pragma once

#include "media_set.h"
#include "picture.h"
#include "shipped_maps.h"

// Each tile kind shrunk to 10 by 10, every pixel the mean of a 10 by 10 block.
Picture shrunk_tiles(const MediaSet &m);
// A shipped map drawn from the shrunk tiles, magenta where it is broken.
Picture map_preview(const Picture &shrunk, const ShippedMap &map);
// Every kind at 1:1 under the name the editor shows for it, so a person can
// check that names and pictures agree.
Picture named_tiles(const MediaSet &m);

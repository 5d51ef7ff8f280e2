// contact_sheet.h -- one picture that shows every asset, the menus and a game scene, for a person to judge
#pragma once

#include <vector>

#include "media_set.h"
#include "picture.h"
#include "shipped_maps.h"

Picture make_contact_sheet(const MediaSet &media, const std::vector<ShippedMap> &maps);

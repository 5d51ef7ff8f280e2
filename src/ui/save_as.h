// save_as.h -- the editor's "Save as": the map under a new name, through the name field
#pragma once

// Writes the grid to Maps/<name>.map (outer spaces trimmed), refusing a name
// the field would refuse, a taken one above all; on success the copy is the
// map being edited (map_path) and is listed in its place. Tells how it went.
bool save_map_as(const char *name);
// Opens the name field over the editor, holding the map's own name to edit.
void open_save_as();
// Each frame while name_field_open: the field, and the save when Return
// accepts a name. True in the frame the copy was saved.
bool run_save_as();

// replay_tape.cpp -- a game's recording: how it began, then the input of every game frame as it changed
#include "maps/replay_tape.h"

#include <climits>
#include <cstring>

#include "app/frame_clock.h"
#include "app/input.h"
#include "app/random.h"
#include "game/controls.h"
#include "game/world_hash.h"
#include "maps/map_prepare.h"
#include "maps/save_game.h"

ReplayTape recorded_tape;
bool recording_game = false;
ReplayTape playback_tape;
bool playing_replay = false;
std::vector<int> tape_input;
size_t tape_position = 0;
int tape_frame = 0;
long tape_elapsed_ms = 0;
long tape_total_ms = 0;
HeldControls held_controls;

// One pad's part of a row: whether it is there, its layout, its raw axes
// and their rests, its buttons and hat, and whether it was touched.
const int PAD_ROW = 3 + 2 * PAD_AXIS_COUNT + PAD_BUTTON_COUNT + 4;
const int TAPE_ROW = 2 + KEY_STATE_SIZE + MOUSE_BUTTON_COUNT + 2 * POINTER_SLOTS + 3 + MAX_PLAYERS +
                     MAX_PADS * PAD_ROW;
const int SPEED_ENTRY = 1;  // the speed factor's bits, after the frame's length

// Every number the game reads of a frame's input, in one order for all
// uses, each with the values a tape may give it.
template <typename Visit> static void visit_input(Visit visit)
{
    int speed_bits = 0;
    static_assert(sizeof speed_bits == sizeof(float), "a float fits an int");
    visit(frame_ms, 0, MAX_TAPE_FRAME_MS);
    visit(speed_bits, INT_MIN, INT_MAX);
    for (int &k : key_state)
        visit(k, KEY_UP, KEY_PRESSED);
    for (int &b : mouse_button_state)
        visit(b, KEY_UP, KEY_PRESSED);
    for (int i = 0; i < POINTER_SLOTS; i++)
        visit(mouse_x[i], AXIS_LOW, AXIS_FULL), visit(mouse_y[i], AXIS_LOW, AXIS_FULL);
    visit(mouse_wheel, -MAX_TAPE_WHEEL, MAX_TAPE_WHEEL);
    visit(active_device, DEVICE_KEYBOARD, MAX_PADS - 1);
    int touched = keyboard_touched;
    visit(touched, 0, 1);
    keyboard_touched = touched != 0;
    for (int &device : player_device)  // a pause can hand a slot to a pad plugged in
        visit(device, DEVICE_NONE, MAX_PADS - 1);
    for (Pad &pad : pads) {
        int present = pad.present, pad_touched = pad.touched;
        visit(present, 0, 1);
        visit(pad.layout, 0, pad_layout_count - 1);
        visit(pad_touched, 0, 1);
        pad.present = present != 0, pad.touched = pad_touched != 0;
        for (int i = 0; i < PAD_AXIS_COUNT; i++)
            visit(pad.axis[i], AXIS_LOW, AXIS_FULL),
                visit(pad.trigger_rest[i], AXIS_LOW, AXIS_FULL);
        for (int &b : pad.button)
            visit(b, KEY_UP, KEY_PRESSED);
        for (int &h : pad.hat_button)
            visit(h, KEY_UP, KEY_PRESSED);
    }
}

static void capture_row(std::vector<int> &row, float speed_factor)
{
    row.clear();
    visit_input([&](int &value, int, int) {
        if (row.size() == (size_t)SPEED_ENTRY)
            memcpy(&value, &speed_factor, sizeof value);
        row.push_back(value);
    });
}

// Writes the row into the tables; returns the speed factor it holds.
static float apply_row(const std::vector<int> &row)
{
    size_t at = 0;
    float speed_factor = 0.0f;
    visit_input([&](int &value, int, int) {
        if (at == (size_t)SPEED_ENTRY)
            memcpy(&speed_factor, &row[at], sizeof speed_factor);
        value = row[at++];
    });
    return speed_factor;
}

bool tape_value_ok(int index, int value)
{
    if (index < 0 || index >= TAPE_ROW)
        return false;
    if (index == SPEED_ENTRY) {
        float speed_factor;
        memcpy(&speed_factor, &value, sizeof speed_factor);
        return speed_factor >= MIN_SPEED_FACTOR && speed_factor <= MAX_SPEED_FACTOR;  // NaN fails
    }
    int at = 0;
    bool ok = false;
    visit_input([&](int &, int low, int high) {
        if (at++ == index)
            ok = value >= low && value <= high;
    });
    return ok;
}

void begin_recording(const char *map_name, const std::string &save_text)
{
    ReplayStart &s = recorded_tape.start;
    memcpy(s.tiles, map_tiles, sizeof s.tiles);
    snprintf(s.map_name, sizeof s.map_name, "%s", map_name);
    s.save_text = save_text;
    s.mode = game_mode;
    s.players = player_count;
    memcpy(s.devices, player_device, sizeof s.devices);
    s.seed = random_seed;
    s.draws = random_draws;
    memcpy(s.bindings, key_bindings, sizeof s.bindings);
    memcpy(s.pad_axes, pad_axis_override, sizeof s.pad_axes);
    memcpy(s.pad_buttons, pad_button_override, sizeof s.pad_buttons);
    s.dead_zone = pad_dead_zone;
    recorded_tape.changes.clear();
    recorded_tape.hashes.clear();
    recorded_tape.frames = 0;
    tape_input.assign(TAPE_ROW, 0);
    recording_game = true;
}

void record_input(float speed_factor)
{
    if (recorded_tape.frames > 0 && recorded_tape.frames % REPLAY_HASH_FRAMES == 0)
        recorded_tape.hashes.push_back(world_hash());  // the state the frames so far made
    std::vector<int> row;
    capture_row(row, speed_factor);
    size_t count_at = recorded_tape.changes.size();
    recorded_tape.changes.push_back(0);
    for (int i = 0; i < TAPE_ROW; i++)
        if (row[i] != tape_input[i]) {
            recorded_tape.changes.push_back(i);
            recorded_tape.changes.push_back(row[i]);
            recorded_tape.changes[count_at]++;
        }
    tape_input.swap(row);
    recorded_tape.frames++;
}

// The frame's length is the row's first entry: the sum of its values as
// the tape sets them.
long recorded_length_ms(const ReplayTape &tape)
{
    long total = 0;
    int length = 0;
    size_t at = 0;
    for (int frame = 0; frame < tape.frames && at < tape.changes.size(); frame++) {
        int count = tape.changes[at++];
        for (int i = 0; i < count && at + 1 < tape.changes.size(); i++, at += 2)
            if (tape.changes[at] == 0)
                length = tape.changes[at + 1];
        total += length;
    }
    return total;
}

// A loaded game begins as its save; a new one as the start of a game
// makes it, from the recorded grid instead of the map's file.
bool begin_playback(const ReplayTape &tape)
{
    const ReplayStart &s = tape.start;
    if (!playing_replay) {
        HeldControls &h = held_controls;
        memcpy(h.bindings, key_bindings, sizeof h.bindings);
        memcpy(h.pad_axes, pad_axis_override, sizeof h.pad_axes);
        memcpy(h.pad_buttons, pad_button_override, sizeof h.pad_buttons);
        h.dead_zone = pad_dead_zone;
        h.seed = random_seed;
        h.draws = random_draws;
    }
    end_playback();
    recording_game = false;
    if (!s.save_text.empty()) {
        if (!load_game_from_text(s.save_text))
            return false;
    } else {
        memcpy(map_tiles, s.tiles, sizeof map_tiles);
        player_count = s.players;
        game_mode = s.mode;
        reset_world_for_new_game(s.map_name);
        prepare_map();
        render_world_surface();
    }
    memcpy(player_device, s.devices, sizeof player_device);
    use_bindings(s.bindings);
    memcpy(pad_axis_override, s.pad_axes, sizeof pad_axis_override);
    memcpy(pad_button_override, s.pad_buttons, sizeof pad_button_override);
    pad_dead_zone = s.dead_zone;
    seed_random(s.seed);
    skip_random(s.draws);
    tape_input.assign(TAPE_ROW, 0);
    tape_position = 0;
    tape_frame = 0;
    tape_elapsed_ms = 0;
    tape_total_ms = recorded_length_ms(tape);
    if (&tape != &playback_tape)
        playback_tape = tape;
    playing_replay = true;
    return true;
}

void end_playback()
{
    if (!playing_replay)
        return;
    playing_replay = false;
    const HeldControls &h = held_controls;
    use_bindings(h.bindings);
    memcpy(pad_axis_override, h.pad_axes, sizeof pad_axis_override);
    memcpy(pad_button_override, h.pad_buttons, sizeof pad_button_override);
    pad_dead_zone = h.dead_zone;
    seed_random(h.seed);
    skip_random(h.draws);
}

int play_input(float &speed_factor)
{
    const ReplayTape &tape = playback_tape;
    if (tape_frame >= tape.frames || tape_position >= tape.changes.size())
        return TAPE_ENDED;
    if (tape_frame > 0 && tape_frame % REPLAY_HASH_FRAMES == 0) {
        size_t checkpoint = (size_t)(tape_frame / REPLAY_HASH_FRAMES - 1);
        if (checkpoint < tape.hashes.size() && tape.hashes[checkpoint] != world_hash())
            return TAPE_DIFFERS;
    }
    int count = tape.changes[tape_position++];
    for (int i = 0; i < count && tape_position + 1 < tape.changes.size(); i++) {
        int index = tape.changes[tape_position], value = tape.changes[tape_position + 1];
        tape_position += 2;
        if (index >= 0 && index < TAPE_ROW)
            tape_input[index] = value;
    }
    speed_factor = apply_row(tape_input);
    tape_elapsed_ms += frame_ms;
    tape_frame++;
    return TAPE_FRAME;
}

std::vector<int> real_input;

void hold_real_input()
{
    capture_row(real_input, 0.0f);
}

void give_back_real_input()
{
    if (real_input.size() == (size_t)TAPE_ROW)
        apply_row(real_input);
}

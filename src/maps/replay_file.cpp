// replay_file.cpp -- a recorded game as a small file: a line naming it, then its tape packed with zlib
#include "maps/replay_file.h"

#include <zlib.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <ctime>

#include "app/command_line.h"
#include "app/folders.h"
#include "app/input.h"
#include "app/safe_write.h"
#include "maps/map_list.h"

const int ZLIB_CHUNK = 1 << 16;
const long long HASH_HALF = 0xffffffffLL;  // a hash is written as two 32-bit halves

ReplaySummary replay_summary(const ReplayTape &tape, int kills, long long saved_time)
{
    ReplaySummary summary;
    const char *map = tape.start.map_name[0] ? tape.start.map_name : LOADED_GAME_LABEL;
    snprintf(summary.map_name, sizeof summary.map_name, "%s", map);
    summary.mode = tape.start.mode;
    summary.players = tape.start.players;
    summary.kills = kills;
    summary.length_ms = recorded_length_ms(tape);
    summary.saved_time = saved_time;
    return summary;
}

// Numbers are written zigzagged into 7-bit groups: small ones of either
// sign take a byte.
static void put(std::string &out, long long number)
{
    unsigned long long z = ((unsigned long long)number << 1) ^ (unsigned long long)(number >> 63);
    for (; z >= 0x80; z >>= 7)
        out += (char)((z & 0x7f) | 0x80);
    out += (char)z;
}

static void put_text(std::string &out, const std::string &text)
{
    put(out, (long long)text.size());
    out += text;
}

// Reading stops being ok at the first number past its end or out of its range.
struct Unpacker {
    const unsigned char *at, *end;
    bool ok;
};

static long long take(Unpacker &in, long long low, long long high)
{
    unsigned long long z = 0;
    for (int shift = 0;; shift += 7) {
        if (in.at == in.end || shift > 63) {
            in.ok = false;
            return low;
        }
        unsigned char c = *in.at++;
        z |= (unsigned long long)(c & 0x7f) << shift;
        if (!(c & 0x80))
            break;
    }
    long long number = (long long)(z >> 1) ^ -(long long)(z & 1);
    if (number < low || number > high) {
        in.ok = false;
        return low;
    }
    return number;
}

static std::string take_text(Unpacker &in, long long max_size)
{
    long long size = take(in, 0, max_size);
    if (!in.ok || size > in.end - in.at) {
        in.ok = false;
        return "";
    }
    std::string text((const char *)in.at, (size_t)size);
    in.at += size;
    return text;
}

static bool take_name(Unpacker &in, char *name, int size)
{
    std::string text = take_text(in, size - 1);
    if (!in.ok || text.find('\0') != std::string::npos || !is_plain_name(text.c_str()))
        return in.ok = false;
    snprintf(name, (size_t)size, "%s", text.c_str());
    return true;
}

static void put_summary(std::string &out, const ReplaySummary &s)
{
    put_text(out, s.map_name);
    put(out, s.mode), put(out, s.players), put(out, s.kills);
    put(out, s.length_ms), put(out, s.saved_time);
}

static void take_summary(Unpacker &in, ReplaySummary &s)
{
    take_name(in, s.map_name, sizeof s.map_name);
    s.mode = (int)take(in, 0, MODE_COUNT - 1);
    s.players = (int)take(in, 1, MAX_PLAYERS);
    s.kills = (int)take(in, 0, INT_MAX);
    s.length_ms = (long)take(in, 0, LONG_MAX);
    s.saved_time = take(in, 0, LLONG_MAX);
}

static void put_start(std::string &out, const ReplayStart &s)
{
    for (int x = 0; x < MAP_SIZE; x++)
        for (int y = 0; y < MAP_SIZE; y++)
            put(out, s.tiles[x][y]);
    put_text(out, s.map_name);
    put_text(out, s.save_text);
    put(out, s.mode), put(out, s.players);
    for (int device : s.devices)
        put(out, device);
    put(out, s.seed), put(out, s.draws);
    for (int symbol : s.bindings)
        put(out, symbol);
    for (int axis : s.pad_axes)
        put(out, axis);
    for (int button : s.pad_buttons)
        put(out, button);
    put(out, s.dead_zone);
}

// Every value as the game itself could have set it.
static void take_start(Unpacker &in, ReplayStart &s)
{
    for (int x = 0; x < MAP_SIZE; x++)
        for (int y = 0; y < MAP_SIZE; y++)
            s.tiles[x][y] = (int)take(in, 0, TILE_KIND_COUNT - 1);
    std::string name = take_text(in, GAME_MAP_NAME_SIZE - 1);
    in.ok = in.ok && (name.empty() || is_plain_name(name.c_str())) &&
            name.find('\0') == std::string::npos;
    snprintf(s.map_name, sizeof s.map_name, "%s", name.c_str());
    s.save_text = take_text(in, MAX_READ_BYTES);
    s.mode = (int)take(in, 0, MODE_COUNT - 1);
    s.players = (int)take(in, 1, MAX_PLAYERS);
    for (int &device : s.devices)
        device = (int)take(in, DEVICE_NONE, MAX_PADS - 1);
    s.seed = (unsigned)take(in, 0, UINT_MAX);
    s.draws = (long)take(in, 0, MAX_TAPE_DRAWS);
    for (int i = 0; i < ACTION_COUNT; i++) {
        s.bindings[i] = (int)take(in, 0, KEY_STATE_SIZE - 1);
        in.ok = in.ok && is_bindable(i, s.bindings[i]);
    }
    for (int &axis : s.pad_axes)
        axis = (int)take(in, NO_CONTROL, PAD_AXIS_COUNT - 1);
    for (int &button : s.pad_buttons)
        button = (int)take(in, NO_CONTROL, PAD_BUTTON_COUNT - 1);
    s.dead_zone = (int)take(in, 0, MAX_DEAD_ZONE);
}

// Hashes are taken as a frame begins, from the 300th frame on: none at
// the end of the last.
static size_t hash_count(int frames)
{
    return frames > 0 ? (size_t)((frames - 1) / REPLAY_HASH_FRAMES) : 0;
}

// A frame's changes are written with each index as its step from the one
// before and each value as how its step from the entry's last value differs
// from the step before: a stick swept by a thumb or a frame length that
// wavers takes a byte or two.
static void put_tape(std::string &out, const ReplayTape &tape)
{
    put(out, TAPE_ROW);
    put(out, tape.frames);
    std::vector<int> row(TAPE_ROW, 0);
    std::vector<long long> step(TAPE_ROW, 0);
    size_t at = 0;
    for (int frame = 0; frame < tape.frames; frame++) {
        int count = tape.changes[at++];
        put(out, count);
        for (int i = 0, next = 0; i < count; i++, at += 2) {
            int index = tape.changes[at], value = tape.changes[at + 1];
            put(out, index - next);
            long long this_step = (long long)value - row[index];
            put(out, this_step - step[index]);
            step[index] = this_step;
            row[index] = value;
            next = index + 1;
        }
    }
    for (uint64_t hash : tape.hashes)
        put(out, (long long)(hash >> 32)), put(out, (long long)(hash & HASH_HALF));
}

static void take_tape(Unpacker &in, ReplayTape &tape)
{
    tape.frames = (int)take(in, 1, INT_MAX);
    tape.changes.clear();
    std::vector<int> row(TAPE_ROW, 0);
    std::vector<long long> step(TAPE_ROW, 0);
    for (int frame = 0; frame < tape.frames && in.ok; frame++) {
        int count = (int)take(in, 0, TAPE_ROW);
        tape.changes.push_back(count);
        for (int i = 0, next = 0; i < count && in.ok; i++) {
            int index = next + (int)take(in, 0, TAPE_ROW - 1 - next);
            in.ok = in.ok && index < TAPE_ROW;  // no room after the frame's last entry
            if (!in.ok)
                break;
            long long this_step = step[index] + take(in, -4LL * INT_MAX, 4LL * INT_MAX);
            long long value = row[index] + this_step;
            in.ok =
                in.ok && value >= INT_MIN && value <= INT_MAX && tape_value_ok(index, (int)value);
            if (!in.ok)
                break;
            row[index] = (int)value;
            step[index] = this_step;
            tape.changes.push_back(index);
            tape.changes.push_back(row[index]);
            next = index + 1;
        }
    }
    tape.hashes.clear();
    for (size_t i = 0; i < hash_count(tape.frames) && in.ok; i++) {
        uint64_t high = (uint64_t)take(in, 0, HASH_HALF);
        tape.hashes.push_back(high << 32 | (uint64_t)take(in, 0, HASH_HALF));
    }
}

std::string replay_file_text(const ReplayTape &tape, const ReplaySummary &summary)
{
    std::string body;
    put_summary(body, summary);
    put_start(body, tape.start);
    put_tape(body, tape);
    uLongf packed_size = compressBound((uLong)body.size());
    std::string packed(packed_size, '\0');
    if (compress2((Bytef *)&packed[0], &packed_size, (const Bytef *)body.data(), (uLong)body.size(),
                  Z_BEST_COMPRESSION) != Z_OK)
        return "";  // out of memory: nothing is written
    packed.resize(packed_size);
    char header[MAX_REPLAY_HEADER];
    snprintf(header, sizeof header, "%s %d, made by %s\n", REPLAY_HEADER, REPLAY_FORMAT_VERSION,
             VERSION_TEXT);
    return header + packed;
}

// The first line: REPLAY_READ with `packed` at the bytes after it.
static int read_header(const std::string &text, size_t &packed)
{
    size_t line_end = text.find('\n');
    size_t prefix = strlen(REPLAY_HEADER);
    if (line_end == std::string::npos || line_end >= (size_t)MAX_REPLAY_HEADER ||
        text.compare(0, prefix, REPLAY_HEADER) != 0 || text[prefix] != ' ')
        return REPLAY_FOREIGN;
    long version;
    size_t digits = text.find_first_not_of("0123456789", prefix + 1);
    std::string number = text.substr(prefix + 1, digits - prefix - 1);
    if (!parse_whole_number(number.c_str(), 1, INT_MAX, version))
        return REPLAY_FOREIGN;
    packed = line_end + 1;
    return version == REPLAY_FORMAT_VERSION ? REPLAY_READ : REPLAY_OTHER_VERSION;
}

// Unpacks at most `limit` bytes; `whole` asks for the stream's end, with
// nothing after it, within the limit.
static bool unpack(const std::string &text, size_t from, long limit, bool whole, std::string &body)
{
    z_stream z = {};
    if (inflateInit(&z) != Z_OK)
        return false;
    z.next_in = (Bytef *)text.data() + from;
    z.avail_in = (uInt)(text.size() - from);
    int status = Z_OK;
    std::string chunk(ZLIB_CHUNK, '\0');
    while (status == Z_OK && (long)body.size() < limit) {
        long room = limit - (long)body.size();
        z.next_out = (Bytef *)&chunk[0];
        z.avail_out = (uInt)(room < ZLIB_CHUNK ? room : ZLIB_CHUNK);
        uInt offered = z.avail_out;
        status = inflate(&z, Z_NO_FLUSH);
        body.append(chunk, 0, offered - z.avail_out);
    }
    bool ended = status == Z_STREAM_END && z.avail_in == 0;
    inflateEnd(&z);
    return whole ? ended : status == Z_OK || status == Z_STREAM_END || status == Z_BUF_ERROR;
}

int read_replay_text(const std::string &text, ReplayTape &tape, ReplaySummary &summary)
{
    size_t packed = 0;
    int header = read_header(text, packed);
    if (header != REPLAY_READ)
        return header;
    std::string body;
    if (!unpack(text, packed, MAX_REPLAY_BODY_BYTES, true, body))
        return REPLAY_DAMAGED;
    Unpacker in = {(const unsigned char *)body.data(),
                   (const unsigned char *)body.data() + body.size(), true};
    ReplaySummary read_summary;
    take_summary(in, read_summary);
    ReplayTape read_tape;
    take_start(in, read_tape.start);
    if (in.ok && take(in, 0, INT_MAX) != TAPE_ROW)
        return REPLAY_OTHER_VERSION;  // another build's input
    take_tape(in, read_tape);
    if (!in.ok || in.at != in.end)
        return REPLAY_DAMAGED;
    tape = std::move(read_tape);
    summary = read_summary;
    return REPLAY_READ;
}

int read_replay_summary(const std::string &start_of_text, ReplaySummary &summary)
{
    size_t packed = 0;
    int header = read_header(start_of_text, packed);
    if (header != REPLAY_READ)
        return header;
    std::string body;
    if (!unpack(start_of_text, packed, REPLAY_SUMMARY_BYTES, false, body))
        return REPLAY_DAMAGED;
    Unpacker in = {(const unsigned char *)body.data(),
                   (const unsigned char *)body.data() + body.size(), true};
    ReplaySummary read_summary;
    take_summary(in, read_summary);
    if (!in.ok)
        return REPLAY_DAMAGED;
    summary = read_summary;
    return REPLAY_READ;
}

static bool file_exists(const std::string &path)
{
    return path_exists(path.c_str());
}

int save_replay(const ReplayTape &tape, int kills, std::string &path)
{
    time_t now = time(nullptr);
    ReplaySummary summary = replay_summary(tape, kills, (long long)now);
    char stamp[32];
    strftime(stamp, sizeof stamp, "%Y-%m-%d %H-%M", localtime(&now));
    std::string base = std::string(REPLAY_FOLDER) + "/" + summary.map_name + " " + stamp + " " +
                       std::to_string(kills);
    path = base + REPLAY_EXTENSION;
    for (int n = 2; file_exists(path); n++) {
        if (n > MAX_SAME_NAME_REPLAYS)
            return EEXIST;
        path = base + " (" + std::to_string(n) + ")" + REPLAY_EXTENSION;
    }
    std::string text = replay_file_text(tape, summary);
    if (text.empty())
        return ENOMEM;
    make_folder(REPLAY_FOLDER);
    return replace_file(path.c_str(), text);
}

int load_replay_file(const char *path, ReplayTape &tape, ReplaySummary &summary, int &error)
{
    std::string text;
    error = read_file_start(path, MAX_REPLAY_FILE_BYTES + 1, text);
    if (error)
        return REPLAY_DAMAGED;
    if ((long)text.size() > MAX_REPLAY_FILE_BYTES)
        return REPLAY_DAMAGED;
    return read_replay_text(text, tape, summary);
}

std::string replay_refusal(const char *name, int result, int error)
{
    if (error)
        return std::string("Could not open ") + name + ": " + strerror(error);
    if (result == REPLAY_FOREIGN)
        return std::string(name) + " is not a Rotwalk replay";
    if (result == REPLAY_OTHER_VERSION)
        return std::string(name) + " was made by another version of Rotwalk";
    return std::string(name) + " is damaged";
}

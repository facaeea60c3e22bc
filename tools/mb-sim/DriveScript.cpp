// Drive-script parser of the main-board simulator. One line is one frame or a few signal values,
// optionally repeated; a ramp takes evenly spaced values over the repetitions. Lines are merged by
// time first and only then turned into frames, because a signal line builds on the bytes that the
// lines before it in time left in its frame. The result is a flat, time-sorted list so that the
// sender only has to wait and send. Candump logs give the same list.
#include "DriveScript.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <cstring>

#include "OrvCfg.h"
#include "Protocol/MainBoard_Signals.h"

namespace {

struct ByteSpec { UInt08 From, To; };

bool ParseHexByte(const std::string& t, UInt08* v)
{
    if (t.size() != 2 || !isxdigit((unsigned char)t[0]) || !isxdigit((unsigned char)t[1])) return false;
    *v = (UInt08)strtoul(t.c_str(), nullptr, 16);
    return true;
}

// "HH" or "HH..HH".
bool ParseByteSpec(const std::string& t, ByteSpec* b)
{
    size_t dots = t.find("..");
    if (dots == std::string::npos) {
        if (!ParseHexByte(t, &b->From)) return false;
        b->To = b->From;
        return true;
    }
    return ParseHexByte(t.substr(0, dots), &b->From) && ParseHexByte(t.substr(dots + 2), &b->To);
}

bool ParseDecimal(const std::string& t, unsigned long long max, UInt32* v)
{
    if (t.empty() || t.size() > 10 || t.find_first_not_of("0123456789") != std::string::npos) return false;
    unsigned long long n = strtoull(t.c_str(), nullptr, 10);
    if (n > max) return false;
    *v = (UInt32)n;
    return true;
}

// Value i of count evenly spaced values from a to b, rounded to the nearest integer.
UInt08 RampValue(const ByteSpec& b, unsigned long long i, unsigned long long count)
{
    if (count <= 1 || b.From == b.To) return b.From;
    double v = b.From + (double)((int)b.To - (int)b.From) * (double)i / (double)(count - 1);
    return (UInt08)std::lround(v);
}



// One line of a drive, expanded: either a raw frame or signal values, at one time.
struct DriveEvent {
    UInt32 TimeMs;
    int Line;
    bool BadSum;
    UInt08 Frame;                                      // raw frames only
    UInt08 Data[8];
    std::vector<std::pair<const MbSignal*, long>> Set;  // empty for a raw frame
};

// "VALUE" or "VALUE..VALUE" of a signal.
struct ValueSpec { long From, To; };

bool ParseValueSpec(const MbSignal* sig, const std::string& t, ValueSpec* v, std::string* why)
{
    size_t dots = t.find("..");
    auto bad = [&](const char* reason) {
        *why = std::string("bad value \"") + t + "\" of " + sig->Name + ": " + reason;
        return false;
    };
    const char* reason = "";
    std::string from = dots == std::string::npos ? t : t.substr(0, dots);
    if (MB_SIG_ParseValue(sig, from.c_str(), &v->From, &reason) != 0) return bad(reason);
    v->To = v->From;
    if (dots != std::string::npos && MB_SIG_ParseValue(sig, t.substr(dots + 2).c_str(), &v->To, &reason) != 0)
        return bad(reason);
    UInt32 raw;
    if (MB_SIG_ValueToRaw(sig, v->From, &raw) != 0 || MB_SIG_ValueToRaw(sig, v->To, &raw) != 0)
        return bad("outside the field (not a step, or too large)");
    return true;
}

// Value i of count evenly spaced values from a to b, on the signal's scale.
long SignalRampValue(const MbSignal* sig, const ValueSpec& v, unsigned long long i, unsigned long long count)
{
    if (count <= 1 || v.From == v.To) return v.From;
    double x = v.From + (double)(v.To - v.From) * (double)i / (double)(count - 1);
    long steps = std::lround((x - sig->Offset) / sig->Factor);
    return steps * sig->Factor + sig->Offset;
}

// Parses the repeat and badsum words from index k on.
bool ParseRepeat(const std::vector<std::string>& w, size_t k, UInt32* period, unsigned long long* count,
                 bool* badSum, std::string* why)
{
    for (; k < w.size(); k++) {
        if (w[k] == "badsum") {
            *badSum = true;
        } else if (w[k] == "every") {
            if (k + 3 >= w.size() || *count != 1 || *period != 0) {
                *why = "expected one \"every PERIOD for DURATION\" or \"every PERIOD times COUNT\"";
                return false;
            }
            if (!ParseDecimal(w[k + 1], 0xFFFFFFFFull, period) || *period == 0) {
                *why = "bad period \"" + w[k + 1] + "\" (milliseconds, at least 1)";
                return false;
            }
            UInt32 n = 0;
            if (w[k + 2] == "for") {
                if (!ParseDecimal(w[k + 3], 0xFFFFFFFFull, &n)) {
                    *why = "bad duration \"" + w[k + 3] + "\"";
                    return false;
                }
                *count = (unsigned long long)(n / *period) + 1;
            } else if (w[k + 2] == "times") {
                if (!ParseDecimal(w[k + 3], DRIVE_MAX_FRAMES, &n) || n == 0) {
                    *why = "bad count \"" + w[k + 3] + "\"";
                    return false;
                }
                *count = n;
            } else {
                *why = "expected \"every PERIOD for DURATION\" or \"every PERIOD times COUNT\"";
                return false;
            }
            k += 3;
        } else {
            *why = "unexpected \"" + w[k] + "\"";
            return false;
        }
    }
    return true;
}

}  // namespace

bool DriveScript_IsCandump(const std::string& text)
{
    std::istringstream in(text);
    std::string word;
    // The first word that is not a comment decides: a candump line starts with "(seconds)".
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        if (!(words >> word) || word[0] == '#') continue;
        return word[0] == '(';
    }
    return false;
}

bool DriveScript_Parse(const std::string& text, const std::string& name, std::vector<DriveFrame>* frames,
                       std::string* error)
{
    frames->clear();
    std::vector<DriveEvent> events;
    std::istringstream in(text);
    std::string raw;
    int lineNo = 0;
    UInt32 prevTime = 0;
    auto fail = [&](const std::string& what) {
        *error = name + ":" + std::to_string(lineNo) + ": " + what;
        frames->clear();
        return false;
    };
    while (std::getline(in, raw)) {
        lineNo++;
        std::string line = raw.substr(0, raw.find('#'));
        std::istringstream words(line);
        std::vector<std::string> w{std::istream_iterator<std::string>(words), {}};
        if (w.empty()) continue;
        bool isSet = w.size() >= 2 && w[1] == "set";
        if (isSet && w.size() < 4) return fail("expected: TIME set NAME VALUE");
        if (!isSet && w.size() < 10) return fail("expected: TIME FRAME and eight bytes, or TIME set NAME VALUE");

        UInt32 time = 0;
        bool relative = w[0][0] == '+';
        if (!ParseDecimal(relative ? w[0].substr(1) : w[0], 0xFFFFFFFFull, &time))
            return fail("bad time \"" + w[0] + "\" (milliseconds, or +milliseconds)");
        if (relative) {
            if ((unsigned long long)prevTime + time > 0xFFFFFFFFull) return fail("time too large");
            time += prevTime;
        }

        UInt08 frame = 0;
        ByteSpec bytes[8];
        std::vector<std::pair<const MbSignal*, ValueSpec>> sets;
        size_t k = 2;
        if (isSet) {
            // NAME VALUE pairs up to the repeat words.
            while (k < w.size() && w[k] != "every" && w[k] != "badsum") {
                const MbSignal* sig = MB_SIG_Find(w[k].c_str());
                if (sig == nullptr) return fail("unknown signal \"" + w[k] + "\" (mb-sim --signals lists them)");
                if (k + 1 >= w.size()) return fail(std::string("no value for ") + sig->Name);
                ValueSpec v;
                std::string why;
                if (!ParseValueSpec(sig, w[k + 1], &v, &why)) return fail(why);
                sets.push_back({sig, v});
                k += 2;
            }
        } else {
            if (!ParseHexByte(w[1], &frame)) return fail("bad frame number \"" + w[1] + "\" (two hex digits)");
            for (int i = 0; i < 8; i++)
                if (!ParseByteSpec(w[2 + i], &bytes[i]))
                    return fail("bad byte \"" + w[2 + i] + "\" (two hex digits, or HH..HH for a ramp)");
            k = 10;
        }

        UInt32 period = 0;
        unsigned long long count = 1;
        bool badSum = false;
        std::string why;
        if (!ParseRepeat(w, k, &period, &count, &badSum, &why)) return fail(why);
        if (events.size() + count > DRIVE_MAX_FRAMES)
            return fail("drive longer than " + std::to_string(DRIVE_MAX_FRAMES) + " frames");
        if ((unsigned long long)time + (unsigned long long)period * (count - 1) > 0xFFFFFFFFull)
            return fail("drive longer than 2^32 ms");
        for (unsigned long long i = 0; i < count; i++) {
            DriveEvent e;
            e.TimeMs = (UInt32)(time + period * i);
            e.Line = lineNo;
            e.BadSum = badSum;
            e.Frame = frame;
            for (int b = 0; b < 8; b++) e.Data[b] = isSet ? 0 : RampValue(bytes[b], i, count);
            for (const auto& s : sets) {
                long v = SignalRampValue(s.first, s.second, i, count);
                UInt32 r;
                if (MB_SIG_ValueToRaw(s.first, v, &r) != 0)
                    return fail("value " + std::to_string(v) + " of " + s.first->Name + " outside the field");
                e.Set.push_back({s.first, v});
            }
            events.push_back(std::move(e));
        }
        prevTime = time;
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const DriveEvent& a, const DriveEvent& b) { return a.TimeMs < b.TimeMs; });

    // The current bytes of every frame, as the cluster has accepted them: a signal line changes
    // its fields in them and sends the frames it changed.
    UInt08 current[ID_FRAME_R_NUM][8] = {};
    for (const DriveEvent& e : events) {
        lineNo = e.Line;
        if (e.Set.empty()) {
            if (!e.BadSum && e.Frame < ID_FRAME_R_NUM) memcpy(current[e.Frame], e.Data, 8);
            frames->push_back(DriveFrame{e.TimeMs, e.Frame, {}, e.BadSum, e.Line});
            memcpy(frames->back().Data, e.Data, 8);
            continue;
        }
        UInt08 next[ID_FRAME_R_NUM][8];
        memcpy(next, current, sizeof next);
        UInt32 changed = 0;
        for (const auto& s : e.Set) {
            const char* why = "";
            Int32 mask = MB_SIG_Set(s.first, s.second, next, &why);
            if (mask < 0) return fail(std::string(s.first->Name) + ": " + why);
            changed |= (UInt32)mask;
        }
        if (!e.BadSum) memcpy(current, next, sizeof next);
        for (UInt08 id = 0; id < ID_FRAME_R_NUM; id++) {
            if ((changed & (1u << id)) == 0) continue;
            if (frames->size() >= DRIVE_MAX_FRAMES)
                return fail("drive longer than " + std::to_string(DRIVE_MAX_FRAMES) + " frames");
            frames->push_back(DriveFrame{e.TimeMs, id, {}, e.BadSum, e.Line});
            memcpy(frames->back().Data, next[id], 8);
        }
    }
    return true;
}

bool DriveScript_ParseCandump(const std::string& text, const std::string& name, UInt32 base,
                              std::vector<DriveFrame>* frames, std::string* error)
{
    frames->clear();
    std::istringstream in(text);
    std::string raw;
    int lineNo = 0;
    double first = -1;
    auto fail = [&](const std::string& what) {
        *error = name + ":" + std::to_string(lineNo) + ": " + what;
        frames->clear();
        return false;
    };
    while (std::getline(in, raw)) {
        lineNo++;
        std::istringstream words(raw);
        std::vector<std::string> w{std::istream_iterator<std::string>(words), {}};
        if (w.empty() || w[0][0] == '#') continue;
        if (w.size() < 3 || w[0].size() < 3 || w[0].front() != '(' || w[0].back() != ')')
            return fail("expected: (SECONDS) INTERFACE ID#DATA");
        char* end = nullptr;
        std::string stamp = w[0].substr(1, w[0].size() - 2);
        double seconds = strtod(stamp.c_str(), &end);
        if (*end != '\0' || stamp.empty() || !(seconds >= 0)) return fail("bad time \"" + w[0] + "\"");
        if (first < 0) first = seconds;
        if (seconds < first) return fail("time goes backwards");
        double ms = std::floor((seconds - first) * 1000.0 + 0.5);
        if (ms > 4294967295.0) return fail("log longer than 2^32 ms");

        const std::string& f = w[2];
        size_t hash = f.find('#');
        std::string id = f.substr(0, hash == std::string::npos ? 0 : hash);
        if (hash == std::string::npos || (id.size() != 3 && id.size() != 8) ||
            id.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
            return fail("bad frame \"" + f + "\" (ID#DATA, three or eight hex digits of identifier)");
        std::string data = f.substr(hash + 1);
        if (!data.empty() && (data[0] == '#' || data[0] == 'R'))
            return fail("\"" + f + "\": remote and CAN FD frames are not main-board frames");
        if (data.size() != 16) return fail("\"" + f + "\": a main-board frame has eight data bytes");
        unsigned long canId = strtoul(id.c_str(), nullptr, 16);
        if (canId < base || canId - base > 0xFF)
            return fail("identifier " + id + " is not a frame of base " + std::to_string(base) + " (frame = identifier - base)");
        DriveFrame df{(UInt32)ms, (UInt08)(canId - base), {}, false, lineNo};
        for (int b = 0; b < 8; b++)
            if (!ParseHexByte(data.substr(2 * b, 2), &df.Data[b])) return fail("bad data \"" + data + "\"");
        if (frames->size() >= DRIVE_MAX_FRAMES)
            return fail("log longer than " + std::to_string(DRIVE_MAX_FRAMES) + " frames");
        frames->push_back(df);
    }
    return true;
}

void DriveScript_WriteCandump(FILE* out, const std::vector<DriveFrame>& frames, UInt32 base,
                              const std::string& iface, double startSeconds)
{
    for (const DriveFrame& f : frames) {
        if (f.BadSum) continue;  // a bus frame has no checksum byte to spoil
        double t = startSeconds + f.TimeMs / 1000.0;
        long long us = std::llround(t * 1e6);
        UInt32 id = base + f.Frame;
        fprintf(out, "(%lld.%06lld) %s ", us / 1000000, us % 1000000, iface.c_str());
        fprintf(out, id <= 0x7FF ? "%03X#" : "%08X#", id);
        for (int b = 0; b < 8; b++) fprintf(out, "%02X", f.Data[b]);
        fprintf(out, "\n");
    }
}

bool DriveScript_Load(const std::string& path, UInt32 canBase, std::vector<DriveFrame>* frames,
                      std::string* error)
{
    std::string text;
    if (path == "-") {
        text.assign(std::istreambuf_iterator<char>(std::cin), {});
    } else {
        std::ifstream f(path, std::ios::binary);
        if (!f) {
            *error = path + ": cannot read";
            return false;
        }
        text.assign(std::istreambuf_iterator<char>(f), {});
    }
    if (DriveScript_IsCandump(text)) return DriveScript_ParseCandump(text, path, canBase, frames, error);
    return DriveScript_Parse(text, path, frames, error);
}

// Drive-script parser of the main-board simulator. One line is one frame, optionally repeated; a
// ramp byte takes evenly spaced values over the repetitions. The result is a flat, time-sorted list
// so that the sender only has to wait and send.
#include "DriveScript.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

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

}  // namespace

bool DriveScript_Parse(const std::string& text, const std::string& name, std::vector<DriveFrame>* frames,
                       std::string* error)
{
    frames->clear();
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
        if (w.size() < 10) return fail("expected: TIME FRAME and eight bytes");

        UInt32 time = 0;
        bool relative = w[0][0] == '+';
        if (!ParseDecimal(relative ? w[0].substr(1) : w[0], 0xFFFFFFFFull, &time))
            return fail("bad time \"" + w[0] + "\" (milliseconds, or +milliseconds)");
        if (relative) {
            if ((unsigned long long)prevTime + time > 0xFFFFFFFFull) return fail("time too large");
            time += prevTime;
        }
        UInt08 frame = 0;
        if (!ParseHexByte(w[1], &frame)) return fail("bad frame number \"" + w[1] + "\" (two hex digits)");
        ByteSpec bytes[8];
        for (int i = 0; i < 8; i++)
            if (!ParseByteSpec(w[2 + i], &bytes[i]))
                return fail("bad byte \"" + w[2 + i] + "\" (two hex digits, or HH..HH for a ramp)");

        UInt32 period = 0;
        unsigned long long count = 1;
        bool badSum = false;
        for (size_t k = 10; k < w.size(); k++) {
            if (w[k] == "badsum") {
                badSum = true;
            } else if (w[k] == "every") {
                if (k + 3 >= w.size() || count != 1 || period != 0)
                    return fail("expected one \"every PERIOD for DURATION\" or \"every PERIOD times COUNT\"");
                if (!ParseDecimal(w[k + 1], 0xFFFFFFFFull, &period) || period == 0)
                    return fail("bad period \"" + w[k + 1] + "\" (milliseconds, at least 1)");
                UInt32 n = 0;
                if (w[k + 2] == "for") {
                    if (!ParseDecimal(w[k + 3], 0xFFFFFFFFull, &n)) return fail("bad duration \"" + w[k + 3] + "\"");
                    count = (unsigned long long)(n / period) + 1;
                } else if (w[k + 2] == "times") {
                    if (!ParseDecimal(w[k + 3], DRIVE_MAX_FRAMES, &n) || n == 0)
                        return fail("bad count \"" + w[k + 3] + "\"");
                    count = n;
                } else {
                    return fail("expected \"every PERIOD for DURATION\" or \"every PERIOD times COUNT\"");
                }
                k += 3;
            } else {
                return fail("unexpected \"" + w[k] + "\"");
            }
        }
        if (frames->size() + count > DRIVE_MAX_FRAMES)
            return fail("drive longer than " + std::to_string(DRIVE_MAX_FRAMES) + " frames");
        if ((unsigned long long)time + (unsigned long long)period * (count - 1) > 0xFFFFFFFFull)
            return fail("drive longer than 2^32 ms");
        for (unsigned long long i = 0; i < count; i++) {
            DriveFrame f;
            f.TimeMs = (UInt32)(time + period * i);
            f.Frame = frame;
            for (int b = 0; b < 8; b++) f.Data[b] = RampValue(bytes[b], i, count);
            f.BadSum = badSum;
            f.Line = lineNo;
            frames->push_back(f);
        }
        prevTime = time;
    }
    std::stable_sort(frames->begin(), frames->end(),
                     [](const DriveFrame& a, const DriveFrame& b) { return a.TimeMs < b.TimeMs; });
    return true;
}

bool DriveScript_Load(const std::string& path, std::vector<DriveFrame>* frames, std::string* error)
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
    return DriveScript_Parse(text, path, frames, error);
}

/* Drive scripts of the main-board simulator: a text that says which source frame is sent when, or
 * which signals take which values when, with repeats and ramps, expanded into the list of frames to
 * send in time order. The syntax is described at the top of mb-sim.cpp. The same list is read from
 * and written as a candump log ("(seconds) interface ID#DATA"), a frame's CAN identifier being a
 * base plus its frame number. */
#ifndef DRIVE_SCRIPT_H
#define DRIVE_SCRIPT_H

#include <cstdio>
#include <string>
#include <vector>

#include "BaseTypes.h"

/* One frame to send. */
struct DriveFrame {
    UInt32 TimeMs;   /* from the start of the drive */
    UInt08 Frame;    /* frame number, sent as written (numbers above 0x0E too) */
    UInt08 Data[8];
    bool   BadSum;   /* send a wrong checksum on purpose */
    int    Line;     /* line of the script it came from */
};

/* Most frames one drive may expand into. */
enum { DRIVE_MAX_FRAMES = 1000000 };

/* CAN identifier of frame 0x00 unless another base is given. */
enum { DRIVE_CAN_BASE_DEFAULT = 0x100 };

/* Parses a drive text; name is used in messages. On success fills frames, sorted by time (frames
 * of the same time keep the order of their lines) and returns true; otherwise returns false with
 * error "name:line: what is wrong". A signal line changes its signals in the current bytes of
 * their frames (the bytes of the last frame of that number sent, zero at first) and sends every
 * frame it changed, in frame order. */
bool DriveScript_Parse(const std::string& text, const std::string& name, std::vector<DriveFrame>* frames,
                       std::string* error);

/* Parses a candump log: each "(seconds) interface ID#DATA" line is one frame, sent at its time
 * from the first line's time; frame number = identifier - base. Errors name the line. */
bool DriveScript_ParseCandump(const std::string& text, const std::string& name, UInt32 base,
                              std::vector<DriveFrame>* frames, std::string* error);

/* true when a text is a candump log rather than a drive script (its first line starts with "("). */
bool DriveScript_IsCandump(const std::string& text);

/* Writes frames as a candump log, times from startSeconds; frames with a bad sum on purpose are
 * left out (a CAN frame has no checksum byte to spoil). */
void DriveScript_WriteCandump(FILE* out, const std::vector<DriveFrame>& frames, UInt32 base,
                              const std::string& iface, double startSeconds);

/* Reads and parses a drive file or a candump log ("-" is standard input). */
bool DriveScript_Load(const std::string& path, UInt32 canBase, std::vector<DriveFrame>* frames,
                      std::string* error);

#endif

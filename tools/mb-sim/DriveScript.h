/* Drive scripts of the main-board simulator: a text that says which source frame is sent when,
 * with repeats and byte ramps, expanded into the list of frames to send in time order. The syntax
 * is described at the top of mb-sim.cpp. */
#ifndef DRIVE_SCRIPT_H
#define DRIVE_SCRIPT_H

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

/* Parses a drive text; name is used in messages. On success fills frames, sorted by time (frames
 * of the same time keep the order of their lines) and returns true; otherwise returns false with
 * error "name:line: what is wrong". */
bool DriveScript_Parse(const std::string& text, const std::string& name, std::vector<DriveFrame>* frames,
                       std::string* error);

/* Reads and parses a drive file ("-" is standard input). */
bool DriveScript_Load(const std::string& path, std::vector<DriveFrame>* frames, std::string* error);

#endif

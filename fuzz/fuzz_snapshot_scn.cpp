// Snapshot scenario lines. The commands that draw (wait, frames) need an OpenGL context and those
// that touch files (doc, shot) would reach the file system: they are left to the render tests.
// Everything else (frames into the codec, inline documents into the decoder, fps, stall, tick,
// restart, comments and unknown words) runs as the tool runs it.
#include <cstdint>
#include <sstream>
#include <string>

#include "Snapshot.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Snapshot_Begin();
    std::istringstream in(std::string((const char*)data, size));
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line.substr(0, line.find('#')));
        std::string cmd;
        words >> cmd;
        if (cmd == "wait" || cmd == "frames" || cmd == "doc" || cmd == "shot") continue;
        std::string err;
        if (!Snapshot_Command(line, "/nonexistent", &err) && err.empty()) __builtin_trap(); // says why
    }
    return 0;
}

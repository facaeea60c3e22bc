// snapshot: renders the cluster offscreen for a scenario and writes the 1920 x 720 picture as PNG.
//
//   snapshot [-e LINE]... [SCENARIO-FILE]... [-o OUT.png]
//
// The scenario lines (-e, in order with the files) are described in Snapshot.h: main-board frames
// ("frame 00 00 50 00 7D 04 40 09 00"), head-unit documents ("doc music song.json cover.png",
// "json account {...}"), driven time ("wait 5000", "frames 3", "fps 30", "stall 5000",
// "tick 0xFFFFFF00"), "restart" and "shot FILE". -o writes the picture after the last line.
// It needs an X display (run it under xvfb-run); the picture does not depend on the window.
// Exit status 0 on success, 1 for a bad scenario or a picture that cannot be written, 2 for usage.
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

#include "Snapshot.h"
#include "platform/OrvPlatform.h"

static int Snapshot_Usage(void)
{
    fprintf(stderr, "usage: snapshot [-e LINE]... [SCENARIO-FILE]... [-o OUT.png]\n");
    return 2;
}

int main(int argc, char** argv)
{
    struct Step { bool inline_; std::string text; };
    std::vector<Step> steps;
    std::string out;
    for (int i = 1; i < argc; i++) {
        if (strcmp(argv[i], "-e") == 0 && i + 1 < argc) steps.push_back({true, argv[++i]});
        else if (strcmp(argv[i], "-o") == 0 && i + 1 < argc) out = argv[++i];
        else if (argv[i][0] == '-') return Snapshot_Usage();
        else steps.push_back({false, argv[i]});
    }
    if (steps.empty() && out.empty()) return Snapshot_Usage();

    // The working directory stays the caller's (scenario and picture paths are the caller's);
    // the resources are found through the executable's folder.
    char cwd[4096];
    if (getcwd(cwd, sizeof(cwd)) == nullptr) cwd[0] = '\0';
    for (Step& s : steps)
        if (!s.inline_ && s.text[0] != '/') s.text = std::string(cwd) + "/" + s.text;
    if (!out.empty() && out[0] != '/') out = std::string(cwd) + "/" + out;

    OrvPlat_InitProcess(argv[0]);  // enters the executable's folder, where ./Res/ lies
    if (!Snapshot_OpenOffscreen()) {
        fprintf(stderr, "snapshot: no display or no framebuffer objects\n");
        return 1;
    }
    Snapshot_Begin();
    int rc = 0;
    std::string err;
    for (const Step& s : steps) {
        bool ok = s.inline_ ? Snapshot_Command(s.text, cwd, &err) : Snapshot_RunFile(s.text, &err);
        if (!ok) {
            fprintf(stderr, "snapshot: %s\n", err.c_str());
            rc = 1;
            break;
        }
    }
    if (rc == 0 && !out.empty()) {
        if (Snapshot_WritePng(out, Snapshot_ReadPicture(), 1920, 720))
            printf("snapshot: %s after %u frames\n", out.c_str(), Snapshot_FrameCount());
        else {
            fprintf(stderr, "snapshot: cannot write %s\n", out.c_str());
            rc = 1;
        }
    }
    Snapshot_CloseOffscreen();
    return rc;
}

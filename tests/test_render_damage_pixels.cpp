// Damage-limited redraw draws the same pictures as drawing every frame whole: every snapshot
// scenario, and every shipped drive played frame by frame, rendered by two processes, one with
// recording on and one with it off, and compared pixel by pixel (at most one step per channel).
//
// Each run is a child process with its own window and renderer, so both start from the same
// state and see the same driven time; the children put their pictures in shared memory and this
// process compares them frame by frame as they come.
#include <gtest/gtest.h>

#include <GL/glew.h>
#include <dirent.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "OrvRender/RenderRecord.h"
#include "Snapshot.h"
#include "support/RenderTestGl.h"

namespace {

const size_t kPictureBytes = 1920u * 720u * 4u;
const uint32_t kEnd = 0xFFFFFFFFu;

// A child's side of the exchange: its picture goes into memory shared with this process, then its
// frame number down the pipe; it waits for the answer before it draws on.
struct ChildLink {
    uint8_t* picture;
    int toParent, fromParent;
};
ChildLink mChild;
uint32_t mChild_Every = 1;
uint32_t mChild_Partial = 0;  // presents that redrew only part of the screen

bool WriteAll(int fd, const void* p, size_t n)
{
    const char* c = (const char*)p;
    while (n > 0) {
        ssize_t w = write(fd, c, n);
        if (w <= 0) return false;
        c += w;
        n -= (size_t)w;
    }
    return true;
}

bool ReadAll(int fd, void* p, size_t n)
{
    char* c = (char*)p;
    while (n > 0) {
        ssize_t r = read(fd, c, n);
        if (r <= 0) return false;
        c += r;
        n -= (size_t)r;
    }
    return true;
}

void SendPicture(void)
{
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, 1920, 720, GL_RGBA, GL_UNSIGNED_BYTE, mChild.picture);  // bottom row first
    const uint32_t frame = Snapshot_FrameCount();
    char go = 0;
    if (!WriteAll(mChild.toParent, &frame, sizeof frame) || !ReadAll(mChild.fromParent, &go, 1)) _exit(3);
}

void ChildFrame(void)
{
    const RenderRecView* v = RenderRec_View();
    static uint32_t presents = 0;
    if (v->presents != presents && !v->full && v->damage.w * v->damage.h < 1920 * 720) mChild_Partial++;
    presents = v->presents;
    if (Snapshot_FrameCount() % mChild_Every == 0) SendPicture();
}

// The child: renders the lines with recording on or off, sending every n-th frame and the last.
[[noreturn]] void RunChild(bool damage, const std::vector<std::string>& lines, const std::string& dir,
                           uint32_t every)
{
    if (freopen("/dev/null", "w", stdout) == nullptr) _exit(4);
    mChild_Every = every;
    RenderRec_SetEnabled(damage ? 1 : 0);
    if (!RenderTestGl_Open()) _exit(5);
    Snapshot_Begin();
    Snapshot_SetFrameHook(ChildFrame);
    std::string err;
    for (const std::string& line : lines)
        if (!Snapshot_Command(line, dir, &err)) {
            fprintf(stderr, "%s: %s\n", line.c_str(), err.c_str());
            _exit(6);
        }
    SendPicture();
    const uint32_t end[2] = {kEnd, mChild_Partial};
    if (!WriteAll(mChild.toParent, end, sizeof end)) _exit(3);
    _exit(0);
}

// This process's side of one child.
struct Child {
    pid_t pid = -1;
    uint8_t* picture = nullptr;
    int fromChild = -1, toChild = -1;
};

Child Spawn(bool damage, const std::vector<std::string>& lines, const std::string& dir, uint32_t every)
{
    Child c;
    int up[2], down[2];
    void* mem = mmap(nullptr, kPictureBytes, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (mem == MAP_FAILED || pipe(up) != 0 || pipe(down) != 0) return c;
    c.picture = (uint8_t*)mem;
    fflush(stdout);
    c.pid = fork();
    if (c.pid == 0) {
        close(up[0]);
        close(down[1]);
        mChild = {c.picture, up[1], down[0]};
        RunChild(damage, lines, dir, every);
    }
    close(up[1]);
    close(down[0]);
    c.fromChild = up[0];
    c.toChild = down[1];
    return c;
}

// Closes the pipes, waits for the child and releases its picture; true when it exited with 0.
bool Finish(Child& c)
{
    close(c.fromChild);
    close(c.toChild);
    int st = -1;
    if (c.pid > 0) waitpid(c.pid, &st, 0);
    if (c.picture != nullptr) munmap(c.picture, kPictureBytes);
    return c.pid > 0 && WIFEXITED(st) && WEXITSTATUS(st) == 0;
}

struct Comparison {
    uint32_t pictures = 0;
    uint32_t partial = 0;  // presents of the recording run that redrew only part of the screen
    std::string firstDifference;
    bool complete = false;
};

// A screen rectangle (pixels, origin top left).
struct Region {
    int x, y, w, h;
    bool Holds(int px, int py) const { return px >= x && px < x + w && py >= y && py < y + h; }
};

// What the wall clock decides, which the two runs do not share: the time of a connected call.
// Left out of the comparison in the scenarios that show it.
struct WallClockRegion {
    const char* scenario;
    Region region;
};
const WallClockRegion kWallClock[] = {
    {"phone-connect.scn", {1533 - 80, 326 - 24, 160, 48}},
};

std::vector<Region> WallClockRegions(const std::string& scenario)
{
    std::vector<Region> out;
    for (const WallClockRegion& w : kWallClock)
        if (scenario == w.scenario) out.push_back(w.region);
    return out;
}

// The first pixel channel outside the left-out regions that differs by more than one step, as
// text; empty when none does.
std::string Difference(uint32_t frame, const uint8_t* a, const uint8_t* b, const std::vector<Region>& leftOut)
{
    if (memcmp(a, b, kPictureBytes) == 0) return "";
    for (size_t i = 0; i < kPictureBytes; i++) {
        if (std::abs((int)a[i] - (int)b[i]) <= 1) continue;
        const size_t px = i / 4;
        const int x = (int)(px % 1920), y = 719 - (int)(px / 1920);  // read bottom row first
        if (std::any_of(leftOut.begin(), leftOut.end(), [&](const Region& r) { return r.Holds(x, y); })) continue;
        char text[160];
        snprintf(text, sizeof text, "frame %u, pixel (%d, %d) channel %zu: %d without recording, %d with it", frame, x,
                 y, i % 4, a[i], b[i]);
        return text;
    }
    return "";
}

// Runs both children and compares their pictures as they arrive.
Comparison Compare(const std::vector<std::string>& lines, const std::string& dir, uint32_t every,
                   const std::vector<Region>& leftOut = {})
{
    Comparison out;
    Child off = Spawn(false, lines, dir, every);
    Child on = Spawn(true, lines, dir, every);
    for (;;) {
        uint32_t fa = 0, fb = 0;
        if (!ReadAll(off.fromChild, &fa, sizeof fa) || !ReadAll(on.fromChild, &fb, sizeof fb)) break;
        if (fa != fb) {
            out.firstDifference = "the runs went out of step";
            break;
        }
        if (fa == kEnd) {
            uint32_t partialOff = 0;
            out.complete = ReadAll(off.fromChild, &partialOff, sizeof partialOff) &&
                           ReadAll(on.fromChild, &out.partial, sizeof out.partial);
            break;
        }
        out.pictures++;
        if (out.firstDifference.empty()) out.firstDifference = Difference(fa, off.picture, on.picture, leftOut);
        const char go = 1;
        if (!WriteAll(off.toChild, &go, 1) || !WriteAll(on.toChild, &go, 1)) break;
    }
    const bool offOk = Finish(off), onOk = Finish(on);
    out.complete = out.complete && offOk && onOk;
    return out;
}

std::vector<std::string> ScenarioFiles(void)
{
    std::vector<std::string> names;
    if (DIR* d = opendir(SNAPSHOT_SCENARIOS)) {
        while (dirent* e = readdir(d)) {
            std::string n = e->d_name;
            if (n.size() > 4 && n.compare(n.size() - 4, 4, ".scn") == 0) names.push_back(n);
        }
        closedir(d);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> FileLines(const std::string& path)
{
    std::vector<std::string> lines;
    if (FILE* f = fopen(path.c_str(), "r")) {
        char buf[4096];
        while (fgets(buf, sizeof buf, f)) {
            std::string l = buf;
            while (!l.empty() && (l.back() == '\n' || l.back() == '\r')) l.pop_back();
            lines.push_back(l);
        }
        fclose(f);
    }
    return lines;
}

class DamageScenario : public ::testing::TestWithParam<std::string> {};

// Every snapshot scenario: every 5th frame and the last compared. The waits render 20 frames a
// second unless the scenario sets its own rate, which keeps the suite's time down; both runs see
// the same frames either way.
TEST_P(DamageScenario, SamePicturesWithAndWithoutRecording)
{
    std::vector<std::string> lines = FileLines(std::string(SNAPSHOT_SCENARIOS) + "/" + GetParam());
    ASSERT_FALSE(lines.empty());
    lines.insert(lines.begin(), "fps 20");
    const Comparison c = Compare(lines, SNAPSHOT_SCENARIOS, 5, WallClockRegions(GetParam()));
    EXPECT_TRUE(c.complete);
    EXPECT_GT(c.pictures, 0u);
    EXPECT_EQ(c.firstDifference, "");
}

INSTANTIATE_TEST_SUITE_P(Scenarios, DamageScenario, ::testing::ValuesIn(ScenarioFiles()),
                         [](const ::testing::TestParamInfo<std::string>& i) {
                             std::string n = i.param.substr(0, i.param.size() - 4);
                             for (char& ch : n)
                                 if (!isalnum((unsigned char)ch)) ch = '_';
                             return n;
                         });

class DamageDrive : public ::testing::TestWithParam<const char*> {};

// A shipped drive from power-on to its end, every frame compared at a steady 10 frames per second;
// the recording run must have redrawn only part of the screen on some of them.
TEST_P(DamageDrive, SameFramesWithAndWithoutRecording)
{
    const std::vector<std::string> lines = {
        "fps 10",
        "frame 02 2E FE 05 1A 76 00 00 00",
        "json account {\"enable\": \"1\", \"msgtype\": \"1\", \"account\": {\"main\": \"Alex\"}}",
        "frame 00 00 50 00 7D 04 40 09 00",
        "wait 5500",
        std::string("play ") + GetParam() + ".drive",
        "wait 3000",
    };
    const Comparison c = Compare(lines, MB_DRIVES_DIR, 1);
    EXPECT_TRUE(c.complete);
    EXPECT_GT(c.pictures, 50u);
    EXPECT_GT(c.partial, 0u);
    EXPECT_EQ(c.firstDifference, "");
}

INSTANTIATE_TEST_SUITE_P(Drives, DamageDrive,
                         ::testing::Values("startup", "city", "reverse", "charging", "telltales", "modules", "assist",
                                           "hints"),
                         [](const ::testing::TestParamInfo<const char*>& i) { return std::string(i.param); });

}  // namespace

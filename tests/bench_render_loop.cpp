// Frame-budget benchmark of the render loop on this machine (software Mesa under Xvfb): the
// heaviest pages, each measured on its own, first offscreen (a 1920 x 720 framebuffer object) and
// then on screen (the render window itself, the buffer swap included), each twice in the same run
// (every measured frame animating as at 60 frames per second):
// "before" with the drawing shortcuts and the damage-limited redraw switched off, "after" with them
// on, with the share of the screen the damage-limited redraw drew again. Then the frame profiler's
// table of the busiest page (the first) and of the page slowest on screen "after", if another.
// Before the pages and after them it tours every screen and prints the resident memory.
// With --elements it then prints the older break-down: each heavy page beside itself with its
// elements left out (empty slots), and the power-on times.
// Prints figures; asserts nothing.
//   bench_render_loop [FRAMES] [--elements]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <malloc.h>
#include <string>
#include <vector>
#include <unistd.h>

#include "HuSimImage.h"
#include "OrvRender/Render.h"
#include "OrvRender/RenderProfile.h"
#include "OrvRender/RenderRecord.h"
#include "OrvRender/RenderTune.h"
#include "Protocol/Cdu_TCP_App.h"
#include "Protocol/MainBoard_IIC_App.h"
#include "Snapshot.h"
#include "lib/OrvGL.h"
#include "platform/OrvPlatform.h"
#include "platform/OrvRenderWindow.h"
#include "support/ProcMemory.h"
#include "support/RenderTestGl.h"

using Clock = std::chrono::steady_clock;

static double Ms(Clock::time_point a, Clock::time_point b)
{
    return std::chrono::duration<double, std::milli>(b - a).count();
}

static bool Run(const std::string& line)
{
    std::string err;
    if (Snapshot_Command(line, ".", &err)) return true;
    fprintf(stderr, "bench: %s: %s\n", line.c_str(), err.c_str());
    return false;
}

static void RunAll(const std::vector<std::string>& lines)
{
    for (const std::string& l : lines) Run(l);
}

static bool WriteFile(const std::string& path, const void* data, size_t len)
{
    FILE* f = fopen(path.c_str(), "wb");
    if (f == nullptr) return false;
    bool ok = fwrite(data, 1, len, f) == len;
    return fclose(f) == 0 && ok;
}

/* ---- Switches ------------------------------------------------------------------------------ */

// "before": every drawing shortcut and the damage-limited redraw off; "after": all on.
static void SetShortcuts(bool on)
{
    RenderTune_SetAll(on ? 1 : 0);
    RenderRec_SetEnabled(on ? 1 : 0);
}

/* ---- Pages --------------------------------------------------------------------------------- */

// The plain page in P every page starts from and returns to: no lamps, no pop-ups, no menu, no
// scene input, no radar, default modules.
static const std::vector<std::string> kPlain = {
    "frame 01 00 00 00 00 00 00 00 00", "frame 02 2E FE 05 1A 76 00 00 00", "frame 04 00 00 00 00 00 00 00 00",
    "frame 05 00 00 00 00 00 00 00 00", "frame 07 00 00 00 00 00 00 00 00", "frame 08 00 00 78 C8 02 65 00 00",
    "frame 09 00 00 00 00 F1 00 F1 00", "frame 0A F1 00 F1 00 F1 00 F1 00", "frame 0B 00 00 00 00 00 00 00 00",
    "frame 0C 00 00 00 00 00 00 00 00", "frame 0D 80 80 80 80 00 00 00 00", "frame 00 00 50 00 7D 04 40 09 00",
};

static const char kContacts[] =
    "json bluetooth {\"enable\": \"1\", \"msgtype\": \"1\", \"btcall\": ["
    "{\"title\": 1, \"name\": \"Alex Chen\", \"num\": \"13800000001\"}, "
    "{\"title\": 2, \"name\": \"Bea\", \"num\": \"13800000002\"}, "
    "{\"title\": 3, \"name\": \"Chris\", \"num\": \"13800000003\"}]}";
static const char kCall[] = "json bluetooth {\"enable\": \"1\", \"msgtype\": \"2\", \"incall\": "
                            "{\"name\": \"Alex Chen\", \"num\": \"13800000001\", \"status\": \"%s\", "
                            "\"action\": \"in\"}}";
static const char kVoice[] = "json notification {\"enable\": \"1\", \"msgtype\": \"1\", \"notify\": "
                             "{\"MsgIndex\": \"1\", \"CDUrecording\": \"%d\"}}";

static std::string Format(const char* fmt, const char* s)
{
    char buf[512];
    snprintf(buf, sizeof buf, fmt, s);
    return buf;
}
static std::string Format(const char* fmt, int v)
{
    char buf[512];
    snprintf(buf, sizeof buf, fmt, v);
    return buf;
}

// The steady page: only the speed and the clock move.
static void SteadyFrame(int i)
{
    Speed = (UInt08)(80 + (i / 8) % 20);
    SysTimeOfDayInMin = (UInt16)((510 + i / 60) % 1440);
}

struct BenchPage {
    const char* name;
    std::vector<std::string> enter;  // shows the page, from the plain page
    std::vector<std::string> leave;  // back to the plain page, besides kPlain
    void (*perFrame)(int frame);     // what the page changes each frame; nullptr: it animates alone
    void (*enterFn)();               // store changes that are no scenario line; may be nullptr
    void (*leaveFn)();
};

static void UpgradeOn()
{
    UpgradeInfo.FileSize = 4000000;
    UpgradeInfo.RecvSize = 1234567;
    CDU_TCP_SetOtaState(OTA_TRANSFERING);
}
static void UpgradeOff() { CDU_TCP_SetOtaState(OTA_Normal); }

// The measured pages. The driving page's side panels need the energy history and the song with
// its cover, which PrepareStores gives once.
static const std::vector<BenchPage>& MeasuredPages()
{
    static const std::vector<BenchPage> pages = {
        {"driving: assistance scene, side panels, hint, alarm, all telltales",
         {"frame 00 78 50 64 7D 01 40 09 50", "frame 01 FF FF FF FF F7 FF FF 9F", "frame 02 2E FE A5 1A 76 42 9C 64",
          "frame 08 23 23 78 DC 02 65 00 00", "frame 0D 4A 6E 92 B6 FC FC F0 01", "frame 09 69 84 2E 05 78 14 54 28",
          "frame 0A 96 0C 9C 37 54 46 78 41", "frame 04 05 00 00 00 09 00 00 00"},
         {}, nullptr, nullptr, nullptr},
        {"parking radar",
         {"frame 0B 00 00 00 00 00 00 03 00", "frame 00 05 50 00 7D 01 40 09 00", "frame 05 14 14 32 00 00 00 00 00",
          "frame 0C 00 00 00 00 02 49 00 00", "frame 0B 00 00 00 00 00 01 03 00"},
         {}, nullptr, nullptr, nullptr},
        {"charging",
         {"frame 04 04 00 00 00 0F 00 00 5A", "frame 00 00 50 00 7D 04 40 39 00", "frame 01 00 00 00 00 00 00 00 40"},
         {}, nullptr, nullptr, nullptr},
        {"menu open (temperature)", {"frame 07 02 0D 00 00 00 00 00 00"}, {}, nullptr, nullptr, nullptr},
        {"phone in a call", {kContacts, Format(kCall, "ring"), Format(kCall, "connect")}, {kContacts},
         nullptr, nullptr, nullptr},
        {"steady driving (only speed and clock change)", {"frame 00 50 50 64 7D 01 40 09 50"}, {}, SteadyFrame,
         nullptr, nullptr},
    };
    return pages;
}

// Screens the memory tour shows besides the measured pages (self test and logo come with the
// power-on): each animation played long enough to have loaded its pictures.
static const std::vector<BenchPage>& TourOnlyPages()
{
    static const std::vector<BenchPage> pages = {
        {"voice assistant", {Format(kVoice, 6)}, {Format(kVoice, 4)}, nullptr, nullptr, nullptr},
        {"face recognition", {"frame 0D 80 80 80 80 00 00 00 30"}, {}, nullptr, nullptr, nullptr},
        {"ECO driving mode", {"frame 00 50 50 64 7D 01 40 09 50", "frame 01 00 00 00 00 40 00 00 00"}, {}, nullptr,
         nullptr, nullptr},
        {"SPORT driving mode", {"frame 00 50 50 64 7D 01 40 09 50", "frame 01 00 00 00 00 80 00 00 00"}, {}, nullptr,
         nullptr, nullptr},
        {"package upgrade", {}, {}, nullptr, UpgradeOn, UpgradeOff},
        {"system upgrade", {"frame 01 00 00 00 00 00 00 00 20"}, {}, nullptr, nullptr, nullptr},
        {"power-off page", {"frame 00 00 50 00 7D 04 40 05 00"}, {}, nullptr, nullptr, nullptr},
    };
    return pages;
}

// The energy module's history: 100 consumption samples.
static void FillEnergyHistory()
{
    for (int k = 0; k < 100; k++) {
        char line[64];
        snprintf(line, sizeof line, "frame 0B 00 00 00 00 00 00 01 %02X", 90 + (k * 37) % 50);
        Run(line);
        Run("frame 0B 00 00 00 00 00 00 01 FF");
    }
}

// A song with a 300 x 300 JPEG cover for the media module, through the head-unit documents.
static void PlaySongWithCover()
{
    char dir[] = "/tmp/bench-render-XXXXXX";
    if (mkdtemp(dir) == nullptr) return;
    std::vector<uint8_t> px = HuSim_CoverPixels(300, 300, 3);
    std::vector<uint8_t> jpeg = HuSim_EncodeJpeg(px.data(), 300, 300, 3, 85);
    const std::string doc = "{\"enable\": \"1\", \"msgtype\": \"1\", \"music\": {\"song\": \"Blue Morning\", "
                            "\"artist\": \"The Quiet Lanes\", \"status\": \"playing\", \"total\": \"245\", "
                            "\"progress\": \"12\"}}";
    const std::string json = std::string(dir) + "/music.json", cover = std::string(dir) + "/cover.jpg";
    if (WriteFile(json, doc.data(), doc.size()) && WriteFile(cover, jpeg.data(), jpeg.size()))
        Run("doc music " + json + " " + cover);
    unlink(json.c_str());
    unlink(cover.c_str());
    rmdir(dir);
}

// The energy module's history (100 samples) and a song with a JPEG cover for the media module.
static void PrepareStores()
{
    Run("json account {\"enable\": \"1\", \"msgtype\": \"1\", \"account\": {\"main\": \"Alex\"}}");
    FillEnergyHistory();
    PlaySongWithCover();
}

// The plain page powered on, past the logo and the self test (a tour ends on the power-off page).
static void PowerOn()
{
    RunAll(kPlain);
    while (HmiDspState != HMI_DSP_ON) Render(nullptr);
}

static void Enter(const BenchPage& p)
{
    PowerOn();
    RunAll(p.enter);
    if (p.enterFn) p.enterFn();
}

static void Leave(const BenchPage& p)
{
    if (p.leaveFn) p.leaveFn();
    RunAll(p.leave);
    RunAll(kPlain);
}

// Renders for ms milliseconds of real time.
static void RenderFor(double ms)
{
    Clock::time_point a = Clock::now();
    int i = 0;
    while (Ms(a, Clock::now()) < ms || i < 2) {
        Render(nullptr);
        i++;
    }
}

// What the damage-limited redraw drew again over some frames.
struct BenchRedraw {
    double share = 0;  // of the screen, summed over the frames
    int rects = 0;
    int frames = 0;
};

static void CountRedraw(BenchRedraw* r)
{
    static UInt32 presents = 0;
    const RenderRecView* v = RenderRec_View();
    if (v->presents == presents || !v->enabled) return;
    presents = v->presents;
    for (Int32 i = 0; i < v->rectNum; i++) r->share += (double)v->rects[i].w * v->rects[i].h / (1920.0 * 720.0);
    r->rects += v->rectNum;
    r->frames++;
}

// The animation time of a measured frame: what a frame at 60 frames per second sees.
static const UInt32 kFrameStepMs = 16;

// Milliseconds per frame over frames calls of Render (glFinish and, on screen, the swap included).
// The tick is driven kFrameStepMs a frame, so that the page animates as on a 60 frames per second
// display however fast its frames are drawn (on the real tick a frame drawn in under a
// millisecond sees no time pass, and nothing moves).
static double FrameMs(const BenchPage& p, int frames, BenchRedraw* redraw = nullptr)
{
    OrvPlat_DriveTick(OrvPlat_GetTickCount());
    Clock::time_point a = Clock::now();
    for (int i = 0; i < frames; i++) {
        if (p.perFrame) p.perFrame(i);
        OrvPlat_AdvanceTick(kFrameStepMs);
        Render(nullptr);
        if (redraw) CountRedraw(redraw);  // reads a few counters: no measurable share of the frame
    }
    const double ms = Ms(a, Clock::now()) / frames;
    OrvPlat_ReleaseTick();
    return ms;
}

// Each measured page: entered and settled, then measured in rounds that take turns before and
// after, so that both see the same load of a shared machine; the best round of each is printed,
// "after" with the mean share of the screen drawn again per frame and in how many rectangles.
// Returns the page slowest after.
static const BenchPage* MeasurePages(const char* surface, int frames)
{
    const int rounds = 3;
    const BenchPage* slowest = nullptr;
    double slowestMs = 0;
    printf("%s (ms per frame, best of %d rounds of %d frames):\n", surface, rounds, frames);
    for (const BenchPage& p : MeasuredPages()) {
        Enter(p);
        RenderFor(1200);  // pictures loaded, fades and intros over
        double ms[2] = {1e9, 1e9};
        BenchRedraw redraw;
        for (int r = 0; r < rounds; r++) {
            for (int on = 0; on < 2; on++) {
                SetShortcuts(on != 0);
                RenderFor(150);  // the switch in force, the redraw settled
                const double m = FrameMs(p, frames, on ? &redraw : nullptr);
                if (m < ms[on]) ms[on] = m;
            }
        }
        const int n = redraw.frames > 0 ? redraw.frames : 1;
        printf("  %-66s before %6.2f ms (%6.1f frames/s)  after %6.2f ms (%6.1f frames/s; %3.0f%% redrawn, %.1f rects)\n",
               p.name, ms[0], 1000.0 / ms[0], ms[1], 1000.0 / ms[1], 100.0 * redraw.share / n, (double)redraw.rects / n);
        if (ms[1] > slowestMs) {
            slowestMs = ms[1];
            slowest = &p;
        }
        Leave(p);
    }
    RenderFor(300);
    return slowest;
}

// The frame profiler's table of one page, after (the profiler's fences make its frames slower
// than the measured ones; the table says where the time goes, not how much there is).
static void ProfilePage(const BenchPage& p, int frames, const char* which)
{
    Enter(p);
    RenderFor(1200);
    SetShortcuts(true);
    RenderFor(150);
    printf("frame profile, after, on screen, of %s: %s\n", which, p.name);
    RenderProf_Reset();
    RenderProf_SetEnabled(1);
    FrameMs(p, frames);
    RenderProf_Print();
    RenderProf_SetEnabled(0);
    Leave(p);
    RenderFor(300);
}

// Every screen once, then the resident memory (freed heap handed back to the system first).
static void TourAndMemory(const char* what)
{
    for (const std::vector<BenchPage>* list : {&MeasuredPages(), &TourOnlyPages()}) {
        for (const BenchPage& p : *list) {
            Enter(p);
            RenderFor(2500);
            Leave(p);
            RenderFor(300);
        }
    }
    malloc_trim(0);
    printf("resident memory after a tour of every screen, %s: VmRSS %ld MB, RssAnon %ld MB\n", what,
           ProcMemoryKiB("VmRSS") / 1024, ProcMemoryKiB("RssAnon") / 1024);
}

// The render window itself as the target: the default framebuffer, shown, swapped by the frame.
static void UseWindow()
{
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    OrvPlat_ShowWindow(OrvRenderHwnd);
    RenderFor(300);
}

static void FrameBudget(int frames)
{
    PrepareStores();
    SetShortcuts(false);
    TourAndMemory("shortcuts off (before)");
    MeasurePages("offscreen (framebuffer object, 1920 x 720)", frames);
    UseWindow();
    const BenchPage* slowest = MeasurePages("on screen (render window, buffer swap or the changed parts shown)", frames);
    const BenchPage& busiest = MeasuredPages().front();
    ProfilePage(busiest, frames, "the busiest page");
    if (slowest && slowest != &busiest) ProfilePage(*slowest, frames, "the page slowest on screen");
    SetShortcuts(true);
    TourAndMemory("shortcuts on (after)");
}

/* ---- Elements of the heavy pages (--elements) ------------------------------------------------ */

// Work mode on at the real tick: the first frame call (the logo), then frames until the normal page.
static void PowerOnTimes(const char* what)
{
    Clock::time_point on = Clock::now();
    Run("frame 00 00 50 00 7D 04 40 09 00");
    Render(nullptr);
    Clock::time_point logo = Clock::now();
    while (HmiDspState != HMI_DSP_ON) Render(nullptr);
    Clock::time_point page = Clock::now();
    printf("%s: work mode on -> end of the first logo frame %.0f ms (logo presented, then loading and the pause); "
           "-> first normal-page frame %.0f ms\n", what, Ms(on, logo), Ms(on, page));
}

// Milliseconds per frame over frames calls of Render.
static double FrameMsPlain(int frames)
{
    Clock::time_point a = Clock::now();
    for (int i = 0; i < frames; i++) Render(nullptr);
    return Ms(a, Clock::now()) / frames;
}


// The side panels at their heaviest: the energy module with a full history (892 graph rows) on the
// left, the media module playing a song with a JPEG cover on the right (drawn once its element has
// its slot), compared with the same page without the side-panel elements.
static void SidePanels(int frames)
{
    FillEnergyHistory();
    PlaySongWithCover();
    Run("frame 04 05 00 00 00 09 00 00 00");  // left energy, right media
    for (int i = 0; i < 120; i++) Render(nullptr);  // the energy module has turned in
    const double with = FrameMsPlain(frames);

    const RenderElements all = mRender_Elements;
    RenderElements& e = mRender_Elements;
    e.ShowLeftModuleList = nullptr; e.ShowRightModuleList = nullptr; e.ShowModuleClock = nullptr;
    e.ShowModuleTrip = nullptr; e.ShowModuleEngCost = nullptr; e.ShowModuleVehicleStatus = nullptr;
    e.ShowModuleMedia = nullptr; e.ShowModuleWeather = nullptr; e.ShowModuleNav = nullptr;
    e.ShowModulePhone = nullptr;
    for (int i = 0; i < 10; i++) Render(nullptr);
    const double before = FrameMsPlain(frames);
    mRender_Elements = all;
    printf("busiest page with the side panels (energy graph left, media with cover right%s): %.2f ms per frame "
           "(%.1f frames/s); side-panel slots emptied (before): %.2f ms per frame (%.1f frames/s)\n",
           all.ShowModuleMedia ? "" : ", media slot still empty", with, 1000.0 / with, before, 1000.0 / before);

    // A new consumption sample rebuilds and uploads the whole graph in the next frame.
    for (int i = 0; i < 10; i++) Render(nullptr);
    Clock::time_point a = Clock::now();
    for (int i = 0; i < frames; i++) {
        char line[64];
        snprintf(line, sizeof line, "frame 0B 00 00 00 00 00 00 01 %02X", 90 + (i * 37) % 50);
        Run(line);
        Render(nullptr);
        Run("frame 0B 00 00 00 00 00 00 01 FF");
    }
    const double rebuild = Ms(a, Clock::now()) / frames;
    printf("  a frame with a new consumption sample (graph of 892 rows rebuilt and uploaded): %.2f ms\n", rebuild);
    Run("frame 04 00 00 00 00 00 00 00 00");
}

// Frames per second of the page as it stands, then with each group of elements left out.
struct BenchStrip { const char* what; void (*strip)(RenderElements&); };
static void CompareStripped(const char* page, const BenchStrip* parts, int n, int frames)
{
    const RenderElements all = mRender_Elements;
    for (int k = 0; k < n; k++) {
        parts[k].strip(mRender_Elements);
        for (int i = 0; i < 10; i++) Render(nullptr);
        const double pm = FrameMsPlain(frames);
        printf("  %s %s: %.2f ms per frame (%.1f frames/s)\n", page, parts[k].what, pm, 1000.0 / pm);
        mRender_Elements = all;
    }
}

// The driving page: the busiest page with four lane lines on a curve, six vehicles ahead,
// adaptive cruise at 100 km/h and the own car; then without the scene and its overlays.
static void DrivingPage(int frames)
{
    static const char* const drivingPage[] = {
        "frame 02 2E FE A5 1A 76 00 00 64", "frame 08 23 23 78 DC 02 65 00 00", "frame 0D 4A 6E 92 B6 FC FC F0 01",
        "frame 09 69 84 2E 05 78 14 54 28", "frame 0A 96 0C 9C 37 54 46 78 41",
    };
    for (const char* l : drivingPage) Run(l);
    for (int i = 0; i < 120; i++) Render(nullptr);
    const double ms = FrameMsPlain(frames);
    printf("driving page (busiest page + 4 lane lines, 6 vehicles, cruise gauge, own car): %.2f ms per frame "
           "(%.1f frames/s)\n", ms, 1000.0 / ms);
    static const BenchStrip parts[] = {
        {"without the road scene (lines, vehicles, marker)", [](RenderElements& e) { e.ShowTrafficLines = nullptr; }},
        {"without the own car", [](RenderElements& e) { e.ShowDrivingCar = nullptr; }},
        {"without the scene and its overlays", [](RenderElements& e) {
             e.ShowTrafficLines = nullptr; e.ShowVuskSpeed = nullptr; e.ShowDrivingCar = nullptr;
             e.ShowAiParking = nullptr; }},
    };
    CompareStripped("driving page", parts, 3, frames);
    // Back to the busiest page.
    for (const char* l : {"frame 02 2E FE 05 1A 76 00 00 00", "frame 08 00 00 78 C8 02 65 00 00",
                          "frame 09 00 00 00 00 F1 00 F1 00", "frame 0A F1 00 F1 00 F1 00 F1 00"})
        Run(l);
    for (int i = 0; i < 10; i++) Render(nullptr);
}

// Full-screen pages and the right-panel overlay, next to the plain page in P they replace or
// cover (the warm frames load their pictures and pass their intros).
static void ScreenPages(int frames)
{
    auto measure = [frames](const char* what) {
        for (int i = 0; i < 150; i++) Render(nullptr);
        Clock::time_point a = Clock::now();
        for (int i = 0; i < frames; i++) Render(nullptr);
        double pm = Ms(a, Clock::now());
        printf("  %s: %.2f ms per frame (%.1f frames/s)\n", what, pm / frames, frames * 1000.0 / pm);
    };
    const std::string voice = "json notification {\"enable\": \"1\", \"msgtype\": \"1\", \"notify\": "
                              "{\"MsgIndex\": \"1\", \"CDUrecording\": \"";
    Run("frame 01 00 00 00 00 00 00 00 00");
    Run("frame 00 00 50 00 7D 04 40 09 00");
    measure("page in P, no lamps");
    Run(voice + "6\"}}");
    measure("page in P with the voice assistant's waiting loop");
    Run(voice + "4\"}}");
    Run("frame 04 04 00 00 00 0F 00 00 5A");
    Run("frame 00 00 50 00 7D 04 40 39 00");
    Run("frame 01 00 00 00 00 00 00 00 40");
    measure("charging screen, charging (sequence, running light, time line)");
    Run("frame 01 00 00 00 00 00 00 00 00");
    Run("frame 00 00 50 00 7D 04 40 09 00");
    UpgradeInfo.FileSize = 4000000;
    UpgradeInfo.RecvSize = 1234567;
    CDU_TCP_SetOtaState(OTA_TRANSFERING);
    measure("package upgrade page, downloading");
    CDU_TCP_SetOtaState(OTA_Normal);
    Run("frame 01 00 00 00 00 00 00 00 20");
    measure("system upgrade page");
    Run("frame 01 00 00 00 00 00 00 00 00");
}

// Pages with the menus and the phone module, each next to the same page with those slots empty.
static void PhoneMenuPages(int frames)
{
    const RenderElements all = mRender_Elements;
    struct Scene { const char* what; std::vector<std::string> lines; };
    const std::string contacts =
        "json bluetooth {\"enable\": \"1\", \"msgtype\": \"1\", \"btcall\": ["
        "{\"title\": 1, \"name\": \"Alex Chen\", \"num\": \"13800000001\"}, "
        "{\"title\": 2, \"name\": \"Bea\", \"num\": \"13800000002\"}, "
        "{\"title\": 3, \"name\": \"Chris\", \"num\": \"13800000003\"}, "
        "{\"title\": 4, \"name\": \"Dana\", \"num\": \"13800000004\"}]}";
    const std::string call = "json bluetooth {\"enable\": \"1\", \"msgtype\": \"2\", \"incall\": "
                             "{\"name\": \"Alex Chen\", \"num\": \"13800000001\", \"status\": \"%s\", "
                             "\"action\": \"in\"}}";
    auto callDoc = [&](const char* status) {
        char buf[512];
        snprintf(buf, sizeof(buf), call.c_str(), status);
        return std::string(buf);
    };
    const Scene scenes[] = {
        {"settings list", {"frame 07 21 00 00 00 00 00 00 00"}},
        {"temperature screen", {"frame 07 02 0D 00 00 00 00 00 00"}},
        {"phone contact list", {"frame 07 00 00 00 00 00 00 00 00", "frame 04 04 00 00 00 04 00 00 00", contacts,
                                "frame 0B 00 11 00 00 00 00 01 FF"}},
        {"phone call in progress", {callDoc("ring"), callDoc("connect")}},
    };
    auto perFrame = [&]() {
        for (int i = 0; i < 30; i++) Render(nullptr);
        Clock::time_point a = Clock::now();
        for (int i = 0; i < frames; i++) Render(nullptr);
        return Ms(a, Clock::now()) / frames;
    };
    for (const Scene& sc : scenes) {
        for (const std::string& l : sc.lines) Run(l.c_str());
        const double with = perFrame();
        mRender_Elements.ShowModulePhone = nullptr;
        mRender_Elements.ShowMenuNull = nullptr;
        mRender_Elements.ShowMenuList = nullptr;
        mRender_Elements.ShowMenuValueSetting = nullptr;
        const double without = perFrame();
        mRender_Elements = all;
        printf("%s: %.2f ms per frame (%.1f frames/s); without the phone and menus %.2f ms (%.1f frames/s)\n",
               sc.what, with, 1000.0 / with, without, 1000.0 / without);
    }
    // The call ends into the contact list, the menu closes and the right panel takes its module again.
    Run(contacts.c_str());
    Run("frame 04 00 00 00 00 00 00 00 00");
    for (int i = 0; i < 30; i++) Render(nullptr);
}

// The busiest page with both pop-ups shown: the head hint with its blink band (the watch-out bit
// is among the lamps) and an alarm dialog; then both gone again.
static void HintAlarmPage(int frames)
{
    Run("frame 02 2E FE 05 1A 76 42 9C 00");
    for (int i = 0; i < 120; i++) Render(nullptr);  // both faded in
    Clock::time_point h0 = Clock::now();
    for (int i = 0; i < frames; i++) Render(nullptr);
    double hm = Ms(h0, Clock::now());
    printf("busiest page with the head hint, its band and an alarm dialog: %.2f ms per frame (%.1f frames/s)\n",
           hm / frames, frames * 1000.0 / hm);
    Run("frame 02 2E FE 05 1A 76 00 00 00");
    for (int i = 0; i < 120; i++) Render(nullptr);  // both faded out
}


// The older break-down: the power-on times, the busiest page, then each heavy page beside itself
// with its elements left out.
static void ElementsBreakdown(int frames)
{
    RunAll(kPlain);
    Run("frame 00 00 50 00 7D 04 40 05 00");
    for (int i = 0; i < 10; i++) Render(nullptr);
    PowerOnTimes("later power-on");
    Run("json account {\"enable\": \"1\", \"msgtype\": \"1\", \"account\": {\"main\": \"Alex\"}}");
    Run("frame 02 2E FE 05 1A 76 00 00 00");
    Run("frame 00 78 50 64 7D 01 40 09 50");
    Run("frame 01 FF FF FF FF F7 FF FF 9F");  // every lamp but the charger and the system upgrade
    for (int i = 0; i < 120; i++) Render(nullptr);  // warm: every picture loaded, fades settled
    Clock::time_point t0 = Clock::now();
    for (int i = 0; i < frames; i++) Render(nullptr);
    double ms = Ms(t0, Clock::now());
    printf("busiest page (D 120 km/h, all telltales, greeting): %d frames in %.0f ms = %.1f frames/s "
           "(%.2f ms per frame, glFinish included)\n", frames, ms, frames * 1000.0 / ms, ms / frames);

    // Where the time goes: the same page with groups of elements left out (empty slots).
    struct Part { const char* what; void (*strip)(RenderElements&); };
    const Part parts[] = {
        {"without the telltales", [](RenderElements& e) { e.ShowFixLeds = nullptr; e.ShowDynamicLeds = nullptr; }},
        {"without the readouts and drive state", [](RenderElements& e) {
             e.ShowTime = nullptr; e.ShowTemprature = nullptr; e.ShowTripRange = nullptr; e.ShowGreeting = nullptr;
             e.ShowSpeed = nullptr; e.ShowBattery = nullptr; e.ShowGear = nullptr; e.ShowDrivingMode = nullptr;
             e.ShowSpeedLimit = nullptr; e.ShowFPS = nullptr; }},
        {"background and clear only", [](RenderElements& e) { e = RenderElements{}; }},
    };
    const RenderElements all = mRender_Elements;
    for (const Part& p : parts) {
        p.strip(mRender_Elements);
        for (int i = 0; i < 10; i++) Render(nullptr);
        Clock::time_point a = Clock::now();
        for (int i = 0; i < frames; i++) Render(nullptr);
        double pm = Ms(a, Clock::now());
        printf("  %s: %.2f ms per frame (%.1f frames/s)\n", p.what, pm / frames, frames * 1000.0 / pm);
        mRender_Elements = all;
    }
    // The heavy pages, each beside itself with its elements left out.
    static void (*const pages[])(int) = {HintAlarmPage, SidePanels, DrivingPage, PhoneMenuPages, ScreenPages};
    for (auto page : pages) page(frames);
}

int main(int argc, char** argv)
{
    int frames = 60;
    bool elements = false;
    for (int i = 1; i < argc; i++) {
        if (strcmp(argv[i], "--elements") == 0) elements = true;
        else frames = atoi(argv[i]);
    }
    if (frames < 1) frames = 1;
    if (!RenderTestGl_OpenBesideRes(argv[0])) return 1;
    Snapshot_Begin();
    Run("frames 1");  // first-call set-up, power-off page
    OrvPlat_ReleaseTick();
    FrameBudget(frames);
    if (elements) ElementsBreakdown(frames);
    CleanUpRender(nullptr);
    RenderTestGl_Close();
    return 0;
}

// Scenario interpreter of the snapshot tool: main-board frames and head-unit documents into the
// stores, driven time through the tick, frames through Render, pictures out through libpng.
#include "Snapshot.h"

#include <GL/glew.h>
#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "HuSimImage.h"
#include "OrvRender/Render.h"
#include "OrvTask.h"
#include "Protocol/Cdu_TCP.h"
#include "Protocol/Cdu_TCP_App.h"
#include "Protocol/MainBoard_Bus.h"
#include "Protocol/MainBoard_IIC_App.h"
#include "Protocol/MainBoard_IIC_Sys.h"
#include "Protocol/MainBoard_Signals.h"
#include "DriveScript.h"
#include "lib/OrvGL.h"
#include "platform/OrvPlatform.h"
#include "platform/OrvRenderWindow.h"

namespace {

const int kW = 1920, kH = 720;

uint32_t mSnap_Fps = 60;
uint32_t mSnap_Frames = 0;
// Time of the scenario in milliseconds since its start, and the tick it started from; a frame's
// tick is start + elapsed, so that 60 frames per second step 16 or 17 ms and never drift.
uint64_t mSnap_ElapsedMs = 0;
uint32_t mSnap_TickBase = 1000;
double mSnap_FramePhase = 0;  // fractional milliseconds carried from frame to frame
void (*mSnap_FrameHook)(void) = nullptr;

void Snapshot_SetTick(void) { OrvPlat_DriveTick((UInt32)(mSnap_TickBase + mSnap_ElapsedMs)); }

void Snapshot_RenderFrame(void)
{
    Snapshot_SetTick();
    Render(nullptr);
    mSnap_Frames++;
    if (mSnap_FrameHook != nullptr) mSnap_FrameHook();
}

// Advances the scenario time by one frame period and renders the frame.
void Snapshot_Step(void)
{
    mSnap_FramePhase += 1000.0 / mSnap_Fps;
    uint64_t whole = (uint64_t)mSnap_FramePhase;
    mSnap_FramePhase -= (double)whole;
    mSnap_ElapsedMs += whole;
    Snapshot_RenderFrame();
}

bool Snapshot_ParseUInt(const std::string& word, int base, uint64_t maxValue, uint64_t* out)
{
    if (word.empty()) return false;
    char* end = nullptr;
    errno = 0;
    unsigned long long v = strtoull(word.c_str(), &end, base);
    if (errno != 0 || *end != '\0' || v > maxValue || word[0] == '-') return false;
    *out = v;
    return true;
}

struct ServiceName { const char* name; UInt08 srv; };
const ServiceName kServices[] = {
    {"nav", FRM_SRV_CDU_NAVIGATION},       {"music", FRM_SRV_CDU_MUSIC},     {"radio", FRM_SRV_CDU_RADIO},
    {"bluetooth", FRM_SRV_CDU_BLUETOOTH},  {"weather", FRM_SRV_CDU_WEATHER}, {"account", FRM_SRV_CDU_ACCOUNT},
    {"notification", FRM_SRV_CDU_NOTIFICATION}, {"netradio", FRM_SRV_CDU_NETRADIO},
    {"upgrade", FRM_SRV_CDU_UPGRADE},
};

bool Snapshot_Service(const std::string& word, UInt08* srv)
{
    for (const ServiceName& s : kServices)
        if (word == s.name) {
            *srv = s.srv;
            return true;
        }
    uint64_t v;
    if (!Snapshot_ParseUInt(word, 0, 255, &v)) return false;
    *srv = (UInt08)v;
    return true;
}

std::string Snapshot_Resolve(const std::string& baseDir, const std::string& name)
{
    if (name.empty() || name[0] == '/' || baseDir.empty()) return name;
    return baseDir + "/" + name;
}

// Applies a document; the decoder wants the JSON zero-terminated and takes non-const buffers.
void Snapshot_Decode(UInt08 srv, std::string json, std::vector<uint8_t> bin)
{
    std::vector<uint8_t> text(json.begin(), json.end());
    text.push_back(0);
    CDU_TCP_Decode(srv, text.data(), (UInt32)json.size(), bin.empty() ? nullptr : bin.data(), (UInt32)bin.size());
}

bool Snapshot_Fail(std::string* err, const std::string& msg)
{
    if (err) *err = msg;
    return false;
}

// Hands a frame (eight data bytes and the checksum byte it carries) to the codec as the bus does:
// checksum check, store, decode. false when refused.
bool Snapshot_Deliver(UInt08 id, const UInt08* data8, UInt08 sum)
{
    UInt08 nine[9];
    memcpy(nine, data8, 8);
    nine[8] = sum;
    if (MB_IIC_VerifyAndStore(id, nine) != 0) return false;
    MB_IIC_DecodeData(id);
    return true;
}

// "set NAME VALUE ...": the signals change in the frames' current bytes; the frames they change
// are delivered, in frame order.
bool Snapshot_SetSignals(const std::vector<std::string>& args, std::string* err)
{
    if (args.empty() || args.size() % 2 != 0) return Snapshot_Fail(err, "set needs NAME VALUE pairs");
    UInt08 frames[ID_FRAME_R_NUM][8];
    for (int id = 0; id < ID_FRAME_R_NUM; id++)
        for (int k = 0; k < 8; k++) frames[id][k] = srcDataBuf[id][k].value;
    UInt32 changed = 0;
    for (size_t i = 0; i < args.size(); i += 2) {
        const MbSignal* sig = MB_SIG_Find(args[i].c_str());
        if (sig == nullptr) return Snapshot_Fail(err, "unknown signal " + args[i]);
        long value = 0;
        const char* why = "";
        Int32 mask = -1;
        if (MB_SIG_ParseValue(sig, args[i + 1].c_str(), &value, &why) == 0) mask = MB_SIG_Set(sig, value, frames, &why);
        if (mask < 0) return Snapshot_Fail(err, "bad value " + args[i + 1] + " of " + args[i] + ": " + why);
        changed |= (UInt32)mask;
    }
    for (UInt08 id = 0; id < ID_FRAME_R_NUM; id++)
        if ((changed & (1u << id)) != 0) Snapshot_Deliver(id, frames[id], MB_BUS_Checksum(id, frames[id]));
    return true;
}

}  // namespace

void Snapshot_Begin(void)
{
    MB_IIC_SetInitialValue();
    CDU_TCP_SetInitialValue();
    mSnap_Fps = 60;
    mSnap_ElapsedMs = 0;
    mSnap_FramePhase = 0;
    Snapshot_SetTick();
}

uint32_t Snapshot_FrameCount(void) { return mSnap_Frames; }
void Snapshot_SetFrameHook(void (*hook)(void)) { mSnap_FrameHook = hook; }

bool Snapshot_Command(const std::string& rawLine, const std::string& baseDir, std::string* err)
{
    std::string line = rawLine.substr(0, rawLine.find('#'));
    std::istringstream in(line);
    std::string cmd;
    if (!(in >> cmd)) return true;  // blank or comment
    std::vector<std::string> args;
    for (std::string w; in >> w;) args.push_back(w);
    uint64_t v = 0;

    if (cmd == "frame") {
        if (args.size() != 9 && args.size() != 10) return Snapshot_Fail(err, "frame needs an id and 8 bytes (and an optional checksum)");
        uint64_t id;
        if (!Snapshot_ParseUInt(args[0], 16, 255, &id)) return Snapshot_Fail(err, "bad frame id " + args[0]);
        UInt08 data[8];
        for (int i = 0; i < 8; i++) {
            if (!Snapshot_ParseUInt(args[1 + i], 16, 255, &v)) return Snapshot_Fail(err, "bad byte " + args[1 + i]);
            data[i] = (UInt08)v;
        }
        UInt08 sum = MB_BUS_Checksum((UInt08)id, data);
        if (args.size() == 10) {
            if (!Snapshot_ParseUInt(args[9], 16, 255, &v)) return Snapshot_Fail(err, "bad checksum " + args[9]);
            sum = (UInt08)v;
        }
        if (!Snapshot_Deliver((UInt08)id, data, sum)) return Snapshot_Fail(err, "frame refused (id or checksum)");
        return true;
    }
    if (cmd == "set") return Snapshot_SetSignals(args, err);
    if (cmd == "play") {
        uint64_t base = DRIVE_CAN_BASE_DEFAULT;
        if (args.empty() || args.size() > 2 || (args.size() == 2 && !Snapshot_ParseUInt(args[1], 0, 0x1FFFFF00u, &base)))
            return Snapshot_Fail(err, "play needs a drive or candump file (and a CAN base)");
        std::vector<DriveFrame> frames;
        std::string why;
        if (!DriveScript_Load(Snapshot_Resolve(baseDir, args[0]), (UInt32)base, &frames, &why)) return Snapshot_Fail(err, why);
        // Each frame at its time from now; frames the cluster refuses (bad sum, number) are
        // refused here too, silently, as on the bus.
        const uint64_t start = mSnap_ElapsedMs;
        for (const DriveFrame& f : frames) {
            while (mSnap_ElapsedMs < start + f.TimeMs) Snapshot_Step();
            Snapshot_Deliver(f.Frame, f.Data, (UInt08)(MB_BUS_Checksum(f.Frame, f.Data) + (f.BadSum ? 1 : 0)));
        }
        return true;
    }
    if (cmd == "doc" || cmd == "json") {
        UInt08 srv;
        if (args.size() < 2 || !Snapshot_Service(args[0], &srv)) return Snapshot_Fail(err, cmd + " needs a service and a document");
        std::vector<uint8_t> bin;
        std::string json;
        if (cmd == "doc") {
            std::vector<uint8_t> text;
            if (args.size() > 3) return Snapshot_Fail(err, "doc takes a JSON file and an optional binary file");
            if (!HuSim_ReadFile(Snapshot_Resolve(baseDir, args[1]), &text)) return Snapshot_Fail(err, "cannot read " + args[1]);
            json.assign(text.begin(), text.end());
            if (args.size() == 3 && !HuSim_LoadCover(args[2], baseDir, &bin))
                return Snapshot_Fail(err, "cannot read " + args[2]);
        } else {
            size_t at = line.find(args[0], line.find("json") + 4) + args[0].size();
            json = line.substr(at);
        }
        Snapshot_Decode(srv, json, bin);
        return true;
    }
    if (cmd == "wait") {
        if (args.size() != 1 || !Snapshot_ParseUInt(args[0], 10, 86400000, &v)) return Snapshot_Fail(err, "wait needs milliseconds");
        uint64_t until = mSnap_ElapsedMs + v;
        do Snapshot_Step();
        while (mSnap_ElapsedMs < until);
        return true;
    }
    if (cmd == "frames") {
        if (args.size() != 1 || !Snapshot_ParseUInt(args[0], 10, 10000000, &v)) return Snapshot_Fail(err, "frames needs a count");
        for (uint64_t i = 0; i < v; i++) Snapshot_Step();
        return true;
    }
    if (cmd == "fps") {
        if (args.size() != 1 || !Snapshot_ParseUInt(args[0], 10, 1000, &v) || v == 0) return Snapshot_Fail(err, "fps needs 1..1000");
        mSnap_Fps = (uint32_t)v;
        return true;
    }
    if (cmd == "stall") {
        if (args.size() != 1 || !Snapshot_ParseUInt(args[0], 10, 86400000, &v)) return Snapshot_Fail(err, "stall needs milliseconds");
        mSnap_ElapsedMs += v;
        Snapshot_SetTick();
        return true;
    }
    if (cmd == "tick") {
        if (args.size() != 1 || !Snapshot_ParseUInt(args[0], 0, 0xFFFFFFFFu, &v)) return Snapshot_Fail(err, "tick needs a 32-bit value");
        mSnap_TickBase = (uint32_t)(v - mSnap_ElapsedMs);  // wraps like the counter
        Snapshot_SetTick();
        return true;
    }
    if (cmd == "restart") {
        if (mSnap_Frames != 0) return Snapshot_Fail(err, "restart only before the first frame");
        globReboot = 1;
        return true;
    }
    if (cmd == "shot") {
        if (args.size() != 1) return Snapshot_Fail(err, "shot needs a file name");
        if (!Snapshot_WritePng(Snapshot_Resolve(baseDir, args[0]), Snapshot_ReadPicture(), kW, kH)) return Snapshot_Fail(err, "cannot write " + args[0]);
        return true;
    }
    return Snapshot_Fail(err, "unknown command " + cmd);
}

bool Snapshot_RunFile(const std::string& path, std::string* err)
{
    std::ifstream in(path);
    if (!in) return Snapshot_Fail(err, "cannot open " + path);
    size_t slash = path.rfind('/');
    std::string dir = slash == std::string::npos ? std::string(".") : path.substr(0, slash);
    std::string line, why;
    for (int n = 1; std::getline(in, line); n++)
        if (!Snapshot_Command(line, dir, &why)) return Snapshot_Fail(err, path + ":" + std::to_string(n) + ": " + why);
    return true;
}

std::vector<uint8_t> Snapshot_ReadPicture(void)
{
    std::vector<uint8_t> gl((size_t)kW * kH * 4), out(gl.size());
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kW, kH, GL_RGBA, GL_UNSIGNED_BYTE, gl.data());
    const size_t row = (size_t)kW * 4;
    for (int r = 0; r < kH; r++)  // GL rows run bottom up
        memcpy(&out[(size_t)r * row], &gl[(size_t)(kH - 1 - r) * row], row);
    return out;
}

bool Snapshot_WritePng(const std::string& path, const std::vector<uint8_t>& rgba, int w, int h)
{
    if (rgba.size() < (size_t)w * h * 4) return false;
    FILE* f = fopen(path.c_str(), "wb");
    if (f == nullptr) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    std::vector<uint8_t> rgb((size_t)w * 3);
    bool ok = png != nullptr && info != nullptr;
    if (ok && setjmp(png_jmpbuf(png)) == 0) {
        png_init_io(png, f);
        png_set_IHDR(png, info, (png_uint_32)w, (png_uint_32)h, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        // The screen shows no alpha: the picture is what the colour channels hold.
        for (int y = 0; y < h; y++) {
            const uint8_t* src = &rgba[(size_t)y * w * 4];
            for (int x = 0; x < w; x++) memcpy(&rgb[(size_t)x * 3], &src[(size_t)x * 4], 3);
            png_write_row(png, rgb.data());
        }
        png_write_end(png, nullptr);
    } else {
        ok = false;
    }
    png_destroy_write_struct(png ? &png : nullptr, info ? &info : nullptr);
    return fclose(f) == 0 && ok;
}

/* ---- Offscreen framebuffer ---------------------------------------------------------------- */

static OrvPlat_Window* mSnap_Window = nullptr;
static GLuint mSnap_Fbo = 0, mSnap_Color = 0, mSnap_Depth = 0;

static Int32 Snapshot_WndProc(OrvPlat_Window* w, UInt32 m, Int32 wp, Int32 lp) { return OrvPlat_DefWindowProc(w, m, wp, lp); }

bool Snapshot_OpenOffscreen(void)
{
    if (!OrvPlat_RegisterRenderClass("OrvRender")) return false;
    mSnap_Window = OrvPlat_CreateRenderWindow("OrvRender", "snapshot", 0, 0, kW, kH, Snapshot_WndProc);
    if (mSnap_Window == nullptr) return false;
    OrvRenderHwnd = mSnap_Window;
    InitGL();
    if (glGenFramebuffers == nullptr) return false;
    // The picture is drawn into a framebuffer object, so it does not depend on the window's place
    // on the display; presenting swaps the hidden window's buffers and leaves the picture alone.
    glGenFramebuffers(1, &mSnap_Fbo);
    glBindFramebuffer(GL_FRAMEBUFFER, mSnap_Fbo);
    glGenRenderbuffers(1, &mSnap_Color);
    glBindRenderbuffer(GL_RENDERBUFFER, mSnap_Color);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, kW, kH);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, mSnap_Color);
    glGenRenderbuffers(1, &mSnap_Depth);
    glBindRenderbuffer(GL_RENDERBUFFER, mSnap_Depth);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT16, kW, kH);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, mSnap_Depth);
    return glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
}

void Snapshot_CloseOffscreen(void)
{
    if (mSnap_Window == nullptr) return;
    CleanUpRender(nullptr);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glDeleteRenderbuffers(1, &mSnap_Color);
    glDeleteRenderbuffers(1, &mSnap_Depth);
    glDeleteFramebuffers(1, &mSnap_Fbo);
    DeInitGL();
    OrvPlat_DestroyWindow(mSnap_Window);
    mSnap_Window = nullptr;
    OrvRenderHwnd = nullptr;
}

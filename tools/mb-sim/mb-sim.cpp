/* mb-sim: plays the main board. Sends the source frames of a drive script to the cluster's
 * main-board bus (UDP on the loopback) at the times the script gives, and prints the answer frames
 * the cluster sends back.
 *
 * Usage: mb-sim [-a ADDR] [-x FACTOR] [-r COUNT] [-v | -q] [-n] [-b BASE] [-w LOG [-i IFACE]] DRIVE...
 *        mb-sim --signals
 *        mb-sim [-b BASE] --dbc
 *   -a ADDR    the cluster's bus address; default $CLUSTER_MB_ADDR, else [::1]:8091
 *   -x FACTOR  time factor: 2 plays twice as fast, 0 sends without waiting (default 1)
 *   -r COUNT   plays the drives COUNT times (0: until interrupted; default 1)
 *   -v         prints every frame sent and every answer
 *   -q         prints only the summary
 *   -n         checks the drives and prints what they contain, sends nothing
 *   -b BASE    CAN identifier of frame 0x00 in candump logs and the DBC file (default 0x100)
 *   -w LOG     also writes the frames of the drives as a candump log, at the drives' times
 *              ("-": standard output); with -n nothing is sent, so this converts a drive
 *   -i IFACE   interface name written in the log (default can0)
 *   --signals  lists every signal: frame, bits, accepted values, unit, value names
 *   --dbc      writes the frames and signals as a DBC file to standard output
 *   DRIVE      a drive script or a candump log, or - for standard input; several play one after
 *              the other
 * By default each frame sent is printed, and an answer only when it differs from the previous one.
 * Exit status: 0 when every frame that the cluster should accept was answered, 2 when answers are
 * missing or malformed, 1 for a usage or script error.
 *
 * Drive scripts. One line per moment; '#' starts a comment; blank lines are ignored.
 *
 *   TIME FRAME B0 B1 B2 B3 B4 B5 B6 B7 [REPEAT] [badsum]
 *   TIME set NAME VALUE [NAME VALUE]... [REPEAT] [badsum]
 *
 *   TIME      milliseconds from the start of the drive, or +N: N ms after the TIME of the previous
 *             line (its first send)
 *   FRAME     frame number, two hex digits (00 to 0E; higher numbers are sent too, and refused)
 *   Bn        data byte, two hex digits; or a ramp HH..HH, which goes evenly from the first value
 *             at the first send to the second at the last send of the line (rounded)
 *   NAME      a signal as mb-sim --signals lists it (Speed, Gear, LeftModuleID, Indicator[6] ...)
 *   VALUE     a decimal or 0x-hexadecimal number in the signal's unit, a value name in full
 *             (MODULE_L_TRIP) or without its prefix (D for GEAR_D); or a ramp A..B of numbers
 *   REPEAT    every PERIOD for DURATION: sends at TIME, TIME+PERIOD, ... up to TIME+DURATION
 *             every PERIOD times COUNT: sends COUNT times, PERIOD ms apart
 *   badsum    sends a wrong checksum on purpose (the cluster refuses the frame)
 *
 * A set line changes its signals in the current bytes of their frames (those of the last frame
 * of that number sent, zero at first) and sends each frame it changed; a signal carried only
 * under a selector's value (TimeAVD under TimeSelector 2) sets the selector too. A value outside
 * the field (Speed 256, Power 121: not a step of 2) or an unknown name is refused with its line.
 * Lines may overlap in time: all lines are merged by time, and lines of the same time keep their
 * order. A speed ramp from 0 to 120 km/h over 10 s, gear D, power on:
 *
 *   0      set WorkMode ON Gear D Battery 80
 *   0      set Speed 0..120  every 100 for 10000
 *
 * A candump log ("(1700000000.250000) can0 100#0050007D01400900", as candump -l and python-can
 * write it) plays the same way: each line is a frame at its time from the first line, its frame
 * number the CAN identifier minus the base (-b).
 *
 * The checksum byte (frame number + the eight bytes, mod 256) is added by mb-sim. Example drives
 * are in tools/mb-sim/drives/. */
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

#include <getopt.h>

#include "DriveScript.h"
#include "SignalDoc.h"
#include "Protocol/MainBoard_Bus.h"

namespace {

volatile sig_atomic_t gInterrupted = 0;

struct Options {
    const char* Addr = nullptr;
    double Factor = 1.0;
    long Repeat = 1;
    int Verbosity = 1;  // 0 quiet, 1 normal, 2 verbose
    bool CheckOnly = false;
    bool ListSignals = false;
    bool Dbc = false;
    UInt32 CanBase = DRIVE_CAN_BASE_DEFAULT;
    const char* LogPath = nullptr;
    std::string Iface = "can0";
    std::vector<std::string> Drives;
};

struct Totals {
    unsigned long Sent = 0, Expected = 0, Answers = 0, BadAnswers = 0, SendErrors = 0;
};

double NowMs()
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

void Usage()
{
    fprintf(stderr, "usage: mb-sim [-a ADDR] [-x FACTOR] [-r COUNT] [-v | -q] [-n] [-b BASE] [-w LOG [-i IFACE]] DRIVE...\n"
                    "       mb-sim --signals\n"
                    "       mb-sim [-b BASE] --dbc\n");
}

bool ParseOptions(int argc, char** argv, Options* o)
{
    static const struct option longOptions[] = {
        {"signals", no_argument, nullptr, 'S'}, {"dbc", no_argument, nullptr, 'D'}, {nullptr, 0, nullptr, 0}};
    int c;
    while ((c = getopt_long(argc, argv, "a:x:r:vqnb:w:i:h", longOptions, nullptr)) != -1) {
        char* end = nullptr;
        unsigned long base = 0;
        switch (c) {
        case 'S': o->ListSignals = true; break;
        case 'D': o->Dbc = true; break;
        case 'b':
            base = strtoul(optarg, &end, 0);
            if (*end != '\0' || base > 0x1FFFFFFFul - 0xFF) return false;
            o->CanBase = (UInt32)base;
            break;
        case 'w': o->LogPath = optarg; break;
        case 'i': o->Iface = optarg; break;
        case 'a': o->Addr = optarg; break;
        case 'x':
            o->Factor = strtod(optarg, &end);
            if (*end != '\0' || o->Factor < 0) return false;
            break;
        case 'r':
            o->Repeat = strtol(optarg, &end, 10);
            if (*end != '\0' || o->Repeat < 0) return false;
            break;
        case 'v': o->Verbosity = 2; break;
        case 'q': o->Verbosity = 0; break;
        case 'n': o->CheckOnly = true; break;
        default: return false;
        }
    }
    for (int i = optind; i < argc; i++) o->Drives.push_back(argv[i]);
    return o->ListSignals || o->Dbc || !o->Drives.empty();
}

void PrintBytes(const UInt08* b, int n)
{
    for (int i = 0; i < n; i++) printf(" %02X", b[i]);
}

// The answer frame 0x00 as the main board reads it.
void PrintAnswerFields(const UInt08* d)
{
    printf("  (HmiDspState %u, RightSideState %u, PhoneCursor %u, OtaState %u, Music %u, Usb %u)",
           d[0] >> 6, d[1] & 7, d[1] >> 3, (d[0] >> 1) & 0x1F, d[0] & 1, d[2] & 1);
}

class Sender {
public:
    bool Open(const char* addrText)
    {
        struct sockaddr_storage addr;
        socklen_t len = 0;
        if (MB_BUS_ParseAddr(addrText, &addr, &len) != 0) return false;
        mFd = socket(addr.ss_family, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        if (mFd < 0 || connect(mFd, reinterpret_cast<struct sockaddr*>(&addr), len) != 0) {
            fprintf(stderr, "mb-sim: cannot reach %s: %s\n", addrText, strerror(errno));
            return false;
        }
        mAddr = addrText;
        return true;
    }

    void Send(const DriveFrame& f, double atMs, const Options& o, Totals* t)
    {
        UInt08 dgram[MB_BUS_DGRAM_LEN];
        MB_BUS_PackFrame(f.Frame, f.Data, dgram);
        if (f.BadSum) dgram[9] = (UInt08)(dgram[9] + 1);
        if (send(mFd, dgram, sizeof dgram, 0) != (ssize_t)sizeof dgram) {
            ReportSendError(t);
            return;
        }
        t->Sent++;
        if (!f.BadSum && f.Frame <= 0x0E) t->Expected++;
        if (o.Verbosity >= 1) {
            printf("%8.0f ms  tx F_0x%02X", atMs, f.Frame);
            PrintBytes(f.Data, 8);
            printf("  sum %02X%s\n", dgram[9], f.BadSum ? " (bad on purpose)" : "");
        }
    }

    // Reads answers until untilMs (monotonic) has come, or, with caughtUp, until every frame sent
    // that the cluster should accept has had its answer.
    void Receive(double untilMs, bool caughtUp, double startMs, const Options& o, Totals* t)
    {
        for (;;) {
            if (caughtUp && t->Answers + t->BadAnswers >= t->Expected) return;
            double left = untilMs - NowMs();
            struct pollfd p = {mFd, POLLIN, 0};
            int r = poll(&p, 1, left > 0 ? (int)(left + 0.999) : 0);
            if (r < 0 && errno == EINTR) {
                if (gInterrupted) return;
                continue;
            }
            if (r <= 0) return;
            UInt08 buf[64];
            ssize_t n = recv(mFd, buf, sizeof buf, MSG_DONTWAIT);
            if (n < 0) {
                if (errno == ECONNREFUSED) ReportRefused();
                continue;
            }
            Answer(buf, (int)n, NowMs() - startMs, o, t);
        }
    }

private:
    void ReportSendError(Totals* t)
    {
        t->SendErrors++;
        if (errno == ECONNREFUSED) ReportRefused();
        else if (t->SendErrors == 1) fprintf(stderr, "mb-sim: send failure: %s\n", strerror(errno));
    }

    void ReportRefused()
    {
        if (!mRefusedShown) fprintf(stderr, "mb-sim: nothing listens at %s (is the cluster running?)\n", mAddr);
        mRefusedShown = true;
    }

    void Answer(const UInt08* buf, int n, double atMs, const Options& o, Totals* t)
    {
        bool good = n == MB_BUS_DGRAM_LEN && buf[0] == 0x00 && MB_BUS_Checksum(buf[0], buf + 1) == buf[9];
        if (!good) {
            t->BadAnswers++;
            printf("%8.0f ms  rx bad answer of %d bytes:", atMs, n);
            PrintBytes(buf, n < 16 ? n : 16);
            printf("\n");
            return;
        }
        t->Answers++;
        bool changed = !mHaveLast || memcmp(mLast, buf, MB_BUS_DGRAM_LEN) != 0;
        memcpy(mLast, buf, MB_BUS_DGRAM_LEN);
        mHaveLast = true;
        if (o.Verbosity == 2 || (o.Verbosity == 1 && changed)) {
            printf("%8.0f ms  rx answer 0x00:", atMs);
            PrintBytes(buf + 1, 8);
            printf("  sum %02X", buf[9]);
            PrintAnswerFields(buf + 1);
            printf("\n");
        }
    }

    int mFd = -1;
    const char* mAddr = "";
    bool mRefusedShown = false;
    bool mHaveLast = false;
    UInt08 mLast[MB_BUS_DGRAM_LEN] = {};
};

void Describe(FILE* out, const std::string& path, const std::vector<DriveFrame>& frames)
{
    unsigned counts[256] = {};
    for (const DriveFrame& f : frames) counts[f.Frame]++;
    fprintf(out, "%s: %zu frames over %.1f s;", path.c_str(), frames.size(),
            frames.empty() ? 0.0 : frames.back().TimeMs / 1000.0);
    for (int i = 0; i < 256; i++)
        if (counts[i] != 0) fprintf(out, " F_0x%02X x%u", i, counts[i]);
    fprintf(out, "\n");
}

// The drives one after the other, as they are played once, in candump form from the time now.
bool WriteLog(const Options& o, const std::vector<std::vector<DriveFrame>>& drives)
{
    bool toStdout = strcmp(o.LogPath, "-") == 0;
    FILE* f = toStdout ? stdout : fopen(o.LogPath, "w");
    if (f == nullptr) {
        fprintf(stderr, "mb-sim: cannot write %s: %s\n", o.LogPath, strerror(errno));
        return false;
    }
    struct timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    double start = (double)now.tv_sec + now.tv_nsec / 1e9;
    for (const std::vector<DriveFrame>& frames : drives) {
        DriveScript_WriteCandump(f, frames, o.CanBase, o.Iface, start);
        if (!frames.empty()) start += frames.back().TimeMs / 1000.0;
    }
    bool ok = fflush(f) == 0 && !ferror(f);
    if (!toStdout) ok = fclose(f) == 0 && ok;
    if (!ok) fprintf(stderr, "mb-sim: cannot write %s\n", o.LogPath);
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    setvbuf(stdout, nullptr, _IOLBF, 0);
    Options o;
    if (!ParseOptions(argc, argv, &o)) {
        Usage();
        return 1;
    }
    if (o.ListSignals) SignalDoc_WriteList(stdout);
    if (o.Dbc) SignalDoc_WriteDbc(stdout, o.CanBase);
    if (o.ListSignals || o.Dbc) return 0;
    std::vector<std::vector<DriveFrame>> drives;
    for (const std::string& path : o.Drives) {
        std::vector<DriveFrame> frames;
        std::string error;
        if (!DriveScript_Load(path, o.CanBase, &frames, &error)) {
            fprintf(stderr, "mb-sim: %s\n", error.c_str());
            return 1;
        }
        // With the log on standard output, the descriptions go to standard error.
        if (o.CheckOnly) Describe(o.LogPath != nullptr && strcmp(o.LogPath, "-") == 0 ? stderr : stdout, path, frames);
        drives.push_back(std::move(frames));
    }
    if (o.LogPath != nullptr && !WriteLog(o, drives)) return 1;
    if (o.CheckOnly) return 0;

    const char* addr = o.Addr != nullptr ? o.Addr : MB_BUS_ConfiguredAddr();
    Sender sender;
    if (!sender.Open(addr)) return 1;
    signal(SIGINT, [](int) { gInterrupted = 1; });
    signal(SIGPIPE, SIG_IGN);

    Totals t;
    double start = NowMs();
    double driveStart = start;
    for (long round = 0; (o.Repeat == 0 || round < o.Repeat) && !gInterrupted; round++) {
        for (size_t d = 0; d < drives.size() && !gInterrupted; d++) {
            UInt32 lastTime = 0;
            for (const DriveFrame& f : drives[d]) {
                if (o.Factor > 0) sender.Receive(driveStart + f.TimeMs / o.Factor, false, start, o, &t);
                if (gInterrupted) break;
                sender.Send(f, NowMs() - start, o, &t);
                // Without waiting, go in lock-step with the answers, so that nothing is lost to a
                // full receive queue.
                if (o.Factor == 0) sender.Receive(NowMs() + 200, true, start, o, &t);
                lastTime = f.TimeMs;
            }
            driveStart += o.Factor > 0 ? lastTime / o.Factor : 0;
            if (o.Factor == 0) driveStart = NowMs();
        }
    }
    // The answers to the last frames.
    sender.Receive(NowMs() + 500, true, start, o, &t);

    unsigned long missing = t.Expected > t.Answers ? t.Expected - t.Answers : 0;
    printf("mb-sim: sent %lu frames in %.1f s, %lu answers, %lu bad, %lu missing\n", t.Sent,
           (NowMs() - start) / 1000.0, t.Answers, t.BadAnswers, missing);
    return (missing == 0 && t.BadAnswers == 0 && t.SendErrors == 0) ? 0 : 2;
}

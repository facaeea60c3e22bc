// hu-sim: a head unit on the command line. It connects to the cluster, starts the service, sends a
// heartbeat every 3 s, plays documents given on the command line or in scenario files, prints every
// frame the cluster sends back, and ends the service.
//
//   hu-sim [--addr HOST] [--port PORT] [--hold-ms MS] [--no-start] [--no-end]
//          [--send SERVICE JSON [COVER]]... [--contacts N]... [SCENARIO.json]... [-]
//   hu-sim upgrade PACKAGE --key PRIVATE.PEM [--piece-size BYTES] [--md5 TEXT]
//          [--addr HOST] [--port PORT] [--hold-ms MS]
//
// --contacts N sends a phone contact list of N generated entries (titles 1 to N).
// - reads more documents from standard input after the others, one per line in --send's form
// (SERVICE JSON [COVER]; blank lines and lines starting with # are skipped), and sends each as soon
// as its line comes; the session holds and ends once the input ends. A line that does not hold is
// reported with its number and skipped, and the exit status is then 1.
// upgrade computes the package's MD5 check text, signs it with the RSA private key, and sends the
// announcement with the first piece and then the rest in pieces of BYTES (default 524288), each
// waiting for its acknowledgement; --md5 announces another text (signed all the same), to try
// what the cluster does with a wrong one. It prints the transfer rate at the end.
//
// Phone actions that the cluster sends (connect, ring, cancel, mute, unmute) are printed as
// "phone action: STATUS name=NAME num=NUMBER".
//
// SERVICE is nav, music, radio, netradio, weather, account, phone, notification or upgrade. COVER
// is a picture file, or gen:jpeg:WxH[:SEED] / gen:png:WxH[:SEED] for a generated picture.
//
// A scenario file is a JSON document:
//   {"name": "...", "hold_ms": 3000,
//    "steps": [{"delay_ms": 500, "service": "music", "doc": {...}, "cover": "gen:jpeg:300x300"}]}
// delay_ms waits before the step; a cover path is relative to the scenario file. A phone step may
// give "contacts": N instead of "doc" for a contact list of N generated entries.
#include <cerrno>
#include <chrono>
#include <cjson/cJSON.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <iostream>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <poll.h>
#include <unistd.h>

#include "HuSimClient.h"
#include "HuSimImage.h"
#include "HuSimUpgrade.h"
#include "Protocol/Cdu_TCP.h"

namespace {

struct Step {
    int                  delayMs = 0;
    int                  srv = -1;
    std::string          json;
    std::vector<uint8_t> cover;
    std::string          label;
};

// A contact list of n entries with titles 1 to n.
std::string ContactListDoc(int n)
{
    std::string doc = "{\"enable\":\"1\",\"msgtype\":\"1\",\"btcall\":[";
    char entry[160];
    for (int i = 1; i <= n; i++) {
        snprintf(entry, sizeof(entry), "%s{\"title\":%d,\"name\":\"Contact %02d\",\"num\":\"1380000%04d\"}",
                 i > 1 ? "," : "", i, i, i);
        doc += entry;
    }
    return doc + "]}";
}

struct Options {
    std::string       host = "::1";
    uint16_t          port = 8090;
    int               holdMs = 2000;
    int               cliHoldMs = -1; /* --hold-ms wins over the scenario files */
    bool              start = true;
    bool              end = true;
    bool              fromStdin = false; /* "-": documents from standard input as they come */
    std::vector<Step> steps;
    /* hu-sim upgrade */
    bool              upgrade = false;
    std::string       package;
    std::string       key;
    std::string       md5;
    size_t            pieceSize = 512 * 1024;
};

volatile sig_atomic_t gStop = 0;

int64_t NowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

bool LoadScenario(const std::string& path, Options* opt)
{
    std::vector<uint8_t> text;
    if (!HuSim_ReadFile(path, &text)) {
        fprintf(stderr, "hu-sim: cannot read %s\n", path.c_str());
        return false;
    }
    text.push_back(0);
    cJSON* doc = cJSON_Parse((const char*)text.data());
    if (doc == nullptr) {
        fprintf(stderr, "hu-sim: %s is not JSON\n", path.c_str());
        return false;
    }
    std::string baseDir = path.find('/') == std::string::npos ? "." : path.substr(0, path.rfind('/'));
    const cJSON* name = cJSON_GetObjectItem(doc, "name");
    printf("scenario %s\n", cJSON_IsString(name) ? name->valuestring : path.c_str());
    const cJSON* hold = cJSON_GetObjectItem(doc, "hold_ms");
    if (cJSON_IsNumber(hold)) opt->holdMs = hold->valueint;
    const cJSON* steps = cJSON_GetObjectItem(doc, "steps");
    bool ok = cJSON_IsArray(steps);
    for (const cJSON* s = ok ? steps->child : nullptr; s != nullptr && ok; s = s->next) {
        Step step;
        const cJSON* delay = cJSON_GetObjectItem(s, "delay_ms");
        const cJSON* srv = cJSON_GetObjectItem(s, "service");
        const cJSON* body = cJSON_GetObjectItem(s, "doc");
        const cJSON* cover = cJSON_GetObjectItem(s, "cover");
        const cJSON* contacts = cJSON_GetObjectItem(s, "contacts");
        step.delayMs = cJSON_IsNumber(delay) ? delay->valueint : 0;
        step.srv = cJSON_IsString(srv) ? HuSim_ServiceByName(srv->valuestring) : -1;
        bool list = step.srv == FRM_SRV_CDU_BLUETOOTH && cJSON_IsNumber(contacts);
        if (step.srv < 0 || (body == nullptr && !list)) {
            fprintf(stderr, "hu-sim: %s: a step needs a known \"service\" and a \"doc\"\n", path.c_str());
            ok = false;
            break;
        }
        if (list) {
            step.json = ContactListDoc(contacts->valueint);
        } else {
            char* printed = cJSON_PrintUnformatted(body);
            step.json = printed ? printed : "";
            cJSON_free(printed);
        }
        step.label = srv->valuestring;
        if (cJSON_IsString(cover) && !HuSim_LoadCover(cover->valuestring, baseDir, &step.cover)) {
            fprintf(stderr, "hu-sim: %s: cannot load cover %s\n", path.c_str(), cover->valuestring);
            ok = false;
        }
        opt->steps.push_back(step);
    }
    cJSON_Delete(doc);
    return ok;
}

void Usage()
{
    fprintf(stderr,
            "usage: hu-sim [--addr HOST] [--port PORT] [--hold-ms MS] [--no-start] [--no-end]\n"
            "              [--send SERVICE JSON [COVER]]... [--contacts N]... [SCENARIO.json]... [-]\n"
            "       hu-sim upgrade PACKAGE --key PRIVATE.PEM [--piece-size BYTES] [--md5 TEXT]\n"
            "              [--addr HOST] [--port PORT] [--hold-ms MS]\n");
}

bool ParseArgs(int argc, char** argv, Options* opt)
{
    bool upgradeOptions = false;
    for (int i = 1; i < argc; i++) {
        std::string a = argv[i];
        auto next = [&](const char* what) -> const char* {
            if (i + 1 >= argc) {
                fprintf(stderr, "hu-sim: %s needs %s\n", a.c_str(), what);
                return nullptr;
            }
            return argv[++i];
        };
        if (a == "--addr") {
            const char* v = next("a host");
            if (!v) return false;
            opt->host = v;
        } else if (a == "--port") {
            const char* v = next("a port");
            if (!v) return false;
            opt->port = (uint16_t)atoi(v);
        } else if (a == "--hold-ms") {
            const char* v = next("milliseconds");
            if (!v) return false;
            opt->cliHoldMs = atoi(v);
        } else if (a == "upgrade" && !opt->upgrade) {
            const char* v = next("a package file");
            if (!v) return false;
            opt->upgrade = true;
            opt->package = v;
        } else if (a == "--key") {
            upgradeOptions = true;
            const char* v = next("a private key file");
            if (!v) return false;
            opt->key = v;
        } else if (a == "--md5") {
            upgradeOptions = true;
            const char* v = next("a check text");
            if (!v) return false;
            opt->md5 = v;
        } else if (a == "--piece-size") {
            upgradeOptions = true;
            const char* v = next("a size in bytes");
            if (!v) return false;
            long n = atol(v);
            if (n <= 0 || n > MAX_RECV_BIN_SIZE) {
                fprintf(stderr, "hu-sim: --piece-size must lie in 1..%d\n", (int)MAX_RECV_BIN_SIZE);
                return false;
            }
            opt->pieceSize = (size_t)n;
        } else if (a == "--contacts") {
            const char* v = next("a number of entries");
            if (!v) return false;
            Step step;
            step.srv = FRM_SRV_CDU_BLUETOOTH;
            step.json = ContactListDoc(atoi(v));
            step.label = "phone";
            opt->steps.push_back(step);
        } else if (a == "--no-start") {
            opt->start = false;
        } else if (a == "--no-end") {
            opt->end = false;
        } else if (a == "--send") {
            Step step;
            const char* srv = next("a service");
            const char* json = srv ? next("a JSON document") : nullptr;
            if (!json) return false;
            step.srv = HuSim_ServiceByName(srv);
            if (step.srv < 0) {
                fprintf(stderr, "hu-sim: unknown service %s\n", srv);
                return false;
            }
            step.json = json;
            step.label = srv;
            if (i + 1 < argc && argv[i + 1][0] != '-' && strstr(argv[i + 1], ".json") == nullptr) {
                if (!HuSim_LoadCover(argv[++i], "", &step.cover)) {
                    fprintf(stderr, "hu-sim: cannot load cover %s\n", argv[i]);
                    return false;
                }
            }
            opt->steps.push_back(step);
        } else if (a == "-") {
            opt->fromStdin = true;
        } else if (a == "-h" || a == "--help") {
            Usage();
            exit(0);
        } else if (!a.empty() && a[0] == '-') {
            fprintf(stderr, "hu-sim: unknown option %s\n", a.c_str());
            return false;
        } else if (opt->upgrade) {
            fprintf(stderr, "hu-sim: upgrade takes no scenario files\n");
            return false;
        } else if (!LoadScenario(a, opt)) {
            return false;
        }
    }
    if (opt->upgrade && opt->fromStdin) {
        fprintf(stderr, "hu-sim: upgrade takes no documents from standard input\n");
        return false;
    }
    if (upgradeOptions && !opt->upgrade) {
        fprintf(stderr, "hu-sim: --key, --md5 and --piece-size belong to hu-sim upgrade\n");
        return false;
    }
    if (opt->upgrade && opt->key.empty()) {
        fprintf(stderr, "hu-sim: upgrade needs --key PRIVATE.PEM\n");
        return false;
    }
    return true;
}

// The session: one connection, heartbeats every 3 s, the steps at their times, every frame of the
// cluster printed as it arrives.
class Session {
public:
    explicit Session(int fd) : mFd(fd) {}

    bool Send(const HuSimFrame& f, const char* what)
    {
        printf("-> %s\n", what);
        if (!HuSim_SendFrame(mFd, f)) {
            printf("connection lost while sending %s\n", what);
            mOpen = false;
        }
        return mOpen;
    }

    // Prints what arrives and sends heartbeats until `until` (steady ms) or the connection ends.
    void RunUntil(int64_t until)
    {
        while (mOpen && !gStop) {
            int64_t now = NowMs();
            if (now >= mNextBeat) {
                mNextBeat = now + 3000;
                if (!Send(HuSim_HeartBeatFrame(mMsgNo++), "heartbeat")) return;
            }
            if (now >= until) return;
            int64_t wait = std::min(until, mNextBeat) - now;
            HuSimFrame f;
            int r = HuSim_ReadFrame(mFd, &f, (int)std::max<int64_t>(wait, 1));
            if (r < 0) {
                printf("cluster closed the connection\n");
                mOpen = false;
            } else if (r > 0) {
                Print(f);
            }
        }
    }

    // Sends a frame and waits for its data acknowledgement, printing what else arrives.
    bool SendAndWaitAck(const HuSimFrame& f, const char* what, int timeoutMs)
    {
        if (!Send(f, what)) return false;
        int64_t until = NowMs() + timeoutMs;
        while (mOpen && !gStop) {
            int64_t left = until - NowMs();
            if (left <= 0) {
                printf("no acknowledgement for %s\n", what);
                return false;
            }
            HuSimFrame in;
            int r = HuSim_ReadFrame(mFd, &in, (int)left);
            if (r < 0) {
                printf("cluster closed the connection\n");
                mOpen = false;
            } else if (r > 0) {
                Print(in);
                if (in.frmInfo == FRM_INF_DATA_ACK && in.srvType == f.srvType) return true;
            }
        }
        return false;
    }

    void Print(const HuSimFrame& f)
    {
        printf("<- %s\n", HuSim_Describe(f).c_str());
        if (f.frmType == FRM_TYPE_CTRL && f.frmInfo == FRM_INF_END_ACK) mEndAcked = true;
        if (f.srvType == FRM_SRV_ICM_BLUETOOTH) PrintPhoneAction(f.json);
    }

    static void PrintPhoneAction(const std::string& json)
    {
        cJSON* doc = cJSON_Parse(json.c_str());
        const cJSON* call = cJSON_GetObjectItem(doc, "outcall");
        auto text = [&](const char* key) {
            const cJSON* item = cJSON_GetObjectItem(call, key);
            return cJSON_IsString(item) ? item->valuestring : "?";
        };
        printf("phone action: %s name=%s num=%s\n", text("status"), text("name"), text("num"));
        cJSON_Delete(doc);
    }

    uint32_t NextMsgNo() { return mMsgNo++; }
    bool     Open() const { return mOpen; }
    bool     EndAcked() const { return mEndAcked; }

private:
    int      mFd;
    bool     mOpen = true;
    bool     mEndAcked = false;
    uint32_t mMsgNo = 1;
    int64_t  mNextBeat = NowMs() + 3000;
};

double SecondsSince(int64_t startMs) { return (double)(NowMs() - startMs) / 1000.0; }

// hu-sim upgrade: announcement with the first piece, then the pieces, each acknowledged.
bool RunUpgrade(Session& s, const Options& opt)
{
    std::vector<uint8_t> package;
    if (!HuSim_ReadFile(opt.package, &package)) {
        fprintf(stderr, "hu-sim: cannot read %s\n", opt.package.c_str());
        return false;
    }
    std::string md5 = opt.md5.empty() ? HuSim_Md5Hex(package.data(), package.size()) : opt.md5;
    std::vector<uint8_t> sign = HuSim_SignMd5Text(opt.key, md5);
    if (sign.size() != 256) {
        fprintf(stderr, "hu-sim: the signature has %zu bytes; the cluster takes 256 (an RSA-2048 key)\n", sign.size());
        return false;
    }
    printf("upgrade %s: %zu bytes, md5 %s, pieces of %zu bytes\n", opt.package.c_str(), package.size(), md5.c_str(),
           opt.pieceSize);
    std::string announcement = HuSim_UpgradeAnnouncement(md5, (uint32_t)package.size(), sign);
    std::vector<HuSimFrame> frames = HuSim_UpgradeFrames(announcement, package, opt.pieceSize, s.NextMsgNo());
    for (size_t i = 1; i < frames.size(); i++) s.NextMsgNo();
    int64_t start = NowMs();
    for (size_t i = 0; i < frames.size(); i++) {
        std::string what = i == 0 ? "upgrade announcement + " + std::to_string(frames[i].bin.size()) + "B"
                                  : "upgrade piece frm_id=" + std::to_string(frames[i].frmId) + " " +
                                        std::to_string(frames[i].bin.size()) + "B";
        // The last acknowledgement follows the file check, which may take a while for a large package.
        if (!s.SendAndWaitAck(frames[i], what.c_str(), 30000)) return false;
    }
    double secs = SecondsSince(start);
    printf("upgrade sent: %zu bytes in %zu frames, %.3f s, %.1f MB/s\n", package.size(), frames.size(), secs,
           secs > 0 ? (double)package.size() / 1e6 / secs : 0.0);
    return true;
}

// A document line in --send's form: SERVICE JSON [COVER]. Returns what is wrong with it, or "".
std::string ParseDocLine(const std::string& line, Step* step)
{
    std::istringstream in(line);
    std::string service;
    in >> service;
    step->srv = HuSim_ServiceByName(service);
    if (step->srv < 0) return "unknown service \"" + service + "\"";
    const char* text = line.c_str() + line.find(service) + service.size();
    const char* end = nullptr;
    cJSON* doc = cJSON_ParseWithOpts(text, &end, 0);
    if (!cJSON_IsObject(doc)) {
        cJSON_Delete(doc);
        return "no JSON object after the service";
    }
    char* printed = cJSON_PrintUnformatted(doc);
    step->json = printed ? printed : "";
    cJSON_free(printed);
    cJSON_Delete(doc);
    std::string cover;
    std::istringstream(end) >> cover;
    if (!cover.empty() && !HuSim_LoadCover(cover, ".", &step->cover)) return "cannot load cover " + cover;
    step->label = service;
    return "";
}

void SendStep(Session& s, const Step& step)
{
    std::string what = step.label + " " + step.json;
    if (!step.cover.empty()) what += " + cover " + std::to_string(step.cover.size()) + "B";
    s.Send(HuSim_DataFrame((uint8_t)step.srv, step.json, step.cover, s.NextMsgNo()), what.c_str());
}

// The lines of standard input as they come, read on a thread of their own so that the session
// keeps its heartbeats and prints what arrives meanwhile. The reader is left behind when the
// session ends before the input does.
struct InputLines {
    std::mutex              mutex;
    std::deque<std::string> lines;
    bool                    ended = false;
};

// Sends the documents of standard input until it ends; false when a line was refused.
bool PlayStdin(Session& s)
{
    static InputLines input;
    std::thread([] {
        std::string line;
        while (std::getline(std::cin, line)) {
            std::lock_guard<std::mutex> lock(input.mutex);
            input.lines.push_back(line);
        }
        std::lock_guard<std::mutex> lock(input.mutex);
        input.ended = true;
    }).detach();
    bool ok = true;
    int number = 0;
    while (s.Open() && !gStop) {
        std::string line;
        bool have = false, ended = false;
        {
            std::lock_guard<std::mutex> lock(input.mutex);
            if (!input.lines.empty()) {
                line = input.lines.front();
                input.lines.pop_front();
                have = true;
            }
            ended = input.ended;
        }
        if (!have) {
            if (ended) break;
            s.RunUntil(NowMs() + 20);
            continue;
        }
        number++;
        size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos || line[first] == '#') continue;
        Step step;
        std::string error = ParseDocLine(line, &step);
        if (!error.empty()) {
            fprintf(stderr, "hu-sim: standard input line %d: %s\n", number, error.c_str());
            ok = false;
            continue;
        }
        SendStep(s, step);
    }
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    setvbuf(stdout, nullptr, _IOLBF, 0);
    signal(SIGINT, [](int) { gStop = 1; });
    Options opt;
    if (!ParseArgs(argc, argv, &opt)) {
        Usage();
        return 2;
    }
    if (opt.cliHoldMs >= 0) opt.holdMs = opt.cliHoldMs;
    int fd = HuSim_Connect(opt.host, opt.port);
    if (fd < 0) {
        fprintf(stderr, "hu-sim: cannot connect to [%s]:%u\n", opt.host.c_str(), (unsigned)opt.port);
        return 1;
    }
    printf("connected to [%s]:%u\n", opt.host.c_str(), (unsigned)opt.port);
    Session s(fd);
    if (opt.start) {
        s.Send(HuSim_StartFrame(s.NextMsgNo()), "service start");
        s.RunUntil(NowMs() + 200);
    }
    if (opt.upgrade && s.Open()) {
        if (!RunUpgrade(s, opt)) {
            close(fd);
            return 1;
        }
    }
    for (const Step& step : opt.steps) {
        s.RunUntil(NowMs() + step.delayMs);
        if (!s.Open()) break;
        SendStep(s, step);
    }
    const bool inputOk = !opt.fromStdin || PlayStdin(s);
    s.RunUntil(NowMs() + opt.holdMs);
    if (opt.end && s.Open()) {
        s.Send(HuSim_EndFrame(s.NextMsgNo()), "service end");
        s.RunUntil(NowMs() + 2000);
    }
    close(fd);
    return (opt.end && opt.start && !s.EndAcked()) || !inputOk ? 1 : 0;
}

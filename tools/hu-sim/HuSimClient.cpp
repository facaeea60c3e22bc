// Frames and sockets of the simulated head unit.
#include "HuSimClient.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

static void HuSim_Put32(std::vector<uint8_t>& out, uint32_t v)
{
    out.push_back((uint8_t)(v >> 24));
    out.push_back((uint8_t)(v >> 16));
    out.push_back((uint8_t)(v >> 8));
    out.push_back((uint8_t)v);
}

static uint32_t HuSim_Get32(const uint8_t* p) { return (uint32_t)p[0] << 24 | (uint32_t)p[1] << 16 | (uint32_t)p[2] << 8 | p[3]; }

std::vector<uint8_t> HuSim_FrameBytes(const HuSimFrame& f)
{
    std::vector<uint8_t> out;
    uint32_t body = f.noBpHeader ? (uint32_t)f.raw.size() : (uint32_t)(16 + f.json.size() + f.bin.size());
    uint32_t dataSize = f.dataSizeOverride >= 0 ? (uint32_t)f.dataSizeOverride : body;
    out.push_back(1);
    out.push_back(0);
    out.push_back(f.frmType);
    out.push_back(f.srvType);
    out.push_back(f.frmInfo);
    out.push_back(f.sessionId);
    out.push_back(f.frmId);
    out.push_back(0);
    HuSim_Put32(out, dataSize);
    HuSim_Put32(out, 0);
    if (f.noBpHeader) {
        out.insert(out.end(), f.raw.begin(), f.raw.end());
        return out;
    }
    out.push_back(f.rpcType);
    out.push_back(0);
    out.push_back(0);
    out.push_back(0);
    HuSim_Put32(out, f.rpcName);
    HuSim_Put32(out, f.msgNo);
    HuSim_Put32(out, f.jsonSizeOverride >= 0 ? (uint32_t)f.jsonSizeOverride : (uint32_t)f.json.size());
    out.insert(out.end(), f.json.begin(), f.json.end());
    out.insert(out.end(), f.bin.begin(), f.bin.end());
    return out;
}

bool HuSim_ParseFrame(const std::vector<uint8_t>& b, HuSimFrame* out)
{
    if (b.size() < 16) return false;
    HuSimFrame f;
    f.frmType = b[2];
    f.srvType = b[3];
    f.frmInfo = b[4];
    f.sessionId = b[5];
    f.frmId = b[6];
    uint32_t dataSize = HuSim_Get32(&b[8]);
    f.dataSizeOverride = dataSize;
    if (b.size() != 16 + (size_t)dataSize) return false;
    if (dataSize < 16) {
        f.noBpHeader = true;
        f.raw.assign(b.begin() + 16, b.end());
        *out = f;
        return true;
    }
    f.rpcType = b[16];
    f.rpcName = HuSim_Get32(&b[20]);
    f.msgNo = HuSim_Get32(&b[24]);
    uint32_t jsonSize = HuSim_Get32(&b[28]);
    f.jsonSizeOverride = jsonSize;
    if (jsonSize > dataSize - 16) return false;
    f.json.assign((const char*)&b[32], jsonSize);
    f.bin.assign(b.begin() + 32 + jsonSize, b.end());
    *out = f;
    return true;
}

static HuSimFrame HuSim_CtrlFrame(uint8_t info, uint32_t rpcName, uint32_t msgNo)
{
    HuSimFrame f;
    f.frmType = FRM_TYPE_CTRL;
    f.srvType = FRM_SRV_CDU_AID;
    f.frmInfo = info;
    f.rpcName = rpcName;
    f.msgNo = msgNo;
    return f;
}

HuSimFrame HuSim_StartFrame(uint32_t msgNo) { return HuSim_CtrlFrame(FRM_INF_START, RPC_CDU_SERVICE, msgNo); }
HuSimFrame HuSim_EndFrame(uint32_t msgNo) { return HuSim_CtrlFrame(FRM_INF_END, RPC_CDU_SERVICE, msgNo); }
HuSimFrame HuSim_HeartBeatFrame(uint32_t msgNo) { return HuSim_CtrlFrame(FRM_INF_HEART_BEAT, RPC_CDU_HEART_BEAT, msgNo); }

namespace {
struct HuSimService {
    const char* name;
    uint8_t     srv;
    uint32_t    rpc;
};
const HuSimService gHuSimServices[] = {
    {"nav", FRM_SRV_CDU_NAVIGATION, RPC_CDU_NAVIGATION},
    {"music", FRM_SRV_CDU_MUSIC, RPC_CDU_MUSIC},
    {"radio", FRM_SRV_CDU_RADIO, RPC_CDU_RADIO},
    {"phone", FRM_SRV_CDU_BLUETOOTH, RPC_CDU_BLUETOOTH},
    {"weather", FRM_SRV_CDU_WEATHER, RPC_CDU_WEATHER},
    {"account", FRM_SRV_CDU_ACCOUNT, RPC_CDU_ACCOUNT},
    {"notification", FRM_SRV_CDU_NOTIFICATION, RPC_CDU_NOTIFICATION},
    {"netradio", FRM_SRV_CDU_NETRADIO, RPC_CDU_NETRADIO},
    {"upgrade", FRM_SRV_CDU_UPGRADE, RPC_CDU_UPGRADE},
};

const char* HuSim_NameOf(const char* const* names, size_t n, unsigned v)
{
    return v < n ? names[v] : "?";
}
} // namespace

int HuSim_ServiceByName(const std::string& name)
{
    for (const HuSimService& s : gHuSimServices)
        if (name == s.name) return s.srv;
    return -1;
}

uint32_t HuSim_RpcNameOf(uint8_t srvType)
{
    for (const HuSimService& s : gHuSimServices)
        if (s.srv == srvType) return s.rpc;
    return 0;
}

HuSimFrame HuSim_DataFrame(uint8_t srvType, const std::string& json, const std::vector<uint8_t>& bin, uint32_t msgNo)
{
    HuSimFrame f;
    f.frmType = FRM_TYPE_SINGLE;
    f.srvType = srvType;
    f.frmInfo = FRM_INF_DATA;
    f.rpcName = HuSim_RpcNameOf(srvType);
    f.msgNo = msgNo;
    f.json = json;
    f.bin = bin;
    return f;
}

std::string HuSim_Describe(const HuSimFrame& f)
{
    static const char* const types[] = {"CTRL", "SINGLE", "FIRST", "NEXT"};
    static const char* const infos[] = {"HEART_BEAT", "HEART_BEAT_ACK", "START", "START_ACK", "START_NACK",
                                        "END", "END_ACK", "END_NACK", "DATA", "DATA_ACK"};
    std::string srv;
    if (f.srvType == FRM_SRV_CDU_AID) srv = "aid";
    else if (f.srvType == FRM_SRV_ICM_BLUETOOTH) srv = "icm-phone";
    for (const HuSimService& s : gHuSimServices)
        if (s.srv == f.srvType) srv = s.name;
    if (srv.empty()) srv = std::to_string(f.srvType);
    char line[256];
    snprintf(line, sizeof(line), "%s %s %s session=0x%02x msg=%u rpc=0x%x", HuSim_NameOf(types, 4, f.frmType),
             srv.c_str(), HuSim_NameOf(infos, 10, f.frmInfo), f.sessionId, f.msgNo, f.rpcName);
    std::string out = line;
    if (!f.json.empty()) out += " json=" + f.json;
    if (!f.bin.empty()) out += " bin=" + std::to_string(f.bin.size()) + "B";
    return out;
}

int HuSim_Connect(const std::string& host, uint16_t port)
{
    struct addrinfo hints;
    memset(&hints, 0, sizeof(hints));
    hints.ai_socktype = SOCK_STREAM;
    struct addrinfo* res = nullptr;
    if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &res) != 0) return -1;
    int fd = -1;
    for (struct addrinfo* a = res; a != nullptr && fd < 0; a = a->ai_next) {
        fd = socket(a->ai_family, a->ai_socktype, a->ai_protocol);
        if (fd >= 0 && connect(fd, a->ai_addr, a->ai_addrlen) != 0) {
            close(fd);
            fd = -1;
        }
    }
    freeaddrinfo(res);
    return fd;
}

bool HuSim_SendAll(int fd, const uint8_t* data, size_t len)
{
    while (len > 0) {
        ssize_t n = send(fd, data, len, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        len -= (size_t)n;
    }
    return true;
}

bool HuSim_SendFrame(int fd, const HuSimFrame& f)
{
    std::vector<uint8_t> b = HuSim_FrameBytes(f);
    return HuSim_SendAll(fd, b.data(), b.size());
}

static int64_t HuSim_NowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// Reads exactly len bytes before the deadline: 1, 0 on time-out before the first byte when
// mayTimeOut, -1 on close, failure or a time-out in the middle.
static int HuSim_RecvExact(int fd, uint8_t* buf, size_t len, int64_t deadline, bool mayTimeOut)
{
    size_t got = 0;
    while (got < len) {
        int64_t left = deadline - HuSim_NowMs();
        if (left <= 0) return (got == 0 && mayTimeOut) ? 0 : -1;
        struct pollfd pfd = {fd, POLLIN, 0};
        int r = poll(&pfd, 1, (int)left);
        if (r < 0 && errno == EINTR) continue;
        if (r < 0) return -1;
        if (r == 0) continue;
        ssize_t n = recv(fd, buf + got, len - got, 0);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return -1;
        got += (size_t)n;
    }
    return 1;
}

int HuSim_ReadFrame(int fd, HuSimFrame* out, int timeoutMs)
{
    int64_t deadline = HuSim_NowMs() + timeoutMs;
    std::vector<uint8_t> b(16);
    int r = HuSim_RecvExact(fd, b.data(), 16, deadline, true);
    if (r <= 0) return r;
    uint32_t dataSize = HuSim_Get32(&b[8]);
    if (dataSize > (64u << 20)) return -1; // the cluster never sends that much
    b.resize(16 + (size_t)dataSize);
    // The rest of a frame gets a little longer than the caller's wait.
    if (dataSize > 0 && HuSim_RecvExact(fd, &b[16], dataSize, deadline + 2000, false) != 1) return -1;
    return HuSim_ParseFrame(b, out) ? 1 : -1;
}

bool HuSim_WaitClosed(int fd, int timeoutMs)
{
    int64_t deadline = HuSim_NowMs() + timeoutMs;
    uint8_t buf[4096];
    for (;;) {
        int64_t left = deadline - HuSim_NowMs();
        if (left <= 0) return false;
        struct pollfd pfd = {fd, POLLIN, 0};
        int r = poll(&pfd, 1, (int)left);
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) continue;
        ssize_t n = recv(fd, buf, sizeof(buf), 0);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return true;
    }
}

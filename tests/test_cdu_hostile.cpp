// Hostile head units against the real link task on the IPv6 loopback. Each one does its worst;
// afterwards the task still runs, the process has not grown beyond a bound, and the next head unit
// is served within the designed time-outs: at once when the hostile one has left, within the
// monitor's four seconds (plus its checks) when it still holds its connection.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>
#include <zlib.h>

#include "HuSimClient.h"
#include "HuSimImage.h"
#include "HuSimLocalLink.h"
#include "OrvTask/CduCommunication.h"
#include "Protocol/Cdu_TCP.h"
#include "Protocol/Cdu_TCP_App.h"
#include "support/LinkWait.h"
#include "support/ProcMemory.h"
#include "support/SharedText.h"

namespace {

using Clock = std::chrono::steady_clock;

// A head unit's socket. A small receive buffer must be set before connecting.
int Connect(int rcvBuf = 0)
{
    int fd = socket(AF_INET6, SOCK_STREAM, 0);
    if (fd < 0) return -1;
    if (rcvBuf > 0) setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &rcvBuf, sizeof rcvBuf);
    sockaddr_in6 a{};
    a.sin6_family = AF_INET6;
    a.sin6_addr = in6addr_loopback;
    a.sin6_port = htons(CDUC_Task_ListenPort());
    if (connect(fd, (sockaddr*)&a, sizeof a) != 0) {
        close(fd);
        return -1;
    }
    int one = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    return fd;
}

bool SendBytes(int fd, const std::vector<uint8_t>& b) { return HuSim_SendAll(fd, b.data(), b.size()); }

// Sends the start frame and reads frames until its acknowledgement.
bool Started(int fd, int timeoutMs)
{
    if (!HuSim_SendFrame(fd, HuSim_StartFrame(1))) return false;
    HuSimFrame f;
    auto start = Clock::now();
    while (MsSince(start) < timeoutMs) {
        if (HuSim_ReadFrame(fd, &f, timeoutMs) != 1) return false;
        if (f.frmInfo == FRM_INF_START_ACK) return true;
    }
    return false;
}

// Sends a data frame and waits for its acknowledgement.
bool Acked(int fd, const HuSimFrame& frame)
{
    if (!HuSim_SendFrame(fd, frame)) return false;
    HuSimFrame f;
    return HuSim_ReadFrame(fd, &f, 3000) == 1 && f.frmInfo == FRM_INF_DATA_ACK && f.srvType == frame.srvType;
}

std::string MusicDoc(const std::string& song)
{
    return "{\"enable\":\"1\",\"msgtype\":\"1\",\"music\":{\"song\":\"" + song +
           "\",\"artist\":\"A\",\"status\":\"playing\",\"total\":\"100\",\"progress\":\"1\"}}";
}

// A JPEG whose frame header claims 60000 x 60000 pixels; its data are those of a 32 x 32 picture.
std::vector<uint8_t> LyingJpeg()
{
    auto px = HuSim_CoverPixels(32, 32, 3);
    std::vector<uint8_t> jpg = HuSim_EncodeJpeg(px.data(), 32, 32, 3, 80);
    for (size_t i = 0; i + 8 < jpg.size(); i++) {
        if (jpg[i] == 0xFF && (jpg[i + 1] == 0xC0 || jpg[i + 1] == 0xC2)) {
            jpg[i + 5] = 0xEA, jpg[i + 6] = 0x60; // height
            jpg[i + 7] = 0xEA, jpg[i + 8] = 0x60; // width
            break;
        }
    }
    return jpg;
}

// A PNG whose header (with a correct check sum) claims 100000 x 100000 pixels.
std::vector<uint8_t> LyingPng()
{
    auto px = HuSim_CoverPixels(32, 32, 4);
    std::vector<uint8_t> png = HuSim_EncodePng(px.data(), 32, 32, HuSimPngOptions{});
    const size_t ihdr = 8 + 4; // signature, chunk length
    const uint32_t side = 100000;
    for (int k = 0; k < 2; k++)
        for (int b = 0; b < 4; b++) png[ihdr + 4 + 4 * k + b] = (uint8_t)(side >> (24 - 8 * b));
    uLong crc = crc32(0, png.data() + ihdr, 4 + 13);
    for (int b = 0; b < 4; b++) png[ihdr + 4 + 13 + b] = (uint8_t)(crc >> (24 - 8 * b));
    return png;
}

// What a hostile head unit does. It returns with its socket still open when it holds on.
struct Hostile {
    const char* name;
    std::function<void(std::vector<int>* fds)> act;
    bool holds; /* still connected when the next head unit arrives: the monitor must break it */
};

const std::vector<Hostile>& Hostiles()
{
    static const std::vector<Hostile> cases = {
        {"never reads while the cluster sends", [](std::vector<int>* fds) {
             int fd = Connect(4096);
             fds->push_back(fd);
             ASSERT_TRUE(HuSim_SendFrame(fd, HuSim_StartFrame(1)));
             // Heartbeats in bulk, never reading an answer, until the cluster gives up on it.
             std::vector<uint8_t> burst;
             for (int i = 0; i < 2048; i++) {
                 auto b = HuSim_FrameBytes(HuSim_HeartBeatFrame((uint32_t)i));
                 burst.insert(burst.end(), b.begin(), b.end());
             }
             auto start = Clock::now();
             bool dropped = false;
             while (!dropped && MsSince(start) < 20000) dropped = !SendBytes(fd, burst);
             EXPECT_TRUE(dropped) << "the cluster kept the connection of a peer that never reads";
         }, false},
        {"holds half a frame", [](std::vector<int>* fds) {
             int fd = Connect();
             fds->push_back(fd);
             ASSERT_TRUE(Started(fd, 2000));
             auto part = HuSim_FrameBytes(HuSim_DataFrame(FRM_SRV_CDU_MUSIC, MusicDoc("Half"), {}, 2));
             part.resize(part.size() / 2);
             ASSERT_TRUE(SendBytes(fd, part));
         }, true},
        {"announces 4 GiB and holds", [](std::vector<int>* fds) {
             int fd = Connect();
             fds->push_back(fd);
             ASSERT_TRUE(Started(fd, 2000));
             HuSimFrame huge = HuSim_DataFrame(FRM_SRV_CDU_MUSIC, MusicDoc("Huge"), std::vector<uint8_t>(3000, 1), 2);
             huge.dataSizeOverride = 0xFFFFFFFFll;
             ASSERT_TRUE(HuSim_SendFrame(fd, huge));
         }, true},
        {"200 000 nested brackets", [](std::vector<int>* fds) {
             int fd = Connect();
             fds->push_back(fd);
             ASSERT_TRUE(Started(fd, 2000));
             std::string deep = "{\"enable\":\"1\",\"msgtype\":\"1\",\"music\":" + std::string(200000, '[') +
                                std::string(200000, ']') + "}";
             EXPECT_TRUE(Acked(fd, HuSim_DataFrame(FRM_SRV_CDU_MUSIC, deep, {}, 2)));
         }, false},
        {"2 MiB title", [](std::vector<int>* fds) {
             int fd = Connect();
             fds->push_back(fd);
             ASSERT_TRUE(Started(fd, 2000));
             EXPECT_TRUE(Acked(fd, HuSim_DataFrame(FRM_SRV_CDU_MUSIC, MusicDoc(std::string(2 << 20, 'T')), {}, 2)));
         }, false},
        {"covers that lie about their size", [](std::vector<int>* fds) {
             int fd = Connect();
             fds->push_back(fd);
             ASSERT_TRUE(Started(fd, 2000));
             EXPECT_TRUE(Acked(fd, HuSim_DataFrame(FRM_SRV_CDU_MUSIC, MusicDoc("Jpeg"), LyingJpeg(), 2)));
             EXPECT_EQ(OrvShared_Load(MusicInfo.HasCover), 0);
             EXPECT_TRUE(Acked(fd, HuSim_DataFrame(FRM_SRV_CDU_MUSIC, MusicDoc("Png"), LyingPng(), 3)));
             EXPECT_EQ(OrvShared_Load(MusicInfo.HasCover), 0);
         }, false},
        {"20 connections at once", [](std::vector<int>* fds) {
             // Every one is served in its turn, one at a time, as each leaves. The monitor closes a
             // connection it takes for stuck while others wait (on a slow machine one just taken
             // may look so); such a head unit connects again, as a real one does.
             std::vector<std::thread> heads;
             std::vector<int> served(20, 0);
             for (int i = 0; i < 20; i++) {
                 heads.emplace_back([i, &served] {
                     auto start = Clock::now();
                     while (!served[(size_t)i] && MsSince(start) < 30000) {
                         int fd = Connect();
                         if (fd < 0) return;
                         served[(size_t)i] = Started(fd, 15000) ? 1 : 0;
                         close(fd);
                     }
                 });
             }
             for (std::thread& t : heads) t.join();
             for (int i = 0; i < 20; i++) EXPECT_EQ(served[(size_t)i], 1) << "head unit " << i;
             (void)fds;
         }, false},
    };
    return cases;
}

// The same documents straight into the decoder, without the receive limit that cuts them on the
// link: nesting and length are bounded by the decoder itself. (First, before the link task runs
// in this process: the store then has one writer at a time.)
TEST(CduHostileDecode, DeepAndLongDocumentsAreBoundedByTheDecoder)
{
    CDU_TCP_SetInitialValue();
    struct Case {
        const char* name;
        std::string doc;
        const char* song; /* expected SongName afterwards */
    };
    const std::string longTitle(2 << 20, 'T');
    const Case cases[] = {
        {"200 000 nested brackets", "{\"enable\":\"1\",\"msgtype\":\"1\",\"music\":" + std::string(200000, '[') + "}", ""},
        {"2 MiB title", MusicDoc(longTitle), nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<UInt08> text(c.doc.begin(), c.doc.end());
        text.push_back(0);
        CDU_TCP_Decode(FRM_SRV_CDU_MUSIC, text.data(), (UInt32)c.doc.size(), nullptr, 0);
        if (c.song != nullptr) EXPECT_STREQ(SharedText(MusicInfo.SongName).c_str(), c.song);
        else EXPECT_EQ(SharedText(MusicInfo.SongName), longTitle.substr(0, sizeof(MusicInfo.SongName) - 1));
    }
}

class CduHostile : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_NE(HuSim_StartLocalLink(3000), 0);
        ASSERT_EQ(gCduCommunication.GetState(), OrvTask_Running);
    }
    static void TearDownTestSuite()
    {
        gCduCommunication.Stop();
        EXPECT_EQ(gCduCommunication.GetState(), OrvTask_Stop);
        EXPECT_EQ(gCduCommunication.DeInit(), 1);
    }
};

TEST_F(CduHostile, TheNextHeadUnitIsServedAndMemoryStaysBounded)
{
    // A first harmless head unit, so that every buffer the link uses exists before measuring.
    ASSERT_TRUE(WaitFor(ServerIdle, 3000));
    int warm = Connect();
    ASSERT_TRUE(Started(warm, 2000));
    ASSERT_TRUE(Acked(warm, HuSim_DataFrame(FRM_SRV_CDU_MUSIC, MusicDoc("Warm"), HuSim_EncodeJpeg(HuSim_CoverPixels(64, 64, 1).data(), 64, 64, 3, 80), 2)));
    close(warm);
    ASSERT_TRUE(WaitFor(ServerIdle, 3000));
    const long before = ResidentKiB();

    for (const Hostile& h : Hostiles()) {
        SCOPED_TRACE(h.name);
        std::vector<int> fds;
        h.act(&fds);
        if (!h.holds) {
            for (int fd : fds) close(fd);
            fds.clear();
        }
        // The designed limits: a peer that has left is gone at once; one that holds is broken by
        // the monitor after some 4 s of another head unit waiting (20 checks of 200 ms).
        const int limitMs = h.holds ? 6500 : 3000;
        auto waiting = Clock::now();
        int next = Connect();
        ASSERT_GE(next, 0);
        EXPECT_TRUE(Started(next, limitMs + 1000));
        EXPECT_LE(MsSince(waiting), limitMs) << "the next head unit waited too long";
        EXPECT_TRUE(Acked(next, HuSim_DataFrame(FRM_SRV_CDU_MUSIC, MusicDoc("Next"), {}, 9)));
        EXPECT_STREQ(SharedText(MusicInfo.SongName).c_str(), "Next");
        close(next);
        for (int fd : fds) close(fd);
        ASSERT_TRUE(WaitFor(ServerIdle, 3000));
        EXPECT_EQ(gCduCommunication.GetState(), OrvTask_Running);
        // The link keeps fixed buffers; nothing a peer sends makes it hold more.
        EXPECT_LT(ResidentKiB() - before, 32 * 1024) << "resident memory grew";
    }
}

} // namespace

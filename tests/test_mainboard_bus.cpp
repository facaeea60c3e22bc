// The main-board bus over real loopback sockets: a frame is stored, decoded and answered with the
// encoded answer frame; malformed datagrams are refused, counted and answered by nothing; a burst
// of garbage leaves every signal as it was and never makes one poll take more than its bound; the
// address is read from the environment and only loopback addresses are accepted.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <netinet/in.h>
#include <random>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "Protocol/Cdu_TCP_App.h"
#include "Protocol/MainBoard_Bus.h"
#include "Protocol/MainBoard_IIC_App.h"
#include "Protocol/MainBoard_IIC_Sys.h"
#include "support/MbSignalSnapshot.h"

namespace {

using Clock = std::chrono::steady_clock;
typedef std::vector<UInt08> Bytes;

// The main board's end: a UDP socket connected to the transport.
class Board {
public:
    explicit Board(UInt16 port, bool ipv4 = false)
    {
        mFd = socket(ipv4 ? AF_INET : AF_INET6, SOCK_DGRAM, 0);
        if (ipv4) {
            struct sockaddr_in a = {};
            a.sin_family = AF_INET;
            a.sin_port = htons(port);
            a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            connect(mFd, reinterpret_cast<struct sockaddr*>(&a), sizeof a);
        } else {
            struct sockaddr_in6 a = {};
            a.sin6_family = AF_INET6;
            a.sin6_port = htons(port);
            a.sin6_addr = in6addr_loopback;
            connect(mFd, reinterpret_cast<struct sockaddr*>(&a), sizeof a);
        }
    }
    ~Board() { close(mFd); }
    void SendRaw(const Bytes& d) { ASSERT_EQ(send(mFd, d.data(), d.size(), 0), (ssize_t)d.size()); }
    void SendFrame(UInt08 id, const Bytes& data8)
    {
        UInt08 dgram[MB_BUS_DGRAM_LEN];
        MB_BUS_PackFrame(id, data8.data(), dgram);
        SendRaw(Bytes(dgram, dgram + sizeof dgram));
    }
    // The next answer waiting, or an empty vector when none is.
    Bytes TakeAnswer()
    {
        UInt08 buf[64];
        ssize_t n = recv(mFd, buf, sizeof buf, MSG_DONTWAIT);
        return n < 0 ? Bytes() : Bytes(buf, buf + n);
    }
    int Fd() const { return mFd; }

private:
    int mFd = -1;
};

MbBusStats Stats()
{
    MbBusStats s;
    MB_BUS_GetStats(&s);
    return s;
}

UInt32 Seen(const MbBusStats& s)
{
    return s.Accepted + s.RejLength + s.RejFrame + s.RejChecksum;
}

// Polls, as the worker's loop does, until `count` more datagrams have been taken (or 5 s pass,
// which only happens when the transport is broken). Returns the frames reported as arrived.
UInt32 PollUntilSeen(UInt32 count)
{
    UInt32 target = Seen(Stats()) + count;
    UInt32 arrived = 0;
    auto deadline = Clock::now() + std::chrono::seconds(5);
    while (Seen(Stats()) < target && Clock::now() < deadline) arrived |= MB_BUS_Poll();
    return arrived;
}

void ResetSignals()
{
    memset(srcDataBuf, 0, sizeof srcDataBuf);
    memset(dstDataBuf, 0, sizeof dstDataBuf);
    MB_IIC_SetInitialValue();
}

class MainBoardBus : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetSignals();
        ASSERT_EQ(MB_BUS_Open("[::1]:0"), 0);
        ASSERT_NE(MB_BUS_GetPort(), 0);
    }
    void TearDown() override { MB_BUS_Close(); }
};

}  // namespace

TEST_F(MainBoardBus, AcceptedFrameIsDecodedAndAnsweredWithTheEncodedAnswerFrame)
{
    Board board(MB_BUS_GetPort());
    // What the screens and the head unit report: display on, right side in a call, phone cursor
    // range 5, upgrade state 3, music and USB present.
    HmiDspState = HMI_DSP_ON;
    RightSideState = RightSide_PHONE_INCALL;
    BlutPhoneCursorNum = 5;
    OtaState = 3;
    BlutsMusicState = 1;
    CduUsbState = 1;

    board.SendFrame(0x00, {0x78, 0x50, 0x00, 0x7D, 0x01, 0x40, 0x09, 0x32});
    EXPECT_EQ(PollUntilSeen(1), 1u << 0);
    EXPECT_EQ(Speed, 120);
    EXPECT_EQ(Battery, 80);
    EXPECT_EQ(Gear, GEAR_D);
    EXPECT_EQ(TripRange, 320);
    EXPECT_EQ(WorkMode, WORK_MODE_ON);
    EXPECT_EQ(SpeedLimit, 50);
    EXPECT_EQ(srcDataBuf[0][0].value, 0x78);

    // B0: music (bit 0), upgrade state 3 (bits 1-5), display on 2 (bits 6-7) = 0x87;
    // B1: right side 3 (bits 0-2), phone cursor 5 (bits 3-7) = 0x2B; B2: USB (bit 0).
    const Bytes expected = {0x00, 0x87, 0x2B, 0x01, 0, 0, 0, 0, 0, (UInt08)(0x87 + 0x2B + 0x01)};
    EXPECT_EQ(board.TakeAnswer(), expected);
    EXPECT_TRUE(board.TakeAnswer().empty()) << "one answer per frame";

    MbBusStats s = Stats();
    EXPECT_EQ(s.Accepted, 1u);
    EXPECT_EQ(s.Answered, 1u);
    EXPECT_EQ(s.RejLength + s.RejFrame + s.RejChecksum, 0u);
    OtaState = 0;
    BlutsMusicState = 0;
    CduUsbState = 0;
}

TEST_F(MainBoardBus, ReportsEveryFrameThatArrivedInOnePass)
{
    Board board(MB_BUS_GetPort());
    board.SendFrame(0x01, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x40, 0x04});
    board.SendFrame(0x0E, {1, 2, 3, 4, 5, 6, 7, 8});  // no signals, but a valid frame
    board.SendFrame(0x05, {0x00, 0x8E, 0x20, 0, 0, 0, 0, 0});
    EXPECT_EQ(PollUntilSeen(3), (1u << 0x01) | (1u << 0x05) | (1u << 0x0E));
    EXPECT_EQ(Indicator[6].value, 0x40);
    EXPECT_EQ(RadarSpacingF3, 0x20);
    EXPECT_EQ(srcDataBuf[0x0E][7].value, 8);
    for (int k = 0; k < 3; k++) EXPECT_EQ(board.TakeAnswer().size(), (size_t)MB_BUS_DGRAM_LEN);
}

TEST_F(MainBoardBus, MalformedDatagramsAreRefusedCountedAndNotAnswered)
{
    struct Case {
        const char* what;
        Bytes dgram;
        UInt32 MbBusStats::*counter;
    };
    UInt08 good[MB_BUS_DGRAM_LEN];
    const UInt08 data[8] = {0x50, 0x50, 0x00, 0x7D, 0x03, 0x40, 0x09, 0x1E};
    MB_BUS_PackFrame(0x00, data, good);
    Bytes badSum(good, good + MB_BUS_DGRAM_LEN);
    badSum[9] ^= 0x01;
    Bytes frame15(good, good + MB_BUS_DGRAM_LEN);
    frame15[0] = 15;
    frame15[9] = MB_BUS_Checksum(15, data);  // a sound checksum: the number alone is wrong
    Bytes frameFF = frame15;
    frameFF[0] = 0xFF;
    frameFF[9] = MB_BUS_Checksum(0xFF, data);
    Bytes longer(good, good + MB_BUS_DGRAM_LEN);
    longer.push_back(0x00);
    const Case cases[] = {
        {"bad checksum", badSum, &MbBusStats::RejChecksum},
        {"frame 15", frame15, &MbBusStats::RejFrame},
        {"frame 255", frameFF, &MbBusStats::RejFrame},
        {"5 bytes", Bytes(good, good + 5), &MbBusStats::RejLength},
        {"9 bytes, no frame number", Bytes(good + 1, good + MB_BUS_DGRAM_LEN), &MbBusStats::RejLength},
        {"11 bytes", longer, &MbBusStats::RejLength},
        {"empty", Bytes(), &MbBusStats::RejLength},
    };
    Board board(MB_BUS_GetPort());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Un08 before[ID_FRAME_R_NUM][FRAME_DATA_SIZE];
        memcpy(before, srcDataBuf, sizeof before);
        MbSignalSnapshot signals = MbTakeSnapshot();
        MbBusStats s0 = Stats();

        board.SendRaw(c.dgram);
        EXPECT_EQ(PollUntilSeen(1), 0u);

        MbBusStats s1 = Stats();
        EXPECT_EQ(s1.*c.counter, s0.*c.counter + 1);
        EXPECT_EQ(Seen(s1), Seen(s0) + 1) << "counted once, under one reason";
        EXPECT_EQ(s1.Accepted, s0.Accepted);
        EXPECT_EQ(memcmp(before, srcDataBuf, sizeof before), 0);
        EXPECT_EQ(MbChangedSignals(signals, MbTakeSnapshot()), std::vector<std::string>());
        EXPECT_TRUE(board.TakeAnswer().empty());
    }
    // The same bytes, well formed, are taken: the refusals above were for their form only.
    board.SendRaw(Bytes(good, good + MB_BUS_DGRAM_LEN));
    EXPECT_EQ(PollUntilSeen(1), 1u);
    EXPECT_EQ(Speed, 0x50);
    EXPECT_EQ(Gear, GEAR_R);
}

TEST_F(MainBoardBus, BurstOfGarbageChangesNothingAndEveryPollStaysBounded)
{
    // A known picture of the car first.
    Board board(MB_BUS_GetPort());
    board.SendFrame(0x00, {0x32, 0x40, 0x00, 0x7D, 0x01, 0x40, 0x09, 0x32});
    board.SendFrame(0x01, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x24, 0x04});
    ASSERT_EQ(PollUntilSeen(2), 0x3u);
    while (!board.TakeAnswer().empty()) {}
    Un08 before[ID_FRAME_R_NUM][FRAME_DATA_SIZE];
    memcpy(before, srcDataBuf, sizeof before);
    MbSignalSnapshot signals = MbTakeSnapshot();
    MbBusStats s0 = Stats();

    // Garbage of every kind: wrong lengths, frame numbers above 0x0E with sound checksums, valid
    // numbers with wrong checksums.
    const UInt32 kBurst = 100000;
    std::atomic<bool> sending{true};
    std::thread sender([&] {
        Board flood(MB_BUS_GetPort());
        std::mt19937 rng(7);
        UInt08 buf[40];
        for (UInt32 i = 0; i < kBurst; i++) {
            for (UInt08& b : buf) b = (UInt08)rng();
            size_t len = MB_BUS_DGRAM_LEN;
            switch (i % 3) {
            case 0: len = rng() % 40; if (len == MB_BUS_DGRAM_LEN) len = 0; break;
            case 1: buf[0] = (UInt08)(15 + rng() % 241); buf[9] = MB_BUS_Checksum(buf[0], buf + 1); break;
            default: buf[0] = (UInt08)(rng() % 15); buf[9] = (UInt08)(MB_BUS_Checksum(buf[0], buf + 1) + 1 + rng() % 255); break;
            }
            send(flood.Fd(), buf, len, 0);
        }
        sending = false;
    });

    // The worker's loop: one poll per pass, and between polls the rest of its work (the window).
    // Once the burst is sent, the kernel's count of datagrams it dropped for a full queue only
    // reaches us with a datagram that gets in, so an idle pass then sends frame 0x0E again with
    // the bytes it already has (a valid frame that carries no signal) to collect the count. The
    // kernel may drop such a collecting frame too (it frees receive memory in batches), so every
    // datagram sent, burst and collecting frames alike, ends refused, dropped or accepted.
    UInt32 passes = 0, busiestPass = 0, arrived = 0, kicks = 0;
    Clock::duration longestPass{};
    auto refusedSince = [&](const MbBusStats& s) {
        return (s.RejLength - s0.RejLength) + (s.RejFrame - s0.RejFrame) + (s.RejChecksum - s0.RejChecksum);
    };
    auto accounted = [&] {
        MbBusStats s = Stats();
        return refusedSince(s) + (s.Dropped - s0.Dropped) + (s.Accepted - s0.Accepted);
    };
    // The window is busy for a moment as the burst starts, so the receive queue overflows and the
    // kernel drops some of it.
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    auto deadline = Clock::now() + std::chrono::seconds(60);
    while ((sending || accounted() < kBurst + kicks) && Clock::now() < deadline) {
        UInt32 seenBefore = Seen(Stats());
        auto t0 = Clock::now();
        arrived |= MB_BUS_Poll();
        longestPass = std::max(longestPass, Clock::now() - t0);
        busiestPass = std::max(busiestPass, Seen(Stats()) - seenBefore);
        passes++;
        if (!sending && Seen(Stats()) == seenBefore) {
            board.SendFrame(0x0E, {0, 0, 0, 0, 0, 0, 0, 0});
            kicks++;
        }
    }
    sender.join();
    while (accounted() < kBurst + kicks && Clock::now() < deadline) arrived |= MB_BUS_Poll();

    MbBusStats s1 = Stats();
    UInt32 refused = refusedSince(s1);
    printf("burst: %u datagrams refused, %u dropped by the kernel, %u passes, longest pass %.3f ms\n",
           refused, s1.Dropped - s0.Dropped, passes,
           std::chrono::duration<double, std::milli>(longestPass).count());
    EXPECT_EQ(arrived & ~(1u << 0x0E), 0u);
    UInt32 accepted = s1.Accepted - s0.Accepted;
    // The kernel's drop count rides on the next datagram taken in. When garbage still queued after
    // the drops brought it, no collecting frame was needed; otherwise the last one sent got in.
    if (kicks > 0) {
        EXPECT_GE(accepted, 1u);
    }
    EXPECT_LE(accepted, kicks) << "only collecting frames were taken";
    EXPECT_EQ(refused + (s1.Dropped - s0.Dropped) + accepted, kBurst + kicks)
        << "every datagram accounted for, once";
    EXPECT_LE(busiestPass, (UInt32)MB_BUS_MAX_PER_POLL) << "a pass never takes more than its bound";
    EXPECT_EQ(memcmp(before, srcDataBuf, sizeof before), 0);
    EXPECT_EQ(MbChangedSignals(signals, MbTakeSnapshot()), std::vector<std::string>());
    UInt32 answers = 0;
    while (!board.TakeAnswer().empty()) answers++;
    EXPECT_EQ(answers, accepted) << "garbage is never answered";

    // Still serving: the next frame is taken and answered at once.
    board.SendFrame(0x00, {0x10, 0x40, 0x00, 0x7D, 0x01, 0x40, 0x09, 0x32});
    EXPECT_EQ(PollUntilSeen(1), 1u);
    EXPECT_EQ(Speed, 0x10);
    EXPECT_EQ(board.TakeAnswer().size(), (size_t)MB_BUS_DGRAM_LEN);
}

TEST(MainBoardBusAddress, ParsesLoopbackAddressesAndRefusesOthers)
{
    struct Case { const char* text; bool ok; int family; int port; };
    const Case cases[] = {
        {"[::1]:9000", true, AF_INET6, 9000},
        {"[::1]", true, AF_INET6, MB_BUS_DEFAULT_PORT},
        {"::1", true, AF_INET6, MB_BUS_DEFAULT_PORT},
        {"9001", true, AF_INET6, 9001},
        {"127.0.0.1:9002", true, AF_INET, 9002},
        {"127.0.0.5", true, AF_INET, MB_BUS_DEFAULT_PORT},
        {"localhost:9003", true, AF_INET6, 9003},
        {"[::ffff:127.0.0.1]:9004", true, AF_INET6, 9004},
        {"[::1]:0", true, AF_INET6, 0},
        // Any address or another host would put the bus on a network.
        {"[::]:9000", false, 0, 0},
        {"0.0.0.0:9000", false, 0, 0},
        {"192.168.1.20:9000", false, 0, 0},
        {"[2001:db8::1]:9000", false, 0, 0},
        {"example.com:9000", false, 0, 0},
        // Malformed.
        {"[::1]:70000", false, 0, 0},
        {"[::1]:", false, 0, 0},
        {"[::1", false, 0, 0},
        {"[::1]x", false, 0, 0},
        {"127.0.0.1:9x", false, 0, 0},
        {"", false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        struct sockaddr_storage a;
        socklen_t len = 0;
        Int32 r = MB_BUS_ParseAddr(c.text, &a, &len);
        ASSERT_EQ(r, c.ok ? 0 : -1);
        if (!c.ok) continue;
        EXPECT_EQ(a.ss_family, c.family);
        int port = a.ss_family == AF_INET6 ? ntohs(reinterpret_cast<struct sockaddr_in6*>(&a)->sin6_port)
                                           : ntohs(reinterpret_cast<struct sockaddr_in*>(&a)->sin_port);
        EXPECT_EQ(port, c.port);
    }
}

TEST(MainBoardBusAddress, EnvironmentMovesTheBusAndABusyPortIsReported)
{
    ResetSignals();
    // A free IPv4 loopback port.
    int probe = socket(AF_INET, SOCK_DGRAM, 0);
    struct sockaddr_in a = {};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(bind(probe, reinterpret_cast<struct sockaddr*>(&a), sizeof a), 0);
    socklen_t len = sizeof a;
    getsockname(probe, reinterpret_cast<struct sockaddr*>(&a), &len);
    UInt16 port = ntohs(a.sin_port);

    // While the probe holds it, opening there fails.
    std::string addr = "127.0.0.1:" + std::to_string(port);
    setenv(MB_BUS_ENV_ADDR, addr.c_str(), 1);
    EXPECT_STREQ(MB_BUS_ConfiguredAddr(), addr.c_str());
    EXPECT_EQ(MB_BUS_Open(nullptr), -1);
    EXPECT_EQ(MB_BUS_IsOpen(), 0);
    close(probe);

    ASSERT_EQ(MB_BUS_Open(nullptr), 0);
    EXPECT_EQ(MB_BUS_GetPort(), port);
    Board board(port, true);
    board.SendFrame(0x00, {0x2A, 0x40, 0x00, 0x7D, 0x01, 0x40, 0x09, 0x32});
    EXPECT_EQ(PollUntilSeen(1), 1u);
    EXPECT_EQ(Speed, 0x2A);
    EXPECT_EQ(board.TakeAnswer().size(), (size_t)MB_BUS_DGRAM_LEN);
    MB_BUS_Close();

    // A non-loopback address in the environment is refused rather than bound.
    setenv(MB_BUS_ENV_ADDR, "[::]:0", 1);
    EXPECT_EQ(MB_BUS_Open(nullptr), -1);
    unsetenv(MB_BUS_ENV_ADDR);
    EXPECT_STREQ(MB_BUS_ConfiguredAddr(), MB_BUS_DEFAULT_ADDR);
}

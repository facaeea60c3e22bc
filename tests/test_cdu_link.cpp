// The head-unit link end to end: the real task listens on the IPv6 loopback (an ephemeral port),
// and simulated head units connect over real sockets. The long waits (nine silent seconds, the
// monitor's four) each appear once.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "HuSimClient.h"
#include "HuSimImage.h"
#include "HuSimLocalLink.h"
#include "OrvTask/CduCommunication.h"
#include "Protocol/Cdu_TCP.h"
#include "Protocol/Cdu_TCP_App.h"
#include "support/LinkWait.h"
#include "support/SharedText.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Client {
    int fd = -1;
    explicit Client(int rcvBuf = 0)
    {
        if (rcvBuf > 0) {
            // A small receive window must be set before the connection exists.
            fd = socket(AF_INET6, SOCK_STREAM, 0);
            setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &rcvBuf, sizeof(rcvBuf));
            sockaddr_in6 a{};
            a.sin6_family = AF_INET6;
            a.sin6_addr = in6addr_loopback;
            a.sin6_port = htons(CDUC_Task_ListenPort());
            if (connect(fd, (sockaddr*)&a, sizeof(a)) != 0) {
                close(fd);
                fd = -1;
            }
        } else {
            fd = HuSim_Connect("::1", CDUC_Task_ListenPort());
        }
        int one = 1;
        if (fd >= 0) setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof(one));
    }
    ~Client() { Close(); }
    void Close()
    {
        if (fd >= 0) close(fd);
        fd = -1;
    }
    bool Send(const HuSimFrame& f) { return HuSim_SendFrame(fd, f); }
    bool SendBytes(const std::vector<uint8_t>& b) { return HuSim_SendAll(fd, b.data(), b.size()); }
    // The next frame within timeoutMs; fails the test when none arrives.
    HuSimFrame Read(int timeoutMs = 2000)
    {
        HuSimFrame f;
        int r = HuSim_ReadFrame(fd, &f, timeoutMs);
        EXPECT_EQ(r, 1) << "no frame from the cluster";
        return f;
    }
    bool Silent(int ms)
    {
        HuSimFrame f;
        int r = HuSim_ReadFrame(fd, &f, ms);
        if (r == 1) ADD_FAILURE() << "unexpected frame: " << HuSim_Describe(f);
        return r == 0;
    }
    // Starts the service and returns the session id of the acknowledgement.
    UInt08 Start(uint32_t msgNo = 1)
    {
        EXPECT_TRUE(Send(HuSim_StartFrame(msgNo)));
        HuSimFrame ack = Read();
        EXPECT_EQ(ack.frmInfo, FRM_INF_START_ACK);
        return ack.sessionId;
    }
};

void ExpectAnswer(const HuSimFrame& f, UInt08 frmType, UInt08 srv, UInt08 info, UInt32 rpcName, UInt32 msgNo,
                  UInt08 session)
{
    EXPECT_EQ(f.frmType, frmType);
    EXPECT_EQ(f.srvType, srv);
    EXPECT_EQ(f.frmInfo, info);
    EXPECT_EQ(f.rpcType, RPC_TYPE_RSP);
    EXPECT_EQ(f.rpcName, rpcName);
    EXPECT_EQ(f.msgNo, msgNo);
    EXPECT_EQ(f.sessionId, session);
    EXPECT_EQ(f.frmId, 1);
    EXPECT_EQ(f.dataSizeOverride, 16);
    EXPECT_EQ(f.jsonSizeOverride, 0);
}

std::string MusicDoc(const std::string& song, const std::string& status = "playing")
{
    return "{\"enable\":\"1\",\"msgtype\":\"1\",\"music\":{\"song\":\"" + song + "\",\"artist\":\"A\",\"status\":\"" +
           status + "\",\"total\":\"100\",\"progress\":\"1\"}}";
}

std::vector<uint8_t> Jpeg(int w, int h)
{
    auto px = HuSim_CoverPixels(w, h, 9);
    return HuSim_EncodeJpeg(px.data(), w, h, 3, 80);
}

class CduLink : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_NE(HuSim_StartLocalLink(3000), 0);
        ASSERT_EQ(gCduCommunication.GetState(), OrvTask_Running);
    }
    static void TearDownTestSuite()
    {
        auto start = Clock::now();
        gCduCommunication.Stop();
        EXPECT_LT(MsSince(start), 2500) << "the worker sees the stop flag within about a second";
        EXPECT_EQ(gCduCommunication.GetState(), OrvTask_Stop);
        EXPECT_EQ(gCduCommunication.DeInit(), 1);
    }
    void SetUp() override { ASSERT_TRUE(WaitFor(ServerIdle, 3000)) << "a previous connection is still served"; }
    void TearDown() override { WaitFor(ServerIdle, 3000); }
};

TEST_F(CduLink, DataBeforeTheStartIsAnsweredRightAfterTheStartAcknowledgement)
{
    Client hu;
    ASSERT_GE(hu.fd, 0);
    ASSERT_TRUE(hu.Send(HuSim_DataFrame(FRM_SRV_CDU_MUSIC, MusicDoc("Early"), {}, 5)));
    EXPECT_TRUE(WaitFor([] { return strcmp(SharedText(MusicInfo.SongName).c_str(), "Early") == 0; }, 2000))
        << "the store is updated before the start";
    EXPECT_TRUE(hu.Silent(300)) << "nothing is answered before the start";

    ASSERT_TRUE(hu.Send(HuSim_StartFrame(6)));
    HuSimFrame start = hu.Read();
    ExpectAnswer(start, FRM_TYPE_CTRL, FRM_SRV_CDU_AID, FRM_INF_START_ACK, RPC_CDU_SERVICE, 6, start.sessionId);
    HuSimFrame data = hu.Read();
    ExpectAnswer(data, FRM_TYPE_SINGLE, FRM_SRV_CDU_MUSIC, FRM_INF_DATA_ACK, RPC_CDU_MUSIC, 6, start.sessionId);
    EXPECT_TRUE(hu.Silent(200));

    // A repeated start is acknowledged again with the same session id.
    ASSERT_TRUE(hu.Send(HuSim_StartFrame(7)));
    HuSimFrame again = hu.Read();
    ExpectAnswer(again, FRM_TYPE_CTRL, FRM_SRV_CDU_AID, FRM_INF_START_ACK, RPC_CDU_SERVICE, 7, start.sessionId);
}

TEST_F(CduLink, FrameInManySegmentsIsProcessedOnce)
{
    Client hu;
    hu.Start();
    UInt08 upd = OrvShared_Load(MusicInfo.UpdMusic);
    std::vector<uint8_t> b = HuSim_FrameBytes(HuSim_DataFrame(FRM_SRV_CDU_MUSIC, MusicDoc("Pieces"), Jpeg(64, 64), 3));
    // The header in two segments, the payload in five.
    std::vector<size_t> cuts = {0, 9, 16};
    size_t payload = b.size() - 16;
    for (int i = 1; i <= 5; i++) cuts.push_back(16 + payload * i / 5);
    for (size_t i = 0; i + 1 < cuts.size(); i++) {
        ASSERT_TRUE(hu.SendBytes(std::vector<uint8_t>(b.begin() + (long)cuts[i], b.begin() + (long)cuts[i + 1])));
        std::this_thread::sleep_for(std::chrono::milliseconds(40));
    }
    HuSimFrame ack = hu.Read();
    EXPECT_EQ(ack.srvType, FRM_SRV_CDU_MUSIC);
    EXPECT_EQ(ack.frmInfo, FRM_INF_DATA_ACK);
    EXPECT_TRUE(hu.Silent(300)) << "processed more than once";
    EXPECT_EQ(OrvShared_Load(MusicInfo.UpdMusic), (UInt08)(upd + 1));
    EXPECT_STREQ(SharedText(MusicInfo.SongName).c_str(), "Pieces");
    EXPECT_EQ(OrvShared_Load(MusicInfo.HasCover), 1);
}

// Frames the cluster must consume without losing its place in the stream: after each, a heartbeat
// is answered as the very next frame.
TEST_F(CduLink, OddFramesKeepTheStreamInStep)
{
    HuSimFrame shortFrame;
    shortFrame.noBpHeader = true;
    shortFrame.raw = std::vector<uint8_t>(10, 0xAB);
    HuSimFrame emptyFrame;
    emptyFrame.noBpHeader = true;
    HuSimFrame unknownType = HuSim_DataFrame(FRM_SRV_CDU_MUSIC, MusicDoc("Never"), {}, 2);
    unknownType.frmType = 7;
    HuSimFrame unknownService = HuSim_DataFrame(99, "{}", {1, 2, 3}, 2);
    HuSimFrame aidSingle = HuSim_DataFrame(FRM_SRV_CDU_AID, "{}", {}, 2);
    HuSimFrame wrongCtrl = HuSim_StartFrame(2);
    wrongCtrl.rpcName = RPC_CDU_HEART_BEAT;
    HuSimFrame lyingJson = HuSim_DataFrame(FRM_SRV_CDU_ACCOUNT,
                                           "{\"enable\":\"1\",\"msgtype\":\"1\",\"account\":{\"main\":\"Liar\"}}", {}, 2);
    lyingJson.jsonSizeOverride = 5000; // more than the frame holds: cut to the frame
    HuSimFrame upgradeFirst = HuSim_DataFrame(FRM_SRV_CDU_UPGRADE, "{}", {}, 2);
    upgradeFirst.frmType = FRM_TYPE_FIRST;
    HuSimFrame upgradeNext = HuSim_DataFrame(FRM_SRV_CDU_UPGRADE, "", {1, 2, 3, 4}, 2);
    upgradeNext.frmType = FRM_TYPE_NEXT;
    upgradeNext.frmId = 2;
    HuSimFrame upgradeSingle = HuSim_DataFrame(FRM_SRV_CDU_UPGRADE, "{}", {}, 2);
    HuSimFrame firstNotUpgrade = upgradeFirst;
    firstNotUpgrade.srvType = FRM_SRV_CDU_MUSIC;

    struct Case {
        const char*             name;
        std::vector<HuSimFrame> frames;
        std::vector<UInt08>     answeredServices; /* data acknowledgements expected, in order */
    };
    const Case cases[] = {
        {"data_size 10", {shortFrame}, {}},
        {"data_size 0", {emptyFrame}, {}},
        {"unknown frame type", {unknownType}, {}},
        {"unknown service", {unknownService}, {}},
        {"single frame of the link service", {aidSingle}, {}},
        {"control frame with the wrong call", {wrongCtrl}, {}},
        {"json_size beyond the frame", {lyingJson}, {FRM_SRV_CDU_ACCOUNT}},
        {"upgrade sequence", {upgradeFirst, upgradeNext}, {FRM_SRV_CDU_UPGRADE, FRM_SRV_CDU_UPGRADE}},
        {"next frame without an open sequence", {upgradeSingle, upgradeNext}, {FRM_SRV_CDU_UPGRADE}},
        {"first frame of another service", {firstNotUpgrade}, {}},
    };
    Client hu;
    UInt08 session = hu.Start();
    uint32_t msgNo = 100;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const HuSimFrame& f : c.frames) ASSERT_TRUE(hu.Send(f));
        ASSERT_TRUE(hu.Send(HuSim_HeartBeatFrame(++msgNo)));
        for (UInt08 srv : c.answeredServices) {
            HuSimFrame ack = hu.Read();
            EXPECT_EQ(ack.srvType, srv);
            EXPECT_EQ(ack.frmInfo, FRM_INF_DATA_ACK);
        }
        HuSimFrame beat = hu.Read();
        ExpectAnswer(beat, FRM_TYPE_CTRL, FRM_SRV_CDU_AID, FRM_INF_HEART_BEAT_ACK, RPC_CDU_HEART_BEAT, msgNo, session);
    }
    EXPECT_STREQ(SharedText(AccountInfo.CurrUsrName).c_str(), "Liar");
    EXPECT_STRNE(SharedText(MusicInfo.SongName).c_str(), "Never");
}

TEST_F(CduLink, OversizedPartsAreCutAndTheRestOfTheFrameStillArrives)
{
    Client hu;
    hu.Start();
    // 30000 bytes of JSON whose document fits the first 20479: the binary part after the dropped
    // 9521 bytes must still be the cover.
    std::string doc = MusicDoc("Padded");
    std::string json = doc + std::string(30000 - doc.size(), ' ');
    ASSERT_TRUE(hu.Send(HuSim_DataFrame(FRM_SRV_CDU_MUSIC, json, Jpeg(200, 150), 2)));
    EXPECT_EQ(hu.Read().frmInfo, FRM_INF_DATA_ACK);
    EXPECT_STREQ(SharedText(MusicInfo.SongName).c_str(), "Padded");
    EXPECT_EQ(OrvShared_Load(MusicInfo.HasCover), 1);
    EXPECT_EQ(OrvShared_Load(MusicInfo.PicWidth), 200);
    EXPECT_EQ(OrvShared_Load(MusicInfo.PicHeight), 150);

    // A document that the cut breaks is dropped, and the frame is still answered.
    std::string broken = "{\"enable\":\"1\",\"msgtype\":\"1\",\"pad\":\"" + std::string(25000, 'p') +
                         "\",\"music\":{\"song\":\"Cut\"}}";
    ASSERT_TRUE(hu.Send(HuSim_DataFrame(FRM_SRV_CDU_MUSIC, broken, {}, 3)));
    EXPECT_EQ(hu.Read().frmInfo, FRM_INF_DATA_ACK);
    EXPECT_STREQ(SharedText(MusicInfo.SongName).c_str(), "Padded");

    // A binary part beyond 1 MiB keeps its first 1 MiB (a cover at its start still decodes) and
    // the rest is drained.
    std::vector<uint8_t> big = Jpeg(120, 100);
    big.resize(MAX_RECV_BIN_SIZE + 300000, 0x5A);
    ASSERT_TRUE(hu.Send(HuSim_DataFrame(FRM_SRV_CDU_MUSIC, MusicDoc("Big"), big, 4)));
    EXPECT_EQ(hu.Read(5000).frmInfo, FRM_INF_DATA_ACK);
    EXPECT_EQ(OrvShared_Load(MusicInfo.PicWidth), 120);
    ASSERT_TRUE(hu.Send(HuSim_HeartBeatFrame(5)));
    HuSimFrame beat = hu.Read();
    EXPECT_EQ(beat.frmInfo, FRM_INF_HEART_BEAT_ACK);
    EXPECT_EQ(beat.msgNo, 5u);
}

TEST_F(CduLink, EndRequestIsAcknowledgedThenTheConnectionCloses)
{
    Client hu;
    UInt08 session = hu.Start();
    ASSERT_TRUE(hu.Send(HuSim_EndFrame(9)));
    ExpectAnswer(hu.Read(), FRM_TYPE_CTRL, FRM_SRV_CDU_AID, FRM_INF_END_ACK, RPC_CDU_SERVICE, 9, session);
    EXPECT_TRUE(HuSim_WaitClosed(hu.fd, 2000));
}

TEST_F(CduLink, PhoneActionsWaitForTheStartAndGoOutInOrder)
{
    Client hu;
    ASSERT_TRUE(WaitFor([] { return OrvShared_Load(CduComSrvPnt) >= 0x2000 && OrvShared_Load(CduComSrvPnt) != 0x2017; }, 2000));
    // Records as the phone module fills them: complete before the bit is set.
    auto fill = [](ReqBlueTooth& r, const char* name, const char* num, Int08 status) {
        SharedSetText(r.Name, name);
        SharedSetText(r.Number, num);
        OrvShared_Store(r.Status, status);
    };
    auto setBits = [](U08 bits) { __atomic_fetch_or(&BlueToothReqFlag.value, bits, __ATOMIC_SEQ_CST); };
    fill(BlueToothReqConn, "Alice", "5551234", PHONE_REQ_Conn);
    fill(BlueToothReqMute, "Alice", "5551234", PHONE_REQ_Mute);
    setBits(1u << 1 | 1u << 3);

    ASSERT_TRUE(hu.Send(HuSim_HeartBeatFrame(1)));
    EXPECT_TRUE(hu.Silent(300)) << "answers and actions wait for the start";
    ASSERT_TRUE(hu.Send(HuSim_StartFrame(2)));
    HuSimFrame start = hu.Read();
    EXPECT_EQ(start.frmInfo, FRM_INF_START_ACK);
    EXPECT_EQ(hu.Read().frmInfo, FRM_INF_HEART_BEAT_ACK);
    struct Want { const char* status; };
    for (Want w : {Want{"connect"}, Want{"mute"}}) {
        SCOPED_TRACE(w.status);
        HuSimFrame f = hu.Read();
        EXPECT_EQ(f.frmType, FRM_TYPE_SINGLE);
        EXPECT_EQ(f.srvType, FRM_SRV_ICM_BLUETOOTH);
        EXPECT_EQ(f.frmInfo, FRM_INF_DATA);
        EXPECT_EQ(f.sessionId, start.sessionId);
        EXPECT_EQ(f.rpcType, RPC_TYPE_REQ);
        EXPECT_EQ(f.rpcName, (uint32_t)RPC_ICM_BLUETOOTH);
        EXPECT_EQ(f.msgNo, 0u);
        EXPECT_EQ(f.json, std::string("{\"enable\":\"1\",\"msgtype\":\"1\",\"outcall\":{\"name\":\"Alice\",\"num\":"
                                      "\"5551234\",\"status\":\"") + w.status + "\"}}");
        EXPECT_EQ(f.dataSizeOverride, (int64_t)(16 + f.json.size()));
    }
    // The bit is cleared right after its frame went out.
    EXPECT_TRUE(WaitFor([] { return OrvShared_Load(BlueToothReqFlag.value) == 0; }, 1000));

    // An action whose record does not carry its own code is dropped and its bit cleared.
    fill(BlueToothReqConn, "Bob", "1", PHONE_REQ_Ring);
    setBits(1u << 1);
    ASSERT_TRUE(hu.Send(HuSim_HeartBeatFrame(3)));
    EXPECT_EQ(hu.Read().frmInfo, FRM_INF_HEART_BEAT_ACK);
    EXPECT_TRUE(hu.Silent(300));
    EXPECT_EQ(OrvShared_Load(BlueToothReqFlag.value), 0) << "a dropped action keeps its bit";

    // A name without its terminating zero goes out cut to the field.
    OrvShared_Fill(BlueToothReqRing.Name, 'N', sizeof(BlueToothReqRing.Name));
    SharedSetText(BlueToothReqRing.Number, "2");
    OrvShared_Store(BlueToothReqRing.Status, PHONE_REQ_Ring);
    setBits(1u << 0);
    ASSERT_TRUE(hu.Send(HuSim_HeartBeatFrame(4)));
    EXPECT_EQ(hu.Read().frmInfo, FRM_INF_HEART_BEAT_ACK);
    HuSimFrame ring = hu.Read();
    EXPECT_NE(ring.json.find("\"name\":\"" + std::string(99, 'N') + "\",\"num\":\"2\",\"status\":\"ring\""),
              std::string::npos)
        << ring.json;
}

TEST_F(CduLink, ConnectionEndPutsTheStoreBackWithCountersStepped)
{
    OrvShared_Store(OtaState, OTA_TRANSFER_SUCC);
    Client hu;
    hu.Start();
    const std::vector<std::pair<UInt08, std::string>> docs = {
        {FRM_SRV_CDU_MUSIC, MusicDoc("Song")},
        {FRM_SRV_CDU_RADIO, "{\"enable\":\"1\",\"msgtype\":\"1\",\"radio\":{\"sys\":\"FM\",\"fre\":\"1\",\"name\":\"R\"}}"},
        {FRM_SRV_CDU_NAVIGATION, "{\"enable\":\"1\",\"msgtype\":\"1\",\"nav\":{\"NavIcon\":\"3\",\"CurRoadName\":\"A\","
                                 "\"NexRoadName\":\"B\",\"SegRemainDis1\":\"1\",\"SegRemaintime1\":\"2\"}}"},
        {FRM_SRV_CDU_WEATHER, "{\"enable\":\"1\",\"msgtype\":\"1\",\"weather\":{\"city\":\"C\",\"date\":\"d\",\"wendu\":\"5\","
                              "\"type\":\"t\",\"typeid\":\"2\",\"day\":\"6\",\"night\":\"1\"}}"},
        {FRM_SRV_CDU_ACCOUNT, "{\"enable\":\"1\",\"msgtype\":\"1\",\"account\":{\"main\":\"U\"}}"},
        {FRM_SRV_CDU_NETRADIO, "{\"enable\":\"1\",\"msgtype\":\"1\",\"net_radio\":{\"fre\":\"f\",\"name\":\"n\"}}"},
    };
    uint32_t msgNo = 10;
    for (const auto& d : docs) {
        ASSERT_TRUE(hu.Send(HuSim_DataFrame(d.first, d.second, d.first == FRM_SRV_CDU_MUSIC ? Jpeg(50, 50) : std::vector<uint8_t>{}, msgNo++)));
        EXPECT_EQ(hu.Read().frmInfo, FRM_INF_DATA_ACK);
    }
    ASSERT_EQ(OrvShared_Load(MusicInfo.HasCover), 1);
    ASSERT_EQ(OrvShared_Load(CduMediaSrc), Media_Src_NetRadio);
    const UInt08 music = OrvShared_Load(MusicInfo.UpdMusic), radio = OrvShared_Load(RadioInfo.UpdRadio), nav = OrvShared_Load(NavInfo.UpdCurrRoadName),
                 wth = OrvShared_Load(WeatherInfo.UpdWth), net = OrvShared_Load(NetRadioInfo.UpdNetRadio);
    const UInt32 account = OrvShared_Load(AccountInfo.UpdAccount);
    hu.Close();
    ASSERT_TRUE(WaitFor(ServerIdle, 3000));

    EXPECT_STREQ(SharedText(MusicInfo.SongName).c_str(), "");
    EXPECT_EQ(OrvShared_Load(MusicInfo.HasCover), 0);
    EXPECT_EQ(OrvShared_Load(MusicInfo.Enable), 0);
    EXPECT_EQ(OrvShared_Load(MusicInfo.Duration), 100u);
    EXPECT_EQ(OrvShared_Load(MusicInfo.Status), PlayStatus_Stop);
    EXPECT_STREQ(SharedText(RadioInfo.Name).c_str(), "");
    EXPECT_STREQ(SharedText(NavInfo.CurrRoadName).c_str(), "");
    EXPECT_EQ(OrvShared_Load(NavInfo.NavIcon), 0);
    EXPECT_STREQ(SharedText(WeatherInfo.City).c_str(), "");
    EXPECT_EQ(OrvShared_Load(WeatherInfo.Tmp), 0);
    EXPECT_STREQ(SharedText(AccountInfo.CurrUsrName).c_str(), "");
    EXPECT_STREQ(SharedText(NetRadioInfo.Name).c_str(), "");
    EXPECT_EQ(OrvShared_Load(NetRadioInfo.Progress), 60u);
    EXPECT_EQ(OrvShared_Load(CduMediaSrc), Media_Src_None);
    EXPECT_EQ(OrvShared_Load(CduRecordState), CduRecord_Exit);
    EXPECT_NE(OrvShared_Load(MusicInfo.UpdMusic), music);
    EXPECT_NE(OrvShared_Load(RadioInfo.UpdRadio), radio);
    EXPECT_NE(OrvShared_Load(NavInfo.UpdCurrRoadName), nav);
    EXPECT_NE(OrvShared_Load(WeatherInfo.UpdWth), wth);
    EXPECT_NE(OrvShared_Load(AccountInfo.UpdAccount), account);
    EXPECT_NE(OrvShared_Load(NetRadioInfo.UpdNetRadio), net);
    EXPECT_EQ(OrvShared_Load(OtaState), OTA_TRANSFER_SUCC) << "the upgrade state outlives the connection";
    OrvShared_Store(OtaState, OTA_Normal);
}

// Hostile head units: each one does its worst and leaves, and the next head unit is served.
TEST_F(CduLink, HostileHeadUnitsDoNotHurtTheNextOne)
{
    std::vector<uint8_t> garbage(4096);
    uint32_t x = 12345;
    for (auto& b : garbage) b = (uint8_t)((x = x * 1103515245u + 12345u) >> 24);
    HuSimFrame huge = HuSim_DataFrame(FRM_SRV_CDU_MUSIC, MusicDoc("Huge"), std::vector<uint8_t>(3000, 1), 1);
    huge.dataSizeOverride = 0xFFFFFFFFll; // 4 GiB announced, 3 KB sent
    std::vector<uint8_t> truncated = HuSim_FrameBytes(HuSim_DataFrame(FRM_SRV_CDU_MUSIC, MusicDoc("Cut"), {}, 1));
    truncated.resize(truncated.size() / 2);
    const std::string deep = "{\"enable\":\"1\",\"msgtype\":\"1\",\"music\":" + std::string(9000, '[') + "}";

    struct Case {
        const char*          name;
        std::vector<uint8_t> bytes;
        bool                 deepDoc; /* send the nested document and expect its answer */
    };
    const Case cases[] = {
        {"garbage", garbage, false},
        {"4 GiB data_size", HuSim_FrameBytes(huge), false},
        {"truncated frame", truncated, false},
        {"JSON nested 9000 deep", {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        {
            Client bad;
            ASSERT_GE(bad.fd, 0);
            if (c.deepDoc) {
                bad.Start();
                ASSERT_TRUE(bad.Send(HuSim_DataFrame(FRM_SRV_CDU_MUSIC, deep, {}, 2)));
                EXPECT_EQ(bad.Read().frmInfo, FRM_INF_DATA_ACK);
            } else {
                ASSERT_TRUE(bad.SendBytes(c.bytes));
            }
        }
        ASSERT_TRUE(WaitFor(ServerIdle, 3000));
        Client next;
        ASSERT_GE(next.fd, 0);
        next.Start();
        ASSERT_TRUE(next.Send(HuSim_DataFrame(FRM_SRV_CDU_MUSIC, MusicDoc("Fine"), {}, 2)));
        EXPECT_EQ(next.Read().frmInfo, FRM_INF_DATA_ACK);
        EXPECT_STREQ(SharedText(MusicInfo.SongName).c_str(), "Fine");
        next.Close();
        ASSERT_TRUE(WaitFor(ServerIdle, 3000));
    }
}

TEST_F(CduLink, HeadUnitThatNeverReadsIsDropped)
{
    {
        Client deaf(4096);
        ASSERT_GE(deaf.fd, 0);
        ASSERT_TRUE(deaf.Send(HuSim_StartFrame(1)));
        // Heartbeats in bulk, never reading an answer: the cluster's sends fall short at some point
        // and it ends the connection instead of waiting for this peer.
        std::vector<uint8_t> burst;
        for (int i = 0; i < 2048; i++) {
            auto b = HuSim_FrameBytes(HuSim_HeartBeatFrame((uint32_t)i));
            burst.insert(burst.end(), b.begin(), b.end());
        }
        auto start = Clock::now();
        bool dropped = false;
        while (!dropped && MsSince(start) < 30000) dropped = !deaf.SendBytes(burst);
        EXPECT_TRUE(dropped);
    }
    ASSERT_TRUE(WaitFor(ServerIdle, 3000));
    Client next;
    next.Start();
}

// The long one: heartbeats every 5 s keep a connection open for 20 s, the voice assistant falls
// back to its exit state after 18 s without a report, and nine silent seconds close it.
TEST_F(CduLink, HeartbeatsKeepItOpenVoiceFallsBackSilenceCloses)
{
    Client hu;
    OrvShared_Store(cduRecordStateUpd, 1); // restart the fall-back count with this connection
    hu.Start();
    OrvShared_Store(CduRecordState, CduRecord_Listening);
    auto start = Clock::now();
    for (int beat = 1; beat <= 4; beat++) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5000 * beat - MsSince(start)));
        if (beat == 3) {
            EXPECT_EQ(OrvShared_Load(CduRecordState), CduRecord_Listening) << "fell back before 18 s";
        }
        ASSERT_TRUE(hu.Send(HuSim_HeartBeatFrame((uint32_t)beat)));
        HuSimFrame ack = hu.Read();
        EXPECT_EQ(ack.frmInfo, FRM_INF_HEART_BEAT_ACK);
    }
    EXPECT_TRUE(WaitFor([] { return OrvShared_Load(CduRecordState) == CduRecord_Exit; }, 1500)) << "no fall-back after 20 s";
    auto silent = Clock::now();
    EXPECT_TRUE(HuSim_WaitClosed(hu.fd, 12000));
    long long closedAfter = MsSince(silent);
    EXPECT_GE(closedAfter, 8000);
    EXPECT_LE(closedAfter, 11000);
}

TEST_F(CduLink, MonitorBreaksAStuckConnectionWhenAnotherHeadUnitWaits)
{
    Client stuck;
    stuck.Start();
    // Half a frame header, then nothing: the worker waits inside the frame.
    std::vector<uint8_t> part = HuSim_FrameBytes(HuSim_HeartBeatFrame(2));
    part.resize(7);
    ASSERT_TRUE(stuck.SendBytes(part));
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));

    Client second;
    ASSERT_GE(second.fd, 0);
    auto waiting = Clock::now();
    ASSERT_TRUE(second.Send(HuSim_StartFrame(1)));
    EXPECT_TRUE(HuSim_WaitClosed(stuck.fd, 8000));
    long long brokenAfter = MsSince(waiting);
    EXPECT_GE(brokenAfter, 3500);
    EXPECT_LE(brokenAfter, 6500);
    HuSimFrame ack = second.Read(2000);
    EXPECT_EQ(ack.frmInfo, FRM_INF_START_ACK);
}

} // namespace

// The upgrade transfer end to end: the real link task on the IPv6 loopback, a simulated head unit,
// RSA keys made here, and the package files under a temporary CLUSTER_OTA_ROOT. Covers the
// announcement's signature check, the pieces, the final MD5 check of the file, the OtaState log
// lines, and that no text of the head unit is ever executed. A failed check pauses 1500 ms, so
// the failing cases take a few seconds.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "HuSimClient.h"
#include "HuSimLocalLink.h"
#include "HuSimUpgrade.h"
#include "OrvTask/CduCommunication.h"
#include "Protocol/Cdu_TCP.h"
#include "Protocol/Cdu_TCP_App.h"
#include "support/LinkWait.h"
#include "support/SharedText.h"

namespace {

bool Exists(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

std::vector<uint8_t> ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string OtaPath(UInt08 which)
{
    char p[600];
    EXPECT_EQ(CDU_TCP_OtaPath(which, p, sizeof(p)), 1);
    return p;
}

std::vector<uint8_t> Package(size_t n, uint32_t seed)
{
    std::vector<uint8_t> b(n);
    for (uint8_t& x : b) x = (uint8_t)((seed = seed * 1103515245u + 12345u) >> 16);
    return b;
}

// Only the OtaState lines of captured output.
std::string OtaLines(const std::string& out)
{
    std::string lines;
    size_t at = 0;
    while (at < out.size()) {
        size_t end = out.find('\n', at);
        if (end == std::string::npos) end = out.size();
        std::string line = out.substr(at, end - at);
        if (line.find("OtaState Update") != std::string::npos) lines += line + "\n";
        at = end + 1;
    }
    return lines;
}

std::string gRoot, gPrivate, gOtherPrivate;

struct HeadUnit {
    int      fd = -1;
    uint32_t msgNo = 1;
    HeadUnit()
    {
        fd = HuSim_Connect("::1", CDUC_Task_ListenPort());
        HuSimFrame ack;
        if (fd < 0 || !HuSim_SendFrame(fd, HuSim_StartFrame(msgNo++)) || HuSim_ReadFrame(fd, &ack, 2000) != 1 ||
            ack.frmInfo != FRM_INF_START_ACK)
            ADD_FAILURE() << "no session";
    }
    ~HeadUnit() { Close(); }
    void Close()
    {
        if (fd >= 0) close(fd);
        fd = -1;
        WaitFor(ServerIdle, 5000);
    }
    // Sends a frame and waits for the data acknowledgement of its service.
    bool SendAcked(const HuSimFrame& f)
    {
        if (!HuSim_SendFrame(fd, f)) return false;
        HuSimFrame in;
        while (HuSim_ReadFrame(fd, &in, 10000) == 1)
            if (in.frmInfo == FRM_INF_DATA_ACK && in.srvType == f.srvType) return true;
        return false;
    }
    // Sends a frame the cluster ignores: the heartbeat after it is answered as the very next frame.
    bool SendIgnored(const HuSimFrame& f)
    {
        uint32_t beat = msgNo++;
        HuSimFrame in;
        return HuSim_SendFrame(fd, f) && HuSim_SendFrame(fd, HuSim_HeartBeatFrame(beat)) &&
               HuSim_ReadFrame(fd, &in, 3000) == 1 && in.frmInfo == FRM_INF_HEART_BEAT_ACK && in.msgNo == beat;
    }
    bool SendAllAcked(const std::vector<HuSimFrame>& frames)
    {
        for (const HuSimFrame& f : frames)
            if (!SendAcked(f)) return false;
        return true;
    }
};

// Four pieces of different sizes: the announcement carries the first, three next frames the rest.
const std::vector<size_t> kPieces = {700, 1000, 1000, 333};

std::vector<HuSimFrame> FourPieceFrames(const std::vector<uint8_t>& package, const std::string& md5,
                                        const std::vector<uint8_t>& sign)
{
    std::string doc = HuSim_UpgradeAnnouncement(md5, (uint32_t)package.size(), sign);
    std::vector<HuSimFrame> frames;
    size_t at = 0;
    for (size_t i = 0; i < kPieces.size(); i++) {
        HuSimFrame f = HuSim_DataFrame(FRM_SRV_CDU_UPGRADE, i == 0 ? doc : "",
                                       std::vector<uint8_t>(package.begin() + at, package.begin() + at + kPieces[i]),
                                       100 + (uint32_t)i);
        f.frmType = i == 0 ? FRM_TYPE_FIRST : FRM_TYPE_NEXT;
        f.frmId = (uint8_t)(i == 0 ? 1 : i + 1 == kPieces.size() ? (size_t)FRM_SEQ_END : i + 1);
        frames.push_back(f);
        at += kPieces[i];
    }
    return frames;
}

size_t PackageSize()
{
    size_t n = 0;
    for (size_t p : kPieces) n += p;
    return n;
}

class OtaUpgrade : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        char dir[] = "/tmp/ota_test_XXXXXX";
        ASSERT_NE(mkdtemp(dir), nullptr);
        gRoot = dir;
        setenv("CLUSTER_OTA_ROOT", dir, 1);
        mkdir((gRoot + "/root").c_str(), 0755);
        mkdir((gRoot + "/root/app").c_str(), 0755);
        gPrivate = gRoot + "/private.pem";
        gOtherPrivate = gRoot + "/other.pem";
        ASSERT_TRUE(HuSim_MakeRsaKeyPair(2048, gPrivate, OtaPath(OTA_PATH_PUBKEY)));
        ASSERT_TRUE(HuSim_MakeRsaKeyPair(2048, gOtherPrivate, ""));

        ASSERT_NE(HuSim_StartLocalLink(3000), 0);
        ASSERT_EQ(gCduCommunication.GetState(), OrvTask_Running);
    }
    static void TearDownTestSuite()
    {
        gCduCommunication.Stop();
        gCduCommunication.DeInit();
        std::string cmd = "rm -rf '" + gRoot + "'";
        EXPECT_EQ(system(cmd.c_str()), 0);
    }
    void SetUp() override
    {
        ASSERT_TRUE(WaitFor(ServerIdle, 5000));
        OrvShared_Store(OtaState, OTA_Normal);
        unlink(OtaPath(OTA_PATH_PACKAGE).c_str());
        unlink(OtaPath(OTA_PATH_SIGN).c_str());
        rmdir((gRoot + "/data/ota_download").c_str());
        rmdir((gRoot + "/data").c_str());
    }
};

TEST_F(OtaUpgrade, MatchingPackageEndsInTransferSuccess)
{
    // The check text may come in either case.
    for (bool upper : {false, true}) {
        SCOPED_TRACE(upper ? "upper-case text" : "lower-case text");
        SetUp();
        std::vector<uint8_t> package = Package(PackageSize(), upper ? 2 : 1);
        std::string md5 = HuSim_Md5Hex(package.data(), package.size());
        if (upper)
            for (char& c : md5) c = (char)toupper((unsigned char)c);
        std::vector<uint8_t> sign = HuSim_SignMd5Text(gPrivate, md5);
        ASSERT_EQ(sign.size(), 256u);

        HeadUnit hu;
        testing::internal::CaptureStdout();
        bool sent = hu.SendAllAcked(FourPieceFrames(package, md5, sign));
        std::string out = testing::internal::GetCapturedStdout();
        ASSERT_TRUE(sent);
        EXPECT_EQ(OrvShared_Load(OtaState), OTA_TRANSFER_SUCC);
        EXPECT_EQ(OrvShared_Load(UpgradeInfo.RecvSize), (UInt32)PackageSize()) << "the sum of the four pieces";
        EXPECT_EQ(OrvShared_Load(UpgradeInfo.FileSize), (UInt32)PackageSize());
        EXPECT_EQ(OtaLines(out), "   OtaState Update[0]->[4]\n   OtaState Update[4]->[8]\n"
                                 "   OtaState Update[8]->[1]\n   OtaState Update[1]->[3]\n")
            << "each change once, in order; setting the same state again logs nothing";
        EXPECT_EQ(ReadAll(OtaPath(OTA_PATH_PACKAGE)), package) << "the download folder is made and the file written";
        EXPECT_EQ(ReadAll(OtaPath(OTA_PATH_SIGN)), sign);
        hu.Close();
        EXPECT_EQ(OrvShared_Load(OtaState), OTA_TRANSFER_SUCC) << "the outcome outlives the connection";
    }
}

TEST_F(OtaUpgrade, OneAlteredByteEndsInMd5Mismatch)
{
    std::vector<uint8_t> package = Package(PackageSize(), 3);
    std::string md5 = HuSim_Md5Hex(package.data(), package.size());
    std::vector<uint8_t> sign = HuSim_SignMd5Text(gPrivate, md5);
    std::vector<HuSimFrame> frames = FourPieceFrames(package, md5, sign);
    frames[2].bin[17] ^= 0x01;
    HeadUnit hu;
    testing::internal::CaptureStdout();
    bool sent = hu.SendAllAcked(frames);
    std::string out = testing::internal::GetCapturedStdout();
    ASSERT_TRUE(sent);
    EXPECT_EQ(OrvShared_Load(OtaState), OTA_DATA_MD5_UNMATCH);
    EXPECT_NE(OtaLines(out).find("   OtaState Update[1]->[17]\n"), std::string::npos) << out;
}

TEST_F(OtaUpgrade, WrongSignatureIsRefusedAndWritesNoPackage)
{
    std::vector<uint8_t> package = Package(PackageSize(), 4);
    std::string md5 = HuSim_Md5Hex(package.data(), package.size());
    std::vector<uint8_t> sign = HuSim_SignMd5Text(gOtherPrivate, md5);
    HeadUnit hu;
    ASSERT_TRUE(hu.SendAllAcked(FourPieceFrames(package, md5, sign)));
    EXPECT_EQ(OrvShared_Load(OtaState), OTA_DECRYPT_FAIL) << "no MD5 check follows a refused announcement";
    EXPECT_FALSE(Exists(OtaPath(OTA_PATH_PACKAGE)));
    EXPECT_EQ(OrvShared_Load(UpgradeInfo.Md5), nullptr);
    EXPECT_EQ(OrvShared_Load(UpgradeInfo.Sign), nullptr);
    EXPECT_EQ(OrvShared_Load(UpgradeInfo.RecvSize), (UInt32)(PackageSize() - kPieces[0])) << "later pieces are only counted";
}

TEST_F(OtaUpgrade, BrokenAnnouncementsChangeNothing)
{
    std::vector<uint8_t> package = Package(PackageSize(), 5);
    std::string md5 = HuSim_Md5Hex(package.data(), package.size());
    std::vector<uint8_t> sign = HuSim_SignMd5Text(gPrivate, md5);
    std::vector<uint8_t> sign255(sign.begin(), sign.end() - 1);
    const std::string good = HuSim_UpgradeAnnouncement(md5, (uint32_t)package.size(), sign);
    struct Case {
        const char* name;
        std::string doc;
    };
    const Case cases[] = {
        {"a sign of 255 elements", HuSim_UpgradeAnnouncement(md5, (uint32_t)package.size(), sign255)},
        {"no fileSize", "{\"md5\":\"" + md5 + "\",\"sign\":" + good.substr(good.find('[')) },
        {"md5 not a string", "{\"md5\":5,\"fileSize\":3," + good.substr(good.find("\"sign\""))},
        {"no JSON at all", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HeadUnit hu; // a connection of its own: the reset at its end clears RecvSize
        std::vector<HuSimFrame> frames = FourPieceFrames(package, md5, sign);
        frames[0].json = c.doc;
        testing::internal::CaptureStdout();
        bool sent = hu.SendAcked(frames[0]);
        std::string out = testing::internal::GetCapturedStdout();
        EXPECT_TRUE(sent) << "every upgrade frame is acknowledged";
        EXPECT_EQ(OrvShared_Load(OtaState), OTA_Normal);
        EXPECT_EQ(OtaLines(out), "");
        EXPECT_FALSE(Exists(OtaPath(OTA_PATH_SIGN))) << "the signature is stored only from a whole announcement";
        EXPECT_EQ(OrvShared_Load(UpgradeInfo.RecvSize), 0u);
        EXPECT_EQ(OrvShared_Load(UpgradeInfo.Sign), nullptr);
        // The pieces after it have no file to go to and no text to be checked against.
        EXPECT_TRUE(hu.SendAllAcked(std::vector<HuSimFrame>(frames.begin() + 1, frames.end())));
        EXPECT_EQ(OrvShared_Load(OtaState), OTA_Normal);
        EXPECT_FALSE(Exists(OtaPath(OTA_PATH_PACKAGE)));
    }
}

TEST_F(OtaUpgrade, NextFramesWithoutAFirstFrameAreIgnored)
{
    std::vector<uint8_t> package = Package(PackageSize(), 6);
    std::string md5 = HuSim_Md5Hex(package.data(), package.size());
    std::vector<HuSimFrame> frames = FourPieceFrames(package, md5, HuSim_SignMd5Text(gPrivate, md5));
    HeadUnit hu;
    for (size_t i = 1; i < frames.size(); i++) EXPECT_TRUE(hu.SendIgnored(frames[i])) << "next frame " << i;
    EXPECT_EQ(OrvShared_Load(OtaState), OTA_Normal);
    EXPECT_EQ(OrvShared_Load(UpgradeInfo.RecvSize), 0u);
    EXPECT_FALSE(Exists(OtaPath(OTA_PATH_PACKAGE)));

    // An announcement in a single frame closes the sequence: its piece is written, the next
    // frames after it are ignored and the file is not checked.
    HuSimFrame single = frames[0];
    single.frmType = FRM_TYPE_SINGLE;
    ASSERT_TRUE(hu.SendAcked(single));
    for (size_t i = 1; i < frames.size(); i++) EXPECT_TRUE(hu.SendIgnored(frames[i])) << "next frame " << i;
    EXPECT_EQ(OrvShared_Load(OtaState), OTA_TRANSFERING);
    EXPECT_EQ(OrvShared_Load(UpgradeInfo.RecvSize), (UInt32)kPieces[0]);
}

TEST_F(OtaUpgrade, ShellMetacharactersInTheTextFailAndRunNothing)
{
    const std::string mark = gRoot + "/ran";
    const std::string texts[] = {
        "$(touch " + mark + "1)",
        "`touch " + mark + "2`",
        "0123456789abcdef;touch " + mark + "3",
        "0123456789abcdef|touch " + mark + "4",
        "$(touch /tmp/x)",
    };
    const bool tmpXBefore = Exists("/tmp/x");
    std::vector<uint8_t> package = Package(PackageSize(), 7);
    HeadUnit hu;
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        OrvShared_Store(OtaState, OTA_Normal);
        // Signed with the right key: only the text itself can make it fail.
        std::vector<uint8_t> sign = HuSim_SignMd5Text(gPrivate, text);
        ASSERT_TRUE(hu.SendAllAcked(FourPieceFrames(package, text, sign)));
        EXPECT_EQ(OrvShared_Load(OtaState), OTA_DECRYPT_FAIL);
        EXPECT_FALSE(Exists(OtaPath(OTA_PATH_PACKAGE)));
    }
    for (int i = 1; i <= 4; i++) EXPECT_FALSE(Exists(mark + std::to_string(i))) << "something ran a command";
    if (!tmpXBefore) {
        EXPECT_FALSE(Exists("/tmp/x")) << "something ran a command";
    }
}

TEST_F(OtaUpgrade, ConnectionDroppedMidTransferKeepsTransfering)
{
    std::vector<uint8_t> package = Package(PackageSize(), 8);
    std::string md5 = HuSim_Md5Hex(package.data(), package.size());
    std::vector<HuSimFrame> frames = FourPieceFrames(package, md5, HuSim_SignMd5Text(gPrivate, md5));
    HeadUnit hu;
    ASSERT_TRUE(hu.SendAllAcked(std::vector<HuSimFrame>(frames.begin(), frames.begin() + 2)));
    EXPECT_EQ(OrvShared_Load(UpgradeInfo.RecvSize), (UInt32)(kPieces[0] + kPieces[1]));
    hu.Close();
    EXPECT_EQ(OrvShared_Load(OtaState), OTA_TRANSFERING);
    EXPECT_EQ(OrvShared_Load(UpgradeInfo.RecvSize), 0u);
    EXPECT_EQ(OrvShared_Load(UpgradeInfo.Md5), nullptr);
    EXPECT_EQ(ReadAll(OtaPath(OTA_PATH_PACKAGE)).size(), kPieces[0] + kPieces[1])
        << "the file is closed with what had arrived";

    // A next frame on a new connection belongs to no transfer.
    HeadUnit again;
    EXPECT_TRUE(again.SendIgnored(frames[2]));
    EXPECT_EQ(OrvShared_Load(UpgradeInfo.RecvSize), 0u);
}

TEST_F(OtaUpgrade, NotificationOfAnUnknownSegmentIsStillAcknowledged)
{
    HeadUnit hu;
    EXPECT_TRUE(hu.SendAcked(HuSim_DataFrame(FRM_SRV_CDU_NOTIFICATION,
                                             "{\"enable\":\"1\",\"msgtype\":\"1\",\"notify\":{\"MsgIndex\":\"7\"}}", {},
                                             9)));
}

// The checks on their own: the text must be the file's whole digest, either case.
TEST_F(OtaUpgrade, FileCheckComparesTheWholeText)
{
    ASSERT_TRUE(WaitFor(ServerIdle, 3000));
    std::vector<uint8_t> package = Package(5000, 9);
    std::string md5 = HuSim_Md5Hex(package.data(), package.size());
    std::string upper = md5;
    for (char& c : upper) c = (char)toupper((unsigned char)c);
    mkdir((gRoot + "/data").c_str(), 0755);
    mkdir((gRoot + "/data/ota_download").c_str(), 0755);
    {
        std::ofstream out(OtaPath(OTA_PATH_PACKAGE), std::ios::binary);
        out.write((const char*)package.data(), (std::streamsize)package.size());
    }
    struct Case {
        std::string text;
        Int08       result;
    };
    const Case cases[] = {
        {md5, 1},
        {upper, 1},
        {md5.substr(0, 8), 0},
        {md5 + "0", 0},
        {md5.substr(1) + "g", 0},
        {"", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(OtaDataFileMd5Verify((const Int08*)c.text.c_str()), c.result);
    }
    EXPECT_EQ(OtaDataFileMd5Verify(nullptr), 0);
}

// A signature made by the OpenSSL command line the existing way (`echo TEXT | openssl pkeyutl
// -sign`) is byte for byte the one the simulator makes, and the cluster accepts it.
TEST_F(OtaUpgrade, SignatureOfTheCommandLineToolVerifies)
{
    if (system("command -v openssl >/dev/null 2>&1") != 0) GTEST_SKIP() << "no openssl command line tool";
    const std::string md5 = "0123456789abcdef0123456789ABCDEF";
    const std::string sigPath = gRoot + "/cli.sig";
    std::string cmd = "echo " + md5 + " | openssl pkeyutl -sign -inkey '" + gPrivate + "' -out '" + sigPath + "'";
    ASSERT_EQ(system(cmd.c_str()), 0);
    std::vector<uint8_t> cli = ReadAll(sigPath);
    EXPECT_EQ(cli, HuSim_SignMd5Text(gPrivate, md5));
    ASSERT_EQ(cli.size(), 256u);
    EXPECT_EQ(OtaStoreAndVerify((const Int08*)md5.c_str(), (const Int08*)cli.data(), 256), 1);
    cli[100] ^= 0x40;
    EXPECT_EQ(OtaStoreAndVerify((const Int08*)md5.c_str(), (const Int08*)cli.data(), 256), 0);
}

} // namespace

// The main-board worker with its frame-entry window under a real X server, fed over the bus: a
// frame sent to the bus is decoded and answered by the worker, and its field shows the new bytes
// without the status line treating them as typed input; a burst of garbage leaves the window
// answering the keyboard.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <cstdlib>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

#include "OrvTask/MainBoardCommunication.h"
#include "Protocol/MainBoard_Bus.h"
#include "Protocol/MainBoard_IIC_App.h"
#include "lib/OrvShared.h"
#include "platform/OrvPlatform.h"
#include "support/LoopbackPort.h"
#include "support/TestWait.h"
#include "support/XDriver.h"

namespace {

int Connect(UInt16 port)
{
    int fd = socket(AF_INET6, SOCK_DGRAM, 0);
    struct sockaddr_in6 a = {};
    a.sin6_family = AF_INET6;
    a.sin6_port = htons(port);
    a.sin6_addr = in6addr_loopback;
    connect(fd, reinterpret_cast<struct sockaddr*>(&a), sizeof a);
    return fd;
}

void SendFrame(int fd, UInt08 id, const std::vector<UInt08>& data8)
{
    UInt08 dgram[MB_BUS_DGRAM_LEN];
    MB_BUS_PackFrame(id, data8.data(), dgram);
    send(fd, dgram, sizeof dgram, 0);
}

// The next answer, waiting up to timeoutMs; empty when none came.
std::vector<UInt08> AwaitAnswer(int fd, int timeoutMs)
{
    struct pollfd p = {fd, POLLIN, 0};
    if (poll(&p, 1, timeoutMs) != 1) return {};
    UInt08 buf[64];
    ssize_t n = recv(fd, buf, sizeof buf, 0);
    return n < 0 ? std::vector<UInt08>() : std::vector<UInt08>(buf, buf + n);
}

std::string Field(UInt08 frame)
{
    char text[64] = "";
    MBC_Task_ReadField(frame, text, sizeof text);
    return text;
}

std::string StatusLine()
{
    char text[1000] = "";
    MBC_Task_ReadStatusLine(text, sizeof text);
    return text;
}

class BusWindowTest : public ::testing::Test {
protected:
    UInt16 port = 0;
    unsigned long window = 0;

    void SetUp() override
    {
        OrvPlat_InitProcess("test_mainboard_bus_window");
        port = (UInt16)LoopbackFreeUdpPort();
        setenv(MB_BUS_ENV_ADDR, ("[::1]:" + std::to_string(port)).c_str(), 1);
        OrvShared_Store(globAppQuit, 0);
        ASSERT_EQ(gMainBoardCommunication.Init(), 1);
        gMainBoardCommunication.Excute();
        window = XDrv_FindWindow("ComCtrl", 5000);
        ASSERT_NE(window, 0u);
        // The worker opens the bus once its window is built.
        ASSERT_TRUE(WaitFor([] { return MB_BUS_IsOpen() == 1; }));
    }

    void TearDown() override
    {
        if (gMainBoardCommunication.GetState() == OrvTask_Running) gMainBoardCommunication.Stop();
        gMainBoardCommunication.DeInit();
        unsetenv(MB_BUS_ENV_ADDR);
    }
};

}  // namespace

TEST_F(BusWindowTest, BusFrameIsDecodedAnsweredAndShownInItsField)
{
    int board = Connect(port);
    std::string statusBefore = StatusLine();
    ASSERT_EQ(Field(0x00), "09 40 04 C1 04 F7 38 E0") << "the window's own start picture";

    SendFrame(board, 0x00, {0x78, 0x50, 0x00, 0x7D, 0x01, 0x40, 0x09, 0x32});
    std::vector<UInt08> answer = AwaitAnswer(board, 5000);
    ASSERT_EQ(answer.size(), (size_t)MB_BUS_DGRAM_LEN) << "the worker serves the bus";
    EXPECT_EQ(answer[0], 0x00);
    EXPECT_EQ(answer[9], MB_BUS_Checksum(answer[0], answer.data() + 1));
    EXPECT_EQ(OrvShared_Load(Speed), 0x78);
    EXPECT_EQ(OrvShared_Load(Gear), GEAR_D);
    EXPECT_TRUE(WaitFor([] { return Field(0x00) == "78 50 00 7D 01 40 09 32"; }, 2000)) << Field(0x00);

    // Field 0x0E feeds no signal, but it shows its frame too.
    SendFrame(board, 0x0E, {0xA0, 0xB1, 0xC2, 0xD3, 0xE4, 0xF5, 0x06, 0x17});
    EXPECT_EQ(AwaitAnswer(board, 5000).size(), (size_t)MB_BUS_DGRAM_LEN);
    EXPECT_TRUE(WaitFor([] { return Field(0x0E) == "A0 B1 C2 D3 E4 F5 06 17"; }, 2000)) << Field(0x0E);

    // Typed input would have written "F_0x00 :..." into the status line.
    EXPECT_EQ(StatusLine(), statusBefore);
    EXPECT_EQ(OrvShared_Load(Speed), 0x78) << "the new text was not parsed back over the frame";
    close(board);
}

TEST_F(BusWindowTest, WindowAnswersTheKeyboardDuringAGarbageBurst)
{
    int board = Connect(port);
    SendFrame(board, 0x00, {0x32, 0x40, 0x00, 0x7D, 0x01, 0x40, 0x09, 0x32});
    ASSERT_EQ(AwaitAnswer(board, 5000).size(), (size_t)MB_BUS_DGRAM_LEN);

    UInt08 junk[MB_BUS_DGRAM_LEN] = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x00};
    for (int i = 0; i < 100000; i++) {
        junk[1] = (UInt08)i;
        junk[9] = (UInt08)(MB_BUS_Checksum(junk[0], junk + 1) + 1);  // wrong on purpose
        send(board, junk, sizeof junk, 0);
        if (i == 50000) XDrv_PressKey(window, "Escape");
    }
    // Escape ends the worker; the task then stops at once instead of waiting out its time-out.
    EXPECT_TRUE(WaitFor([] { return OrvShared_Load(globAppQuit) == 1; }));
    gMainBoardCommunication.Stop();
    EXPECT_EQ(gMainBoardCommunication.GetState(), OrvTask_Stop);
    EXPECT_EQ(OrvShared_Load(Speed), 0x32) << "no garbage reached the signals";
    EXPECT_TRUE(AwaitAnswer(board, 100).empty()) << "and none was answered";
    close(board);
}

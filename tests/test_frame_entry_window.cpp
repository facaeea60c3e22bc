// The frame-entry window, driven from outside through the X server: typed frames reach the
// signals at once, field 0x0E feeds nothing, refused entries keep the stored bytes and say why,
// any other window event decodes the stored frames again, and Escape, the close box and a stop
// request end the worker.
#include <gtest/gtest.h>

#include <string.h>

#include <functional>
#include <string>

#include "OrvTask/MainBoardCommunication.h"
#include "Protocol/MainBoard_IIC_App.h"
#include "Protocol/MainBoard_IIC_Sys.h"
#include "lib/OrvShared.h"
#include "support/MbSignalSnapshot.h"
#include "support/TestWait.h"
#include "support/XDriver.h"

namespace {

std::string StatusLine(void)
{
    char text[1000];
    return MBC_Task_ReadStatusLine(text, sizeof(text)) < 0 ? std::string("<no window>") : std::string(text);
}

class FrameEntryWindow : public testing::Test {
protected:
    static void SetUpTestSuite() { OrvPlat_InitProcess("test_frame_entry_window"); }

    void SetUp() override
    {
        OrvShared_Store(globAppQuit, 0);
        ASSERT_EQ(gMainBoardCommunication.Init(), 1);
        gMainBoardCommunication.Excute();
        window = XDrv_FindWindow("ComCtrl", 10000);
        ASSERT_NE(window, 0u) << "the frame-entry window did not appear";
        XDrv_Geometry g{};
        ASSERT_TRUE(XDrv_GetGeometry(window, &g));
        originX = g.x;
        originY = g.y;
        XDrv_Focus(window);
    }

    void TearDown() override
    {
        if (gMainBoardCommunication.GetState() == OrvTask_Running) {
            gMainBoardCommunication.TryStop();
            gMainBoardCommunication.Stop();
        }
        gMainBoardCommunication.DeInit();
        OrvShared_Store(globAppQuit, 0);
    }

    // Replaces the text of field i by typing, as a user would: click, select all, type.
    void TypeIntoField(int i, const char* text)
    {
        XDrv_Click(originX + 61 + 100, originY + 29 + 19 * i + 7);
        XDrv_PressKey(window, "a", true);
        XDrv_Type(text);
    }

    unsigned long window = 0;
    int      originX = 0, originY = 0;
};

TEST_F(FrameEntryWindow, TypedFramesChangeTheSignals)
{
    // The initial texts were decoded while the window was built, before the status line existed.
    EXPECT_TRUE(WaitFor([] { return OrvShared_Load(Speed) == 0x09 && OrvShared_Load(Battery) == 0x40; }))
        << "Speed " << (int)OrvShared_Load(Speed);
    EXPECT_EQ(StatusLine(), "status");
    EXPECT_EQ(OrvShared_Load(srcDataBuf[0x0D][0].value), 0x50);
    EXPECT_EQ(OrvShared_Load(srcDataBuf[0x0E][0].value), 0x00);

    TypeIntoField(0, "78 5");
    EXPECT_TRUE(WaitFor([] { return OrvShared_Load(Speed) == 0x78 && OrvShared_Load(Battery) == 0x50; }))
        << "Speed " << (int)OrvShared_Load(Speed) << " Battery " << (int)OrvShared_Load(Battery);
    EXPECT_TRUE(WaitFor([] { return StatusLine() == "F_0x00 :78 50 00 00 00 00 00 00"; })) << StatusLine();

    TypeIntoField(2, "1 2 3");
    EXPECT_TRUE(WaitFor([] { return StatusLine() == "F_0x02 :10 20 30 00 00 00 00 00"; })) << StatusLine();
    const UInt08 frame2[8] = {0x10, 0x20, 0x30, 0, 0, 0, 0, 0};
    for (int k = 0; k < 8; ++k) EXPECT_EQ(OrvShared_Load(srcDataBuf[2][k].value), frame2[k]) << "byte " << k;
    EXPECT_EQ(OrvShared_Load(DateDay), 0x10 + 1);
    EXPECT_EQ(OrvShared_Load(DateMonth), 0x0 + 1);

    // Field 0x0E takes the text but feeds nothing. A frame typed afterwards into field 0x05 shows
    // when everything before it has been handled.
    MbSignalSnapshot before = MbTakeSnapshot();
    TypeIntoField(14, "ff ff ff ff ff ff ff ff");
    TypeIntoField(5, "22");
    EXPECT_TRUE(WaitFor([] { return OrvShared_Load(RadarSpacingF1) == 0x22; }));
    for (int k = 0; k < 8; ++k) EXPECT_EQ(OrvShared_Load(srcDataBuf[14][k].value), 0) << "byte " << k;
    std::vector<std::string> changed = MbChangedSignals(before, MbTakeSnapshot());
    EXPECT_EQ(changed, (std::vector<std::string>{"RadarSpacingF1", "RadarSpacingF2", "RadarSpacingF3",
                                                 "RadarSpacingF4", "RadarSpacingB1", "RadarSpacingB2",
                                                 "RadarSpacingB3", "RadarSpacingB4"}));
    EXPECT_TRUE(WaitFor([] { return StatusLine() == "F_0x05 :22 00 00 00 00 00 00 00"; })) << StatusLine();
}

TEST_F(FrameEntryWindow, RefusedEntryKeepsTheStoredBytesAndSaysWhy)
{
    TypeIntoField(0, "64");
    ASSERT_TRUE(WaitFor([] { return OrvShared_Load(Speed) == 0x64; }));
    TypeIntoField(0, "0x12");  // the field turns x into X
    EXPECT_TRUE(WaitFor([] { return StatusLine() == "F_0x00 :rejected, 'X' is not a hex digit"; }))
        << StatusLine();
    // "0" was the last accepted text of the field: its bytes stay stored.
    EXPECT_EQ(OrvShared_Load(srcDataBuf[0][0].value), 0x00);
    EXPECT_EQ(OrvShared_Load(Speed), 0);

    TypeIntoField(1, "1ff");
    EXPECT_TRUE(WaitFor([] { return StatusLine() == "F_0x01 :rejected, 1FF is above FF"; })) << StatusLine();
    EXPECT_EQ(OrvShared_Load(srcDataBuf[1][0].value), 0x1F) << "the bytes of \"1F\" stay";
}

TEST_F(FrameEntryWindow, OtherWindowEventsDecodeTheStoredFramesAgain)
{
    ASSERT_TRUE(WaitFor([] { return OrvShared_Load(Speed) == 0x09; }));
    // Something other than the codec overwrote a signal; the next window event restores it from
    // the stored frame.
    OrvShared_Store(Speed, 200);
    for (int k = 0; k < 5 && OrvShared_Load(Speed) == 200; ++k) {
        XDrv_MovePointer(originX + 300 + 20 * k, originY + 100 + 10 * k);
        OrvPlat_SleepMs(50);
    }
    EXPECT_TRUE(WaitFor([] { return OrvShared_Load(Speed) == 0x09; }))
        << "Speed " << (int)OrvShared_Load(Speed);
}

TEST_F(FrameEntryWindow, EscapeEndsTheApplication)
{
    XDrv_Click(originX + 61 + 100, originY + 29 + 7);
    XDrv_PressKey(window, "Escape");
    EXPECT_TRUE(WaitFor([] { return OrvShared_Load(globAppQuit) == 1; }));
    EXPECT_TRUE(WaitFor([] { return gMainBoardCommunication.GetState() == OrvTask_Running &&
                                    StatusLine() == "<no window>"; }));
    EXPECT_TRUE(WaitFor([] { return !XDrv_WindowExists("ComCtrl"); }));
}

TEST_F(FrameEntryWindow, CloseBoxEndsTheApplication)
{
    XDrv_Close(window);
    EXPECT_TRUE(WaitFor([] { return OrvShared_Load(globAppQuit) == 1; }));
    EXPECT_TRUE(WaitFor([] { return !XDrv_WindowExists("ComCtrl"); }));
}

TEST_F(FrameEntryWindow, StopRequestClosesTheWindow)
{
    gMainBoardCommunication.TryStop();
    gMainBoardCommunication.Stop();
    EXPECT_EQ(gMainBoardCommunication.GetState(), OrvTask_Stop) << "the worker ended within its time-out";
    EXPECT_EQ(OrvShared_Load(globAppQuit), 1);
    EXPECT_TRUE(WaitFor([] { return !XDrv_WindowExists("ComCtrl"); }));
}

} // namespace

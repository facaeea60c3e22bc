// A restart (globReboot set before the first frame): the first 2000 ms of frame time are held
// back, the flag is cleared after them, and the power-on goes from the logo straight to the
// normal page without the self test. Its own program: the flag only counts before the first frame.
#include <gtest/gtest.h>

#include <string>

#include "OrvRender/Render.h"
#include "OrvRender/Screens/Show.h"
#include "OrvTask.h"
#include "Protocol/Cdu_TCP_App.h"
#include "Protocol/MainBoard_IIC_App.h"
#include "Snapshot.h"
#include "support/RenderTestGl.h"

namespace {

void Play(std::initializer_list<std::string> lines)
{
    for (const std::string& l : lines) {
        std::string err;
        ASSERT_TRUE(Snapshot_Command(l, ".", &err)) << l << ": " << err;
    }
}

TEST(RenderRestart, SelfTestSkippedAndFlagClearedAfterTwoSeconds)
{
    ASSERT_TRUE(RenderTestGl_Open());
    Snapshot_Begin();
    Play({"restart", "frame 00 00 50 00 7D 04 40 09 00", "frames 1"});
    EXPECT_EQ(globReboot, 1);
    EXPECT_EQ(Render_GetState(), POWER_ON_BMP_PLAYING);

    int frames = 0;
    while (Render_GetState() != POWER_ON_STATE && frames++ < 200) Play({"frames 1"});
    ASSERT_EQ(Render_GetState(), POWER_ON_STATE);
    EXPECT_EQ(globReboot, 1) << "the logo ends inside the 2 s window";
    Play({"frames 2"});
    EXPECT_EQ(HmiDspState, HMI_DSP_ON) << "no 3.6 s self test after a restart";

    // The upgrade page draws inside the window but presents nothing.
    OtaState = OTA_DECRYPT_FAIL;
    Play({"frames 1"});
    EXPECT_EQ(ShowUpgrade_View()->otaState, OTA_DECRYPT_FAIL);
    EXPECT_EQ(ShowUpgrade_View()->presented, 0);
    OtaState = OTA_Normal;
    Play({"frames 1"});

    Play({"wait 1000"});
    EXPECT_EQ(globReboot, 1) << "still inside 2000 ms of frame time";
    Play({"wait 1000"});
    EXPECT_EQ(globReboot, 0) << "cleared after 2000 ms";
    EXPECT_EQ(HmiDspState, HMI_DSP_ON);
    OtaState = OTA_DECRYPT_FAIL;
    Play({"frames 1"});
    EXPECT_EQ(ShowUpgrade_View()->presented, 1) << "after the window the page presents its frames";
    OtaState = OTA_Normal;
    Play({"frames 1"});

    // A later power-on is an ordinary one: the self test plays.
    Play({"frame 00 00 50 00 7D 04 40 05 00", "wait 100", "frame 00 00 50 00 7D 04 40 09 00"});
    frames = 0;
    while (Render_GetState() != POWER_ON_STATE && frames++ < 200) Play({"frames 1"});
    Play({"wait 1000"});
    EXPECT_EQ(HmiDspState, HMI_DSP_LAUNCHING);
    CleanUpRender(nullptr);
    RenderTestGl_Close();
}

}  // namespace

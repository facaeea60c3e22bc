// The charging screen, the upgrade pages and the right-panel overlays inside the whole render loop,
// reached the way the car reaches them: main-board frames and head-unit documents through their
// decoders, played from the snapshot scenarios of tools/snapshot/scenarios/. Every page and state
// is written to the build's snapshots folder for review.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "OrvRender/Render.h"
#include "OrvRender/Res_Font.h"
#include "OrvRender/Res_Png.h"
#include "OrvRender/Screens/Show.h"
#include "Protocol/Cdu_TCP_App.h"
#include "Protocol/MainBoard_IIC_App.h"
#include "Snapshot.h"
#include "support/RenderTestGl.h"

namespace {

// Inline lines; pictures land in the snapshots folder.
void Play(std::initializer_list<std::string> lines)
{
    for (const std::string& l : lines) {
        std::string err;
        ASSERT_TRUE(Snapshot_Command(l, SNAPSHOT_DIR, &err)) << l << ": " << err;
    }
}

// A shipped scenario from its start values, its documents taken from its own folder.
void Scenario(const std::string& name)
{
    Snapshot_Begin();
    Play({"fps 20"});  // every animation runs on elapsed time: fewer frames, the same pictures
    std::ifstream in(std::string(SNAPSHOT_SCENARIOS) + "/" + name);
    ASSERT_TRUE(in.good()) << name;
    for (std::string line; std::getline(in, line);) {
        std::string err;
        ASSERT_TRUE(Snapshot_Command(line, SNAPSHOT_SCENARIOS, &err)) << name << ": " << line << ": " << err;
    }
}

std::string Hex(unsigned v)
{
    char b[4];
    snprintf(b, sizeof(b), "%02X", v & 0xFF);
    return b;
}

std::vector<UInt32> Glyphs(const char* s)
{
    std::vector<UInt32> g;
    for (; *s; s++) g.push_back((UInt32)GetAssicIdx(*s));
    g.push_back(0);
    return g;
}

std::vector<UInt32> UpgradeText()
{
    const ShowUpgradeView* v = ShowUpgrade_View();
    return std::vector<UInt32>(v->txt, v->txt + v->txtLen);
}

std::string Voice(int state)
{
    return "json notification {\"enable\": \"1\", \"msgtype\": \"1\", \"notify\": {\"MsgIndex\": \"1\", "
           "\"CDUrecording\": \"" + std::to_string(state) + "\"}}";
}

class RenderScreens : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // Upgrade files go to a folder of the test's own, never to the machine's /data.
        char dir[] = "/tmp/render_screens_XXXXXX";
        ASSERT_NE(mkdtemp(dir), nullptr);
        setenv("CLUSTER_OTA_ROOT", dir, 1);
        ASSERT_TRUE(RenderTestGl_Open());
    }
    static void TearDownTestSuite()
    {
        CleanUpRender(nullptr);
        RenderTestGl_Close();
    }
};

TEST_F(RenderScreens, ChargingScreenStates)
{
    Scenario("charging.scn");
    const ShowChargingView* v = ShowCharging_View();
    ASSERT_EQ(Render_GetState(), POWER_OFF_STATE);
    EXPECT_EQ(v->drawn, 1);
    EXPECT_EQ(v->state, CHARGE_CHARGING);
    EXPECT_GE(v->seqIdx, PNG_Charge_Charging_000 + 21) << "looping";
    EXPECT_EQ(v->timeNum, 5) << "1 hour 30 minutes with the title";
    EXPECT_EQ(v->rangeLen, 3);
    Play({"shot charging-charging.png"});

    // Frame 0x00 B6 with the work mode off: the charging state in the high nibble.
    struct Case { UInt08 state; const char* shot; };
    const Case cases[] = {{CHARGE_PREPARING, "charging-preparing.png"}, {CHARGE_FAST, "charging-fast.png"},
                          {CHARGE_FINISH, "charging-finish.png"},       {CHARGE_DEV_ERR, "charging-error.png"},
                          {CHARGE_ORDER, "charging-order.png"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shot);
        Play({"frame 00 00 23 00 7D 04 8C " + Hex(0x04 | c.state << 4) + " 00", "wait 1500",
              std::string("shot ") + c.shot});
        EXPECT_EQ(v->state, c.state);
    }

    // Almost finished and the empty battery, then on the normal page with the car switched on.
    Play({"frame 04 04 00 00 00 0F 00 00 04", "frame 00 00 00 00 7D 04 8C 34 00", "wait 500",
          "shot charging-almost-empty.png"});
    EXPECT_EQ(v->barW, 0);
    EXPECT_EQ(v->timeNum, 1);
    Play({"frame 00 00 64 00 7D 04 FF 39 00", "wait 6000", "shot charging-normal-page.png"});
    EXPECT_EQ(Render_GetState(), POWER_ON_STATE);
    EXPECT_EQ(v->drawn, 1);
    EXPECT_EQ(v->barW, pngImg[PNG_charge_charging_progress].w);
    Play({"frame 01 00 00 00 00 00 00 00 00", "frames 2"});
    EXPECT_EQ(v->drawn, 0) << "charger pulled: the normal page again";
}

TEST_F(RenderScreens, VoiceAssistantThroughItsStates)
{
    Scenario("voice.scn");
    const ShowVoiceFaceView* v = ShowVoiceFace_View();
    ASSERT_EQ(v->voiceDrawn, 1);
    EXPECT_EQ(v->voicePreState, CduRecord_Waiting);
    EXPECT_EQ(RightSideState, RightSide_VOICE_AI);
    Play({"shot voice-waiting.png"});

    struct Case { int state; UInt32 first; const char* shot; };
    const Case cases[] = {{CduRecord_Recognizing, PNG_VAI_recognizing_000, "voice-recognizing.png"},
                          {CduRecord_Speaking, PNG_VAI_speaking_000, "voice-speaking.png"},
                          {CduRecord_Listening, PNG_VAI_waiting_000, "voice-listening.png"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shot);
        Play({Voice(c.state), "wait 700", std::string("shot ") + c.shot});
        EXPECT_EQ(v->voicePreState, c.state);
        EXPECT_GE(v->voiceIdx, c.first);
        EXPECT_LE(v->voiceIdx, c.first + 39);
    }

    // The exit plays backwards, then the right panel is the module's again.
    Play({Voice(CduRecord_Exit), "wait 900", "shot voice-exit.png"});
    EXPECT_EQ(v->voicePreState, CduRecord_Exit);
    EXPECT_LT(v->voiceIdx, (UInt32)PNG_VAI_in_039);
    Play({"wait 1500"});
    EXPECT_EQ(v->voiceDrawn, 0);
    EXPECT_EQ(RightSideState, RightSide_MODULE);

    // A wake-up half way: the figure rises while its shadow fades in.
    Play({Voice(CduRecord_WakeUp), "wait 900", "shot voice-wakeup.png"});
    EXPECT_EQ(v->voicePreState, CduRecord_WakeUp);
    EXPECT_GT(v->shadowInvAlpha, 0.0f);
    EXPECT_LT(v->shadowInvAlpha, 1.0f);
    Play({Voice(CduRecord_Exit), "wait 2500"});
}

TEST_F(RenderScreens, FaceEnrolmentSteps)
{
    Scenario("face.scn");
    const ShowVoiceFaceView* v = ShowVoiceFace_View();
    ASSERT_EQ(v->faceDrawn, 1);
    EXPECT_EQ(v->faceIdx, (UInt32)PNG_sampling_000 + 99) << "the left sequence has played once";
    EXPECT_EQ(v->faceLines, 1);
    Play({"shot face-left.png"});

    struct Case { UInt08 state; UInt32 picture; Int32 lines; const char* shot; };
    const Case cases[] = {
        {FACE_RCN_IDENTIFICATION_1, PNG_sampling_wait, 1, "face-identifying.png"},
        {FACE_RCN_FRONT, PNG_sampling_000 + 49, 1, "face-front.png"},
        {FACE_RCN_COVER, PNG_sampling_cover, 2, "face-cover.png"},
        {FACE_RCN_SUCCESS_1, PNG_sampling_250 + 19, 2, "face-success.png"},
        {FACE_RCN_ERROR, PNG_sampling_error, 0, "face-error.png"},
        {FACE_RCN_SUCCESS_2, PNG_sampling_250 + 19, 1, "face-recognised.png"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shot);
        Play({"frame 0D 80 80 80 80 00 00 00 " + Hex(c.state << 4), "wait 3000", std::string("shot ") + c.shot});
        EXPECT_EQ(v->faceDrawn, 1);
        EXPECT_EQ(v->faceIdx, c.picture);
        EXPECT_EQ(v->faceLines, c.lines);
    }
    Play({"frame 0D 80 80 80 80 00 00 00 50", "frames 1"});  // turn up: not shown
    EXPECT_EQ(v->faceDrawn, 0);
}

TEST_F(RenderScreens, UpgradePages)
{
    // A signature that does not hold: the failure.
    Scenario("upgrade.scn");
    EXPECT_EQ(OtaState, OTA_DECRYPT_FAIL);
    EXPECT_EQ(UpgradeText(), Glyphs("Decrypt fail"));
    EXPECT_EQ(ShowUpgrade_View()->presented, 1);
    Play({"shot upgrade-decrypt-fail.png"});

    // A transfer under way and its end.
    UpgradeInfo.FileSize = 4000000;
    UpgradeInfo.RecvSize = 1000000;
    CDU_TCP_SetOtaState(OTA_TRANSFERING);
    Play({"frames 1", "shot upgrade-download.png"});
    EXPECT_EQ(UpgradeText(), Glyphs("Downloading... 25%"));
    UpgradeInfo.RecvSize = 4000000;
    Play({"frames 1"});
    EXPECT_EQ(UpgradeText(), Glyphs("Downloading... 100%"));
    CDU_TCP_SetOtaState(OTA_TRANSFER_SUCC);
    Play({"frames 1", "shot upgrade-finished.png"});
    EXPECT_EQ(UpgradeText(), Glyphs("Download finished"));
    CDU_TCP_SetOtaState(OTA_Normal);
    Play({"frames 2"});
    EXPECT_EQ(HmiDspState, HMI_DSP_ON) << "the normal page again";

    // The system upgrade page with its ring.
    Play({"frame 01 00 00 00 00 00 00 00 20", "frames 1"});
    const Flt32 a0 = ShowUpgrade_View()->ringAngle;
    Play({"wait 1000", "shot upgrade-system.png"});
    EXPECT_NEAR(ShowUpgrade_View()->ringAngle, std::fmod(a0 + 70.0f, 360.0f), 2.0f);
    Play({"frame 01 00 00 00 00 00 00 00 00", "wait 6000"});
}

}  // namespace

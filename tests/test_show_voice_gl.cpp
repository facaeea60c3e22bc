// The voice assistant and face enrolment overlays on a real GL context (software Mesa), frame by
// frame with a driven frame time: the pictures they step through, the shadow's fade, the time
// carried between frames, each enrolment step's picture and text lines, and where they land.
//
// The elements keep their state in function statics, so every test first hides the overlay.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "OrvRender/RenderState.h"
#include "OrvRender/RenderUtils.h"
#include "OrvRender/Res_BmpPool.h"
#include "OrvRender/Res_Font.h"
#include "OrvRender/Res_Png.h"
#include "OrvRender/Res_Shader.h"
#include "OrvRender/Res_Tga.h"
#include "OrvRender/Screens/Show.h"
#include "Protocol/Cdu_TCP_App.h"
#include "Protocol/MainBoard_IIC_App.h"
#include "support/RenderTestGl.h"
#include "support/StdoutCapture.h"

namespace {

const UInt32 kIn0 = PNG_VAI_in_001, kIn38 = PNG_VAI_in_039;
const UInt32 kWait0 = PNG_VAI_waiting_000, kWait39 = PNG_VAI_waiting_000 + 39;
const UInt32 kRecog0 = PNG_VAI_recognizing_000, kSpeak0 = PNG_VAI_speaking_000;

class VoiceFaceGl : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(RenderTestGl_Open());
        RenderTestGl_PageState();
        Stdout([] { RenderTestGl_PrepareScreens({Prgm_Simple_Texture, Prgm_Simple_Font}, {Style_SiYuan_R}); });
        ASSERT_EQ(fontMapStatus[0], Ftm_TexGen);
        RenderTestGl_ResetMatrices();
    }
    static void TearDownTestSuite() { RenderTestGl_Close(); }
    void SetUp() override
    {
        mFrameTimeMs = 0;
        ShowVoiceAssistant(255);
        ShowFaceRecognition(255);
        RenderTestGl_Clear(0, 0, 0);
    }
    static Int08 Voice(UInt08 state, Int32 ms)
    {
        mFrameTimeMs = ms;
        return ShowVoiceAssistant(state);
    }
    static Int08 Face(UInt08 state, Int32 ms)
    {
        mFrameTimeMs = ms;
        return ShowFaceRecognition(state);
    }
    static const ShowVoiceFaceView* V() { return ShowVoiceFace_View(); }
};

// ---- Voice assistant ---------------------------------------------------------------------------

TEST_F(VoiceFaceGl, WakeUpRunsTheInSequenceWithTheShadowFadingInThenWaits)
{
    ASSERT_EQ(Voice(CduRecord_WakeUp, 16), 1);
    EXPECT_EQ(V()->voiceIdx, kIn0);
    EXPECT_FLOAT_EQ(V()->shadowInvAlpha, 1.0f);
    int elapsed = 16;
    UInt32 prevIdx = kIn0;
    Flt32 prevAlpha = 1.0f;
    while (V()->voicePreState != CduRecord_Waiting && elapsed < 5000) {
        ASSERT_EQ(Voice(CduRecord_WakeUp, 16), 1);
        elapsed += 16;
        EXPECT_GE(V()->voiceIdx, prevIdx);
        EXPECT_LE(V()->shadowInvAlpha, prevAlpha);
        prevIdx = V()->voiceIdx;
        prevAlpha = V()->shadowInvAlpha;
    }
    EXPECT_EQ(V()->voiceIdx, kIn38);
    EXPECT_FLOAT_EQ(V()->shadowInvAlpha, 0.0f);
    EXPECT_GE(elapsed, 1850);
    EXPECT_LE(elapsed, 1950) << "38 steps of 50 ms";
    Voice(CduRecord_WakeUp, 16);
    EXPECT_EQ(V()->voiceIdx, kWait0) << "then the waiting loop";
    for (int i = 0; i < 10; i++) Voice(CduRecord_WakeUp, 50);
    EXPECT_EQ(V()->voiceIdx, kWait0 + 10);
    EXPECT_EQ(V()->voicePreState, CduRecord_Waiting);
}

TEST_F(VoiceFaceGl, LoopsPingPongAndRestartOnAChange)
{
    Voice(CduRecord_Waiting, 0);
    EXPECT_EQ(V()->voiceIdx, kWait0);
    EXPECT_EQ(V()->voiceStep, 1);
    // Forward to the last picture, which turns the direction, then back down to the first.
    std::vector<UInt32> seen, steps;
    for (int i = 0; i < 82; i++) {
        Voice(CduRecord_Waiting, 50);
        seen.push_back(V()->voiceIdx);
        steps.push_back((UInt32)(V()->voiceStep + 1));
    }
    EXPECT_EQ(seen[37], kWait39 - 1);
    EXPECT_EQ(seen[38], kWait39);
    EXPECT_EQ(steps[38], 0u) << "the last picture turns the direction";
    EXPECT_EQ(seen[39], kWait39 - 1);
    EXPECT_EQ(seen[77], kWait0);
    EXPECT_EQ(steps[77], 2u);
    EXPECT_EQ(seen[78], kWait0 + 1) << "forward again";
    for (UInt32 idx : seen) {
        EXPECT_GE(idx, kWait0);
        EXPECT_LE(idx, kWait39);
    }

    struct Case { UInt08 from, to; UInt32 first; };
    const Case cases[] = {
        {CduRecord_Recognizing, CduRecord_Speaking, kSpeak0},
        {CduRecord_Speaking, CduRecord_Recognizing, kRecog0},
        {CduRecord_Listening, CduRecord_Waiting, kWait0},
        {CduRecord_Waiting, CduRecord_Listening, kWait0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (int)c.from << " -> " << (int)c.to);
        Voice(c.from, 0);
        for (int i = 0; i < 50; i++) Voice(c.from, 50);  // on the way back down
        ASSERT_EQ(Voice(c.to, 30), 1);
        EXPECT_EQ(V()->voiceIdx, c.first);
        EXPECT_EQ(V()->voiceStep, 1);
        EXPECT_FLOAT_EQ(V()->shadowInvAlpha, 0.0f);
    }
}

TEST_F(VoiceFaceGl, FrameTimeCarriesOver)
{
    Voice(CduRecord_Speaking, 0);
    struct Step { Int32 ms; UInt32 idx; Int32 carry; };
    const Step steps[] = {{120, kSpeak0 + 2, 20}, {30, kSpeak0 + 3, 0}, {49, kSpeak0 + 3, 49},
                          {1, kSpeak0 + 4, 0}, {100, kSpeak0 + 6, 0}, {16, kSpeak0 + 6, 16}};
    for (const Step& s : steps) {
        SCOPED_TRACE(testing::Message() << s.ms << " ms");
        Voice(CduRecord_Speaking, s.ms);
        EXPECT_EQ(V()->voiceIdx, s.idx);
        EXPECT_EQ(V()->voiceCarryMs, s.carry);
    }
}

TEST_F(VoiceFaceGl, ExitPlaysBackwardsThenHides)
{
    ASSERT_EQ(Voice(CduRecord_Exit, 16), 0) << "nothing shown: nothing to leave";
    Voice(CduRecord_Recognizing, 0);
    for (int i = 0; i < 10; i++) Voice(CduRecord_Recognizing, 50);
    ASSERT_EQ(Voice(CduRecord_Exit, 16), 1);
    EXPECT_EQ(V()->voiceIdx, kIn38);
    EXPECT_FLOAT_EQ(V()->shadowInvAlpha, 0.0f);
    UInt32 prevIdx = kIn38;
    Flt32 prevAlpha = 0.0f;
    int frames = 0;
    while (V()->voicePreState != 255 && frames++ < 200) {
        ASSERT_EQ(Voice(CduRecord_Exit, 16), 1);
        EXPECT_LE(V()->voiceIdx, prevIdx);
        EXPECT_GE(V()->shadowInvAlpha, prevAlpha);
        prevIdx = V()->voiceIdx;
        prevAlpha = V()->shadowInvAlpha;
    }
    EXPECT_EQ(V()->voiceIdx, kIn0);
    EXPECT_FLOAT_EQ(V()->shadowInvAlpha, 1.0f);
    EXPECT_EQ(Voice(CduRecord_Exit, 16), 0) << "the call after the last picture draws nothing";
    EXPECT_EQ(Voice(CduRecord_Exit, 16), 0);

    // States without an animation draw nothing.
    for (UInt08 s : {0, 7, 200, 255}) EXPECT_EQ(Voice(s, 16), 0) << (int)s;
}

TEST_F(VoiceFaceGl, FigureAndShadowLandCentred)
{
    Voice(CduRecord_Waiting, 0);
    const Image& fig = pngImg[kWait0];
    const Image& sh = pngImg[PNG_VAI_shadow];
    const Recti f = V()->voiceRect, s = V()->shadowRect;
    EXPECT_EQ(f.x, fig.ltx + 1386);
    EXPECT_EQ(f.y, fig.lty + 177);
    EXPECT_EQ(s.x, f.x + (fig.w - sh.w) / 2);
    EXPECT_EQ(s.y, 548);
    // Something is drawn inside the figure's rectangle, nothing left of it.
    std::vector<uint8_t> in = RenderTestGl_Read(f.x, f.y, f.w, f.h), left = RenderTestGl_Read(f.x - 60, f.y, 50, f.h);
    auto lit = [](const std::vector<uint8_t>& px) {
        int n = 0;
        for (size_t i = 0; i + 3 < px.size(); i += 4) n += px[i] + px[i + 1] + px[i + 2] > 60;
        return n;
    };
    EXPECT_GT(lit(in), 200);
    EXPECT_EQ(lit(left), 0);
}

// ---- Face enrolment ----------------------------------------------------------------------------

TEST_F(VoiceFaceGl, EachStepShowsItsPictureAndLines)
{
    struct Point { Int32 x, y; };
    struct Case { UInt08 state; UInt32 picture; Int32 lines; Point line0; Point line1; };
    const Case cases[] = {
        {FACE_RCN_IDENTIFICATION_1, PNG_sampling_wait, 1, {1388, 557}, {}},
        {FACE_RCN_FRONT, PNG_sampling_000, 1, {1373, 559}, {}},
        {FACE_RCN_LEFT, PNG_sampling_000 + 50, 1, {1418, 557}, {}},
        {FACE_RCN_RIGHT, PNG_sampling_000 + 100, 1, {1418, 557}, {}},
        {FACE_RCN_COVER, PNG_sampling_cover, 2, {1429, 520}, {1385, 560}},
        {FACE_RCN_SUCCESS_1, PNG_sampling_250, 2, {1457, 482}, {1400, 524}},
        {FACE_RCN_ERROR, PNG_sampling_error, 0, {}, {}},
        {FACE_RCN_IDENTIFICATION_2, PNG_sampling_wait, 1, {1430, 550}, {}},
        {FACE_RCN_SUCCESS_2, PNG_sampling_250, 1, {1430, 484}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "state " << (int)c.state);
        RenderTestGl_Clear(0, 0, 0);
        ASSERT_EQ(Face(c.state, 16), 1);
        EXPECT_EQ(V()->faceIdx, c.picture);
        ASSERT_EQ(V()->faceLines, c.lines);
        const Point want[2] = {c.line0, c.line1};
        for (Int32 i = 0; i < c.lines; i++) {
            EXPECT_EQ(V()->faceLineRect[i].x, want[i].x);
            EXPECT_EQ(V()->faceLineRect[i].y, want[i].y);
            EXPECT_GT(V()->faceLineRect[i].w, 40) << "a rasterised line";
            EXPECT_LE(V()->faceLineRect[i].w, 690);
            // Grey text on the screen where the line stands.
            const Recti& r = V()->faceLineRect[i];
            std::vector<uint8_t> px = RenderTestGl_Read(r.x, r.y, r.w, r.h);
            int ink = 0;
            for (size_t k = 0; k + 3 < px.size(); k += 4) ink += px[k] > 60 && px[k] == px[k + 1];
            EXPECT_GT(ink, 30);
        }
    }
    // Hidden steps.
    for (UInt08 s : {(UInt08)FACE_RCN_NULL, (UInt08)FACE_RCN_UP, (UInt08)FACE_RCN_DOWN, (UInt08)FACE_END, (UInt08)13, (UInt08)255})
        EXPECT_EQ(Face(s, 16), 0) << (int)s;
}

// The render clean-up frees the pictures and the lines' bitmaps and textures during a step: the
// next frame shows the step's lines again, in the same pool slots (none is lost to the pool).
TEST_F(VoiceFaceGl, LinesComeBackAfterACleanUp)
{
    auto slotsInUse = [] {
        int n = 0;
        for (Int32 i = 0; i < BMP_POOL_NUM; i++) n += bmpPool[i] != nullptr;
        return n;
    };
    auto ink = [](const Recti& r) {
        std::vector<uint8_t> px = RenderTestGl_Read(r.x, r.y, r.w, r.h);
        int n = 0;
        for (size_t k = 0; k + 3 < px.size(); k += 4) n += px[k] > 60 && px[k] == px[k + 1];
        return n;
    };
    ASSERT_EQ(Face(FACE_RCN_COVER, 16), 1);
    ASSERT_EQ(V()->faceLines, 2);
    const Recti before[2] = {V()->faceLineRect[0], V()->faceLineRect[1]};
    const int inUse = slotsInUse();

    testing::internal::CaptureStdout();
    DestroyPngResources(0, PNG_NUM);
    DestroyBmpPoolResouces();
    testing::internal::GetCapturedStdout();
    RenderTestGl_Clear(0, 0, 0);
    ASSERT_EQ(Face(FACE_RCN_COVER, 16), 1);
    ASSERT_EQ(V()->faceLines, 2);
    for (Int32 i = 0; i < 2; i++) {
        EXPECT_EQ(V()->faceLineRect[i].x, before[i].x);
        EXPECT_EQ(V()->faceLineRect[i].w, before[i].w);
        EXPECT_GT(ink(V()->faceLineRect[i]), 30);
    }
    EXPECT_EQ(slotsInUse(), inUse);
}

TEST_F(VoiceFaceGl, SequencesPlayOnceAndHoldTheirLastPicture)
{
    // Left: 50 pictures in 2.5 s, then the last one stays.
    ASSERT_EQ(Face(FACE_RCN_LEFT, 16), 1);
    const UInt32 first = PNG_sampling_000 + 50, last = PNG_sampling_000 + 99;
    EXPECT_EQ(V()->faceIdx, first);
    int elapsed = 0;
    while (V()->faceIdx != last && elapsed < 5000) {
        Face(FACE_RCN_LEFT, 50);
        elapsed += 50;
    }
    EXPECT_EQ(elapsed, 2500);
    for (int i = 0; i < 20; i++) Face(FACE_RCN_LEFT, 100);
    EXPECT_EQ(V()->faceIdx, last);
    EXPECT_EQ(V()->faceAnimation, 2);

    // A long frame near the end stops on the last picture, never one of the next sequence.
    Face(FACE_RCN_FRONT, 16);
    for (int i = 0; i < 10; i++) Face(FACE_RCN_FRONT, 300);
    EXPECT_EQ(V()->faceIdx, PNG_sampling_000 + 49);

    // Success: 20 pictures in 1 s.
    Face(FACE_RCN_SUCCESS_2, 0);
    for (int i = 0; i < 20; i++) Face(FACE_RCN_SUCCESS_2, 50);
    EXPECT_EQ(V()->faceIdx, PNG_sampling_250 + 19);

    // Hidden and shown again in the same step: it starts over.
    Face(255, 16);
    Face(FACE_RCN_SUCCESS_2, 16);
    EXPECT_EQ(V()->faceIdx, PNG_sampling_250);
    EXPECT_EQ(V()->faceAnimation, 1);
}

}  // namespace

// The voice assistant and face enrolment overlays of the right side panel. Their pictures load
// when first shown; the enrolment texts are rasterised once per step into two pool slots.
#include "OrvRender/Screens/ShowVoiceFace.h"

#include "OrvRender/Res_TxtHintAlarm.h"
#include "OrvRender/Screens/ShowCommon.h"
#include "Protocol/Cdu_TCP_App.h"
#include "Protocol/MainBoard_IIC_App.h"
#include "lib/OrvFont.h"

static ShowVoiceFaceView mShowVoiceFace;

const ShowVoiceFaceView* ShowVoiceFace_View(void)
{
    return &mShowVoiceFace;
}

namespace {

// ---- Voice assistant ---------------------------------------------------------------------------

constexpr UInt32 kFrameMs = 50;
constexpr UInt32 kInFirst = PNG_VAI_in_001, kInLast = PNG_VAI_in_039;
constexpr UInt32 kLoopLen = 40;
// The figure's offset from its table place, and the shadow's top.
constexpr Int32 kFigureDx = 1386, kFigureDy = 177;
constexpr Int32 kShadowTop = 548;

// First picture of the looping sequence of a state; 0 for a state without a loop.
UInt32 LoopFirst(UInt08 state)
{
    switch (state) {
    case CduRecord_Listening:
    case CduRecord_Waiting: return PNG_VAI_waiting_000;
    case CduRecord_Recognizing: return PNG_VAI_recognizing_000;
    case CduRecord_Speaking: return PNG_VAI_speaking_000;
    default: return 0;
    }
}

struct VoiceState {
    UInt08 preState = 255;
    UInt32 Idx = 0, Idx0 = 0, Idxn = 0;
    Int08 step = 0;
    Int32 duration = 0;
};

// One step of a ping-pong loop between Idx0 and Idxn: k pictures in the current direction,
// turning at either end (the end picture is held for the frame in which the turn happens).
void PingPong(VoiceState& s)
{
    const UInt32 k = (UInt32)s.duration / kFrameMs;
    if (s.step == 1) {
        if (s.Idx < s.Idxn) {
            s.Idx += k;
            if (s.Idx >= s.Idxn) s.Idx = s.Idxn, s.step = -1;
        } else {
            s.step = -1;
        }
    } else {
        if (s.Idx > s.Idx0) {
            if (k >= s.Idx - s.Idx0)
                s.Idx = s.Idx0, s.step = 1;
            else
                s.Idx -= k;
        } else {
            s.step = 1;
        }
    }
}

// A looping state: restarts its sequence on a change of state, then ping-pongs.
void Loop(VoiceState& s, UInt08 state)
{
    s.Idx0 = LoopFirst(state);
    s.Idxn = s.Idx0 + kLoopLen - 1;
    // A picture outside the loop (the wake-up's last, say) also starts the loop afresh.
    if (state != s.preState || s.Idx < s.Idx0 || s.Idx > s.Idxn) {
        s.Idx = s.Idx0;
        s.step = 1;
        s.preState = state;
        s.duration = 0;
    }
    PingPong(s);
}

// The wake-up: the in sequence forward with the shadow fading in, then the waiting loop.
Flt32 WakeUp(VoiceState& s)
{
    if (s.preState == CduRecord_Waiting) {
        s.Idx0 = PNG_VAI_waiting_000;
        s.Idxn = s.Idx0 + kLoopLen - 1;
        if (s.Idx < s.Idx0 || s.Idx > s.Idxn) {
            s.Idx = s.Idx0;
            s.step = 1;
            s.duration = 0;
        }
        PingPong(s);
        return 0.0f;
    }
    if (s.preState != CduRecord_WakeUp) {
        s.Idx = kInFirst;
        s.preState = CduRecord_WakeUp;
        s.duration = 0;
    }
    const UInt32 k = (UInt32)s.duration / kFrameMs;
    s.Idx += k;
    if (s.Idx >= kInLast) {
        s.Idx = kInLast;
        s.preState = CduRecord_Waiting;
        return 0.0f;
    }
    return 1.0f - (Flt32)(s.Idx - kInFirst) / (Flt32)(kInLast - kInFirst);
}

// The exit: the in sequence backward with the shadow fading out; hidden once it has ended.
Flt32 Exit(VoiceState& s)
{
    if (s.preState != CduRecord_Exit) {
        s.Idx = kInLast;
        s.preState = CduRecord_Exit;
        s.duration = 0;
    }
    const UInt32 k = (UInt32)s.duration / kFrameMs;
    if (s.Idx == kInFirst || k > s.Idx - kInFirst) {
        // At or past the first picture: this frame is the last one drawn.
        s.Idx = kInFirst;
        s.preState = 255;
        return 1.0f;
    }
    s.Idx -= k;
    return (Flt32)(kInLast - s.Idx) / (Flt32)(kInLast - kInFirst);
}

void DrawVoice(UInt32 idx, Flt32 shadowInvAlpha)
{
    ShowVoiceFaceView& v = mShowVoiceFace;
    ShowLoadPng((Int32)idx);
    ShowLoadPng(PNG_VAI_shadow);
    const Image& fig = pngImg[idx];
    const Image& sh = pngImg[PNG_VAI_shadow];
    v.voiceRect = Recti{fig.ltx + kFigureDx, fig.lty + kFigureDy, fig.w, fig.h};
    v.shadowRect = Recti{fig.ltx + kFigureDx + (fig.w - sh.w) / 2, kShadowTop, sh.w, sh.h};
    ShowBeginTexture();
    if (pngStatus[idx] == Png_TexGen) ShowDrawImageRect(&fig, v.voiceRect);
    ShowTextureAlpha(shadowInvAlpha);
    if (pngStatus[PNG_VAI_shadow] == Png_TexGen) ShowDrawImageRect(&sh, v.shadowRect);
    ShowEndTexture();
}

// ---- Face enrolment ----------------------------------------------------------------------------

constexpr Int32 kLineW = 690, kLineH = 29;
constexpr Int32 kLineGlyphs = 29;

struct FaceStep {
    UInt08 state;
    Int32 picture;            // still picture, or -1 for a sequence
    UInt32 seqFirst, seqLast; // the sequence
    const unsigned int* line[2];
    Int32 x0, y0;             // line 0 when there are two lines
    Int32 x, y;               // the main line (pos)
};

const FaceStep kFaceSteps[] = {
    {FACE_RCN_IDENTIFICATION_1, PNG_sampling_wait, 0, 0, {str_face_recognition_identification_1_idx, nullptr},
     0, 0, 1388, 557},
    {FACE_RCN_FRONT, -1, PNG_sampling_000, PNG_sampling_000 + 49, {str_face_recognition_front_idx, nullptr},
     0, 0, 1373, 559},
    {FACE_RCN_LEFT, -1, PNG_sampling_000 + 50, PNG_sampling_000 + 99, {str_face_recognition_left_idx, nullptr},
     0, 0, 1418, 557},
    {FACE_RCN_RIGHT, -1, PNG_sampling_000 + 100, PNG_sampling_000 + 149, {str_face_recognition_right_idx, nullptr},
     0, 0, 1418, 557},
    {FACE_RCN_COVER, PNG_sampling_cover, 0, 0,
     {str_face_recognition_cover_1_idx, str_face_recognition_cover_2_idx}, 1429, 520, 1385, 560},
    {FACE_RCN_SUCCESS_1, -1, PNG_sampling_250, PNG_sampling_250 + 19,
     {str_face_recognition_success_1_1_idx, str_face_recognition_success_1_2_idx}, 1457, 482, 1400, 524},
    {FACE_RCN_ERROR, PNG_sampling_error, 0, 0, {nullptr, nullptr}, 0, 0, -1, -1},
    {FACE_RCN_IDENTIFICATION_2, PNG_sampling_wait, 0, 0, {str_face_recognition_identification_2_idx, nullptr},
     0, 0, 1430, 550},
    {FACE_RCN_SUCCESS_2, -1, PNG_sampling_250, PNG_sampling_250 + 19, {str_face_recognition_success_2_idx, nullptr},
     0, 0, 1430, 484},
};

const FaceStep* FaceStepOf(UInt08 state)
{
    for (const FaceStep& f : kFaceSteps)
        if (f.state == state) return &f;
    return nullptr;
}

// Rasterises one line of glyph indices into its slot; its size, 0 x 0 when nothing was made.
void BuildLine(Int32 slot, const unsigned int* glyphs, Int32* width, Int32* height)
{
    *width = *height = 0;
    if (glyphs == nullptr) return;
    UInt32 codes[kLineGlyphs + 1];
    Int32 n = 0;
    while (n < kLineGlyphs && glyphs[n] != 0) {
        codes[n] = HintAlarm_FONT_CODE[glyphs[n]];
        n++;
    }
    codes[n] = 0;
    ShowBuildTextImage(slot, fontLibId[Style_SiYuan_M], 23, kLineW, kLineH, codes, false, width, height);
}

// The lines of a step into the two slots; a step of one line leaves the second empty.
void BuildLines(const FaceStep* step, const Int32* slots, Int32* widths, Int32* heights)
{
    for (Int32 i = 0; i < 2; i++) BuildLine(slots[i], step->line[i], &widths[i], &heights[i]);
}

}  // namespace

Int08 ShowVoiceAssistant(UInt08 state)
{
    static VoiceState s;
    ShowVoiceFaceView& v = mShowVoiceFace;
    v.voiceDrawn = 0;

    if (state == 255) {
        s.preState = 255;
        v.voicePreState = 255;
        return 0;
    }
    if (state == CduRecord_Exit && s.preState == 255) return 0;
    if (state != CduRecord_Exit && state != CduRecord_WakeUp && LoopFirst(state) == 0) return 0;

    s.duration += mFrameTimeMs;
    Flt32 shadowInvAlpha = 0.0f;
    if (state == CduRecord_WakeUp)
        shadowInvAlpha = WakeUp(s);
    else if (state == CduRecord_Exit)
        shadowInvAlpha = Exit(s);
    else
        Loop(s, state);
    // Whole pictures are stepped; the rest of the time carries over to the next frame.
    if (s.duration > (Int32)kFrameMs - 1) s.duration %= (Int32)kFrameMs;

    DrawVoice(s.Idx, shadowInvAlpha);
    v.voiceDrawn = 1;
    v.voicePreState = s.preState;
    v.voiceIdx = s.Idx;
    v.voiceStep = s.step;
    v.voiceCarryMs = s.duration;
    v.shadowInvAlpha = shadowInvAlpha;
    return 1;
}

Int08 ShowFaceRecognition(UInt08 state)
{
    static UInt08 preState = 255;
    static Int08 InAlp = 1;
    static Int08 animation_state = 0;
    static UInt32 Idx = 0, Idx0 = 0, Idxn = 0;
    static Int32 duration = 0;
    static const FaceStep* step = nullptr;
    static Int32 poolTxtFaceIdx[2] = {-1, -1};
    static Int32 txtWidth[2] = {0, 0}, txtHeight[2] = {0, 0};

    ShowVoiceFaceView& v = mShowVoiceFace;
    v.faceDrawn = 0;
    v.faceLines = 0;
    if (!ShowFontReady(Style_SiYuan_R)) return 0;
    const FaceStep* now = FaceStepOf(state);
    if (now == nullptr) {
        preState = state;
        return 0;
    }
    bool renewed = false;
    for (Int32& slot : poolTxtFaceIdx) {
        if (slot >= 0 && !ShowPoolSlotLost(slot, true)) continue;
        // First use, a full pool or the render clean-up, which also took the font program.
        Once_LoadShaderProgram(Prgm_Simple_Font);
        slot = ShowKeepPoolSlot(slot, kLineW * kLineH);
        renewed |= slot >= 0;
    }

    if (state != preState) {
        InAlp = 0;
        step = now;
        BuildLines(now, poolTxtFaceIdx, txtWidth, txtHeight);
        if (now->picture >= 0) {
            Idx = (UInt32)now->picture;
            animation_state = 0;
        } else {
            Idx0 = now->seqFirst;
            Idxn = now->seqLast;
            Idx = Idx0;
            animation_state = 1;
            duration = 0;
        }
        preState = state;
    } else if (renewed) {
        // The render clean-up took the lines' bitmaps and textures: the step's lines are made again.
        BuildLines(now, poolTxtFaceIdx, txtWidth, txtHeight);
    }

    if (animation_state == 1) {
        if (Idx < Idxn) {
            Idx = Idx0 + (UInt32)duration / kFrameMs;
            if (Idx > Idxn) Idx = Idxn;
        } else {
            animation_state = 2;
        }
    }

    ShowLoadPng((Int32)Idx);
    ShowBeginTexture();
    ShowTextureAlpha((GLfloat)InAlp);
    if (pngStatus[Idx] == Png_TexGen) ShowDrawImage(&pngImg[Idx]);
    ShowEndTexture();

    // The main line stands at the step's place; a second line's first line has a place of its own.
    Recti lines[2];
    Int32 lineNum = 0;
    if (step->line[1] != nullptr) {
        lines[lineNum++] = Recti{step->x0, step->y0, txtWidth[0], txtHeight[0]};
        lines[lineNum++] = Recti{step->x, step->y, txtWidth[1], txtHeight[1]};
    } else if (step->line[0] != nullptr) {
        lines[lineNum++] = Recti{step->x, step->y, txtWidth[0], txtHeight[0]};
    }
    ShowBeginFont();
    glUniform3fv(Prgm_Simple_Font_UNFM_Clr, 1, colorDarkGray);
    glUniform1f(Prgm_Simple_Font_UNFM_Alp, (GLfloat)InAlp);
    for (Int32 i = 0; i < lineNum; i++) {
        if (lines[i].w <= 0 || poolTxtFaceIdx[i] < 0) continue;
        DrawGlPicRect(SHOW_Z, &lines[i], Prgm_Simple_Font_ATTR_Vtx, Prgm_Simple_Font_ATTR_Txc, QuadTexCoords,
                      texPool[poolTxtFaceIdx[i]]);
        v.faceLineRect[v.faceLines++] = lines[i];
    }
    ShowEndFont();

    duration += mFrameTimeMs;
    v.faceDrawn = 1;
    v.faceIdx = Idx;
    v.faceAnimation = animation_state;
    return 1;
}

/* The two overlays of the right side panel: the voice assistant's figure (a wake-up, looping
 * sequences while it listens or waits, recognises and speaks, and an exit, with a soft shadow
 * that fades with it) and the face enrolment guide (a camera picture or sequence per step with
 * one or two lines of instruction). Both take 255 to hide and answer 1 when they drew.
 *
 * Render thread only. A read-only view reports what they chose on their last call, for
 * diagnostics and tests; the elements never read it. */
#ifndef SHOW_VOICE_FACE_H
#define SHOW_VOICE_FACE_H

#include "BaseTypes.h"

/* One frame of the voice assistant for a CduRecord_* state (255 hides). Sequences step one
 * picture per 50 ms of frame time, the rest carried to the next frame. 1 when it drew; 0 when
 * hidden, after its exit has played, or for a state without an animation. */
Int08 ShowVoiceAssistant(UInt08 state);
/* One frame of the face enrolment guide for a FACE_RCN_* state (255 hides; the null, up, down
 * and end states hide too). Needs the atlas of font style 0 to be built. 1 when it drew. */
Int08 ShowFaceRecognition(UInt08 state);

/* What the two overlays drew on their last call. */
typedef struct Struct_ShowVoiceFaceView {
    Int08 voiceDrawn;        /* the voice assistant drew */
    UInt08 voicePreState;    /* state it animates afterwards (255 hidden) */
    UInt32 voiceIdx;         /* picture drawn */
    Int08 voiceStep;         /* direction of a looping sequence: 1 forward, -1 backward */
    Int32 voiceCarryMs;      /* milliseconds carried to the next frame */
    Flt32 shadowInvAlpha;    /* the shadow's inverted opacity (1 transparent) */
    Recti voiceRect;         /* the figure as drawn */
    Recti shadowRect;        /* the shadow as drawn */
    Int08 faceDrawn;         /* the face guide drew */
    UInt32 faceIdx;          /* picture drawn */
    Int08 faceAnimation;     /* 0 still picture, 1 sequence playing, 2 sequence ended */
    Int32 faceLines;         /* text lines drawn */
    Recti faceLineRect[2];   /* each line's image as drawn */
} ShowVoiceFaceView;
const ShowVoiceFaceView* ShowVoiceFace_View(void);

#endif

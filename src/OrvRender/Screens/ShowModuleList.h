/* The two module lists of the side panels: a vertical carousel of module icons that the main board
 * opens on one side (module identifier 1) and steers with a cursor. The centre icon is large and
 * opaque, its neighbours smaller and fainter, the band's ends faded by a mask; the icons slide one
 * entry per step towards the cursor, faster while the cursor is far ahead; a confirmed choice is
 * acknowledged for 300 ms before the list closes. The right list is the left one moved 1180 pixels
 * to the right, with the phone as one more entry and its decoration shown at once.
 *
 * Render thread only; state lives in function-level statics. A read-only view reports what each
 * list chose on its last call, for tests; the lists never read it back. */
#ifndef SHOW_MODULE_LIST_H
#define SHOW_MODULE_LIST_H

#include "BaseTypes.h"

/* The left list. cursor: LeftListCursor; moduleId: 1 keeps the list open, any other value asks it
 * to close (the centre entry's module acknowledges the choice first). 1 when the list was drawn
 * this frame, 0 when it is closed. Nothing is loaded before the list is first opened. */
Int08 ShowLeftModuleList(UInt08 cursor, UInt08 moduleId);
/* The right list, the same with RightListCursor and RightModuleID. */
Int08 ShowRightModuleList(UInt08 cursor, UInt08 moduleId);

/* What one list chose on its last call. */
typedef struct Struct_ShowModuleListSideView {
    Int08   drawn;          /* the last call's result */
    UInt08  preCursor;      /* entry in the centre, 255 = closed */
    float   currOffset;     /* distance slid in the current step, plane units */
    float   targetOffset;   /* one slot pitch while sliding, 0 at rest */
    float   itemScale;      /* growth of the current step, 0..1 */
    Int32   cfmDuration;    /* remaining acknowledgement, ms */
    Int08   clickFeedback;  /* a confirmed choice is being acknowledged */
    float   decInvAlpha;    /* decoration fade (left list), inverted opacity */
    Int08   decorationDrawn;/* the decoration was drawn */
    Int32   titleTga;       /* title picture drawn, -1 none */
    Int32   quadEntry[4];   /* entry shown by each icon quad, -1 = quad left out */
    float   quadInvAlpha[4];/* inverted opacity each quad was drawn with */
    Recti   quadRect[4];    /* each quad in screen pixels (rounded) */
} ShowModuleListSideView;

typedef struct Struct_ShowModuleListView {
    ShowModuleListSideView side[2]; /* 0 left, 1 right */
} ShowModuleListView;
const ShowModuleListView* ShowModuleList_View(void);

#endif

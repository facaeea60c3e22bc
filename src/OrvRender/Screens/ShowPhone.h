/* The phone module of the right panel: the unavailable, loading and no-record notices, the contact
 * list the driver scrolls and dials from, the incoming call with answer and decline, and the call
 * in progress (outgoing title or running call time) with end call.
 *
 * The driver's steering-wheel clicks (McuBltOp* signals) become phone requests: the module fills a
 * ReqBlueTooth record and only then sets the record's bit of BlueToothReqFlag; the head-unit link
 * sends the request and clears the bit. It also tells the main board how many entries can be
 * selected (BlutPhoneCursorNum). Render thread only, apart from ShowPhone_Request (any thread that
 * stands in for the render thread). */
#ifndef SHOW_PHONE_H
#define SHOW_PHONE_H

#include "BaseTypes.h"

/* Draws the module for this frame and handles the driver's clicks; draws only for moduleId 4.
 * Result: -1 hidden, loading and no-record notices; the latched state (0 to 3) in the unavailable,
 * incoming-call and in-call views; 1 when nothing is drawn after a declined incoming call; 6 for
 * the contact list. */
Int08 ShowModulePhone(UInt08 phoneStatus, UInt08 moduleId);

/* Phone requests the module raises. */
enum {
    SHOW_PHONE_REQ_ANSWER = 0,  /* BlueToothReqConn, bit 1 */
    SHOW_PHONE_REQ_DECLINE,     /* BlueToothReqCancel, action 1, bit 2 */
    SHOW_PHONE_REQ_END,         /* BlueToothReqCancel, action 2, bit 2 */
    SHOW_PHONE_REQ_DIAL,        /* BlueToothReqRing with contact `entry`, bit 0 */
    SHOW_PHONE_REQ_NUM
};
/* Fills the request's record from the caller (or contact entry) and then sets its bit with a
 * release, so that whoever sees the bit sees the whole record. 0 (nothing written) while the
 * record's earlier request is still unsent or for an unknown request, 1 when raised. */
Int08 ShowPhone_Request(UInt08 request, Int32 entry);

/* Writes the call time of elapsedMs as glyph indices: MM:SS below one hour, HH:MM:SS from one hour
 * on, held at 99:59:59. Returns the glyph count (5 or 8). */
Int32 ShowPhone_CallTimeGlyphs(UInt32 elapsedMs, UInt32* out);

/* Views of the module. */
enum {
    SHOW_PHONE_PAGE_HIDDEN = 0,
    SHOW_PHONE_PAGE_UNAVAILABLE,
    SHOW_PHONE_PAGE_INCALL,
    SHOW_PHONE_PAGE_OUTCALL,
    SHOW_PHONE_PAGE_CONNECT,
    SHOW_PHONE_PAGE_NOTHING,    /* after a declined incoming call */
    SHOW_PHONE_PAGE_LOADING,
    SHOW_PHONE_PAGE_NO_RECORD,
    SHOW_PHONE_PAGE_LIST,
};

/* What the module chose on its last call. Images are text bitmaps of the pool; width 0 = none. */
typedef struct Struct_ShowPhoneView {
    Int08   result;
    UInt08  page;               /* SHOW_PHONE_PAGE_* */
    UInt08  latched;            /* the module's own latched phone state */
    Flt32   invAlpha;           /* fade: 1 invisible, 0 opaque */
    UInt32  txtName[15];        /* codes of the caller's name image as last built */
    UInt32  txtNumber[20];      /* codes of the caller's number image as last built */
    Int32   nameWidth, nameHeight, numberWidth, numberHeight;
    Recti   nameRect, numberRect;   /* the caller line as drawn this frame (w 0 = not drawn) */
    Int32   icon;               /* option icon drawn this frame, -1 none */
    Flt32   optionInvAlpha[2];  /* answer/decline labels, or the end-call label in [0] */
    UInt32  timeTxt[8];         /* call time as drawn */
    Int32   timeLen;
    Int16   preCursor;          /* list entry in the middle row */
    Int16   rowEntry[5];        /* list entry of each row slot, -1 empty */
    Int32   rowNameWidth[5], rowNumberWidth[5];
    UInt32  rowName[5][15];     /* codes of each row's name image as last built */
    Int32   imagesBuilt;        /* text images rasterised this frame */
    Int32   poolMissing;        /* text images skipped for want of a pool slot, since start */
} ShowPhoneView;
const ShowPhoneView* ShowPhone_View(void);

#endif

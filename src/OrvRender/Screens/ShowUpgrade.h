/* The two upgrade pages, each a complete frame that replaces everything else and presents itself:
 * the package upgrade page follows a package transfer from the head unit (logo, waiting notice and
 * one line of status with the download percentage) and returns OtaState to idle a while after a
 * final state; the system upgrade page shows a logo, a symbol, two notices and a turning ring
 * while the main board reports a system upgrade.
 *
 * Render thread only. A read-only view reports what the pages chose on their last call, for
 * diagnostics and tests; the pages never read it. */
#ifndef SHOW_UPGRADE_H
#define SHOW_UPGRADE_H

#include "BaseTypes.h"

/* Frames a final state stays on the package upgrade page before OtaState returns to idle. */
#define SHOW_UPGRADE_HOLD_FRAMES 3000

/* One frame of the package upgrade page from OtaState and the sizes of UpgradeInfo. After more
 * than SHOW_UPGRADE_HOLD_FRAMES frames in one final state it sets OtaState to OTA_Normal (with
 * its log line); a transfer in progress never times out. */
void ShowUpgradeUI(void);
/* One frame of the system upgrade page; the ring turns clockwise at 70 degrees a second. */
void ShowNimboUpgrade(void);

/* Hundredths of a per cent received of an announced size; above 10000 when there is no
 * meaningful figure (size 0, or more received than announced). */
Int32 ShowUpgrade_DownloadRate(UInt32 recvSize, UInt32 fileSize);

/* What the two pages drew on their last call. */
typedef struct Struct_ShowUpgradeView {
    UInt08 otaState;       /* OtaState the package page showed */
    UInt16 switchTick;     /* frames counted in that state */
    Flt32 invAlpha;        /* fade of the two pictures (0 opaque) */
    Int32 dspRate;         /* download figure while transferring */
    UInt32 txt[64];        /* status text as glyph indices, zero-terminated */
    UInt08 txtLen;         /* its length with the terminating 0 entry, 0 = no text */
    Int08 presented;       /* the package page presented its frame */
    Flt32 ringAngle;       /* system page: angle of the ring in degrees */
    Int08 ringPresented;   /* the system page presented its frame */
} ShowUpgradeView;
const ShowUpgradeView* ShowUpgrade_View(void);

#endif

/* The side-panel modules that show vehicle data: the trip computer, the analogue clock, the energy
 * module (power gauge with needle and coloured arc, consumption history graph, current figure)
 * and the vehicle status (doors, trunks, tyre pressures and temperatures with their alarm).
 *
 * Each is called once per frame per side: type 0 = left panel, 1 = right panel, and the side's
 * module identifier (or 255). A module draws only when the identifier is its own on that side,
 * moved right by its panel offset on the right, and fades in each time it comes into view.
 * Render thread only; state lives in function-level statics. A read-only view reports what the
 * modules chose on their last call, for tests; the modules never read it back. */
#ifndef SHOW_VEHICLE_MODULES_H
#define SHOW_VEHICLE_MODULES_H

#include "BaseTypes.h"

/* Trip computer (left 4, right 5): trip and time since ignition, average consumption ("---" for
 * 255), trip since charging and odometer; pictures fade in over 500 ms, texts from half way. */
void ShowModuleTrip(UInt08 type, UInt08 moduleId);
/* Analogue clock (2 on both sides): hands from SysTimeOfDayInMin, fading in over 500 ms. */
void ShowModuleClock(UInt08 type, UInt08 moduleId);
/* Energy module (left 5, right 6): turns in from edge-on, needle and arc from Power (-50..200),
 * history graph of EnergyCostP100m rebuilt on each new sample (empty after a history reset), and
 * the newest consumption figure. Without a free picture-pool slot the graph is left out. */
void ShowModuleEngCost(UInt08 type, UInt08 moduleId);
/* Vehicle status (left 7, right 8): doors and trunks from Indicator[5], tyre pressures and hot
 * tyre temperatures (shown above 84 degrees, kept down to 82) with a 2 s red pulse on the wheels
 * of tyres in alarm. */
void ShowModuleVehicleStatus(UInt08 type, UInt08 moduleId);

/* What the vehicle modules chose on their last call (side = the last call that drew). Texts are
 * glyph indices of the basic atlas. */
typedef struct Struct_ShowVehicleModulesView {
    /* Trip computer. */
    UInt32 tripTxt[5][10];      /* the five value texts */
    Int32  tripLen[5];
    float  tripInvAlphaHead, tripInvAlphaBody;
    Int32  tripOffset;          /* 0 left, 1010 right */
    /* Clock. */
    float  clockHour, clockMinute; /* hand angles, degrees (negative = clockwise) */
    Int32  clockCentX, clockCentY; /* pixel point the hands turn about */
    float  clockInvAlpha;
    /* Energy module. */
    float  engPowerAngle;       /* needle angle, degrees */
    float  engTurnAngle;        /* entrance turn left, degrees */
    Int32  engArcVertices;      /* vertices of the arc strip drawn, 0 = none */
    Int08  engArcPositive;      /* 1 positive arc, 0 negative */
    Int32  engGraphRows;        /* rows of the graph bitmap that hold a level */
    Int08  engGraphDrawn;       /* the graph texture was drawn */
    Int32  engPoolIdx;          /* picture-pool slot of the graph, -1 none */
    UInt32 engFigure[5];        /* the consumption figure */
    Int32  engFigureLen;
    Int32  engOffset;           /* 0 left, 1048 right */
    /* Vehicle status. */
    UInt08 statusDspState;      /* per tyre: temperature shown, pressure warned */
    Int32  statusAlarmMs;       /* phase of the wheel pulse */
    Int32  statusPicture[12];   /* pictures drawn in order, up to the doors */
    Int32  statusPictureNum;
    Int32  statusWheel[4];      /* wheel picture of each tyre, -1 none */
    UInt32 statusPressureTxt[4][10];
    Int32  statusPressureLen[4];
    Int08  statusPressureRed[4];
    UInt32 statusTempTxt[4][10];
    Int32  statusTempLen[4];    /* 0 = not shown */
    float  statusInvAlpha0, statusInvAlpha1;
    Int32  statusInnerOffset;
} ShowVehicleModulesView;
const ShowVehicleModulesView* ShowVehicleModules_View(void);

#endif

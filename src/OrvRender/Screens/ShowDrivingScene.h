/* The driving scene: the road ahead in its own perspective while a driving gear is engaged. Up to
 * four lane lines are bent and shifted by the camera's lane polynomial, up to six vehicles ahead
 * stand on the same road as lit, textured 3D models turned with the lane, and a flat lane-assist
 * marker fades with ACCstate in front of it.
 *
 * The element reads the vehicle signal store every frame; its memory (fades, the marker that is
 * fading out, the distance samples) lives in function-level statics. It pushes its projection on
 * the projection stack and pops it again, so the rest of the page is unaffected. Render thread only.
 * A read-only view reports what it chose on its last call; the element never reads it back. */
#ifndef SHOW_DRIVING_SCENE_H
#define SHOW_DRIVING_SCENE_H

#include "BaseTypes.h"

/* Lane lines, vehicles ahead and the lane-assist marker from the signal store. */
void ShowTrafficLines(void);

/* Line points of one lane line at most (one per distance sample). */
#define SHOW_LANE_POINTS 151
/* Vehicles ahead at most. */
#define SHOW_VEHICLES 6

/* What the driving scene drew on its last call. Lines in the order LL, L, R, RR. */
typedef struct Struct_ShowDrivingSceneView {
    Int32 markerPng;          /* lane-assist picture drawn, -1 none */
    float markerInvAlpha;     /* its inverted opacity */
    float laneInvAlpha;       /* inverted opacity of every lane line */
    Int32 linePoints[4];      /* points of each line's strip, 0 = not drawn */
    float lineX[4][SHOW_LANE_POINTS];     /* scene x of each point (1.68 scene units a metre) */
    float lineY[4][SHOW_LANE_POINTS];     /* scene y of each point (ahead) */
    float lineAlpha[4][SHOW_LANE_POINTS]; /* opacity of each point */
    Int32 vehicleNum;         /* vehicles drawn */
    struct {
        Int32 slot;           /* vehicle 1-6 */
        Int32 model;          /* VBO_Car* */
        Int32 png;            /* its colour texture */
        float x, y;           /* place on the road in scene units */
        float rot;            /* heading in degrees, positive turning right */
    } vehicles[SHOW_VEHICLES];
} ShowDrivingSceneView;
const ShowDrivingSceneView* ShowDrivingScene_View(void);

#endif

// The driving scene: lane-assist marker, lane lines from the lane polynomial and the vehicles ahead
// as lit 3D models, in a perspective of its own fitted to the road.
#include "OrvRender/Screens/ShowDrivingScene.h"

#include <cmath>
#include <cstring>

#include "OrvRender/Res_Model.h"
#include "OrvRender/Screens/ShowCommon.h"
#include "Protocol/MainBoard_IIC_App.h"

static ShowDrivingSceneView mShowDrivingScene = {-1, 1.0f, 1.0f, {0}, {{0}}, {{0}}, {{0}}, 0, {}};

const ShowDrivingSceneView* ShowDrivingScene_View(void)
{
    return &mShowDrivingScene;
}

// Lane lines are 1.68 scene units a metre wide; vehicle places come in 0.1 m.
static const GLfloat kLateralScale = 1.68f;
// The road is cut where a line leaves +-8 m.
static const GLfloat kRoadHalfWidth = 8.0f;
// Distance samples from -11.88 m (under the own car) to 75 m ahead.
static const GLfloat kNearestDistance = -11.88f;
static const GLfloat kSampleRange = 86.88f;
static const Int32 kLastSample = SHOW_LANE_POINTS - 1;
static const Int32 kDashPeriod = 20;
static const Int32 kDashOn = 10;

// Distance of sample i in metres.
static GLfloat ShowDrivingScene_Distance(Int32 i)
{
    return i * kSampleRange / kLastSample + kNearestDistance;
}

// ---- Lane-assist marker ---------------------------------------------------------------------

static bool ShowDrivingScene_MarkerState(UInt08 s)
{
    return s >= 1 && s <= 4;
}

// The marker picture of a lane-assist state 1-4.
static Int32 ShowDrivingScene_MarkerPng(UInt08 s)
{
    return PNG_alarm_ACC_failure + s;
}

static void ShowDrivingScene_Marker(void)
{
    static GLfloat invAlphaBg = 1.0f;
    static UInt08 preCruiseState = 0;
    static UInt08 prepicid = 0;

    const UInt08 accState = OrvShared_Load(ACCstate);
    if (accState != preCruiseState) {
        prepicid = preCruiseState;
        preCruiseState = accState;
        // A new image starts hidden; the old one fades out from fully shown.
        invAlphaBg = ShowDrivingScene_MarkerState(accState) ? 1.0f : 0.0f;
    }
    if (ShowDrivingScene_MarkerState(accState)) {
        invAlphaBg -= mFrameTimeMs * 0.001f;
        if (invAlphaBg < 0.0f) invAlphaBg = 0.0f;
    } else {
        invAlphaBg += mFrameTimeMs * 0.001f;
        if (invAlphaBg > 1.0f) invAlphaBg = 1.0f;
    }

    Int32 png = -1;
    if (accState == 0 && invAlphaBg < 1.0f && ShowDrivingScene_MarkerState(prepicid)) png = ShowDrivingScene_MarkerPng(prepicid);
    if (invAlphaBg > 0.99f && accState == 0) prepicid = 0;
    if (ShowDrivingScene_MarkerState(accState)) png = ShowDrivingScene_MarkerPng(accState);

    if (png >= 0) {
        ShowBeginTexture();
        ShowTextureAlpha(invAlphaBg);
        ShowDrawImage(&pngImg[png]);
        ShowEndTexture();
    }
    mShowDrivingScene.markerPng = png;
    mShowDrivingScene.markerInvAlpha = invAlphaBg;
}

// ---- Lane lines -----------------------------------------------------------------------------

// Colour and pattern of the line styles 1-10.
typedef struct Struct_ShowLaneStyle {
    GLfloat rgba[4];
    bool dashed;
} ShowLaneStyle;

static const ShowLaneStyle* ShowDrivingScene_LaneStyle(UInt08 status)
{
    // White (half), grey, red, blue and white (strong), each solid then dashed.
    static const ShowLaneStyle styles[10] = {
        {{1.0f, 1.0f, 1.0f, 0.5f}, false},        {{1.0f, 1.0f, 1.0f, 0.5f}, true},
        {{1.0f, 1.0f, 1.0f, 0.3f}, false},        {{1.0f, 1.0f, 1.0f, 0.3f}, true},
        {{0.5f, 0.131f, 0.094f, 1.0f}, false},    {{0.5f, 0.131f, 0.094f, 1.0f}, true},
        {{0.0f, 0.624f, 1.0f, 1.0f}, false},      {{0.0f, 0.624f, 1.0f, 1.0f}, true},
        {{1.0f, 1.0f, 1.0f, 0.8f}, false},        {{1.0f, 1.0f, 1.0f, 0.8f}, true},
    };
    if (status < 1 || status > 10) return nullptr;
    return &styles[status - 1];
}

// Powers of the distance samples, scaled as the polynomial's coefficients are.
typedef struct Struct_ShowLaneSamples {
    GLfloat y[SHOW_LANE_POINTS], yy[SHOW_LANE_POINTS], yyy[SHOW_LANE_POINTS];
} ShowLaneSamples;

// Builds one line's strip; returns its point count. Points stop at the line's length and where
// the line leaves the road; alpha falls to 0 at the far end and dashes are cut out of it.
static Int32 ShowDrivingScene_LinePoints(const ShowLaneSamples* s, GLfloat yOrig, Int08 c0, UInt08 length,
                                         const ShowLaneStyle* style, GLfloat* vertex, GLfloat* color)
{
    const GLfloat c1 = OrvShared_Load(TrafficLaneParam1), c2 = OrvShared_Load(TrafficLaneParam2),
                  c3 = OrvShared_Load(TrafficLaneParam3);
    Int32 n = 0;
    for (Int32 i = 0; i <= kLastSample; i++) {
        GLfloat d = ShowDrivingScene_Distance(i);
        if (!(d < (GLfloat)length)) break;
        GLfloat x = c0 * 0.1f + c1 * s->y[i] + c2 * s->yy[i] + c3 * s->yyy[i];
        if (x > kRoadHalfWidth || x < -kRoadHalfWidth) break;
        vertex[n * 3 + 0] = kLateralScale * x;
        vertex[n * 3 + 1] = d - yOrig;
        vertex[n * 3 + 2] = 0.0f;
        n++;
    }
    for (Int32 k = 0; k < n; k++) {
        memcpy(&color[k * 4], style->rgba, sizeof(style->rgba));
        GLfloat ramp = n > 1 ? (GLfloat)(n - 1 - k) / (GLfloat)(n - 1) : 0.0f;
        color[k * 4 + 3] *= ramp;
        if (style->dashed && k % kDashPeriod >= kDashOn) color[k * 4 + 3] = 0.0f;
    }
    return n;
}

static void ShowDrivingScene_Lines(const ShowLaneSamples* s, GLfloat yOrig, GLfloat* laneInvAlpha)
{
    struct Line { Int08 c0; UInt08 status, length; };
    const Line lines[4] = {
        {OrvShared_Load(TrafficLaneParam0_LL), OrvShared_Load(TrafficLaneStatus_LL), OrvShared_Load(LaneLength_LL)},
        {OrvShared_Load(TrafficLaneParam0_L), OrvShared_Load(TrafficLaneStatus_L), OrvShared_Load(LaneLength_L)},
        {OrvShared_Load(TrafficLaneParam0_R), OrvShared_Load(TrafficLaneStatus_R), OrvShared_Load(LaneLength_R)},
        {OrvShared_Load(TrafficLaneParam0_RR), OrvShared_Load(TrafficLaneStatus_RR), OrvShared_Load(LaneLength_RR)},
    };
    GLfloat vertex[SHOW_LANE_POINTS * 3];
    GLfloat color[SHOW_LANE_POINTS * 4];

    glUseProgram(shader[Prgm_Simple_Color]);
    ShowUploadMatrices(Prgm_Simple_Color_UNFM_Prj, Prgm_Simple_Color_UNFM_Mdv);
    // The lines fade in once, the first time the scene is shown.
    if (*laneInvAlpha > 0.0f) {
        *laneInvAlpha -= mFrameTimeMs * 0.002f;
        if (*laneInvAlpha < 0.0f) *laneInvAlpha = 0.0f;
    }
    glUniform1f(Prgm_Simple_Color_UNFM_Alp, *laneInvAlpha);
    glEnableVertexAttribArray(Prgm_Simple_Color_ATTR_Vtx);
    glEnableVertexAttribArray(Prgm_Simple_Color_ATTR_Clr);
    for (Int32 l = 0; l < 4; l++) {
        mShowDrivingScene.linePoints[l] = 0;
        const ShowLaneStyle* style = ShowDrivingScene_LaneStyle(lines[l].status);
        if (style == nullptr) continue;
        Int32 n = ShowDrivingScene_LinePoints(s, yOrig, lines[l].c0, lines[l].length, style, vertex, color);
        mShowDrivingScene.linePoints[l] = n;
        for (Int32 k = 0; k < n; k++) {
            mShowDrivingScene.lineX[l][k] = vertex[k * 3];
            mShowDrivingScene.lineY[l][k] = vertex[k * 3 + 1];
            mShowDrivingScene.lineAlpha[l][k] = color[k * 4 + 3];
        }
        if (n == 0) continue;
        glVertexAttribPointer(Prgm_Simple_Color_ATTR_Vtx, 3, GL_FLOAT, GL_FALSE, 0, vertex);
        glVertexAttribPointer(Prgm_Simple_Color_ATTR_Clr, 4, GL_FLOAT, GL_FALSE, 0, color);
        glDrawArrays(GL_LINE_STRIP, 0, n);
    }
    glDisableVertexAttribArray(Prgm_Simple_Color_ATTR_Vtx);
    glDisableVertexAttribArray(Prgm_Simple_Color_ATTR_Clr);
    mShowDrivingScene.laneInvAlpha = *laneInvAlpha;
}

// ---- Vehicles ahead -------------------------------------------------------------------------

// Colour texture of a model (VBO_Car*, 3 = none) and colour code 0-4; -1 = not drawn.
static Int32 ShowDrivingScene_VehicleTexture(UInt08 model, UInt08 colour)
{
    static const Int32 table[4][5] = {
        {-1, PNG_uv_TexCarLarge_Gray, PNG_uv_TexCarLarge_Red, PNG_uv_TexCarLarge_Blue, PNG_uv_TexCarLarge_Yellow},
        {-1, PNG_uv_TexCarMedium_Gray, PNG_uv_TexCarMedium_Red, PNG_uv_TexCarMedium_Blue, PNG_uv_TexCarMedium_Yellow},
        {-1, PNG_uv_TexCarSmall_Gray, PNG_uv_TexCarSmall_Red, PNG_uv_TexCarSmall_Blue, PNG_uv_TexCarSmall_Yellow},
        {-1, -1, -1, -1, -1},
    };
    if (model > 3 || colour > 4) return -1;
    return table[model][colour];
}

// Model and colour codes of vehicles 1-6, packed in the four data bytes.
static void ShowDrivingScene_VehicleCodes(Int32 v, UInt08* model, UInt08* colour)
{
    const UInt08 d0 = OrvShared_Load(ForwardVehicleData0.value), d1 = OrvShared_Load(ForwardVehicleData1.value),
                 d2 = OrvShared_Load(ForwardVehicleData2.value), d3 = OrvShared_Load(ForwardVehicleData3.value);
    const UInt08 models[SHOW_VEHICLES] = {
        (UInt08)(d0 & 3), (UInt08)(d1 & 3), (UInt08)(d2 & 3), (UInt08)(d3 & 3), (UInt08)((d3 >> 2) & 3),
        (UInt08)((d3 >> 4) & 3),
    };
    const UInt08 colours[SHOW_VEHICLES] = {
        (UInt08)((d0 >> 2) & 7), (UInt08)((d0 >> 5) & 7), (UInt08)((d1 >> 2) & 7),
        (UInt08)((d1 >> 5) & 7), (UInt08)((d2 >> 2) & 7), (UInt08)((d2 >> 5) & 7),
    };
    *model = models[v];
    *colour = colours[v];
}

// The lighting of the vehicle models: ambient, diffuse and specular terms and a light above and
// behind the camera, so that the backs the driver sees are lit and the roofs stay brighter.
static const GLfloat kVehicleMaterial[16] = {
    0.55f, 0.55f, 0.55f, 1.0f,
    0.60f, 0.60f, 0.60f, 1.0f,
    0.25f, 0.25f, 0.25f, 1.0f,
    0.0f, 40.0f, 20.0f, 1.0f,
};

static void ShowDrivingScene_Vehicles(GLfloat yOrig)
{
    const Int08 xs[SHOW_VEHICLES] = {OrvShared_Load(ForwardVehicle1X), OrvShared_Load(ForwardVehicle2X),
                                     OrvShared_Load(ForwardVehicle3X), OrvShared_Load(ForwardVehicle4X),
                                     OrvShared_Load(ForwardVehicle5X), OrvShared_Load(ForwardVehicle6X)};
    const Int08 ys[SHOW_VEHICLES] = {OrvShared_Load(ForwardVehicle1Y), OrvShared_Load(ForwardVehicle2Y),
                                     OrvShared_Load(ForwardVehicle3Y), OrvShared_Load(ForwardVehicle4Y),
                                     OrvShared_Load(ForwardVehicle5Y), OrvShared_Load(ForwardVehicle6Y)};
    const GLfloat c1 = OrvShared_Load(TrafficLaneParam1), c2 = OrvShared_Load(TrafficLaneParam2),
                  c3 = OrvShared_Load(TrafficLaneParam3);

    mShowDrivingScene.vehicleNum = 0;
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glUseProgram(shader[Prgm_Model_Ads]);
    glUniformMatrix4fv(Prgm_Model_Ads_UNFM_Prj, 1, GL_FALSE, mPrjMatStack.mat[mPrjMatStack.idx]);
    glUniformMatrix4fv(Prgm_Model_Ads_UNFM_Ads, 1, GL_FALSE, kVehicleMaterial);
    glUniform1i(Prgm_Model_Ads_UNFM_Tex, 0);
    glActiveTexture(GL_TEXTURE0);
    glEnableVertexAttribArray(Prgm_Model_Ads_ATTR_Vtx);
    glEnableVertexAttribArray(Prgm_Model_Ads_ATTR_Nor);
    glEnableVertexAttribArray(Prgm_Model_Ads_ATTR_Txc);

    for (Int32 v = 0; v < SHOW_VEHICLES; v++) {
        UInt08 model, colour;
        ShowDrivingScene_VehicleCodes(v, &model, &colour);
        // Out of the designed range: no vehicle.
        if (colour > 4 || xs[v] < -80 || xs[v] > 80) model = 3;
        Int32 png = ShowDrivingScene_VehicleTexture(model, colour);
        if (model == 3 || png < 0) continue;
        if (pngStatus[png] == Png_Unload) ShowLoadPng(png);
        if (pngStatus[png] != Png_TexGen || vboStatus[model] != Vbo_BufGen) continue;

        const GLfloat d = ys[v];
        const GLfloat slope = c1 / 1000.0f + 2.0f * c2 * d / 10000.0f + 3.0f * c3 * d * d / 1000000.0f;
        const GLfloat rot = atanf(kLateralScale * slope) * 57.29578f;
        const GLfloat x = xs[v] * 0.1f * kLateralScale, y = d - yOrig;

        PushMatrix4x4Stack(&mMdvMatStack);
        GLfloat* top = mMdvMatStack.mat[mMdvMatStack.idx];
        TranslateMatrix4x4(top, x, y, 0.0f);
        RotateMatrix4x4_Z_Axis(top, -rot);
        glUniformMatrix4fv(Prgm_Model_Ads_UNFM_Mdv, 1, GL_FALSE, top);
        PopMatrix4x4Stack(&mMdvMatStack);

        const Model3DVbo& m = vboModel[model];
        glBindBuffer(GL_ARRAY_BUFFER, m.buf[VBO_BUF_VTX]);
        glVertexAttribPointer(Prgm_Model_Ads_ATTR_Vtx, 3, GL_FLOAT, GL_FALSE, 0, nullptr);
        glBindBuffer(GL_ARRAY_BUFFER, m.buf[VBO_BUF_NOR]);
        glVertexAttribPointer(Prgm_Model_Ads_ATTR_Nor, 3, GL_FLOAT, GL_FALSE, 0, nullptr);
        glBindBuffer(GL_ARRAY_BUFFER, m.buf[VBO_BUF_TXC]);
        glVertexAttribPointer(Prgm_Model_Ads_ATTR_Txc, 2, GL_FLOAT, GL_FALSE, 0, nullptr);
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, m.buf[VBO_BUF_IDX]);
        glBindTexture(GL_TEXTURE_2D, pngImg[png].tex);
        glDrawElements(GL_TRIANGLES, (GLsizei)(m.face_num * 3), vboIdxType[m.idx_type], nullptr);

        auto& out = mShowDrivingScene.vehicles[mShowDrivingScene.vehicleNum++];
        out.slot = v + 1;
        out.model = model;
        out.png = png;
        out.x = x;
        out.y = y;
        out.rot = rot;
    }

    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    glDisableVertexAttribArray(Prgm_Model_Ads_ATTR_Vtx);
    glDisableVertexAttribArray(Prgm_Model_Ads_ATTR_Nor);
    glDisableVertexAttribArray(Prgm_Model_Ads_ATTR_Txc);
    glDisable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
}

// ---- The scene ------------------------------------------------------------------------------

void ShowTrafficLines(void)
{
    static Int08 init = 0;
    static ShowLaneSamples samples;
    static GLfloat zNear, zFar, zTrans, yOrig;
    static GLfloat laneInvAlpha;

    if (!init) {
        // The camera: 57.96 units behind the road's origin, tilted 75 degrees down towards it,
        // with near and far planes that just hold the 87 m of road.
        zTrans = 57.955544f;
        const GLfloat a = 15.0f / cosf(-52.5f * 0.017453292f);
        zNear = a * 0.92387953f;
        zFar = zNear + 83.919633f;
        yOrig = (zTrans - zNear) / 0.96592582f + kNearestDistance;
        for (Int32 i = 0; i <= kLastSample; i++) {
            GLfloat d = ShowDrivingScene_Distance(i);
            samples.y[i] = d / 1000.0f;
            samples.yy[i] = d * d / 10000.0f;
            samples.yyy[i] = d * d * d / 1000000.0f;
        }
        laneInvAlpha = 1.0f;
        init = 1;
    }
    // Loading is a state check once done; it also brings the resources back after a clean-up.
    for (Int32 id = 0; id < VBO_NUM; id++) {
        Once_LoadVboModelData(id);
        Once_GenVboBuffer(id);
    }
    for (Int32 id = PNG_lane_assist_left; id <= PNG_lane_assist_right_alarm; id++) ShowLoadPng(id);

    ShowDrivingScene_Marker();

    // The scene's own perspective on top of the cluster's.
    GLfloat fovy, near0, far0;
    GLint w, h;
    PushMatrix4x4Stack(&mPrjMatStack);
    GetPerspectiveParameters(&fovy, &w, &h, &near0, &far0);
    SetPerspectiveParameters(45.0f, w, h, zNear, zFar);
    CalcPerspectiveMatrix(mPrjMatStack.mat[mPrjMatStack.idx]);
    glLineWidth(6.0f);

    PushMatrix4x4Stack(&mMdvMatStack);
    GLfloat* mdv = mMdvMatStack.mat[mMdvMatStack.idx];
    SetIdentityMatrix4x4(mdv);
    TranslateMatrix4x4(mdv, 0.0f, 0.0f, -zTrans);
    RotateMatrix4x4_X_Axis(mdv, -75.0f);

    ShowDrivingScene_Lines(&samples, yOrig, &laneInvAlpha);
    ShowDrivingScene_Vehicles(yOrig);

    PopMatrix4x4Stack(&mMdvMatStack);
    SetPerspectiveParameters(fovy, w, h, near0, far0);
    PopMatrix4x4Stack(&mPrjMatStack);
}

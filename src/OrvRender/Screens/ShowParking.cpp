// The parking-radar view and the parked car: the own car from above, the sensor arcs with their
// widths, colours and cosine blends, the distance text, and the parked car with its doors and wheels.
#include "OrvRender/Screens/ShowParking.h"

#include <cmath>
#include <cstring>

#include "OrvRender/Res_TxtBasic.h"
#include "OrvRender/Screens/ShowCommon.h"
#include "Protocol/MainBoard_IIC_App.h"

static ShowParkingView mShowParking = {0, -1, -1, 0, 0, 1.0f, 1.0f, {0, 0}, {{0}}, {{0}}, {{{0}}}, {0}, 0, 0, 0,
                                       0, {0}, 0, {0}, 0, 0, 0, 0.0f, 0.0f};

const ShowParkingView* ShowParking_View(void)
{
    return &mShowParking;
}

// ---- Radar arcs -----------------------------------------------------------------------------

static const Int32 kSensors = 6;
static const Int32 kPoints = SHOW_RADAR_COLUMNS * 2;
static const Int32 kSectorColumns = 6;
static const Int32 kGapColumns = 16;
static const Int32 kColumnsPerSensor = kSectorColumns + kGapColumns;
// A spacing above this is no obstacle; rates are spacings over the far limit.
static const UInt08 kRadarNearest = 140;
static const GLfloat kRadarFar = 169.0f;
static const UInt08 kNoObstacle = 255;

// One arc: its centre, radii (first and second point of a column), whether it opens below its
// centre, which point is nearer the car, and its mask.
typedef struct Struct_ShowRadarArc {
    GLfloat cx, cy, r0, r1, ySign;
    Int32 inner;  // 0 or 1: the point of a column nearer the car
    Int32 mask;
} ShowRadarArc;
static const ShowRadarArc kArcs[2] = {
    {960.0f, 545.0f, 250.0f, 155.0f, -1.0f, 1, PNG_radar_mask_front},
    {405.0f, 158.0f, 158.0f, 245.0f, 1.0f, 0, PNG_radar_mask_rear},
};

// Angle in degrees of a column: six 3-degree columns per sector from 7.5 degrees, a sector every 30
// degrees, the sixteen gap columns spread over the 15 degrees between two sectors.
static GLfloat ShowParking_ColumnAngle(Int32 col)
{
    Int32 k = col / kColumnsPerSensor, m = col % kColumnsPerSensor;
    if (m < kSectorColumns) return 7.5f + 30.0f * k + 3.0f * m;
    return 22.5f + 30.0f * k + (m - kSectorColumns + 1) * 15.0f / 17.0f;
}

// Screen points and mask coordinates of both arcs, converted to the plane at depth -150.
typedef struct Struct_ShowRadarGeometry {
    GLfloat vtx[2][kPoints * 2];
    GLfloat txc[2][kPoints * 2];
} ShowRadarGeometry;

static void ShowParking_BuildArcs(ShowRadarGeometry* g)
{
    for (Int32 a = 0; a < 2; a++) {
        const ShowRadarArc& arc = kArcs[a];
        const Image& mask = pngImg[arc.mask];
        Vec2f screen[kPoints];
        for (Int32 c = 0; c < SHOW_RADAR_COLUMNS; c++) {
            GLfloat rad = ShowParking_ColumnAngle(c) * 0.017453292f, u = cosf(rad), v = sinf(rad);
            screen[2 * c] = Vec2f{arc.cx - arc.r0 * u, arc.cy + arc.ySign * arc.r0 * v};
            screen[2 * c + 1] = Vec2f{arc.cx - arc.r1 * u, arc.cy + arc.ySign * arc.r1 * v};
        }
        for (Int32 p = 0; p < kPoints; p++) {
            g->txc[a][2 * p] = mask.w > 0 ? (screen[p].x - mask.ltx) / mask.w : 0.0f;
            g->txc[a][2 * p + 1] = mask.h > 0 ? (mask.lty + mask.h - screen[p].y) / mask.h : 0.0f;
        }
        CalcClipFltPoints(SHOW_Z, screen, (Vec2f*)g->vtx[a], kPoints);
    }
}

// Colour of a sensor colour code; false for a code that means no obstacle.
static bool ShowParking_SensorColor(UInt08 code, GLfloat* rgba)
{
    static const GLfloat red[4] = {0.9f, 0.04f, 0.04f, 1.0f};
    static const GLfloat yellow[4] = {0.98f, 0.71f, 0.04f, 1.0f};
    static const GLfloat green[4] = {0.08f, 1.0f, 0.1f, 1.0f};
    const GLfloat* c = code == 1 || code == 7 ? red : code == 2 ? yellow : green;
    memcpy(rgba, c, sizeof(red));
    return code == 1 || code == 2 || code == 3 || code == 7;
}

// Rate and colour of each column of one end's six sensors: sectors take their sensor's, gaps fade
// out beside a sensor whose neighbour is clear, or blend both with a cosine profile.
static void ShowParking_Columns(const UInt08* spacing, const UInt08* code, GLfloat* rate, GLfloat* alpha,
                                GLfloat (*color)[4])
{
    GLfloat r[kSensors], c[kSensors][4];
    bool clear[kSensors];
    for (Int32 k = 0; k < kSensors; k++) {
        UInt08 s = spacing[k] > kRadarNearest ? kNoObstacle : spacing[k];
        if (!ShowParking_SensorColor(code[k], c[k])) s = kNoObstacle;
        clear[k] = s == kNoObstacle;
        r[k] = clear[k] ? 1.0f : s / kRadarFar;
    }
    for (Int32 col = 0; col < SHOW_RADAR_COLUMNS; col++) {
        Int32 k = col / kColumnsPerSensor, m = col % kColumnsPerSensor;
        GLfloat* out = color[col];
        if (m < kSectorColumns) {
            rate[col] = r[k];
            alpha[col] = 1.0f - r[k] / 1.5f;
            memcpy(out, c[k], sizeof(c[k]));
            continue;
        }
        Int32 g = m - kSectorColumns + 1;  // 1..16
        rate[col] = 1.0f;
        alpha[col] = 0.0f;
        memcpy(out, c[k], sizeof(c[k]));
        if (clear[k] && clear[k + 1]) continue;
        if (clear[k]) {
            if (g >= 9) {
                rate[col] = r[k + 1];
                alpha[col] = (1.0f - r[k + 1] / 1.5f) * (g - 9) / 8.0f;
                memcpy(out, c[k + 1], sizeof(c[k + 1]));
            }
        } else if (clear[k + 1]) {
            if (g <= 8) {
                rate[col] = r[k];
                alpha[col] = (1.0f - r[k] / 1.5f) * (9 - g) / 8.0f;
            }
        } else {
            GLfloat t = 1.0f - cosf(g * 3.14159265f / 17.0f);
            rate[col] = r[k] + (r[k + 1] - r[k]) * t / 2.0f;
            alpha[col] = 1.0f - rate[col] / 1.5f;
            for (Int32 i = 0; i < 4; i++) out[i] = (c[k][i] * (2.0f - t) + c[k + 1][i] * t) / 2.0f;
        }
    }
}

// Per-frame vertices and colours of one arc: the inner point moves out to the band's width.
static void ShowParking_ArcFrame(Int32 a, const GLfloat* vtx0, const GLfloat* rate, const GLfloat* alpha,
                                 GLfloat (*color)[4], GLfloat* vtx1, GLfloat* clr)
{
    const Int32 inner = kArcs[a].inner, outer = 1 - inner;
    for (Int32 col = 0; col < SHOW_RADAR_COLUMNS; col++) {
        const GLfloat* pi = &vtx0[(2 * col + inner) * 2];
        const GLfloat* po = &vtx0[(2 * col + outer) * 2];
        GLfloat* qi = &vtx1[(2 * col + inner) * 3];
        GLfloat* qo = &vtx1[(2 * col + outer) * 3];
        const GLfloat r = rate[col];
        qo[0] = po[0], qo[1] = po[1], qo[2] = SHOW_Z;
        qi[0] = pi[0] * (1.0f - r) + po[0] * r;
        qi[1] = pi[1] * (1.0f - r) + po[1] * r;
        qi[2] = SHOW_Z;
        GLfloat* ci = &clr[(2 * col + inner) * 4];
        GLfloat* co = &clr[(2 * col + outer) * 4];
        memcpy(ci, color[col], 4 * sizeof(GLfloat));
        memcpy(co, color[col], 4 * sizeof(GLfloat));
        ci[3] = alpha[col];
        co[3] = 0.0f;
    }
}

// ---- Radar view -----------------------------------------------------------------------------

// Front and rear car halves of a body colour.
static void ShowParking_RadarCar(UInt08 colorCfg, Int32* front, Int32* rear)
{
    static const struct { UInt08 cfg; Int32 front, rear; } table[] = {
        {VehicleColor_Red, PNG_radar_car_front_red, PNG_radar_car_rear_red},
        {VehicleColor_Silver, PNG_radar_car_front_grey, PNG_radar_car_rear_grey},
        {VehicleColor_Blue, PNG_radar_car_front_blue, PNG_radar_car_rear_blue},
        {VehicleColor_DarkGray, PNG_radar_car_front_dark_grey, PNG_radar_car_rear_dark_grey},
        {VehicleColor_AllRed, PNG_radar_car_front_red, PNG_radar_car_rear_all_red},
        {VehicleColor_AllGray, PNG_radar_car_front_grey, PNG_radar_car_rear_all_grey},
        {VehicleColor_AllBlue, PNG_radar_car_front_blue, PNG_radar_car_rear_all_blue},
    };
    *front = PNG_radar_car_front_white;
    *rear = PNG_radar_car_rear_white;
    for (const auto& e : table)
        if (e.cfg == colorCfg) *front = e.front, *rear = e.rear;
}

static void ShowParking_DrawCarHalf(Int32 png, Int32 x, GLfloat rate, bool fromBelow)
{
    const Image* img = &pngImg[png];
    Recti r = ShowImageRect(img);
    r.x = x;
    r.y = fromBelow ? r.y + (Int32)((720 - r.y) * rate) : r.y - (Int32)((r.y + r.h) * rate);
    ShowTextureAlpha(rate);
    ShowDrawImageRect(img, r);
    (fromBelow ? mShowParking.radarFrontY : mShowParking.radarRearY) = r.y;
}

static void ShowParking_DistanceText(UInt08 priority)
{
    mShowParking.distLen = 0;
    mShowParking.distUnit = 0;
    mShowParking.distTxt[0] = 0;
    const UInt16 distance = OrvShared_Load(RadarDistance);
    if (distance == 0) return;
    const GLint x = 400, y = priority == 0 ? 200 : 450;
    const GLint layout = TXT_ALIGN_HCENTER | TXT_ALIGN_VCENTER;
    ShowBeginFont();
    if (distance == 1) {
        for (Int32 i = 0; i < 2; i++) mShowParking.distTxt[i] = str_radar_info_stop_idx[i];
        mShowParking.distLen = 2;
        mShowParking.distStyle = 1;
        if (ShowFontReady(Style_SiYuan_M))
            ShowText(x, y, fontSize_SiYuan_M_48, Style_SiYuan_M, mShowParking.distTxt, 2, layout, colorRed_stop, 0.1f);
    } else {
        mShowParking.distLen = ShowDecimalGlyphs(mShowParking.distTxt, distance);
        mShowParking.distStyle = 0;
        mShowParking.distUnit = 1;
        const UInt32 cm[2] = {(UInt32)GetAssicIdx('c'), (UInt32)GetAssicIdx('m')};
        GLint dspLen = 0;
        if (ShowFontReady(Style_SiYuan_R))
            ShowText(x - 15, y, fontSize_SiYuan_M_48, Style_SiYuan_R, mShowParking.distTxt, mShowParking.distLen,
                     layout, colorWhite, 0.1f, &dspLen);
        if (ShowFontReady(Style_SiYuan_M))
            ShowText(x + dspLen / 2 + 10, y + 4, fontSize_SiYuan_M_28_1, Style_SiYuan_M, cm, 2, layout, colorWhite,
                     0.1f);
    }
    mShowParking.distTxt[mShowParking.distLen] = 0;
    ShowEndFont();
}

void ShowBackingCar(Int08 visible, UInt08 backType, UInt08 priority)
{
    static Int08 preVisible = 0, localInit = 0;
    static UInt08 preBackType = 0, prePriority = 0;
    static Flt32 rateOffsetHead = 1.0f, rateOffsetTail = 1.0f;
    static Flt32 xTransTypeD = 0.0f;
    static ShowRadarGeometry geometry;

    mShowParking.radarShown = 0;
    if (!visible) {
        preVisible = 0;
        return;
    }
    if (!preVisible) rateOffsetHead = rateOffsetTail = 1.0f;
    ShowLoadPng(PNG_radar_mask_front);
    ShowLoadPng(PNG_radar_mask_rear);
    if (!localInit) {
        // The driving view shows the front half where the rear half stands: 552 pixels to the left.
        Vec2f shift = {(GLfloat)(pngImg[PNG_radar_car_front_white].ltx + 960 - pngImg[PNG_radar_car_rear_white].ltx),
                       360.0f};
        Vec2f scene;
        CalcClipFltPoints(SHOW_Z, &shift, &scene, 1);
        xTransTypeD = scene.x;
        ShowParking_BuildArcs(&geometry);
        localInit = 1;
    }

    Int32 front, rear;
    ShowParking_RadarCar(OrvShared_Load(VehicleColorCfg), &front, &rear);
    ShowLoadPng(front);
    ShowLoadPng(rear);

    if (backType != preBackType) {
        preBackType = backType;
        rateOffsetHead = 1.0f;
        if (prePriority == 0) rateOffsetTail = 1.0f;
    } else if (backType == BackType_D) {
        if (prePriority == 0 && priority == 1) rateOffsetTail = 1.0f;
        if (prePriority == 1 && priority == 0) rateOffsetHead = 1.0f;
    }
    prePriority = priority;
    preVisible = 1;

    // Car halves: the front rises from the bottom edge, the rear drops from above the top edge.
    if (rateOffsetHead > 0.0f || rateOffsetTail > 0.0f) {
        rateOffsetHead = fmaxf(0.0f, rateOffsetHead - mFrameTimeMs * 0.0015f);
        rateOffsetTail = fmaxf(0.0f, rateOffsetTail - mFrameTimeMs * 0.0015f);
    }
    const bool showFront = backType == BackType_R || priority == 0;
    const bool showRear = backType == BackType_R || priority == 1;
    ShowBeginTexture();
    mShowParking.radarFrontPng = mShowParking.radarRearPng = -1;
    if (showFront) {
        Int32 x = backType == BackType_D ? pngImg[rear].ltx : pngImg[front].ltx;
        ShowParking_DrawCarHalf(front, x, rateOffsetHead, true);
        mShowParking.radarFrontPng = front;
    }
    if (showRear) {
        ShowParking_DrawCarHalf(rear, pngImg[rear].ltx, rateOffsetTail, false);
        mShowParking.radarRearPng = rear;
    }
    ShowTextureAlpha(0.0f);
    ShowEndTexture();

    // Sensors, front F0..F5 and rear B0..B5, left to right.
    const UInt08 spacing[2][kSensors] = {
        {OrvShared_Load(RadarSpacingF0), OrvShared_Load(RadarSpacingF1), OrvShared_Load(RadarSpacingF2),
         OrvShared_Load(RadarSpacingF3), OrvShared_Load(RadarSpacingF4), OrvShared_Load(RadarSpacingF5)},
        {OrvShared_Load(RadarSpacingB0), OrvShared_Load(RadarSpacingB1), OrvShared_Load(RadarSpacingB2),
         OrvShared_Load(RadarSpacingB3), OrvShared_Load(RadarSpacingB4), OrvShared_Load(RadarSpacingB5)},
    };
    const UInt08 code[2][kSensors] = {
        {OrvShared_Load(RadarColorF0), OrvShared_Load(RadarColorF1), OrvShared_Load(RadarColorF2),
         OrvShared_Load(RadarColorF3), OrvShared_Load(RadarColorF4), OrvShared_Load(RadarColorF5)},
        {OrvShared_Load(RadarColorB0), OrvShared_Load(RadarColorB1), OrvShared_Load(RadarColorB2),
         OrvShared_Load(RadarColorB3), OrvShared_Load(RadarColorB4), OrvShared_Load(RadarColorB5)},
    };
    GLfloat color[2][SHOW_RADAR_COLUMNS][4];
    GLfloat vtx1[kPoints * 3], clr[kPoints * 4];
    const GLfloat rates[2] = {rateOffsetHead, rateOffsetTail};
    const bool shown[2] = {showFront, showRear};

    glUseProgram(shader[Prgm_Color_TexAlpha]);
    glUniformMatrix4fv(Prgm_Color_TexAlpha_UNFM_Prj, 1, GL_FALSE, mPrjMatStack.mat[mPrjMatStack.idx]);
    glUniform1i(Prgm_Color_TexAlpha_UNFM_Tex, 0);
    glUniform1f(Prgm_Color_TexAlpha_UNFM_Alp, 0.0f);
    glActiveTexture(GL_TEXTURE0);
    glEnableVertexAttribArray(Prgm_Color_TexAlpha_ATTR_Vtx);
    glEnableVertexAttribArray(Prgm_Color_TexAlpha_ATTR_Clr);
    glEnableVertexAttribArray(Prgm_Color_TexAlpha_ATTR_Txc);
    for (Int32 a = 0; a < 2; a++) {
        ShowParking_Columns(spacing[a], code[a], mShowParking.arcRate[a], mShowParking.arcAlpha[a], color[a]);
        for (Int32 c = 0; c < SHOW_RADAR_COLUMNS; c++) memcpy(mShowParking.arcColor[a][c], color[a][c], 3 * sizeof(GLfloat));
        // An arc shows once its car half is in place, and only with its mask (a missing picture
        // has no texture to bind).
        mShowParking.arcDrawn[a] = shown[a] && rates[a] <= 0.0f && pngImg[kArcs[a].mask].tex != 0xFFFFFFFF;
        if (!mShowParking.arcDrawn[a]) continue;
        ShowParking_ArcFrame(a, geometry.vtx[a], mShowParking.arcRate[a], mShowParking.arcAlpha[a], color[a], vtx1, clr);
        // In the driving view the front arc follows its car half to the left.
        PushMatrix4x4Stack(&mMdvMatStack);
        if (a == 0 && backType == BackType_D) TranslateMatrix4x4(mMdvMatStack.mat[mMdvMatStack.idx], -xTransTypeD, 0.0f, 0.0f);
        glUniformMatrix4fv(Prgm_Color_TexAlpha_UNFM_Mdv, 1, GL_FALSE, mMdvMatStack.mat[mMdvMatStack.idx]);
        PopMatrix4x4Stack(&mMdvMatStack);
        glBindTexture(GL_TEXTURE_2D, pngImg[kArcs[a].mask].tex);
        glVertexAttribPointer(Prgm_Color_TexAlpha_ATTR_Vtx, 3, GL_FLOAT, GL_FALSE, 0, vtx1);
        glVertexAttribPointer(Prgm_Color_TexAlpha_ATTR_Clr, 4, GL_FLOAT, GL_FALSE, 0, clr);
        glVertexAttribPointer(Prgm_Color_TexAlpha_ATTR_Txc, 2, GL_FLOAT, GL_FALSE, 0, geometry.txc[a]);
        glDrawArrays(GL_TRIANGLE_STRIP, 0, kPoints);
    }
    glDisableVertexAttribArray(Prgm_Color_TexAlpha_ATTR_Vtx);
    glDisableVertexAttribArray(Prgm_Color_TexAlpha_ATTR_Clr);
    glDisableVertexAttribArray(Prgm_Color_TexAlpha_ATTR_Txc);

    ShowParking_DistanceText(priority);
    mShowParking.rateHead = rateOffsetHead;
    mShowParking.rateTail = rateOffsetTail;
    mShowParking.radarShown = 1;
}

// ---- Parked car -----------------------------------------------------------------------------

// Offsets of the pictures in a colour family.
enum {
    ParkCar_Base = 0, ParkCar_Camera, ParkCar_TrunkClosed, ParkCar_TrunkOpen, ParkCar_PortClosed, ParkCar_PortOpen,
    ParkCar_BonnetClosed, ParkCar_BonnetOpen, ParkCar_LeftRearClosed, ParkCar_LeftRearOpen, ParkCar_LeftFrontClosed,
    ParkCar_LeftFrontOpen, ParkCar_RightRearClosed, ParkCar_RightRearOpen, ParkCar_RightFrontClosed,
    ParkCar_RightFrontOpen, ParkCar_FamilySize
};

// The family of a body colour, and the family its doors and lids come from (the all-colour
// families have only base, camera and trunk).
static void ShowParking_Family(UInt08 colorCfg, Int32* base, Int32* doors)
{
    static const struct { UInt08 cfg; Int32 base, doors; } table[] = {
        {VehicleColor_Red, PNG_parking_car_red_base, PNG_parking_car_red_base},
        {VehicleColor_Silver, PNG_parking_car_gray_base, PNG_parking_car_gray_base},
        {VehicleColor_Blue, PNG_parking_car_blue_base, PNG_parking_car_blue_base},
        {VehicleColor_DarkGray, PNG_parking_car_darkgray_base, PNG_parking_car_darkgray_base},
        {VehicleColor_AllRed, PNG_parking_car_all_red_base, PNG_parking_car_red_base},
        {VehicleColor_AllGray, PNG_parking_car_all_gray_base, PNG_parking_car_gray_base},
        {VehicleColor_AllBlue, PNG_parking_car_all_blue_base, PNG_parking_car_blue_base},
    };
    *base = *doors = PNG_parking_car_white_base;
    for (const auto& e : table)
        if (e.cfg == colorCfg) *base = e.base, *doors = e.doors;
}

// The steered wheel picture, -1 for an unknown angle.
static Int32 ShowParking_WheelPng(UInt08 rot)
{
    static const Int32 wheels[] = {PNG_parking_car_wheel_0, PNG_parking_car_wheel_l30, PNG_parking_car_wheel_l45,
                                   PNG_parking_car_wheel_l60, PNG_parking_car_wheel_r30, PNG_parking_car_wheel_r45,
                                   PNG_parking_car_wheel_r60};
    return rot < sizeof(wheels) / sizeof(wheels[0]) ? wheels[rot] : -1;
}

// A body picture at its place shifted by the glide, at depth z.
static void ShowParking_DrawParked(Int32 png, Int32 xOffset, GLfloat z)
{
    Recti r = ShowImageRect(&pngImg[png]);
    r.x += xOffset;
    DrawGlPicRect(z, &r, Prgm_Simple_Texture_ATTR_Vtx, Prgm_Simple_Texture_ATTR_Txc, QuadTexCoords, pngImg[png].tex);
}

void ShowParkingCar(Int08 visible, Int08 isOffMode)
{
    static Int08 preVisible = 0;
    static Flt32 scale = 0.69f, scaleDst = 0.69f;
    static UInt32 moveDuration = 1000;

    mShowParking.parkedShown = 0;
    if (!visible) {
        preVisible = 0;
        return;
    }
    if (!preVisible) {
        scale = isOffMode ? 1.0f : 0.69f;
        // The car arrives in the last fifth of its glide.
        moveDuration = 800;
    }
    for (Int32 id = PNG_parking_car_wheel_0; id <= PNG_parking_car_wheel_r60; id++) ShowLoadPng(id);
    for (Int32 id = PNG_rolling_00; id <= PNG_rolling_11; id++) ShowLoadPng(id);
    preVisible = 1;
    scaleDst = isOffMode ? 1.0f : 0.69f;

    Int32 base, doors;
    ShowParking_Family(OrvShared_Load(VehicleColorCfg), &base, &doors);
    if (pngStatus[base] == Png_Unload) {
        for (Int32 i = ParkCar_Base; i <= ParkCar_TrunkOpen; i++) ShowLoadPng(base + i);
        for (Int32 i = ParkCar_PortClosed; i < ParkCar_FamilySize; i++) ShowLoadPng(doors + i);
    }
    ShowLoadPng(PNG_parking_car_blue_base);

    GLfloat invAlpha = 0.0f;
    if (scale < scaleDst) {
        scale = fminf(scaleDst, scale + mFrameTimeMs * 0.001f);
        invAlpha = 1.0f - scale / scaleDst;
    } else if (scale > scaleDst) {
        scale = fmaxf(scaleDst, scale - mFrameTimeMs * 0.001f);
    }

    if (moveDuration <= 999) moveDuration = moveDuration + mFrameTimeMs > 1000 ? 1000 : moveDuration + mFrameTimeMs;
    const Image& ref = pngImg[PNG_parking_car_blue_base];
    const Int32 xOffset = (Int32)((1.0f - sinf(moveDuration * 9.0f / 100.0f * 0.017453292f)) * (1920 + ref.w - ref.ltx));

    ShowBeginTexture();
    PushMatrix4x4Stack(&mMdvMatStack);
    ScaleMatrix4x4(mMdvMatStack.mat[mMdvMatStack.idx], scale, scale, 1.0f);
    ShowUploadMatrices(Prgm_Simple_Texture_UNFM_Prj, Prgm_Simple_Texture_UNFM_Mdv);
    ShowTextureAlpha(invAlpha);

    mShowParking.parkedNum = 0;
    auto draw = [&](Int32 png, GLfloat z) {
        ShowParking_DrawParked(png, xOffset, z);
        mShowParking.parkedPng[mShowParking.parkedNum++] = png;
    };
    draw(base + ParkCar_Base, -180.0f);
    if (OrvShared_Load(Indicator[0].value) & 0x80) draw(base + ParkCar_Camera, -180.0f);
    const UInt08 open = OrvShared_Load(Indicator[5].value);
    // Trunk from the car's own family; doors, bonnet and port from the door family.
    draw(base + ((open & 0x20) ? ParkCar_TrunkOpen : ParkCar_TrunkClosed), SHOW_Z);
    static const struct { UInt08 bit; Int32 closed; } lids[] = {
        {0x01, ParkCar_LeftFrontClosed}, {0x02, ParkCar_LeftRearClosed}, {0x10, ParkCar_BonnetClosed},
        {0x04, ParkCar_RightFrontClosed}, {0x08, ParkCar_RightRearClosed},
    };
    for (const auto& l : lids) draw(doors + l.closed + ((open & l.bit) ? 1 : 0), SHOW_Z);
    draw(doors + ParkCar_PortClosed, SHOW_Z);

    // Wheels: rolling frames at the two wheel places while gliding, then the steered front wheel.
    mShowParking.parkedWheelNum = 0;
    auto wheel = [&](Int32 png, Recti r, GLfloat* txc) {
        r.x += xOffset;
        ShowDrawImageRect(&pngImg[png], r, txc);
        mShowParking.parkedWheel[mShowParking.parkedWheelNum++] = png;
    };
    auto at = [](Int32 png, Int32 x, Int32 y) { return Recti{x, y, pngImg[png].w, pngImg[png].h}; };
    if (moveDuration <= 999) {
        const Int32 k = (Int32)((moveDuration / 10 + 8) % 12);
        wheel(PNG_parking_car_wheel_0, ShowImageRect(&pngImg[PNG_parking_car_wheel_0]), QuadTexCoords);
        wheel(PNG_rolling_00 + k, at(PNG_rolling_00 + k, 709, 497), QuadTexCoords);
        wheel(PNG_rolling_11 - k, at(PNG_rolling_11 - k, 1096, 497), RotQuadTexCoords);
    } else {
        Int32 png = ShowParking_WheelPng(OrvShared_Load(FrontWheelRotState));
        if (png >= 0) wheel(png, ShowImageRect(&pngImg[png]), QuadTexCoords);
    }
    PopMatrix4x4Stack(&mMdvMatStack);
    ShowUploadMatrices(Prgm_Simple_Texture_UNFM_Prj, Prgm_Simple_Texture_UNFM_Mdv);
    ShowTextureAlpha(0.0f);
    ShowEndTexture();

    mShowParking.parkedShown = 1;
    mShowParking.parkedXOffset = xOffset;
    mShowParking.parkedMoveMs = (Int32)moveDuration;
    mShowParking.parkedScale = scale;
    mShowParking.parkedInvAlpha = invAlpha;
}

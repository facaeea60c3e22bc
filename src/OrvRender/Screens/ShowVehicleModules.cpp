// The vehicle modules of the side panels: trip computer, clock, energy module and vehicle status.
#include "OrvRender/Screens/ShowVehicleModules.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "OrvRender/Res_BmpPool.h"
#include "OrvRender/Res_TxtBasic.h"
#include "OrvRender/Screens/ShowCommon.h"
#include "Protocol/MainBoard_IIC_App.h"

namespace {

ShowVehicleModulesView mVehicleModules_View = {};

const GLuint VM_NO_TEX = 0xFFFFFFFFu;

// Text layouts: right edge at the anchor vertically centred, left edge vertically centred, right
// edge with the top at the anchor.
const GLint VM_RIGHT_MIDDLE = TXT_ALIGN_RIGHT | TXT_ALIGN_VCENTER;
const GLint VM_LEFT_MIDDLE = TXT_ALIGN_LEFT | TXT_ALIGN_VCENTER;
const GLint VM_RIGHT_TOP = TXT_ALIGN_RIGHT | TXT_ALIGN_TOP;

void VM_LoadFontMap(Int32 style)
{
    Once_LoadFontMapBmpData(style, BASIC_FONT_CODE_NUM, Basic_FONT_CODE);
    Once_GenFontMapTexture(style, BASIC_FONT_CODE_NUM, (Int32)str_invalid_char_idx[0]);
}

// A number text of at most ten glyphs, written from its end towards its start; a longer text keeps
// only its last glyphs.
struct VM_Text {
    UInt32 buf[10];
    Int32 pos = 10;
    void Put(UInt32 glyph)
    {
        if (pos > 0) buf[--pos] = glyph;
    }
    void Char(char c) { Put((UInt32)GetAssicIdx(c)); }
    void Digits(UInt32 v)
    {
        do {
            Char((char)('0' + v % 10));
            v /= 10;
        } while (v != 0 && pos > 0);
    }
    // The last digit, a point, then the other digits, at least one: 7 is "0.7", 25 is "2.5".
    void OneDecimal(UInt32 v)
    {
        Char((char)('0' + v % 10));
        Char('.');
        Digits(v / 10);
    }
    void Text(const char* s)
    {
        for (Int32 i = (Int32)strlen(s) - 1; i >= 0; i--) Char(s[i]);
    }
    const UInt32* Start() const { return &buf[pos]; }
    Int32 Len() const { return 10 - pos; }
    void CopyTo(UInt32* out, Int32* len) const
    {
        memset(out, 0, 10 * sizeof(UInt32));
        memcpy(out, Start(), (size_t)Len() * sizeof(UInt32));
        *len = Len();
    }
};

// Falls towards 0 by rate per millisecond of the frame, not below 0.
void VM_FadeIn(Flt32& invAlpha, Flt32 rate)
{
    invAlpha -= (Flt32)mFrameTimeMs * rate;
    if (invAlpha < 0) invAlpha = 0;
}

void VM_DrawPicture(Int32 id, Int32 dx, Int32 dy = 0)
{
    const Image* img = &pngImg[id];
    ShowDrawImageRect(img, Recti{img->ltx + dx, img->lty + dy, img->w, img->h});
}

// Shown on a side: the side's flag; returns 1 when the module has just appeared there.
Int08 VM_Appears(Int08* flags, UInt08 type)
{
    const Int08 appeared = flags[type] == 0;
    flags[type] = 1;
    return appeared;
}

/* ---- Trip computer -------------------------------------------------------------------------- */

const Int32 VM_TRIP_OFFSET = 1010;

// The five values, as the trip computer writes them.
void VM_TripTexts(VM_Text* t)
{
    t[0].OneDecimal(OrvShared_Load(TripSinceIGON));
    t[1].Digits(OrvShared_Load(TimeSinceIGON));
    if (OrvShared_Load(AvgElectricCost) == 255) t[2].Text("---");
    else t[2].OneDecimal(OrvShared_Load(AvgElectricCost));
    t[3].OneDecimal(OrvShared_Load(TripASinceCharging));
    t[4].Digits(OrvShared_Load(Odo));
}

/* ---- Energy module -------------------------------------------------------------------------- */

const Int32 VM_ENG_OFFSET = 1048;
const Int32 VM_ENG_POS_STEPS = 200, VM_ENG_NEG_STEPS = 50;
const Int32 VM_GRAPH_W = 81, VM_GRAPH_H = 892;
const Int32 VM_GRAPH_ROWS_PER_SAMPLE = 9;
const Int32 VM_HISTORY = 100;

// One arc as a strip of vertex pairs: per step the point at radius r0 then at radius r1 about the
// left dial's centre (441, 391), texture coordinates against the arc picture's own rectangle.
void VM_BuildArc(Flt32* vtx, Flt32* txc, Int32 steps, Flt32 a0, Flt32 da, Flt32 r0, Flt32 r1, const Image* pic)
{
    const Int32 n = 2 * (steps + 1);
    Vec2f* px = (Vec2f*)malloc(sizeof(Vec2f) * (size_t)n);
    Vec2f* gl = (Vec2f*)malloc(sizeof(Vec2f) * (size_t)n);
    const Flt32 w = pic->w > 0 ? (Flt32)pic->w : 1.0f, h = pic->h > 0 ? (Flt32)pic->h : 1.0f;
    for (Int32 i = 0; i <= steps; i++) {
        const double a = (a0 + i * da) * M_PI / 180.0;
        const Flt32 radius[2] = {r0, r1};
        for (Int32 j = 0; j < 2; j++) {
            Vec2f& p = px[2 * i + j];
            p.x = (Flt32)(441.0 + radius[j] * cos(a));
            p.y = (Flt32)(391.0 - radius[j] * sin(a));
            txc[2 * (2 * i + j)] = (p.x - (Flt32)pic->ltx) / w;
            txc[2 * (2 * i + j) + 1] = ((Flt32)pic->lty + h - p.y) / h;
        }
    }
    CalcClipFltPoints(SHOW_Z, px, gl, n);
    for (Int32 k = 0; k < n; k++) {
        vtx[3 * k] = gl[k].x;
        vtx[3 * k + 1] = gl[k].y;
        vtx[3 * k + 2] = SHOW_Z;
    }
    free(px);
    free(gl);
}

// A sample byte as a level of the graph, 0..80.
Int32 VM_Level(UInt08 sample)
{
    Int32 v = (Int32)sample - 60;
    return v < 0 ? 0 : v > 80 ? 80 : v;
}

// A row of the graph: a ramp up to the level, the level itself at full strength.
void VM_WriteRow(UInt08* row, Int32 v)
{
    for (Int32 u = 0; u < v; u++) row[u] = (UInt08)(u > 40 ? 200 : 5 * u);
    row[v] = 255;
}

// Fills the graph from the history ring; returns the rows that hold a level. An empty ring (index
// 255, also after a reset) leaves the graph empty.
Int32 VM_FillGraph(UInt08* buf, const Flt32* cosv)
{
    memset(buf, 0, (size_t)VM_GRAPH_W * VM_GRAPH_H);
    // The newest index is published after its sample and the oldest index: read once, in that order.
    const UInt08 idx = OrvShared_Acquire(EnergyCostIdx), idx0 = OrvShared_Load(EnergyCostIdx0);
    if (idx >= VM_HISTORY || idx0 >= VM_HISTORY) return 0;
    const Int32 n = idx < idx0 ? VM_GRAPH_H : VM_GRAPH_ROWS_PER_SAMPLE * idx + 1;
    VM_WriteRow(buf, VM_Level(OrvShared_Load(EnergyCostP100m[idx0])));
    for (Int32 r = 1; r < n; r++) {
        const Int32 k = idx0 + r / VM_GRAPH_ROWS_PER_SAMPLE;
        const Int32 a = VM_Level(OrvShared_Load(EnergyCostP100m[k % VM_HISTORY]));
        const Int32 b = VM_Level(OrvShared_Load(EnergyCostP100m[(k + 1) % VM_HISTORY]));
        const Flt32 w = cosv[r % VM_GRAPH_ROWS_PER_SAMPLE];
        VM_WriteRow(buf + (size_t)r * VM_GRAPH_W, (Int32)(a * w + b * (1.0f - w)));
    }
    return n;
}

void VM_UploadGraph(GLuint tex, const UInt08* buf)
{
    glBindTexture(GL_TEXTURE_2D, tex);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA, VM_GRAPH_W, VM_GRAPH_H, 0, GL_ALPHA, GL_UNSIGNED_BYTE, buf);
}

// Needle target in degrees for a power of -50..200: zero at 0.5 degrees.
Flt32 VM_NeedleTarget(Int16 p)
{
    if (p > 0) return std::fmin(0.5f + p * 151.2f / 200.0f, 151.7f);
    if (p < 0) return std::fmax(0.5f + p * 52.5f / 50.0f, -52.0f);
    return 0.5f;
}

// Steps of the arc covered by the needle: one per started step, a sliver of 0.01 ignored.
Int32 VM_ArcSteps(Flt32 degrees, Flt32 perStep, Int32 maxSteps)
{
    const Flt32 f = degrees / perStep;
    Int32 k = (Int32)std::floor(f);
    if (f - (Flt32)k > 0.01f) k++;
    return k > maxSteps ? maxSteps : k;
}

// The consumption figure from a sample: "-20" .. "60", or "--" before the first sample.
void VM_Figure(UInt08 s, Int08& preAvg, UInt32* str, Int32* len)
{
    *len = 0;
    if (s == 0 && preAvg == -80) {
        str[(*len)++] = (UInt32)GetAssicIdx('-');
        str[(*len)++] = (UInt32)GetAssicIdx('-');
        return;
    }
    if (s != 0) preAvg = (Int08)(s <= 60 ? -20 : s >= 140 ? 60 : s - 80);
    const Int32 mag = std::abs((Int32)preAvg);
    if (preAvg < 0) str[(*len)++] = (UInt32)GetAssicIdx('-');
    if (mag >= 10) str[(*len)++] = (UInt32)GetAssicIdx((char)('0' + mag / 10));
    str[(*len)++] = (UInt32)GetAssicIdx((char)('0' + mag % 10));
}

/* ---- Vehicle status ------------------------------------------------------------------------- */

const Int32 VM_STATUS_OFFSET = 1010;

// The four tyres in drawing order with their signals, anchors and place of the wheel picture.
struct VM_Tyre {
    UInt08* pressure;
    UInt08* temperature;
    Int32 pressureAnchor, tempAnchor;
    Int08 rightColumn;
    Int32 wheelDx, wheelDy;
};
const VM_Tyre mVM_Tyres[4] = {
    {&TirePressureLF, &TireTemperatureLF, CTP_MdStatusPressureLf, CTP_MdStatusTempLf, 0, 0, 0},
    {&TirePressureRF, &TireTemperatureRF, CTP_MdStatusPressureRf, CTP_MdStatusTempRf, 1, 119, 0},
    {&TirePressureLB, &TireTemperatureLB, CTP_MdStatusPressureLb, CTP_MdStatusTempLb, 0, 0, 199},
    {&TirePressureRB, &TireTemperatureRB, CTP_MdStatusPressureRb, CTP_MdStatusTempRb, 1, 119, 199},
};

// Doors and trunks: the Indicator[5] bit and the closed picture (the open one follows it).
struct VM_Opening {
    Int32 bit;
    Int32 closedPic, openPic;
};
const VM_Opening mVM_Openings[6] = {
    {4, PNG_module_vehicle_status_fronttrunk_close, PNG_module_vehicle_status_fronttrunk_open},
    {5, PNG_module_vehicle_status_backtrunk_close, PNG_module_vehicle_status_backtrunk_open},
    {0, PNG_module_vehicle_status_lfdoor_close, PNG_module_vehicle_status_lfdoor_open},
    {2, PNG_module_vehicle_status_rfdoor_close, PNG_module_vehicle_status_rfdoor_open},
    {1, PNG_module_vehicle_status_lbdoor_close, PNG_module_vehicle_status_lbdoor_open},
    {3, PNG_module_vehicle_status_rbdoor_close, PNG_module_vehicle_status_rbdoor_open},
};

// Pressure text: "---" for 255, "0 Bar" for 0, else one decimal and " Bar".
void VM_PressureText(VM_Text& t, UInt08 p)
{
    if (p == 255) {
        t.Text("---");
        return;
    }
    t.Text(" Bar");
    if (p == 0) t.Char('0');
    else t.OneDecimal(p);
}

}  // namespace

void ShowModuleTrip(UInt08 type, UInt08 moduleId)
{
    static Int08 preVisible[2] = {0, 0};
    static Flt32 invAlphaHead = 0, invAlphaBody = 0;
    static const UInt08 ids[2] = {MODULE_L_TRIP, MODULE_R_TRIP};
    static const Int32 anchors[5] = {CTP_MdTripValue0, CTP_MdTripValue1, CTP_MdTripValue2, CTP_MdTripValue3,
                                     CTP_MdTripValue4};
    if (type > 1) return;
    if (moduleId != ids[type]) {
        preVisible[type] = 0;
        return;
    }
    if (VM_Appears(preVisible, type)) {
        ShowLoadPng(PNG_module_trip_bg);
        ShowLoadPng(PNG_module_trip_shadow);
        VM_LoadFontMap(Style_SiYuan_R);
        invAlphaHead = invAlphaBody = 1.0f;
    }
    const Int32 offset = type == 0 ? 0 : VM_TRIP_OFFSET;

    if (invAlphaHead > 0) VM_FadeIn(invAlphaHead, 0.002f);
    if (invAlphaHead < 0.5f) VM_FadeIn(invAlphaBody, 0.002f);

    ShowBeginTexture();
    ShowTextureAlpha(invAlphaHead);
    VM_DrawPicture(PNG_module_trip_bg, offset);
    VM_DrawPicture(PNG_module_trip_shadow, offset);
    ShowEndTexture();

    VM_Text txt[5];
    VM_TripTexts(txt);
    ShowVehicleModulesView& v = mVehicleModules_View;
    ShowBeginFont();
    for (Int32 i = 0; i < 5; i++) {
        const Vec2i& a = txtPos[anchors[i]];
        ShowText(a.x + offset, a.y, fs_MdTripValue, Style_SiYuan_R, txt[i].Start(), txt[i].Len(), VM_RIGHT_MIDDLE,
                 colorWhite, invAlphaBody);
        txt[i].CopyTo(v.tripTxt[i], &v.tripLen[i]);
    }
    ShowEndFont();
    v.tripInvAlphaHead = invAlphaHead;
    v.tripInvAlphaBody = invAlphaBody;
    v.tripOffset = offset;
}

void ShowModuleClock(UInt08 type, UInt08 moduleId)
{
    static Int08 preVisible[2] = {0, 0};
    static Flt32 invAlpha[2] = {0, 0};
    static UInt32 preTime = 0xFFFFFFFFu;
    static Flt32 tapeRotAngleH = 0, tapeRotAngleM = 0;
    if (type > 1) return;
    if (moduleId != MODULE_L_CLOCK) {  // the clock is 2 on both sides
        preVisible[type] = 0;
        invAlpha[type] = 0;
        return;
    }
    for (Int32 id = PNG_module_clock_bg; id <= PNG_module_clock_minute; id++) ShowLoadPng(id);
    if (VM_Appears(preVisible, type)) invAlpha[type] = 1.0f;
    VM_FadeIn(invAlpha[type], 0.002f);
    const Int32 offset = type == 0 ? 0 : VM_ENG_OFFSET;

    ShowBeginTexture();
    ShowTextureAlpha(invAlpha[type]);
    VM_DrawPicture(PNG_module_clock_bg, offset);
    VM_DrawPicture(PNG_module_clock_shadow, offset);

    const UInt16 timeOfDay = OrvShared_Load(SysTimeOfDayInMin);
    if (timeOfDay != preTime) {
        preTime = timeOfDay;
        tapeRotAngleM = -6.0f * (Flt32)(preTime % 60);
        tapeRotAngleH = -(Flt32)((preTime % 720) / 2);
    }
    const Int32 cx = 455 + offset, cy = 355;
    const struct { Int32 id; Flt32 angle; } hands[2] = {{PNG_module_clock_hour, tapeRotAngleH},
                                                        {PNG_module_clock_minute, tapeRotAngleM}};
    for (const auto& hand : hands) {
        const Image* img = &pngImg[hand.id];
        Recti r = {img->ltx + offset, img->lty, img->w, img->h};
        DrawRotzGlPicRect(SHOW_Z, &r, Prgm_Simple_Texture_ATTR_Vtx, Prgm_Simple_Texture_ATTR_Txc, cx, cy, hand.angle,
                          QuadTexCoords, img->tex);
    }
    ShowEndTexture();

    ShowVehicleModulesView& v = mVehicleModules_View;
    v.clockHour = tapeRotAngleH;
    v.clockMinute = tapeRotAngleM;
    v.clockCentX = cx;
    v.clockCentY = cy;
    v.clockInvAlpha = invAlpha[type];
}

void ShowModuleEngCost(UInt08 type, UInt08 moduleId)
{
    static Int08 localInit = 0;
    static Int08 preVisible[2] = {0, 0};
    static UInt08 preEnergyCostIdx = 255;
    static Flt32 durationAngle = 0;
    static Flt32 centPoint[4];
    static Flt32 powerAngle = 0;
    static Int32 poolGraphIdx = -1;
    static Flt32 vtx_positive[1206], txc_positive[804];
    static Flt32 vtx_negative[306], txc_negative[204];
    static Flt32 cosv[9];
    static UInt32 str[5];
    static Int32 len = 0;
    static Int08 preAvgElectricCost = -80;
    static Int32 graphRows = 0;
    static const UInt08 ids[2] = {MODULE_L_ENG_COST, MODULE_R_ENG_COST};
    if (type > 1) return;
    const Int08 shown = moduleId == ids[type];

    // Preparation, once for both sides, on the first call that shows the module.
    if (localInit == 0) {
        if (!shown) return;
        if (poolGraphIdx == -1) {
            poolGraphIdx = GrabAvailableBmpPoolIdx();
            if (poolGraphIdx >= 0) {
                bmpPool[poolGraphIdx] = (UInt08*)calloc((size_t)VM_GRAPH_W * VM_GRAPH_H, 1);
                texPool[poolGraphIdx] = VM_NO_TEX;
            }
        }
        VM_LoadFontMap(Style_SiYuan_R);
        VM_BuildArc(vtx_positive, txc_positive, VM_ENG_POS_STEPS, 0.5f, 151.2f / VM_ENG_POS_STEPS, 180, 198,
                    &pngImg[PNG_module_energy_cost_bar_positive]);
        VM_BuildArc(vtx_negative, txc_negative, VM_ENG_NEG_STEPS, 0.5f, -52.5f / VM_ENG_NEG_STEPS, 198, 180,
                    &pngImg[PNG_module_energy_cost_bar_negative]);
        for (Int32 k = 0; k < 9; k++) cosv[k] = (Flt32)((cos(k * M_PI / 9) + 1) / 2);
        localInit = 1;
    }
    if (!shown) {
        preVisible[type] = 0;
        return;
    }
    // Every shown frame, a no-op once done: pictures the render clean-up released load again.
    for (Int32 id = PNG_module_energy_cost_avg_unit; id <= PNG_module_energy_cost_shadow; id++) ShowLoadPng(id);
    if (VM_Appears(preVisible, type)) {
        Vec2i dial[2] = {{441, 391}, {441 + VM_ENG_OFFSET, 391}};
        CalcClipPoints(SHOW_Z, dial, (Vec2f*)centPoint, 2);
        durationAngle = 90.0f;
        powerAngle = 0;
    }
    const Int32 offset = type == 0 ? 0 : VM_ENG_OFFSET;
    const Flt32 cx = centPoint[2 * type], cy = centPoint[2 * type + 1];

    // The render clean-up freed the graph's buffer and texture but left the slot ours: a new buffer,
    // and the graph is made again as on the first showing (its texture when it is uploaded).
    if (poolGraphIdx >= 0 && bmpPool[poolGraphIdx] == BMP_POOL_RESERVED) {
        bmpPool[poolGraphIdx] = (UInt08*)calloc((size_t)VM_GRAPH_W * VM_GRAPH_H, 1);
        if (bmpPool[poolGraphIdx] == nullptr) poolGraphIdx = -1;  // the slot went back to the pool
        preEnergyCostIdx = 255;
    }
    // A new sample (or a reset of the history) rebuilds the graph.
    const Int08 hasPool = poolGraphIdx >= 0 && bmpPool[poolGraphIdx] != nullptr;
    const UInt08 energyCostIdx = OrvShared_Acquire(EnergyCostIdx);
    if (energyCostIdx != preEnergyCostIdx && hasPool) {
        if (texPool[poolGraphIdx] == VM_NO_TEX) glGenTextures(1, &texPool[poolGraphIdx]);
        preEnergyCostIdx = energyCostIdx;
        graphRows = VM_FillGraph(bmpPool[poolGraphIdx], cosv);
        VM_UploadGraph(texPool[poolGraphIdx], bmpPool[poolGraphIdx]);
    }

    // Entrance turn about the dial's vertical axis.
    const Int08 turning = durationAngle > 0;
    if (turning) {
        PushMatrix4x4Stack(&mMdvMatStack);
        GLfloat* top = mMdvMatStack.mat[mMdvMatStack.idx];
        TranslateMatrix4x4(top, cx, cy, SHOW_Z);
        RotateMatrix4x4_Y_Axis(top, durationAngle);
        TranslateMatrix4x4(top, -cx, -cy, -SHOW_Z);
    }

    ShowBeginTexture();
    for (Int32 id : {PNG_module_energy_cost_bg, PNG_module_energy_cost_bar_zero, PNG_module_energy_cost_avg_unit,
                     PNG_module_energy_cost_shadow})
        VM_DrawPicture(id, offset);

    // Needle and arc.
    const Flt32 target = VM_NeedleTarget(OrvShared_Load(Power));
    const Flt32 step = (Flt32)mFrameTimeMs / 200.0f;
    powerAngle += (target - powerAngle) * (step < 1.0f ? step : 1.0f);
    Int32 k = 0;
    if (powerAngle > 0.5f) k = VM_ArcSteps(powerAngle - 0.5f, 0.756f, VM_ENG_POS_STEPS);
    else if (powerAngle < 0.5f) k = VM_ArcSteps(0.5f - powerAngle, 1.05f, VM_ENG_NEG_STEPS);
    ShowVehicleModulesView& v = mVehicleModules_View;
    v.engArcVertices = 0;
    v.engArcPositive = powerAngle > 0.5f;
    if (k > 0) {
        if (type == 1) {  // the arcs are built for the left dial
            PushMatrix4x4Stack(&mMdvMatStack);
            TranslateMatrix4x4(mMdvMatStack.mat[mMdvMatStack.idx], centPoint[2] - centPoint[0], 0, 0);
            ShowUploadMatrices(Prgm_Simple_Texture_UNFM_Prj, Prgm_Simple_Texture_UNFM_Mdv);
            PopMatrix4x4Stack(&mMdvMatStack);
        }
        const Int08 positive = powerAngle > 0.5f;
        glBindTexture(GL_TEXTURE_2D, pngImg[positive ? PNG_module_energy_cost_bar_positive
                                                     : PNG_module_energy_cost_bar_negative].tex);
        glVertexAttribPointer(Prgm_Simple_Texture_ATTR_Vtx, 3, GL_FLOAT, GL_FALSE, 0,
                              positive ? vtx_positive : vtx_negative);
        glVertexAttribPointer(Prgm_Simple_Texture_ATTR_Txc, 2, GL_FLOAT, GL_FALSE, 0,
                              positive ? txc_positive : txc_negative);
        glDrawArrays(GL_TRIANGLE_STRIP, 0, 2 * k);
        v.engArcVertices = 2 * k;
    }
    PushMatrix4x4Stack(&mMdvMatStack);
    GLfloat* top = mMdvMatStack.mat[mMdvMatStack.idx];
    TranslateMatrix4x4(top, cx, cy, 0);
    RotateMatrix4x4_Z_Axis(top, powerAngle);
    ShowUploadMatrices(Prgm_Simple_Texture_UNFM_Prj, Prgm_Simple_Texture_UNFM_Mdv);
    PopMatrix4x4Stack(&mMdvMatStack);
    const Image* needle = &pngImg[PNG_module_energy_cost_power_cursor];
    ShowDrawImageRect(needle, Recti{(1920 - needle->w) / 2 + 186, (720 - needle->h) / 2, needle->w, needle->h});
    ShowEndTexture();

    // Consumption figure of the newest sample.
    const UInt08 s = energyCostIdx < VM_HISTORY ? OrvShared_Load(EnergyCostP100m[energyCostIdx]) : 0;
    VM_Figure(s, preAvgElectricCost, str, &len);

    ShowBeginFont();
    glUniform1f(Prgm_Simple_Font_UNFM_Alp, 0.0f);
    v.engGraphDrawn = 0;
    if (hasPool && texPool[poolGraphIdx] != VM_NO_TEX) {
        glUniform3fv(Prgm_Simple_Font_UNFM_Clr, 1, colorEngCostGraph);
        Recti graph = {275 + offset, 304, 318, 148};
        DrawGlPicRect(SHOW_Z, &graph, Prgm_Simple_Font_ATTR_Vtx, Prgm_Simple_Font_ATTR_Txc, EnergyTexCoords,
                      texPool[poolGraphIdx]);
        v.engGraphDrawn = 1;
    }
    const Vec2i& a = txtPos[CTP_MdEngCostAvgValue];
    ShowText(a.x + offset, a.y, fs_MdEngCostAvgValue, Style_SiYuan_R, str, len, VM_RIGHT_TOP, colorGray, 0.0f);
    ShowEndFont();

    if (turning) {
        PopMatrix4x4Stack(&mMdvMatStack);
        durationAngle -= (Flt32)mFrameTimeMs * 0.002f * durationAngle;
        if (durationAngle < 0.666f) durationAngle = 0;
        ShowUploadMatrices(Prgm_Simple_Font_UNFM_Prj, Prgm_Simple_Font_UNFM_Mdv);
    }
    // The needle left its turn in the texture program: later elements find the page's matrices.
    glUseProgram(shader[Prgm_Simple_Texture]);
    ShowUploadMatrices(Prgm_Simple_Texture_UNFM_Prj, Prgm_Simple_Texture_UNFM_Mdv);

    v.engPowerAngle = powerAngle;
    v.engTurnAngle = durationAngle;
    v.engGraphRows = graphRows;
    v.engPoolIdx = poolGraphIdx;
    memcpy(v.engFigure, str, sizeof(str));
    v.engFigureLen = len;
    v.engOffset = offset;
}

void ShowModuleVehicleStatus(UInt08 type, UInt08 moduleId)
{
    static Un08 preVisible = {0};
    static Un08 dspState = {0};
    static Flt32 invAlpha0 = 0, invAlpha1 = 0;
    static Int32 durationAlarm = 0;
    static const UInt08 ids[2] = {MODULE_L_VEHICLE_STATUS, MODULE_R_VEHICLE_STATUS};
    static const UInt08 nibble[2] = {0x01, 0x10};
    if (type > 1) return;
    if (moduleId != ids[type]) {
        preVisible.value &= (UInt08)~(0x0F << (4 * type));
        return;
    }
    if ((preVisible.value & nibble[type]) == 0) {
        for (Int32 id = PNG_module_vehicle_status_backtrunk_close; id <= PNG_module_vehicle_shadow; id++)
            ShowLoadPng(id);
        VM_LoadFontMap(Style_SiYuan_M);
        if (preVisible.value == 0) {
            dspState.value = 0;
            durationAlarm = 0;
            invAlpha0 = invAlpha1 = 1.0f;
        }
        preVisible.value |= nibble[type];
    }
    const Int32 offset = type == 0 ? 0 : VM_STATUS_OFFSET;
    ShowVehicleModulesView& v = mVehicleModules_View;

    // The car fades in first, then the values slide outward into place.
    Int32 innerOffset = 0;
    if (invAlpha0 > 0) {
        VM_FadeIn(invAlpha0, 0.0015f);
    } else if (invAlpha1 > 0) {
        VM_FadeIn(invAlpha1, 0.004f);
        innerOffset = (Int32)std::floor(80.0f * invAlpha1);
    }

    ShowBeginTexture();
    ShowTextureAlpha(invAlpha0);
    v.statusPictureNum = 0;
    auto picture = [&](Int32 id) {
        VM_DrawPicture(id, offset);
        if (v.statusPictureNum < 12) v.statusPicture[v.statusPictureNum++] = id;
    };
    picture(PNG_module_vehicle_status_body);
    picture(PNG_module_vehicle_status_shadow);
    picture(PNG_module_vehicle_shadow);
    const UInt08 open = OrvShared_Load(Indicator[5].value);
    for (const VM_Opening& o : mVM_Openings) picture(((open >> o.bit) & 1) ? o.openPic : o.closedPic);

    // Wheels, with a red pulse of 2 s on the tyres in alarm (as the previous frame judged them).
    for (Int32 t = 0; t < 4; t++) v.statusWheel[t] = -1;
    if (dspState.value == 0) {
        durationAlarm = 0;
    } else {
        if (durationAlarm <= 1999) {
            durationAlarm += mFrameTimeMs;
            if (durationAlarm > 1999) durationAlarm %= 2000;
        }
        for (Int32 t = 0; t < 4; t++) {
            const Int08 alarm = (dspState.value >> (2 * t)) & 0x03;
            v.statusWheel[t] = alarm ? PNG_module_vehicle_status_wheel_alarm : PNG_module_vehicle_status_wheel_normal;
            VM_DrawPicture(v.statusWheel[t], offset + mVM_Tyres[t].wheelDx, mVM_Tyres[t].wheelDy);
        }
        ShowTextureAlpha((Flt32)std::abs(durationAlarm - 1000) / 1000.0f);
        for (Int32 t = 0; t < 4; t++)
            if ((dspState.value >> (2 * t)) & 0x03)
                VM_DrawPicture(PNG_module_vehicle_status_wheel_alarm_add, offset + mVM_Tyres[t].wheelDx,
                               mVM_Tyres[t].wheelDy);
    }
    ShowTextureAlpha(0.0f);
    ShowEndTexture();

    v.statusInvAlpha0 = invAlpha0;
    v.statusInvAlpha1 = invAlpha1;
    v.statusInnerOffset = innerOffset;
    v.statusAlarmMs = durationAlarm;
    if (invAlpha0 > 0) {
        v.statusDspState = dspState.value;
        return;
    }

    ShowBeginFont();
    for (Int32 t = 0; t < 4; t++) {
        const VM_Tyre& tyre = mVM_Tyres[t];
        const UInt08 pressureBit = (UInt08)(1u << (2 * t + 1));
        const GLint layout = tyre.rightColumn ? VM_LEFT_MIDDLE : VM_RIGHT_MIDDLE;
        const Int32 slide = tyre.rightColumn ? -innerOffset : innerOffset;

        VM_Text p;
        VM_PressureText(p, OrvShared_Load(*tyre.pressure));
        const Int08 warned = (OrvShared_Load(TireBits.value) >> (4 + t)) & 1;
        if (warned) dspState.value |= pressureBit;
        else dspState.value &= (UInt08)~pressureBit;
        const Vec2i& pa = txtPos[tyre.pressureAnchor];
        ShowText(pa.x + offset + slide, pa.y, fs_MdStatusPressure, Style_SiYuan_M, p.Start(), p.Len(), layout,
                 warned ? colorRed : colorGray, invAlpha1);
        p.CopyTo(v.statusPressureTxt[t], &v.statusPressureLen[t]);
        v.statusPressureRed[t] = warned;
    }
    for (Int32 t = 0; t < 4; t++) {
        const VM_Tyre& tyre = mVM_Tyres[t];
        const UInt08 tempBit = (UInt08)(1u << (2 * t));
        const Int32 T = (Int32)OrvShared_Load(*tyre.temperature) - 60;
        const Int08 hot =
            T > 81 && (T > 84 || (dspState.value & tempBit)) && ((OrvShared_Load(TireBits.value) >> t) & 1);
        v.statusTempLen[t] = 0;
        if (!hot) {
            dspState.value &= (UInt08)~tempBit;
            continue;
        }
        dspState.value |= tempBit;
        VM_Text tt;
        tt.Put(str_unit_temperature_idx[1]);
        tt.Put(str_unit_temperature_idx[0]);
        tt.Char(' ');
        tt.Digits((UInt32)T);
        const Vec2i& ta = txtPos[tyre.tempAnchor];
        const GLint layout = tyre.rightColumn ? VM_LEFT_MIDDLE : VM_RIGHT_MIDDLE;
        const Int32 slide = tyre.rightColumn ? -innerOffset : innerOffset;
        ShowText(ta.x + offset + slide, ta.y, fs_MdStatusTemperature, Style_SiYuan_M, tt.Start(), tt.Len(), layout,
                 colorRed, invAlpha1);
        tt.CopyTo(v.statusTempTxt[t], &v.statusTempLen[t]);
    }
    ShowEndFont();
    v.statusDspState = dspState.value;
}

const ShowVehicleModulesView* ShowVehicleModules_View(void)
{
    return &mVehicleModules_View;
}

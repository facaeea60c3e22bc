// The module lists of the two side panels: preparation, opening, sliding, acknowledging and
// closing, the four icon quads under the band's mask, the decoration and the title.
#include "OrvRender/Screens/ShowModuleList.h"

#include <cmath>
#include <cstring>

#include "OrvRender/Screens/ShowCommon.h"
#include "Protocol/MainBoard_IIC_App.h"

namespace {

// One entry of a list: its title picture and the module whose choice it confirms. The icon is the
// entry's record in pModuleLeftIcon / pModuleRightIcon.
struct ModuleListEntry {
    Int32 title;
    UInt08 module;
};

const ModuleListEntry mModuleList_Left[8] = {
    {TGA_module_L0_text_clock, MODULE_L_CLOCK},
    {TGA_module_L0_text_weather, MODULE_L_WEATHER},
    {TGA_module_L0_text_trip, MODULE_L_TRIP},
    {TGA_module_L0_text_energy, MODULE_L_ENG_COST},
    {TGA_module_L0_text_navigation, MODULE_L_NAVIGATION},
    {TGA_module_L0_text_status, MODULE_L_VEHICLE_STATUS},
    {TGA_module_L0_text_media, MODULE_L_MEDIA},
    {TGA_module_L0_text_null, MODULE_L_NULL},
};
const ModuleListEntry mModuleList_Right[9] = {
    {TGA_module_L0_text_clock, MODULE_R_CLOCK},
    {TGA_module_L0_text_weather, MODULE_R_WEATHER},
    {TGA_module_L0_text_telephone, MODULE_R_PHONE},
    {TGA_module_L0_text_trip, MODULE_R_TRIP},
    {TGA_module_L0_text_energy, MODULE_R_ENG_COST},
    {TGA_module_L0_text_navigation, MODULE_R_NAVIGATION},
    {TGA_module_L0_text_status, MODULE_R_VEHICLE_STATUS},
    {TGA_module_L0_text_media, MODULE_R_MEDIA},
    {TGA_module_L0_text_null, MODULE_R_NULL},
};

// What tells the two lists apart.
struct ModuleListSide {
    Int32 side;                    // index of the view
    const ModuleListEntry* entries;
    Image* const* icons;
    UInt08 last;                   // last position
    Int32 dx;                      // shift of everything from the left list, pixels
    Int08 decorationFades;         // the left decoration fades in each time the list rests
};

const ModuleListSide mModuleList_LeftSide = {0, mModuleList_Left, pModuleLeftIcon, 7, 0, 1};
const ModuleListSide mModuleList_RightSide = {1, mModuleList_Right, pModuleRightIcon, 8, 1180, 0};

// Five square slots of 192 pixels, 170 apart; slot 2 is the centre, 0 and 4 lie outside the band.
const Int32 MODULE_LIST_SLOT_X = 223;
const Int32 MODULE_LIST_SLOT_Y0 = -123;
const Int32 MODULE_LIST_SLOT_SIZE = 192;
const Int32 MODULE_LIST_PITCH = 170;
// The mask spans slot 1's top to slot 3's bottom: a 170-texel ramp at each end, a plateau between.
const Int32 MODULE_LIST_MASK_LEN = 436;
const Int32 MODULE_LIST_MASK_RAMP = 170;
const GLuint MODULE_LIST_NO_TEX = 0xFFFFFFFFu;

const Int32 MODULE_LIST_CONFIRM_MS = 300;
const Int32 MODULE_LIST_FEEDBACK_MS = 150;  // the centre icon is dimmed while more than this remains

// One list's memory.
struct ModuleListState {
    Int08 localInit = 0;
    UInt08 preCursor = 255;
    GLfloat targetOffset = 0, currOffset = 0, itemScale = 0;
    Int32 cfmDuration = 0;
    Int08 clickFeedback = 0;
    GLfloat decInvAlpha = 0;
    GLfloat fPoints[20] = {};
    GLfloat maskPos[4] = {};
    GLuint maskTex = MODULE_LIST_NO_TEX;
    GLfloat iconVtx[60] = {};
    GLuint dspIconTex[4] = {};
    GLfloat dspIconAlpha[4] = {};
};

ShowModuleListView mModuleList_View = {};

// Placement of one icon quad: slot, inset (= inverted opacity), entry relative to preCursor.
struct ModuleListQuad {
    Int32 slot;
    GLfloat inset;
    GLfloat insetPerScale;  // the inset changes by this times 0.3 x itemScale
    Int32 rel;
};
// At rest; cursor above the shown entry (icons move down); cursor below it (icons move up).
const ModuleListQuad mModuleList_AtRest[4] = {{1, 0.3f, 0, -1}, {2, 0, 0, 0}, {3, 0.3f, 0, 1}, {-1, 0, 0, 0}};
const ModuleListQuad mModuleList_Down[4] = {{0, 0.6f, -1, -2}, {1, 0.3f, -1, -1}, {2, 0, 1, 0}, {3, 0.3f, 1, 1}};
const ModuleListQuad mModuleList_Up[4] = {{1, 0.3f, 1, -1}, {2, 0, 1, 0}, {3, 0.3f, -1, 1}, {4, 0.6f, -1, 2}};

void ModuleList_Prepare(ModuleListState& st, const ModuleListSide& side)
{
    for (Int32 id = PNG_module_L0_decoration; id <= PNG_module_L0_icon_clock; id++) ShowLoadPng(id);
    for (Int32 id = TGA_module_L0_text_energy; id <= TGA_module_L0_text_clock; id++) ShowLoadTga(id);
    if (side.decorationFades) st.decInvAlpha = 1.0f;
    st.itemScale = 0;

    Vec2i corners[10];
    for (Int32 k = 0; k < 5; k++) {
        const Int32 x = MODULE_LIST_SLOT_X + side.dx, y = MODULE_LIST_SLOT_Y0 + k * MODULE_LIST_PITCH;
        corners[2 * k] = Vec2i{x, y};
        corners[2 * k + 1] = Vec2i{x + MODULE_LIST_SLOT_SIZE, y + MODULE_LIST_SLOT_SIZE};
    }
    CalcClipPoints(SHOW_Z, corners, (Vec2f*)st.fPoints, 10);
    st.maskPos[0] = st.fPoints[4];   // slot 1 left
    st.maskPos[1] = st.fPoints[5];   // slot 1 top
    st.maskPos[2] = st.fPoints[14];  // slot 3 right
    st.maskPos[3] = st.fPoints[15];  // slot 3 bottom
    for (Int32 v = 0; v < 20; v++) st.iconVtx[3 * v + 2] = SHOW_Z;

    UInt08 maskBmp[MODULE_LIST_MASK_LEN];
    for (Int32 i = 0; i < MODULE_LIST_MASK_RAMP; i++)
        maskBmp[i] = maskBmp[MODULE_LIST_MASK_LEN - 1 - i] = (UInt08)(255 * i / MODULE_LIST_MASK_RAMP);
    for (Int32 i = MODULE_LIST_MASK_RAMP; i < MODULE_LIST_MASK_LEN - MODULE_LIST_MASK_RAMP; i++) maskBmp[i] = 255;
    glGenTextures(1, &st.maskTex);
    glBindTexture(GL_TEXTURE_2D, st.maskTex);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA, 1, MODULE_LIST_MASK_LEN, 0, GL_ALPHA, GL_UNSIGNED_BYTE, maskBmp);
    st.localInit = 1;
}

void ModuleList_StepTowards(ModuleListState& st, UInt08 cursor)
{
    st.preCursor = (UInt08)(st.preCursor < cursor ? st.preCursor + 1 : st.preCursor - 1);
}

// The cursor moved while the list is open: a new step starts (or a finished one hands over).
void ModuleList_Follow(ModuleListState& st, UInt08 cursor)
{
    st.clickFeedback = 0;
    st.cfmDuration = MODULE_LIST_CONFIRM_MS;
    st.targetOffset = st.fPoints[1] - st.fPoints[5];  // one pitch
    if (st.targetOffset - st.currOffset <= 0) {
        ModuleList_StepTowards(st, cursor);
        if (st.preCursor == cursor) st.currOffset = 0;
    }
}

// The list is asked to close: 1 while it still draws (a step running or a choice acknowledged).
Int08 ModuleList_Closing(ModuleListState& st, const ModuleListSide& side, UInt08 moduleId)
{
    if (st.currOffset < st.targetOffset) return 1;
    if (st.cfmDuration > 0) {
        if (st.preCursor <= side.last && moduleId == side.entries[st.preCursor].module) {
            st.clickFeedback = 1;
            st.cfmDuration -= mFrameTimeMs;
            if (st.cfmDuration < 0) st.cfmDuration = 0;
        } else {
            st.cfmDuration = 0;
        }
    }
    if (st.cfmDuration > 0) return 1;
    st.clickFeedback = 0;
    st.preCursor = 255;
    st.itemScale = 0;
    if (side.decorationFades) st.decInvAlpha = 1.0f;
    return 0;
}

void ModuleList_Slide(ModuleListState& st, UInt08 cursor)
{
    if (st.preCursor == cursor) {
        st.targetOffset = 0;
        st.itemScale = 0;
        return;
    }
    if (st.targetOffset <= st.currOffset) return;
    const GLfloat ahead = (GLfloat)std::abs((Int32)st.preCursor - (Int32)cursor);
    st.currOffset += (ahead + 0.1f) * st.targetOffset * 0.004f * (GLfloat)mFrameTimeMs;
    if (st.itemScale < 1.0f) {
        st.itemScale += (GLfloat)mFrameTimeMs * 0.004f;
        if (st.itemScale > 1.0f) st.itemScale = 1.0f;
    }
    if (st.currOffset > st.targetOffset) {
        ModuleList_StepTowards(st, cursor);
        st.currOffset -= st.targetOffset;
        st.itemScale = 0;
    }
}

// Fills the four quads from the slot corners; returns the index of the quad showing preCursor.
Int32 ModuleList_BuildQuads(ModuleListState& st, const ModuleListSide& side, UInt08 cursor)
{
    const ModuleListQuad* layout = st.preCursor == cursor ? mModuleList_AtRest
                                   : cursor < st.preCursor ? mModuleList_Down
                                                           : mModuleList_Up;
    const GLfloat h = (st.fPoints[2] - st.fPoints[0]) / 2;
    const GLfloat s = 0.3f * st.itemScale;
    // Icons move down the screen (GL y falls) when the cursor is above, up when it is below.
    const GLfloat dy = st.preCursor == cursor ? 0 : cursor < st.preCursor ? -st.currOffset : st.currOffset;
    const GLfloat pxPerUnit = (GLfloat)MODULE_LIST_SLOT_SIZE / (2 * h);
    ShowModuleListSideView& v = mModuleList_View.side[side.side];
    for (Int32 q = 0; q < 4; q++) {
        const ModuleListQuad& l = layout[q];
        const Int32 entry = (Int32)st.preCursor + l.rel;
        v.quadEntry[q] = -1;
        v.quadRect[q] = Recti{0, 0, 0, 0};
        if (l.slot < 0 || entry < 0 || entry > side.last) {
            st.dspIconTex[q] = MODULE_LIST_NO_TEX;
            continue;
        }
        const GLfloat m = l.inset + l.insetPerScale * s;
        const GLfloat* p = &st.fPoints[4 * l.slot];
        const GLfloat xl = p[0] + m * h, xr = p[2] - m * h, yt = p[1] - m * h + dy, yb = p[3] + m * h + dy;
        const GLfloat corners[4][2] = {{xl, yb}, {xr, yb}, {xr, yt}, {xl, yt}};
        for (Int32 c = 0; c < 4; c++) {
            st.iconVtx[q * 12 + c * 3] = corners[c][0];
            st.iconVtx[q * 12 + c * 3 + 1] = corners[c][1];
        }
        st.dspIconTex[q] = side.icons[entry]->tex;
        st.dspIconAlpha[q] = m;
        v.quadEntry[q] = entry;
        const Int32 inset = (Int32)std::lround(m * MODULE_LIST_SLOT_SIZE / 2);
        v.quadRect[q] = Recti{MODULE_LIST_SLOT_X + side.dx + inset,
                              MODULE_LIST_SLOT_Y0 + l.slot * MODULE_LIST_PITCH + inset -
                                  (Int32)std::lround(dy * pxPerUnit),
                              MODULE_LIST_SLOT_SIZE - 2 * inset, MODULE_LIST_SLOT_SIZE - 2 * inset};
    }
    return cursor < st.preCursor ? 2 : 1;
}

void ModuleList_DrawIcons(ModuleListState& st, const ModuleListSide& side, Int32 centreQuad)
{
    glUseProgram(shader[Prgm_Mask_Texture]);
    ShowUploadMatrices(Prgm_Mask_Texture_UNFM_Prj, Prgm_Mask_Texture_UNFM_Mdv);
    glUniform4fv(Prgm_Mask_Texture_UNFM_MaskPos, 1, st.maskPos);
    glUniform1i(Prgm_Mask_Texture_UNFM_Tex, 0);
    glUniform1i(Prgm_Mask_Texture_UNFM_MaskTex, 1);
    glActiveTexture(GL_TEXTURE1);
    glBindTexture(GL_TEXTURE_2D, st.maskTex);
    glEnableVertexAttribArray(Prgm_Mask_Texture_ATTR_Vtx);
    glEnableVertexAttribArray(Prgm_Mask_Texture_ATTR_Txc);
    glVertexAttribPointer(Prgm_Mask_Texture_ATTR_Txc, 2, GL_FLOAT, GL_FALSE, 0, QuadTexCoords);
    glActiveTexture(GL_TEXTURE0);
    ShowModuleListSideView& v = mModuleList_View.side[side.side];
    const Int08 dimCentre = st.clickFeedback == 1 && st.cfmDuration > MODULE_LIST_FEEDBACK_MS;
    for (Int32 q = 0; q < 4; q++) {
        v.quadInvAlpha[q] = 1.0f;
        if (st.dspIconTex[q] == MODULE_LIST_NO_TEX) continue;
        const GLfloat invAlpha = (dimCentre && q == centreQuad) ? 0.4f : st.dspIconAlpha[q];
        glUniform1f(Prgm_Mask_Texture_UNFM_Alp, invAlpha);
        glBindTexture(GL_TEXTURE_2D, st.dspIconTex[q]);
        glVertexAttribPointer(Prgm_Mask_Texture_ATTR_Vtx, 3, GL_FLOAT, GL_FALSE, 0, &st.iconVtx[q * 12]);
        glDrawArrays(GL_TRIANGLE_FAN, 0, 4);
        v.quadInvAlpha[q] = invAlpha;
    }
    glUniform1f(Prgm_Mask_Texture_UNFM_Alp, 0.0f);
    glDisableVertexAttribArray(Prgm_Mask_Texture_ATTR_Vtx);
    glDisableVertexAttribArray(Prgm_Mask_Texture_ATTR_Txc);
}

void ModuleList_DrawDecorationAndTitle(ModuleListState& st, const ModuleListSide& side, UInt08 cursor)
{
    ShowModuleListSideView& v = mModuleList_View.side[side.side];
    ShowBeginTexture();
    const Image* dec = &pngImg[PNG_module_L0_decoration];
    const Recti decRect = {dec->ltx + side.dx, dec->lty, dec->w, dec->h};
    v.decorationDrawn = 0;
    if (side.decorationFades) {
        if (st.preCursor == cursor) {
            if (st.decInvAlpha > 0) {
                st.decInvAlpha -= (GLfloat)mFrameTimeMs * 0.003f;
                if (st.decInvAlpha < 0) st.decInvAlpha = 0;
            }
            ShowTextureAlpha(st.decInvAlpha);
            ShowDrawImageRect(dec, decRect);
            v.decorationDrawn = 1;
        } else {
            st.decInvAlpha = 1.0f;
        }
    } else if (st.preCursor == cursor) {
        ShowDrawImageRect(dec, decRect);
        v.decorationDrawn = 1;
    }
    ShowTextureAlpha(0.0f);
    v.titleTga = -1;
    if (st.preCursor <= side.last) {
        const Int32 title = side.entries[st.preCursor].title;
        const Image* t = &tgaImg[title];
        ShowDrawImageRect(t, Recti{t->ltx + side.dx, t->lty, t->w, t->h});
        v.titleTga = title;
    }
    ShowEndTexture();
}

void ModuleList_Report(const ModuleListState& st, const ModuleListSide& side, Int08 drawn)
{
    ShowModuleListSideView& v = mModuleList_View.side[side.side];
    v.drawn = drawn;
    v.preCursor = st.preCursor;
    v.currOffset = st.currOffset;
    v.targetOffset = st.targetOffset;
    v.itemScale = st.itemScale;
    v.cfmDuration = st.cfmDuration;
    v.clickFeedback = st.clickFeedback;
    v.decInvAlpha = st.decInvAlpha;
    if (!drawn) {
        v.decorationDrawn = 0;
        v.titleTga = -1;
        for (Int32 q = 0; q < 4; q++) v.quadEntry[q] = -1;
    }
}

// One call of either list.
Int08 ModuleList_Show(ModuleListState& st, const ModuleListSide& side, UInt08 cursor, UInt08 moduleId)
{
    if (st.localInit == 0) {
        if (moduleId != MODULE_L_LIST) {
            ModuleList_Report(st, side, 0);
            return 0;
        }
        ModuleList_Prepare(st, side);
    }
    if (cursor > side.last) cursor = side.last;

    if (moduleId == MODULE_L_LIST) {
        if (st.preCursor == 255) {
            st.clickFeedback = 0;
            st.cfmDuration = MODULE_LIST_CONFIRM_MS;
            st.targetOffset = st.currOffset = 0;
            st.preCursor = cursor;
        } else if (cursor != st.preCursor) {
            ModuleList_Follow(st, cursor);
        }
    } else if (ModuleList_Closing(st, side, moduleId) == 0) {
        ModuleList_Report(st, side, 0);
        return 0;
    }

    ModuleList_Slide(st, cursor);
    const Int32 centreQuad = ModuleList_BuildQuads(st, side, cursor);
    ModuleList_DrawIcons(st, side, centreQuad);
    ModuleList_DrawDecorationAndTitle(st, side, cursor);
    ModuleList_Report(st, side, 1);
    return 1;
}

}  // namespace

Int08 ShowLeftModuleList(UInt08 cursor, UInt08 moduleId)
{
    static ModuleListState state;
    return ModuleList_Show(state, mModuleList_LeftSide, cursor, moduleId);
}

Int08 ShowRightModuleList(UInt08 cursor, UInt08 moduleId)
{
    static ModuleListState state;
    return ModuleList_Show(state, mModuleList_RightSide, cursor, moduleId);
}

const ShowModuleListView* ShowModuleList_View(void)
{
    return &mModuleList_View;
}

// Frame recorder: the tracked GL state, the recorded draws, the diff of two frames, the replay
// under a scissor into the retained framebuffer and the copy to the frame's target.
#include "OrvRender/RenderRecord.h"

#include <GL/glew.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "OrvRender/RenderProfile.h"

namespace {

const Int32 kScreenW = 1920, kScreenH = 720;
const Int32 kUnits = 2;     // texture units the programs sample
const Int32 kAttribs = 16;  // vertex attribute slots tracked

// A rectangle in GL window pixels (origin bottom left); empty when w or h is 0.
struct RecBox {
    Int32 x0, y0, x1, y1;
    bool Empty() const { return x1 <= x0 || y1 <= y0; }
};
const RecBox kNoBox = {0, 0, 0, 0};
const RecBox kScreenBox = {0, 0, kScreenW, kScreenH};

RecBox RecUnion(const RecBox& a, const RecBox& b)
{
    if (a.Empty()) return b;
    if (b.Empty()) return a;
    return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

bool RecIntersect(const RecBox& a, const RecBox& b)
{
    return !a.Empty() && !b.Empty() && a.x0 < b.x1 && b.x0 < a.x1 && a.y0 < b.y1 && b.y0 < a.y1;
}

int64_t RecArea(const RecBox& a) { return a.Empty() ? 0 : (int64_t)(a.x1 - a.x0) * (a.y1 - a.y0); }

enum RecUniformKind : UInt08 { REC_U1F, REC_U1I, REC_U3FV, REC_U4FV, REC_UM4FV };
const Int32 kUniformFloats[] = {1, 1, 3, 4, 16};

// One uniform value as set; ints are kept in their bytes.
struct RecUniform {
    GLint loc;
    UInt08 kind;
    GLsizei count;
    std::vector<GLfloat> v;
};

struct RecAttrib {
    GLint size;
    GLenum type;
    GLboolean norm;
    GLsizei stride;
    GLuint buffer;
    const void* ptr;
    bool enabled;
};

// The GL state the render sources set, as the recorder last saw it.
struct RecShadow {
    GLuint program;
    GLuint tex[kUnits];
    GLint activeUnit;
    GLuint arrayBuf, elemBuf;
    bool blend, depthTest, cull, tex2d;
    GLenum blendSrc, blendDst, depthFunc;
    GLfloat lineWidth;
    GLint viewport[4];
    GLfloat clearColor[4];
    GLfloat clearDepth;
    RecAttrib attribs[kAttribs];
};

// The state part of a recorded command, compared byte for byte (zero-filled, padding included).
struct RecState {
    UInt08 kind;  // REC_DRAW_ARRAYS, REC_DRAW_ELEMENTS, REC_CLEAR
    UInt08 blend, depthTest, cull;
    GLenum mode;
    GLint first;
    GLsizei count;
    GLenum idxType;
    GLuint elemBuf;
    UInt32 elemVersion;
    GLbitfield clearMask;
    GLuint program;
    GLuint tex[kUnits];
    UInt32 texVersion[kUnits];
    GLenum blendSrc, blendDst, depthFunc;
    GLfloat lineWidth;
    GLint viewport[4];
    GLfloat clearColor[4];
    GLfloat clearDepth;
    uint64_t idxOffset;      // element buffer offset, or offset of the copied indices in data
    uint64_t uniformBytes;   // the uniform values at the start of data
};
enum { REC_DRAW_ARRAYS = 1, REC_DRAW_ELEMENTS, REC_CLEAR };

// A vertex array of a recorded draw: a buffer with its version, or copied client memory.
struct RecCmdAttrib {
    GLuint index;
    GLint size;
    GLenum type;
    GLboolean norm;
    GLsizei stride;
    GLuint buffer;
    UInt32 version;
    uint64_t offset;  // buffer offset, or offset of the copy in data
    uint64_t bytes;   // length of the copy (0 for a buffer)
};

struct RecCmd {
    RecState st;
    std::vector<RecCmdAttrib> attribs;
    std::vector<UInt08> data;  // uniform values, then copied client arrays and indices
    RecBox box;
    uint64_t hash;  // of st, attribs and data: most unequal commands differ here already
};

struct RecProgramLocs {
    GLint vtx, prj, mdv;
    UInt32 attribsRead;  // the vertex attribute slots the program reads
};

// Object-space bounds of the positions one vertex layout reads from a buffer.
struct RecBufferBounds {
    uint64_t offset;
    GLint size;
    GLsizei stride;
    bool any;
    GLfloat lo[3], hi[3];
};

struct RecBufferCopy {
    UInt32 version;
    std::vector<UInt08> bytes;
    std::vector<RecBufferBounds> bounds;  // per layout, until the next upload
};

struct Recorder {
    Int08 enabled = -1;  // -1: not read from the environment yet
    bool recording = false;
    bool direct = false;     // a resource changed under a recorded draw: this frame draws at once
    bool invalid = true;     // the retained framebuffer does not hold the previous frame
    bool targetKept = false; // the target still holds the picture of the previous present
    GLint target = 0;        // the framebuffer the frame is presented to
    GLuint fbo = 0, color = 0, depth = 0;
    bool fboFailed = false;
    RecShadow sh;
    std::unordered_map<GLuint, std::vector<RecUniform>> uniforms;  // per program
    std::unordered_map<GLuint, RecProgramLocs> locs;
    std::unordered_map<GLuint, UInt32> texVersion;
    std::unordered_map<GLuint, RecBufferCopy> buffers;
    std::unordered_set<GLuint> frameTex, frameBuf;  // resources the current frame's draws use
    UInt32 nextVersion = 1;
    std::vector<RecCmd> cur, prev;
    RenderRecView view;
};

Recorder mRec;

UInt32 RenderRec_TypeSize(GLenum type)
{
    switch (type) {
    case GL_UNSIGNED_BYTE: case GL_BYTE: return 1;
    case GL_UNSIGNED_SHORT: case GL_SHORT: return 2;
    default: return 4;
    }
}

UInt32 RenderRec_NewVersion(void) { return mRec.nextVersion++; }

/* ---- Shadow state --------------------------------------------------------------------------- */

// Reads the state back from GL at the start of a frame: tests and tools set some of it with calls
// the recorder does not see.
void RenderRec_SyncShadow(void)
{
    RecShadow& s = mRec.sh;
    GLint v = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &v);
    s.program = (GLuint)v;
    glGetIntegerv(GL_ACTIVE_TEXTURE, &v);
    s.activeUnit = v - GL_TEXTURE0;
    for (Int32 u = 0; u < kUnits; u++) {
        glActiveTexture(GL_TEXTURE0 + u);
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &v);
        s.tex[u] = (GLuint)v;
    }
    glActiveTexture(GL_TEXTURE0 + s.activeUnit);
    glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &v);
    s.arrayBuf = (GLuint)v;
    glGetIntegerv(GL_ELEMENT_ARRAY_BUFFER_BINDING, &v);
    s.elemBuf = (GLuint)v;
    s.blend = glIsEnabled(GL_BLEND);
    s.depthTest = glIsEnabled(GL_DEPTH_TEST);
    s.cull = glIsEnabled(GL_CULL_FACE);
    s.tex2d = glIsEnabled(GL_TEXTURE_2D);
    glGetIntegerv(GL_BLEND_SRC_RGB, &v);
    s.blendSrc = (GLenum)v;
    glGetIntegerv(GL_BLEND_DST_RGB, &v);
    s.blendDst = (GLenum)v;
    glGetIntegerv(GL_DEPTH_FUNC, &v);
    s.depthFunc = (GLenum)v;
    glGetFloatv(GL_LINE_WIDTH, &s.lineWidth);
    glGetIntegerv(GL_VIEWPORT, s.viewport);
    glGetFloatv(GL_COLOR_CLEAR_VALUE, s.clearColor);
    glGetFloatv(GL_DEPTH_CLEAR_VALUE, &s.clearDepth);
    for (Int32 i = 0; i < kAttribs; i++) {
        RecAttrib& a = s.attribs[i];
        GLint e = 0, size = 4, type = GL_FLOAT, norm = 0, stride = 0, buf = 0;
        void* ptr = nullptr;
        glGetVertexAttribiv(i, GL_VERTEX_ATTRIB_ARRAY_ENABLED, &e);
        glGetVertexAttribiv(i, GL_VERTEX_ATTRIB_ARRAY_SIZE, &size);
        glGetVertexAttribiv(i, GL_VERTEX_ATTRIB_ARRAY_TYPE, &type);
        glGetVertexAttribiv(i, GL_VERTEX_ATTRIB_ARRAY_NORMALIZED, &norm);
        glGetVertexAttribiv(i, GL_VERTEX_ATTRIB_ARRAY_STRIDE, &stride);
        glGetVertexAttribiv(i, GL_VERTEX_ATTRIB_ARRAY_BUFFER_BINDING, &buf);
        glGetVertexAttribPointerv(i, GL_VERTEX_ATTRIB_ARRAY_POINTER, &ptr);
        a = {size, (GLenum)type, (GLboolean)norm, stride, (GLuint)buf, ptr, e != 0};
    }
}

void RenderRec_ApplyUniform(const RecUniform& u)
{
    switch (u.kind) {
    case REC_U1F: glUniform1f(u.loc, u.v[0]); break;
    case REC_U1I: { GLint i; memcpy(&i, u.v.data(), sizeof i); glUniform1i(u.loc, i); break; }
    case REC_U3FV: glUniform3fv(u.loc, u.count, u.v.data()); break;
    case REC_U4FV: glUniform4fv(u.loc, u.count, u.v.data()); break;
    default: glUniformMatrix4fv(u.loc, u.count, GL_FALSE, u.v.data()); break;
    }
}

void RenderRec_SetUniform(GLint loc, UInt08 kind, GLsizei count, const void* v)
{
    if (loc < 0 || count <= 0) return;
    // Kept in location order, so that two draws with the same values capture the same bytes.
    std::vector<RecUniform>& list = mRec.uniforms[mRec.sh.program];
    auto it = std::lower_bound(list.begin(), list.end(), loc, [](const RecUniform& u, GLint l) { return u.loc < l; });
    if (it == list.end() || it->loc != loc) it = list.insert(it, {loc, kind, count, {}});
    it->kind = kind;
    it->count = count;
    it->v.resize((size_t)kUniformFloats[kind] * count);
    memcpy(it->v.data(), v, it->v.size() * sizeof(GLfloat));
}

// Puts GL back into the tracked state after a replay changed it.
void RenderRec_RestoreState(const std::unordered_set<GLuint>& programs)
{
    const RecShadow& s = mRec.sh;
    for (GLuint p : programs) {
        if (p == 0) continue;
        glUseProgram(p);
        for (const RecUniform& u : mRec.uniforms[p]) RenderRec_ApplyUniform(u);
    }
    glUseProgram(s.program);
    for (Int32 u = 0; u < kUnits; u++) {
        glActiveTexture(GL_TEXTURE0 + u);
        glBindTexture(GL_TEXTURE_2D, s.tex[u]);
    }
    glActiveTexture(GL_TEXTURE0 + s.activeUnit);
    for (Int32 i = 0; i < kAttribs; i++) {
        const RecAttrib& a = s.attribs[i];
        glBindBuffer(GL_ARRAY_BUFFER, a.buffer);
        glVertexAttribPointer(i, a.size, a.type, a.norm, a.stride, a.ptr);
        if (a.enabled) glEnableVertexAttribArray(i);
        else glDisableVertexAttribArray(i);
    }
    glBindBuffer(GL_ARRAY_BUFFER, s.arrayBuf);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, s.elemBuf);
    (s.blend ? glEnable : glDisable)(GL_BLEND);
    (s.depthTest ? glEnable : glDisable)(GL_DEPTH_TEST);
    (s.cull ? glEnable : glDisable)(GL_CULL_FACE);
    (s.tex2d ? glEnable : glDisable)(GL_TEXTURE_2D);
    glBlendFunc(s.blendSrc, s.blendDst);
    glDepthFunc(s.depthFunc);
    glLineWidth(s.lineWidth);
    glViewport(s.viewport[0], s.viewport[1], s.viewport[2], s.viewport[3]);
    glClearColor(s.clearColor[0], s.clearColor[1], s.clearColor[2], s.clearColor[3]);
    glClearDepth(s.clearDepth);
}

/* ---- Screen rectangle of a draw ------------------------------------------------------------- */

RecProgramLocs RenderRec_Locs(GLuint program)
{
    auto it = mRec.locs.find(program);
    if (it != mRec.locs.end()) return it->second;
    RecProgramLocs l = {-1, -1, -1, 0};
    if (program != 0) {
        l = {glGetAttribLocation(program, "a_v3_vtx"), glGetUniformLocation(program, "u_mat4_prj"),
             glGetUniformLocation(program, "u_mat4_mdv"), 0};
        GLint n = 0;
        glGetProgramiv(program, GL_ACTIVE_ATTRIBUTES, &n);
        for (GLint i = 0; i < n; i++) {
            char name[64];
            GLint size = 0;
            GLenum type = 0;
            glGetActiveAttrib(program, (GLuint)i, sizeof name, nullptr, &size, &type, name);
            const GLint loc = glGetAttribLocation(program, name);
            if (loc >= 0 && loc < kAttribs) l.attribsRead |= 1u << loc;
        }
    }
    mRec.locs[program] = l;
    return l;
}

const GLfloat* RenderRec_Matrix(GLuint program, GLint loc)
{
    if (loc < 0) return nullptr;
    for (const RecUniform& u : mRec.uniforms[program])
        if (u.loc == loc && u.kind == REC_UM4FV) return u.v.data();
    return nullptr;
}

// Grows a window-pixel box by one transformed point; false when the point lies behind the eye.
struct RecBounds {
    GLfloat m[16];
    const GLint* vp;
    double x0 = 1e30, y0 = 1e30, x1 = -1e30, y1 = -1e30;
    bool Add(GLfloat x, GLfloat y, GLfloat z)
    {
        double cx = m[0] * x + m[4] * y + m[8] * z + m[12];
        double cy = m[1] * x + m[5] * y + m[9] * z + m[13];
        double cw = m[3] * x + m[7] * y + m[11] * z + m[15];
        if (!(cw > 1e-6)) return false;
        double wx = vp[0] + (cx / cw + 1.0) * 0.5 * vp[2];
        double wy = vp[1] + (cy / cw + 1.0) * 0.5 * vp[3];
        x0 = std::min(x0, wx);
        x1 = std::max(x1, wx);
        y0 = std::min(y0, wy);
        y1 = std::max(y1, wy);
        return true;
    }
};

// Object-space bounds of the float positions in a buffer, cached with the buffer's version.
bool RenderRec_BufferBounds(GLuint buf, const RecCmdAttrib& a, GLfloat lo[3], GLfloat hi[3])
{
    auto it = mRec.buffers.find(buf);
    if (it == mRec.buffers.end() || a.type != GL_FLOAT) return false;
    RecBufferCopy& copy = it->second;
    for (const RecBufferBounds& b : copy.bounds)
        if (b.offset == a.offset && b.size == a.size && b.stride == a.stride) {
            memcpy(lo, b.lo, sizeof b.lo);
            memcpy(hi, b.hi, sizeof b.hi);
            return b.any;
        }
    const std::vector<UInt08>& bytes = copy.bytes;
    const size_t elem = (size_t)a.size * 4, stride = a.stride ? (size_t)a.stride : elem;
    RecBufferBounds b = {a.offset, a.size, a.stride, false, {1e30f, 1e30f, 1e30f}, {-1e30f, -1e30f, -1e30f}};
    for (size_t off = a.offset; off + elem <= bytes.size(); off += stride) {
        GLfloat p[4] = {0, 0, 0, 1};
        memcpy(p, &bytes[off], elem);
        for (Int32 k = 0; k < 3; k++) {
            b.lo[k] = std::min(b.lo[k], p[k]);
            b.hi[k] = std::max(b.hi[k], p[k]);
        }
        b.any = true;
    }
    copy.bounds.push_back(b);
    memcpy(lo, b.lo, sizeof b.lo);
    memcpy(hi, b.hi, sizeof b.hi);
    return b.any;
}

// The vertex numbers a draw uses: first..first+count, or its indices.
template <typename F>
bool RenderRec_EachVertex(const RecCmd& c, F f)
{
    if (c.st.kind == REC_DRAW_ARRAYS) {
        for (GLint i = 0; i < c.st.count; i++) f((UInt32)(c.st.first + i));
        return true;
    }
    const UInt08* idx = nullptr;
    if (c.st.elemBuf != 0) {
        auto it = mRec.buffers.find(c.st.elemBuf);
        if (it == mRec.buffers.end()) return false;
        const uint64_t need = c.st.idxOffset + (uint64_t)c.st.count * RenderRec_TypeSize(c.st.idxType);
        if (need > it->second.bytes.size()) return false;
        idx = it->second.bytes.data() + c.st.idxOffset;
    } else {
        idx = c.data.data() + c.st.idxOffset;
    }
    for (GLsizei i = 0; i < c.st.count; i++) {
        UInt32 n = 0;
        switch (c.st.idxType) {
        case GL_UNSIGNED_BYTE: n = idx[i]; break;
        case GL_UNSIGNED_SHORT: { UInt16 s; memcpy(&s, idx + 2 * i, 2); n = s; break; }
        default: memcpy(&n, idx + 4 * i, 4); break;
        }
        f(n);
    }
    return true;
}

// The window pixels a draw may touch: its positions through the program's matrices, one pixel
// wider on each side (and half a wide line more); the whole screen when that cannot be known.
RecBox RenderRec_DrawBox(const RecCmd& c)
{
    if (c.st.kind == REC_CLEAR) return kScreenBox;
    const RecProgramLocs l = RenderRec_Locs(c.st.program);
    const GLfloat* prj = RenderRec_Matrix(c.st.program, l.prj);
    const GLfloat* mdv = RenderRec_Matrix(c.st.program, l.mdv);
    const RecCmdAttrib* pos = nullptr;
    for (const RecCmdAttrib& a : c.attribs)
        if ((GLint)a.index == l.vtx) pos = &a;
    if (prj == nullptr || mdv == nullptr || pos == nullptr || pos->type != GL_FLOAT) return kScreenBox;

    RecBounds b;
    b.vp = c.st.viewport;
    for (Int32 col = 0; col < 4; col++)
        for (Int32 row = 0; row < 4; row++) {
            GLfloat s = 0;
            for (Int32 k = 0; k < 4; k++) s += prj[k * 4 + row] * mdv[col * 4 + k];
            b.m[col * 4 + row] = s;
        }
    bool ok = true;
    if (pos->buffer != 0) {
        GLfloat lo[3], hi[3];
        if (!RenderRec_BufferBounds(pos->buffer, *pos, lo, hi)) return kScreenBox;
        for (Int32 k = 0; k < 8; k++)
            ok = ok && b.Add(k & 1 ? hi[0] : lo[0], k & 2 ? hi[1] : lo[1], k & 4 ? hi[2] : lo[2]);
    } else {
        const size_t elem = (size_t)pos->size * 4, stride = pos->stride ? (size_t)pos->stride : elem;
        ok = RenderRec_EachVertex(c, [&](UInt32 n) {
            const size_t off = (size_t)n * stride;
            if (off + elem > pos->bytes) {
                ok = false;
                return;
            }
            GLfloat p[4] = {0, 0, 0, 1};
            memcpy(p, c.data.data() + pos->offset + off, elem);
            ok = ok && b.Add(p[0], p[1], p[2]);
        }) && ok;
    }
    if (!ok) return kScreenBox;
    if (b.x0 > b.x1) return kNoBox;
    const double grow = 1.0 + ((c.st.mode == GL_LINES || c.st.mode == GL_LINE_STRIP || c.st.mode == GL_LINE_LOOP)
                                   ? c.st.lineWidth / 2.0 : 0.0);
    RecBox box = {(Int32)std::floor(b.x0 - grow), (Int32)std::floor(b.y0 - grow), (Int32)std::ceil(b.x1 + grow),
                  (Int32)std::ceil(b.y1 + grow)};
    box.x0 = std::max(box.x0, 0);
    box.y0 = std::max(box.y0, 0);
    box.x1 = std::min(box.x1, kScreenW);
    box.y1 = std::min(box.y1, kScreenH);
    return box.Empty() ? kNoBox : box;
}

/* ---- Recording ------------------------------------------------------------------------------ */

Int08 RenderRec_On(void)
{
    if (mRec.enabled < 0) {
        const char* env = getenv("CLUSTER_DAMAGE");
        mRec.enabled = (env != nullptr && strcmp(env, "0") == 0) ? 0 : 1;
    }
    return mRec.enabled;
}

void RenderRec_PutData(RecCmd& c, const void* p, size_t n)
{
    const UInt08* b = (const UInt08*)p;
    c.data.insert(c.data.end(), b, b + n);
}

// The command of a draw or clear with the tracked state it depends on (and nothing else, so that
// a state it ignores does not make it differ): a clear takes its values and mask, a draw its
// program, textures, blending, depth test and viewport.
void RenderRec_Capture(RecCmd& c, UInt08 kind)
{
    memset(&c.st, 0, sizeof c.st);
    const RecShadow& s = mRec.sh;
    RecState& st = c.st;
    st.kind = kind;
    if (kind == REC_CLEAR) {
        memcpy(st.clearColor, s.clearColor, sizeof st.clearColor);
        st.clearDepth = s.clearDepth;
        return;
    }
    st.blend = s.blend;
    st.depthTest = s.depthTest;
    st.cull = s.cull;
    st.program = s.program;
    for (Int32 u = 0; u < kUnits; u++) {
        st.tex[u] = s.tex[u];
        auto it = mRec.texVersion.find(s.tex[u]);
        st.texVersion[u] = it == mRec.texVersion.end() ? 0 : it->second;
    }
    st.blendSrc = s.blendSrc;
    st.blendDst = s.blendDst;
    st.depthFunc = s.depthFunc;
    st.lineWidth = s.lineWidth;
    memcpy(st.viewport, s.viewport, sizeof st.viewport);
}

// The uniforms of the draw's program, then every enabled vertex array the program reads (client
// arrays copied up to the last vertex the draw uses; an array the program does not read may point
// at memory long gone, and GL does not read it either).
void RenderRec_CaptureInputs(RecCmd& c, UInt32 vertexEnd)
{
    const UInt32 read = RenderRec_Locs(c.st.program).attribsRead;
    for (const RecUniform& u : mRec.uniforms[c.st.program]) {
        RenderRec_PutData(c, &u.loc, sizeof u.loc);
        RenderRec_PutData(c, &u.kind, sizeof u.kind);
        RenderRec_PutData(c, &u.count, sizeof u.count);
        RenderRec_PutData(c, u.v.data(), u.v.size() * sizeof(GLfloat));
    }
    c.st.uniformBytes = c.data.size();
    for (Int32 i = 0; i < kAttribs; i++) {
        const RecAttrib& a = mRec.sh.attribs[i];
        if (!a.enabled || !(read & (1u << i))) continue;
        RecCmdAttrib ca;
        memset(&ca, 0, sizeof ca);
        ca.index = (GLuint)i;
        ca.size = a.size;
        ca.type = a.type;
        ca.norm = a.norm;
        ca.stride = a.stride;
        ca.buffer = a.buffer;
        if (a.buffer != 0) {
            auto it = mRec.buffers.find(a.buffer);
            ca.version = it == mRec.buffers.end() ? 0 : it->second.version;
            ca.offset = (uint64_t)(uintptr_t)a.ptr;
            mRec.frameBuf.insert(a.buffer);
        } else if (a.ptr != nullptr && vertexEnd > 0) {
            const size_t elem = (size_t)a.size * RenderRec_TypeSize(a.type);
            const size_t stride = a.stride ? (size_t)a.stride : elem;
            ca.offset = c.data.size();
            ca.bytes = (vertexEnd - 1) * stride + elem;
            RenderRec_PutData(c, a.ptr, ca.bytes);
        }
        c.attribs.push_back(ca);
    }
    for (Int32 u = 0; u < kUnits; u++)
        if (c.st.tex[u] != 0) mRec.frameTex.insert(c.st.tex[u]);
    if (c.st.elemBuf != 0) mRec.frameBuf.insert(c.st.elemBuf);
}

// Binds the inputs of a recorded command and draws it.
void RenderRec_Execute(const RecCmd& c, GLuint* program, UInt32* enabledMask)
{
    const RecState& st = c.st;
    if (st.kind == REC_CLEAR) {
        glClearColor(st.clearColor[0], st.clearColor[1], st.clearColor[2], st.clearColor[3]);
        glClearDepth(st.clearDepth);
        glClear(st.clearMask);
        return;
    }
    (st.blend ? glEnable : glDisable)(GL_BLEND);
    (st.depthTest ? glEnable : glDisable)(GL_DEPTH_TEST);
    (st.cull ? glEnable : glDisable)(GL_CULL_FACE);
    glBlendFunc(st.blendSrc, st.blendDst);
    glDepthFunc(st.depthFunc);
    glLineWidth(st.lineWidth);
    glViewport(st.viewport[0], st.viewport[1], st.viewport[2], st.viewport[3]);
    if (*program != st.program) {
        glUseProgram(st.program);
        *program = st.program;
    }
    // Uniforms, as written by RenderRec_CaptureInputs.
    size_t off = 0;
    while (off < st.uniformBytes) {
        RecUniform u;
        memcpy(&u.loc, &c.data[off], sizeof u.loc);
        off += sizeof u.loc;
        u.kind = c.data[off];
        off += sizeof u.kind;
        memcpy(&u.count, &c.data[off], sizeof u.count);
        off += sizeof u.count;
        u.v.resize((size_t)kUniformFloats[u.kind] * u.count);
        memcpy(u.v.data(), &c.data[off], u.v.size() * sizeof(GLfloat));
        off += u.v.size() * sizeof(GLfloat);
        RenderRec_ApplyUniform(u);
    }
    for (Int32 u = 0; u < kUnits; u++) {
        glActiveTexture(GL_TEXTURE0 + u);
        glBindTexture(GL_TEXTURE_2D, st.tex[u]);
    }
    UInt32 mask = 0;
    for (const RecCmdAttrib& a : c.attribs) {
        mask |= 1u << a.index;
        glBindBuffer(GL_ARRAY_BUFFER, a.buffer);
        const void* p = a.buffer != 0 ? (const void*)(uintptr_t)a.offset
                                      : (a.bytes != 0 ? (const void*)(c.data.data() + a.offset) : nullptr);
        glVertexAttribPointer(a.index, a.size, a.type, a.norm, a.stride, p);
    }
    for (Int32 i = 0; i < kAttribs; i++) {
        const UInt32 bit = 1u << i;
        if ((mask & bit) && !(*enabledMask & bit)) glEnableVertexAttribArray(i);
        if (!(mask & bit) && (*enabledMask & bit)) glDisableVertexAttribArray(i);
    }
    *enabledMask = mask;
    if (st.kind == REC_DRAW_ARRAYS) {
        glDrawArrays(st.mode, st.first, st.count);
    } else {
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, st.elemBuf);
        const void* idx = st.elemBuf != 0 ? (const void*)(uintptr_t)st.idxOffset
                                          : (const void*)(c.data.data() + st.idxOffset);
        glDrawElements(st.mode, st.count, st.idxType, idx);
    }
}

// Draws a list of commands on the bound framebuffer, then puts the tracked state back. With a
// clip, only the commands that touch it are drawn (the caller scissors to it): the others cannot
// change a pixel inside.
void RenderRec_Replay(const std::vector<RecCmd>& cmds, const RecBox* clip = nullptr)
{
    if (cmds.empty()) return;
    GLuint program = mRec.sh.program;
    UInt32 enabled = 0;
    for (Int32 i = 0; i < kAttribs; i++)
        if (mRec.sh.attribs[i].enabled) enabled |= 1u << i;
    std::unordered_set<GLuint> programs;
    for (const RecCmd& c : cmds) {
        if (clip != nullptr && !RecIntersect(c.box, *clip)) continue;
        if (c.st.kind != REC_CLEAR) programs.insert(c.st.program);
        RenderRec_Execute(c, &program, &enabled);
    }
    RenderRec_RestoreState(programs);
}

// A resource a recorded draw of this frame uses is about to change: the draws so far are drawn
// at once into the retained framebuffer, and the rest of the frame draws at once after them.
void RenderRec_GoDirect(void)
{
    if (!mRec.recording || mRec.direct || mRec.fbo == 0) return;
    glBindFramebuffer(GL_FRAMEBUFFER, mRec.fbo);
    RenderRec_Replay(mRec.cur);
    mRec.direct = true;
}

bool RenderRec_Recording(void) { return mRec.recording && !mRec.direct; }

// FNV-1a over the bytes that make two commands equal (the state is zero-filled, padding included).
uint64_t RenderRec_HashBytes(uint64_t h, const void* p, size_t n)
{
    const UInt08* b = (const UInt08*)p;
    for (size_t i = 0; i < n; i++) h = (h ^ b[i]) * 1099511628211ull;
    return h;
}

uint64_t RenderRec_Hash(const RecCmd& c)
{
    uint64_t h = RenderRec_HashBytes(14695981039346656037ull, &c.st, sizeof c.st);
    h = RenderRec_HashBytes(h, c.attribs.data(), c.attribs.size() * sizeof(RecCmdAttrib));
    return RenderRec_HashBytes(h, c.data.data(), c.data.size());
}

// Takes a captured command: while the frame is recorded it is kept; in a frame drawn at once it is
// kept for the next frame's diff as well. True when the caller must draw it at once.
bool RenderRec_Take(RecCmd&& c)
{
    c.box = RenderRec_DrawBox(c);
    c.hash = RenderRec_Hash(c);
    if (RenderProf_Enabled()) {
        const RecBox& b = c.box;
        RenderProf_Draw(b.Empty() ? 0 : (uint64_t)(b.x1 - b.x0) * (uint64_t)(b.y1 - b.y0));
    }
    const bool now = !RenderRec_Recording();
    if (mRec.recording) mRec.cur.push_back(std::move(c));
    return now;
}

// Outside frames and without the profiler a call only draws.
bool RenderRec_DrawOnly(void) { return !mRec.recording && !RenderProf_Enabled(); }

bool RenderRec_SameCmd(const RecCmd& a, const RecCmd& b)
{
    return a.hash == b.hash && memcmp(&a.st, &b.st, sizeof a.st) == 0 && a.attribs.size() == b.attribs.size() &&
           (a.attribs.empty() || memcmp(a.attribs.data(), b.attribs.data(), a.attribs.size() * sizeof(RecCmdAttrib)) == 0) &&
           a.data == b.data;
}

/* ---- Retained framebuffer ------------------------------------------------------------------- */

bool RenderRec_EnsureFbo(void)
{
    if (mRec.fbo != 0) return true;
    if (mRec.fboFailed) return false;
    if (glGenFramebuffers == nullptr || glBlitFramebuffer == nullptr) {
        mRec.fboFailed = true;
        return false;
    }
    // The depth buffer matches the target's precision, so that depth tests decide alike.
    GLint depthBits = 0;
    glGetIntegerv(GL_DEPTH_BITS, &depthBits);
    glGenFramebuffers(1, &mRec.fbo);
    glBindFramebuffer(GL_FRAMEBUFFER, mRec.fbo);
    glGenRenderbuffers(1, &mRec.color);
    glBindRenderbuffer(GL_RENDERBUFFER, mRec.color);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, kScreenW, kScreenH);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, mRec.color);
    glGenRenderbuffers(1, &mRec.depth);
    glBindRenderbuffer(GL_RENDERBUFFER, mRec.depth);
    glRenderbufferStorage(GL_RENDERBUFFER, depthBits > 16 ? GL_DEPTH_COMPONENT24 : GL_DEPTH_COMPONENT16, kScreenW,
                          kScreenH);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, mRec.depth);
    const bool ok = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    glBindFramebuffer(GL_FRAMEBUFFER, (GLuint)mRec.target);
    if (!ok) {
        glDeleteRenderbuffers(1, &mRec.color);
        glDeleteRenderbuffers(1, &mRec.depth);
        glDeleteFramebuffers(1, &mRec.fbo);
        mRec.fbo = mRec.color = mRec.depth = 0;
        mRec.fboFailed = true;
        return false;
    }
    mRec.invalid = true;
    return true;
}

RenderRecRect RenderRec_ScreenRect(const RecBox& b)
{
    if (b.Empty()) return {0, 0, 0, 0};
    return {b.x0, kScreenH - b.y1, b.x1 - b.x0, b.y1 - b.y0};
}

// Marks the commands of two lists that are kept from one to the other: the longest common
// subsequence of equal commands (Myers' difference algorithm, which is quick when few commands
// differ). A pixel outside every box of an unmarked command sees the same kept commands in the same
// order in both frames, so it keeps its colour. When more than kEditsMax commands differ, the
// search stops and only the common start and end count as kept.
const Int32 kEditsMax = 96;

void RenderRec_Match(const std::vector<RecCmd>& before, const std::vector<RecCmd>& now, std::vector<UInt08>* keptBefore,
                     std::vector<UInt08>* keptNow)
{
    keptBefore->assign(before.size(), 0);
    keptNow->assign(now.size(), 0);
    size_t head = 0;
    const size_t common = std::min(before.size(), now.size());
    while (head < common && RenderRec_SameCmd(before[head], now[head])) head++;
    size_t tail = 0;
    while (tail < common - head && RenderRec_SameCmd(before[before.size() - 1 - tail], now[now.size() - 1 - tail]))
        tail++;
    for (size_t i = 0; i < head; i++) (*keptBefore)[i] = (*keptNow)[i] = 1;
    for (size_t i = 0; i < tail; i++) (*keptBefore)[before.size() - 1 - i] = (*keptNow)[now.size() - 1 - i] = 1;

    // The middle parts (before from x, now from y); trace[d] is the furthest x on each diagonal
    // k = x - y in -(d+1)..d+1 before the d-th edit.
    const Int32 n = (Int32)(before.size() - head - tail), m = (Int32)(now.size() - head - tail);
    if (n == 0 || m == 0) return;
    auto same = [&](Int32 x, Int32 y) { return RenderRec_SameCmd(before[head + x], now[head + y]); };
    const Int32 mid = kEditsMax + 1;
    std::vector<Int32> v(2 * mid + 1, 0);
    std::vector<std::vector<Int32>> trace;
    Int32 edits = -1;
    for (Int32 d = 0; d <= kEditsMax && edits < 0; d++) {
        trace.emplace_back(v.begin() + mid - d - 1, v.begin() + mid + d + 2);
        for (Int32 k = -d; k <= d && edits < 0; k += 2) {
            Int32 x = (k == -d || (k != d && v[mid + k - 1] < v[mid + k + 1])) ? v[mid + k + 1] : v[mid + k - 1] + 1;
            Int32 y = x - k;
            while (x < n && y < m && same(x, y)) {
                x++;
                y++;
            }
            v[mid + k] = x;
            if (x >= n && y >= m) edits = d;
        }
    }
    if (edits < 0) return;  // too different: the middle parts count as changed whole

    // Back from the end: each edit is preceded by its run of kept commands.
    Int32 x = n, y = m;
    for (Int32 d = edits; d >= 0; d--) {
        const std::vector<Int32>& p = trace[d];
        auto at = [&](Int32 k) { return p[k + d + 1]; };
        const Int32 k = x - y;
        const Int32 pk = (k == -d || (k != d && at(k - 1) < at(k + 1))) ? k + 1 : k - 1;
        const Int32 px = at(pk), py = px - pk;
        while (x > px && y > py && x > 0 && y > 0) {
            (*keptBefore)[head + x - 1] = 1;
            (*keptNow)[head + y - 1] = 1;
            x--;
            y--;
        }
        x = px;
        y = py;
    }
}

// Joins boxes into at most RENDER_REC_RECTS_MAX rectangles. A box joins a rectangle when the
// union costs little more than the two apart (each rectangle is one more pass over the recorded
// draws); past the limit, the pair whose union adds the least is joined until the rest fit.
const int64_t kRectPassPixels = 128 * 128;

std::vector<RecBox> RenderRec_JoinBoxes(const std::vector<RecBox>& boxes)
{
    std::vector<RecBox> rects;
    auto extra = [](const RecBox& a, const RecBox& b) { return RecArea(RecUnion(a, b)) - RecArea(a) - RecArea(b); };
    for (const RecBox& box : boxes) {
        if (box.Empty()) continue;
        RecBox cur = box;
        // A joined rectangle is bigger and may now reach others: look again until none joins.
        for (bool joined = true; joined;) {
            joined = false;
            for (size_t i = 0; i < rects.size(); i++) {
                if (extra(rects[i], cur) > kRectPassPixels) continue;
                cur = RecUnion(cur, rects[i]);
                rects.erase(rects.begin() + (long)i);
                joined = true;
                break;
            }
        }
        rects.push_back(cur);
    }
    while (rects.size() > (size_t)RENDER_REC_RECTS_MAX) {
        size_t bi = 0, bj = 1;
        int64_t best = INT64_MAX;
        for (size_t i = 0; i < rects.size(); i++)
            for (size_t j = i + 1; j < rects.size(); j++) {
                const int64_t e = extra(rects[i], rects[j]);
                if (e < best) {
                    best = e;
                    bi = i;
                    bj = j;
                }
            }
        rects[bi] = RecUnion(rects[bi], rects[bj]);
        rects.erase(rects.begin() + (long)bj);
    }
    return rects;
}

// The rectangles to redraw: the boxes of the commands of either list that the other does not keep.
std::vector<RecBox> RenderRec_Damage(const std::vector<RecCmd>& before, const std::vector<RecCmd>& now, Int32* changed)
{
    std::vector<UInt08> keptBefore, keptNow;
    RenderRec_Match(before, now, &keptBefore, &keptNow);
    std::vector<RecBox> boxes;
    *changed = 0;
    for (size_t i = 0; i < before.size(); i++)
        if (!keptBefore[i]) boxes.push_back(before[i].box);
    for (size_t i = 0; i < now.size(); i++)
        if (!keptNow[i]) {
            boxes.push_back(now[i].box);
            (*changed)++;
        }
    return RenderRec_JoinBoxes(boxes);
}

}  // namespace

/* ---- Frame ---------------------------------------------------------------------------------- */

void RenderRec_FrameBegin(void)
{
    if (!RenderRec_On()) return;
    RenderRec_SyncShadow();
    GLint target = 0;
    glGetIntegerv(GL_FRAMEBUFFER_BINDING, &target);
    if (target != mRec.target) {
        mRec.invalid = true;  // another picture to keep
        mRec.targetKept = false;
    }
    mRec.target = target;
    mRec.cur.clear();
    mRec.frameTex.clear();
    mRec.frameBuf.clear();
    mRec.direct = false;
    mRec.recording = RenderRec_EnsureFbo();
}

void RenderRec_FrameEnd(void)
{
    if (!mRec.recording) return;
    mRec.recording = false;
    if (mRec.direct) {
        // Unpresented draws went into the retained picture: it no longer holds the presented one.
        glBindFramebuffer(GL_FRAMEBUFFER, (GLuint)mRec.target);
        mRec.invalid = true;
    } else if (!mRec.cur.empty()) {
        RenderRec_Replay(mRec.cur);
        mRec.targetKept = false;  // the target now differs from the retained picture
    }
    mRec.direct = false;
    mRec.cur.clear();
}

void RenderRec_Present(void)
{
    if (!mRec.recording) return;
    RenderRecView& v = mRec.view;
    v.enabled = 1;
    v.draws = (Int32)mRec.cur.size();
    Int32 changed = 0;
    std::vector<RecBox> rects = RenderRec_Damage(mRec.prev, mRec.cur, &changed);
    v.full = mRec.invalid || mRec.direct;
    if (v.full) rects.assign(1, kScreenBox);
    v.changed = changed;
    RecBox bounds = kNoBox;
    for (const RecBox& r : rects) bounds = RecUnion(bounds, r);
    v.damage = RenderRec_ScreenRect(bounds);
    v.rectNum = (Int32)rects.size();
    for (size_t i = 0; i < rects.size(); i++) v.rects[i] = RenderRec_ScreenRect(rects[i]);
    v.toWindow = mRec.target == 0;
    v.presents++;
    glBindFramebuffer(GL_FRAMEBUFFER, mRec.fbo);
    if (!mRec.direct && !rects.empty()) {
        RenderProfSection prof("(replay)");
        glEnable(GL_SCISSOR_TEST);
        for (const RecBox& r : rects) {
            glScissor(r.x0, r.y0, r.x1 - r.x0, r.y1 - r.y0);
            RenderRec_Replay(mRec.cur, v.full ? nullptr : &r);
        }
        glDisable(GL_SCISSOR_TEST);
    }
    {
        // A target that still holds the previous picture takes the redrawn rectangles; any other
        // (after a buffer swap its content is not ours to keep) takes the whole picture.
        RenderProfSection prof("(copy)");
        glBindFramebuffer(GL_READ_FRAMEBUFFER, mRec.fbo);
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, (GLuint)mRec.target);
        v.copiedAll = !mRec.targetKept || v.full;
        if (v.copiedAll) rects.assign(1, kScreenBox);
        for (const RecBox& r : rects)
            glBlitFramebuffer(r.x0, r.y0, r.x1, r.y1, r.x0, r.y0, r.x1, r.y1, GL_COLOR_BUFFER_BIT, GL_NEAREST);
        glBindFramebuffer(GL_FRAMEBUFFER, (GLuint)mRec.target);
    }

    mRec.prev.swap(mRec.cur);
    mRec.cur.clear();
    mRec.frameTex.clear();
    mRec.frameBuf.clear();
    mRec.invalid = false;
    mRec.direct = false;
    mRec.targetKept = false;  // until the presenter says otherwise
}

void RenderRec_TargetKept(Int08 kept) { mRec.targetKept = kept != 0; }

void RenderRec_Invalidate(void)
{
    mRec.invalid = true;
    mRec.targetKept = false;
}

void RenderRec_SetEnabled(Int08 on)
{
    mRec.enabled = on ? 1 : 0;
    mRec.invalid = true;
    mRec.targetKept = false;
    mRec.prev.clear();
}

Int08 RenderRec_Enabled(void) { return RenderRec_On(); }

const RenderRecView* RenderRec_View(void)
{
    mRec.view.enabled = RenderRec_On() && !mRec.fboFailed;
    return &mRec.view;
}

/* ---- The GL names of the render sources ------------------------------------------------------ */

void RenderRec_DrawArrays(GLenum mode, GLint first, GLsizei count)
{
    if (RenderRec_DrawOnly()) {
        glDrawArrays(mode, first, count);
        return;
    }
    if (count <= 0) return;
    RecCmd c;
    RenderRec_Capture(c, REC_DRAW_ARRAYS);
    c.st.mode = mode;
    c.st.first = first;
    c.st.count = count;
    RenderRec_CaptureInputs(c, (UInt32)(first + count));
    if (RenderRec_Take(std::move(c))) glDrawArrays(mode, first, count);
}

void RenderRec_DrawElements(GLenum mode, GLsizei count, GLenum type, const void* indices)
{
    if (RenderRec_DrawOnly()) {
        glDrawElements(mode, count, type, indices);
        return;
    }
    if (count <= 0) return;
    RecCmd c;
    RenderRec_Capture(c, REC_DRAW_ELEMENTS);
    c.st.mode = mode;
    c.st.count = count;
    c.st.idxType = type;
    c.st.elemBuf = mRec.sh.elemBuf;
    auto eb = mRec.buffers.find(c.st.elemBuf);
    c.st.elemVersion = eb == mRec.buffers.end() ? 0 : eb->second.version;
    // The highest index tells how much of the client arrays to copy; client indices are read from
    // a first copy, and land behind the uniforms and arrays.
    std::vector<UInt08> idx;
    if (c.st.elemBuf == 0) {
        RenderRec_PutData(c, indices, (size_t)count * RenderRec_TypeSize(type));
    } else {
        c.st.idxOffset = (uint64_t)(uintptr_t)indices;
    }
    UInt32 end = 0;
    RenderRec_EachVertex(c, [&](UInt32 n) { end = std::max(end, n + 1); });
    idx.swap(c.data);
    RenderRec_CaptureInputs(c, end);
    if (c.st.elemBuf == 0) {
        c.st.idxOffset = c.data.size();
        c.data.insert(c.data.end(), idx.begin(), idx.end());
    }
    if (RenderRec_Take(std::move(c))) glDrawElements(mode, count, type, indices);
}

void RenderRec_Clear(GLbitfield mask)
{
    if (RenderRec_DrawOnly()) {
        glClear(mask);
        return;
    }
    RecCmd c;
    RenderRec_Capture(c, REC_CLEAR);
    c.st.clearMask = mask;
    if (RenderRec_Take(std::move(c))) glClear(mask);
}

void RenderRec_UseProgram(GLuint program)
{
    if (program != mRec.sh.program) RenderProf_ProgramSwitch();
    mRec.sh.program = program;
    glUseProgram(program);
}

void RenderRec_Uniform1f(GLint loc, GLfloat v)
{
    RenderRec_SetUniform(loc, REC_U1F, 1, &v);
    glUniform1f(loc, v);
}

void RenderRec_Uniform1i(GLint loc, GLint v)
{
    RenderRec_SetUniform(loc, REC_U1I, 1, &v);
    glUniform1i(loc, v);
}

void RenderRec_Uniform3fv(GLint loc, GLsizei count, const GLfloat* v)
{
    RenderRec_SetUniform(loc, REC_U3FV, count, v);
    glUniform3fv(loc, count, v);
}

void RenderRec_Uniform4fv(GLint loc, GLsizei count, const GLfloat* v)
{
    RenderRec_SetUniform(loc, REC_U4FV, count, v);
    glUniform4fv(loc, count, v);
}

void RenderRec_UniformMatrix4fv(GLint loc, GLsizei count, GLboolean transpose, const GLfloat* v)
{
    // Transposed matrices are not used by the render sources; they are kept as given.
    RenderRec_SetUniform(loc, REC_UM4FV, count, v);
    glUniformMatrix4fv(loc, count, transpose, v);
}

void RenderRec_EnableVertexAttribArray(GLuint index)
{
    if (index < (GLuint)kAttribs) mRec.sh.attribs[index].enabled = true;
    glEnableVertexAttribArray(index);
}

void RenderRec_DisableVertexAttribArray(GLuint index)
{
    if (index < (GLuint)kAttribs) mRec.sh.attribs[index].enabled = false;
    glDisableVertexAttribArray(index);
}

void RenderRec_VertexAttribPointer(GLuint index, GLint size, GLenum type, GLboolean norm, GLsizei stride,
                                   const void* ptr)
{
    if (index < (GLuint)kAttribs) {
        RecAttrib& a = mRec.sh.attribs[index];
        a.size = size;
        a.type = type;
        a.norm = norm;
        a.stride = stride;
        a.buffer = mRec.sh.arrayBuf;
        a.ptr = ptr;
    }
    glVertexAttribPointer(index, size, type, norm, stride, ptr);
}

namespace {
bool* RenderRec_Cap(GLenum cap)
{
    switch (cap) {
    case GL_BLEND: return &mRec.sh.blend;
    case GL_DEPTH_TEST: return &mRec.sh.depthTest;
    case GL_CULL_FACE: return &mRec.sh.cull;
    case GL_TEXTURE_2D: return &mRec.sh.tex2d;
    default: return nullptr;
    }
}
}  // namespace

void RenderRec_Enable(GLenum cap)
{
    if (bool* b = RenderRec_Cap(cap)) *b = true;
    glEnable(cap);
}

void RenderRec_Disable(GLenum cap)
{
    if (bool* b = RenderRec_Cap(cap)) *b = false;
    glDisable(cap);
}

void RenderRec_BlendFunc(GLenum src, GLenum dst)
{
    mRec.sh.blendSrc = src;
    mRec.sh.blendDst = dst;
    glBlendFunc(src, dst);
}

void RenderRec_DepthFunc(GLenum func)
{
    mRec.sh.depthFunc = func;
    glDepthFunc(func);
}

void RenderRec_ClearColor(GLfloat r, GLfloat g, GLfloat b, GLfloat a)
{
    const GLfloat c[4] = {r, g, b, a};
    memcpy(mRec.sh.clearColor, c, sizeof c);
    glClearColor(r, g, b, a);
}

void RenderRec_ClearDepth(GLdouble depth)
{
    mRec.sh.clearDepth = (GLfloat)depth;
    glClearDepth(depth);
}

void RenderRec_LineWidth(GLfloat width)
{
    mRec.sh.lineWidth = width;
    glLineWidth(width);
}

void RenderRec_Viewport(GLint x, GLint y, GLsizei w, GLsizei h)
{
    const GLint v[4] = {x, y, w, h};
    memcpy(mRec.sh.viewport, v, sizeof v);
    glViewport(x, y, w, h);
}

void RenderRec_ActiveTexture(GLenum unit)
{
    mRec.sh.activeUnit = (GLint)(unit - GL_TEXTURE0);
    glActiveTexture(unit);
}

void RenderRec_BindTexture(GLenum target, GLuint tex)
{
    if (target == GL_TEXTURE_2D && mRec.sh.activeUnit >= 0 && mRec.sh.activeUnit < kUnits)
        mRec.sh.tex[mRec.sh.activeUnit] = tex;
    glBindTexture(target, tex);
}

void RenderRec_BindBuffer(GLenum target, GLuint buf)
{
    if (target == GL_ARRAY_BUFFER) mRec.sh.arrayBuf = buf;
    if (target == GL_ELEMENT_ARRAY_BUFFER) mRec.sh.elemBuf = buf;
    glBindBuffer(target, buf);
}

namespace {
// The texture bound on the active unit changes: a draw of this frame that uses it must see its
// old content, so the frame turns to drawing at once first.
void RenderRec_TextureChanges(GLuint tex)
{
    if (tex == 0) return;
    if (mRec.recording && !mRec.direct && mRec.frameTex.count(tex)) RenderRec_GoDirect();
    mRec.texVersion[tex] = RenderRec_NewVersion();
}

GLuint RenderRec_BoundTexture(void)
{
    const GLint u = mRec.sh.activeUnit;
    if (u >= 0 && u < kUnits) return mRec.sh.tex[u];
    GLint v = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &v);
    return (GLuint)v;
}

void RenderRec_BufferChanges(GLuint buf)
{
    if (buf == 0) return;
    if (mRec.recording && !mRec.direct && mRec.frameBuf.count(buf)) RenderRec_GoDirect();
}
}  // namespace

void RenderRec_TexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei w, GLsizei h, GLint border,
                          GLenum format, GLenum type, const void* px)
{
    RenderRec_TextureChanges(RenderRec_BoundTexture());
    glTexImage2D(target, level, internalFormat, w, h, border, format, type, px);
}

void RenderRec_TexSubImage2D(GLenum target, GLint level, GLint x, GLint y, GLsizei w, GLsizei h, GLenum format,
                             GLenum type, const void* px)
{
    RenderRec_TextureChanges(RenderRec_BoundTexture());
    glTexSubImage2D(target, level, x, y, w, h, format, type, px);
}

void RenderRec_TexParameteri(GLenum target, GLenum name, GLint value)
{
    RenderRec_TextureChanges(RenderRec_BoundTexture());
    glTexParameteri(target, name, value);
}

void RenderRec_TexParameterfv(GLenum target, GLenum name, const GLfloat* values)
{
    RenderRec_TextureChanges(RenderRec_BoundTexture());
    glTexParameterfv(target, name, values);
}

void RenderRec_GenerateMipmap(GLenum target)
{
    RenderRec_TextureChanges(RenderRec_BoundTexture());
    glGenerateMipmap(target);
}

void RenderRec_DeleteTextures(GLsizei n, const GLuint* textures)
{
    for (GLsizei i = 0; i < n; i++) {
        RenderRec_TextureChanges(textures[i]);
        for (Int32 u = 0; u < kUnits; u++)
            if (mRec.sh.tex[u] == textures[i]) mRec.sh.tex[u] = 0;  // GL unbinds a deleted texture
    }
    glDeleteTextures(n, textures);
}

void RenderRec_BufferData(GLenum target, GLsizeiptr size, const void* data, GLenum usage)
{
    const GLuint buf = target == GL_ARRAY_BUFFER ? mRec.sh.arrayBuf
                       : target == GL_ELEMENT_ARRAY_BUFFER ? mRec.sh.elemBuf : 0;
    if (buf != 0) {
        RenderRec_BufferChanges(buf);
        RecBufferCopy& copy = mRec.buffers[buf];
        copy.version = RenderRec_NewVersion();
        copy.bounds.clear();
        copy.bytes.assign((const UInt08*)data, data ? (const UInt08*)data + size : (const UInt08*)data);
        if (data == nullptr) copy.bytes.assign((size_t)size, 0);
    }
    glBufferData(target, size, data, usage);
}

void RenderRec_DeleteBuffers(GLsizei n, const GLuint* buffers)
{
    for (GLsizei i = 0; i < n; i++) {
        RenderRec_BufferChanges(buffers[i]);
        mRec.buffers.erase(buffers[i]);
        if (mRec.sh.arrayBuf == buffers[i]) mRec.sh.arrayBuf = 0;
        if (mRec.sh.elemBuf == buffers[i]) mRec.sh.elemBuf = 0;
        for (RecAttrib& a : mRec.sh.attribs)
            if (a.buffer == buffers[i]) a.buffer = 0;
    }
    glDeleteBuffers(n, buffers);
}

void RenderRec_LinkProgram(GLuint program)
{
    mRec.locs.erase(program);
    mRec.uniforms.erase(program);  // a linked program starts with its uniforms at 0
    glLinkProgram(program);
}

void RenderRec_DeleteProgram(GLuint program)
{
    mRec.locs.erase(program);
    mRec.uniforms.erase(program);
    glDeleteProgram(program);
}

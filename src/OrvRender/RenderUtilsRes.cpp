// Picture and model loading: the file decoders, the lazy load and texture steps of the PNG and
// TGA tables, the picture pool and the car models.
#include "RenderUtils.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "Res_BmpPool.h"
#include "Res_Model.h"
#include "Res_Png.h"
#include "Res_Tga.h"
#include "lib/OrvPng.h"

// ---- File decoders --------------------------------------------------------------------------

// The bytes left in fp from the current position on.
static long RenderRes_Remaining(FILE* fp)
{
    long pos = ftell(fp);
    fseek(fp, 0, SEEK_END);
    long end = ftell(fp);
    fseek(fp, pos, SEEK_SET);
    return end - pos;
}

// Run-length packets: a count byte (bit 7 set: one pixel repeated, else raw pixels), then
// (count & 0x7F) + 1 pixels. Packets may run across rows. 0 when the file ends early.
static Int08 RenderRes_ReadTgaRle(FILE* fp, UInt08* dst, size_t pixels, int bpp)
{
    size_t done = 0;
    UInt08 px[4];
    while (done < pixels) {
        int head = fgetc(fp);
        if (head == EOF) return 0;
        size_t n = (size_t)(head & 0x7F) + 1;
        if (n > pixels - done) n = pixels - done;  // a packet past the picture's end is cut
        if (head & 0x80) {
            if (fread(px, 1, bpp, fp) != (size_t)bpp) return 0;
            for (size_t i = 0; i < n; i++) memcpy(dst + (done + i) * bpp, px, bpp);
        } else if (fread(dst + done * bpp, bpp, n, fp) != n) {
            return 0;
        }
        done += n;
    }
    return 1;
}

Int08 LoadTga(const char* fileName, Image* image)
{
    if (fileName == NULL || image == NULL) return 0;
    FILE* fp = fopen(fileName, "rb");
    if (fp == NULL) return 0;

    UInt08 hdr[18];
    if (fread(hdr, 1, sizeof(hdr), fp) != sizeof(hdr)) {
        fclose(fp);
        return 0;
    }
    UInt08 idLen = hdr[0], mapType = hdr[1], type = hdr[2], depth = hdr[16];
    UInt32 mapLen = hdr[5] | (UInt32)hdr[6] << 8, mapBits = hdr[7];
    image->w = hdr[12] | hdr[13] << 8;
    image->h = hdr[14] | hdr[15] << 8;

    int bpp;
    GLint fmt;
    if (depth == 24) {
        bpp = 3;
        fmt = GL_RGB;
    } else if (depth == 32) {
        bpp = 4;
        fmt = GL_RGBA;
    } else {
        fclose(fp);
        return 0;
    }
    // Only true-colour pictures, plain (2) or run-length coded (10), and never an empty one.
    if ((type != 2 && type != 10) || image->w == 0 || image->h == 0) {
        fclose(fp);
        return 0;
    }
    // The image-ID field, then a colour map if the file carries one anyway.
    long skip = idLen + (mapType != 0 ? (long)mapLen * ((mapBits + 7) / 8) : 0);
    fseek(fp, skip, SEEK_CUR);

    size_t pixels = (size_t)image->w * image->h;
    // A file too short for the pixels its header announces is refused before anything is
    // allocated, so a corrupt size cannot ask for gigabytes: plain pixels take bpp bytes each, a
    // run-length packet (one count byte and at least one pixel) covers at most 128.
    unsigned long long need = type == 2 ? (unsigned long long)pixels * bpp
                                        : (unsigned long long)(pixels + 127) / 128 * (1 + bpp);
    long remaining = RenderRes_Remaining(fp);
    if (remaining < 0 || (unsigned long long)remaining < need) {
        fclose(fp);
        return 0;
    }
    UInt08* dat = (UInt08*)malloc(pixels * bpp);
    Int08 ok = dat != NULL;
    if (ok && type == 2) ok = fread(dat, bpp, pixels, fp) == pixels;
    if (ok && type == 10) ok = RenderRes_ReadTgaRle(fp, dat, pixels, bpp);
    fclose(fp);
    if (!ok) {
        free(dat);
        return 0;
    }
    // Stored blue, green, red (, alpha): swap to red, green, blue (, alpha).
    for (size_t i = 0; i < pixels; i++) {
        UInt08 t = dat[i * bpp];
        dat[i * bpp] = dat[i * bpp + 2];
        dat[i * bpp + 2] = t;
    }
    // Rows stay in file order: bottom row first for the default origin.
    image->dat = dat;
    image->fmt = fmt;
    return 1;
}

// Reads count elements of size bytes into a new array stored at *dst; 0 on a short read.
static Int08 RenderRes_ReadArray(FILE* fp, void** dst, size_t size, size_t count)
{
    *dst = malloc(size * count);
    if (*dst == NULL) return 0;
    return fread(*dst, size, count, fp) == count;
}

// Every index of the model must name one of its vertices; the buffers are drawn as they are.
static Int08 RenderRes_IndicesValid(const Model3DVbo* model)
{
    size_t n = (size_t)model->face_num * 3;
    for (size_t i = 0; i < n; i++) {
        UInt32 v;
        switch (model->idx_type) {
        case 1: v = ((const UInt08*)model->idx)[i]; break;
        case 2: v = ((const UInt16*)model->idx)[i]; break;
        default: v = ((const UInt32*)model->idx)[i]; break;
        }
        if (v >= model->idx_num) return 0;
    }
    return 1;
}

static Int08 RenderRes_ReadVbo(FILE* fp, Model3DVbo* model)
{
    if (fread(&model->hdr, 1, 1, fp) != 1 || (model->hdr & 0xFC) != 0) return 0;

    Flt32 bounds[6];
    if (fread(bounds, sizeof(Flt32), 6, fp) != 6) return 0;
    model->x_min = bounds[0];
    model->x_max = bounds[1];
    model->y_min = bounds[2];
    model->y_max = bounds[3];
    model->z_min = bounds[4];
    model->z_max = bounds[5];
    printf("min(x,y,z):(%f, %f, %f)\n", model->x_min, model->y_min, model->z_min);
    printf("max(x,y,z):(%f, %f, %f)\n", model->x_max, model->y_max, model->z_max);

    UInt08 idxType;
    UInt32 faceNum, idxNum;
    if (fread(&idxType, 1, 1, fp) != 1 || (idxType != 1 && idxType != 2 && idxType != 4)) return 0;
    if (fread(&faceNum, 4, 1, fp) != 1 || faceNum == 0) return 0;
    if (fread(&idxNum, 4, 1, fp) != 1 || idxNum == 0) return 0;
    model->idx_type = idxType;
    model->face_num = faceNum;
    model->idx_num = idxNum;

    // A file too short for the counts it announces is refused before anything is allocated, so a
    // corrupt count cannot ask for gigabytes.
    size_t floatsPerVertex = 3 + ((model->hdr & 2) ? 2 : 0) + ((model->hdr & 1) ? 3 : 0);
    unsigned long long need = (unsigned long long)idxNum * floatsPerVertex * 4 +
                              (unsigned long long)faceNum * 3 * idxType;
    if ((unsigned long long)RenderRes_Remaining(fp) < need) return 0;

    if (!RenderRes_ReadArray(fp, (void**)&model->vtxs, sizeof(Flt32), (size_t)idxNum * 3)) return 0;
    if ((model->hdr & 2) && !RenderRes_ReadArray(fp, (void**)&model->txcs, sizeof(Flt32), (size_t)idxNum * 2))
        return 0;
    if ((model->hdr & 1) && !RenderRes_ReadArray(fp, (void**)&model->nors, sizeof(Flt32), (size_t)idxNum * 3))
        return 0;
    if (!RenderRes_ReadArray(fp, &model->idx, idxType, (size_t)faceNum * 3)) return 0;
    return RenderRes_IndicesValid(model);
}

Int08 LoadVbo(Model3DVbo* model, const char* vbofile)
{
    if (model == NULL || vbofile == NULL) return 0;
    FILE* fp = fopen(vbofile, "rb");
    if (fp == NULL) return 0;
    Int08 ok = RenderRes_ReadVbo(fp, model);
    fclose(fp);
    return ok;
}

Int08 LoadPngFile(const char* fileName, Image* image)
{
    if (fileName == NULL || image == NULL) return 0;
    FILE* fp = fopen(fileName, "rb");
    if (fp == NULL) return 0;
    fseek(fp, 0, SEEK_END);
    long len = ftell(fp);
    fseek(fp, 0, SEEK_SET);
    UInt08* mem = len > 0 ? (UInt08*)malloc((size_t)len) : NULL;
    Int08 ok = mem != NULL && fread(mem, 1, (size_t)len, fp) == (size_t)len;
    fclose(fp);

    Int32 w = 0, h = 0;
    UInt32 fmt = 0;
    void* pixels = NULL;
    if (ok) ok = LoadPngFromMem(mem, (UInt32)len, &w, &h, &fmt, &pixels, 0);
    free(mem);
    if (!ok) {
        free(pixels);
        return 0;
    }
    image->w = w;
    image->h = h;
    image->fmt = (Int32)fmt;
    image->dat = (UInt08*)pixels;
    return 1;
}

// ---- Picture tables -------------------------------------------------------------------------

// One picture table: its records, states, files and default places, and how it is loaded.
struct RenderRes_PicTable {
    Image* img;
    UInt08* status;
    const char* const* path;
    const Vec2i* ltp;
    Int32 num;
    Int08 (*load)(const char*, Image*);
    const char* failFormat;
    bool clampS;  // PNG textures clamp horizontally; TGA textures keep the default wrap
    UInt08* opaque;  // per picture: 1 when it has no transparent pixel (known once its texture is made)
};

static UInt08 mRes_PngOpaque[PNG_NUM];
static UInt08 mRes_TgaOpaque[TGA_NUM];

static const RenderRes_PicTable mRes_Png = {pngImg, pngStatus, pngFilePath, pngLtp, PNG_NUM,
                                            LoadPngFile, "load png file fail[%s]\n", true, mRes_PngOpaque};
static const RenderRes_PicTable mRes_Tga = {tgaImg, tgaStatus, tgaFilePath, tgaLtp, TGA_NUM,
                                            LoadTga, "load tga file fail[%s]\n", false, mRes_TgaOpaque};

static void RenderRes_InitTable(const RenderRes_PicTable& t)
{
    for (Int32 id = 0; id < t.num; id++) {
        Image& im = t.img[id];
        im.ltx = t.ltp[id].x;
        im.lty = t.ltp[id].y;
        im.w = im.h = 0;
        im.dat = NULL;
        im.tex = 0xFFFFFFFF;
        t.status[id] = Png_Unload;
        t.opaque[id] = 0;
    }
}

// No transparent pixel: RGB, or every alpha byte 255.
static UInt08 RenderRes_Opaque(const Image& im)
{
    if (im.fmt == GL_RGB) return 1;
    if (im.fmt != GL_RGBA || im.dat == NULL) return 0;
    const size_t pixels = (size_t)im.w * (size_t)im.h;
    for (size_t i = 0; i < pixels; i++)
        if (im.dat[i * 4 + 3] != 255) return 0;
    return 1;
}

static void RenderRes_LoadData(const RenderRes_PicTable& t, Int32 id)
{
    if (id < 0 || id >= t.num || t.status[id] != Png_Unload) return;
    if (t.load(t.path[id], &t.img[id])) {
        t.status[id] = Png_Loaded;
    } else {
        printf(t.failFormat, t.path[id]);
        t.status[id] = Png_LoadFail;
    }
}

static void RenderRes_GenTexture(const RenderRes_PicTable& t, Int32 id, GLint interalformat, GLenum format)
{
    if (id < 0 || id >= t.num || t.status[id] != Png_Loaded) return;
    Image& im = t.img[id];
    GLuint tex = 0;
    glGenTextures(1, &tex);
    glBindTexture(GL_TEXTURE_2D, tex);
    glPixelStorei(GL_UNPACK_ALIGNMENT, interalformat == GL_RGBA ? 4 : 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    if (t.clampS) glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, interalformat, im.w, im.h, 0, format, GL_UNSIGNED_BYTE, im.dat);
    t.opaque[id] = RenderRes_Opaque(im);
    free(im.dat);
    im.dat = NULL;
    im.tex = tex;
    t.status[id] = Png_TexGen;
}

static void RenderRes_Destroy(const RenderRes_PicTable& t, Int32 begin, Int32 end)
{
    if (begin < 0) begin = 0;
    if (end > t.num - 1) end = t.num - 1;
    for (Int32 id = begin; id <= end; id++) {
        Image& im = t.img[id];
        free(im.dat);
        im.dat = NULL;
        if (im.tex != 0xFFFFFFFF) {
            glDeleteTextures(1, &im.tex);
            im.tex = 0xFFFFFFFF;
        }
        t.status[id] = Png_Unload;
        t.opaque[id] = 0;
    }
}

// The table that holds img, and its identifier there; false for any other record.
static bool RenderRes_Find(const Image* img, const RenderRes_PicTable** table, Int32* id)
{
    for (const RenderRes_PicTable* t : {&mRes_Png, &mRes_Tga}) {
        if (img >= t->img && img < t->img + t->num) {
            *table = t;
            *id = (Int32)(img - t->img);
            return true;
        }
    }
    return false;
}

Int08 IsOpaqueImage(const Image* img)
{
    const RenderRes_PicTable* t = NULL;
    Int32 id = 0;
    if (!RenderRes_Find(img, &t, &id)) return 0;
    return t->status[id] == Png_TexGen && t->opaque[id];
}

void Once_InitPngInfo(void)
{
    static Int08 done = 0;
    if (done) return;
    done = 1;
    RenderRes_InitTable(mRes_Png);
}

void Once_InitTgaInfo(void)
{
    static Int08 done = 0;
    if (done) return;
    done = 1;
    RenderRes_InitTable(mRes_Tga);
}

void Once_LoadPngData(Int32 id) { RenderRes_LoadData(mRes_Png, id); }
void Once_LoadTgaData(Int32 id) { RenderRes_LoadData(mRes_Tga, id); }

void Once_GenPngTexture(Int32 id, GLint interalformat, GLenum format)
{
    RenderRes_GenTexture(mRes_Png, id, interalformat, format);
}

void Once_GenTgaTexture(Int32 id, GLint interalformat, GLenum format)
{
    RenderRes_GenTexture(mRes_Tga, id, interalformat, format);
}

void DestroyPngResources(Int32 idRangeBegin, Int32 idRangeEnd) { RenderRes_Destroy(mRes_Png, idRangeBegin, idRangeEnd); }
void DestroyTgaResources(Int32 idRangeBegin, Int32 idRangeEnd) { RenderRes_Destroy(mRes_Tga, idRangeBegin, idRangeEnd); }

// ---- Picture pool ---------------------------------------------------------------------------

void Once_InitBmpPoolInfo(void)
{
    static Int08 done = 0;
    if (done) return;
    done = 1;
    for (Int32 i = 0; i < BMP_POOL_NUM; i++) {
        bmpPool[i] = NULL;
        texPool[i] = 0xFFFFFFFF;
    }
}

Int32 GrabAvailableBmpPoolIdx(void)
{
    for (Int32 i = 0; i < BMP_POOL_NUM; i++) {
        if (bmpPool[i] != NULL) continue;
        bmpPool[i] = BMP_POOL_RESERVED;
        texPool[i] = 0xFFFFFFFF;
        return i;
    }
    return -1;
}

void DropBmpPool(Int32 idx)
{
    if (idx < 0 || idx >= BMP_POOL_NUM) return;
    if (bmpPool[idx] != NULL && bmpPool[idx] != BMP_POOL_RESERVED) free(bmpPool[idx]);
    bmpPool[idx] = NULL;
    if (texPool[idx] != 0xFFFFFFFF) {
        glDeleteTextures(1, &texPool[idx]);
        texPool[idx] = 0xFFFFFFFF;
    }
}

void DestroyBmpPoolResouces(void)
{
    for (Int32 i = 0; i < BMP_POOL_NUM; i++) {
        // A freed buffer leaves its slot reserved: the screen that owns the slot still owns it,
        // and the slot never points at freed memory.
        if (bmpPool[i] != NULL && bmpPool[i] != BMP_POOL_RESERVED) {
            free(bmpPool[i]);
            bmpPool[i] = BMP_POOL_RESERVED;
        }
        if (texPool[i] != 0xFFFFFFFF) {
            glDeleteTextures(1, &texPool[i]);
            texPool[i] = 0xFFFFFFFF;
        }
    }
}

// ---- Models ---------------------------------------------------------------------------------

void Once_InitVboModelInfo(void)
{
    static Int08 done = 0;
    if (done) return;
    done = 1;
    for (Int32 id = 0; id < VBO_NUM; id++) {
        Model3DVbo& m = vboModel[id];
        memset(&m, 0, sizeof(m));
        m.idx_type = 1;
        for (UInt32& b : m.buf) b = 0xFFFFFFFF;
        vboStatus[id] = Vbo_Unload;
    }
}

void Once_LoadVboModelData(Int32 id)
{
    if (id < 0 || id >= VBO_NUM || vboStatus[id] != Vbo_Unload) return;
    printf("loading vbo file[%s]\n", vboFilePath[id]);
    if (LoadVbo(&vboModel[id], vboFilePath[id])) {
        vboStatus[id] = Vbo_Loaded;
    } else {
        printf("load vbo file fail[%s]\n", vboFilePath[id]);
        vboStatus[id] = Vbo_LoadFail;
    }
}

void Once_GenVboBuffer(Int32 id)
{
    // Only a completely read model gets buffers, and only once: a failed read may have left
    // some arrays behind, and a second call would leak the first buffers.
    if (id < 0 || id >= VBO_NUM || vboStatus[id] != Vbo_Loaded) return;
    Model3DVbo& m = vboModel[id];
    if (m.vtxs == NULL || (m.txcs == NULL && m.nors == NULL)) return;
    vboStatus[id] = Vbo_BufGen;
    glGenBuffers(4, m.buf);
    glBindBuffer(GL_ARRAY_BUFFER, m.buf[VBO_BUF_VTX]);
    glBufferData(GL_ARRAY_BUFFER, (GLsizeiptr)m.idx_num * 12, m.vtxs, GL_STATIC_DRAW);
    if ((m.hdr & 2) && m.txcs != NULL) {
        glBindBuffer(GL_ARRAY_BUFFER, m.buf[VBO_BUF_TXC]);
        glBufferData(GL_ARRAY_BUFFER, (GLsizeiptr)m.idx_num * 8, m.txcs, GL_STATIC_DRAW);
    }
    if ((m.hdr & 1) && m.nors != NULL) {
        glBindBuffer(GL_ARRAY_BUFFER, m.buf[VBO_BUF_NOR]);
        glBufferData(GL_ARRAY_BUFFER, (GLsizeiptr)m.idx_num * 12, m.nors, GL_STATIC_DRAW);
    }
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, m.buf[VBO_BUF_IDX]);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, (GLsizeiptr)m.face_num * 3 * m.idx_type, m.idx, GL_STATIC_DRAW);
}

void DestroyVboResources(void)
{
    for (Int32 id = 0; id < VBO_NUM; id++) {
        Model3DVbo& m = vboModel[id];
        free(m.vtxs);
        free(m.txcs);
        free(m.nors);
        free(m.idx);
        m.vtxs = m.txcs = m.nors = NULL;
        m.idx = NULL;
        for (UInt32& b : m.buf) {
            if (b == 0xFFFFFFFF) continue;
            glDeleteBuffers(1, &b);
            b = 0xFFFFFFFF;
        }
        vboStatus[id] = Vbo_Unload;
    }
}

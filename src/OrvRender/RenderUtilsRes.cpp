// Picture and model loading: the file decoders, the lazy load and texture steps of the PNG and
// TGA tables, the picture pool and the car models.
#include "RenderUtils.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

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

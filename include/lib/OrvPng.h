/* PNG pictures decoded from memory (libpng), for the picture loader and for the head unit's
 * cover pictures.
 *
 * Buffer contract (shared with LoadJpegFromMem): if *bmp is NULL the decoder allocates the pixel
 * buffer with malloc and stores it in *bmp (the caller frees it); if *bmp is set and bmpSize is
 * not 0 it decodes into that buffer and fails when bmpSize is smaller than width x height x bytes
 * per pixel; if *bmp is set and bmpSize is 0 it fails. Pixels are tightly packed, bottom row
 * first. On failure nothing stays allocated and a buffer the decoder allocated is not handed out. */
#ifndef ORV_PNG_H
#define ORV_PNG_H

#include "BaseTypes.h"
#include "lib/OrvPixFmt.h"

/* Decodes an 8-bit RGB (GL_RGB) or RGBA (GL_RGBA) PNG; palette pictures are expanded to one of
 * the two, grey pictures are refused. Returns 1 and writes width, height and format on success,
 * 0 on any failure. */
Int08 LoadPngFromMem(void* mem, UInt32 memSz, Int32* width, Int32* height, UInt32* format, void** bmp,
                     UInt32 bmpSize);

#endif

/* JPEG pictures decoded from memory (libjpeg), for the head unit's cover pictures. The buffer
 * contract is the one of LoadPngFromMem (lib/OrvPng.h): NULL *bmp is allocated for the caller,
 * a given buffer must hold width x height x 3 bytes. Pixels are RGB, bottom row first. */
#ifndef ORV_JPEG_H
#define ORV_JPEG_H

#include "BaseTypes.h"
#include "lib/OrvPixFmt.h"

/* Decodes a three-component (colour) JPEG into GL_RGB pixels; grey and CMYK pictures are refused.
 * Returns 1 and writes width, height and format on success, 0 on any failure. */
Int08 LoadJpegFromMem(void* mem, UInt32 memSz, Int32* width, Int32* height, UInt32* format, void** bmp,
                      UInt32 bmpSize);

#endif

/* Base types shared by every module of the cluster: fixed-width scalars, bit-field bytes,
 * screen geometry, the callback type, and the picture and model records of the renderer. */
#ifndef BASE_TYPES_H
#define BASE_TYPES_H

#include <stdint.h>
#include <stddef.h>

typedef uint8_t  UInt08;
typedef uint8_t  U08;
typedef int8_t   Int08;
typedef uint16_t UInt16;
typedef uint16_t U16;
typedef int16_t  Int16;
typedef uint32_t UInt32;
typedef int32_t  Int32;
typedef float    Flt32;

typedef struct Struct_Vec2f { Flt32 x, y; } Vec2f;
typedef struct Struct_Vec2i { Int32 x, y; } Vec2i;
typedef struct Struct_Vec3f { Flt32 x, y, z; } Vec3f;
/* A rectangle in screen pixels: left, top, width, height (origin top left, y downward). */
typedef struct Struct_Recti { Int32 x, y, w, h; } Recti;

/* Every registered callback: render and quit functions, loader work and responses. */
typedef void* (*CommonFun)(void* argv);

/* One byte seen whole (value) or through bit-range views. A field bXY covers bits X..Y counted from
 * the least significant bit, so b23 is (value >> 2) & 3 and b57 is value >> 5. */
typedef union Union_Un08 {
    U08 value;
    struct { U08 b0 : 1, b1 : 1, b2 : 1, b3 : 1, b4 : 1, b5 : 1, b6 : 1, b7 : 1; } sbit;
    struct { U08 b01 : 2, b23 : 2, b45 : 2, b67 : 2; } sbit02;
    struct { U08 b0 : 1, b12 : 2, b34 : 2, b56 : 2, b7 : 1; } sbit12;
    struct { U08 b02 : 3, b35 : 3, b67 : 2; } sbit03;
    struct { U08 b0 : 1, b13 : 3, b46 : 3, b7 : 1; } sbit13;
    struct { U08 b01 : 2, b24 : 3, b57 : 3; } sbit23;
    struct { U08 b03 : 4, b47 : 4; } sbit04;
    struct { U08 b0 : 1, b14 : 4, b57 : 3; } sbit14;
    struct { U08 b01 : 2, b25 : 4, b67 : 2; } sbit24;
    struct { U08 b02 : 3, b36 : 4, b7 : 1; } sbit34;
    struct { U08 b04 : 5, b57 : 3; } sbit05;
    struct { U08 b0 : 1, b15 : 5, b67 : 2; } sbit15;
    struct { U08 b01 : 2, b26 : 5, b7 : 1; } sbit25;
    struct { U08 b02 : 3, b37 : 5; } sbit35;
    struct { U08 b05 : 6, b67 : 2; } sbit06;
    struct { U08 b0 : 1, b16 : 6, b7 : 1; } sbit16;
    struct { U08 b01 : 2, b27 : 6; } sbit26;
    struct { U08 b06 : 7, b7 : 1; } sbit07;
    struct { U08 b0 : 1, b17 : 7; } sbit17;
} Un08;

/* Two bytes: bh is the byte at the lower address, bl the byte at the higher one. */
typedef union Union_Un16 {
    U16 value;
    struct { U08 bh; U08 bl; } sbyte;
    struct { Un08 bh; Un08 bl; } sbit;
} Un16;

/* A picture with its default place on screen. dat holds decoded pixels (bottom row first, RGB or
 * RGBA, tightly packed) only between decoding and texture creation; tex is 0xFFFFFFFF while no
 * texture exists; fmt is GL_RGB (0x1907) or GL_RGBA (0x1908). */
typedef struct Struct_Image {
    Int32   ltx;
    Int32   lty;
    Int32   w;
    Int32   h;
    UInt08* dat;
    UInt32  tex;
    Int32   fmt;
} Image;

/* Buffer slots of a model. */
enum { VBO_BUF_VTX = 0, VBO_BUF_TXC = 1, VBO_BUF_NOR = 2, VBO_BUF_IDX = 3 };

/* A triangle model read from a .vbo file, with its vertex buffers once they are made. */
typedef struct Struct_Model3DVbo {
    UInt08 hdr;        /* bit 0: normals present, bit 1: texture coordinates present */
    UInt08 idx_type;   /* bytes per index: 1, 2 or 4 */
    UInt32 idx_num;    /* number of vertices */
    UInt32 face_num;   /* number of triangles */
    UInt32 buf[4];     /* buffer objects by VBO_BUF_*, 0xFFFFFFFF when none */
    Flt32  x_min, x_max, y_min, y_max, z_min, z_max;
    Flt32* vtxs;       /* idx_num x 3 positions */
    Flt32* txcs;       /* idx_num x 2 texture coordinates, or NULL */
    Flt32* nors;       /* idx_num x 3 normals, or NULL */
    void*  idx;        /* face_num x 3 indices of idx_type bytes */
} Model3DVbo;

#endif

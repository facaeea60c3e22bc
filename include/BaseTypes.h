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

/* Head-unit frames. Every frame starts with a 16-byte frame header; a frame whose data_size is 16
 * or more carries a 16-byte BP header, then json_size bytes of JSON text (no terminating zero),
 * then a binary part (the rest). Multi-byte fields are big-endian on the wire; the records hold
 * them as they travel, the protocol converts. */
typedef struct Struct_FrameHeader {
    UInt08 version;       /* protocol version, 1 */
    UInt08 compress : 4;  /* FRM_COMPRESS_* */
    UInt08 encrypt : 4;   /* FRM_ENCRYPT_* */
    UInt08 frm_type;      /* FRM_TYPE_* */
    UInt08 srv_type;      /* FRM_SRV_* */
    UInt08 frm_info;      /* FRM_INF_* */
    UInt08 session_id;
    UInt08 frm_id;        /* number within a multi-frame sequence */
    UInt08 reserve8;
    UInt32 data_size;     /* bytes after this header */
    UInt08 reserve13;
    UInt08 reserve14;
    UInt08 reserve15;
    UInt08 reserve16;
} FrameHeader;

typedef union Union_FrameHeader {
    FrameHeader hdr;
    Int08       buff[16];
    UInt08      unbuf[16];
} UnFrameHeader;

typedef struct Struct_BpBinHeader {
    UInt08 rpc_type;      /* RPC_TYPE_* */
    UInt08 reserve1;
    UInt08 reserve2;
    UInt08 reserve3;
    UInt32 rpc_name;      /* RPC_* */
    UInt32 rpc_msg_no;    /* a reply carries the number of the frame it answers */
    UInt32 json_size;
} BpBinHeader;

typedef union Union_BpBinHeader {
    BpBinHeader hdr;
    Int08       buff[16];
    UInt08      unbuf[16];
} UnBpBinHeader;

#ifdef __cplusplus
static_assert(sizeof(FrameHeader) == 16 && sizeof(BpBinHeader) == 16, "head-unit headers are 16 bytes");
#endif

/* Head-unit frame constants. */
enum {
    FRM_COMPRESS_NONE = 0, FRM_COMPRESS_1 = 1,
    FRM_ENCRYPT_NONE = 0, FRM_ENCRYPT_1 = 1,

    FRM_TYPE_CTRL = 0, FRM_TYPE_SINGLE = 1, FRM_TYPE_FIRST = 2, FRM_TYPE_NEXT = 3,

    FRM_INF_HEART_BEAT = 0, FRM_INF_HEART_BEAT_ACK = 1, FRM_INF_START = 2, FRM_INF_START_ACK = 3,
    FRM_INF_START_NACK = 4, FRM_INF_END = 5, FRM_INF_END_ACK = 6, FRM_INF_END_NACK = 7,
    FRM_INF_DATA = 8, FRM_INF_DATA_ACK = 9,

    /* services of the cluster */
    FRM_SRV_ICM_BLUETOOTH = 0, FRM_SRV_ICM_ACCOUNT = 1, FRM_SRV_ICM_CTRL = 2,
    /* services of the head unit */
    FRM_SRV_CDU_NAVIGATION = 64, FRM_SRV_CDU_MUSIC = 65, FRM_SRV_CDU_RADIO = 66,
    FRM_SRV_CDU_BLUETOOTH = 67, FRM_SRV_CDU_WEATHER = 68, FRM_SRV_CDU_ACCOUNT = 69,
    FRM_SRV_CDU_AID = 70, FRM_SRV_CDU_NOTIFICATION = 71, FRM_SRV_CDU_NETRADIO = 72,
    FRM_SRV_CDU_UPGRADE = 240,

    RPC_TYPE_REQ = 0, RPC_TYPE_RSP = 1, RPC_TYPE_NTF = 2,

    /* call names of the head unit's services */
    RPC_CDU_NAVIGATION = 1, RPC_CDU_MUSIC = 2, RPC_CDU_RADIO = 3, RPC_CDU_BLUETOOTH = 4,
    RPC_CDU_WEATHER = 5, RPC_CDU_ACCOUNT = 6, RPC_CDU_UPGRADE = 7, RPC_CDU_NOTIFICATION = 8,
    RPC_CDU_NETRADIO = 9,
    /* call names of the link itself */
    RPC_CDU_SERVICE = 0xFF000001u, RPC_CDU_HEART_BEAT = 0xFF000002u,
    /* call names of the cluster */
    RPC_ICM_BLUETOOTH = 0xF001, RPC_ICM_ACCOUNT = 0xF002, RPC_ICM_CTRL = 0xF003,

    FRM_SEQ_END = 0, FRM_SEQ_SINGLE = 1, FRM_SEQ_CTRL = 1,
};

#endif

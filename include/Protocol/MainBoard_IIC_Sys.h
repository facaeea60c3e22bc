/* The main-board frame buffers and the codec's per-frame decoders: srcDataBuf holds the last
 * accepted data bytes of every source frame, dstDataBuf the data bytes of every answer frame.
 * Both are written on the main-board worker only. */
#ifndef MAIN_BOARD_IIC_SYS_H
#define MAIN_BOARD_IIC_SYS_H

#include "BaseTypes.h"
#include "OrvCfg.h"

extern Un08 srcDataBuf[ID_FRAME_R_NUM][FRAME_DATA_SIZE];
extern Un08 dstDataBuf[ID_FRAME_W_NUM][FRAME_DATA_SIZE];

/* One decoder per source frame with signals (frame 0x01 is decoded inline by MB_IIC_DecodeData);
 * each reads its frame's stored bytes and writes the signals of that frame. */
void Decode_0x00(void);
void Decode_0x02(void);
void Decode_0x03(void);
void Decode_0x04(void);
void Decode_0x05(void);
void Decode_0x06(void);
void Decode_0x07(void);
void Decode_0x08(void);
void Decode_0x09(void);
void Decode_0x0A(void);
void Decode_0x0B(void);
void Decode_0x0C(void);
void Decode_0x0D(void);

/* Fills answer frame 0x00 from the display state and three head-unit states. */
void Encode_0x00(void);

#endif

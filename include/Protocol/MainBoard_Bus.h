/* The main-board bus transport: source frames arrive as UDP datagrams on the loopback, are checked
 * and stored by the frame codec and decoded into the vehicle signals; each accepted frame is
 * answered with the answer frame 0x00. The main-board worker owns the socket and calls
 * MB_BUS_Poll on each pass of its loop, so storing and decoding happen on the thread that owns the
 * signals. No window here: the worker decides what the frame-entry window shows.
 *
 * Wire format, one frame per datagram, both directions, exactly MB_BUS_DGRAM_LEN (10) bytes:
 *   byte 0      frame number (source frames 0x00..0x0E; the answer is frame 0x00)
 *   bytes 1..8  the eight data bytes
 *   byte 9      checksum = (frame number + data bytes 0..7) mod 256
 * The answer frame carries its checksum formed the same way as a source frame's.
 *
 * Address: "[::1]:8091" unless the environment variable CLUSTER_MB_ADDR names another one
 * ("[::1]:9000", "127.0.0.1:9000", "::1", "localhost:9000" or a bare port "9000"). Only loopback
 * addresses are accepted: the bus injects vehicle state and must not be reachable from a network. */
#ifndef MAINBOARD_BUS_H
#define MAINBOARD_BUS_H

#include <sys/socket.h>

#include "BaseTypes.h"

#define MB_BUS_ENV_ADDR      "CLUSTER_MB_ADDR"
#define MB_BUS_DEFAULT_ADDR  "[::1]:8091"
#define MB_BUS_DEFAULT_PORT  8091

enum {
    MB_BUS_DGRAM_LEN    = 10,  /* frame number + 8 data bytes + checksum */
    MB_BUS_MAX_PER_POLL = 64,  /* datagrams one poll takes at most, so a flood cannot starve the window */
};

/* What the transport has seen since it was opened. Rejected datagrams changed nothing. */
typedef struct Struct_MbBusStats {
    UInt32 Accepted;      /* stored and decoded */
    UInt32 RejLength;     /* datagram not exactly 10 bytes */
    UInt32 RejFrame;      /* frame number above 0x0E */
    UInt32 RejChecksum;   /* checksum byte does not match */
    UInt32 Answered;      /* answer frames sent */
    UInt32 AnswerFailed;  /* answer frames the socket would not take */
    UInt32 Dropped;       /* datagrams the kernel dropped because the receive queue was full */
} MbBusStats;

/* Parses an address text (forms above) into a socket address; a missing port is
 * MB_BUS_DEFAULT_PORT, port 0 asks for any free port. Returns 0, or -1 (and prints why) for a
 * malformed text or a non-loopback address. */
Int32 MB_BUS_ParseAddr(const char* text, struct sockaddr_storage* addr, socklen_t* addrLen);

/* The address the transport uses: CLUSTER_MB_ADDR when set and not empty, else MB_BUS_DEFAULT_ADDR. */
const char* MB_BUS_ConfiguredAddr(void);

/* The checksum of a frame: (frame number + the eight data bytes) mod 256. */
UInt08 MB_BUS_Checksum(UInt08 frameId, const UInt08* data8);

/* Writes the datagram of a frame: number, eight data bytes, checksum. */
void MB_BUS_PackFrame(UInt08 frameId, const UInt08* data8, UInt08 out[MB_BUS_DGRAM_LEN]);

/* Opens the non-blocking socket at addr (NULL: MB_BUS_ConfiguredAddr()) and clears the counters.
 * Returns 0, or -1 after printing why (bad address, port in use). Opening again closes the old
 * socket first. */
Int32 MB_BUS_Open(const char* addr);

/* Closes the socket (nothing when it is not open). */
void MB_BUS_Close(void);

/* 1 while the socket is open. Any thread. */
Int08 MB_BUS_IsOpen(void);

/* The local port the socket is bound to (0 when not open). */
UInt16 MB_BUS_GetPort(void);

/* The socket's descriptor, so that a loop can wake when a datagram waits; -1 when not open. */
int MB_BUS_GetFd(void);

/* Takes the waiting datagrams, at most MB_BUS_MAX_PER_POLL, without waiting. Each valid frame is
 * stored (MB_IIC_VerifyAndStore), decoded (MB_IIC_DecodeData) and answered with the answer frame
 * 0x00 (MB_IIC_EncodeData(0)) sent to its sender; invalid ones are counted. Returns the frames
 * accepted in this pass as a bit mask (bit n: frame n), so the caller can show their new bytes.
 * Call only on the thread that owns the signals. Returns 0 when the socket is not open. */
UInt32 MB_BUS_Poll(void);

/* Copies the counters. Safe from any thread. */
void MB_BUS_GetStats(MbBusStats* stats);

#endif

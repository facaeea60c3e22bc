/* The head-unit link task: a TCP server that serves one head unit at a time, and a monitor thread
 * that closes a stuck connection while another head unit waits. */
#ifndef CDU_COMMUNICATION_H
#define CDU_COMMUNICATION_H

#include "OrvTask.h"

extern const OrvTask gCduCommunication;

/* Non-zero once the IPv6 network is usable; the server is not opened before. */
extern volatile Int08 globIpv6_NetworkInstalled;
/* Progress marker of the head-unit service path: its last value tells where the path was. */
extern volatile UInt32 CduComSrvPnt;

/* The address the server listens on: "::1" and "8090" unless the environment variable
 * CLUSTER_HU_ADDR gives "ADDR", "ADDR%ZONE", "[ADDR%ZONE]" or "[ADDR%ZONE]:PORT". Returns 1, or 0
 * when the variable is malformed or does not fit the buffers. */
Int08 CDUC_Task_ListenAddress(char* host, UInt32 hostSize, char* port, UInt32 portSize);
/* The port the server is bound to while it listens (useful with port 0), else 0. */
UInt16 CDUC_Task_ListenPort(void);

Int08 CDUC_Task_Init(void);
Int08 CDUC_Task_DeInit(void);
Int08 CDUC_Task_GetState(void);
void  CDUC_Task_Excute(void);
Int08 CDUC_Task_PostRequest(void* argv);
void  CDUC_Task_Stop(void);
void  CDUC_Task_TryStop(void);
void  CDUC_Task_BeatDog(void);
Int08 CDUC_Task_IsDogAlive(void);

#endif

/* The main-board link task: its worker owns the frame-entry window, where typed frames are
 * checked, stored and decoded into the vehicle signals. */
#ifndef MAIN_BOARD_COMMUNICATION_H
#define MAIN_BOARD_COMMUNICATION_H

#include "OrvTask.h"

extern const OrvTask gMainBoardCommunication;

Int08 MBC_Task_Init(void);
Int08 MBC_Task_DeInit(void);
Int08 MBC_Task_GetState(void);
void  MBC_Task_Excute(void);
Int08 MBC_Task_PostRequest(void* argv);
void  MBC_Task_Stop(void);
void  MBC_Task_TryStop(void);
void  MBC_Task_BeatDog(void);
Int08 MBC_Task_IsDogAlive(void);

#endif

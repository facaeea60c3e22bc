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
/* The worker: start values, the frame-entry window and its message loop until the stop flag or
 * the window's quit; then the window goes, globAppQuit is set and the quit semaphore posted.
 * The argument is ignored; returns null. */
void* MBC_Task_I2cDispatch(void* argv);

/* Bytes of a typed frame. */
#define FRAME_TEXT_BYTES 8

/* Parses a typed frame: groups of hexadecimal digits separated by one or more spaces, one group per
 * byte (a lone digit is the byte's high digit, "5" is 0x50), at most eight groups taken, missing
 * bytes 0. Writes the eight bytes to array and their text "09 40 04 ..." (23 characters) to
 * buff_des and returns 1; returns 0 and writes neither for an empty text, a character that is not
 * a space or a hexadecimal digit, or a group above FF. */
Int08 format(char* buff_src, char* buff_des, unsigned char* array);
/* format, also saying why a text is refused: a short reason (for example "'x' is not a hex digit")
 * goes to why, at most whySize bytes with the terminator. why may be null. */
Int08 MBC_Task_Format(const char* buff_src, char* buff_des, unsigned char* array, char* why,
                      Int32 whySize);
/* Copies the text the frame-entry window's status line shows (at most size bytes with the
 * terminator); any thread. Returns its length, or -1 while the window does not exist. */
Int32 MBC_Task_ReadStatusLine(char* text, Int32 size);
/* Copies the text of the field of a source frame, like MBC_Task_ReadStatusLine; any thread. */
Int32 MBC_Task_ReadField(UInt08 frameId, char* text, Int32 size);

#endif

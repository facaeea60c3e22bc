// The main-board link task. In the desktop build there is no bus: the worker gives the signals
// their start values and owns the frame-entry window "ComCtrl", one field per source frame. What
// the user types into a field is parsed as eight bytes, stored as that frame and decoded at once,
// so that the cluster follows while the user types; the status line shows what was understood.
// Frames also arrive on the main-board bus (MainBoard_Bus): the worker serves it between window
// messages, and a field whose frame came over the bus shows the new bytes.
#include "OrvTask/MainBoardCommunication.h"

#include "OrvTask/OrvTaskBase.h"
#include "Protocol/MainBoard_Bus.h"
#include "Protocol/MainBoard_IIC_App.h"
#include "Protocol/MainBoard_IIC_Sys.h"
#include "platform/OrvFrameEntryWindow.h"

#include <mutex>
#include <stdio.h>

static OrvTaskBase mMbc_Task = ORV_TASK_BASE_INIT(2000);

static OrvPlat_Window*  mMbc_MainWnd = nullptr;
static OrvPlat_Control* edTxt[ID_FRAME_R_NUM];
static OrvPlat_Control* statusWnd = nullptr;
// buff[0]: a field's text; buff[1]: the bytes as format wrote them; buff[2]: the status text.
static char buff[3][1000];
// Guards statusWnd and edTxt for readers on other threads (MBC_Task_ReadStatusLine, _ReadField).
static std::mutex mMbc_StatusLock;
// Set while a field is given the bytes of a bus frame: that text is not typed input.
static bool mMbc_ShowingBusFrame = false;

// Frames with signals are 0x00 to 0x0D; field 0x0E takes text but feeds nothing.
enum { MBC_DECODED_FRAMES = ID_FRAME_R_0x0D + 1 };

// The picture of the car the cluster starts from.
static const char* const gMbcInitialText[MBC_DECODED_FRAMES] = {
    "09 40 04 C1 04 F7 38 E0", "FF FF FF FF F4 00 FF 86", "00 3E 90 00 82 00 00 5F",
    "0C 00 00 01 06 06 01 FF", "05 00 00 00 0F 00 01 4A", "01 01 01 01 01 01 01 01",
    "DA 51 D6 53 95 92 91 96", "20 00 00 00 14 0E 00 00", "11 11 7A C3 02 63 90 B0",
    "4C 45 45 1A 28 08 48 10", "68 08 78 10 88 18 A8 10", "00 00 40 0F 00 00 00 FF",
    "00 00 00 00 00 00 00 00", "50 70 90 B0 0F 3F 3F 00",
};

static void MBC_Task_ShowStatus(const char* text)
{
    if (statusWnd != nullptr) OrvPlat_SetControlText(statusWnd, text);
}

// Parses field i into its frame and decodes it. A refused text leaves the stored bytes as they
// were (the frame is decoded again from them) and the status line says why it was refused.
static void MBC_Task_ProcessField(int i)
{
    buff[0][999] = 0;
    buff[1][999] = 0;
    OrvPlat_GetControlText(edTxt[i], buff[0], 999);
    if (buff[0][0] == 0) return;
    char why[120];
    Int08 accepted = MBC_Task_Format(buff[0], buff[1], (unsigned char*)srcDataBuf[i], why, sizeof(why));
    MB_IIC_DecodeData((UInt08)i);
    if (accepted)
        snprintf(buff[2], 999, "F_0x%X%X :%.900s", 0, i, buff[1]);
    else
        snprintf(buff[2], 999, "F_0x%X%X :rejected, %s", 0, i, why);
    MBC_Task_ShowStatus(buff[2]);
}

static Int32 MBC_Task_WndProc(OrvPlat_Window* window, UInt32 message, Int32 wParam, Int32 lParam)
{
    switch (message) {
    case ORV_MSG_CLOSE:
        OrvPlat_PostQuitMessage(0);
        return 0;
    case ORV_MSG_KEYDOWN:
        if (wParam == ORV_KEY_ESCAPE) OrvPlat_PostQuitMessage(0);
        return 0;
    case ORV_MSG_DESTROY:
        return 0;
    case ORV_MSG_COMMAND:
        if (mMbc_ShowingBusFrame) return 0;
        // Every notification of a field processes it, whatever its code.
        for (int i = 0; i < MBC_DECODED_FRAMES; ++i) {
            if (edTxt[i] != nullptr && wParam == OrvPlat_ControlId(edTxt[i])) {
                MBC_Task_ProcessField(i);
                break;
            }
        }
        return 0;
    default:
        for (int i = 0; i < MBC_DECODED_FRAMES; ++i) MB_IIC_DecodeData((UInt08)i);
        return OrvPlat_DefWindowProc(window, message, wParam, lParam);
    }
}

static OrvPlat_Window* MBC_Task_CreateWindow(void)
{
    OrvPlat_Window* wnd = OrvPlat_CreateFrameEntryWindow("OrvComCtrl", "ComCtrl", 710, 720, 500, 340,
                                                         MBC_Task_WndProc);
    if (wnd == nullptr) return nullptr;
    const UInt32 label = ORV_EDIT_READONLY | ORV_EDIT_CENTER;
    OrvPlat_CreateEditControl(wnd, "B0 B1 B2 B3 B4 B5 B6 B7", label | ORV_EDIT_UPPERCASE, 61, 10, 200, 15);
    for (int i = 0; i < ID_FRAME_R_NUM; ++i) {
        char name[16];
        snprintf(name, sizeof(name), "F_0x%X%X", i / 16, i % 16);
        OrvPlat_CreateEditControl(wnd, name, label, 10, 29 + 19 * i, 50, 15);
        edTxt[i] = OrvPlat_CreateEditControl(wnd, "00 00 00 00 00 00 00 00",
                                             ORV_EDIT_CENTER | ORV_EDIT_UPPERCASE, 61, 29 + 19 * i, 200, 15);
    }
    // Each text notifies its field, so every frame is parsed and decoded once here.
    for (int i = 0; i < MBC_DECODED_FRAMES; ++i) OrvPlat_SetControlText(edTxt[i], gMbcInitialText[i]);
    OrvPlat_Control* status = OrvPlat_CreateEditControl(wnd, "status", ORV_EDIT_READONLY, 10, 314, 251, 15);
    std::lock_guard<std::mutex> guard(mMbc_StatusLock);
    statusWnd = status;
    return wnd;
}

// Shows the stored bytes of the frames that came over the bus in their fields. They are stored
// and decoded already, so the change notifications of the new texts are not processed.
static void MBC_Task_ShowBusFrames(UInt32 arrived)
{
    mMbc_ShowingBusFrame = true;
    for (int i = 0; i < ID_FRAME_R_NUM; ++i) {
        if ((arrived & (1u << i)) == 0 || edTxt[i] == nullptr) continue;
        const Un08* b = srcDataBuf[i];
        char text[32];
        snprintf(text, sizeof(text), "%02X %02X %02X %02X %02X %02X %02X %02X", b[0].value, b[1].value,
                 b[2].value, b[3].value, b[4].value, b[5].value, b[6].value, b[7].value);
        OrvPlat_SetControlText(edTxt[i], text);
    }
    mMbc_ShowingBusFrame = false;
}

static void MBC_Task_DestroyWindow(void)
{
    {
        std::lock_guard<std::mutex> guard(mMbc_StatusLock);
        statusWnd = nullptr;
    }
    {
        std::lock_guard<std::mutex> guard(mMbc_StatusLock);
        for (OrvPlat_Control*& field : edTxt) field = nullptr;
    }
    OrvPlat_DestroyFrameEntryWindow(mMbc_MainWnd);
    mMbc_MainWnd = nullptr;
    MB_BUS_Close();
}

// The loop waits on its queue rather than polling it without pause: typed frames are processed
// the moment the toolkit reports them, and the worker no longer keeps a processor busy.
static void MBC_Task_RunLoop(void)
{
    while (!OrvTaskBase_StopRequested(&mMbc_Task)) {
        // The bus first, bounded: a flood of datagrams still leaves every pass to the window.
        UInt32 arrived = MB_BUS_Poll();
        if (arrived != 0) MBC_Task_ShowBusFrames(arrived);
        OrvPlat_Msg msg;
        if (!OrvPlat_WaitMessage(&msg, 20)) continue;
        if (msg.message == ORV_MSG_QUIT) {
            OrvTaskBase_TryStop(&mMbc_Task);
            OrvShared_Store(globAppQuit, 1);
        } else {
            OrvPlat_DispatchMessage(&msg);
        }
    }
}

void* MBC_Task_I2cDispatch(void*)
{
    MB_IIC_SetInitialValue();
    if (!OrvTaskBase_StopRequested(&mMbc_Task)) {
        if (!OrvPlat_RegisterFrameEntryClass("OrvComCtrl")) {
            // Without a window there is no way to end the application from here: the task's
            // Stop then waits its full time-out.
            printf("MainBoardCommunication: cannot open the frame-entry window\n");
            OrvTaskBase_TryStop(&mMbc_Task);
            return nullptr;
        }
        mMbc_MainWnd = MBC_Task_CreateWindow();
        OrvPlat_ShowFrameEntryWindow(mMbc_MainWnd);
        // Without the bus (address refused, port in use) the window still takes typed frames.
        if (MB_BUS_Open(nullptr) == 0) OrvPlat_FrameEntryWakeOnFd(mMbc_MainWnd, MB_BUS_GetFd());
        MBC_Task_RunLoop();
    }
    MBC_Task_DestroyWindow();
    OrvShared_Store(globAppQuit, 1);
    OrvTaskBase_WorkerEnded(&mMbc_Task);
    return nullptr;
}

Int32 MBC_Task_ReadStatusLine(char* text, Int32 size)
{
    std::lock_guard<std::mutex> guard(mMbc_StatusLock);
    if (statusWnd == nullptr) return -1;
    return OrvPlat_GetControlText(statusWnd, text, size);
}

Int32 MBC_Task_ReadField(UInt08 frameId, char* text, Int32 size)
{
    std::lock_guard<std::mutex> guard(mMbc_StatusLock);
    // statusWnd is set under the lock after every field exists, and cleared before they go.
    if (statusWnd == nullptr || frameId >= ID_FRAME_R_NUM || edTxt[frameId] == nullptr) return -1;
    return OrvPlat_GetControlText(edTxt[frameId], text, size);
}

Int08 MBC_Task_Init(void) { return OrvTaskBase_Init(&mMbc_Task, nullptr); }
Int08 MBC_Task_DeInit(void) { return OrvTaskBase_DeInit(&mMbc_Task, nullptr); }
Int08 MBC_Task_GetState(void) { return (Int08)mMbc_Task.State; }
void  MBC_Task_Excute(void) { OrvTaskBase_Excute(&mMbc_Task, MBC_Task_I2cDispatch, nullptr, nullptr); }
Int08 MBC_Task_PostRequest(void*) { return 1; }
void  MBC_Task_Stop(void) { OrvTaskBase_Stop(&mMbc_Task); }
void  MBC_Task_TryStop(void) { OrvTaskBase_TryStop(&mMbc_Task); }
void  MBC_Task_BeatDog(void) {}
Int08 MBC_Task_IsDogAlive(void) { return 1; }

const OrvTask gMainBoardCommunication = {
    MBC_Task_Init, MBC_Task_DeInit, MBC_Task_GetState, MBC_Task_Excute, MBC_Task_PostRequest,
    MBC_Task_Stop, MBC_Task_TryStop, MBC_Task_BeatDog, MBC_Task_IsDogAlive,
};

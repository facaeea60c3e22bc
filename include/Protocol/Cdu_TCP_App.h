/* The infotainment store: everything the head unit has told the cluster (navigation, music, radio,
 * net radio or talking book with its cover, weather, account, phone, voice assistant, upgrade
 * progress, notifications). The head-unit worker writes it, the render thread reads it every frame
 * without locks, and the main-board answer frame reports OtaState, CduUsbState and BlutsMusicState.
 *
 * Texts are zero-terminated byte arrays holding at most N-1 bytes. Upd... fields are change
 * counters: they step (wrapping) whenever the record's shown content changes and when the record
 * is reset; a reader rebuilds its images only when a counter differs from the value it last saw.
 * Writers put texts in place before stepping the counter that announces them. */
#ifndef CDU_TCP_APP_H
#define CDU_TCP_APP_H

#include "BaseTypes.h"
#include "lib/OrvShared.h"

/* Largest decoded cover picture: 500 x 500 pixels of 4 bytes. */
#define CDU_PIC_BMP_SIZE 1000000
/* Entries of the phone's contact list. */
#define CDU_CTI_LIST_SIZE 32

/* Voice assistant state (CduRecordState). */
enum {
    CduRecord_Listening   = 1,
    CduRecord_Recognizing = 2,
    CduRecord_Speaking    = 3,
    CduRecord_Exit        = 4,
    CduRecord_WakeUp      = 5,
    CduRecord_Waiting     = 6,
    CduRecord_MAX         = 6,
    CduRecord_Default     = 4,
};

/* USB storage at the head unit (CduUsbState). */
enum { CduUsb_Disconnected = 0, CduUsb_Connected = 1, CduUsb_MAX = 1, CduUsb_Default = 0 };

/* Bluetooth music connection (BlutsMusicState). */
enum {
    BlutsMusic_Disconnected = 0,
    BlutsMusic_Connected    = 1,
    BlutsMusic_MAX          = 1,
    BlutsMusic_Default      = 0,
};

/* Play status of music and radio. */
enum {
    PlayStatus_Playing = 0,
    PlayStatus_Pause   = 1,
    PlayStatus_Stop    = 2,
    PlayStatus_Search  = 3,
    PlayStatus_Default = 2,
};

/* Which media the cluster shows (CduMediaSrc). */
enum {
    Media_Src_Music    = 0,
    Media_Src_Radio    = 1,
    Media_Src_NetRadio = 2,
    Media_Src_None     = 3,
    Media_Src_Default  = 3,
};

/* Reserved validity states (CduWeatherState, CduNavigationState). */
enum { CduWeather_Invalid = 0, CduWeather_Valid = 1 };
enum { CduNavigation_Invalid = 0, CduNavigation_Valid = 1 };

/* Source of the music (MusicInfo.Type). */
enum { MUSIC_TYPE_LOCAL = 1, MUSIC_TYPE_BLUETOOTH = 2, MUSIC_TYPE_UPAN = 3 };

/* Net radio or talking book (NetRadioInfo.Type). */
enum { NRADIO_TYPE_NET = 1, NRADIO_TYPE_BOOK = 2 };

/* Upgrade state (OtaState). */
enum {
    OTA_Normal            = 0,
    OTA_TRANSFERING       = 1,
    OTA_TRANSFER_INT      = 2,
    OTA_TRANSFER_SUCC     = 3,
    OTA_DECRYPTING        = 4,
    OTA_UNPACKING         = 5,
    OTA_DECRYPT_FAIL      = 6,
    OTA_UNPACK_FAIL       = 7,
    OTA_DECRYPT_SUCC      = 8,
    OTA_UNPACK_SUCC       = 9,
    OTA_HMI_UPGRADING     = 10,
    OTA_HMI_UPGRAD_FAIL   = 11,
    OTA_HMI_ROLLBACKING   = 12,
    OTA_HMI_ROLLBACK_SUCC = 13,
    OTA_HMI_UPGRAD_SUCC   = 14,
    OTA_BACKUP_SUCC       = 15,
    OTA_BACKUP_FAIL       = 16,
    OTA_DATA_MD5_UNMATCH  = 17,
};

/* Phone state (BlueToothInfo.PhoneStatus). */
enum {
    PHONE_Unavailable    = 0,
    PHONE_InCall         = 1, /* incoming call ringing */
    PHONE_OutCall        = 2, /* outgoing call ringing */
    PHONE_Connect        = 3, /* call in progress */
    PHONE_Cancel_InCall  = 4,
    PHONE_Cancel_OutCall = 5,
    PHONE_List           = 6, /* contact list available */
};

/* Phone action chosen on the cluster (ReqBlueTooth.Status). */
enum {
    PHONE_REQ_Ring   = 0,
    PHONE_REQ_Conn   = 1,
    PHONE_REQ_Cancel = 2,
    PHONE_REQ_Mute   = 3,
    PHONE_REQ_Unmute = 4,
};

/* Navigation guidance. */
typedef struct Struct_JsonNav {
    Int08  RemainDis1[32];   /* remaining distance to the next manoeuvre, as sent */
    Int08  RemainTime1[40];  /* remaining time, as sent */
    Int08  CurrRoadName[32];
    Int08  NextRoadName[32];
    UInt08 UpdRemainInfo1;   /* counter of RemainDis1 and RemainTime1 */
    UInt08 UpdCurrRoadName;
    UInt08 UpdNextRoadName;
    UInt08 NavIcon;          /* manoeuvre icon number */
    UInt08 Enable;
    UInt08 CameraType;       /* reserved speed-camera data, only ever reset */
    UInt08 CameraSpeed;
    UInt08 LimitedSpeed;
    Int32  RoadRemainDis;    /* remaining distance as a number */
} JsonNav;

/* The playing music. */
typedef struct Struct_JsonMusic {
    Int08  SongName[100];
    Int08  ArtistName[100];
    UInt08 PicBmp[CDU_PIC_BMP_SIZE]; /* decoded cover */
    Int32  PicWidth;
    Int32  PicHeight;
    Int32  picFmt;           /* pixel format the image decoders report */
    UInt32 Duration;         /* s */
    UInt32 Progress;         /* s */
    UInt16 PicHashCode;      /* check value of the last cover's encoded bytes */
    UInt08 Status;           /* PlayStatus_* */
    UInt08 Type;             /* MUSIC_TYPE_* */
    UInt08 HasCover;         /* 1 when PicBmp holds a valid cover */
    UInt08 Enable;
    UInt08 UpdMusic;         /* counter of texts, type and cover */
} JsonMusic;

/* The radio station. */
typedef struct Struct_JsonRadio {
    Int08  System[4];        /* band text */
    Int08  Frequency[12];
    Int08  Name[60];
    UInt08 PicBmp[CDU_PIC_BMP_SIZE];
    Int32  PicWidth;
    Int32  PicHeight;
    UInt32 picFmt;
    UInt16 PicHashCode;
    UInt08 Status;           /* PlayStatus_* */
    UInt08 HasCover;
    UInt08 Enable;
    UInt08 UpdRadio;
} JsonRadio;

/* The weather. */
typedef struct Struct_JsonWeather {
    Int08  City[60];
    Int08  Date[24];         /* reserved, only ever cleared */
    Int08  Status[60];       /* weather description text */
    Int08  Enviroment[12];   /* reserved, only ever cleared */
    Int08  StatusId;         /* weather condition number */
    UInt08 Enable;
    Int08  Tmp;              /* degrees C */
    Int08  DayTmp;
    Int08  NightTmp;
    UInt08 UpdWth;
} JsonWeather;

/* The signed-in user. */
typedef struct Struct_JsonAccount {
    Int08  CurrUsrName[60];
    UInt32 UpdAccount;
    UInt08 Enable;
} JsonAccount;

/* Net radio station or talking book. */
typedef struct Struct_JsonNetRadio {
    Int08  Frequency[60];    /* station or channel text */
    Int08  Name[60];         /* programme or book name */
    UInt08 PicBmp[CDU_PIC_BMP_SIZE];
    Int32  PicWidth;
    Int32  PicHeight;
    UInt32 picFmt;
    UInt32 Duration;         /* s, talking book */
    UInt32 Progress;         /* s, talking book */
    UInt16 PicHashCode;
    UInt08 UpdNetRadio;
    UInt08 Enable;
    UInt08 HasCover;
    UInt08 Type;             /* NRADIO_TYPE_* */
} JsonNetRadio;

/* Upgrade transfer. Sign and Md5 are allocated with malloc (the store's reset frees them). */
typedef struct Struct_JsonUpgrade {
    Int08* Sign;             /* 256-byte signature, or null */
    Int08* Md5;              /* zero-terminated MD5 check text, or null */
    UInt08 UpdUpgrade;
    Int16  SignSize;         /* reserved, only ever reset */
    UInt32 FileSize;         /* announced package size, bytes */
    UInt32 RecvSize;         /* bytes received so far */
} JsonUpgrade;

/* One contact of the phone's list. */
typedef struct Struct_ContactInfo {
    Int08 Name[100];
    Int08 Number[20];
} ContactInfo;

/* The paired phone. */
typedef struct Struct_JsonBlueTooth {
    UInt08      PhoneStatus;     /* PHONE_* */
    UInt08      MuteStatus;      /* 1 microphone muted */
    Int08       CtiListSize;     /* valid entries of CtiList; -1 no list */
    UInt08      UpdCtiList;
    UInt08      UpdSpeaker;      /* counter of Name and Number */
    UInt32      ConnectDuration; /* wall-clock ms (32 bits) when the call connected; 0 no call */
    Int08       Name[100];       /* other party of the current call */
    Int08       Number[20];
    ContactInfo CtiList[CDU_CTI_LIST_SIZE];
} JsonBlueTooth;

/* A phone action chosen on the cluster; complete before its bit of BlueToothReqFlag is set. */
typedef struct Struct_ReqBlueTooth {
    Int08 Name[100];
    Int08 Number[20];
    Int08 Status;                /* PHONE_REQ_* of the record's own action */
    Int08 Action;
} ReqBlueTooth;

extern JsonNav       NavInfo;
extern JsonMusic     MusicInfo;
extern JsonRadio     RadioInfo;
extern JsonNetRadio  NetRadioInfo;
extern JsonWeather   WeatherInfo;
extern JsonAccount   AccountInfo;
extern JsonUpgrade   UpgradeInfo;
extern JsonBlueTooth BlueToothInfo;

extern ReqBlueTooth BlueToothReqRing;
extern ReqBlueTooth BlueToothReqConn;
extern ReqBlueTooth BlueToothReqCancel;
extern ReqBlueTooth BlueToothReqMute;
extern ReqBlueTooth BlueToothReqUnmute;

extern UInt08 CduMediaSrc;         /* Media_Src_* */
extern UInt08 CduRecordState;      /* CduRecord_* */
extern UInt08 CduUsbState;         /* CduUsb_* */
extern UInt08 BlutsMusicState;     /* BlutsMusic_* */
extern UInt08 CduWeatherState;     /* reserved, CduWeather_* */
extern UInt08 CduNavigationState;  /* reserved, CduNavigation_* */
extern UInt08 OtaState;            /* OTA_*; survives connections */
/* Pending phone actions, one bit per ReqBlueTooth record. Set by the render thread and cleared by
 * the head-unit worker: change single bits with atomic operations on .value so that neither side
 * loses the other's bits. */
extern Un08 BlueToothReqFlag;
extern Int08  SpeechContent[100];  /* speech text of the notification service */
extern Int08  NormalRoadName[60];  /* road name of the notification service */
extern UInt16 SpeechContentSize;   /* reserved, only ever reset */
extern UInt16 NormalRoadNameSize;  /* reserved, only ever reset */
extern UInt16 UpdSpeechContent;
extern UInt16 UpdNormalRoadName;

/* Sets OtaState and logs "   OtaState Update[old]->[new]" when the value changes. Called from the
 * link thread and (returning to idle after an upgrade page) from the render thread: the exchange
 * is atomic. */
void CDU_TCP_SetOtaState(UInt08 state);

/* Puts the store into its empty state with every change counter 0. UpgradeInfo's Sign and Md5
 * and the upgrade package file are forgotten (set to null) without being freed or closed. OtaState is not touched. Called when the link
 * task starts and before each connection. */
void CDU_TCP_SetInitialValue(void);
/* Puts the store into the same empty state after a connection: Sign and Md5 are freed, the
 * upgrade package file is closed, and every
 * change counter steps by one so that every reader refreshes. OtaState is not touched. Safe to
 * call more than once. */
void CDU_TCP_EndServe(void);

#endif

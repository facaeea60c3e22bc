/* The head-unit frame protocol on one accepted TCP connection: reads frames (header, BP header,
 * JSON part, binary part) in any number of segments, dispatches them by frame type and service to
 * the service decoder, and sends the acknowledgements and the phone actions chosen on the cluster.
 * The cluster only ever sends after it has received a whole frame. Everything runs on the link
 * task's worker thread. */
#ifndef CDU_TCP_H
#define CDU_TCP_H

#include "BaseTypes.h"

/* A socket as the POSIX calls take it. */
typedef int SOCKET;
#define INVALID_SOCKET (-1)

/* Receive limits. */
enum { MAX_RECV_JSON_SIZE = 20480, MAX_RECV_BIN_SIZE = 1048576 };

/* Per head-unit service, the state of its multi-frame sequence (-1: none open). */
enum {
    RECV_FRM_SEQ_NAVIGATION = 0,
    RECV_FRM_SEQ_MUSIC = 1,
    RECV_FRM_SEQ_RADIO = 2,
    RECV_FRM_SEQ_BLUETOOTH = 3,
    RECV_FRM_SEQ_WEATHER = 4,
    RECV_FRM_SEQ_ACCOUNT = 5,
    RECV_FRM_SEQ_NOTIFICATION = 6,
    RECV_FRM_SEQ_NETRADIO = 7,
    RECV_FRM_SEQ_UPGRADE = 8,
    RECV_FRM_SEQ_NUM = 9,
};

/* Set to 1 by the decoder whenever a voice-assistant state report arrives; the protocol then
 * restarts the 18 s fall-back of CduRecordState. */
extern volatile Int08 cduRecordStateUpd;

/* Serves one connection until the peer closes, a receive or send fails, nine seconds pass without
 * data, the service end is acknowledged or *quitFlg becomes 1. The socket must be non-blocking; it
 * is not closed here. Ends with the connection's reset (the store's CDU_TCP_EndServe). */
void CDU_TCP_Serve(SOCKET sockFd, const volatile Int08* quitFlg);
/* Dispatches one received frame whose headers are the ones last read. */
void CDU_TCP_ProcessRecvData(UInt08* jsonData, UInt32 jsonSz, UInt08* binData, UInt32 binSz);
/* Sends every pending answer and phone action: 0 to go on, -1 to end the connection (a send did
 * not go out whole, or the service end was acknowledged). */
Int08 CDU_TCP_ProcessSendData(void);
/* Fills the outgoing frame header: version 1, no compression or encryption, data_size in network
 * order, reserved bytes 0. */
void CDU_TCP_SetFrmHeader(UInt08 frm_type, UInt08 srv_type, UInt08 frm_info, UInt08 session_id, UInt08 frm_id,
                          UInt32 data_size);
/* Fills the outgoing BP header, words in network order, reserved bytes 0. */
void CDU_TCP_SetBpBinHeader(UInt08 rpc_type, UInt32 rpc_name, UInt32 rpc_msg_no, UInt32 json_size);
/* Diagnostic hook for the last header; prints nothing. */
void PrintFrameHeader(void);

/* Applies one JSON document of service srvType (FRM_SRV_CDU_*) with its binary part to the
 * infotainment store. jsonData is zero-terminated; binSz may be 0. A document that breaks the
 * rules is dropped where it breaks them; what it stored before stays. */
void CDU_TCP_Decode(UInt08 srvType, UInt08* jsonData, UInt32 jsonSz, UInt08* binData, UInt32 binSz);

/* The upgrade package's files. Their paths are fixed ("/data/ota_download/OTA_PACKAGE.DAT",
 * "/data/ota_download/OTA_PACKAGE.SIG", "/root/app/OTA_PUBKEY.PEM"); the environment variable
 * CLUSTER_OTA_ROOT, when set, names a folder that stands in for "/" in all three. */
enum { OTA_PATH_PACKAGE = 0, OTA_PATH_SIGN = 1, OTA_PATH_PUBKEY = 2 };
/* Writes the path of file `which` (OTA_PATH_*) into out; 0 when it does not fit. */
Int08 CDU_TCP_OtaPath(UInt08 which, char* out, UInt32 size);
/* Stores the signature in the signature file and checks it, in this process, against the MD5
 * text followed by a newline with the public key (RSA, PKCS#1 v1.5, no digest). 1 verified, 0 not;
 * a text that is not 32 hexadecimal digits never verifies. A failed check pauses 1500 ms. */
Int08 OtaStoreAndVerify(const Int08* md5, const Int08* sign, int signSize);
/* Computes the package file's MD5 and compares it with the text as a whole (32 hexadecimal
 * digits, either case). 1 matches, 0 not; a failed check pauses 1500 ms. */
Int08 OtaDataFileMd5Verify(const Int08* md5);

#endif

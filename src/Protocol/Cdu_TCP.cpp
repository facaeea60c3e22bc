// The head-unit frame protocol: reading frames from the connection, dispatch, answers and phone
// actions. A head unit is untrusted: every length it sends is bounded by our buffers, oversized
// parts are drained so that the stream stays in step, and a peer that stops reading makes a send
// fall short, which ends the connection instead of blocking the worker.
#include "Protocol/Cdu_TCP.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cjson/cJSON.h>
#include <cstring>
#include <ctime>
#include <poll.h>
#include <sys/socket.h>

#include "OrvTask/CduCommunication.h"
#include "Protocol/Cdu_TCP_App.h"
#include "Protocol/Cdu_TCP_Rules.h"
#include "platform/OrvPlatform.h"

volatile Int08 cduRecordStateUpd = 0;

static UnFrameHeader unFrmHdr;
static UnBpBinHeader unBpbHdr;
static SOCKET        clientSockFd = INVALID_SOCKET;
static UInt08        jsonData[MAX_RECV_JSON_SIZE];
static UInt08        binData[MAX_RECV_BIN_SIZE];
static Int08         isSrvStart = 0;
static UInt08        sessionId = 0xFF;
static Un16          requestStatus;
static Int32         RecvFrmSequence[RECV_FRM_SEQ_NUM] = {-1, -1, -1, -1, -1, -1, -1, -1, -1};
// Message number of the frame last received; the answers carry it. Kept apart from unBpbHdr,
// which is reused to build the outgoing headers.
static UInt32        mCdu_TCP_LastMsgNo = 0;

// Longest wait for more bytes inside a frame before the quit flag is looked at again. A frame has
// no time limit of its own: a stuck one is broken by the link task's monitor.
static const int CDU_TCP_PART_WAIT_MS = 100;
static const UInt32 CDU_TCP_DRAIN_PIECE = 1024;
static const UInt32 CDU_TCP_REC_STATE_KEEP_MS = 18000;

/* --- pending answers ---------------------------------------------------------------------------
 * requestStatus bit n: n 0..7 are bits b0..b7 of bl, n 8..15 bits b0..b7 of bh. */
enum {
    REQ_SRV_START = 0, REQ_SRV_END = 1, REQ_HEART_BEAT = 2,
    REQ_NAVIGATION = 3, REQ_MUSIC = 4, REQ_RADIO = 5, REQ_BLUETOOTH = 6, REQ_WEATHER = 7,
    REQ_ACCOUNT = 8, REQ_NOTIFICATION = 9, REQ_NETRADIO = 10, REQ_UPGRADE = 11,
};

static U08* CDU_TCP_ReqByte(int bit) { return bit < 8 ? &requestStatus.sbit.bl.value : &requestStatus.sbit.bh.value; }
static void CDU_TCP_SetReq(int bit) { *CDU_TCP_ReqByte(bit) |= (U08)(1u << (bit & 7)); }
static void CDU_TCP_ClearReq(int bit) { *CDU_TCP_ReqByte(bit) &= (U08)~(1u << (bit & 7)); }
static bool CDU_TCP_HasReq(int bit) { return (*CDU_TCP_ReqByte(bit) >> (bit & 7)) & 1u; }

// The services a single frame may carry: their sequence entry and their answer bit.
struct CduTcpService {
    UInt08 srv;
    UInt08 seq;
    UInt08 req;
};
static const CduTcpService gCduTcpServices[] = {
    {FRM_SRV_CDU_NAVIGATION, RECV_FRM_SEQ_NAVIGATION, REQ_NAVIGATION},
    {FRM_SRV_CDU_MUSIC, RECV_FRM_SEQ_MUSIC, REQ_MUSIC},
    {FRM_SRV_CDU_RADIO, RECV_FRM_SEQ_RADIO, REQ_RADIO},
    {FRM_SRV_CDU_BLUETOOTH, RECV_FRM_SEQ_BLUETOOTH, REQ_BLUETOOTH},
    {FRM_SRV_CDU_WEATHER, RECV_FRM_SEQ_WEATHER, REQ_WEATHER},
    {FRM_SRV_CDU_ACCOUNT, RECV_FRM_SEQ_ACCOUNT, REQ_ACCOUNT},
    {FRM_SRV_CDU_NOTIFICATION, RECV_FRM_SEQ_NOTIFICATION, REQ_NOTIFICATION},
    {FRM_SRV_CDU_NETRADIO, RECV_FRM_SEQ_NETRADIO, REQ_NETRADIO},
    {FRM_SRV_CDU_UPGRADE, RECV_FRM_SEQ_UPGRADE, REQ_UPGRADE},
};

// Answers after the service start, in the order they go out.
struct CduTcpAnswer {
    UInt08 req;
    UInt08 frmType;
    UInt08 srv;
    UInt08 info;
    UInt32 rpcName;
    UInt32 mark; /* progress marker, 0 for none */
};
static const CduTcpAnswer gCduTcpAnswers[] = {
    {REQ_HEART_BEAT, FRM_TYPE_CTRL, FRM_SRV_CDU_AID, FRM_INF_HEART_BEAT_ACK, RPC_CDU_HEART_BEAT, 0x202E},
    {REQ_NAVIGATION, FRM_TYPE_SINGLE, FRM_SRV_CDU_NAVIGATION, FRM_INF_DATA_ACK, RPC_CDU_NAVIGATION, 0x202F},
    {REQ_MUSIC, FRM_TYPE_SINGLE, FRM_SRV_CDU_MUSIC, FRM_INF_DATA_ACK, RPC_CDU_MUSIC, 0x2030},
    {REQ_RADIO, FRM_TYPE_SINGLE, FRM_SRV_CDU_RADIO, FRM_INF_DATA_ACK, RPC_CDU_RADIO, 0x2031},
    {REQ_BLUETOOTH, FRM_TYPE_SINGLE, FRM_SRV_CDU_BLUETOOTH, FRM_INF_DATA_ACK, RPC_CDU_BLUETOOTH, 0x2032},
    {REQ_WEATHER, FRM_TYPE_SINGLE, FRM_SRV_CDU_WEATHER, FRM_INF_DATA_ACK, RPC_CDU_WEATHER, 0},
    {REQ_ACCOUNT, FRM_TYPE_SINGLE, FRM_SRV_CDU_ACCOUNT, FRM_INF_DATA_ACK, RPC_CDU_ACCOUNT, 0x2033},
    {REQ_NOTIFICATION, FRM_TYPE_SINGLE, FRM_SRV_CDU_NOTIFICATION, FRM_INF_DATA_ACK, RPC_CDU_NOTIFICATION, 0x2034},
    {REQ_NETRADIO, FRM_TYPE_SINGLE, FRM_SRV_CDU_NETRADIO, FRM_INF_DATA_ACK, RPC_CDU_NETRADIO, 0x2035},
    {REQ_UPGRADE, FRM_TYPE_SINGLE, FRM_SRV_CDU_UPGRADE, FRM_INF_DATA_ACK, RPC_CDU_UPGRADE, 0x2036},
};

// Phone actions in the order they go out: Connect first, then Ring, Cancel, Mute, Unmute.
struct CduTcpPhoneAction {
    UInt08        bit;    /* bit of BlueToothReqFlag */
    ReqBlueTooth* record;
    Int08         status; /* the record's Status must be this */
    const char*   text;
};
static const CduTcpPhoneAction gCduTcpPhoneActions[] = {
    {1, &BlueToothReqConn, PHONE_REQ_Conn, "connect"},
    {0, &BlueToothReqRing, PHONE_REQ_Ring, "ring"},
    {2, &BlueToothReqCancel, PHONE_REQ_Cancel, "cancel"},
    {3, &BlueToothReqMute, PHONE_REQ_Mute, "mute"},
    {4, &BlueToothReqUnmute, PHONE_REQ_Unmute, "unmute"},
};

/* --- headers --------------------------------------------------------------------------------- */

void CDU_TCP_SetFrmHeader(UInt08 frm_type, UInt08 srv_type, UInt08 frm_info, UInt08 session_id, UInt08 frm_id,
                          UInt32 data_size)
{
    memset(&unFrmHdr, 0, sizeof(unFrmHdr));
    unFrmHdr.hdr.version = 1;
    unFrmHdr.hdr.compress = FRM_COMPRESS_NONE;
    unFrmHdr.hdr.encrypt = FRM_ENCRYPT_NONE;
    unFrmHdr.hdr.frm_type = frm_type;
    unFrmHdr.hdr.srv_type = srv_type;
    unFrmHdr.hdr.frm_info = frm_info;
    unFrmHdr.hdr.session_id = session_id;
    unFrmHdr.hdr.frm_id = frm_id;
    unFrmHdr.hdr.data_size = htonl(data_size);
}

void CDU_TCP_SetBpBinHeader(UInt08 rpc_type, UInt32 rpc_name, UInt32 rpc_msg_no, UInt32 json_size)
{
    memset(&unBpbHdr, 0, sizeof(unBpbHdr));
    unBpbHdr.hdr.rpc_type = rpc_type;
    unBpbHdr.hdr.rpc_name = htonl(rpc_name);
    unBpbHdr.hdr.rpc_msg_no = htonl(rpc_msg_no);
    unBpbHdr.hdr.json_size = htonl(json_size);
}

void PrintFrameHeader(void) {}

/* --- receiving ------------------------------------------------------------------------------- */

// Reads exactly len bytes. Returns 1 when they are all there, 0 when the connection is to end
// (quit flag, peer closed, receive failed).
static Int08 CDU_TCP_RecvAll(UInt08* buf, UInt32 len, UInt32 mark, const volatile Int08* quitFlg)
{
    UInt32 got = 0;
    while (got < len) {
        if (OrvShared_Load(*quitFlg) == 1) return 0;
        OrvShared_Store(CduComSrvPnt, mark);
        ssize_t n = recv(clientSockFd, buf + got, len - got, 0);
        if (n > 0) {
            got += (UInt32)n;
            continue;
        }
        if (n == 0) return 0;
        if (errno == EINTR) continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK) return 0;
        // Nothing there yet: wait for more rather than spin, then look at the quit flag again.
        struct pollfd pfd = {clientSockFd, POLLIN, 0};
        if (poll(&pfd, 1, CDU_TCP_PART_WAIT_MS) < 0 && errno != EINTR) return 0;
    }
    return 1;
}

// Reads and drops len bytes in pieces.
static Int08 CDU_TCP_Drain(UInt32 len, UInt32 mark, const volatile Int08* quitFlg)
{
    UInt08 scratch[CDU_TCP_DRAIN_PIECE];
    while (len > 0) {
        UInt32 piece = len < CDU_TCP_DRAIN_PIECE ? len : CDU_TCP_DRAIN_PIECE;
        if (!CDU_TCP_RecvAll(scratch, piece, mark, quitFlg)) return 0;
        len -= piece;
    }
    return 1;
}

enum { CDU_TCP_FRAME_END = 0, CDU_TCP_FRAME_OK = 1, CDU_TCP_FRAME_SHORT = 2 };

// Reads one whole frame into the headers and buffers.
static Int32 CDU_TCP_ReadFrame(UInt32* jsonSz, UInt32* binSz, const volatile Int08* quitFlg)
{
    OrvShared_Store(CduComSrvPnt, 0x2002);
    if (!CDU_TCP_RecvAll(unFrmHdr.unbuf, sizeof(unFrmHdr), 0x2003, quitFlg)) return CDU_TCP_FRAME_END;
    UInt32 dataSize = ntohl(unFrmHdr.hdr.data_size);
    unFrmHdr.hdr.data_size = dataSize;
    OrvShared_Store(CduComSrvPnt, 0x2004);
    PrintFrameHeader();

    if (dataSize < sizeof(unBpbHdr)) {
        UInt08 scratch[16];
        return CDU_TCP_RecvAll(scratch, dataSize, 0x2005, quitFlg) ? CDU_TCP_FRAME_SHORT : CDU_TCP_FRAME_END;
    }

    OrvShared_Store(CduComSrvPnt, 0x2006);
    if (!CDU_TCP_RecvAll(unBpbHdr.unbuf, sizeof(unBpbHdr), 0x2007, quitFlg)) return CDU_TCP_FRAME_END;
    unBpbHdr.hdr.rpc_name = ntohl(unBpbHdr.hdr.rpc_name);
    unBpbHdr.hdr.rpc_msg_no = ntohl(unBpbHdr.hdr.rpc_msg_no);
    unBpbHdr.hdr.json_size = ntohl(unBpbHdr.hdr.json_size);
    mCdu_TCP_LastMsgNo = unBpbHdr.hdr.rpc_msg_no;
    OrvShared_Store(CduComSrvPnt, 0x2008);

    UInt32 payload = dataSize - (UInt32)sizeof(unBpbHdr);
    UInt32 size = unBpbHdr.hdr.json_size < payload ? unBpbHdr.hdr.json_size : payload;
    *jsonSz = size < (UInt32)(MAX_RECV_JSON_SIZE - 1) ? size : (UInt32)(MAX_RECV_JSON_SIZE - 1);
    OrvShared_Store(CduComSrvPnt, 0x2009);
    if (!CDU_TCP_RecvAll(jsonData, *jsonSz, 0x200A, quitFlg)) return CDU_TCP_FRAME_END;
    jsonData[*jsonSz] = 0;
    if (!CDU_TCP_Drain(size - *jsonSz, 0x200A, quitFlg)) return CDU_TCP_FRAME_END;
    OrvShared_Store(CduComSrvPnt, 0x200B);

    UInt32 binLen = payload - size;
    *binSz = binLen < (UInt32)MAX_RECV_BIN_SIZE ? binLen : (UInt32)MAX_RECV_BIN_SIZE;
    OrvShared_Store(CduComSrvPnt, 0x200C);
    if (!CDU_TCP_RecvAll(binData, *binSz, 0x200D, quitFlg)) return CDU_TCP_FRAME_END;
    if (!CDU_TCP_Drain(binLen - *binSz, 0x200D, quitFlg)) return CDU_TCP_FRAME_END;
    return CDU_TCP_FRAME_OK;
}

/* --- dispatch -------------------------------------------------------------------------------- */

static const CduTcpService* CDU_TCP_FindService(UInt08 srv)
{
    for (const CduTcpService& s : gCduTcpServices)
        if (s.srv == srv) return &s;
    return nullptr;
}

void CDU_TCP_ProcessRecvData(UInt08* json, UInt32 jsonSz, UInt08* bin, UInt32 binSz)
{
    const FrameHeader& fh = unFrmHdr.hdr;
    switch (fh.frm_type) {
    case FRM_TYPE_CTRL: {
        OrvShared_Store(CduComSrvPnt, 0x2026);
        if (fh.srv_type != FRM_SRV_CDU_AID) break;
        UInt32 name = unBpbHdr.hdr.rpc_name;
        if (fh.frm_info == FRM_INF_START && name == RPC_CDU_SERVICE) CDU_TCP_SetReq(REQ_SRV_START);
        else if (fh.frm_info == FRM_INF_END && name == RPC_CDU_SERVICE) CDU_TCP_SetReq(REQ_SRV_END);
        else if (fh.frm_info == FRM_INF_HEART_BEAT && name == RPC_CDU_HEART_BEAT) CDU_TCP_SetReq(REQ_HEART_BEAT);
        break;
    }
    case FRM_TYPE_SINGLE: {
        OrvShared_Store(CduComSrvPnt, 0x2027);
        const CduTcpService* s = CDU_TCP_FindService(fh.srv_type);
        if (s == nullptr) break;
        RecvFrmSequence[s->seq] = -1;
        CDU_TCP_Decode(fh.srv_type, json, jsonSz, bin, binSz);
        CDU_TCP_SetReq(s->req);
        break;
    }
    case FRM_TYPE_FIRST:
        OrvShared_Store(CduComSrvPnt, 0x2028);
        if (fh.srv_type == FRM_SRV_CDU_UPGRADE && fh.frm_id == 1) {
            RecvFrmSequence[RECV_FRM_SEQ_UPGRADE] = 1;
            CDU_TCP_Decode(FRM_SRV_CDU_UPGRADE, json, jsonSz, bin, binSz);
            CDU_TCP_SetReq(REQ_UPGRADE);
        }
        break;
    case FRM_TYPE_NEXT:
        OrvShared_Store(CduComSrvPnt, 0x2029);
        if (fh.srv_type == FRM_SRV_CDU_UPGRADE && RecvFrmSequence[RECV_FRM_SEQ_UPGRADE] != -1) {
            Int32& seq = RecvFrmSequence[RECV_FRM_SEQ_UPGRADE];
            seq = fh.frm_id == FRM_SEQ_END ? 0 : seq + 1;
            CDU_TCP_OtaNextPiece(bin, binSz, seq == 0);
            CDU_TCP_SetReq(REQ_UPGRADE);
        }
        break;
    default:
        OrvShared_Store(CduComSrvPnt, 0x202A);
        break;
    }
}

/* --- sending --------------------------------------------------------------------------------- */

// Sends len bytes in one call. A non-blocking socket whose peer does not read takes less than
// len, or nothing: that counts as a failure and ends the connection. MSG_NOSIGNAL keeps a closed
// peer from killing the process with SIGPIPE.
static bool CDU_TCP_SendWhole(const void* data, size_t len)
{
    ssize_t n;
    do {
        n = send(clientSockFd, data, len, MSG_NOSIGNAL);
    } while (n < 0 && errno == EINTR);
    if (n == (ssize_t)len) return true;
    OrvShared_Store(CduComSrvPnt, 0x2038);
    return false;
}

static bool CDU_TCP_SendAnswer(UInt08 frmType, UInt08 srv, UInt08 info, UInt32 rpcName)
{
    CDU_TCP_SetFrmHeader(frmType, srv, info, sessionId, 1, (UInt32)sizeof(unBpbHdr));
    CDU_TCP_SetBpBinHeader(RPC_TYPE_RSP, rpcName, mCdu_TCP_LastMsgNo, 0);
    return CDU_TCP_SendWhole(unFrmHdr.unbuf, sizeof(unFrmHdr)) && CDU_TCP_SendWhole(unBpbHdr.unbuf, sizeof(unBpbHdr));
}

// The record's text as a string of at most size - 1 bytes: the render thread fills the records,
// and a text without its zero must not run past the field.
static void CDU_TCP_CopyText(char* out, const Int08* text, size_t size)
{
    OrvShared_CopyOut(out, text, size - 1);
    out[size - 1] = 0;
}

static char* CDU_TCP_PrintPhoneAction(const CduTcpPhoneAction& a)
{
    char name[sizeof(a.record->Name)];
    char num[sizeof(a.record->Number)];
    CDU_TCP_CopyText(name, a.record->Name, sizeof(name));
    CDU_TCP_CopyText(num, a.record->Number, sizeof(num));
    cJSON* doc = cJSON_CreateObject();
    cJSON* call = cJSON_CreateObject();
    char* text = nullptr;
    if (doc != nullptr && call != nullptr) {
        cJSON_AddItemToObject(doc, "enable", cJSON_CreateString("1"));
        cJSON_AddItemToObject(doc, "msgtype", cJSON_CreateString("1"));
        cJSON_AddItemToObject(call, "name", cJSON_CreateString(name));
        cJSON_AddItemToObject(call, "num", cJSON_CreateString(num));
        cJSON_AddItemToObject(call, "status", cJSON_CreateString(a.text));
        cJSON_AddItemToObject(doc, "outcall", call);
        call = nullptr;
        text = cJSON_PrintUnformatted(doc);
    }
    cJSON_Delete(call);
    cJSON_Delete(doc);
    return text;
}

static void CDU_TCP_ClearPhoneBit(UInt08 bit)
{
    __atomic_fetch_and(&BlueToothReqFlag.value, (U08)~(1u << bit), __ATOMIC_SEQ_CST);
}

// Sends one pending phone action; false when a send fell short.
static bool CDU_TCP_SendPhoneAction(const CduTcpPhoneAction& a)
{
    OrvShared_Store(CduComSrvPnt, 0x2037);
    if (OrvShared_Load(a.record->Status) != a.status) {
        CDU_TCP_ClearPhoneBit(a.bit);
        return true;
    }
    char* text = CDU_TCP_PrintPhoneAction(a);
    if (text == nullptr) {
        CDU_TCP_ClearPhoneBit(a.bit);
        return true;
    }
    UInt32 len = (UInt32)strlen(text);
    CDU_TCP_SetFrmHeader(FRM_TYPE_SINGLE, FRM_SRV_ICM_BLUETOOTH, FRM_INF_DATA, sessionId, 1, len + 16);
    CDU_TCP_SetBpBinHeader(RPC_TYPE_REQ, RPC_ICM_BLUETOOTH, 0, len);
    bool ok = CDU_TCP_SendWhole(unFrmHdr.unbuf, sizeof(unFrmHdr)) &&
              CDU_TCP_SendWhole(unBpbHdr.unbuf, sizeof(unBpbHdr)) && CDU_TCP_SendWhole(text, len);
    if (ok) CDU_TCP_ClearPhoneBit(a.bit);
    cJSON_free(text);
    return ok;
}

Int08 CDU_TCP_ProcessSendData(void)
{
    OrvShared_Store(CduComSrvPnt, 0x202B);
    // Phone actions ride along with an answer: the head unit sends a heartbeat every few seconds.
    if (requestStatus.value == 0) return 0;

    if (CDU_TCP_HasReq(REQ_SRV_START)) {
        OrvShared_Store(CduComSrvPnt, 0x202C);
        // The session id is drawn once per connection; a repeated start keeps it.
        if (isSrvStart == 0) sessionId = (UInt08)(OrvPlat_GetTickCount() & 0xFF);
        if (!CDU_TCP_SendAnswer(FRM_TYPE_CTRL, FRM_SRV_CDU_AID, FRM_INF_START_ACK, RPC_CDU_SERVICE)) return -1;
        CDU_TCP_ClearReq(REQ_SRV_START);
        isSrvStart = 1;
    } else if (CDU_TCP_HasReq(REQ_SRV_END)) {
        OrvShared_Store(CduComSrvPnt, 0x202D);
        if (!CDU_TCP_SendAnswer(FRM_TYPE_CTRL, FRM_SRV_CDU_AID, FRM_INF_END_ACK, RPC_CDU_SERVICE)) return -1;
        CDU_TCP_ClearReq(REQ_SRV_END);
        return -1;
    }

    // Everything else waits for the service start.
    if (isSrvStart != 1) return 0;

    for (const CduTcpAnswer& a : gCduTcpAnswers) {
        if (!CDU_TCP_HasReq(a.req)) continue;
        if (a.mark != 0) OrvShared_Store(CduComSrvPnt, a.mark);
        if (!CDU_TCP_SendAnswer(a.frmType, a.srv, a.info, a.rpcName)) return -1;
        CDU_TCP_ClearReq(a.req);
    }
    for (const CduTcpPhoneAction& a : gCduTcpPhoneActions) {
        if (!((__atomic_load_n(&BlueToothReqFlag.value, __ATOMIC_SEQ_CST) >> a.bit) & 1u)) continue;
        if (!CDU_TCP_SendPhoneAction(a)) return -1;
    }
    OrvShared_Store(CduComSrvPnt, 0x2037);
    return 0;
}

/* --- one connection -------------------------------------------------------------------------- */

static UInt32 CDU_TCP_NowMs(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (UInt32)((UInt32)ts.tv_sec * 1000u + (UInt32)(ts.tv_nsec / 1000000));
}

// The protocol's own per-connection state; the store has its resets of its own.
static void CDU_TCP_ResetLink(void)
{
    clientSockFd = INVALID_SOCKET;
    requestStatus.value = 0;
    isSrvStart = 0;
    for (Int32& seq : RecvFrmSequence) seq = -1;
}

// The voice assistant falls back to its exit state when the head unit has not reported a state
// for more than 18 s of connection time.
static void CDU_TCP_RecordStateFallBack(UInt32* keepMs, UInt32 loopMs)
{
    if (OrvShared_Load(cduRecordStateUpd) == 1) {
        OrvShared_Store(cduRecordStateUpd, 0);
        *keepMs = 0;
    } else if (OrvShared_Load(CduRecordState) != CduRecord_Exit) {
        if (*keepMs > CDU_TCP_REC_STATE_KEEP_MS) OrvShared_Store(CduRecordState, CduRecord_Exit);
        else *keepMs += loopMs;
    }
}

void CDU_TCP_Serve(SOCKET sockFd, const volatile Int08* quitFlg)
{
    static UInt32 recStateKeep = 0; // kept across connections
    CDU_TCP_ResetLink();
    clientSockFd = sockFd;
    int tickCheck = 0, tckDoubleCheck = 0;
    UInt32 preTick = CDU_TCP_NowMs();
    OrvShared_Store(CduComSrvPnt, 0x2000);

    // A failed accept hands the invalid socket on; poll would skip it and wait, so end at once.
    while (OrvShared_Load(*quitFlg) != 1 && clientSockFd != INVALID_SOCKET) {
        UInt32 currTick = CDU_TCP_NowMs();
        UInt32 loopDuration = currTick - preTick;
        preTick = currTick;
        CDU_TCP_RecordStateFallBack(&recStateKeep, loopDuration);

        OrvShared_Store(CduComSrvPnt, 0x2001);
        struct pollfd pfd = {clientSockFd, POLLIN, 0};
        int ready = poll(&pfd, 1, 1000);
        if (ready < 0) {
            if (errno == EINTR) continue;
            break;
        }
        if (ready == 0) {
            // Nine silent seconds in a row end the connection.
            if (++tickCheck > 2) {
                tickCheck = 0;
                OrvShared_Store(CduComSrvPnt, 0x2013);
                if (++tckDoubleCheck > 2) break;
            }
            continue;
        }
        if (pfd.revents & POLLNVAL) break;
        tickCheck = tckDoubleCheck = 0;

        UInt32 jsonSz = 0, binSz = 0;
        Int32 got = CDU_TCP_ReadFrame(&jsonSz, &binSz, quitFlg);
        if (got == CDU_TCP_FRAME_END) break;
        if (got == CDU_TCP_FRAME_OK) {
            OrvShared_Store(CduComSrvPnt, 0x200E);
            CDU_TCP_ProcessRecvData(jsonData, jsonSz, binData, binSz);
            OrvShared_Store(CduComSrvPnt, 0x200F);
            if (CDU_TCP_ProcessSendData() != 0) break;
            OrvShared_Store(CduComSrvPnt, 0x2010);
        }
        OrvShared_Store(CduComSrvPnt, 0x2012);
    }
    OrvShared_Store(CduComSrvPnt, 0x2014);
    OrvShared_Store(CduComSrvPnt, 0x2016);
    CDU_TCP_ResetLink();
    CDU_TCP_EndServe();
    OrvShared_Store(CduComSrvPnt, 0x2017);
}

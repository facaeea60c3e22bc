// The main-board bus transport over loopback UDP. One datagram is one frame; see the header for the
// wire format. The socket is non-blocking and each poll is bounded, because the worker that calls
// it also runs the frame-entry window and must stay responsive whatever arrives.
#include "Protocol/MainBoard_Bus.h"

#include <arpa/inet.h>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <initializer_list>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/uio.h>
#include <unistd.h>

#include "OrvCfg.h"
#include "Protocol/MainBoard_IIC_App.h"
#include "Protocol/MainBoard_IIC_Sys.h"

namespace {

struct MbBusCounters {
    std::atomic<UInt32> Accepted{0}, RejLength{0}, RejFrame{0}, RejChecksum{0};
    std::atomic<UInt32> Answered{0}, AnswerFailed{0}, Dropped{0};
};

}  // namespace

// Atomic so that another thread may ask whether the bus is open (MB_BUS_IsOpen).
static std::atomic<int> mMbBus_Fd{-1};
static std::atomic<UInt16> mMbBus_Port{0};
static MbBusCounters   mMbBus_Cnt;

static void MB_BUS_ClearCounters(void)
{
    for (std::atomic<UInt32>* c : {&mMbBus_Cnt.Accepted, &mMbBus_Cnt.RejLength, &mMbBus_Cnt.RejFrame,
                                   &mMbBus_Cnt.RejChecksum, &mMbBus_Cnt.Answered,
                                   &mMbBus_Cnt.AnswerFailed, &mMbBus_Cnt.Dropped})
        c->store(0, std::memory_order_relaxed);
}

Int32 MB_BUS_Open(const char* addrText)
{
    MB_BUS_Close();
    MB_BUS_ClearCounters();
    if (addrText == nullptr) addrText = MB_BUS_ConfiguredAddr();
    struct sockaddr_storage addr;
    socklen_t addrLen = 0;
    if (MB_BUS_ParseAddr(addrText, &addr, &addrLen) != 0) return -1;

    int fd = socket(addr.ss_family, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        printf("main-board bus: socket failure (%s)\n", strerror(errno));
        return -1;
    }
    // The kernel then reports, with each datagram, how many it had to drop for a full queue.
    int on = 1;
    setsockopt(fd, SOL_SOCKET, SO_RXQ_OVFL, &on, sizeof on);
    if (bind(fd, reinterpret_cast<struct sockaddr*>(&addr), addrLen) != 0) {
        printf("main-board bus: cannot bind %s (%s)\n", addrText, strerror(errno));
        close(fd);
        return -1;
    }
    struct sockaddr_storage bound;
    socklen_t boundLen = sizeof bound;
    getsockname(fd, reinterpret_cast<struct sockaddr*>(&bound), &boundLen);
    mMbBus_Port = ntohs(bound.ss_family == AF_INET6
                            ? reinterpret_cast<struct sockaddr_in6*>(&bound)->sin6_port
                            : reinterpret_cast<struct sockaddr_in*>(&bound)->sin_port);
    mMbBus_Fd = fd;
    printf("main-board bus: listening on %s (port %u)\n", addrText, (unsigned)mMbBus_Port.load());
    return 0;
}

void MB_BUS_Close(void)
{
    if (mMbBus_Fd >= 0) close(mMbBus_Fd);
    mMbBus_Fd = -1;
    mMbBus_Port = 0;
}

Int08 MB_BUS_IsOpen(void) { return mMbBus_Fd >= 0 ? 1 : 0; }

UInt16 MB_BUS_GetPort(void) { return mMbBus_Port; }

int MB_BUS_GetFd(void) { return mMbBus_Fd; }

static void MB_BUS_Answer(const struct sockaddr_storage* to, socklen_t toLen)
{
    MB_IIC_EncodeData(ID_FRAME_W_0x00);
    UInt08 data[8];
    for (int i = 0; i < 8; i++) data[i] = dstDataBuf[ID_FRAME_W_0x00][i].value;
    UInt08 out[MB_BUS_DGRAM_LEN];
    MB_BUS_PackFrame(ID_FRAME_W_0x00, data, out);
    ssize_t sent = sendto(mMbBus_Fd, out, sizeof out, MSG_DONTWAIT,
                          reinterpret_cast<const struct sockaddr*>(to), toLen);
    if (sent == (ssize_t)sizeof out) mMbBus_Cnt.Answered.fetch_add(1, std::memory_order_relaxed);
    else mMbBus_Cnt.AnswerFailed.fetch_add(1, std::memory_order_relaxed);
}

// Checks, stores and decodes one datagram of len bytes; returns the frame number, or -1.
static int MB_BUS_Take(UInt08* dgram, ssize_t len)
{
    if (len != MB_BUS_DGRAM_LEN) {
        mMbBus_Cnt.RejLength.fetch_add(1, std::memory_order_relaxed);
        return -1;
    }
    UInt08 id = dgram[0];
    if (id >= ID_FRAME_R_NUM) {
        mMbBus_Cnt.RejFrame.fetch_add(1, std::memory_order_relaxed);
        return -1;
    }
    if (MB_IIC_VerifyAndStore(id, dgram + 1) != 0) {
        mMbBus_Cnt.RejChecksum.fetch_add(1, std::memory_order_relaxed);
        return -1;
    }
    MB_IIC_DecodeData(id);
    mMbBus_Cnt.Accepted.fetch_add(1, std::memory_order_relaxed);
    return id;
}

UInt32 MB_BUS_Poll(void)
{
    if (mMbBus_Fd < 0) return 0;
    UInt32 arrived = 0;
    for (int n = 0; n < MB_BUS_MAX_PER_POLL; n++) {
        // One byte more than a frame, so that a longer datagram is seen as too long.
        UInt08 dgram[MB_BUS_DGRAM_LEN + 1];
        struct sockaddr_storage from;
        struct iovec iov = {dgram, sizeof dgram};
        alignas(struct cmsghdr) char control[CMSG_SPACE(sizeof(UInt32))];
        struct msghdr msg = {};
        msg.msg_name = &from;
        msg.msg_namelen = sizeof from;
        msg.msg_iov = &iov;
        msg.msg_iovlen = 1;
        msg.msg_control = control;
        msg.msg_controllen = sizeof control;
        // MSG_TRUNC: the result is the datagram's real length even when it did not fit.
        ssize_t len = recvmsg(mMbBus_Fd, &msg, MSG_DONTWAIT | MSG_TRUNC);
        if (len < 0) {
            if (errno == EINTR) continue;
            break;  // EAGAIN: nothing more waiting; anything else: try again next pass
        }
        for (struct cmsghdr* c = CMSG_FIRSTHDR(&msg); c != nullptr; c = CMSG_NXTHDR(&msg, c)) {
            if (c->cmsg_level == SOL_SOCKET && c->cmsg_type == SO_RXQ_OVFL) {
                UInt32 dropped;
                memcpy(&dropped, CMSG_DATA(c), sizeof dropped);
                mMbBus_Cnt.Dropped.store(dropped, std::memory_order_relaxed);
            }
        }
        int id = MB_BUS_Take(dgram, len);
        if (id < 0) continue;
        arrived |= 1u << id;
        MB_BUS_Answer(&from, msg.msg_namelen);
    }
    return arrived;
}

void MB_BUS_GetStats(MbBusStats* stats)
{
    if (stats == nullptr) return;
    stats->Accepted = mMbBus_Cnt.Accepted.load(std::memory_order_relaxed);
    stats->RejLength = mMbBus_Cnt.RejLength.load(std::memory_order_relaxed);
    stats->RejFrame = mMbBus_Cnt.RejFrame.load(std::memory_order_relaxed);
    stats->RejChecksum = mMbBus_Cnt.RejChecksum.load(std::memory_order_relaxed);
    stats->Answered = mMbBus_Cnt.Answered.load(std::memory_order_relaxed);
    stats->AnswerFailed = mMbBus_Cnt.AnswerFailed.load(std::memory_order_relaxed);
    stats->Dropped = mMbBus_Cnt.Dropped.load(std::memory_order_relaxed);
}

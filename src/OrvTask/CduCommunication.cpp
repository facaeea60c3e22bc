// The head-unit link task. The worker waits for the IPv6 network, listens, and serves one head unit
// at a time with the frame protocol; the monitor watches the listening socket and breaks the
// connection being served when another head unit has been waiting for about 4 s.
//
// The listening address is deployment configuration: the IPv6 loopback ::1 port 8090 unless the
// environment variable CLUSTER_HU_ADDR names another, as "ADDR", "ADDR%ZONE", "[ADDR%ZONE]" or
// "[ADDR%ZONE]:PORT" (for example "[fe80::1%eth0]:8090" for the interface a head unit is on).
#include "OrvTask/CduCommunication.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include "OrvTask/OrvTaskBase.h"
#include "Protocol/Cdu_TCP.h"
#include "Protocol/Cdu_TCP_App.h"

volatile Int08  globIpv6_NetworkInstalled = 0;
volatile UInt32 CduComSrvPnt = 0;

static OrvTaskBase mCduc_Task = ORV_TASK_BASE_INIT(3000);
static pthread_t   mCduc_Task_SelfMoniter;

static volatile SOCKET srvSocket = INVALID_SOCKET;
static volatile SOCKET clnSocket = INVALID_SOCKET;
// Guards clnSocket between the worker, which closes it, and the monitor, which shuts it down: the
// monitor must never act on a descriptor number the worker has already given back.
static pthread_mutex_t mCduc_Task_SockMutex = PTHREAD_MUTEX_INITIALIZER;
static volatile UInt16 mCduc_Task_Port = 0;

static const UInt32 CDUC_WAIT_US = 200000;
static const int    CDUC_MONITOR_CHECKS = 20;

Int08 CDUC_Task_ListenAddress(char* host, UInt32 hostSize, char* port, UInt32 portSize)
{
    if (host == nullptr || port == nullptr || hostSize == 0 || portSize == 0) return 0;
    snprintf(host, hostSize, "%s", "::1");
    snprintf(port, portSize, "%s", "8090");
    const char* env = getenv("CLUSTER_HU_ADDR");
    if (env == nullptr || *env == 0) return 1;
    if (env[0] != '[') {
        if (strlen(env) >= hostSize) return 0;
        snprintf(host, hostSize, "%s", env);
        return 1;
    }
    const char* close = strchr(env, ']');
    if (close == nullptr || (UInt32)(close - env - 1) >= hostSize || close == env + 1) return 0;
    snprintf(host, hostSize, "%.*s", (int)(close - env - 1), env + 1);
    if (close[1] == 0) return 1;
    if (close[1] != ':' || close[2] == 0 || strlen(close + 2) >= portSize) return 0;
    snprintf(port, portSize, "%s", close + 2);
    return 1;
}

UInt16 CDUC_Task_ListenPort(void) { return OrvShared_Load(mCduc_Task_Port); }

// Opens the listening socket on the configured address; INVALID_SOCKET on any failure.
static SOCKET CDUC_Task_OpenServer(void)
{
    char host[128], port[16];
    if (!CDUC_Task_ListenAddress(host, sizeof(host), port, sizeof(port))) {
        printf("head-unit link: bad CLUSTER_HU_ADDR\n");
        return INVALID_SOCKET;
    }
    SOCKET s = socket(AF_INET6, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET) return INVALID_SOCKET;
    // A restarted cluster must be able to listen again at once while old connections linger.
    int one = 1;
    setsockopt(s, SOL_SOCKET, SO_REUSEADDR, &one, sizeof(one));
    fcntl(s, F_SETFD, FD_CLOEXEC);

    struct addrinfo hints;
    memset(&hints, 0, sizeof(hints));
    hints.ai_flags = AI_PASSIVE;
    hints.ai_family = AF_INET6;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_protocol = IPPROTO_TCP;
    struct addrinfo* res = nullptr;
    if (getaddrinfo(host, port, &hints, &res) != 0 || res == nullptr) {
        printf("head-unit link: cannot resolve [%s]:%s\n", host, port);
        close(s);
        return INVALID_SOCKET;
    }
    bool ok = bind(s, res->ai_addr, res->ai_addrlen) == 0 && listen(s, 2) == 0;
    freeaddrinfo(res);
    if (!ok) {
        printf("head-unit link: cannot listen on [%s]:%s: %s\n", host, port, strerror(errno));
        close(s);
        return INVALID_SOCKET;
    }
    struct sockaddr_in6 bound;
    socklen_t len = sizeof(bound);
    if (getsockname(s, (struct sockaddr*)&bound, &len) == 0) OrvShared_Store(mCduc_Task_Port, ntohs(bound.sin6_port));
    printf("head-unit link: listening on [%s]:%u\n", host, (unsigned)OrvShared_Load(mCduc_Task_Port));
    return s;
}

// Waits at most 1 s for a connection on the listening socket: 1 one is waiting, 0 none, -1 failed.
static int CDUC_Task_WaitConnection(void)
{
    struct pollfd pfd = {OrvShared_Load(srvSocket), POLLIN, 0};
    int n = poll(&pfd, 1, 1000);
    if (n < 0) return errno == EINTR ? 0 : -1;
    if (n > 0 && (pfd.revents & (POLLERR | POLLNVAL))) return -1;
    return n > 0 ? 1 : 0;
}

static void CDUC_Task_CloseClient(void)
{
    pthread_mutex_lock(&mCduc_Task_SockMutex);
    if (clnSocket != INVALID_SOCKET) close(clnSocket);
    clnSocket = INVALID_SOCKET;
    pthread_mutex_unlock(&mCduc_Task_SockMutex);
}

static void CDUC_Task_ServeOne(void)
{
    struct sockaddr_in6 peer;
    socklen_t peerLen = sizeof(peer); // 28 bytes; the peer address is not used further
    SOCKET s = accept(OrvShared_Load(srvSocket), (struct sockaddr*)&peer, &peerLen);
    if (s != INVALID_SOCKET) {
        int nonBlocking = 1;
        ioctl(s, FIONBIO, &nonBlocking);
        fcntl(s, F_SETFD, FD_CLOEXEC);
        // Answers go out as two small sends (frame header, BP header): without this, Nagle holds
        // the second until the head unit's delayed acknowledgement, some 40 ms per answer.
        int one = 1;
        setsockopt(s, IPPROTO_TCP, TCP_NODELAY, &one, sizeof(one));
    }
    pthread_mutex_lock(&mCduc_Task_SockMutex);
    clnSocket = s;
    pthread_mutex_unlock(&mCduc_Task_SockMutex);
    // A failed accept hands the invalid socket on: its first wait fails and the service ends.
    CDU_TCP_SetInitialValue();
    CDU_TCP_Serve(s, &mCduc_Task.Stop);
    CDU_TCP_EndServe();
    CDUC_Task_CloseClient();
}

static void* CDUC_Task_TcpService(void*)
{
    OrvShared_Store(CduComSrvPnt, 0x1000);
    CDU_TCP_SetInitialValue();
    OrvShared_Store(CduComSrvPnt, 0x1001);
    while (OrvShared_Load(globIpv6_NetworkInstalled) == 0) {
        if (OrvTaskBase_StopRequested(&mCduc_Task)) return nullptr; // the quit semaphore is not posted here
        OrvPlat_SleepUs(CDUC_WAIT_US);
    }

    SOCKET s = CDUC_Task_OpenServer();
    if (s != INVALID_SOCKET) {
        OrvShared_Store(srvSocket, s);
        while (!OrvTaskBase_StopRequested(&mCduc_Task)) {
            int ready = CDUC_Task_WaitConnection();
            if (ready < 0) {
                OrvTaskBase_TryStop(&mCduc_Task);
                break;
            }
            if (ready > 0) CDUC_Task_ServeOne();
        }
        CDUC_Task_CloseClient();
        OrvShared_Store(srvSocket, INVALID_SOCKET);
        close(s);
        OrvShared_Store(mCduc_Task_Port, 0);
    }
    OrvTaskBase_WorkerEnded(&mCduc_Task);
    return nullptr;
}

// Breaks the connection being served. shutdown, not close: the worker is still reading from the
// socket and closes it itself once its service has ended.
static void CDUC_Task_BreakClient(void)
{
    pthread_mutex_lock(&mCduc_Task_SockMutex);
    if (clnSocket != INVALID_SOCKET) {
        printf("head-unit link: another head unit waits, closing the connection being served\n");
        shutdown(clnSocket, SHUT_RDWR);
    }
    pthread_mutex_unlock(&mCduc_Task_SockMutex);
}

static void* CDUC_Task_Monitor(void*)
{
    while (OrvShared_Load(srvSocket) == INVALID_SOCKET) {
        if (OrvTaskBase_StopRequested(&mCduc_Task)) return nullptr;
        OrvPlat_SleepUs(CDUC_WAIT_US);
    }
    unsigned tick = 0;
    while (!OrvTaskBase_StopRequested(&mCduc_Task)) {
        if (OrvShared_Load(srvSocket) == INVALID_SOCKET) break; // the worker has closed the server
        int ready = CDUC_Task_WaitConnection();
        if (ready < 0) {
            OrvTaskBase_TryStop(&mCduc_Task);
            break;
        }
        if (ready == 0) {
            tick = 0;
        } else if (tick < (unsigned)CDUC_MONITOR_CHECKS) {
            tick += 1;
            OrvPlat_SleepUs(CDUC_WAIT_US);
        } else {
            CDUC_Task_BreakClient();
            OrvPlat_SleepMs(400);
        }
    }
    return nullptr;
}

Int08 CDUC_Task_Init(void) { return OrvTaskBase_Init(&mCduc_Task, nullptr); }
Int08 CDUC_Task_DeInit(void) { return OrvTaskBase_DeInit(&mCduc_Task, nullptr); }
Int08 CDUC_Task_GetState(void) { return (Int08)mCduc_Task.State; }
void  CDUC_Task_Excute(void)
{
    OrvTaskBase_Excute(&mCduc_Task, CDUC_Task_TcpService, CDUC_Task_Monitor, &mCduc_Task_SelfMoniter);
}
Int08 CDUC_Task_PostRequest(void*) { return 1; }
void  CDUC_Task_Stop(void) { OrvTaskBase_Stop(&mCduc_Task); }
void  CDUC_Task_TryStop(void) { OrvTaskBase_TryStop(&mCduc_Task); }
void  CDUC_Task_BeatDog(void) {}
Int08 CDUC_Task_IsDogAlive(void) { return 1; }

const OrvTask gCduCommunication = {
    CDUC_Task_Init, CDUC_Task_DeInit, CDUC_Task_GetState, CDUC_Task_Excute, CDUC_Task_PostRequest,
    CDUC_Task_Stop, CDUC_Task_TryStop, CDUC_Task_BeatDog, CDUC_Task_IsDogAlive,
};

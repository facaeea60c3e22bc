// Main-board bus datagrams through the real UDP socket on the loopback: the input is a list of
// datagrams, each one length byte and that many bytes. The answers are read back and checked.
#include <arpa/inet.h>
#include <cstdint>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "Protocol/MainBoard_Bus.h"
#include "Protocol/MainBoard_IIC_App.h"

static int mFuzz_Peer = -1;
static struct sockaddr_in6 mFuzz_Bus;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    MB_IIC_SetInitialValue();
    if (MB_BUS_Open("[::1]:0") != 0) return 0;
    memset(&mFuzz_Bus, 0, sizeof mFuzz_Bus);
    mFuzz_Bus.sin6_family = AF_INET6;
    mFuzz_Bus.sin6_addr = in6addr_loopback;
    mFuzz_Bus.sin6_port = htons(MB_BUS_GetPort());
    mFuzz_Peer = socket(AF_INET6, SOCK_DGRAM, 0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (mFuzz_Peer < 0) __builtin_trap(); // the bus did not open: nothing would be tested
    int sent = 0;
    while (size > 0 && sent < MB_BUS_MAX_PER_POLL) {
        size_t len = data[0];
        data++, size--;
        if (len > size) len = size;
        sendto(mFuzz_Peer, data, len, 0, (const struct sockaddr*)&mFuzz_Bus, sizeof mFuzz_Bus);
        data += len, size -= len;
        sent++;
    }
    UInt32 accepted = MB_BUS_Poll();
    // Every accepted frame is answered with one datagram of the wire length.
    for (UInt32 bits = accepted; bits != 0; bits &= bits - 1) {
        struct pollfd pfd = {mFuzz_Peer, POLLIN, 0};
        if (poll(&pfd, 1, 1000) != 1) __builtin_trap();
        uint8_t answer[64];
        if (recv(mFuzz_Peer, answer, sizeof answer, 0) != MB_BUS_DGRAM_LEN) __builtin_trap();
    }
    uint8_t drain[64];
    while (recv(mFuzz_Peer, drain, sizeof drain, MSG_DONTWAIT) > 0) {}
    return 0;
}

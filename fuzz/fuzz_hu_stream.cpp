// The head-unit link as a peer sees it: the input is the byte stream a head unit sends on one
// connection. It goes through the real frame reader, dispatch, service decoders and answers on a
// local socket pair; the connection ends when the stream does.
#include <cstdint>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include "FuzzCommon.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Fuzz_InitHeadUnitLink();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    int fds[2];
    if (socketpair(AF_UNIX, SOCK_STREAM, 0, fds) != 0) return 0;
    int big = 4 << 20;
    setsockopt(fds[0], SOL_SOCKET, SO_SNDBUF, &big, sizeof big);
    setsockopt(fds[1], SOL_SOCKET, SO_RCVBUF, &big, sizeof big);
    setsockopt(fds[1], SOL_SOCKET, SO_SNDBUF, &big, sizeof big);
    size_t sent = 0;
    while (sent < size) {
        ssize_t n = send(fds[0], data + sent, size - sent, MSG_NOSIGNAL);
        if (n <= 0) break;
        sent += (size_t)n;
    }
    shutdown(fds[0], SHUT_WR); // the head unit has said everything: the link reads up to here
    fcntl(fds[1], F_SETFL, fcntl(fds[1], F_GETFL) | O_NONBLOCK);
    volatile Int08 quit = 0;
    CDU_TCP_SetInitialValue();
    CDU_TCP_Serve(fds[1], &quit);
    close(fds[0]);
    close(fds[1]);
    return 0;
}

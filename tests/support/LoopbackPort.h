/* Ports of the IPv6 loopback for tests that run a bus or a link of their own. */
#ifndef LOOPBACK_PORT_H
#define LOOPBACK_PORT_H

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

/* Binds a loopback UDP socket to the port (0: any free one) and closes it again; the port it
 * bound, or -1 when the port is taken. */
inline int LoopbackUdpBind(int port)
{
    int fd = socket(AF_INET6, SOCK_DGRAM, 0);
    if (fd < 0) return -1;
    sockaddr_in6 a{};
    a.sin6_family = AF_INET6;
    a.sin6_addr = in6addr_loopback;
    a.sin6_port = htons((uint16_t)port);
    socklen_t len = sizeof a;
    int bound = -1;
    if (bind(fd, (sockaddr*)&a, sizeof a) == 0 && getsockname(fd, (sockaddr*)&a, &len) == 0)
        bound = ntohs(a.sin6_port);
    close(fd);
    return bound;
}

/* A loopback UDP port that was free a moment ago. */
inline int LoopbackFreeUdpPort() { return LoopbackUdpBind(0); }

#endif

// The desktop's network bring-up: a small thread checks once a second whether an IPv6 socket can
// be bound to the head-unit link's address (port 0, so it never takes the real port) and raises
// the flag on the first success. On the car the network stack's own bring-up does this; on a
// desktop the loopback is there at once, a link-local address once its interface is up.
#include "platform/OrvPlatform.h"
#include "lib/OrvShared.h"

#include <cstdio>
#include <cstring>
#include <netdb.h>
#include <pthread.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

namespace {
struct NetBringUp {
    std::string     host;
    volatile Int08* flag;
};
}

Int08 OrvPlat_Ipv6Usable(const char* host)
{
    struct addrinfo hints;
    memset(&hints, 0, sizeof(hints));
    // Numeric only: the check must never wait for a name server.
    hints.ai_flags = AI_PASSIVE | AI_NUMERICHOST;
    hints.ai_family = AF_INET6;
    hints.ai_socktype = SOCK_STREAM;
    struct addrinfo* res = nullptr;
    if (getaddrinfo(host, "0", &hints, &res) != 0 || res == nullptr) return 0;
    int s = socket(AF_INET6, SOCK_STREAM, 0);
    Int08 ok = s >= 0 && bind(s, res->ai_addr, res->ai_addrlen) == 0;
    if (s >= 0) close(s);
    freeaddrinfo(res);
    return ok;
}

static void* OrvPlat_NetworkBringUp(void* argv)
{
    NetBringUp* job = (NetBringUp*)argv;
    bool told = false;
    while (!OrvPlat_Ipv6Usable(job->host.c_str())) {
        if (!told) printf("IPv6 network: waiting for %s\n", job->host.c_str());
        told = true;
        OrvPlat_SleepMs(1000);
    }
    printf("IPv6 network: %s usable\n", job->host.c_str());
    OrvShared_Store(*job->flag, 1);
    delete job;
    return nullptr;
}

void OrvPlat_StartNetworkBringUp(const char* host, volatile Int08* flag)
{
    NetBringUp* job = new NetBringUp{host ? host : "::1", flag};
    pthread_t thread;
    if (pthread_create(&thread, nullptr, OrvPlat_NetworkBringUp, job) != 0) {
        delete job;
        return;
    }
    pthread_detach(thread);
}

// Wire helpers of the main-board bus, shared by the transport and by the tools that speak to it:
// the address text, the checksum and the datagram layout. No socket is opened here.
#include "Protocol/MainBoard_Bus.h"

#include <arpa/inet.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <netdb.h>
#include <netinet/in.h>

static bool MB_BUS_IsLoopback(const struct sockaddr* sa)
{
    if (sa->sa_family == AF_INET) {
        const auto* in = reinterpret_cast<const struct sockaddr_in*>(sa);
        return (ntohl(in->sin_addr.s_addr) >> 24) == 127;
    }
    if (sa->sa_family == AF_INET6) {
        const auto* in6 = reinterpret_cast<const struct sockaddr_in6*>(sa);
        if (IN6_IS_ADDR_LOOPBACK(&in6->sin6_addr)) return true;
        // ::ffff:127.x.y.z, the IPv4 loopback seen through an IPv6 socket.
        return IN6_IS_ADDR_V4MAPPED(&in6->sin6_addr) && in6->sin6_addr.s6_addr[12] == 127;
    }
    return false;
}

// Splits "[host]:port", "host:port" (one colon only), "host" or "port" into its parts.
static bool MB_BUS_SplitAddr(const char* text, char* host, size_t hostSize, char* port, size_t portSize)
{
    const char* colon = strrchr(text, ':');
    const char* hostBegin = text;
    size_t hostLen = 0;
    const char* portText = nullptr;
    if (text[0] == '[') {
        const char* close = strchr(text, ']');
        if (close == nullptr) return false;
        hostBegin = text + 1;
        hostLen = (size_t)(close - hostBegin);
        if (close[1] == ':') portText = close + 2;
        else if (close[1] != '\0') return false;
    } else if (colon != nullptr && strchr(text, ':') == colon) {
        hostLen = (size_t)(colon - text);
        portText = colon + 1;
    } else if (colon != nullptr) {
        hostLen = strlen(text);  // a bare IPv6 address
    } else if (strspn(text, "0123456789") == strlen(text)) {
        portText = text;  // a bare port: the IPv6 loopback
        hostBegin = "::1";
        hostLen = 3;
    } else {
        hostLen = strlen(text);
    }
    if (hostLen == 0 || hostLen >= hostSize) return false;
    memcpy(host, hostBegin, hostLen);
    host[hostLen] = '\0';
    if (portText == nullptr) snprintf(port, portSize, "%d", MB_BUS_DEFAULT_PORT);
    else if (portText[0] == '\0' || strlen(portText) >= portSize ||
             strspn(portText, "0123456789") != strlen(portText) || atol(portText) > 65535)
        return false;
    else snprintf(port, portSize, "%s", portText);
    if (strcmp(host, "localhost") == 0) snprintf(host, hostSize, "::1");
    return true;
}

Int32 MB_BUS_ParseAddr(const char* text, struct sockaddr_storage* addr, socklen_t* addrLen)
{
    char host[64];
    char port[8];
    if (text == nullptr || addr == nullptr || addrLen == nullptr ||
        !MB_BUS_SplitAddr(text, host, sizeof host, port, sizeof port)) {
        printf("main-board bus: bad address \"%s\"\n", text ? text : "");
        return -1;
    }
    struct addrinfo hints = {};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_DGRAM;
    hints.ai_flags = AI_NUMERICHOST | AI_NUMERICSERV;
    struct addrinfo* found = nullptr;
    if (getaddrinfo(host, port, &hints, &found) != 0 || found == nullptr) {
        printf("main-board bus: bad address \"%s\"\n", text);
        return -1;
    }
    Int32 result = -1;
    if (!MB_BUS_IsLoopback(found->ai_addr)) {
        printf("main-board bus: refusing non-loopback address \"%s\"\n", text);
    } else {
        memset(addr, 0, sizeof *addr);
        memcpy(addr, found->ai_addr, found->ai_addrlen);
        *addrLen = (socklen_t)found->ai_addrlen;
        result = 0;
    }
    freeaddrinfo(found);
    return result;
}

const char* MB_BUS_ConfiguredAddr(void)
{
    const char* env = getenv(MB_BUS_ENV_ADDR);
    return (env != nullptr && env[0] != '\0') ? env : MB_BUS_DEFAULT_ADDR;
}

UInt08 MB_BUS_Checksum(UInt08 frameId, const UInt08* data8)
{
    unsigned sum = frameId;
    for (int i = 0; i < 8; i++) sum += data8[i];
    return (UInt08)(sum & 0xFF);
}

void MB_BUS_PackFrame(UInt08 frameId, const UInt08* data8, UInt08 out[MB_BUS_DGRAM_LEN])
{
    out[0] = frameId;
    memcpy(out + 1, data8, 8);
    out[9] = MB_BUS_Checksum(frameId, data8);
}


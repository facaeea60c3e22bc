/* The cluster's own head-unit link started inside this process, for tests and benchmarks that
 * play a head unit against the real task: the link listens on an ephemeral port of the IPv6
 * loopback, so runs never collide with a cluster already listening on 8090. */
#ifndef HU_SIM_LOCAL_LINK_H
#define HU_SIM_LOCAL_LINK_H

#include <cstdint>

#include "HuSimClient.h"

/* Initialises and starts gCduCommunication on [::1]:0 with the network raised; returns the port it
 * listens on, or 0 when it did not listen within timeoutMs. */
uint16_t HuSim_StartLocalLink(int timeoutMs);
/* Connects to the local link and opens a service session: sends the start frame and reads its
 * acknowledgement into *ack. Returns the connected socket, or -1 (nothing left open). */
int HuSim_OpenSession(uint16_t port, HuSimFrame* ack);

#endif

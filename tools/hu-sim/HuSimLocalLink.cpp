#include "HuSimLocalLink.h"

#include <chrono>
#include <cstdlib>
#include <thread>
#include <unistd.h>

#include "OrvTask/CduCommunication.h"

uint16_t HuSim_StartLocalLink(int timeoutMs)
{
    setenv("CLUSTER_HU_ADDR", "[::1]:0", 1);
    OrvShared_Store(globIpv6_NetworkInstalled, 1);
    gCduCommunication.Init();
    gCduCommunication.Excute();
    for (int waited = 0; waited < timeoutMs && CDUC_Task_ListenPort() == 0; waited += 10)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return CDUC_Task_ListenPort();
}

int HuSim_OpenSession(uint16_t port, HuSimFrame* ack)
{
    int fd = HuSim_Connect("::1", port);
    if (fd < 0) return -1;
    if (!HuSim_SendFrame(fd, HuSim_StartFrame(1)) || HuSim_ReadFrame(fd, ack, 2000) != 1) {
        close(fd);
        return -1;
    }
    return fd;
}

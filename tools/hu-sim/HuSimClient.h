/* The head unit's side of the link, for the simulator and the tests: building frames (including
 * deliberately odd ones), connecting to the cluster, sending, and reading the frames the cluster
 * sends back. Plain blocking sockets with time-outs; loopback only in practice. */
#ifndef HU_SIM_CLIENT_H
#define HU_SIM_CLIENT_H

#include <cstdint>
#include <string>
#include <vector>

#include "BaseTypes.h"

/* One frame as it travels. dataSize and jsonSize are normally derived from json and bin; set the
 * overrides to send a frame that lies about its sizes. A frame with noBpHeader carries only
 * `raw` after the frame header (a short frame). */
struct HuSimFrame {
    uint8_t              frmType = FRM_TYPE_SINGLE;
    uint8_t              srvType = 0;
    uint8_t              frmInfo = FRM_INF_DATA;
    uint8_t              sessionId = 0;
    uint8_t              frmId = 1;
    uint8_t              rpcType = RPC_TYPE_REQ;
    uint32_t             rpcName = 0;
    uint32_t             msgNo = 0;
    std::string          json;
    std::vector<uint8_t> bin;
    bool                 noBpHeader = false;
    std::vector<uint8_t> raw;
    int64_t              dataSizeOverride = -1;
    int64_t              jsonSizeOverride = -1;
};

/* The bytes of a frame. */
std::vector<uint8_t> HuSim_FrameBytes(const HuSimFrame& f);
/* Parses a complete frame from bytes (header, BP header, JSON, binary); false if they do not hold one. */
bool HuSim_ParseFrame(const std::vector<uint8_t>& bytes, HuSimFrame* out);

/* The link's own control frames. */
HuSimFrame HuSim_StartFrame(uint32_t msgNo);
HuSimFrame HuSim_EndFrame(uint32_t msgNo);
HuSimFrame HuSim_HeartBeatFrame(uint32_t msgNo);
/* A data frame of a head-unit service (FRM_SRV_CDU_*), with its matching call name. */
HuSimFrame HuSim_DataFrame(uint8_t srvType, const std::string& json, const std::vector<uint8_t>& bin, uint32_t msgNo);

/* Service names of the command line and the scenario files ("music", "nav", ...): srv type, or -1. */
int HuSim_ServiceByName(const std::string& name);
/* Call name of a head-unit service. */
uint32_t HuSim_RpcNameOf(uint8_t srvType);
/* One line that describes a frame: type, service, information, session, call, and the JSON. */
std::string HuSim_Describe(const HuSimFrame& f);

/* Connects over TCP (IPv6 or IPv4 host text, port number); -1 on failure. */
int HuSim_Connect(const std::string& host, uint16_t port);
/* Sends all bytes; false when the connection failed. */
bool HuSim_SendAll(int fd, const uint8_t* data, size_t len);
bool HuSim_SendFrame(int fd, const HuSimFrame& f);
/* Reads one frame within timeoutMs: 1 read, 0 nothing arrived in time, -1 the connection closed
 * or failed (a frame cut by the close also gives -1). */
int HuSim_ReadFrame(int fd, HuSimFrame* out, int timeoutMs);
/* Waits until the cluster closes the connection: true when it did within timeoutMs. Frames that
 * arrive meanwhile are skipped. */
bool HuSim_WaitClosed(int fd, int timeoutMs);

#endif

// Benchmark of the upgrade transfer: a 64 MB package in 1 MB pieces over a loopback connection
// to the real link task, each piece acknowledged, up to the acknowledgement of the last piece,
// which follows the file's MD5 check. Prints the transfer rate in MB/s and the share of the final
// check; asserts nothing. The package files go to a temporary folder (CLUSTER_OTA_ROOT).
//
//   bench_ota_transfer [MEGABYTES]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "HuSimClient.h"
#include "HuSimLocalLink.h"
#include "HuSimUpgrade.h"
#include "OrvTask/CduCommunication.h"
#include "Protocol/Cdu_TCP.h"
#include "Protocol/Cdu_TCP_App.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double>(b - a).count(); }

// Reads frames until the data acknowledgement of the upgrade service.
bool WaitUpgradeAck(int fd)
{
    HuSimFrame f;
    while (HuSim_ReadFrame(fd, &f, 30000) == 1)
        if (f.frmInfo == FRM_INF_DATA_ACK && f.srvType == FRM_SRV_CDU_UPGRADE) return true;
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    setvbuf(stdout, nullptr, _IOLBF, 0);
    const size_t megabytes = argc > 1 ? (size_t)atoi(argv[1]) : 64;
    const size_t piece = 1 << 20;

    char root[] = "/tmp/ota_bench_XXXXXX";
    if (mkdtemp(root) == nullptr) return 1;
    setenv("CLUSTER_OTA_ROOT", root, 1);
    std::string keyDir = std::string(root) + "/root";
    mkdir(keyDir.c_str(), 0755);
    mkdir((keyDir + "/app").c_str(), 0755);
    char pubPath[600], pkgPath[600], sigPath[600];
    CDU_TCP_OtaPath(OTA_PATH_PUBKEY, pubPath, sizeof(pubPath));
    CDU_TCP_OtaPath(OTA_PATH_PACKAGE, pkgPath, sizeof(pkgPath));
    CDU_TCP_OtaPath(OTA_PATH_SIGN, sigPath, sizeof(sigPath));
    std::string privPath = std::string(root) + "/private.pem";
    if (!HuSim_MakeRsaKeyPair(2048, privPath, pubPath)) {
        printf("cannot make a key pair\n");
        return 1;
    }

    std::vector<uint8_t> package(megabytes * piece);
    uint32_t x = 12345;
    for (uint8_t& b : package) b = (uint8_t)((x = x * 1664525u + 1013904223u) >> 24);
    std::string md5 = HuSim_Md5Hex(package.data(), package.size());
    std::vector<uint8_t> sign = HuSim_SignMd5Text(privPath, md5);
    std::vector<HuSimFrame> frames =
        HuSim_UpgradeFrames(HuSim_UpgradeAnnouncement(md5, (uint32_t)package.size(), sign), package, piece, 2);
    printf("package: %zu MB in %zu frames of at most 1 MB\n", megabytes, frames.size());

    HuSimFrame f;
    int fd = HuSim_OpenSession(HuSim_StartLocalLink(3000), &f);
    if (fd < 0) {
        printf("link: cannot start a session\n");
        return 1;
    }

    auto t0 = Clock::now();
    auto tLast = t0;
    for (size_t i = 0; i < frames.size(); i++) {
        if (i + 1 == frames.size()) tLast = Clock::now();
        if (!HuSim_SendFrame(fd, frames[i]) || !WaitUpgradeAck(fd)) {
            printf("link: lost the connection at frame %zu\n", i);
            return 1;
        }
    }
    auto t1 = Clock::now();
    double secs = Seconds(t0, t1);
    printf("transfer: %.3f s, %.1f MB/s (MB = 10^6 bytes), last piece with the MD5 check %.3f s\n", secs,
           (double)package.size() / 1e6 / secs, Seconds(tLast, t1));
    printf("result: OtaState %u (%s), RecvSize %u\n", (unsigned)OtaState,
           OtaState == OTA_TRANSFER_SUCC ? "OTA_TRANSFER_SUCC" : "not a success", (unsigned)UpgradeInfo.RecvSize);
    bool ok = OtaState == OTA_TRANSFER_SUCC;

    HuSim_SendFrame(fd, HuSim_EndFrame(9999999));
    HuSim_WaitClosed(fd, 2000);
    close(fd);
    gCduCommunication.Stop();
    gCduCommunication.DeInit();
    unlink(pkgPath);
    unlink(sigPath);
    unlink(pubPath);
    unlink(privPath.c_str());
    rmdir((std::string(root) + "/data/ota_download").c_str());
    rmdir((std::string(root) + "/data").c_str());
    rmdir((keyDir + "/app").c_str());
    rmdir(keyDir.c_str());
    rmdir(root);
    return ok ? 0 : 1;
}

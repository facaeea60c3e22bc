// Steps the fuzz targets and the seed writer share: the order in which an input picks a head-unit
// service, the head-unit link set up in a private folder, and inputs handed to loaders that read
// files.
#ifndef FUZZ_COMMON_H
#define FUZZ_COMMON_H

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "Protocol/Cdu_TCP.h"
#include "Protocol/Cdu_TCP_App.h"

/* The head-unit services in the order the first byte of a fuzz_cdu_decode input picks them. */
static const UInt08 kFuzz_CduServices[] = {
    FRM_SRV_CDU_NAVIGATION, FRM_SRV_CDU_MUSIC,        FRM_SRV_CDU_RADIO,
    FRM_SRV_CDU_BLUETOOTH,  FRM_SRV_CDU_WEATHER,      FRM_SRV_CDU_ACCOUNT,
    FRM_SRV_CDU_NOTIFICATION, FRM_SRV_CDU_NETRADIO,   FRM_SRV_CDU_UPGRADE,
};

/* Sets the head-unit link to its initial state, with upgrade packages landing in a folder of this
 * process, never under /data. */
inline void Fuzz_InitHeadUnitLink()
{
    std::string root = "/tmp/orv_fuzz_ota_" + std::to_string(getpid());
    setenv("CLUSTER_OTA_ROOT", root.c_str(), 1);
    CDU_TCP_SetInitialValue();
}

/* Writes the input to the file /tmp/orv_fuzz_PID.EXT of this process and returns its path, or an
 * empty path when it cannot be written: the picture and model loaders read files. */
inline std::string Fuzz_InputFile(const uint8_t* data, size_t size, const char* ext)
{
    std::string path = "/tmp/orv_fuzz_" + std::to_string(getpid()) + "." + ext;
    FILE* fp = fopen(path.c_str(), "wb");
    if (fp == nullptr) return "";
    fwrite(data, 1, size, fp);
    fclose(fp);
    return path;
}

#endif

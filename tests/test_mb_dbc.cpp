// The DBC file of mb-sim read by another tool: canmatrix (Debian's python3-canmatrix) decodes
// frames that the signal table encodes, and must read for every signal the value that the
// cluster's own decoder stores from the same bytes. Skipped only where canmatrix is missing.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "Protocol/MainBoard_IIC_App.h"
#include "Protocol/MainBoard_IIC_Sys.h"
#include "Protocol/MainBoard_Signals.h"
#include "SignalDoc.h"

namespace {

std::string Hex(const UInt08* d)
{
    char buf[17];
    for (int k = 0; k < 8; ++k) snprintf(buf + 2 * k, 3, "%02X", d[k]);
    return buf;
}

// Runs a command, returns its exit status and what it printed.
int RunCommand(const std::string& command, std::string* output)
{
    FILE* p = popen((command + " 2>&1").c_str(), "r");
    if (p == nullptr) return -1;
    char buf[512];
    while (fgets(buf, sizeof buf, p) != nullptr) *output += buf;
    int status = pclose(p);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

TEST(Dbc, CanmatrixReadsWhatTheDecoderStoresForEverySignal)
{
    std::string probe;
    if (RunCommand("/usr/bin/python3 -c 'import canmatrix.formats'", &probe) != 0)
        GTEST_SKIP() << "python3-canmatrix cannot be imported by /usr/bin/python3 (apt-get install python3-canmatrix): "
                     << probe;

    const UInt32 base = 0x6A0;  // not the default, so that the base is seen to be applied
    char dbcPath[] = "/tmp/mb-dbc-XXXXXX";
    char casePath[] = "/tmp/mb-dbc-cases-XXXXXX";
    int dbcFd = mkstemp(dbcPath), caseFd = mkstemp(casePath);
    ASSERT_GE(dbcFd, 0);
    ASSERT_GE(caseFd, 0);
    FILE* dbc = fdopen(dbcFd, "w");
    SignalDoc_WriteDbc(dbc, base);
    fclose(dbc);

    // The lowest, the highest and a middle value of each signal, each in a frame of its own; the
    // expected value is what the decoder stored, not what the table says.
    FILE* cases = fdopen(caseFd, "w");
    for (UInt16 i = 0; i < MB_SIG_Count(); ++i) {
        const MbSignal* sig = MB_SIG_At(i);
        if (sig->Get == nullptr) continue;
        long mid = sig->Min + ((sig->Max - sig->Min) / 2 / sig->Factor) * sig->Factor;
        for (long v : {(long)sig->Min, mid, (long)sig->Max}) {
            UInt08 frames[ID_FRAME_R_NUM][8] = {};
            const char* why = "";
            if (MB_SIG_Set(sig, v, frames, &why) < 0) continue;  // a value between the steps of a bit set
            memset(srcDataBuf, 0, sizeof srcDataBuf);
            MB_IIC_SetInitialValue();
            ChargingState = CHARGE_CHARGING;
            for (UInt08 id = 0; id < ID_FRAME_R_NUM; ++id) memcpy(srcDataBuf[id], frames[id], 8);
            MB_IIC_DecodeData(sig->Frame);
            MB_IIC_DecodeData(sig->DecodedBy);
            std::string parts;
            for (int k = 0; k < sig->PartNum; ++k) parts += " " + SignalDoc_DbcName(sig, sig->PartNum > 1 ? k : -1);
            fprintf(cases, "%u %s %ld %s%s\n", (unsigned)(base + sig->Frame), Hex(frames[sig->Frame]).c_str(),
                    sig->Get(), sig->Name, parts.c_str());
        }
    }
    fclose(cases);

    std::string out;
    int status = RunCommand(std::string("/usr/bin/python3 ") + DBC_CROSSCHECK + " " + dbcPath + " " + casePath, &out);
    EXPECT_EQ(status, 0) << out;
    unlink(dbcPath);
    unlink(casePath);
}

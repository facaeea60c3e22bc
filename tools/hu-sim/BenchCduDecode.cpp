// Benchmark of the head-unit path for a music document with a 100 KB JPEG cover: the cover's
// decode time, documents per second through the decoder (same cover, where only the check value
// is computed, and a new cover every time), and documents per second over a loopback connection
// to the real link task, acknowledgement included. Prints figures; asserts nothing.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "HuSimClient.h"
#include "HuSimLocalLink.h"
#include "HuSimImage.h"
#include "OrvTask/CduCommunication.h"
#include "Protocol/Cdu_TCP.h"
#include "Protocol/Cdu_TCP_App.h"
#include "lib/OrvJpeg.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double>(b - a).count(); }

// A 500 x 500 cover whose JPEG comes closest to 100 KB.
std::vector<uint8_t> CoverOf100KB(uint32_t seed)
{
    std::vector<uint8_t> px = HuSim_CoverPixels(500, 500, seed);
    std::vector<uint8_t> best;
    for (int q = 30; q <= 100; q += 2) {
        std::vector<uint8_t> j = HuSim_EncodeJpeg(px.data(), 500, 500, 3, q);
        if (best.empty() || labs((long)j.size() - 100000) < labs((long)best.size() - 100000)) best = j;
    }
    return best;
}

std::string MusicDoc(int progress)
{
    return "{\"enable\":\"1\",\"msgtype\":\"1\",\"music\":{\"song\":\"Benchmark Song\",\"artist\":\"Bench\","
           "\"status\":\"playing\",\"total\":\"3000\",\"progress\":\"" +
           std::to_string(progress) + "\"}}";
}

void Decode(const std::string& json, std::vector<uint8_t>& cover)
{
    std::vector<UInt08> text(json.begin(), json.end());
    text.push_back(0);
    CDU_TCP_Decode(FRM_SRV_CDU_MUSIC, text.data(), (UInt32)json.size(), cover.data(), (UInt32)cover.size());
}

} // namespace

int main()
{
    setvbuf(stdout, nullptr, _IOLBF, 0);
    std::vector<uint8_t> coverA = CoverOf100KB(1), coverB = CoverOf100KB(2);
    printf("cover: 500 x 500 JPEG, %zu and %zu bytes\n", coverA.size(), coverB.size());

    static UInt08 pixels[1000000];
    const int decodes = 200;
    auto t0 = Clock::now();
    for (int i = 0; i < decodes; i++) {
        void* bmp = pixels;
        Int32 w, h;
        UInt32 fmt;
        if (!LoadJpegFromMem(coverA.data(), (UInt32)coverA.size(), &w, &h, &fmt, &bmp, sizeof(pixels))) {
            printf("decode failed\n");
            return 1;
        }
    }
    printf("cover decode: %.3f ms per cover (%d decodes)\n", Seconds(t0, Clock::now()) * 1000 / decodes, decodes);

    CDU_TCP_SetInitialValue();
    const int sameDocs = 20000;
    t0 = Clock::now();
    for (int i = 0; i < sameDocs; i++) Decode(MusicDoc(i % 3000), coverA);
    printf("decoder, same cover: %.0f documents/s (%d documents)\n", sameDocs / Seconds(t0, Clock::now()), sameDocs);

    const int newDocs = 200;
    t0 = Clock::now();
    for (int i = 0; i < newDocs; i++) Decode(MusicDoc(i), (i & 1) ? coverB : coverA);
    printf("decoder, new cover each time: %.0f documents/s (%d documents)\n", newDocs / Seconds(t0, Clock::now()),
           newDocs);

    // Over loopback with the real task: send, wait for the acknowledgement, next.
    HuSimFrame f;
    int fd = HuSim_OpenSession(HuSim_StartLocalLink(3000), &f);
    if (fd < 0) {
        printf("link: cannot start a session\n");
        return 1;
    }
    const int linkDocs = 3000;
    t0 = Clock::now();
    for (int i = 0; i < linkDocs; i++) {
        if (!HuSim_SendFrame(fd, HuSim_DataFrame(FRM_SRV_CDU_MUSIC, MusicDoc(i % 3000), coverA, (uint32_t)i + 2)) ||
            HuSim_ReadFrame(fd, &f, 2000) != 1) {
            printf("link: lost the connection\n");
            return 1;
        }
    }
    printf("link over loopback, same cover, acknowledged: %.0f documents/s (%d documents)\n",
           linkDocs / Seconds(t0, Clock::now()), linkDocs);
    HuSim_SendFrame(fd, HuSim_EndFrame(9999999));
    HuSim_WaitClosed(fd, 2000);
    gCduCommunication.Stop();
    gCduCommunication.DeInit();
    return 0;
}

/* mb-bench: how fast the main-board bus takes frames. Opens the transport on a free loopback port
 * in this process and prints:
 *   - throughput: frames per second stored, decoded and answered, with the sender in lock-step
 *     batches on one thread, and with a sender thread against a worker thread that polls;
 *   - latency from sending a datagram to the decoded signal (Speed) having its new value, with a
 *     worker that polls without pause and with one that sleeps on the socket between frames (as the
 *     main-board worker does between window events).
 * Usage: mb-bench [FRAMES]   (default 200000 frames per throughput run, FRAMES/20 latency samples) */
#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "Protocol/MainBoard_Bus.h"
#include "Protocol/MainBoard_IIC_App.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

int ConnectBoard(UInt16 port)
{
    int fd = socket(AF_INET6, SOCK_DGRAM, 0);
    struct sockaddr_in6 a = {};
    a.sin6_family = AF_INET6;
    a.sin6_port = htons(port);
    a.sin6_addr = in6addr_loopback;
    connect(fd, reinterpret_cast<struct sockaddr*>(&a), sizeof a);
    int big = 4 << 20;
    setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &big, sizeof big);
    return fd;
}

// Frame 0x00 of a car in D with the given speed (0 to 240).
void SpeedFrame(UInt08 speed, UInt08 out[MB_BUS_DGRAM_LEN])
{
    const UInt08 data[8] = {speed, 0x50, 0x00, 0x7D, 0x01, 0x40, 0x09, 0x32};
    MB_BUS_PackFrame(0x00, data, out);
}

int DrainAnswers(int fd)
{
    UInt08 buf[64];
    int n = 0;
    while (recv(fd, buf, sizeof buf, MSG_DONTWAIT) > 0) n++;
    return n;
}

void LockStepBatches(UInt16 port, long frames)
{
    int board = ConnectBoard(port);
    const int kBatch = 32;
    MbBusStats s0;
    MB_BUS_GetStats(&s0);
    long answers = 0;
    auto t0 = Clock::now();
    for (long sent = 0; sent < frames; sent += kBatch) {
        for (int k = 0; k < kBatch; k++) {
            UInt08 dgram[MB_BUS_DGRAM_LEN];
            SpeedFrame((UInt08)((sent + k) % 241), dgram);
            send(board, dgram, sizeof dgram, 0);
        }
        MbBusStats s;
        do {
            MB_BUS_Poll();
            MB_BUS_GetStats(&s);
        } while (s.Accepted - s0.Accepted < (UInt32)(sent + kBatch));
        answers += DrainAnswers(board);
    }
    double secs = Seconds(Clock::now() - t0);
    MbBusStats s1;
    MB_BUS_GetStats(&s1);
    long accepted = s1.Accepted - s0.Accepted;
    printf("one thread, batches of %d:     %9.0f frames/s accepted+decoded+answered (%.2f us a frame, %ld answers)\n",
           kBatch, accepted / secs, secs * 1e6 / accepted, answers);
    close(board);
}

void SenderAgainstWorker(UInt16 port, long frames)
{
    std::atomic<bool> done{false};
    MbBusStats s0;
    MB_BUS_GetStats(&s0);
    std::thread worker([&] {
        while (!done) MB_BUS_Poll();
    });
    int board = ConnectBoard(port);
    // At most 128 frames in flight, so the receive queue never overflows.
    const long kWindow = 128;
    long sent = 0, answers = 0;
    auto t0 = Clock::now();
    while (answers < frames) {
        while (sent < frames && sent - answers < kWindow) {
            UInt08 dgram[MB_BUS_DGRAM_LEN];
            SpeedFrame((UInt08)(sent % 241), dgram);
            send(board, dgram, sizeof dgram, 0);
            sent++;
        }
        answers += DrainAnswers(board);
    }
    double secs = Seconds(Clock::now() - t0);
    done = true;
    worker.join();
    MbBusStats s1;
    MB_BUS_GetStats(&s1);
    printf("sender thread vs worker:        %9.0f frames/s accepted+decoded+answered (%u accepted, %u dropped)\n",
           (s1.Accepted - s0.Accepted) / secs, s1.Accepted - s0.Accepted, s1.Dropped - s0.Dropped);
    close(board);
}

// waitOnSocket: the worker sleeps in poll() on the bus socket (20 ms at most) between passes.
void Latency(UInt16 port, long samples, bool waitOnSocket)
{
    std::atomic<bool> done{false};
    std::thread worker([&] {
        struct pollfd p = {MB_BUS_GetFd(), POLLIN, 0};
        while (!done) {
            if (waitOnSocket) poll(&p, 1, 20);
            MB_BUS_Poll();
        }
    });
    int board = ConnectBoard(port);
    std::vector<double> us;
    us.reserve(samples);
    for (long i = 0; i < samples; i++) {
        UInt08 speed = (UInt08)(i % 2 == 0 ? 100 : 101);
        UInt08 dgram[MB_BUS_DGRAM_LEN];
        SpeedFrame(speed, dgram);
        auto t0 = Clock::now();
        send(board, dgram, sizeof dgram, 0);
        // Read as the render thread does, without a lock; volatile so that each pass reads it.
        while (*(volatile UInt08*)&Speed != speed) {}
        us.push_back(Seconds(Clock::now() - t0) * 1e6);
        DrainAnswers(board);
    }
    done = true;
    worker.join();
    close(board);
    std::sort(us.begin(), us.end());
    printf("latency datagram -> Speed, %s: min %.1f us, median %.1f us, p99 %.1f us, max %.1f us (%ld samples)\n",
           waitOnSocket ? "worker waits on the socket" : "worker polls without pause", us.front(),
           us[us.size() / 2], us[us.size() * 99 / 100], us.back(), samples);
}

}  // namespace

int main(int argc, char** argv)
{
    setvbuf(stdout, nullptr, _IOLBF, 0);
    long frames = argc > 1 ? atol(argv[1]) : 200000;
    if (frames < 1000) frames = 1000;
    MB_IIC_SetInitialValue();
    if (MB_BUS_Open("[::1]:0") != 0) return 1;
    UInt16 port = MB_BUS_GetPort();
    LockStepBatches(port, frames);
    SenderAgainstWorker(port, frames);
    Latency(port, frames / 20, false);
    Latency(port, frames / 20, true);
    MbBusStats s;
    MB_BUS_GetStats(&s);
    printf("refused: %u length, %u frame, %u checksum; %u answers failed\n", s.RejLength, s.RejFrame,
           s.RejChecksum, s.AnswerFailed);
    MB_BUS_Close();
    return 0;
}

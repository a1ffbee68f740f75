// Measures block writes (0CH) and block reads (8CH) against the simulated mouse and prints the
// time taken over the pauses the protocol requires: 50 ms per 128-byte write, 30 ms per read.
// Usage: bench_transport [N]   (default 20 of each)

#include "device/ms_ht66fb560.h"
#include "simfixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

namespace {

constexpr double kWritePauseMs = 50;
constexpr double kReadPauseMs = 30;

double timeMs(int n, MS_HT66FB560& device, bool write)
{
    uchar block[128] = {};
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < n; ++i) {
        block[0] = uchar(i);
        if (write)
            device.hid_0CH_SetFwProfile(uchar(i % 6), block);
        else if (!device.hid_8CH_GetFwProfile(uchar(i % 6), block))
            std::fprintf(stderr, "read %d failed\n", i);
    }
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int n = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 20;
    sim::reset();
    MS_HT66FB560 device;
    if (!device.findDevice(1, fixture::mouseEntry())) {
        std::fprintf(stderr, "simulated mouse not found\n");
        return 1;
    }
    const double writes = timeMs(n, device, true);
    const double reads = timeMs(n, device, false);
    const double required = n * (kWritePauseMs + kReadPauseMs);
    std::printf("writes: %d in %.1f ms (pauses %.0f ms), ratio %.4f\n", n, writes, n * kWritePauseMs,
        writes / (n * kWritePauseMs));
    std::printf("reads:  %d in %.1f ms (pauses %.0f ms), ratio %.4f\n", n, reads, n * kReadPauseMs,
        reads / (n * kReadPauseMs));
    std::printf("total: %.1f ms over %.0f ms of pauses: %.4f (target <= 1.03)\n", writes + reads, required,
        (writes + reads) / required);
    return 0;
}

// Times ProfileStore::refresh against the simulated mouse: 26 exchanges that must pause 780 ms
// in all (30 ms after each). Prints the mean time and its ratio to those pauses.
#include "device/devinfo.h"
#include "device/ms_ht66fb560.h"
#include "simmouse.h"
#include "store/profilestore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? qMax(1, atoi(argv[1])) : 10;
    constexpr double kPausesMs = 26 * 30;
    sim::reset();
    QTemporaryDir dir;
    QSettings file(dir.filePath("p_Z4.bin"), QSettings::IniFormat);
    ProfileStore store(&file);
    MS_HT66FB560 device;
    store.setConnected(device.detect(loadCatalogue(QStringLiteral(Z4_CATALOGUE), {})));
    if (!store.isConnected()) {
        std::fprintf(stderr, "the simulated mouse was not found\n");
        return 1;
    }
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < rounds; ++i)
        store.refresh(&device);
    const double mean = double(clock.nsecsElapsed()) / 1e6 / rounds;
    std::printf("refresh: %.1f ms mean over %d rounds, %.0f ms of pauses, ratio %.3f\n", mean, rounds,
        kPausesMs, mean / kPausesMs);
    return 0;
}

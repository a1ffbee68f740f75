// A small client of the device layer linked against the real hidapi, for checking that the
// preloaded simulation takes its place. Prints what it finds, one item per line.
// Usage: sim_probe [code=XXXXXX] [write] [listen]

#include "device/ms_ht66fb560.h"
#include "device/slave.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

namespace {

DevInfo mouse(const QString& code)
{
    DevInfo entry;
    entry.vid = 0x04D9;
    entry.pid = 0xA269;
    entry.usagePage = entry.usage = 0xFF00;
    entry.usagePage2 = 0xFF01;
    entry.usage2 = 0x0001;
    entry.reportLength = 64;
    entry.sCode = code;
    return entry;
}

void print(const char* what, const QByteArray& value)
{
    std::printf("%s %s\n", what, value.constData());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    qRegisterMetaType<QList<uchar>>("QList<uchar>");
    const QStringList args = app.arguments().mid(1);
    QString code;
    for (const QString& arg : args) {
        if (arg.startsWith(QLatin1String("code=")))
            code = arg.mid(5);
    }
    MS_HT66FB560 device;
    QObject::connect(device.slave(), &Slave::onVendor, &app, [&](QList<uchar> vCmd) {
        print("vendor", QByteArray(reinterpret_cast<const char*>(vCmd.constData()), vCmd.size()).toHex());
        app.quit();
    });
    const bool found = device.findDevice(1, mouse(code));
    print("found", found ? "1" : "0");
    if (!found)
        return 0;
    uchar block[128] = {};
    print("read",
        device.hid_8CH_GetFwProfile(2, block) ? QByteArray(reinterpret_cast<char*>(block), 128).toHex()
                                              : QByteArray("failed"));
    QString version;
    device.hid_80H_GetFWVersion(version);
    print("version", version.toLatin1());
    if (args.contains(QLatin1String("write"))) {
        for (int i = 0; i < 128; ++i)
            block[i] = uchar(3 * i);
        device.hid_0CH_SetFwProfile(2, block);
    }
    if (!args.contains(QLatin1String("listen")))
        return 0;
    QTimer::singleShot(3000, &app, &QCoreApplication::quit);
    return app.exec();
}

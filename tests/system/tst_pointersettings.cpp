#include "fakepointerbackend.h"
#include "system/pointersettings.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {
QStringList debugMessages;

void collect(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtDebugMsg)
        debugMessages << message;
}

enum Setter { Acceleration, Speed, Lines, DoubleClick };

void callSetter(PointerSettings& settings, Setter setter, uint value)
{
    switch (setter) {
    case Acceleration:
        settings.setAcceleration(value != 0);
        break;
    case Speed:
        settings.setCursorSpeed(value);
        break;
    case Lines:
        settings.setVerticalScrollLines(value);
        break;
    case DoubleClick:
        settings.setDoubleClickSpeed(value);
        break;
    }
}
} // namespace

class tst_PointerSettings : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void conversion_data();
    void conversion();
    void setterAppliesAndStoresOnlyItsPosition_data();
    void setterAppliesAndStoresOnlyItsPosition();
    void refusedChangeIsStoredWithOneMessage_data();
    void refusedChangeIsStoredWithOneMessage();
    void accelerationKeepsThresholds_data();
    void accelerationKeepsThresholds();
    void gettersFollowTheProfile();
    void damagedListsStayWithinBounds_data();
    void damagedListsStayWithinBounds();
    void positionsReachTheDisk();

private:
    QSettings& file() { return *settings; }
    void writeIni(const QByteArray& text);

    QTemporaryDir dir;
    std::unique_ptr<QSettings> settings;
    FakePointerBackend backend;
    QtMessageHandler previousHandler = nullptr;
};

void tst_PointerSettings::init()
{
    QVERIFY(dir.isValid());
    writeIni("[profile_sw]\n0=false, 3, 4, 6, extra\n2=true, 9, 0, 1\n");
    backend = FakePointerBackend();
    debugMessages.clear();
    previousHandler = qInstallMessageHandler(collect);
}

void tst_PointerSettings::cleanup()
{
    qInstallMessageHandler(previousHandler);
    settings.reset();
}

void tst_PointerSettings::writeIni(const QByteArray& text)
{
    settings.reset();
    const QString path = dir.filePath(QStringLiteral("p_Z4.bin"));
    QFile ini(path);
    QVERIFY(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ini.write(text);
    ini.close();
    settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
}

void tst_PointerSettings::conversion_data()
{
    QTest::addColumn<uint>("position");
    QTest::addColumn<int>("speed");
    QTest::addColumn<uint>("lines");
    QTest::addColumn<uint>("doubleClickMs");

    QTest::newRow("0") << 0u << 1 << 1u << 900u;
    QTest::newRow("1") << 1u << 2 << 2u << 830u;
    QTest::newRow("5") << 5u << 10 << 6u << 550u;
    QTest::newRow("10") << 10u << 20 << 11u << 200u;
    QTest::newRow("13 stays in the system's range") << 13u << 20 << 11u << 200u;
    QTest::newRow("huge") << 0xFFFFFFFFu << 20 << 11u << 200u;
}

void tst_PointerSettings::conversion()
{
    QFETCH(uint, position);
    QTEST(PointerConversion::mouseSpeed(position), "speed");
    QTEST(PointerConversion::wheelScrollLines(position), "lines");
    QTEST(PointerConversion::doubleClickTime(position), "doubleClickMs");
}

void tst_PointerSettings::setterAppliesAndStoresOnlyItsPosition_data()
{
    QTest::addColumn<int>("setter");
    QTest::addColumn<uint>("value");
    QTest::addColumn<QString>("systemCall");
    QTest::addColumn<QStringList>("storedList");

    QTest::newRow("speed 0 passes 1")
        << int(Speed) << 0u << "speed 1" << QStringList { "false", "0", "4", "6", "extra" };
    QTest::newRow("speed 10 passes 20")
        << int(Speed) << 10u << "speed 20" << QStringList { "false", "10", "4", "6", "extra" };
    QTest::newRow("lines 0 sets 1") << int(Lines) << 0u << "lines 1"
                                    << QStringList { "false", "3", "0", "6", "extra" };
    QTest::newRow("lines 10 sets 11")
        << int(Lines) << 10u << "lines 11" << QStringList { "false", "3", "10", "6", "extra" };
    QTest::newRow("double-click 0 sets 900")
        << int(DoubleClick) << 0u << "doubleClick 900" << QStringList { "false", "3", "4", "0", "extra" };
    QTest::newRow("double-click 5 sets 550")
        << int(DoubleClick) << 5u << "doubleClick 550" << QStringList { "false", "3", "4", "5", "extra" };
    QTest::newRow("double-click 10 sets 200")
        << int(DoubleClick) << 10u << "doubleClick 200" << QStringList { "false", "3", "4", "10", "extra" };
    QTest::newRow("acceleration on") << int(Acceleration) << 1u << "setMouse 6 10 1"
                                     << QStringList { "true", "3", "4", "6", "extra" };
}

void tst_PointerSettings::setterAppliesAndStoresOnlyItsPosition()
{
    QFETCH(int, setter);
    QFETCH(uint, value);
    QFETCH(QString, systemCall);
    QFETCH(QStringList, storedList);

    PointerSettings settings(file(), 0, backend);
    callSetter(settings, Setter(setter), value);

    QVERIFY2(backend.calls.contains(systemCall), qPrintable(backend.calls.join(u'|')));
    QCOMPARE(file().value("profile_sw/0").toStringList(), storedList);
    QCOMPARE(file().value("profile_sw/2").toStringList(), (QStringList { "true", "9", "0", "1" }));
    QVERIFY(debugMessages.isEmpty());
}

void tst_PointerSettings::refusedChangeIsStoredWithOneMessage_data()
{
    QTest::addColumn<int>("setter");
    QTest::addColumn<bool>("refuseRead");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("stored");

    QTest::newRow("acceleration read")
        << int(Acceleration) << true << "setAcceleration Failed" << 0 << "true";
    QTest::newRow("acceleration write")
        << int(Acceleration) << false << "setAcceleration Failed" << 0 << "true";
    QTest::newRow("speed") << int(Speed) << false << "setCursorSpeed Failed" << 1 << "7";
    QTest::newRow("lines") << int(Lines) << false << "setVerticalScrollLines Failed" << 2 << "7";
    QTest::newRow("double-click") << int(DoubleClick) << false << "setDoubleClickSpeed Failed" << 3 << "7";
}

void tst_PointerSettings::refusedChangeIsStoredWithOneMessage()
{
    QFETCH(int, setter);
    QFETCH(bool, refuseRead);
    QFETCH(int, position);
    backend.refuseRead = refuseRead;
    backend.refuseWrite = !refuseRead;

    PointerSettings settings(file(), 0, backend);
    callSetter(settings, Setter(setter), 7);

    QFETCH(QString, message);
    QCOMPARE(debugMessages, QStringList { message });
    QTEST(file().value("profile_sw/0").toStringList().value(position), "stored");
    if (refuseRead)
        QCOMPARE(backend.calls, QStringList { "getMouse" }); // no write after a failed read
}

void tst_PointerSettings::accelerationKeepsThresholds_data()
{
    QTest::addColumn<bool>("on");
    QTest::addColumn<int>("acceleration");
    QTest::newRow("on") << true << 1;
    QTest::newRow("off") << false << 0;
}

void tst_PointerSettings::accelerationKeepsThresholds()
{
    QFETCH(bool, on);
    backend.mouse = { 4, 12, on ? 0 : 1 };
    PointerSettings settings(file(), 0, backend);
    settings.setAcceleration(on);
    QCOMPARE(backend.mouse.threshold1, 4);
    QCOMPARE(backend.mouse.threshold2, 12);
    QTEST(backend.mouse.acceleration, "acceleration");
    QCOMPARE(settings.acceleration(), on);
}

void tst_PointerSettings::gettersFollowTheProfile()
{
    PointerSettings first(file(), 0, backend);
    PointerSettings third(file(), 2, backend);
    third.setCursorSpeed(0);
    QCOMPARE(third.cursorSpeed(), 0u);
    QCOMPARE(first.cursorSpeed(), 3u);
    QCOMPARE(third.acceleration(), true);
    QCOMPARE(third.verticalScrollLines(), 0u);
    QCOMPARE(third.doubleClickSpeed(), 1u);
    QCOMPARE(first.acceleration(), false);
    QCOMPARE(first.verticalScrollLines(), 4u);
    QCOMPARE(first.doubleClickSpeed(), 6u);
}

void tst_PointerSettings::damagedListsStayWithinBounds_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<uint>("speedBefore");
    QTest::addColumn<QStringList>("afterSettingLines");

    const uint defaultSpeed = PointerSettings::defaultValue(PointerSettings::CursorSpeed).toUInt();
    const QString defaultAccel = PointerSettings::defaultValue(PointerSettings::Acceleration).toString();
    const QString dSpeed = QString::number(defaultSpeed);
    QTest::newRow("no list") << QByteArray("[common]\ncurProfile=5\n") << defaultSpeed
                             << QStringList { defaultAccel, dSpeed, "8" };
    QTest::newRow("one value") << QByteArray("[profile_sw]\n5=true\n") << defaultSpeed
                               << QStringList { "true", dSpeed, "8" };
    QTest::newRow("two values") << QByteArray("[profile_sw]\n5=false, 4\n") << 4u
                                << QStringList { "false", "4", "8" };
    QTest::newRow("empty value") << QByteArray("[profile_sw]\n5=\n") << defaultSpeed
                                 << QStringList { defaultAccel, dSpeed, "8" };
    QTest::newRow("not numbers") << QByteArray("[profile_sw]\n5=yes, fast, -3, x\n") << 0u
                                 << QStringList { "yes", "fast", "8", "x" };
}

void tst_PointerSettings::damagedListsStayWithinBounds()
{
    QFETCH(QByteArray, ini);
    writeIni(ini);
    PointerSettings settings(file(), 5, backend);
    QTEST(settings.cursorSpeed(), "speedBefore");
    settings.doubleClickSpeed(); // reading past a short list must not touch it
    settings.setVerticalScrollLines(8);
    QCOMPARE(settings.verticalScrollLines(), 8u);
    QFETCH(QStringList, afterSettingLines);
    QCOMPARE(file().value("profile_sw/5").toStringList().mid(0, afterSettingLines.size()), afterSettingLines);
}

void tst_PointerSettings::positionsReachTheDisk()
{
    {
        PointerSettings settings(file(), 2, backend);
        settings.setDoubleClickSpeed(10);
        file().sync();
    }
    QSettings reread(dir.filePath(QStringLiteral("p_Z4.bin")), QSettings::IniFormat);
    QCOMPARE(reread.value("profile_sw/2").toStringList(), (QStringList { "true", "9", "0", "10" }));
    QCOMPARE(PointerSettings(reread, 2, backend).doubleClickSpeed(), 10u);
}

QTEST_GUILESS_MAIN(tst_PointerSettings)
#include "tst_pointersettings.moc"

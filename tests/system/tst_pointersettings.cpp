#include "fakepointerbackend.h"
#include "system/pointersettings.h"
#include "testsupport.h"

#include <QSettings>
#include <QTest>

namespace {
QStringList debugMessages;

void collect(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtDebugMsg)
        debugMessages << message;
}

using Setter = void (*)(PointerSettings&, uint);
const Setter Acceleration = [](PointerSettings& p, uint v) { p.setAcceleration(v != 0); };
const Setter Speed = [](PointerSettings& p, uint v) { p.setCursorSpeed(v); };
const Setter Lines = [](PointerSettings& p, uint v) { p.setVerticalScrollLines(v); };
const Setter DoubleClick = [](PointerSettings& p, uint v) { p.setDoubleClickSpeed(v); };
} // namespace
Q_DECLARE_METATYPE(Setter)

class tst_PointerSettings : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void conversion_data();
    void conversion();
    void setterAppliesAndStoresOnlyItsPosition_data();
    void setterAppliesAndStoresOnlyItsPosition();
    void gettersFollowTheProfile();
    void damagedListsStayWithinBounds_data();
    void damagedListsStayWithinBounds();

private:
    QSettings& file() { return *settings; }
    void writeIni(const QByteArray& text);

    testsupport::WorkDir work;
    std::unique_ptr<QSettings> settings;
    FakePointerBackend backend;
    QtMessageHandler previousHandler = nullptr;
};

void tst_PointerSettings::init()
{
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

// Each content goes to a new file: QSettings caches a file by name, size and modification time,
// and a rewrite within the same millisecond would be served from that cache.
void tst_PointerSettings::writeIni(const QByteArray& text)
{
    static int generation = 0;
    const QString name = QStringLiteral("p_Z4_%1.bin").arg(++generation);
    settings.reset();
    QVERIFY(work.write(name, text));
    settings = std::make_unique<QSettings>(work.filePath(name), QSettings::IniFormat);
}

void tst_PointerSettings::conversion_data()
{
    QTest::addColumn<uint>("position");
    QTest::addColumn<int>("speed");
    QTest::addColumn<uint>("lines");
    QTest::addColumn<uint>("doubleClickMs");

    QTest::newRow("5") << 5u << 10 << 6u << 550u;
    QTest::newRow("10") << 10u << 20 << 11u << 200u;
    QTest::newRow("huge") << 0xFFFFFFFFu << 20 << 11u << 200u;
}

void tst_PointerSettings::conversion()
{
    QFETCH(uint, position);
    QTEST(PointerConversion::mouseSpeed(position), "speed");
    QTEST(PointerConversion::wheelScrollLines(position), "lines");
    QTEST(PointerConversion::doubleClickTime(position), "doubleClickMs");
}

// A change the system refuses is stored all the same and reported once.
void tst_PointerSettings::setterAppliesAndStoresOnlyItsPosition_data()
{
    QTest::addColumn<Setter>("setter");
    QTest::addColumn<uint>("value");
    QTest::addColumn<QString>("refused"); // "", "read" or "write"
    QTest::addColumn<QStringList>("systemCalls");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("messages");
    const QStringList none;
    QTest::newRow("speed 10 passes 20") << Speed << 10u << "" << QStringList { "speed 20" }
                                        << QStringList { "false", "10", "4", "6", "extra" } << none;
    QTest::newRow("double-click 5 sets 550") << DoubleClick << 5u << "" << QStringList { "doubleClick 550" }
                                             << QStringList { "false", "3", "4", "5", "extra" } << none;
    // The system's thresholds pass through unchanged.
    QTest::newRow("acceleration on") << Acceleration << 1u << ""
                                     << QStringList { "getMouse", "setMouse 6 10 1" }
                                     << QStringList { "true", "3", "4", "6", "extra" } << none;
    QTest::newRow("acceleration, read refused: no write")
        << Acceleration << 1u << "read" << QStringList { "getMouse" }
        << QStringList { "true", "3", "4", "6", "extra" } << QStringList { "setAcceleration Failed" };
    QTest::newRow("acceleration, write refused")
        << Acceleration << 1u << "write" << QStringList { "getMouse", "setMouse 6 10 1" }
        << QStringList { "true", "3", "4", "6", "extra" } << QStringList { "setAcceleration Failed" };
    QTest::newRow("speed refused") << Speed << 7u << "write" << QStringList { "speed 14" }
                                   << QStringList { "false", "7", "4", "6", "extra" }
                                   << QStringList { "setCursorSpeed Failed" };
}

void tst_PointerSettings::setterAppliesAndStoresOnlyItsPosition()
{
    QFETCH(Setter, setter);
    QFETCH(uint, value);
    QFETCH(QString, refused);
    backend.refuseRead = refused == "read";
    backend.refuseWrite = refused == "write";
    PointerSettings settings(file(), 0, backend);
    setter(settings, value);
    QTEST(backend.calls, "systemCalls");
    QTEST(file().value("profile_sw/0").toStringList(), "stored");
    QCOMPARE(file().value("profile_sw/2").toStringList(), (QStringList { "true", "9", "0", "1" }));
    QTEST(debugMessages, "messages");
}

void tst_PointerSettings::gettersFollowTheProfile()
{
    PointerSettings first(file(), 0, backend);
    PointerSettings third(file(), 2, backend);
    third.setCursorSpeed(0);
    const auto values = [](const PointerSettings& p) {
        return QList<uint> { p.acceleration(), p.cursorSpeed(), p.verticalScrollLines(),
            p.doubleClickSpeed() };
    };
    QCOMPARE(values(third), (QList<uint> { 1, 0, 0, 1 }));
    QCOMPARE(values(first), (QList<uint> { 0, 3, 4, 6 }));
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
    QTest::newRow("two values") << QByteArray("[profile_sw]\n5=false, 4\n") << 4u
                                << QStringList { "false", "4", "8" };
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

QTEST_GUILESS_MAIN(tst_PointerSettings)
#include "tst_pointersettings.moc"

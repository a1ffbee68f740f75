#include "system/pointerbackend.h"
#include "system/pointersettings.h"
#include "testsupport.h"

#include <QSettings>
#include <QTest>

namespace {
// Records every call and answers as told; nothing reaches the real system.
class FakePointerBackend : public PointerBackend {
public:
    MouseValues mouse { 6, 10, 0 };
    bool refuseRead = false;
    bool refuseWrite = false;
    QStringList calls;

    bool getMouse(MouseValues& values) override
    {
        calls << QStringLiteral("getMouse");
        if (!refuseRead)
            values = mouse;
        return !refuseRead;
    }
    bool setMouse(const MouseValues& v) override
    {
        mouse = refuseWrite ? mouse : v;
        return record(
            QStringLiteral("setMouse %1 %2 %3").arg(v.threshold1).arg(v.threshold2).arg(v.acceleration));
    }
    bool setMouseSpeed(int speed) override { return record(QStringLiteral("speed %1").arg(speed)); }
    bool setWheelScrollLines(unsigned lines) override
    {
        return record(QStringLiteral("lines %1").arg(lines));
    }
    bool setDoubleClickTime(unsigned ms) override { return record(QStringLiteral("doubleClick %1").arg(ms)); }

private:
    bool record(const QString& call)
    {
        calls << call;
        return !refuseWrite;
    }
};

QStringList debugMessages;

void collect(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtDebugMsg)
        debugMessages << message;
}

using Setter = void (*)(PointerSettings&, uint);
const Setter Acceleration = [](PointerSettings& p, uint v) { p.setAcceleration(v != 0); };
const Setter Speed = [](PointerSettings& p, uint v) { p.setCursorSpeed(v); };
const Setter DoubleClick = [](PointerSettings& p, uint v) { p.setDoubleClickSpeed(v); };
} // namespace
Q_DECLARE_METATYPE(Setter)

class tst_PointerSettings : public QObject {
    Q_OBJECT

    testsupport::WorkDir work;
    std::unique_ptr<QSettings> file;
    FakePointerBackend backend;
    QtMessageHandler previousHandler = nullptr;

    // Each content goes to a new file, so the settings cache never answers for an older one.
    void writeIni(const QByteArray& text)
    {
        static int generation = 0;
        const QString name = QStringLiteral("p_Z4_%1.bin").arg(++generation);
        file.reset();
        QVERIFY(work.write(name, text));
        file = std::make_unique<QSettings>(work.filePath(name), QSettings::IniFormat);
    }

private slots:
    void init()
    {
        writeIni("[profile_sw]\n0=false, 3, 4, 6, extra\n2=true, 9, 0, 1\n");
        backend = FakePointerBackend();
        debugMessages.clear();
        previousHandler = qInstallMessageHandler(collect);
    }
    void cleanup()
    {
        qInstallMessageHandler(previousHandler);
        file.reset();
    }

    // A change the system refuses is stored all the same and reported once.
    void setterAppliesAndStoresOnlyItsPosition_data()
    {
        QTest::addColumn<Setter>("setter");
        QTest::addColumn<uint>("value");
        QTest::addColumn<QString>("refused"); // "", "read" or "write"
        QTest::addColumn<QStringList>("systemCalls");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("speed 10 passes 20")
            << Speed << 10u << "" << QStringList { "speed 20" }
            << QStringList { "false", "10", "4", "6", "extra" } << QStringList();
        // The system's thresholds pass through unchanged.
        QTest::newRow("acceleration on")
            << Acceleration << 1u << "" << QStringList { "getMouse", "setMouse 6 10 1" }
            << QStringList { "true", "3", "4", "6", "extra" } << QStringList();
        QTest::newRow("acceleration, read refused: no write")
            << Acceleration << 1u << "read" << QStringList { "getMouse" }
            << QStringList { "true", "3", "4", "6", "extra" } << QStringList { "setAcceleration Failed" };
        QTest::newRow("speed refused")
            << Speed << 7u << "write" << QStringList { "speed 14" }
            << QStringList { "false", "7", "4", "6", "extra" } << QStringList { "setCursorSpeed Failed" };
    }
    void setterAppliesAndStoresOnlyItsPosition()
    {
        QFETCH(Setter, setter);
        QFETCH(uint, value);
        QFETCH(QString, refused);
        backend.refuseRead = refused == "read";
        backend.refuseWrite = refused == "write";
        PointerSettings settings(*file, 0, backend);
        setter(settings, value);
        QTEST(backend.calls, "systemCalls");
        QTEST(file->value("profile_sw/0").toStringList(), "stored");
        QCOMPARE(file->value("profile_sw/2").toStringList(), (QStringList { "true", "9", "0", "1" }));
        QTEST(debugMessages, "messages");
    }

    void damagedListsStayWithinBounds_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<uint>("speedBefore");
        QTest::addColumn<QStringList>("afterSettingLines");
        const uint speed = PointerSettings::defaultValue(PointerSettings::CursorSpeed).toUInt();
        const QString accel = PointerSettings::defaultValue(PointerSettings::Acceleration).toString();
        QTest::newRow("no list") << QByteArray("[common]\ncurProfile=5\n") << speed
                                 << QStringList { accel, QString::number(speed), "8" };
        QTest::newRow("two values") << QByteArray("[profile_sw]\n5=false, 4\n") << 4u
                                    << QStringList { "false", "4", "8" };
        QTest::newRow("not numbers") << QByteArray("[profile_sw]\n5=yes, fast, -3, x\n") << 0u
                                     << QStringList { "yes", "fast", "8", "x" };
    }
    void damagedListsStayWithinBounds()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QStringList, afterSettingLines);
        writeIni(ini);
        PointerSettings settings(*file, 5, backend);
        QTEST(settings.cursorSpeed(), "speedBefore");
        settings.doubleClickSpeed(); // reading past a short list must not touch it
        settings.setVerticalScrollLines(8);
        QCOMPARE(settings.verticalScrollLines(), 8u);
        QCOMPARE(
            file->value("profile_sw/5").toStringList().mid(0, afterSettingLines.size()), afterSettingLines);
    }
};

QTEST_GUILESS_MAIN(tst_PointerSettings)
#include "tst_pointersettings.moc"

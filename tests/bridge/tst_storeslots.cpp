// The bridge's store, configuration and device-facing slots, against the simulated mouse and
// real setting files in a temporary program folder.
#include "bridge/myqquickview.h"
#include "device/devinfo.h"
#include "device/ms_ht66fb560.h"
#include "simmouse.h"
#include "testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(FwGroup)

namespace {
const QString kSettingDir = QStringLiteral(Z4_SETTING_DIR "/");
const QString kLive = QStringLiteral("./modules/setting/p_Z4.bin");

sim::Bytes pattern(int base)
{
    sim::Bytes b(128);
    for (int i = 0; i < 128; ++i)
        b[i] = uchar(base * 7 + i);
    return b;
}

QVariantList numbers(int count, int first)
{
    QVariantList out;
    for (int i = 0; i < count; ++i)
        out.append(first + i);
    return out;
}

QList<uint> uints(const sim::Bytes& bytes)
{
    return QList<uint>(bytes.begin(), bytes.end());
}

QList<uint> uints(const QVariantList& list)
{
    QList<uint> out;
    for (const QVariant& v : list)
        out.append(v.toUInt());
    return out;
}

// The command packets the mouse received, in order.
std::vector<sim::Bytes> commands()
{
    std::vector<sim::Bytes> out;
    for (const sim::Report& r : sim::wire()) {
        if (r.dir == sim::Dir::ToMouse && r.kind == sim::Kind::Feature && r.iface == sim::Role::Command)
            out.push_back(r.bytes);
    }
    return out;
}

QByteArray commandCodes()
{
    QByteArray codes;
    for (const sim::Bytes& command : commands())
        codes.append(char(command.at(1)));
    return codes;
}

// The payload of the output reports, i.e. the last block written.
sim::Bytes lastBlock()
{
    sim::Bytes block;
    for (const sim::Report& r : sim::wire()) {
        if (r.kind == sim::Kind::Output)
            block.insert(block.end(), r.bytes.begin() + 1, r.bytes.end());
    }
    return sim::Bytes(block.end() - qMin<size_t>(block.size(), 128), block.end());
}
} // namespace

class tst_StoreSlots : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::WorkDir> dir;
    std::unique_ptr<MS_HT66FB560> device;
    std::unique_ptr<myQQuickView> view;
    QByteArray catalogueCode = "\"\"";

    // What the scene finds after start-up: the view, then detection and refresh.
    void start()
    {
        view = std::make_unique<myQQuickView>();
        view->setDevice(device.get());
        detect();
    }
    void detect()
    {
        QFile shipped(QStringLiteral(Z4_CATALOGUE));
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        QByteArray text = shipped.readAll();
        text.replace(text.lastIndexOf("sCode = \"\""), 10, "sCode = " + catalogueCode);
        QVERIFY(dir->write("DevInfo.ini", text));
        const bool found = device->detect(loadCatalogue(dir->filePath("DevInfo.ini"), {}));
        view->setConnected(found);
        view->refresh();
    }
    QVariant onDisk(const QString& key) const
    {
        view->profileStore().file()->sync();
        return QSettings(kLive, QSettings::IniFormat).value(key);
    }
    void armFirmware()
    {
        for (int n = 0; n < 6; ++n) {
            sim::setProfileImage(n, pattern(n));
            sim::setKeyMatrix(n, pattern(10 + n));
            sim::setDpiStage(n, n + 1);
            sim::setReportRate(n, 8 >> (n % 4));
        }
        sim::setCurrentProfile(4);
        sim::setLightingType(1);
    }

private slots:
    void init()
    {
        sim::reset();
        catalogueCode = "\"\"";
        dir = std::make_unique<testsupport::WorkDir>();
        QDir().mkpath("modules/setting");
        for (const char* name : { "apConfig.bin", "apConfigD.bin", "pD_Z4.bin", "p_Z4.bin" })
            QVERIFY(QFile::copy(kSettingDir + name, QStringLiteral("modules/setting/") + name));
        device = std::make_unique<MS_HT66FB560>();
    }
    void cleanup()
    {
        view.reset();
        device.reset();
        dir.reset();
    }

    void refreshOnTheWire()
    {
        armFirmware();
        QElapsedTimer clock;
        clock.start();
        start();
        qInfo("detection and refresh: %lld ms (27 exchanges, 810 ms of pauses)", clock.elapsed());
        QByteArray expected("\x01\x82");
        for (int n = 0; n < 6; ++n)
            expected += n == 0 ? QByteArray("\x8c\x8d\x84\x83\x89") : QByteArray("\x8c\x8d\x84\x83");
        QCOMPARE(commandCodes().toHex(' '), expected.toHex(' '));
        QVERIFY(view->connected());
        QCOMPARE(int(view->z4_82H_GetCurrentProfile()), 4);
        QCOMPARE(onDisk("common/curProfile").toInt(), 4);
        for (int n = 0; n < 6; ++n) {
            QCOMPARE(uints(onDisk(QStringLiteral("profile_fw/%1").arg(n)).toList()), uints(pattern(n)));
            QCOMPARE(uints(onDisk(QStringLiteral("matrix_fw/%1").arg(n)).toList()), uints(pattern(10 + n)));
        }
        // Stage, rate, and the lighting type for profile 0 only.
        QCOMPARE(uints(onDisk("other_fw/3").toList()), QList<uint>({ 4, 1 }) + QList<uint>(126, 0));
        QCOMPARE(uints(onDisk("other_fw/0").toList()), QList<uint>({ 1, 8, 1 }) + QList<uint>(125, 0));
    }

    void fileReadBackAsTextGivesTheSameAnswers()
    {
        armFirmware();
        start();
        const QVariantList stages = view->z4_8CH_GetDpi8Stage();
        const QVariantList colors = view->z4_8CH_GetDpi8Color();
        const uchar rate = view->z4_83H_GetReportRate();
        view.reset(); // writes the file
        // Restart without the mouse: everything comes from the file, as text.
        QFile live(kLive); // a change on disk makes the next reader parse the file again
        QVERIFY(live.open(QIODevice::Append));
        live.write("\n");
        live.close();
        sim::unplug();
        start();
        QVERIFY(!view->connected());
        QCOMPARE(view->profileStore().image(FwGroup::Profile, 4).at(0).typeId(), QMetaType::QString);
        QCOMPARE(view->z4_8CH_GetDpi8Stage(), stages);
        QCOMPARE(uints(view->z4_8CH_GetDpi8Color()), uints(colors));
        QCOMPARE(view->z4_83H_GetReportRate(), rate);
    }

    void failedReadKeepsStoredValues_data()
    {
        QTest::addColumn<int>("failingAnswer"); // nth fetched answer: 82H, then 8C 8D 84 83 (89)
        QTest::addColumn<bool>("unplug");
        QTest::addColumn<FwGroup>("group");
        QTest::addColumn<int>("profile");
        QTest::addColumn<int>("index");
        QTest::newRow("image of profile 1") << 7 << false << FwGroup::Profile << 1 << 84;
        QTest::newRow("matrix of profile 0") << 3 << false << FwGroup::Matrix << 0 << 0;
        QTest::newRow("stage of profile 1") << 9 << false << FwGroup::Other << 1 << 0;
        QTest::newRow("lighting type") << 6 << false << FwGroup::Other << 0 << 2;
        QTest::newRow("unplugged from profile 5 on") << 22 << true << FwGroup::Profile << 5 << 84;
    }
    void failedReadKeepsStoredValues()
    {
        QFETCH(int, failingAnswer);
        QFETCH(bool, unplug);
        QFETCH(FwGroup, group);
        QFETCH(int, profile);
        QFETCH(int, index);
        armFirmware();
        const QSettings defaults(kSettingDir + "pD_Z4.bin", QSettings::IniFormat);
        const QString key = ProfileStore::groupName(group) + QLatin1Char('/') + QString::number(profile);
        const uint stored = defaults.value(key).toList().at(index).toUInt();
        if (unplug)
            sim::unplugAfter(sim::Op::GetFeature, failingAnswer - 1);
        else
            sim::failCall(sim::Op::GetFeature, failingAnswer);
        start();
        QCOMPARE(view->profileStore().value(group, profile, index), stored);
        QCOMPARE(onDisk(key).toList().value(index).toUInt(), stored);
        QCOMPARE(view->profileStore().image(group, profile).size(), 128);
        // The reads that worked still land.
        QCOMPARE(view->profileStore().value(FwGroup::Matrix, 2, 0), uint(pattern(12)[0]));
    }

    void setter_data()
    {
        QTest::addColumn<QByteArray>("slot");
        QTest::addColumn<QVariantList>("values");
        QTest::addColumn<FwGroup>("group");
        QTest::addColumn<bool>("profileZero"); // else the current profile
        QTest::addColumn<int>("first");
        QTest::addColumn<char>("code");
        for (bool mouse : { false, true }) {
            const char* m = mouse ? " with mouse" : " without mouse";
            auto row = [&](const char* name) -> QTestData& {
                return QTest::newRow(QByteArray(name + QByteArray(m)));
            };
            row("SetRGBLedEffect") << QByteArray("z4_0CH_SetRGBLedEffect") << numbers(3, 5)
                                   << FwGroup::Profile << false << 71 << '\x0c';
            row("SetDpi8Color") << QByteArray("z4_0CH_SetDpi8Color") << numbers(24, 290) << FwGroup::Profile
                                << false << 104 << '\x0c';
            row("SetDpi8Io") << QByteArray("z4_0CH_SetDpi8Io") << numbers(8, 0) << FwGroup::Profile << true
                             << 16 << '\x0c';
            row("SetDpi8Stage") << QByteArray("z4_0CH_SetDpi8Stage") << numbers(16, 40) << FwGroup::Profile
                                << false << 84 << '\x0c';
            row("SetKeyMatrix") << QByteArray("z4_0DH_SetKeyMatrix") << numbers(64, 100) << FwGroup::Matrix
                                << false << 0 << '\x0d';
            row("SetLED8StageColor") << QByteArray("z4_SetLED8StageColor") << numbers(24, 9)
                                     << FwGroup::Profile << true << 24 << '\x0c';
            row("SetReportRate") << QByteArray("z4_03H_SetReportRate") << QVariantList { 4 } << FwGroup::Other
                                 << false << 1 << '\x03';
            row("SetDPIStage") << QByteArray("z4_04H_SetDPIStage") << QVariantList { 6 } << FwGroup::Other
                               << false << 0 << '\x04';
        }
    }
    void setter()
    {
        QFETCH(QByteArray, slot);
        QFETCH(QVariantList, values);
        QFETCH(FwGroup, group);
        QFETCH(bool, profileZero);
        QFETCH(int, first);
        QFETCH(char, code);
        const bool mouse = QByteArray(QTest::currentDataTag()).endsWith("with mouse");
        if (!mouse)
            sim::unplug();
        start();
        view->z4_02H_SetCurrentProfile(2);
        const int target = profileZero ? 0 : 2;
        const QString key = ProfileStore::groupName(group) + QLatin1Char('/') + QString::number(target);
        const QVariant fileBefore = onDisk(key);
        sim::clearWire();

        const QByteArray name = slot;
        if (values.size() == 3)
            QMetaObject::invokeMethod(view.get(), name, Q_ARG(uchar, values[0].toUInt()),
                Q_ARG(uchar, values[1].toUInt()), Q_ARG(uchar, values[2].toUInt()));
        else if (values.size() == 1)
            QMetaObject::invokeMethod(view.get(), name, Q_ARG(uchar, values[0].toUInt()));
        else
            QVERIFY(QMetaObject::invokeMethod(view.get(), name, Q_ARG(QVariantList, values)));

        const ProfileStore& store = view->profileStore();
        QCOMPARE(store.entries(group, target, first, values.size()), values);
        const bool dirty = onDisk(ProfileStore::groupName(group) + "/dirty").toList().value(target).toBool();
        QCOMPARE(dirty, !mouse);
        if (mouse) {
            QCOMPARE(onDisk(key), fileBefore);
            QCOMPARE(commandCodes(), QByteArray(1, code));
            const sim::Bytes command = commands().front();
            QCOMPARE(int(command.at(2)), target); // profile byte: 03H and 04H name it first too
            if (code == '\x0c' || code == '\x0d') {
                const ProfileStore::Block sent = store.block(group, target);
                QCOMPARE(lastBlock(), sim::Bytes(sent.begin(), sent.end()));
                QCOMPARE(int(sent[first]), values[0].toInt() & 0xFF);
            } else {
                QCOMPARE(int(command.at(3)), values[0].toInt());
            }
        } else {
            QCOMPARE(uints(onDisk(key).toList()), uints(store.image(group, target)));
            QCOMPARE(store.image(group, target).size(), 128);
            QCOMPARE(int(view->z4_82H_GetCurrentProfile()), 2);
            QCOMPARE(onDisk("common/curProfile").toInt(), 2);
        }
    }

    void gettersConvertAndReadProfileZero()
    {
        sim::unplug();
        start();
        ProfileStore& store = view->profileStore();
        store.setEntries(FwGroup::Profile, 0, 16, { 1, 8, 3, QStringLiteral("8"), 0, 0, 0, 0 }, 8);
        store.setEntries(FwGroup::Profile, 3, 84, { 207, QStringLiteral("207"), 160, 159 }, 4);
        store.setEntries(FwGroup::Profile, 0, 24, numbers(24, 1), 24);
        view->z4_02H_SetCurrentProfile(3);
        sim::plug();
        sim::clearWire();
        QCOMPARE(view->z4_8CH_GetDpi8Io(), (QVariantList { 1, 7, 3, 7, 0, 0, 0, 0 }));
        QCOMPARE(view->z4_8CH_GetDpi8Stage().mid(0, 4), (QVariantList { 159u, 159u, 160u, 159u }));
        QCOMPARE(view->z4_GetLED8StageColor(), numbers(24, 1));
        QCOMPARE(view->z4_8CH_GetDpi8Color().size(), 24);
        QCOMPARE(view->z4_8CH_GetRGBLedEffect().size(), 3);
        view->z4_89H_GetRGBLedTwinkle();
        view->z4_83H_GetReportRate();
        view->z4_84H_GetDPIStage();
        view->z4_GetMaxDpiStage();
        QVERIFY(sim::wire().empty());
    }

    void startWithoutFileOrMouse()
    {
        QFile::remove(kLive);
        sim::unplug();
        start();
        QCOMPARE(int(view->z4_82H_GetCurrentProfile()), 0);
        QCOMPARE(view->z4_8CH_GetDpi8Color(), QVariantList(24, 0));
        QCOMPARE(view->z4_GetMaxDpiStage(), 0u);
        view->z4_0CH_SetDpi8Stage(numbers(16, 1));
        QCOMPARE(onDisk("profile_fw/0").toList().size(), 128);
    }

    void detection_data()
    {
        QTest::addColumn<int>("layout"); // 0 standard, 1 command only, 2 two mice
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<bool>("found");
        QTest::addColumn<int>("exchanges"); // command packets that reached the mouse
        QTest::newRow("found") << 0 << QByteArray("\"\"") << true << 27;
        QTest::newRow("only the command collection") << 1 << QByteArray("\"\"") << false << 0;
        QTest::newRow("two mice, last node wins") << 2 << QByteArray("\"\"") << true << 27;
        QTest::newRow("blocked code") << 0 << QByteArray("q-beacon") << true << 0;
        QTest::newRow("six-character code") << 0 << QByteArray("Ab3$x9") << true << 27;
    }
    void detection()
    {
        QFETCH(int, layout);
        QFETCH(QByteArray, code);
        QFETCH(bool, found);
        QFETCH(int, exchanges);
        const std::vector<sim::Node> nodes[]
            = { sim::standardNodes(), sim::commandOnlyNodes(), sim::twoMiceNodes() };
        sim::setNodes(nodes[layout]);
        if (code.size() == 6)
            sim::setCode(code.toStdString());
        armFirmware();
        catalogueCode = code;
        start();
        QCOMPARE(view->connected(), found);
        QCOMPARE(int(commands().size()), exchanges);
        QCOMPARE(sim::rejectedCommands(), 0);
        if (layout == 2)
            QCOMPARE(device->currentTask().device.commandPath, QStringLiteral("sim/hidraw2"));
        // With answers the store holds the mouse's image; without, the file's.
        const QSettings defaults(kSettingDir + "pD_Z4.bin", QSettings::IniFormat);
        const uint fromFile = defaults.value("profile_fw/3").toList().at(84).toUInt();
        const uint expected = exchanges ? pattern(3)[84] : fromFile;
        QCOMPARE(view->profileStore().value(FwGroup::Profile, 3, 84), expected);
        if (code.size() == 6)
            QVERIFY(commands().front().at(1) != 0x01); // scrambled on the wire
    }

    void profileFileSlots()
    {
        sim::unplug();
        start();
        QString chosen = dir->filePath("x.pf");
        auto chooser = [&chosen](QWidget*, const QString&, const QString&, const QString&) { return chosen; };
        view->profileFiles().setSaveChooser(chooser);
        view->profileFiles().setOpenChooser(chooser);
        view->z4_0CH_SetDpi8Stage(numbers(16, 50)); // profile 1, written through the dirty marking
        view->z4_saveProfile(1);
        view->z4_loadProfile(4);
        QCOMPARE(uints(view->profileStore().entries(FwGroup::Profile, 4, 84, 16)), uints(numbers(16, 50)));
        view->z4_resetProfile(4);
        QCOMPARE(
            view->profileStore().image(FwGroup::Profile, 4), view->z4_getDefaultProfile("profile_fw", 4));
        QCOMPARE(view->z4_getDefaultProfile("other_fw", 1).size(), 128);
    }

    void configurationSlots()
    {
        sim::unplug();
        start();
        QCOMPARE(view->z4_getApConfig("dpiBase").toString(), QStringLiteral("100"));
        QCOMPARE(view->z4_getApConfig("absent"), QVariant(0));
        const QVariantList factory = view->loadApConfig();
        QCOMPARE(factory.size(), 32);
        view->saveApConfig({ 2, 0, 0, 1 });
        QCOMPARE(view->loadApConfig().size(), 4);
        view->resetApconfig();
        QCOMPARE(view->loadApConfig(), factory);
        QCOMPARE(view->z4_getApConfig("dpiValue").toStringList().size(), 18);
    }
};

QTEST_MAIN(tst_StoreSlots)
#include "tst_storeslots.moc"

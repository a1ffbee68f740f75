// The bridge's store and device-facing slots, against the simulated mouse and real setting
// files in a temporary program folder.
#include "bridge/myqquickview.h"
#include "device/devinfo.h"
#include "device/ms_ht66fb560.h"
#include "simmouse.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>

#include <iterator>
#include <memory>
#include <tuple>

using testsupport::numbers;

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
    for (const sim::Report& r : sim::wire())
        if (r.dir == sim::Dir::ToMouse && r.kind == sim::Kind::Feature && r.iface == sim::Role::Command)
            out.push_back(r.bytes);
    return out;
}

QByteArray commandCodes()
{
    QByteArray codes;
    for (const sim::Bytes& command : commands())
        codes.append(char(command.at(1)));
    return codes;
}

// The payload of the output reports: the last block written.
sim::Bytes lastBlock()
{
    sim::Bytes block;
    for (const sim::Report& r : sim::wire())
        if (r.kind == sim::Kind::Output)
            block.insert(block.end(), r.bytes.begin() + 1, r.bytes.end());
    return sim::Bytes(block.end() - qMin<size_t>(block.size(), 128), block.end());
}
// One setter slot: the values it is given, where they land (profile 2 is the current one) and
// the command that carries them.
struct SetterCase {
    const char* tag;
    const char* slot;
    int count, firstValue;
    FwGroup group;
    int profile, first;
    char code;
    bool mouse;
};
// The other 0CH setters differ from Dpi8Io only in offset and profile, which the sensor and
// colour scene tests check on the wire.
const SetterCase kSetters[] = {
    { "Dpi8Io", "z4_0CH_SetDpi8Io", 8, 0, FwGroup::Profile, 0, 16, '\x0c', true },
    { "KeyMatrix", "z4_0DH_SetKeyMatrix", 64, 100, FwGroup::Matrix, 2, 0, '\x0d', true },
    { "ReportRate", "z4_03H_SetReportRate", 1, 4, FwGroup::Other, 2, 1, '\x03', true },
    { "DPIStage", "z4_04H_SetDPIStage", 1, 6, FwGroup::Other, 2, 0, '\x04', true },
    { "KeyMatrix without mouse", "z4_0DH_SetKeyMatrix", 64, 100, FwGroup::Matrix, 2, 0, '\x0d', false },
};
} // namespace

class tst_StoreSlots : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::WorkDir> dir;
    std::unique_ptr<MS_HT66FB560> device;
    std::unique_ptr<myQQuickView> view;
    bool plugged = true;

    void unplug()
    {
        sim::unplug();
        plugged = false;
    }

    // What the scene finds after start-up, the mouse detected once for the whole case (stopping
    // its listener takes a read timeout). Without `refresh` the store is loaded from the file,
    // which spares the 26 exchanges of a refresh where a test does not need them.
    void start(bool refresh = true)
    {
        view = std::make_unique<myQQuickView>();
        view->setDevice(device.get());
        view->setConnected(plugged);
        if (refresh)
            view->refresh();
        else
            view->loadProfiles();
    }
    QVariant onDisk(const QString& key) const
    {
        view->profileStore().file()->sync();
        return QSettings(kLive, QSettings::IniFormat).value(key);
    }
    static void armFirmware()
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
    void initTestCase()
    {
        sim::reset();
        device = std::make_unique<MS_HT66FB560>();
        QVERIFY(device->detect(loadCatalogue(Z4_CATALOGUE, {})));
    }
    void init()
    {
        sim::plug();
        plugged = true;
        sim::clearWire();
        dir = std::make_unique<testsupport::WorkDir>();
        QDir().mkpath("modules/setting");
        for (const char* name : { "apConfig.bin", "apConfigD.bin", "pD_Z4.bin", "p_Z4.bin" })
            QVERIFY(QFile::copy(kSettingDir + name, QStringLiteral("modules/setting/") + name));
    }
    void cleanup()
    {
        view.reset();
        dir.reset();
    }
    void cleanupTestCase() { device.reset(); }

    // The command order and the current profile are checked by e2e_store on the real program's
    // wire; there every profile holds the same image, here each must land in its own entry.
    void refreshStoresEachProfilesAnswers()
    {
        armFirmware();
        start();
        for (int n = 0; n < 6; ++n) {
            const sim::Bytes image = pattern(n);
            QCOMPARE(uints(onDisk(QStringLiteral("profile_fw/%1").arg(n)).toList()),
                QList<uint>(image.begin(), image.end()));
        }
        // Stage, rate, and the lighting type for profile 0 only.
        QCOMPARE(uints(onDisk("other_fw/3").toList()), QList<uint>({ 4, 1 }) + QList<uint>(126, 0));
        QCOMPARE(uints(onDisk("other_fw/0").toList()), QList<uint>({ 1, 8, 1 }) + QList<uint>(125, 0));
    }

    void failedReadKeepsStoredValues_data()
    {
        QTest::addColumn<int>("failingAnswer"); // nth fetched answer: 82H, then 8C 8D 84 83 (89)
        QTest::addColumn<bool>("unplug");
        QTest::addColumn<int>("profile");
        QTest::newRow("current profile: no switch to profile 0") << 1 << false << 0;
        QTest::newRow("image of profile 1") << 7 << false << 1;
        QTest::newRow("unplugged from profile 5 on") << 22 << true << 5;
    }
    void failedReadKeepsStoredValues()
    {
        QFETCH(int, failingAnswer);
        QFETCH(bool, unplug);
        QFETCH(int, profile);
        armFirmware();
        const QString key = QStringLiteral("profile_fw/%1").arg(profile);
        const uint stored
            = QSettings(kSettingDir + "pD_Z4.bin", QSettings::IniFormat).value(key).toList().at(84).toUInt();
        QSettings(kLive, QSettings::IniFormat).setValue(QStringLiteral("common/curProfile"), 2);
        if (unplug)
            sim::unplugAfter(sim::Op::GetFeature, failingAnswer - 1);
        else
            sim::failCall(sim::Op::GetFeature, failingAnswer);
        start();
        QCOMPARE(int(view->profileStore().curProfile()), failingAnswer == 1 ? 2 : 4);
        if (failingAnswer == 1)
            return;
        QCOMPARE(view->profileStore().value(FwGroup::Profile, profile, 84), stored);
        QCOMPARE(onDisk(key).toList().value(84).toUInt(), stored);
        QCOMPARE(view->profileStore().value(FwGroup::Matrix, 2, 0), uint(pattern(12)[0])); // read before
    }

    void setter_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(kSetters)); ++i)
            QTest::newRow(kSetters[i].tag) << i;
    }
    void setter()
    {
        QFETCH(int, row);
        const SetterCase& c = kSetters[row];
        const QVariantList values = numbers(c.count, c.firstValue);
        const auto [group, profile, first, code, mouse]
            = std::tuple(c.group, c.profile, c.first, c.code, c.mouse);
        if (!mouse)
            unplug();
        start(false);
        view->z4_02H_SetCurrentProfile(2);
        const QString key = ProfileStore::groupName(group) + QLatin1Char('/') + QString::number(profile);
        const QVariant fileBefore = onDisk(key);
        sim::clearWire();
        if (values.size() == 1)
            QMetaObject::invokeMethod(view.get(), c.slot, Q_ARG(uchar, values[0].toUInt()));
        else
            QVERIFY(QMetaObject::invokeMethod(view.get(), c.slot, Q_ARG(QVariantList, values)));

        const ProfileStore& store = view->profileStore();
        QCOMPARE(store.entries(group, profile, first, values.size()), values);
        QCOMPARE(onDisk(ProfileStore::groupName(group) + "/dirty").toList().value(profile).toBool(), !mouse);
        // The file follows every edit, or an export or import would bring back older values.
        QVERIFY(onDisk(key) != fileBefore);
        QCOMPARE(uints(onDisk(key).toList()), uints(store.image(group, profile)));
        if (!mouse)
            return;
        QCOMPARE(commandCodes(), QByteArray(1, code));
        QCOMPARE(int(commands().front().at(2)), profile); // 03H and 04H name it first too
        if (code == '\x0c' || code == '\x0d') {
            const ProfileStore::Block sent = store.block(group, profile);
            QCOMPARE(lastBlock(), sim::Bytes(sent.begin(), sent.end()));
        } else {
            QCOMPARE(int(commands().front().at(3)), values[0].toInt());
        }
    }

    // A profile the mouse does not have is neither stored nor sent.
    void profileOutOfRangeSendsNothing()
    {
        start(false);
        view->z4_02H_SetCurrentProfile(3);
        sim::clearWire();
        view->z4_02H_SetCurrentProfile(9);
        QVERIFY(sim::wire().empty());
        QCOMPARE(int(view->z4_82H_GetCurrentProfile()), 3);
        QCOMPARE(onDisk("common/curProfile").toInt(), 3);
    }

    void questionsFillOnlyTheirPlaceholder()
    {
        start(false); // a question that names no subject is asked as it is, without a warning
        QTest::failOnWarning(QRegularExpression(QStringLiteral("QString::arg")));
        for (int question : { 0, 2, 5 })
            QCOMPARE(view->z4_questionText(question, QStringLiteral("P03")).contains(QStringLiteral("P03")),
                question == 0);
        QCOMPARE(view->z4_questionText(6, QStringLiteral("P03")), QString());
        QCOMPARE(view->z4_questionText(-1, QStringLiteral("P03")), QString());
    }

    // Another program changed P04's first stage and chose P02 after the page read P04: APPLY
    // sends the page's edit to P04 and leaves the other change in place (nothing to P02).
    void applySendsOnlyTheEditsToTheShownProfile()
    {
        armFirmware();
        start();
        const QVariantList read = view->z4_8CH_GetDpi8Stage();
        {
            QSettings file(kLive, QSettings::IniFormat);
            ProfileStore other(&file);
            other.loadProfiles();
            other.setConnected(true);
            MouseSettings elsewhere(other, device.get());
            QVariantList theirs = read;
            theirs[0] = 20;
            elsewhere.setDpiStages(4, theirs);
            elsewhere.selectProfile(2);
        }
        view->rereadStore();
        QVariantList mine = read;
        mine[1] = 30;
        sim::clearWire();
        view->z4_0CH_SetDpi8Stage(mine);
        QCOMPARE(int(sim::profileImage(4).at(84)), 20);
        QCOMPARE(int(sim::profileImage(4).at(85)), 30);
        QCOMPARE(sim::profileImage(2), pattern(2));
    }

    // RESET shows the defaults as edits: neither the mouse nor the file changes until APPLY.
    void resetWritesNothingUntilApplied()
    {
        armFirmware();
        start();
        const QVariant before = onDisk("profile_fw/4");
        sim::clearWire();
        view->z4_resetProfile(4);
        QVERIFY(sim::wire().empty());
        QCOMPARE(onDisk("profile_fw/4"), before);
    }

    void gettersConvertAndReadProfileZero()
    {
        unplug();
        start();
        ProfileStore& store = view->profileStore();
        store.setEntries(FwGroup::Profile, 0, 16, { 1, 8, 3, QStringLiteral("8"), 0, 0, 0, 0 }, 8);
        store.setEntries(FwGroup::Profile, 3, 84, { 207, QStringLiteral("207"), 160, 159 }, 4);
        store.saveProfiles();
        view->z4_02H_SetCurrentProfile(3);
        sim::plug();
        plugged = true;
        sim::clearWire();
        QCOMPARE(view->z4_8CH_GetDpi8Io(), (QVariantList { 1, 7, 3, 7, 0, 0, 0, 0 }));
        QCOMPARE(view->z4_8CH_GetDpi8Stage().mid(0, 4), (QVariantList { 159u, 159u, 160u, 159u }));
        QVERIFY(sim::wire().empty()); // getters never talk to the mouse
    }
};

QTEST_MAIN(tst_StoreSlots)
#include "tst_storeslots.moc"

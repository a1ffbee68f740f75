// The bridge's macro slots against real files in a temporary program folder and the simulated
// mouse, with the file dialogs and the warning box driven like a user would.
#include "bridge/myqquickview.h"
#include "device/devinfo.h"
#include "device/ms_ht66fb560.h"
#include "simmouse.h"
#include "testsupport.h"

#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTest>

namespace {

constexpr int kMacroCommand = 0x0F;

sim::Bytes block(std::initializer_list<int> head)
{
    sim::Bytes out(sim::kBlockLength, 0);
    std::copy(head.begin(), head.end(), out.begin());
    return out;
}

const auto pressAndRelease = [](const QString& key) {
    return QStringList { key + "    [Down]", key + "      [Up]" };
};

std::vector<sim::Report> macroCommandsOnWire()
{
    std::vector<sim::Report> commands;
    for (const sim::Report& r : sim::wire())
        if (r.dir == sim::Dir::ToMouse && r.kind == sim::Kind::Feature && r.bytes.size() > 3
            && r.bytes[1] == kMacroCommand)
            commands.push_back(r);
    return commands;
}

} // namespace

class tst_MacroSlots : public QObject {
    Q_OBJECT

    QString macroFile(const QString& name) const
    {
        return work->filePath("modules/macro/1/" + name + ".bin");
    }
    QString newMacro(const QStringList& lines)
    {
        const QString name = view->createMacroIni().toString();
        view->saveMacroIni(name, lines);
        return name;
    }

    std::unique_ptr<testsupport::WorkDir> work;
    std::unique_ptr<MS_HT66FB560> device;
    std::unique_ptr<myQQuickView> view;

private slots:
    // One bridge and one detected mouse for all tests: building them is the slow part. The macro
    // library is emptied before each test.
    void initTestCase()
    {
        sim::reset();
        work = std::make_unique<testsupport::WorkDir>();
        QDir().mkpath("modules/setting");
        device = std::make_unique<MS_HT66FB560>();
        QVERIFY(device->detect(loadCatalogue(Z4_CATALOGUE, {})));
        view = std::make_unique<myQQuickView>();
        view->setDevice(device.get());
        view->setConnected(true); // as once the window has found the mouse
    }
    void init()
    {
        QVERIFY(QDir("modules/macro").removeRecursively());
        sim::clearWire();
    }
    void cleanupTestCase()
    {
        view.reset();
        device.reset();
        work.reset();
    }
    // What reaches the mouse is either a whole macro the mouse can play to its end, or nothing:
    // the slot then keeps what it held (here the block of a first, good upload).
    void sendsWholeBlockOrNothing_data()
    {
        QTest::addColumn<int>("keyRecords");
        QTest::addColumn<int>("repeat");
        QTest::addColumn<int>("macroId");
        QTest::addColumn<QString>("warning"); // empty: sent without a box
        QTest::newRow("repeat 300") << 2 << 300 << 7 << QString();
        QTest::newRow("62 records fill 128 bytes") << 62 << 1 << 7 << QString();
        QTest::newRow("63 records refused")
            << 63 << 1 << 7 << "Out of memory,\nthe macro is too long and was not sent to the mouse.";
        QTest::newRow("repeat past 16 bits refused")
            << 2 << 0x10000 << 7
            << "The repeat count must be 0 to 65535,\nthe macro was not sent to the mouse.";
        QTest::newRow("negative repeat refused")
            << 2 << -1 << 7 << "The repeat count must be 0 to 65535,\nthe macro was not sent to the mouse.";
        QTest::newRow("id 0 refused") << 2 << 1 << 0 << QString();
        QTest::newRow("id 101 refused") << 2 << 1 << 101 << QString();
        QTest::newRow("id 256 is not id 0") << 2 << 1 << 256 << QString();
    }
    void sendsWholeBlockOrNothing()
    {
        QFETCH(int, keyRecords);
        QFETCH(int, repeat);
        QFETCH(int, macroId);
        QFETCH(QString, warning);
        const QString before = newMacro(pressAndRelease("B"));
        view->z4_0FH_SetMacroKey(7, before);
        const sim::Bytes held = sim::macro(7);
        sim::clearWire();

        QStringList lines;
        for (int i = 0; i < keyRecords; ++i)
            lines << (i % 2 ? "A      [Up]" : "A    [Down]");
        const QString name = newMacro(lines);
        view->setMacroIniConfig(name, { -1, repeat });
        QStringList texts;
        testsupport::ModalAnswerer answerer([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            texts << modal->windowTitle() + ": " + box->text();
            box->button(QMessageBox::Ok)->click();
        });
        const bool sent = view->z4_0FH_SetMacroKey(macroId, name);
        const bool accepted = macroId == 7 && warning.isEmpty();
        QCOMPARE(sent, accepted);
        QCOMPARE(texts, warning.isEmpty() ? QStringList() : QStringList { "MACRO: " + warning });
        QCOMPARE(macroCommandsOnWire().size(), size_t(accepted));
        if (!accepted) {
            QCOMPARE(sim::macro(7), held);
            return;
        }
        sim::Bytes expected(sim::kBlockLength, 0);
        const QList<uchar> stream = view->macroIncode(lines);
        std::copy(stream.begin(), stream.end(), expected.begin());
        expected[0] = uchar(repeat >> 8);
        expected[1] = uchar(repeat);
        QCOMPARE(sim::macro(7), expected);
    }
    // A file keeps its index only while a button of some profile plays it: profile 3's button
    // plays id 5 (index 4); another file still marked with index 9 may not overwrite id 10.
    void saveResendsOnlyMacroAButtonPlays()
    {
        QVariantList matrix(ProfileStore::kImageSize, 0);
        matrix[8] = 0x09, matrix[10] = 5;
        view->profileStore().setEntries(FwGroup::Matrix, 3, 0, matrix, ProfileStore::kImageSize);
        const QString used = view->createMacroIni().toString(), stale = view->createMacroIni().toString();
        view->setMacroIniConfig(used, { 4, 2 });
        view->setMacroIniConfig(stale, { 9, 1 });
        QVERIFY(view->saveMacroIni(used, pressAndRelease("B")).toBool());
        QVERIFY(view->saveMacroIni(stale, pressAndRelease("C")).toBool());
        QCOMPARE(macroCommandsOnWire().size(), size_t(1));
        QCOMPARE(sim::macro(5), block({ 0, 2, 0x01, 0x05, 0x81, 0x05, 0, 0 }));
        QCOMPARE(view->z4_getUsedMacroIndices(), QVariantList { 4 });
        view->profileStore().setEntries(
            FwGroup::Matrix, 3, 0, QVariantList(ProfileStore::kImageSize, 0), 128);
    }
    // Fault: a macro edited between its assignment and APPLY kept its old bytes on the mouse,
    // as only slots of the stored matrices were sent again.
    void macroEditedBeforeApplyReachesTheMouse()
    {
        const QString name = newMacro(pressAndRelease("A"));
        const QVariantList bytes = view->z4_assignMacro(name, 0, 1, QVariantList(16));
        QCOMPARE(bytes.size(), 4);
        QVERIFY(view->saveMacroIni(name, pressAndRelease("B")).toBool());
        QCOMPARE(sim::macro(bytes.at(2).toInt()), block({ 0, 1, 0x01, 0x05, 0x81, 0x05, 0, 0 }));
        view->z4_releaseMacros({});
    }
    // A dialog is modal and answered inside the call, so a count is final when the call returns.
    void importAndExportThroughFileDialog()
    {
        {
            testsupport::ModalAnswerer none([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
            view->saveMacroIniToFile("missing"); // no macro, no dialog
            QCOMPARE(none.answered, 0);
        }
        const QString name = newMacro(pressAndRelease("A"));
        // The picked file's index belongs to another program's mouse: the target keeps its own.
        QVERIFY(work->write("picked.mc", "[config]\nindex=150\ntotal=1\nrepeat=3\n[macro]\n0=Z    [Down]\n"));
        testsupport::ModalAnswerer answerer(
            [&](QWidget* modal) { QVERIFY(testsupport::typeFileName(modal, work->filePath("picked.mc"))); });
        view->loadMacroIniFromFile(name);
        QCOMPARE(answerer.answered, 1);
        QCOMPARE(view->loadMacroIni(name), QStringList { "Z    [Down]" });
        QCOMPARE(view->loadMacroIniConfig(name), QVariantList({ -1, 3 }));
        QVERIFY2(!QFile::exists(macroFile("missing")), "a missing macro was created");
    }
    // Entries come back as the store holds them: text when read from the profile file. One bridge
    // for every index, as building one is the slow part.
    void keyDefinitionOfCurrentProfile()
    {
        QVERIFY2(view->getKeydefine(0).isEmpty(), "a key definition before any was read");
        QStringList matrix;
        for (int i = 0; i < 128; ++i)
            matrix << QString::number(255 - i);
        {
            QSettings file("modules/setting/p_Z4.bin", QSettings::IniFormat);
            file.setValue("common/curProfile", 1);
            file.setValue("matrix_fw/1", matrix);
        }
        view = std::make_unique<myQQuickView>(); // a fresh bridge reads the file written above
        view->loadProfiles();
        const QVariantList none;
        const std::pair<QVariant, QVariantList> cases[] = { { 0, { "255", "254", "253", "252" } },
            { 15.0, { "195", "194", "193", "192" } }, // a number from the scene
            { 31, { "131", "130", "129", "128" } }, { 32, none }, { -1, none },
            { qlonglong(1) << 62, none } };
        for (const auto& [matrixId, expected] : cases)
            QCOMPARE(view->getKeydefine(matrixId), expected);
    }
};

QTEST_MAIN(tst_MacroSlots)
#include "tst_macroslots.moc"

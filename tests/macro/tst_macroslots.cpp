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
    void sendsBlockToMacroSlot_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("repeat");
        QTest::addColumn<sim::Bytes>("block");
        QTest::addColumn<bool>("warns");
        const QStringList keys = pressAndRelease("A");
        QTest::newRow("repeat keeps its low 16 bits")
            << keys << 0x11170 << block({ 0x11, 0x70, 0x01, 0x04, 0x81, 0x04, 0, 0 }) << false;
        QStringList many;
        for (int i = 0; i < 32; ++i)
            many << pressAndRelease(QString(QChar('A' + i % 26)));
        // The block is the stream's first 128 bytes, checked against the stream below.
        QTest::newRow("64 keys warn and send their first 128 bytes") << many << 1 << sim::Bytes() << true;
    }
    void sendsBlockToMacroSlot()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, repeat);
        QFETCH(bool, warns);
        const QString name = newMacro(lines);
        view->setMacroIniConfig(name, { -1, repeat });
        QString title, text;
        testsupport::ModalAnswerer answerer([&](QWidget* modal) {
            title = modal->windowTitle();
            text = qobject_cast<QMessageBox*>(modal)->text();
            qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Ok)->click();
        });
        view->z4_0FH_SetMacroKey(7, name);
        QFETCH(sim::Bytes, block);
        if (warns) {
            const QList<uchar> stream = view->macroIncode(lines); // header, 64 key records, end record
            QCOMPARE(stream.size(), 132);
            block.assign(stream.begin(), stream.begin() + 128);
        }
        QCOMPARE(sim::macro(7), block);
        QCOMPARE(answerer.answered, int(warns));
        if (warns) {
            QCOMPARE(title, "MACRO");
            QCOMPARE(text, "Out of memory,\nsome command line has been cut.");
        }
    }
    // A button's index 4 is macro ID 5; a macro no button uses is not sent.
    void saveResendsOnlyMacroAButtonUses()
    {
        const QString used = view->createMacroIni().toString(), unused = view->createMacroIni().toString();
        view->setMacroIniConfig(used, { 4, 2 });
        QVERIFY(view->saveMacroIni(used, pressAndRelease("B")).toBool());
        QVERIFY(view->saveMacroIni(unused, pressAndRelease("C")).toBool());
        QCOMPARE(macroCommandsOnWire().size(), size_t(1));
        QCOMPARE(sim::macro(5), block({ 0, 2, 0x01, 0x05, 0x81, 0x05, 0, 0 }));
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
        QVERIFY(work->write("picked.mc", "[config]\nindex=-1\ntotal=1\nrepeat=3\n[macro]\n0=Z    [Down]\n"));
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

// The bridge's macro slots against real files in a temporary program folder and the simulated
// mouse, with the file dialogs and the warning box driven like a user would.
#include "bridge/myqquickview.h"
#include "device/devinfo.h"
#include "device/ms_ht66fb560.h"
#include "simmouse.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

constexpr int kMacroCommand = 0x0F;

sim::Bytes bytes(std::initializer_list<int> head)
{
    sim::Bytes block(sim::kBlockLength, 0);
    std::copy(head.begin(), head.end(), block.begin());
    return block;
}

QStringList pressAndRelease(const QString& key)
{
    return { key + "    [Down]", key + "      [Up]" };
}

// Runs `act` on the next modal window (file dialog or message box) once it is shown.
class ModalDriver : public QObject {
public:
    explicit ModalDriver(std::function<void(QWidget*)> act)
        : action(std::move(act))
    {
        connect(&timer, &QTimer::timeout, this, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                timer.stop();
                seen = true;
                action(modal);
                // A failed check inside the action must not leave the test waiting on the window.
                if (QApplication::activeModalWidget() == modal)
                    if (auto* dialog = qobject_cast<QDialog*>(modal))
                        dialog->reject();
            }
        });
        timer.start(20);
    }
    bool seen = false;

private:
    std::function<void(QWidget*)> action;
    QTimer timer;
};

// Types the full path into the name field, as a user can; selectFile() would race with the
// dialog's asynchronous change of folder.
void pickFile(QWidget* modal, const QString& path)
{
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    QVERIFY(dialog);
    auto* nameEdit = dialog->findChild<QLineEdit*>("fileNameEdit");
    QVERIFY(nameEdit);
    nameEdit->setText(path);
    QTRY_COMPARE(dialog->selectedFiles(), QStringList { path });
    static_cast<QDialog*>(dialog)->accept();
}

int macroCommandsOnWire()
{
    int count = 0;
    for (const sim::Report& r : sim::wire())
        count += r.dir == sim::Dir::ToMouse && r.kind == sim::Kind::Feature && r.bytes.size() > 2
            && r.bytes[1] == kMacroCommand;
    return count;
}

} // namespace

class tst_MacroSlots : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void sendsBlockToMacroSlot_data();
    void sendsBlockToMacroSlot();
    void longMacroWarnsAndSendsFirst128Bytes();
    void commandPacketNamesMacroId();
    void saveResendsMacroAButtonUses();
    void saveOfUnusedMacroSendsNothing();
    void saveOfMissingMacroFails();
    void importCancelledChangesNothing();
    void importReplacesMacro();
    void importIntoMissingMacroCopiesNothing();
    void exportWritesCopy();
    void exportOfMissingMacroOpensNoDialog();
    void exportCancelledWritesNothing();
    void libraryRoundTripThroughSlots();
    void keyDefinitionOfCurrentProfile_data();
    void keyDefinitionOfCurrentProfile();
    void keyDefinitionFromProfileFileKeepsText();
    void keyDefinitionBeforeLoadIsEmpty();

private:
    QString macroFile(const QString& name) const
    {
        return QDir::current().filePath("modules/macro/1/" + name + ".bin");
    }

    QString startDir;
    std::unique_ptr<QTemporaryDir> tmp;
    std::unique_ptr<MS_HT66FB560> device;
    std::unique_ptr<myQQuickView> view;
};

void tst_MacroSlots::initTestCase()
{
    startDir = QDir::currentPath();
}

void tst_MacroSlots::init()
{
    sim::reset();
    tmp = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir::setCurrent(tmp->path()));
    QDir().mkpath("modules/setting");
    device = std::make_unique<MS_HT66FB560>();
    QVERIFY(device->detect(loadCatalogue(Z4_CATALOGUE, {})));
    view = std::make_unique<myQQuickView>();
    view->setDevice(device.get());
    sim::clearWire();
}

void tst_MacroSlots::cleanup()
{
    view.reset();
    device.reset();
    QDir::setCurrent(startDir);
    tmp.reset();
}

void tst_MacroSlots::sendsBlockToMacroSlot_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("repeat");
    QTest::addColumn<sim::Bytes>("block");
    QTest::newRow("repeat once") << pressAndRelease("A") << 1
                                 << bytes({ 0, 1, 0x01, 0x04, 0x81, 0x04, 0, 0 });
    QTest::newRow("repeat 300") << pressAndRelease("A") << 300
                                << bytes({ 0x01, 0x2C, 0x01, 0x04, 0x81, 0x04, 0, 0 });
    QTest::newRow("empty macro") << QStringList() << 1 << bytes({ 0, 1, 0, 0 });
}

void tst_MacroSlots::sendsBlockToMacroSlot()
{
    QFETCH(QStringList, lines);
    QFETCH(int, repeat);
    const QString name = view->createMacroIni().toString();
    QVERIFY(view->saveMacroIni(name, lines).toBool());
    view->setMacroIniConfig(name, { -1, repeat });
    view->z4_0FH_SetMacroKey(7, name);
    QTEST(sim::macro(7), "block");
}

void tst_MacroSlots::longMacroWarnsAndSendsFirst128Bytes()
{
    QStringList lines;
    for (int i = 0; i < 32; ++i)
        lines << pressAndRelease(QString(QChar('A' + i % 26)));
    const QString name = view->createMacroIni().toString();
    QVERIFY(view->saveMacroIni(name, lines).toBool());
    QCOMPARE(view->macroIncode(lines).size(), 132);

    QString title, text;
    ModalDriver driver([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        title = box->windowTitle();
        text = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    view->z4_0FH_SetMacroKey(1, name);
    QCOMPARE(title, "MACRO");
    QCOMPARE(text, "Out of memory,\nsome command line has been cut.");

    const QList<uchar> stream = view->macroIncode(lines);
    const sim::Bytes sent = sim::macro(1);
    QCOMPARE(sent.size(), size_t(128));
    QVERIFY(std::equal(sent.begin(), sent.end(), stream.begin())); // header, 63 key records, no end
}

void tst_MacroSlots::commandPacketNamesMacroId()
{
    view->z4_0FH_SetMacroKey(100, "missing"); // a missing file sends the empty macro
    QCOMPARE(sim::macro(100), bytes({ 0, 1, 0, 0 }));
    QCOMPARE(macroCommandsOnWire(), 1);
    const auto wire = sim::wire();
    const auto packet = std::find_if(wire.begin(), wire.end(), [](const sim::Report& r) {
        return r.kind == sim::Kind::Feature && r.bytes.size() > 3 && r.bytes[1] == kMacroCommand;
    });
    QCOMPARE(int(packet->bytes[2]), 100);
    QCOMPARE(int(packet->bytes[3]), 0x80);
    // The block follows as two output reports, each a report ID and 64 bytes.
    sim::Bytes sent;
    for (auto r = packet; r != wire.end(); ++r)
        if (r->kind == sim::Kind::Output && r->bytes.size() == 65)
            sent.insert(sent.end(), r->bytes.begin() + 1, r->bytes.end());
    QCOMPARE(sent, bytes({ 0, 1, 0, 0 }));
}

void tst_MacroSlots::saveResendsMacroAButtonUses()
{
    const QString name = view->createMacroIni().toString();
    view->setMacroIniConfig(name, { 4, 2 });
    QVERIFY(view->saveMacroIni(name, pressAndRelease("B")).toBool());
    QCOMPARE(sim::macro(5), bytes({ 0, 2, 0x01, 0x05, 0x81, 0x05, 0, 0 }));
    QCOMPARE(macroCommandsOnWire(), 1);
}

void tst_MacroSlots::saveOfUnusedMacroSendsNothing()
{
    const QString name = view->createMacroIni().toString();
    QVERIFY(view->saveMacroIni(name, pressAndRelease("B")).toBool());
    QCOMPARE(macroCommandsOnWire(), 0);
}

void tst_MacroSlots::saveOfMissingMacroFails()
{
    QVERIFY(!view->saveMacroIni("missing", pressAndRelease("B")).toBool());
    QVERIFY(!QFile::exists(macroFile("missing")));
    QVERIFY(!view->saveMacroIni("../escape", {}).toBool());
    QCOMPARE(macroCommandsOnWire(), 0);
}

void tst_MacroSlots::importCancelledChangesNothing()
{
    const QString name = view->createMacroIni().toString();
    view->saveMacroIni(name, pressAndRelease("A"));
    ModalDriver driver([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    view->loadMacroIniFromFile(name);
    QVERIFY(driver.seen);
    QCOMPARE(view->loadMacroIni(name), pressAndRelease("A"));
}

void tst_MacroSlots::importReplacesMacro()
{
    const QString name = view->createMacroIni().toString();
    const QString source = tmp->filePath("picked.mc");
    {
        QFile file(source);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[config]\nindex=-1\ntotal=1\nrepeat=3\n[macro]\n0=Z    [Down]\n");
    }
    ModalDriver driver([&](QWidget* modal) { pickFile(modal, source); });
    view->loadMacroIniFromFile(name);
    QVERIFY(driver.seen);
    QCOMPARE(view->loadMacroIni(name), QStringList({ "Z    [Down]" }));
    QCOMPARE(view->loadMacroIniConfig(name), QVariantList({ -1, 3 }));
}

void tst_MacroSlots::importIntoMissingMacroCopiesNothing()
{
    const QString source = tmp->filePath("picked.mc");
    QFile(source).open(QIODevice::WriteOnly);
    ModalDriver driver([&](QWidget* modal) { pickFile(modal, source); });
    view->loadMacroIniFromFile("missing");
    QVERIFY(driver.seen);
    QVERIFY(!QFile::exists(macroFile("missing")));
}

void tst_MacroSlots::exportWritesCopy()
{
    const QString name = view->createMacroIni().toString();
    view->saveMacroIni(name, pressAndRelease("A"));
    const QString target = tmp->filePath("out.mc");
    ModalDriver driver([&](QWidget* modal) { pickFile(modal, target); });
    view->saveMacroIniToFile(name);
    QFile exported(target), original(macroFile(name));
    QVERIFY(exported.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly));
    QCOMPARE(exported.readAll(), original.readAll());
}

void tst_MacroSlots::exportOfMissingMacroOpensNoDialog()
{
    ModalDriver driver([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    view->saveMacroIniToFile("missing");
    QTest::qWait(100);
    QVERIFY(!driver.seen);
}

void tst_MacroSlots::exportCancelledWritesNothing()
{
    const QString name = view->createMacroIni().toString();
    const QStringList before = QDir(tmp->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    ModalDriver driver([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    view->saveMacroIniToFile(name);
    QVERIFY(driver.seen);
    QCOMPARE(QDir(tmp->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
}

void tst_MacroSlots::libraryRoundTripThroughSlots()
{
    QCOMPARE(view->getMacroIniNames(), QStringList());
    QCOMPARE(view->createMacroIni().toString(), "Macro. 001");
    QCOMPARE(view->createMacroIni().toString(), "Macro. 002");
    view->renameMacroIniFile("Macro. 001", "Macro. 002");
    view->renameMacroIniFile("Macro. 001", "sub/dir");
    QCOMPARE(view->getMacroIniNames(), QStringList({ "Macro. 001.bin", "Macro. 002.bin" }));
    view->renameMacroIniFile("Macro. 001", "Jump");
    QCOMPARE(view->getMacroIniNames(), QStringList({ "Jump.bin", "Macro. 002.bin" }));
    QCOMPARE(view->loadMacroIniConfig("Jump"), QVariantList({ -1, 1 }));
    QVERIFY(view->deleteMacroIni("Jump").toBool());
    QVERIFY(!view->deleteMacroIni("Jump").toBool());
    QVERIFY(!view->deleteMacroIni("..").toBool());
    QCOMPARE(macroCommandsOnWire(), 0);
}

void tst_MacroSlots::keyDefinitionOfCurrentProfile_data()
{
    QTest::addColumn<QVariant>("matrixId");
    QTest::addColumn<QVariantList>("expected");
    QTest::newRow("first slot") << QVariant(0) << QVariantList { 0u, 1u, 2u, 3u };
    QTest::newRow("last button slot") << QVariant(15) << QVariantList { 60u, 61u, 62u, 63u };
    QTest::newRow("number from the scene") << QVariant(15.0) << QVariantList { 60u, 61u, 62u, 63u };
    QTest::newRow("last slot in the list") << QVariant(31) << QVariantList { 124u, 125u, 126u, 127u };
    QTest::newRow("beyond the list") << QVariant(32) << QVariantList();
    QTest::newRow("negative") << QVariant(-1) << QVariantList();
    QTest::newRow("huge") << QVariant(qlonglong(1) << 62) << QVariantList();
}

void tst_MacroSlots::keyDefinitionOfCurrentProfile()
{
    QFETCH(QVariant, matrixId);
    QFETCH(QVariantList, expected);
    sim::Bytes matrix(sim::kBlockLength);
    for (int i = 0; i < sim::kBlockLength; ++i)
        matrix[i] = uchar(i);
    sim::setKeyMatrix(2, matrix);
    sim::setCurrentProfile(2);
    view->setConnected(true);
    view->refresh();
    const QVariantList slot = view->getKeydefine(matrixId);
    QCOMPARE(slot.size(), expected.size());
    for (int i = 0; i < slot.size(); ++i)
        QCOMPARE(slot.at(i).toUInt(), expected.at(i).toUInt());
}

void tst_MacroSlots::keyDefinitionFromProfileFileKeepsText()
{
    QStringList matrix;
    for (int i = 0; i < 128; ++i)
        matrix << QString::number(255 - i);
    {
        QSettings file("modules/setting/p_Z4.bin", QSettings::IniFormat);
        file.setValue("common/curProfile", 1);
        file.setValue("matrix_fw/1", matrix);
    }
    view.reset();
    view = std::make_unique<myQQuickView>();
    view->setConnected(false);
    view->refresh();
    QCOMPARE(view->getKeydefine(15), QVariantList({ "195", "194", "193", "192" }));
}

void tst_MacroSlots::keyDefinitionBeforeLoadIsEmpty()
{
    QCOMPARE(view->getKeydefine(0), QVariantList());
}

QTEST_MAIN(tst_MacroSlots)
#include "tst_macroslots.moc"

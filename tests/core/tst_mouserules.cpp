// The rules the window and z4ctl share, driven through both: the window's bridge slots and
// z4ctl's commands, on the simulated mouse and real files in a copy of the program folder.
#include "bridge/myqquickview.h"
#include "cli/ctl.h"
#include "cli/ctlsession.h"
#include "core/keyfunctions.h"
#include "core/keyslots.h"
#include "device/devinfo.h"
#include "macro/macroencoder.h"
#include "macro/macrolibrary.h"
#include "simmouse.h"

#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

namespace {
const QString kLive = QStringLiteral("modules/setting/p_Z4.bin");

QStringList keyLines(const QString& key)
{
    return { key + "    [Down]", key + "      [Up]" };
}

MacroLibrary library()
{
    return MacroLibrary(MacroLibrary::folderForModel(1));
}
} // namespace

class TestMouseRules : public QObject {
    Q_OBJECT

    QTemporaryDir work;
    QString pristine;
    std::unique_ptr<MS_HT66FB560> device;
    std::unique_ptr<myQQuickView> view;
    QVariantList pageSlots; // the key page's copy of profile 1

    int ctl(const QString& line)
    {
        QString out, err;
        QTextStream o(&out), e(&err);
        return ctl::run(line.split(QLatin1Char(' '), Qt::SkipEmptyParts), QDir::currentPath(), o, e);
    }

    // A fresh program folder, mouse and (for the window) bridge, as after a start.
    void start(bool window)
    {
        view.reset();
        device.reset();
        sim::reset();
        QFile::remove(kLive);
        QVERIFY(QFile::copy(pristine, kLive));
        QFile::setPermissions(kLive, QFile::ReadOwner | QFile::WriteOwner);
        QDir("modules/macro").removeRecursively();
        QDir().mkpath("modules/macro/1");
        for (const char* name : { "A", "B", "C" }) {
            QFile file(QStringLiteral("modules/macro/1/%1.bin").arg(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[config]\nindex=-1\ntotal=0\nrepeat=1\n");
            file.close();
            QVERIFY(library().saveLines(name, keyLines(name)));
        }
        if (!window) {
            // As the window's start reads the mouse into the file.
            QCOMPARE(ctl("show 1"), 0);
            QCOMPARE(ctl("show 2"), 0);
            return;
        }
        device = std::make_unique<MS_HT66FB560>();
        QVERIFY(device->detect(loadCatalogue(Z4_CATALOGUE, {})));
        view = std::make_unique<myQQuickView>();
        view->setDevice(device.get());
        view->setConnected(true);
        view->refresh();
        view->profileStore().setCurProfile(1);
        pageSlots = view->z4_keyMatrix();
    }

    void windowButton(int button, const QVariantList& bytes)
    {
        pageSlots[keyfunctions::slotOfButton(button)] = bytes;
        view->z4_applyKeySlots(pageSlots);
    }

    // One step of a sequence, through the window (`view` set) or z4ctl.
    void step(const QString& text)
    {
        const QStringList w = text.split(QLatin1Char(' '));
        const bool window = view != nullptr;
        if (w[0] == "assign" && window) {
            pageSlots[keyfunctions::slotOfButton(w[1].toInt())] = QVariant();
            const QVariantList bytes = view->z4_assignMacro(w[2], 0, 1, pageSlots);
            windowButton(w[1].toInt(), bytes.isEmpty() ? keyslots::toList({}) : bytes);
        } else if (w[0] == "assign") {
            ctl("button --profile 1 " + w[1] + " macro:" + w[2]);
        } else if (w[0] == "key" && window) {
            windowButton(
                w[1].toInt(), view->z4_keySlotBytes({ { "category", keyslots::Keyboard }, { "key", 0x04 } }));
        } else if (w[0] == "key") {
            ctl("button --profile 1 " + w[1] + " key:a");
        } else if (w[0] == "edit" && window) {
            view->saveMacroIni(w[1], keyLines(w[2]));
        } else if (w[0] == "edit") {
            QTextStream err(stderr);
            ctl::Session s(false, err);
            s.connect();
            s.settings().setMacroLibrary(MacroLibrary::folderForModel(1));
            library().saveLines(w[1], keyLines(w[2]));
            s.settings().macroChanged(w[1]);
        } else if (w[0] == "delete") {
            window ? void(view->deleteMacroIni(w[1])) : void(library().remove(w[1]));
        } else if (w[0] == "import" && window) {
            QVERIFY(view->profileFiles().exportTo(1, work.filePath("one.pf")).isEmpty());
            QVERIFY(view->profileFiles().importFrom(2, work.filePath("one.pf")).isEmpty());
        } else if (w[0] == "import") {
            QCOMPARE(ctl("export 1 " + work.filePath("one.pf")), 0);
            QCOMPARE(ctl("import " + work.filePath("one.pf") + " 2"), 0);
        } else if (w[0] == "unplug") {
            sim::unplug();
            if (window)
                view->setConnected(false);
        } else if (w[0] == "plug" && window) {
            // WRITE TO MOUSE sends what waited, then the next change is made with the mouse.
            sim::plug();
            QVERIFY(device->detect(loadCatalogue(Z4_CATALOGUE, {})));
            view->setConnected(true);
            view->refresh();
            view->z4_settleDirty(true);
            view->profileStore().setCurProfile(1);
            windowButton(10, keyslots::toList(keyfunctions::ledControl()));
        } else if (w[0] == "plug") {
            sim::plug();
            ctl("button --profile 1 10 led");
        }
    }

    // After every step: no two files share a slot, and with the mouse there every slot a
    // button plays holds the bytes of the file that slot belongs to.
    void checkPool(bool present, const QString& where)
    {
        QMap<int, QString> owners;
        for (const QString& file : library().names()) {
            const QString name = file.chopped(4);
            const int index = library().index(name);
            QVERIFY2(
                index < 0 || !owners.contains(index), qPrintable(where + ": " + name + " shares a slot"));
            owners[index] = name;
        }
        if (!present)
            return;
        const QSettings live(kLive, QSettings::IniFormat);
        for (int profile = 0; profile < 6; ++profile) {
            const QVariantList matrix = live.value("matrix_fw/" + QString::number(profile)).toList();
            for (int index : keyslots::playedMacros(matrix)) {
                const QString name = owners.value(index);
                if (name.isEmpty())
                    continue; // the file was deleted; the mouse keeps what it had
                const auto block = MacroEncoder::deviceBlock(MacroEncoder::encode(library().lines(name)), 1);
                QCOMPARE(sim::macro(index + 1), sim::Bytes(block.begin(), block.end()));
            }
        }
    }

    // What profile 1's buttons play and what the files' slots hold, route-independent.
    QStringList outcome()
    {
        const QSettings live(kLive, QSettings::IniFormat);
        QStringList out;
        for (int profile = 1; profile <= 2; ++profile) {
            const QVariantList matrix = live.value("matrix_fw/" + QString::number(profile)).toList();
            for (int b = 1; b <= 10; ++b) {
                const auto slot = keyslots::fromList(matrix.mid(keyfunctions::slotOfButton(b) * 4, 4));
                out << keyfunctions::describe(slot.value_or(keyfunctions::Slot {}), [](int id) {
                    for (const QString& file : library().names())
                        if (library().index(file.chopped(4)) == id - 1)
                            return file.chopped(4);
                    return QString();
                });
            }
        }
        return out;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QProcess::execute("cp", { "-r", Z4_PROGRAM_DIR "/modules", work.path() }) == 0);
        QDir::setCurrent(work.path());
        pristine = work.filePath("p_Z4.pristine");
        QVERIFY(QFile::copy(kLive, pristine));
    }
    void cleanupTestCase()
    {
        view.reset();
        device.reset();
    }

    void macroBookkeeping_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("assign, reassign") << QStringList { "assign 4 A", "assign 4 B", "assign 3 A" };
        QTest::newRow("unassigned file lets go")
            << QStringList { "assign 4 A", "key 4", "assign 3 B", "assign 4 A" };
        QTest::newRow("one file, two buttons")
            << QStringList { "assign 4 A", "assign 5 A", "key 4", "assign 4 B" };
        QTest::newRow("edit a played file") << QStringList { "assign 4 A", "edit A C", "assign 5 B" };
        QTest::newRow("delete a played file") << QStringList { "assign 4 A", "delete A", "assign 3 B" };
        QTest::newRow("import plays it twice")
            << QStringList { "assign 4 A", "import", "key 4", "assign 3 B" };
        QTest::newRow("assign without the mouse")
            << QStringList { "unplug", "assign 4 A", "assign 3 B", "plug", "assign 5 C" };
        QTest::newRow("edit without the mouse") << QStringList { "assign 4 A", "unplug", "edit A C", "plug" };
        QTest::newRow("reassign without the mouse")
            << QStringList { "assign 4 A", "unplug", "key 4", "assign 3 B", "plug" };
    }
    void macroBookkeeping()
    {
        QFETCH(QStringList, steps);
        QStringList outcomes[2];
        for (const bool window : { false, true }) {
            start(window);
            bool present = true;
            for (const QString& s : steps) {
                step(s);
                present = s == "unplug" ? false : s == "plug" ? true : present;
                checkPool(present, QString(window ? "window, " : "z4ctl, ") + s);
            }
            outcomes[window] = outcome();
        }
        QCOMPARE(outcomes[1], outcomes[0]);
    }

    // Every category's bytes: z4ctl's name, the window's view, and both encodings back.
    void slotDecoding_data()
    {
        QTest::addColumn<QVariantList>("bytes");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("category");
        const auto row = [](const char* tag, QVariantList b, const char* n, int c) {
            QTest::newRow(tag) << b << QString(n) << c;
        };
        row("nothing", { 0, 0, 0, 0 }, "disable", keyslots::None);
        row("key", { 0, 0, 0x05, 0 }, "key:b", keyslots::Keyboard);
        row("combo", { 0, 0x01, 0x04, 0x05 }, "combo:ctrl+a+b", keyslots::Combo);
        row("mouse", { 1, 0, 0xF4, 0 }, "mouse:forward", keyslots::Mouse);
        row("scroll", { 4, 0, 2, 0 }, "mouse:scroll-down", keyslots::Mouse);
        row("dpi", { 7, 0, 3, 0 }, "dpi:cycle", keyslots::Mouse);
        row("triple click", { 0x0A, 0xF0, 0x21, 3 }, "mouse:triple-click", keyslots::Mouse);
        row("media", { 3, 0, 0x8A, 1 }, "media:mail", keyslots::Media);
        row("fire", { 0x0A, 0xF1, 80, 20 }, "fire:right:5:20", keyslots::Fire);
        row("fire key", { 0x0A, 0x04, 255, 9 }, "fire:a:0:9", keyslots::Fire);
        row("led", { 0x0C, 0, 0, 0 }, "led", keyslots::Led);
        row("profile", { 8, 0, 3, 0 }, "profile:switch", keyslots::Profile);
        row("macro", { 9, 2, 1, 0 }, "macro:#1:repeat-on-pressed", keyslots::Macro);
    }
    void slotDecoding()
    {
        QFETCH(QVariantList, bytes);
        QFETCH(QString, name);
        QFETCH(int, category);
        if (!view)
            start(true);
        const keyfunctions::Slot slot = *keyslots::fromList(bytes);
        QCOMPARE(keyfunctions::describe(slot), name);
        const QVariantMap shown = view->z4_keySlotView(bytes);
        QCOMPARE(shown.value("category").toInt(), category);
        keyfunctions::Function parsed;
        QString problem;
        if (category != keyslots::Macro) {
            QVERIFY2(keyfunctions::parse(name, &parsed, &problem), qPrintable(problem));
            QCOMPARE(keyslots::toList(parsed.bytes), bytes);
            QCOMPARE(view->z4_keySlotBytes(shown), bytes);
        }
    }

    // Every effect's speed and brightness: the window's sliders and z4ctl's options store the
    // same bytes, and both read them back alike; an effect takes only the values it uses.
    void lightingBothRoutes_data()
    {
        QTest::addColumn<int>("effect");
        for (int effect = 0; effect < keyfunctions::effectNames().size(); ++effect)
            QTest::newRow(qPrintable(keyfunctions::effectNames().at(effect))) << effect;
    }
    void lightingBothRoutes()
    {
        QFETCH(int, effect);
        if (!view)
            start(true);
        QString line = "light --profile 1 " + keyfunctions::effectNames().at(effect);
        const QVariantMap uses = view->z4_effectUses(effect);
        line += uses.value("speed").toBool() ? " --speed 2" : "";
        line += uses.value("brightness").toBool() ? " --brightness 3" : "";
        QCOMPARE(ctl(line), 0);
        const sim::Bytes byCtl = sim::profileImage(1);
        view->profileStore().setCurProfile(1);
        view->z4_setLighting(effect, 2, 3);
        const sim::Bytes byWindow = sim::profileImage(1);
        QCOMPARE(sim::Bytes(byWindow.begin() + 71, byWindow.begin() + 74),
            sim::Bytes(byCtl.begin() + 71, byCtl.begin() + 74));
        QCOMPARE(view->z4_lighting(),
            (QVariantList { effect, uses.value("speed").toBool() ? 2 : 0,
                uses.value("brightness").toBool() ? 3 : view->z4_lighting().at(2).toInt() }));
        QCOMPARE(uses.value("speed").toBool(), keyfunctions::hasSpeedRange(effect));
        // z4ctl refuses what the window's slider cannot set.
        if (!uses.value("speed").toBool())
            QCOMPARE(ctl(line + " --speed 2"), int(ctl::kUsage));
    }

    // RESET from z4ctl and the window's reset followed by every page's DEFAULT and ALL SAVE
    // leave the same profile and the same lighting type.
    void resetBothRoutes()
    {
        QByteArray files[2];
        for (const bool window : { false, true }) {
            start(window);
            sim::setLightingType(0);
            if (window) {
                view->refresh();
                view->z4_resetProfile(3);
            } else {
                QCOMPARE(ctl("show 3"), 0);
                QCOMPARE(ctl("reset 3"), 0);
            }
            const QSettings live(kLive, QSettings::IniFormat);
            for (const char* group : { "profile_fw", "matrix_fw", "other_fw" })
                for (const int profile : { 0, 3 })
                    files[window] += live.value(QString(group) + "/" + QString::number(profile))
                                         .toStringList()
                                         .join(',')
                                         .toLatin1()
                        + '\n';
        }
        QCOMPARE(files[1], files[0]);
        QCOMPARE(view->z4_89H_GetRGBLedTwinkle(), uchar(0));
        const QVariantList defaults = view->z4_defaultKeySlots();
        for (int slot = 0; slot < 16; ++slot)
            QCOMPARE(
                defaults.at(slot).toList(), view->profileStore().entries(FwGroup::Matrix, 3, slot * 4, 4));
    }
};

QTEST_MAIN(TestMouseRules)
#include "tst_mouserules.moc"

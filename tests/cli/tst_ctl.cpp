// z4ctl's commands on the simulated mouse, in a private copy of the program folder.
#include "cli/ctl.h"
#include "cli/ctltable.h"
#include "simmouse.h"

#include <QDir>
#include <QDirIterator>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

class TestCtl : public QObject {
    Q_OBJECT

    QTemporaryDir work;
    QTemporaryDir elsewhere; // the caller's folder
    QString pristine;
    QString out;
    QString err;

    int ctl(const QString& line, const QString& caller = QString())
    {
        out.clear();
        err.clear();
        QTextStream o(&out);
        QTextStream e(&err);
        return ctl::run(line.split(QLatin1Char(' '), Qt::SkipEmptyParts),
            caller.isEmpty() ? QDir::currentPath() : caller, o, e);
    }

    // A copy of the live file marked as profile 2, with one entry of `key` changed.
    void writeProfile(const QString& name, const QString& key, int at, int value)
    {
        QFile::remove(name);
        QVERIFY(QFile::copy(pristine, name));
        QSettings file(name, QSettings::IniFormat);
        QVariantList values = file.value(key).toList();
        values[at] = value;
        file.setValue(key, values);
        file.setValue("common/importProfile", 2);
    }

    // Every file below the program folder and the caller's, with its contents.
    QMap<QString, QByteArray> files()
    {
        QMap<QString, QByteArray> all;
        for (const QString& root : { work.path(), elsewhere.path() }) {
            for (QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
                 it.hasNext();) {
                QFile f(it.next());
                all.insert(f.fileName(), f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("?"));
            }
        }
        return all;
    }

    // The command packets that reached the mouse, as hex of bytes 1..4.
    QStringList commands()
    {
        QStringList codes;
        for (const sim::Report& r : sim::wire()) {
            if (r.dir == sim::Dir::ToMouse && r.kind == sim::Kind::Feature)
                codes << QByteArray(reinterpret_cast<const char*>(r.bytes.data()) + 1, 4).toHex();
        }
        return codes;
    }

    static void writeMacro(const QString& name, const char* key)
    {
        QFile macro("modules/macro/1/" + name + ".bin");
        QVERIFY(macro.open(QIODevice::WriteOnly | QIODevice::Truncate));
        macro.write(QByteArray("[config]\nindex=-1\ntotal=2\nrepeat=1\n[macro]\n0=") + key
            + "    [Down]\n1=" + key + "      [Up]\n");
    }
    static int macroIndex(const QString& name)
    {
        return QSettings("modules/macro/1/" + name + ".bin", QSettings::IniFormat)
            .value("config/index")
            .toInt();
    }
    // The key code a macro slot of the simulated mouse presses first.
    static int macroKey(int index) { return sim::macro(index + 1).at(3); }
    // The manual's sections of the contract, line by line, each with the test that holds it.
    static QList<QStringList> contract()
    {
        const QString paths = "PATHS AND DRY RUNS";
        const QString exits = "EXIT STATUS";
        return {
            { paths, "pathsMeanTheCallersFolder",
                "A relative FILE means the folder z4ctl was started in, never its data folder." },
            { paths, "badInputExitsTwoSilently",
                "Export refuses a FILE in the program's settings folder, the live profile file among them." },
            { paths, "dryRunTouchesNothing",
                "Nothing is sent and no file is written anywhere: not the profile file, not a macro, not "
                "FILE." },
            { paths, "dryRunTouchesNothing",
                "Every packet the command would send is printed in hex, one exchange a line, also without a "
                "mouse." },
            { paths, "dryRunTouchesNothing",
                "The exit status is the one the command would have had: 0 when it would have succeeded." },
            { paths, "optionsAnywhere",
                "Options may stand anywhere on the line; \\-\\- ends them, so a FILE may begin with "
                "\\-\\-." },
            { exits, "setterOnWireAndReadBack", "The command did what it was asked." },
            { exits, "failuresExitOne",
                "An exchange with the mouse failed midway (the step is named), or a file could not be "
                "written" },
            { exits, "failuresExitOne",
                "(the file is named): the profile file, or a FILE that is a folder." },
            { exits, "badInputExitsTwoSilently",
                "A usage error: one line on standard error names the bad value and what is accepted;" },
            { exits, "badInputExitsTwoSilently", "nothing was sent to the mouse and nothing written." },
            { exits, "badInputExitsTwoSilently",
                "An import is refused so when the file holds a report rate, an active DPI stage or a" },
            { exits, "badInputExitsTwoSilently",
                "value the mouse cannot take, as rate and dpi refuse them." },
            { exits, "noMouse",
                "No mouse is connected and the command needs one, or the mouse is there but cannot be" },
            { exits, "noPermissionExitsThree",
                "opened: \"no permission\", the device path and the command that allows it; nothing is "
                "written." },
        };
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QProcess::execute("cp", { "-r", Z4_PROGRAM_DIR "/modules", work.path() }) == 0);
        QDir::setCurrent(work.path());
        pristine = work.filePath("p_Z4.pristine");
        QVERIFY(QFile::copy("modules/setting/p_Z4.bin", pristine));
        QDir().mkpath("modules/macro/1");
        QFile macro("modules/macro/1/m1.bin");
        QVERIFY(macro.open(QIODevice::WriteOnly));
        macro.write("[config]\nindex=-1\ntotal=1\nrepeat=1\n[macro]\n0=Z    [Down]\n1=Z      [Up]\n");
        macro.close();
        writeProfile("rate300.pf", "other_fw/2", 1, 300);
        writeProfile("stage99.pf", "other_fw/2", 0, 99);
        writeProfile("big.pf", "profile_fw/2", 84, 70000);
        QFile foreign("foreign.pf");
        QVERIFY(foreign.open(QIODevice::WriteOnly) && foreign.write("[x]\ny=1\n") > 0);
    }

    void init()
    {
        QDir("modules/setting").rmdir("p_Z4.bin"); // left by a failed failuresExitOne
        QFile::remove("modules/setting/p_Z4.bin");
        QVERIFY(QFile::copy(pristine, "modules/setting/p_Z4.bin"));
        QFile::setPermissions("modules/setting/p_Z4.bin", QFile::ReadOwner | QFile::WriteOwner);
        sim::reset();
    }

    // Each setter's last exchange on the wire, and show --json reading back what was set.
    void setterOnWireAndReadBack_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("lastCommand");
        QTest::addColumn<QString>("shown");
        QTest::newRow("profile") << "profile 3"
                                 << "02030000"
                                 << "\"profile\":3";
        QTest::newRow("rate") << "rate --profile 2 250"
                              << "03020400"
                              << "\"report_rate_hz\":250";
        QTest::newRow("active stage") << "dpi --profile 2 --active 3"
                                      << "04020300"
                                      << "\"active\":3";
        QTest::newRow("stages") << "dpi --profile 2 400,0,1600"
                                << "0c028000"
                                << "\"stages\":[400,0,1600,0,0,0,0,0]";
        QTest::newRow("key") << "button --profile 2 4 key:F5"
                             << "0d028000"
                             << "{\"button\":4,\"function\":\"key:f5\"";
        QTest::newRow("combo") << "button --profile 2 1 combo:ctrl+shift+k"
                               << "0d028000"
                               << "\"function\":\"combo:ctrl+shift+k\"";
        QTest::newRow("media") << "button --profile 2 2 media:play-pause"
                               << "0d028000"
                               << "\"function\":\"media:play-pause\"";
        QTest::newRow("fire") << "button --profile 2 10 fire:right:5:20"
                              << "0d028000"
                              << "\"function\":\"fire:right:5:20\"";
        QTest::newRow("macro") << "button --profile 2 5 macro:m1:always-repeat"
                               << "0d028000"
                               << "\"function\":\"macro:m1:always-repeat\"";
        QTest::newRow("light") << "light --profile 2 neon --speed 2 --brightness 3"
                               << "0c028000"
                               << "\"lighting\":{\"brightness\":3,\"colors\"";
        QTest::newRow("colours") << "light --profile 2 static --colors #102030"
                                 << "0c008000"
                                 << "\"colors\":[\"#102030\"";
    }
    void setterOnWireAndReadBack()
    {
        QFETCH(QString, line);
        QFETCH(QString, lastCommand);
        QFETCH(QString, shown);
        QCOMPARE(ctl(line), int(ctl::kOk));
        QCOMPARE(commands().value(commands().size() - 1), lastCommand);
        // "profile N" changes the current profile, which a plain show reads.
        QCOMPARE(ctl(line.startsWith("profile") ? "--json show" : "--json show 2"), int(ctl::kOk));
        QVERIFY2(out.contains(shown), qPrintable(out));
    }

    // Refused before anything reaches the mouse or the file, naming the bad value.
    void badInputExitsTwoSilently_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("named");
        QTest::newRow("command") << "frobnicate"
                                 << "frobnicate";
        QTest::newRow("profile") << "profile 6"
                                 << "'6'";
        QTest::newRow("option profile") << "rate --profile 0 500"
                                        << "'0'";
        QTest::newRow("rate") << "rate 300"
                              << "'300'";
        QTest::newRow("dpi value") << "dpi 450"
                                   << "'450'";
        QTest::newRow("nine stages") << "dpi 400,400,400,400,400,400,400,400,400"
                                     << "9";
        QTest::newRow("key") << "button 1 key:nosuch"
                             << "'nosuch'";
        QTest::newRow("button") << "button 11 led"
                                << "'11'";
        QTest::newRow("macro") << "button 1 macro:nosuch"
                               << "'nosuch'";
        QTest::newRow("effect") << "light sparkle"
                                << "'sparkle'";
        QTest::newRow("colour") << "light static --colors red"
                                << "'red'";
        QTest::newRow("file") << "import /nonexistent/x.pf 2"
                              << "/nonexistent/x.pf";
        QTest::newRow("option") << "--verbose show"
                                << "--verbose";
        for (const char* row : { "show --profile 2|--profile", "import foreign.pf 2|foreign.pf",
                 "export 2 modules/setting/p_Z4.bin|p_Z4.bin", "import rate300.pf 2|(300;",
                 "import stage99.pf 2|(99;", "import big.pf 2|70000" }) {
            const QStringList parts = QString(row).split('|');
            QTest::newRow(row) << parts.at(0) << parts.at(1);
        }
    }
    void badInputExitsTwoSilently()
    {
        QFETCH(QString, line);
        QFETCH(QString, named);
        const QByteArray before = [] {
            QFile f("modules/setting/p_Z4.bin");
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        QCOMPARE(ctl(line), int(ctl::kUsage));
        QVERIFY2(err.contains(named) && err.count('\n') == 1, qPrintable(err));
        QVERIFY(sim::wire().empty());
        QFile f("modules/setting/p_Z4.bin");
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
    }

    void noMouse()
    {
        sim::unplug();
        QCOMPARE(ctl("profile 2"), int(ctl::kNoMouse));
        QCOMPARE(ctl("--json show"), int(ctl::kOk));
        QVERIFY(err.contains("profile file"));
        QCOMPARE(ctl("rate --profile 2 125"), int(ctl::kOk));
        QVERIFY(err.contains("no mouse"));
        QVERIFY(sim::wire().empty());
        sim::plug();
        QCOMPARE(ctl("--json show 2"), int(ctl::kOk));
        QVERIFY2(
            out.contains("\"report_rate_hz\":125"), "the edit made without the mouse is kept, not read over");
    }

    // Detection's set-up, profile 2's four reads, profile 0's image (the shared colours) and the
    // lighting type (which colours the indicator shows).
    void showReadsOnlyWhatItPrints()
    {
        QCOMPARE(ctl("show 2"), int(ctl::kOk));
        QStringList codes;
        for (const QString& c : commands())
            codes << c.left(4);
        QCOMPARE(codes.join(' '), QString("0108 8c02 8d02 8402 8302 8c00 8900"));
    }

    void dryRunSendsNothing()
    {
        QCOMPARE(ctl("--dry-run rate --profile 2 500"), int(ctl::kOk));
        QVERIFY(sim::wire().empty());
        QCOMPARE(out.trimmed(), QString("00 03 02 02 00 00 00 00 f8"));
    }

    // Fault: a file's stale index was trusted, so two files shared slot 1 and button 3 played A.
    void macroFilesNeverShareASlot()
    {
        writeMacro("A", "A");
        writeMacro("B", "B");
        QCOMPARE(ctl("button --profile 1 4 macro:A"), int(ctl::kOk));
        QCOMPARE(ctl("button --profile 1 4 key:b"), int(ctl::kOk));
        QCOMPARE(ctl("button --profile 1 3 macro:B"), int(ctl::kOk));
        QCOMPARE(ctl("button --profile 1 4 macro:A"), int(ctl::kOk));
        QVERIFY(macroIndex("A") != macroIndex("B"));
        QCOMPARE(macroKey(macroIndex("B")), 0x05); // HID usage of B
        QCOMPARE(macroKey(macroIndex("A")), 0x04);
        QCOMPARE(ctl("--json show 1"), int(ctl::kOk));
        QVERIFY2(out.contains("{\"button\":3,\"function\":\"macro:B:"), qPrintable(out));
    }

    // Fault: a macro assigned without the mouse never reached it; a failed upload still assigned.
    void macroAssignedOfflineGoesBeforeItsMatrix()
    {
        writeMacro("New", "N");
        sim::unplug();
        QCOMPARE(ctl("button --profile 1 4 macro:New"), int(ctl::kOk));
        sim::plug();
        sim::clearWire();
        QCOMPARE(ctl("button --profile 1 5 led"), int(ctl::kOk));
        const QStringList sent = commands();
        const qsizetype macro = sent.indexOf(QRegularExpression("^0f.*"));
        QVERIFY2(macro >= 0 && macro < sent.indexOf(QRegularExpression("^0d.*")), qPrintable(sent.join(' ')));
        QCOMPARE(macroKey(macroIndex("New")), 0x11);
    }
    void failedMacroUploadLeavesButtonAsItWas()
    {
        writeMacro("Lost", "L");
        sim::failCall(sim::Op::SendFeature, 7); // the 0FH after detection and five reads
        QCOMPARE(ctl("button --profile 1 4 macro:Lost"), int(ctl::kFailed));
        QCOMPARE(macroIndex("Lost"), -1);
        QCOMPARE(ctl("--json show 1"), int(ctl::kOk));
        QVERIFY2(!out.contains("macro:Lost"), qPrintable(out));
    }

    // Fault: import and reset sent the stage table as shown (0xCF went out as 0x9F).
    void importSendsStoredStageCodes()
    {
        sim::Bytes image = sim::profileImage(2);
        image[84] = 0xCF;
        sim::setProfileImage(2, image);
        const QString file = work.filePath("cf.pf");
        QCOMPARE(ctl("export 2 " + file), int(ctl::kOk));
        QCOMPARE(ctl("import " + file + " 4"), int(ctl::kOk));
        QCOMPARE(int(sim::profileImage(4).at(84)), 0xCF);
        QCOMPARE(ctl("reset 3"), int(ctl::kOk));
        QCOMPARE(ctl("import " + file + " 3"), int(ctl::kOk));
        QCOMPARE(int(sim::profileImage(3).at(84)), 0xCF);
    }

    // Fault: the active stage took cells that are "x" or past the model's stage count.
    void activeStageMustBeAUsableCell()
    {
        QCOMPARE(ctl("dpi --profile 2 400,0,1600"), int(ctl::kOk));
        sim::clearWire();
        QCOMPARE(ctl("dpi --profile 2 --active 2"), int(ctl::kUsage));
        sim::Bytes image = sim::profileImage(2);
        image[70] = 3; // three usable stages
        sim::setProfileImage(2, image);
        QCOMPARE(ctl("dpi --profile 2 --active 5"), int(ctl::kUsage));
        QVERIFY(!commands().join(' ').contains(QRegularExpression("\\b04")));
        QCOMPARE(ctl("dpi --profile 2 --active 3"), int(ctl::kOk));
    }

    // Fault: show printed black indicators where the mouse shows its eight fixed colours, a
    // reset lost the mouse's lighting type, and a speed went to effects without one.
    void showAndResetReadTheMouseAsTheWindowDoes()
    {
        sim::setLightingType(0);
        sim::Bytes image = sim::profileImage(0);
        for (int i = 0; i < 8; ++i)
            image[16 + i] = uchar(i);
        sim::setProfileImage(0, image);
        QCOMPARE(ctl("--json show 2"), int(ctl::kOk));
        QVERIFY2(out.contains("\"indicator_colors\":[\"#FF0000\",\"#00FF00\",\"#0000FF\""), qPrintable(out));
        QCOMPARE(ctl("reset 3"), int(ctl::kOk));
        const QSettings live("modules/setting/p_Z4.bin", QSettings::IniFormat);
        QCOMPARE(live.value("other_fw/0").toStringList().value(2).trimmed(), QString("0"));
        QCOMPARE(ctl("light --profile 2 twinkling --speed 3"), int(ctl::kUsage));
        QCOMPARE(ctl("light --profile 2 wave --speed 3"), int(ctl::kOk));
    }

    void exportThenImportGivesEqualShow()
    {
        const QString file = work.filePath("two.pf");
        QCOMPARE(ctl("rate --profile 2 250"), int(ctl::kOk));
        QCOMPARE(ctl("button --profile 2 3 led"), int(ctl::kOk));
        QCOMPARE(ctl("export 2 " + file), int(ctl::kOk));
        QCOMPARE(ctl("import " + file + " 4"), int(ctl::kOk));
        QCOMPARE(ctl("--json show 2"), int(ctl::kOk));
        QJsonObject two = QJsonDocument::fromJson(out.toUtf8()).object();
        QCOMPARE(ctl("--json show 4"), int(ctl::kOk));
        QJsonObject four = QJsonDocument::fromJson(out.toUtf8()).object();
        two.remove("profile");
        four.remove("profile");
        QCOMPARE(four, two);
        QCOMPARE(sim::reportRate(4), 4);
    }

    void pathsMeanTheCallersFolder()
    {
        const QString caller = elsewhere.path();
        QVERIFY(QDir(caller).mkpath("sub"));
        QCOMPARE(ctl("export 2 mine.pf", caller), int(ctl::kOk));
        QVERIFY(QFile::exists(caller + "/mine.pf") && !QFile::exists("mine.pf"));
        QCOMPARE(ctl("export 2 sub/p2.pf", caller), int(ctl::kOk));
        QCOMPARE(ctl("import sub/p2.pf 4", caller), int(ctl::kOk));
        QCOMPARE(ctl("export 2 -- --json", caller), int(ctl::kOk));
        QVERIFY(QFile::exists(caller + "/--json"));
        const QMap<QString, QByteArray> before = files();
        QCOMPARE(ctl("export 1 modules/setting/apConfig.bin", caller), int(ctl::kFailed));
        QCOMPARE(files().value(work.filePath("modules/setting/apConfig.bin")),
            before.value(work.filePath("modules/setting/apConfig.bin")));
    }

    void optionsAnywhere()
    {
        QCOMPARE(ctl("show --json 2"), int(ctl::kOk));
        QVERIFY(out.startsWith("{\"buttons\""));
        QCOMPARE(ctl("rate 250 --dry-run --profile 2"), int(ctl::kOk));
        QCOMPARE(out.trimmed(), QString("00 03 02 04 00 00 00 00 f6"));
        sim::clearWire();
        QCOMPARE(ctl("rate -- --profile 2"), int(ctl::kUsage));
        QVERIFY(sim::wire().empty());
    }

    // Not a byte written anywhere; the packets printed; 0 as the real command would give.
    void dryRunTouchesNothing_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("codes"); // the packets' command bytes
        for (const char* row : { "dpi 400,800|0c", "light static|0c", "button 4 key:b|0d",
                 "button 4 macro:m1:always-repeat:77|0f 0d", "export 2 dry.pf|" }) {
            const QStringList parts = QString(row).split('|');
            QTest::newRow(row) << "--dry-run " + parts.at(0) << parts.at(1);
        }
        QTest::newRow("import") << "--dry-run import " + pristine + " 3"
                                << "0c 0d 04 03";
    }
    void dryRunTouchesNothing()
    {
        QFETCH(QString, line);
        QFETCH(QString, codes);
        sim::unplug();
        const QMap<QString, QByteArray> before = files();
        QCOMPARE(ctl(line, elsewhere.path()), int(ctl::kOk));
        QStringList sent;
        for (const QString& packet : out.split('\n', Qt::SkipEmptyParts))
            sent << packet.section(' ', 1, 1);
        QCOMPARE(sent.join(' '), codes);
        QVERIFY(sim::wire().empty());
        QCOMPARE(files(), before);
    }

    void noPermissionExitsThree()
    {
        sim::failCall(sim::Op::Open, 1);
        const QMap<QString, QByteArray> before = files();
        QCOMPARE(ctl("rate --profile 2 500"), int(ctl::kNoMouse));
        QVERIFY2(err.contains("no permission") && err.contains("sim/hidraw0") && err.contains("udevadm"),
            qPrintable(err));
        QCOMPARE(files(), before);
    }

    // Exit 1 names what failed: a save of the profile file, or FILE.
    void failuresExitOne()
    {
        sim::unplug();
        QFile::remove("modules/setting/p_Z4.bin");
        QVERIFY(QDir().mkpath("modules/setting/p_Z4.bin")); // no one, root included, writes there
        QCOMPARE(ctl("rate --profile 2 500"), int(ctl::kFailed));
        QVERIFY2(err.contains("cannot save") && err.contains("p_Z4.bin"), qPrintable(err));
        init();
        QCOMPARE(ctl("export 2 " + elsewhere.path()), int(ctl::kFailed));
        QVERIFY2(err.contains(elsewhere.path()), qPrintable(err));
    }

    void completionOffers_data()
    {
        QTest::addColumn<QString>("line"); // the word completed is the last one
        QTest::addColumn<QString>("offers"); // "files" when the shell offers file names
        for (const char* row : { "r|rate reset", "--d|--dry-run", "macro show m|m1", "macro |list show",
                 "export 2 |files", "export |1 2 3 4 5", "import a.pf |1 2 3 4 5", "light --colors |",
                 "light static --speed 1|1", "--json light --profile 2 st|static",
                 "button 3 mouse:l|mouse:left", "button 3 d|dpi: disable", "rate 1|125 1000", "rate 500 |",
                 "frob |", "rate --|--json --dry-run --help --version --profile" }) {
            const QStringList parts = QString(row).split('|');
            QTest::newRow(row) << parts.at(0) << parts.at(1);
        }
    }
    void completionOffers()
    {
        QFETCH(QString, line);
        QFETCH(QString, offers);
        const QStringList words = line.split(' ');
        const ctl::Offers got = ctl::complete(words, int(words.size()) - 1);
        QCOMPARE(got.files ? QString("files") : got.words.join(' '), offers);
    }

    void manualStatesWhatIsTested_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("test");
        for (const QStringList& claim : contract())
            QTest::newRow(qPrintable(claim.at(2))) << claim.at(0) << claim.at(1);
    }
    void manualStatesWhatIsTested()
    {
        QFETCH(QString, section);
        QFETCH(QString, test);
        QVERIFY(metaObject()->indexOfSlot(qPrintable(test + "()")) >= 0);
        QFile manual(Z4_MANUAL);
        QVERIFY(manual.open(QIODevice::ReadOnly | QIODevice::Text));
        const QString text = QString::fromUtf8(manual.readAll());
        QStringList lines; // the section's text, macro lines left out
        for (const QString& l :
            text.section(".SH " + section + '\n', 1).section("\n.SH ", 0, 0).split('\n')) {
            if (!l.startsWith('.'))
                lines << l;
        }
        QStringList claims;
        for (const QStringList& claim : contract()) {
            if (claim.at(0) == section)
                claims << claim.at(2);
        }
        QCOMPARE(lines, claims);
    }
};

QTEST_GUILESS_MAIN(TestCtl)
#include "tst_ctl.moc"

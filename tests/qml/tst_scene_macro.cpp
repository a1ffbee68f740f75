// The macro page in the real scene on real macro files: the library list, adding actions,
// recording key reports and what a failed save leaves on screen.
#include "macro/macrolibrary.h"
#include "scenefixture.h"

#include <unistd.h>

namespace {
const QString kFirst = QStringLiteral("Macro. 001");
const QString kSecond = QStringLiteral("Macro. 002");
// The third line is what a damaged file yields for a missing entry; it must survive edits.
const QStringList kLines = { "A    [Down]", "A      [Up]", "0", "C    [Down]" };

MacroLibrary library()
{
    return MacroLibrary(MacroLibrary::folderForModel(1));
}
} // namespace

class tst_SceneMacro : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        fx = std::make_unique<SceneFixture>();
        MacroLibrary macros = library();
        QCOMPARE(macros.create(), kFirst);
        QCOMPARE(macros.create(), kSecond);
        QVERIFY(macros.saveLines(kFirst, kLines));
        QVERIFY(fx->start());
        clickAndSettle(QStringLiteral("menuFunc_entry1"));
        QVERIFY(page()->isVisible());
    }
    void cleanup() { fx.reset(); }

    void addSelectRenameDelete()
    {
        QCOMPARE(pageList("fileNames").size(), 2);
        QVERIFY(!isEnabled("macro_record"));
        QVERIFY(!isEnabled("macro_file_delete"));
        QVERIFY(!isEnabled("macro_key"));

        clickAndSettle(QStringLiteral("macro_file_add"));
        QVERIFY(library().exists(QStringLiteral("Macro. 003")));
        QCOMPARE(page()->property("currentFile").toString(), QStringLiteral("Macro. 003"));
        QVERIFY(isEnabled("macro_record"));

        clickAndSettle(QStringLiteral("macro_files_row0"));
        QCOMPARE(shownActions(), kLines.size());
        clickAndSettle(QStringLiteral("macro_files_row0"));
        QCOMPARE(page()->property("currentFile").toString(), QString());
        QCOMPARE(shownActions(), 0);

        clickAndSettle(QStringLiteral("macro_files_row0"));
        rename(0, QStringLiteral("Jump"));
        QCOMPARE(library().names(), (QStringList { "Jump.bin", "Macro. 002.bin", "Macro. 003.bin" }));
        QCOMPARE(page()->property("currentFile").toString(), QStringLiteral("Jump"));
        QCOMPARE(library().lines(QStringLiteral("Jump")), kLines);

        clickAndSettle(QStringLiteral("macro_file_delete"));
        QCOMPARE(library().names(), (QStringList { "Macro. 002.bin", "Macro. 003.bin" }));
        QCOMPARE(pageList("fileNames"), library().names());
        QVERIFY(!isEnabled("macro_file_delete"));
    }
    void renameRefused_data()
    {
        QTest::addColumn<QString>("newName");
        QTest::newRow("existing") << kSecond;
        QTest::newRow("leaves the folder") << QStringLiteral("../Escaped");
    }
    void renameRefused()
    {
        QFETCH(QString, newName);
        const QStringList before = library().names();
        rename(0, newName);
        QCOMPARE(library().names(), before);
        QCOMPARE(pageList("fileNames"), before);
        QCOMPARE(library().lines(kFirst), kLines);
        QVERIFY(!QFileInfo::exists(fx->workDir().filePath(QStringLiteral("modules/macro/Escaped.bin"))));
    }
    void exportThenImportIntoAnother()
    {
        const QString exported = fx->workDir().filePath(QStringLiteral("shared.mc"));
        clickAndSettle(QStringLiteral("macro_files_row0"), Qt::RightButton);
        {
            const auto answer = SceneFixture::answerFileDialog(exported);
            clickAndSettle(QStringLiteral("macro_menu_save"));
        }
        QVERIFY(QFileInfo::exists(exported));
        clickAndSettle(QStringLiteral("macro_files_row1"));
        QCOMPARE(shownActions(), 0);
        clickAndSettle(QStringLiteral("macro_files_row1"), Qt::RightButton);
        {
            const auto answer = SceneFixture::answerFileDialog(exported);
            clickAndSettle(QStringLiteral("macro_menu_load"));
        }
        QCOMPARE(library().lines(kSecond), kLines);
        QCOMPARE(pageList("actions"), kLines); // the selected macro is shown as imported
    }
    void delayCommitRaisesToTen()
    {
        clickAndSettle(QStringLiteral("macro_files_row1"));
        QVERIFY(isEnabled("macro_delay"));
        clickAndSettle(QStringLiteral("macro_delay_input"));
        type(QStringLiteral("5"));
        QCOMPARE(fx->item(QStringLiteral("macro_delay"))->property("value").toInt(), 10);
        QCOMPARE(
            fx->item(QStringLiteral("macro_delay_input"))->property("text").toString(), QStringLiteral("10"));
        clickAndSettle(QStringLiteral("macro_delay_add"));
        QCOMPARE(library().lines(kSecond), (QStringList { "10   [Delay]" }));
    }
    // The key input takes the backslash key as the hooks report it.
    void keyInsertedBeforeThirdAction()
    {
        clickAndSettle(QStringLiteral("macro_files_row0"));
        clickAndSettle(QStringLiteral("macro_actions_row2"));
        QVERIFY(!isEnabled("macro_key_add"));
        clickAndSettle(QStringLiteral("macro_key"));
        keyReport(true, 0x05);
        fx->settle();
        clickAndSettle(QStringLiteral("macro_key_add"));
        clickAndSettle(QStringLiteral("macro_key"));
        keyReport(false, 0x31);
        fx->settle();
        clickAndSettle(QStringLiteral("macro_key_add"));
        const QStringList expected = { "A    [Down]", "A      [Up]", "B    [Down]", "B      [Up]",
            "\\ |    [Down]", "\\ |      [Up]", "0", "C    [Down]" };
        QCOMPARE(library().lines(kFirst), expected);
        QCOMPARE(pageList("actions"), expected);
    }
    void recordingNamesKeysAndSkipsUnnamed()
    {
        clickAndSettle(QStringLiteral("macro_files_row0"));
        clickAndSettle(QStringLiteral("macro_record"));
        QVERIFY(!isEnabled("macro_files"));
        QVERIFY(!isEnabled("macro_record"));
        QCOMPARE(shownActions(), 0);
        const QList<std::pair<bool, int>> reports = { { true, 0xE1 }, { true, 0x31 }, { true, 0x74 },
            { false, 0x74 }, { false, 0x31 }, { false, 0xE1 } };
        for (const auto& [isDown, usage] : reports)
            keyReport(isDown, usage);
        QVERIFY(fx->waitFor([this] { return shownActions() == 4; }));
        QCOMPARE(library().lines(kFirst), kLines); // nothing is saved before stop
        clickAndSettle(QStringLiteral("macro_stop"));
        QCOMPARE(library().lines(kFirst),
            (QStringList { "L Shift    [Down]", "\\ |    [Down]", "\\ |      [Up]", "L Shift      [Up]" }));
        QVERIFY(isEnabled("macro_files"));
    }
    // Operated from the keyboard, the recorder leaves out the keys that start and stop it, in
    // whichever order the hook and the window hear them, and never keeps a press it did not see
    // released.
    void recordingByKeyboardLeavesOutItsOwnKeys_data()
    {
        QTest::addColumn<bool>("hookFirst");
        QTest::addColumn<int>("stopKey");
        QTest::newRow("hook first, Space stops") << true << int(Qt::Key_Space);
        QTest::newRow("window first, Space stops") << false << int(Qt::Key_Space);
        QTest::newRow("hook first, Escape stops") << true << int(Qt::Key_Escape);
    }
    void recordingByKeyboardLeavesOutItsOwnKeys()
    {
        QFETCH(bool, hookFirst);
        QFETCH(int, stopKey);
        clickAndSettle(QStringLiteral("macro_files_row0"));
        fx->view()->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(fx->view()));
        fx->item(QStringLiteral("macro_record"))->forceActiveFocus();
        const auto press = [&](Qt::Key key, int usage) {
            if (hookFirst)
                keyReport(true, usage);
            QTest::keyPress(fx->view(), key);
            if (!hookFirst)
                keyReport(true, usage);
        };
        const auto release = [&](Qt::Key key, int usage) {
            QTest::keyRelease(fx->view(), key);
            keyReport(false, usage);
        };
        press(Qt::Key_Space, 0x2C);
        QVERIFY(isEnabled("macro_stop"));
        release(Qt::Key_Space, 0x2C);
        keyReport(true, 0x05); // B, held until after the stop
        keyReport(true, 0x04);
        keyReport(false, 0x04);
        press(Qt::Key(stopKey), stopKey == Qt::Key_Space ? 0x2C : 0x29);
        QVERIFY(!isEnabled("macro_stop"));
        release(Qt::Key(stopKey), stopKey == Qt::Key_Space ? 0x2C : 0x29);
        keyReport(false, 0x05);
        QCOMPARE(library().lines(kFirst), (QStringList { "A    [Down]", "A      [Up]" }));
    }
    // A recording not stopped yet is an unsaved edit: marked, and asked about before leaving the
    // page or closing the window.
    void unsavedRecordingIsAskedAbout_data()
    {
        QTest::addColumn<QString>("leaveBy");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("left");
        for (const char* leave : { "menuFunc_entry3", "menuUp_close" }) {
            QTest::addRow("%s, save", leave) << leave << int(QMessageBox::Apply) << true << true;
            QTest::addRow("%s, discard", leave) << leave << int(QMessageBox::Discard) << false << true;
            QTest::addRow("%s, cancel", leave) << leave << int(QMessageBox::Cancel) << false << false;
        }
    }
    void unsavedRecordingIsAskedAbout()
    {
        QFETCH(QString, leaveBy);
        QFETCH(int, answer);
        QFETCH(bool, saved);
        QFETCH(bool, left);
        clickAndSettle(QStringLiteral("macro_files_row0"));
        QVERIFY(!fx->item(QStringLiteral("menuFunc_entry1_mark"))->isVisible());
        clickAndSettle(QStringLiteral("macro_record"));
        keyReport(true, 0x04);
        keyReport(false, 0x04);
        QTRY_VERIFY(fx->item(QStringLiteral("menuFunc_entry1_mark"))->isVisible());
        fx->questionAnswer = QMessageBox::StandardButton(answer);
        QVERIFY(fx->click(leaveBy));
        fx->settle(300);
        QCOMPARE(fx->questions.size(), 1);
        QCOMPARE(library().lines(kFirst),
            (saved ? QStringList { "A    [Down]", "A      [Up]" } : kLines));
        QCOMPARE(page()->property("recording").toBool(), !left);
        const bool closing = leaveBy == "menuUp_close";
        QVERIFY(fx->waitFor([&] { return (closing ? fx->view()->isVisible() : page()->isVisible()) == !left; }));
        QCOMPARE(fx->item(QStringLiteral("menuFunc_entry1_mark"))->isVisible(), !left);
    }
    void failedSaveEmptiesDisplay_data()
    {
        QTest::addColumn<bool>("readOnlyFolder");
        QTest::newRow("file removed behind the page") << false;
        QTest::newRow("read-only library folder") << true;
    }
    void failedSaveEmptiesDisplay()
    {
        QFETCH(bool, readOnlyFolder);
        if (readOnlyFolder && geteuid() == 0)
            QSKIP("root writes into read-only folders");
        clickAndSettle(QStringLiteral("macro_files_row0"));
        QCOMPARE(shownActions(), kLines.size());
        QFile folder(library().folder());
        if (readOnlyFolder)
            QVERIFY(folder.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
        else
            QVERIFY(QFile::remove(library().filePath(kFirst)));
        clickAndSettle(QStringLiteral("macro_actions_row0"));
        clickAndSettle(QStringLiteral("macro_edit_delete"));
        folder.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(shownActions(), 0);
        QCOMPARE(pageList("actions"), QStringList());
    }

private:
    QQuickItem* page() { return fx->item(QStringLiteral("page_Macro")); }
    QStringList pageList(const char* property)
    {
        return fx->value(QStringLiteral("page_Macro"), property).toStringList();
    }
    int shownActions() { return fx->item(QStringLiteral("macro_actions"))->property("itemCount").toInt(); }
    bool isEnabled(const char* name) { return fx->item(QString::fromLatin1(name))->isEnabled(); }
    void clickAndSettle(const QString& name, Qt::MouseButton button = Qt::LeftButton)
    {
        QVERIFY(fx->press(name, -1, button));
    }
    void type(const QString& text)
    {
        QTest::keyClick(fx->view(), Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(fx->view(), Qt::Key_Delete);
        QTest::keyClicks(fx->view(), text);
        QTest::keyClick(fx->view(), Qt::Key_Return);
        fx->settle();
    }
    void rename(int row, const QString& newName)
    {
        clickAndSettle(QStringLiteral("macro_files_row%1").arg(row), Qt::RightButton);
        clickAndSettle(QStringLiteral("macro_menu_rename"));
        type(newName);
    }
    void keyReport(bool isDown, int usage)
    {
        QMetaObject::invokeMethod(
            fx->root(), "detectKeyboard", Q_ARG(QVariant, isDown), Q_ARG(QVariant, usage));
    }

    std::unique_ptr<SceneFixture> fx;
};

QTEST_MAIN(tst_SceneMacro)
#include "tst_scene_macro.moc"

// The key definition page in the real scene on the simulated mouse: what APPLY sends, the
// left-button guard, macro assignment with its upload, and ALL RESET / ALL SAVE.
#include "macro/macrolibrary.h"
#include "scenefixture.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QSettings>

namespace {
using Clicks = QList<QPair<QString, int>>; // drop-down objectName and row to choose

const QString kMacro = QStringLiteral("Macro. 001");

// The program's default slots with one slot replaced; the mouse starts with the defaults so each
// test changes one thing.
sim::Bytes matrixWith(int slot, const sim::Bytes& bytes)
{
    const QSettings defaults(
        QStringLiteral(Z4_PROGRAM_DIR "/modules/setting/pD_Z4.bin"), QSettings::IniFormat);
    sim::Bytes matrix;
    for (const QVariant& value : defaults.value(QStringLiteral("matrix_fw/1")).toList())
        matrix.push_back(uchar(value.toInt()));
    matrix.resize(sim::kBlockLength, 0);
    std::copy(bytes.begin(), bytes.end(), matrix.begin() + slot * 4);
    return matrix;
}
} // namespace

class tst_SceneKeydefine : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { fx.reset(); }

    void applySendsTheSlot_data();
    void applySendsTheSlot();
    void lastLeftButtonGuard_data();
    void lastLeftButtonGuard();
    void oneMacroFileSharedByTwoButtons();
    void unreadableMacroLeavesSlotEmpty();
    void allResetShowsDefaultsAndSendsOnlyOnSave();
    void profileSwitchShowsEachProfilesSlots();

private:
    void start(const sim::Bytes& matrix, bool withMacro = false)
    {
        fx = std::make_unique<SceneFixture>();
        if (withMacro) {
            MacroLibrary macros(MacroLibrary::folderForModel(1));
            QCOMPARE(macros.create(), kMacro);
            QVERIFY(macros.saveLines(kMacro, { "A    [Down]", "A      [Up]" }));
        }
        QVERIFY(fx->start([matrix] {
            sim::setCurrentProfile(1);
            for (int profile = 0; profile < sim::kProfiles; ++profile)
                sim::setKeyMatrix(profile, matrix);
        }));
        clickAndSettle(QStringLiteral("menuFunc_entry0"));
        QVERIFY(page()->isVisible());
        SceneFixture::markWire();
    }
    QQuickItem* page() { return fx->item(QStringLiteral("page_Keydefine")); }
    void clickAndSettle(const QString& name) { QVERIFY(fx->press(name)); }
    void choose(const QString& list, int row)
    {
        clickAndSettle(list + QStringLiteral("_button"));
        clickAndSettle(list + QStringLiteral("_item%1").arg(row));
    }
    int shown(const char* name, const char* property = "defaultIndex")
    {
        return fx->value(QString::fromLatin1(name), property).toInt();
    }
    QVariantList slot(int id)
    {
        return fx->value(QStringLiteral("page_Keydefine"), "slots").toList().value(id).toList();
    }
    static QVariantList bytes(const sim::Bytes& b) { return QVariantList(b.begin(), b.end()); }
    // The key matrix of the only 0DH command since the last mark.
    static sim::Bytes matrixSent()
    {
        const auto blocks = SceneFixture::blocksWritten();
        if (SceneFixture::commandCodes() != QByteArray("\x0D") || blocks.size() != 1)
            return {};
        return blocks.front();
    }

    std::unique_ptr<SceneFixture> fx;
};

void tst_SceneKeydefine::applySendsTheSlot_data()
{
    QTest::addColumn<sim::Bytes>("stored");
    QTest::addColumn<Clicks>("clicks");
    QTest::addColumn<int>("usage"); // a key report after the clicks, 0 for none
    QTest::addColumn<int>("category");
    QTest::addColumn<sim::Bytes>("sent");
    const sim::Bytes forward = { 0x01, 0, 0xF4, 0 };
    QTest::newRow("WWW SEARCH") << forward
                                << Clicks { { "keydefine_category", 2 }, { "keydefine_media", 11 } } << 0 << 2
                                << sim::Bytes { 0x03, 0, 0x21, 0x02 };
    QTest::newRow("captured key") << forward << Clicks { { "keydefine_category", 0 } } << 0x05 << 0
                                  << sim::Bytes { 0, 0, 0x05, 0 };
    QTest::newRow("type 0B shown as none, sent back") << sim::Bytes { 0x0B, 0x01, 0x02, 0x03 } << Clicks {}
                                                      << 0 << -1 << sim::Bytes { 0x0B, 0x01, 0x02, 0x03 };
}

// The fourth button (slot 3) is selected at first; APPLY sends all 64 bytes of the page's copy.
void tst_SceneKeydefine::applySendsTheSlot()
{
    QFETCH(sim::Bytes, stored);
    QFETCH(Clicks, clicks);
    QFETCH(int, usage);
    QFETCH(int, category);
    QFETCH(sim::Bytes, sent);
    start(matrixWith(3, stored));
    QCOMPARE(shown("keydefine_button"), 3);
    for (const auto& [list, row] : clicks)
        choose(list, row);
    if (usage) {
        clickAndSettle(QStringLiteral("keydefine_key"));
        QMetaObject::invokeMethod(
            fx->root(), "detectKeyboard", Q_ARG(QVariant, true), Q_ARG(QVariant, usage));
        fx->settle();
    }
    QCOMPARE(shown("keydefine_category"), category);
    clickAndSettle(QStringLiteral("keydefine_apply"));
    QCOMPARE(matrixSent(), matrixWith(3, sent));
    QCOMPARE(sim::keyMatrix(sim::currentProfile()), matrixWith(3, sent));
}

void tst_SceneKeydefine::lastLeftButtonGuard_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<int>("category");
    QTest::addColumn<QString>("listShown");
    QTest::addColumn<int>("rowShown");
    QTest::addColumn<sim::Bytes>("slot0");
    const sim::Bytes left = { 0x01, 0, 0xF0, 0 };
    QTest::newRow("KEYBOARD refused")
        << "keydefine_category" << 0 << false << 1 << "keydefine_mouse" << 0 << left;
    QTest::newRow("RIGHT refused") << "keydefine_mouse" << 1 << false << 1 << "keydefine_mouse" << 0 << left;
    QTest::newRow("RIGHT accepted") << "keydefine_mouse" << 1 << true << 1 << "keydefine_mouse" << 1
                                    << sim::Bytes { 0x01, 0, 0xF1, 0 };
}

void tst_SceneKeydefine::lastLeftButtonGuard()
{
    QFETCH(QString, list);
    QFETCH(int, row);
    QFETCH(bool, accept);
    QFETCH(int, category);
    QFETCH(QString, listShown);
    QFETCH(int, rowShown);
    QFETCH(sim::Bytes, slot0);
    start(matrixWith(0, {}));
    choose(QStringLiteral("keydefine_button"), 0);
    QCOMPARE(shown("keydefine_category"), 1);

    testsupport::ModalAnswerer answerer([accept](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal); box && accept)
            box->button(QMessageBox::Ok)->click();
    });
    choose(list, row);
    QCOMPARE(answerer.answered, 1);
    QCOMPARE(shown("keydefine_category"), category);
    QCOMPARE(fx->item(listShown)->property("defaultIndex").toInt(), rowShown);
    QCOMPARE(slot(0), bytes(slot0));
    QCOMPARE(SceneFixture::commandCodes(), QByteArray());
}

// The second assignment finds the file's index: one firmware slot, both buttons pointing at it.
void tst_SceneKeydefine::oneMacroFileSharedByTwoButtons()
{
    start(matrixWith(0, {}), true);
    for (int button : { 1, 2 }) {
        choose(QStringLiteral("keydefine_button"), button);
        choose(QStringLiteral("keydefine_category"), 4);
        clickAndSettle(QStringLiteral("keydefine_macro_files_button"));
        clickAndSettle(QStringLiteral("keydefine_macro_files_list_row0"));
        QCOMPARE(slot(button), bytes({ 0x09, 0, 0x01, 0 }));
    }
    for (const sim::Report& r : sim::wire())
        if (r.kind == sim::Kind::Feature && r.dir == sim::Dir::ToMouse && r.bytes.at(1) == 0x0F)
            QCOMPARE(int(r.bytes.at(2)), 1);
    QVERIFY(SceneFixture::commandCodes().contains('\x0F'));
    const sim::Bytes uploaded = sim::macro(1);
    QCOMPARE(sim::Bytes(uploaded.begin(), uploaded.begin() + 8), (sim::Bytes { 0, 1, 1, 4, 0x81, 4, 0, 0 }));
    QCOMPARE(MacroLibrary(MacroLibrary::folderForModel(1)).config(kMacro), (QVariantList { 0, 1 }));
    QCOMPARE(shown("keydefine_macro_files", "currentIndex"), 0);

    SceneFixture::markWire();
    clickAndSettle(QStringLiteral("keydefine_apply"));
    QCOMPARE(matrixSent(), matrixWith(1, { 0x09, 0, 1, 0, 0x09, 0, 1, 0 }));
}

// Sixteen slots can never use all 100 firmware indices, so the stop is reached here through a
// file that vanished after the list was filled; the index table's full case is a library test.
void tst_SceneKeydefine::unreadableMacroLeavesSlotEmpty()
{
    start(matrixWith(0, {}), true);
    choose(QStringLiteral("keydefine_category"), 4);
    clickAndSettle(QStringLiteral("keydefine_macro_files_button"));
    QVERIFY(MacroLibrary(MacroLibrary::folderForModel(1)).remove(kMacro));
    clickAndSettle(QStringLiteral("keydefine_macro_files_list_row0"));
    QCOMPARE(slot(3), bytes({ 0, 0, 0, 0 }));
    QCOMPARE(SceneFixture::commandCodes(), QByteArray());
}

void tst_SceneKeydefine::allResetShowsDefaultsAndSendsOnlyOnSave()
{
    const sim::Bytes edited = matrixWith(7, { 0, 0, 0x04, 0 });
    start(edited);
    clickAndSettle(QStringLiteral("menuDown_reset"));
    choose(QStringLiteral("keydefine_button"), 9);
    QCOMPARE(shown("keydefine_category"), 5);
    QCOMPARE(shown("keydefine_fire_useButton", "isSelect"), 1);
    QCOMPARE(shown("keydefine_fire_button"), 0);
    QCOMPARE(shown("keydefine_fire_speed", "currentIndex"), 6);
    QCOMPARE(shown("keydefine_fire_count", "value"), 3);
    QVERIFY(!SceneFixture::commandCodes().contains('\x0D'));
    QCOMPARE(sim::keyMatrix(sim::currentProfile()), edited);

    clickAndSettle(QStringLiteral("menuDown_save"));
    QCOMPARE(sim::keyMatrix(sim::currentProfile()), matrixWith(0, {}));
}

// Applied edits come back with their profile; unapplied ones are dropped by the switch.
void tst_SceneKeydefine::profileSwitchShowsEachProfilesSlots()
{
    start(matrixWith(0, {}));
    choose(QStringLiteral("keydefine_category"), 2);
    choose(QStringLiteral("keydefine_media"), 11);
    clickAndSettle(QStringLiteral("keydefine_apply"));
    choose(QStringLiteral("keydefine_category"), 6);

    clickAndSettle(QStringLiteral("menuProf_entry2"));
    QCOMPARE(sim::currentProfile(), 2);
    QCOMPARE(shown("keydefine_category"), 1);
    QCOMPARE(shown("keydefine_mouse"), 4);
    clickAndSettle(QStringLiteral("menuProf_entry1"));
    QCOMPARE(shown("keydefine_category"), 2);
    QCOMPARE(shown("keydefine_media"), 11);
    QCOMPARE(slot(3), bytes({ 0x03, 0, 0x21, 0x02 }));
}

QTEST_MAIN(tst_SceneKeydefine)
#include "tst_scene_keydefine.moc"

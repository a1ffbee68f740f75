// The bridge's language slots in a temporary program folder; the message texts a pack gives
// are checked where the host shows them, in the left-button question.
#include "bridge/myqquickview.h"
#include "testsupport.h"

#include <QMessageBox>
#include <QTest>

class tst_LanguageSlots : public QObject {
    Q_OBJECT

    void writePack(const QString& code, const QByteArray& content)
    {
        QVERIFY(work->write("modules/i18n/lang_" + code + ".ini", content));
    }
    std::unique_ptr<testsupport::WorkDir> work;
    std::unique_ptr<myQQuickView> view;

private slots:
    void init()
    {
        work = std::make_unique<testsupport::WorkDir>();
        QDir().mkpath("modules/setting");
        view = std::make_unique<myQQuickView>();
    }
    void cleanup()
    {
        view.reset();
        work.reset();
    }
    void packFillsTextsAndMessages_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("strings");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("lastButton");
        QTest::newRow("pack") << "031000" << QStringList { "Sans", "OPTIONS" } << "LEFT BUTTON"
                              << "Change it?"
                              << "LAST";
        QTest::newRow("missing pack") << "059000" << QStringList { "" } << ""
                                      << ""
                                      << "";
    }
    void packFillsTextsAndMessages()
    {
        QFETCH(QString, code);
        writePack("031000",
            "[font]\nfamily=Sans\ntotal=1\n[strings]\n1=OPTIONS\n[msg]\n4=LEFT BUTTON\n5=Change it?\n"
            "[Z4_4E2B9D1]\n15=LAST\n");
        QTEST(view->getGlobalStrings(code), "strings");
        const QStringList buttons = view->z4_getProductLayoutStrings(code);
        QCOMPARE(buttons.size(), 16);
        QTEST(buttons.last(), "lastButton");

        QString title = "not shown", text;
        testsupport::ModalAnswerer answerer([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            box->reject();
        });
        QVERIFY(!view->getMsgAns_FoolProofing());
        QTEST(title, "title");
        QTEST(text, "text");
    }
    void languagesOfProgramFolder()
    {
        writePack("025044", "");
        writePack("031000", "");
        QCOMPARE(view->chkLanguages().keys(), QStringList({ "CHINESE (Simp)", "ENGLISH" }));
        QDir("modules/i18n").removeRecursively();
        QVERIFY(view->chkLanguages().isEmpty());
    }
};

QTEST_MAIN(tst_LanguageSlots)
#include "tst_languageslots.moc"

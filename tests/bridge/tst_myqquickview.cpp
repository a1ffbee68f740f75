#include "bridge/myqquickview.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QLocalServer>
#include <QMessageBox>
#include <QPushButton>
#include <QQmlComponent>
#include <QQuickItem>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

#include "testsupport.h"

using testsupport::ModalAnswerer;

namespace {
void pressButton(QWidget* modal, QMessageBox::StandardButton which)
{
    auto* box = qobject_cast<QMessageBox*>(modal);
    QVERIFY(box);
    box->button(which)->click();
}
} // namespace

class tst_myQQuickView : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<QList<uchar>>("QList<uchar>"); }
    void init();
    void cleanup();
    void slotTable();
    void foolProofing_data();
    void foolProofing();
    void customFilePathCancelled();
    void customFilePathReadable();
    void customFilePathUnreadableWarnsOnce();
    void startCallsAreQueued();
    void missingSceneLeavesAnEmptyView();

private:
    std::unique_ptr<testsupport::WorkDir> dir;
    myQQuickView* view = nullptr;
};

void tst_myQQuickView::init()
{
    dir = std::make_unique<testsupport::WorkDir>();
    view = new myQQuickView;
}

void tst_myQQuickView::cleanup()
{
    delete view;
    dir.reset();
}

void tst_myQQuickView::slotTable()
{
    const QStringList expected = {
        "getMsgAns_FoolProofing()",
        "z4_getApConfig(QString)",
        "setAcceleration(bool)",
        "setCursorSpeed(uint)",
        "setVerticalScrollLines(uint)",
        "setDoubleClickSpeed(uint)",
        "getAcceleration()",
        "getCursorSpeed()",
        "getVerticalScrollLines()",
        "getDoubleClickSpeed()",
        "z4_getDefaultProfile(QString,uchar)",
        "z4_loadProfile(int)",
        "z4_saveProfile(int)",
        "z4_resetProfile(int)",
        "z4_getProductLayoutStrings(QString)",
        "z4_SetDirty_Profile(uchar)",
        "z4_SetDirty_Matrix(uchar)",
        "z4_SetDirty_Other(uchar)",
        "z4_GetMaxDpiStage()",
        "z4_02H_SetCurrentProfile(uchar)",
        "z4_03H_SetReportRate(uchar)",
        "z4_04H_SetDPIStage(uchar)",
        "z4_0CH_SetRGBLedEffect(uchar,uchar,uchar)",
        "z4_0CH_SetDpi8Color(QVariantList)",
        "z4_0CH_SetDpi8Io(QVariantList)",
        "z4_0CH_SetDpi8Stage(QVariantList)",
        "z4_0DH_SetKeyMatrix(QVariantList)",
        "z4_0FH_SetMacroKey(QVariant,QVariant)",
        "z4_SetLED8StageColor(QVariantList)",
        "z4_82H_GetCurrentProfile()",
        "z4_83H_GetReportRate()",
        "z4_84H_GetDPIStage()",
        "z4_89H_GetRGBLedTwinkle()",
        "z4_8CH_GetRGBLedEffect()",
        "z4_8CH_GetDpi8Color()",
        "z4_8CH_GetDpi8Io()",
        "z4_8CH_GetDpi8Stage()",
        "z4_GetLED8StageColor()",
        "initUI()",
        "runUI()",
        "saveApConfig(QVariantList)",
        "loadApConfig()",
        "resetApconfig()",
        "loadMacroIniFromFile(QVariant)",
        "saveMacroIniToFile(QVariant)",
        "renameMacroIniFile(QVariant,QVariant)",
        "getCustomFilePath()",
        "chkLanguages()",
        "getGlobalStrings(QString)",
        "createMacroIni()",
        "deleteMacroIni(QVariant)",
        "getMacroIniNames()",
        "saveMacroIni(QVariant,QStringList)",
        "loadMacroIni(QVariant)",
        "loadMacroIniConfig(QVariant)",
        "setMacroIniConfig(QVariant,QVariantList)",
        "getKeydefine(QVariant)",
        "macroIncode(QStringList)",
    };
    const QMetaObject& meta = myQQuickView::staticMetaObject;
    QStringList actual;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        QCOMPARE(meta.method(i).methodType(), QMetaMethod::Slot);
        QCOMPARE(meta.method(i).access(), QMetaMethod::Public);
        actual << QString::fromLatin1(meta.method(i).methodSignature());
    }
    QCOMPARE(actual, expected);
    QCOMPARE(QString::fromLatin1(meta.className()), QStringLiteral("myQQuickView"));
    QCOMPARE(meta.method(meta.indexOfMethod("macroIncode(QStringList)")).returnType(),
        QMetaType::fromName("QList<uchar>").id());
}

void tst_myQQuickView::foolProofing_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("answer");
    QTest::newRow("OK") << int(QMessageBox::Ok) << true;
    QTest::newRow("Cancel") << int(QMessageBox::Cancel) << false;
    QTest::newRow("Esc") << -1 << false;
}

void tst_myQQuickView::foolProofing()
{
    QFETCH(int, button);
    QFETCH(bool, answer);
    ModalAnswerer answerer([button](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        QCOMPARE(box->defaultButton(), box->button(QMessageBox::Cancel));
        QVERIFY(!box->parentWidget());
        if (button < 0)
            QTest::keyClick(box, Qt::Key_Escape);
        else
            pressButton(box, QMessageBox::StandardButton(button));
    });
    // No language loaded yet: the box must still come up, with empty texts.
    QCOMPARE(view->getMsgAns_FoolProofing(), answer);
}

void tst_myQQuickView::customFilePathCancelled()
{
    ModalAnswerer answerer([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    QCOMPARE(view->getCustomFilePath(), QString());
}

void tst_myQQuickView::customFilePathReadable()
{
    const QString picture = dir->filePath(QStringLiteral("picture.png"));
    QVERIFY(dir->write(QStringLiteral("picture.png"), "png"));
    ModalAnswerer answerer([picture](QWidget* modal) { QVERIFY(testsupport::typeFileName(modal, picture)); });
    QCOMPARE(view->getCustomFilePath(), picture);
}

void tst_myQQuickView::customFilePathUnreadableWarnsOnce()
{
    // A socket exists but cannot be opened as a file, even by root.
    QLocalServer socket;
    const QString picture = dir->filePath(QStringLiteral("socket.png"));
    QVERIFY(socket.listen(picture));
    // The warning comes up only after the file dialog has gone, so its answerer starts then.
    std::unique_ptr<ModalAnswerer> warning;
    ModalAnswerer chooser([&warning, picture](QWidget* modal) {
        warning = std::make_unique<ModalAnswerer>([](QWidget* box) {
            QCOMPARE(qobject_cast<QMessageBox*>(box)->standardButtons(), QMessageBox::Ok);
            pressButton(box, QMessageBox::Ok);
        });
        QVERIFY(testsupport::typeFileName(modal, picture));
    });
    QCOMPARE(view->getCustomFilePath(), QString());
    QVERIFY(warning);
    QCOMPARE(warning->answered, 1);
}

void tst_myQQuickView::startCallsAreQueued()
{
    view->setSource(QUrl(QStringLiteral("qrc:modules/qml/main.qml")));
    QQuickItem* root = view->rootObject();
    QVERIFY(root);
    view->initUI();
    view->runUI();
    QVERIFY(!root->property("initialized").toBool());
    QVERIFY(!root->isVisible());
    QTRY_VERIFY(root->property("initialized").toBool() && root->isVisible());
}

void tst_myQQuickView::missingSceneLeavesAnEmptyView()
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(".*"));
    view->setSource(QUrl(QStringLiteral("qrc:modules/qml/absent.qml")));
    QCOMPARE(view->status(), QQuickWidget::Error);
    QVERIFY(!view->rootObject());
    view->initUI();
    view->runUI();
    view->forwardKeyboard(true, 4);
    QTest::qWait(50);
}

QTEST_MAIN(tst_myQQuickView)
#include "tst_myqquickview.moc"

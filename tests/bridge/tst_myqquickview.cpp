#include "bridge/myqquickview.h"

#include <QLocalServer>
#include <QMessageBox>
#include <QPushButton>
#include <QQuickItem>
#include <QTest>

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
    void foolProofing_data();
    void foolProofing();
    void customFilePathUnreadableWarnsOnce();
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

void tst_myQQuickView::missingSceneLeavesAnEmptyView()
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(".*"));
    view->setSource(QUrl(QStringLiteral("qrc:modules/qml/absent.qml")));
    QCOMPARE(view->status(), QQuickWidget::Error);
    QVERIFY(!view->rootObject());
    view->initUI();
    view->runUI();
    view->forwardKeyboard(true, 4);
}

QTEST_MAIN(tst_myQQuickView)
#include "tst_myqquickview.moc"

#include "app/ui_controler.h"
#include "app/widget.h"
#include "bridge/myqquickview.h"
#include "simmouse.h"

#include <QDialog>
#include <QDirIterator>
#include <QLocalServer>
#include <QMessageBox>
#include <QPushButton>
#include <QQuickItem>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <memory>

#include "testsupport.h"

using testsupport::ModalAnswerer;

class tst_Ui_Controler : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        sim::reset();
        host = new myQQuickView;
        controller = new Ui_Controler;
        controller->setupUi(host);
    }
    void cleanup()
    {
        delete host;
        delete controller;
    }
    // A call of a slot that does not exist fails only when the scene reaches it; this finds every
    // such call in the compiled-in scene at once.
    void sceneCallsOnlyExistingSlots()
    {
        auto callable = [](const QMetaObject& meta, const QByteArray& name) {
            for (int i = 0; i < meta.methodCount(); ++i) {
                const QMetaMethod m = meta.method(i);
                if (m.name() == name && m.access() == QMetaMethod::Public
                    && m.methodType() != QMetaMethod::Signal)
                    return true;
            }
            return false;
        };
        const QRegularExpression call(QStringLiteral(R"(\b(ui_View|ui_Ctl)\.(\w+)\s*\()"));
        QStringList missing;
        int calls = 0;
        QDirIterator files(
            QStringLiteral(":/modules/qml"), { "*.qml", "*.js" }, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            for (auto it = call.globalMatch(QString::fromUtf8(file.readAll())); it.hasNext(); ++calls) {
                const QRegularExpressionMatch m = it.next();
                const bool view = m.captured(1) == QLatin1String("ui_View");
                if (!callable(view ? myQQuickView::staticMetaObject : Ui_Controler::staticMetaObject,
                        m.captured(2).toLatin1()))
                    missing << file.fileName() + QStringLiteral(": ") + m.captured(0);
            }
        }
        QVERIFY(calls > 0);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
    }
    // The host window that creates the controller. Without a mouse a detection is quick, so the
    // timer's own period is what the test sees.
    void burstOfChangesGivesOneDetection()
    {
        sim::unplug();
        Widget widget;
        const QTimer& timer = widget.deviceChangeTimer();
        QVERIFY2(!timer.isActive(), "detection must not run without a device change");
        QSignalSpy detections(&timer, &QTimer::timeout);
        for (int i = 0; i < 4; ++i) {
            widget.deviceChanged();
            // Each notification starts the settle period afresh (a coarse timer may report up to 5%
            // less); 400 ms later an unrestarted timer would have at most 1648 ms left.
            QVERIFY2(timer.remainingTime() > 1900, qPrintable(QString::number(timer.remainingTime())));
            QTest::qWait(400);
            QCOMPARE(detections.count(), 0);
        }
        QVERIFY(detections.wait(4000));
        QCOMPARE(detections.count(), 1);
        QVERIFY2(!timer.isActive(), "detection is never repeated on its own");
    }
    void sceneStartsOnlyOnceTheEventLoopRuns()
    {
        Widget widget;
        QQuickItem* root = widget.view()->rootObject();
        QVERIFY(root);
        widget.startScene();
        QVERIFY(!root->isVisible());
        QTRY_VERIFY(root->isVisible());
    }
    void customFilePathUnreadableWarnsOnce()
    {
        // A socket exists but cannot be opened as a file, even by root.
        QLocalServer socket;
        const QString picture = dir.filePath(QStringLiteral("socket.png"));
        QVERIFY(socket.listen(picture));
        // The warning comes up only after the file dialog has gone, so its answerer starts then.
        std::unique_ptr<ModalAnswerer> warning;
        ModalAnswerer chooser([&warning, picture](QWidget* modal) {
            warning = std::make_unique<ModalAnswerer>([](QWidget* box) {
                QCOMPARE(qobject_cast<QMessageBox*>(box)->standardButtons(), QMessageBox::Ok);
                qobject_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
            });
            QVERIFY(testsupport::typeFileName(modal, picture));
        });
        QCOMPARE(controller->view->getCustomFilePath(), QString());
        QVERIFY(warning);
        QCOMPARE(warning->answered, 1);
    }

    // The window is see-through; the dialogs it opens must not be, or their text is black on black.
    // They belong to it all the same.
    void dialogsOfTheViewAreOpaque()
    {
        QDialog dialog;
        controller->view->adoptDialog(&dialog);
        QCOMPARE(dialog.windowHandle()->transientParent(), controller->view);
        dialog.resize(80, 40);
        const QColor background = dialog.grab().toImage().pixelColor(70, 30);
        QCOMPARE(background.alpha(), 255);
        QCOMPARE(background, dialog.palette().color(QPalette::Window));
    }

private:
    testsupport::WorkDir dir; // the view opens its settings files below the working folder
    myQQuickView* host = nullptr;
    Ui_Controler* controller = nullptr;
};

QTEST_MAIN(tst_Ui_Controler)
#include "tst_ui_controler.moc"

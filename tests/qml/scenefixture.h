#pragma once

// The fixture of the scene-level tests: the real host window, bridge and scene on the simulated
// mouse, in a private working folder, driven by objectName with real mouse events. Make one
// per test (init/cleanup) and call start() first.

#include "app/widget.h"
#include "bridge/myqquickview.h"
#include "simmouse.h"
#include "testsupport.h"

#include <QDirIterator>
#include <QJSValue>
#include <QMessageBox>
#include <QQuickItem>
#include <QTest>

#include <functional>
#include <memory>

// Qt 6.4 types a text only into widgets; the scene's window gets it one key at a time.
namespace QTest {
inline void keyClicks(QWindow* window, const QString& text, Qt::KeyboardModifiers modifier = Qt::NoModifier)
{
    for (const QChar c : text)
        keyClick(window, c.toLatin1(), modifier);
}
} // namespace QTest

class SceneFixture {
public:
    // The window's questions before destructive actions are answered with `questionAnswer`
    // (OK: go on, unless a test says otherwise; the question's default where it has no such
    // answer); their texts are kept in `questions`.
    SceneFixture()
    {
        QObject::connect(&questionPoll, &QTimer::timeout, [this] {
            QQuickItem* question = widget ? find(root(), QStringLiteral("question")) : nullptr;
            if (!question || !question->isVisible())
                return;
            questions << question->property("text").toString();
            const QString wanted = questionAnswer == QMessageBox::Ok ? QStringLiteral("yes")
                : questionAnswer == QMessageBox::Apply               ? QStringLiteral("apply")
                : questionAnswer == QMessageBox::Discard             ? QStringLiteral("discard")
                                                                     : QStringLiteral("cancel");
            const bool offered = find(question, QStringLiteral("question_") + wanted);
            QMetaObject::invokeMethod(question, "answer",
                Q_ARG(QVariant, offered ? wanted : question->property("focusName").toString()));
        });
        questionPoll.start(20);
    }
    ~SceneFixture() { delete widget; }
    QStringList questions;
    bool buildPagesAtStart = true; // false: as the program, each page is built when first needed
    QMessageBox::StandardButton questionAnswer = QMessageBox::Ok;
    SceneFixture(const SceneFixture&) = delete;
    SceneFixture& operator=(const SceneFixture&) = delete;

    // Copies the program's data, arranges the mouse (after its reset), builds the window, runs
    // initUI and run with fast animations and waits for the end of the start-up animation.
    bool start(const std::function<void()>& arrangeMouse = {})
    {
        const QString program = QStringLiteral(Z4_PROGRAM_DIR "/modules/");
        for (const char* sub : { "setting", "i18n", "macro" })
            copyTree(program + sub, dir.filePath(QStringLiteral("modules/") + sub));
        // The pictures are only read, and copying them would double the start-up time.
        QFile::link(program + "img", dir.filePath(QStringLiteral("modules/img")));
        sim::reset();
        if (arrangeMouse)
            arrangeMouse();
        widget = new Widget;
        widget->checkDevice();
        widget->show();
        if (!root() || !QTest::qWaitForWindowExposed(widget))
            return false;
        QMetaObject::invokeMethod(root(), "initUI");
        // Set after initUI, which loads the configured speed; tests never wait for slow motion.
        root()->setProperty("animation_speed", 10);
        QMetaObject::invokeMethod(root(), "run");
        // The window builds a page when it is first shown; most tests reach into every page at once.
        if (buildPagesAtStart)
            QMetaObject::invokeMethod(item(QStringLiteral("main_Z4")), "loadPages");
        sim::clearWire();
        return waitFor([this] { return startupDone(); }, 3000);
    }

    myQQuickView* view() const { return widget->view(); }
    QQuickItem* root() const { return widget->view()->rootObject(); }
    const testsupport::WorkDir& workDir() const { return dir; }

    // The item with this objectName anywhere in the scene (also inside repeaters and loaders).
    bool has(const QString& name) { return find(root(), name) != nullptr; }
    QQuickItem* item(const QString& name)
    {
        QQuickItem* found = find(root(), name);
        if (!found)
            QTest::qFail(
                qPrintable(QStringLiteral("no scene item named \"%1\"").arg(name)), __FILE__, __LINE__);
        return found;
    }

    // Presses and releases a button at the item's centre, as a person would: the event goes to
    // the view and reaches whatever the scene has on top there. False when the item is not shown.
    bool click(const QString& name, Qt::MouseButton button = Qt::LeftButton)
    {
        QQuickItem* target = shownItem(name);
        if (target)
            clickAt(target, target->width() / 2, button);
        return target;
    }

    // A click at x along the item (its centre when x is negative, and then only when shown),
    // then the end of any protect lock it started, since clicks during the lock are swallowed.
    bool press(const QString& name, qreal x = -1, Qt::MouseButton button = Qt::LeftButton)
    {
        QQuickItem* target = x < 0 ? shownItem(name) : item(name);
        if (!target)
            return false;
        clickAt(target, x < 0 ? target->width() / 2 : x, button);
        settle();
        return waitFor([this] { return !root()->property("protecting").toBool(); }, 5000);
    }

    // A property of a scene item as plain data (JavaScript arrays arrive as QJSValue).
    QVariant value(const QString& name, const char* property)
    {
        QVariant held = item(name)->property(property);
        if (held.metaType() == QMetaType::fromType<QJSValue>())
            held = held.value<QJSValue>().toVariant();
        return held;
    }

    // The texts of a colour pick's three number fields.
    QStringList rgbTexts(const QString& pick)
    {
        QStringList texts;
        for (const char* field : { "_r", "_g", "_b" })
            texts << item(pick + field)->property("text").toString();
        return texts;
    }

    static bool waitFor(const std::function<bool()>& predicate, int ms = 2000)
    {
        return QTest::qWaitFor(predicate, ms);
    }

    // Waits for the scene to settle after a click (slides and fades run 5 to 15 ms at speed 10).
    static void settle(int ms = 80) { QTest::qWait(ms); }

    // Each command packet since the last sim::clearWire(): code, profile and first value.
    static QList<QList<int>> commands()
    {
        QList<QList<int>> out;
        for (const sim::Report& r : sim::wire())
            if (r.dir == sim::Dir::ToMouse && r.kind == sim::Kind::Feature && r.iface == sim::Role::Command)
                out.append({ r.bytes.at(1), r.bytes.at(2), r.bytes.at(3) });
        return out;
    }
    static QByteArray commandCodes()
    {
        QByteArray codes;
        for (const QList<int>& command : commands())
            codes.append(char(command.at(0)));
        return codes;
    }
    static std::vector<sim::Bytes> blocksWritten()
    {
        std::vector<sim::Bytes> blocks(1);
        for (const sim::Report& r : sim::wire()) {
            if (r.kind != sim::Kind::Output)
                continue;
            blocks.back().insert(blocks.back().end(), r.bytes.begin() + 1, r.bytes.end());
            if (blocks.back().size() >= sim::kBlockLength)
                blocks.emplace_back();
        }
        blocks.pop_back();
        return blocks;
    }

    // Answers the next modal file dialog with the path, or cancels it when the path is empty.
    static std::unique_ptr<testsupport::ModalAnswerer> answerFileDialog(const QString& path)
    {
        return std::make_unique<testsupport::ModalAnswerer>([path](QWidget* modal) {
            if (!path.isEmpty())
                testsupport::typeFileName(modal, path);
        });
    }

private:
    QQuickItem* shownItem(const QString& name)
    {
        QQuickItem* target = item(name);
        if (target && (!target->isVisible() || target->opacity() <= 0)) {
            QTest::qFail(qPrintable(QStringLiteral("\"%1\" is not shown").arg(name)), __FILE__, __LINE__);
            return nullptr;
        }
        return target;
    }
    void clickAt(QQuickItem* target, qreal x, Qt::MouseButton button)
    {
        const QPointF at = target->mapToScene(QPointF(x, target->height() / 2));
        QTest::mouseClick(view(), button, Qt::NoModifier, at.toPoint());
    }

    bool startupDone() const
    {
        const QQuickItem* model = find(root(), QStringLiteral("main_Z4"));
        return root()->isVisible() && model && model->property("poweredOn").toBool();
    }

    static QQuickItem* find(QQuickItem* root, const QString& name)
    {
        if (!root)
            return nullptr;
        if (auto* child = root->findChild<QQuickItem*>(name))
            return child;
        return findVisual(root, name);
    }
    // Delegates and loaded items need not be QObject children of the item they are shown in.
    static QQuickItem* findVisual(QQuickItem* parent, const QString& name)
    {
        for (QQuickItem* child : parent->childItems()) {
            if (child->objectName() == name)
                return child;
            if (QQuickItem* deeper = findVisual(child, name))
                return deeper;
        }
        return nullptr;
    }

    static void copyTree(const QString& from, const QString& to)
    {
        QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString source = files.next();
            const QString target = to + source.mid(from.size());
            QDir().mkpath(QFileInfo(target).path());
            QFile::copy(source, target);
        }
    }

    testsupport::WorkDir dir;
    Widget* widget = nullptr;
    QTimer questionPoll;
};

#include "bridge/myqquickview.h"

#include "macro/keynamemap.h"
#include "macro/macrolibrary.h"
#include "store/dialogfolder.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QQuickItem>
#include <QSettings>
#include <QUrl>

#include <iterator>

myQQuickView::myQQuickView(QWindow* parent)
    : QQuickView(parent)
{
    initKeyNameMap();
    apConfig = new QSettings(QStringLiteral("./modules/setting/apConfig.bin"), QSettings::IniFormat);
    // Parented, so it goes with the view once the store that works on it has gone.
    profileFile = new QSettings(QStringLiteral("./modules/setting/p_Z4.bin"), QSettings::IniFormat, this);
    modelId = 1;
    // Macro libraries of older versions were readable by other users.
    MacroLibrary(MacroLibrary::folderForModel(modelId)).keepPrivate();
    openStore();
}

// The store and the configuration flush their settings files as they go, so nothing written
// in the last moments before the window closed is lost.
myQQuickView::~myQQuickView() = default;

bool myQQuickView::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        if (!inputEnabled)
            return true;
        break;
    default:
        break;
    }
    return QQuickView::event(event);
}

void myQQuickView::adoptDialog(QWidget* dialog)
{
    dialog->winId();
    if (QWindow* handle = dialog->windowHandle())
        handle->setTransientParent(this);
}

QString myQQuickView::chooseFile(bool save, const QString& caption, const QString& dir, const QString& filter)
{
    QFileDialog dialog(nullptr, caption, dir, filter);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    adoptDialog(&dialog);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

void myQQuickView::invokeRoot(const char* function, Qt::ConnectionType type, const QVariantList& args)
{
    QObject* root = rootObject();
    if (!root)
        return;
    auto arg = [&args](int i) { return Q_ARG(QVariant, args.at(i)); };
    switch (args.size()) {
    case 0:
        QMetaObject::invokeMethod(root, function, type);
        break;
    case 1:
        QMetaObject::invokeMethod(root, function, type, arg(0));
        break;
    case 2:
        QMetaObject::invokeMethod(root, function, type, arg(0), arg(1));
        break;
    case 3:
        QMetaObject::invokeMethod(root, function, type, arg(0), arg(1), arg(2));
        break;
    default:
        QMetaObject::invokeMethod(root, function, type, arg(0), arg(1), arg(2), arg(3));
        break;
    }
}

void myQQuickView::initUI()
{
    invokeRoot("initUI", Qt::QueuedConnection);
}

void myQQuickView::runUI()
{
    invokeRoot("run", Qt::QueuedConnection);
}

QString myQQuickView::z4_questionText(int question, QString subject)
{
    static const struct {
        Message index;
        const char* english;
    } questions[] = {
        { kMsgAskReset,
            "Reset %1 to its defaults? Its DPI, buttons, lighting and pointer settings are replaced." },
        { kMsgAskLoad, "Replace %1 with a profile from a file? You choose the file next." },
        { kMsgAskAllReset, "Show the defaults on every page? Nothing reaches the mouse until you save." },
        { kMsgAskDeleteMacro, "Delete the macro '%1'? Its file is removed from the library." },
        { kMsgAskUnapplied,
            "Changes on %1 are not applied yet. Apply them, discard them, or go back to them?" },
        { Message(5), "This is the last button that acts as the left button. Change it anyway?" },
    };
    if (question < 0 || question >= int(std::size(questions)))
        return QString();
    return message(questions[question].index, questions[question].english, subject);
}

void myQQuickView::z4_tellOpenFailed(QString url)
{
    const QUrl address(url);
    const QString where = address.isLocalFile()
        ? QDir::toNativeSeparators(QFileInfo(address.toLocalFile()).absoluteFilePath())
        : url;
    tellScene(message(kMsgNoOpener, "No program here opens the guide; it is at %1", where), true);
}

QString myQQuickView::message(Message index, const char* english, const QString& subject) const
{
    const QString stored = msgStrings.value(index);
    const QString text = stored.trimmed().isEmpty() ? tr(english) : stored;
    // A text without a place for the subject (a question that names none, a pack that left it
    // out) is shown as it is.
    return text.contains(QLatin1String("%1")) ? text.arg(subject) : text;
}

void myQQuickView::tellScene(const QString& text, bool failure)
{
    invokeRoot("showMessage", Qt::DirectConnection, { text, failure });
}

QString myQQuickView::profileLabel(int profile)
{
    return QStringLiteral("P%1").arg(profile, 2, 10, QLatin1Char('0'));
}

QString myQQuickView::getCustomFilePath()
{
    const QString path = chooseFile(false, tr("Open File"), dialogfolder::start(), tr("Image Files(*.png)"));
    if (path.isEmpty())
        return QString();
    dialogfolder::remember(path);
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        file.close();
        return path;
    }
    // Language-pack texts are text, never markup (an <img> in a pack would be loaded).
    QMessageBox box(QMessageBox::Warning, msgStrings.value(2),
        QStringLiteral("%1%2").arg(msgStrings.value(3), path), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    adoptDialog(&box);
    box.exec();
    return QString();
}

#include "bridge/myqquickview.h"

#include "macro/keynamemap.h"
#include "macro/macrolibrary.h"

#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QQuickItem>
#include <QSettings>
#include <QStandardPaths>

#include <iterator>

myQQuickView::myQQuickView(QWidget* parent)
    : QQuickWidget(parent)
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

namespace {
// Language-pack texts are text, never markup (an <img> in a pack would be loaded).
int plainWarning(const QString& title, const QString& text, QMessageBox::StandardButtons buttons,
    QMessageBox::StandardButton byDefault = QMessageBox::NoButton)
{
    QMessageBox box(QMessageBox::Warning, title, text, buttons);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(byDefault);
    return box.exec();
}
} // namespace

bool myQQuickView::getMsgAns_FoolProofing()
{
    const QString title = tr("%1").arg(msgStrings.value(4));
    const QString text = QStringLiteral("%1").arg(msgStrings.value(5));
    const int answer = plainWarning(title, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
    return answer == QMessageBox::Ok;
}

bool myQQuickView::z4_askFirst(QString title, int question, QString subject)
{
    static const char* const english[] = {
        "Reset %1 to its defaults? Its DPI, buttons, lighting and pointer settings are replaced.",
        "Replace %1 with a profile from a file? You choose the file next.",
        "Show the defaults on every page? Nothing reaches the mouse until you save.",
        "Delete the macro '%1'? Its file is removed from the library.",
    };
    if (question < 0 || question >= int(std::size(english)))
        return false;
    QMessageBox box(QMessageBox::Question, title,
        message(Message(kMsgAskReset + question), english[question], subject),
        QMessageBox::Ok | QMessageBox::Cancel);
    box.setObjectName(QStringLiteral("z4_question"));
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

int myQQuickView::z4_askUnapplied(QString title, QString parts, QStringList answers)
{
    QMessageBox box(QMessageBox::Question, title,
        message(kMsgAskUnapplied,
            "Changes on %1 are not applied yet. Apply them, discard them, or go back to them?", parts),
        QMessageBox::Apply | QMessageBox::Discard | QMessageBox::Cancel);
    box.setObjectName(QStringLiteral("z4_question"));
    box.setTextFormat(Qt::PlainText);
    const QMessageBox::StandardButton order[]
        = { QMessageBox::Apply, QMessageBox::Discard, QMessageBox::Cancel };
    for (int i = 0; i < int(std::size(order)) && i < answers.size(); ++i) {
        if (!answers.at(i).trimmed().isEmpty())
            box.button(order[i])->setText(answers.at(i));
    }
    // Keeping the changes is the answer that loses nothing.
    box.setDefaultButton(QMessageBox::Apply);
    box.setEscapeButton(QMessageBox::Cancel);
    const int answer = box.exec();
    return answer == QMessageBox::Apply ? 0 : answer == QMessageBox::Discard ? 1 : 2;
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
    const QString start = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QString path = QFileDialog::getOpenFileName(this, tr("Open File"), start, tr("Image Files(*.png)"));
    if (path.isEmpty())
        return QString();
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        file.close();
        return path;
    }
    plainWarning(tr("%1").arg(msgStrings.value(2)), QStringLiteral("%1%2").arg(msgStrings.value(3), path),
        QMessageBox::Ok);
    return QString();
}

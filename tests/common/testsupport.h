#pragma once

// Fixtures shared by the tests: a private working folder and the answering of modal dialogs,
// which run their own event loop and so must be answered from a timer.

#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QVariant>

#include <functional>

#include <sys/stat.h>

namespace testsupport {

// The file's bytes; empty when it cannot be read.
inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Puts at path what a reader must refuse: a FIFO ("fifo"), where a reader waits for a writer
// for good, or a file of a valid head padded past `bytes` ("big").
inline bool plantUnreadable(
    const QString& path, const QString& kind, const QByteArray& head = {}, qint64 bytes = 0)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile::remove(path);
    if (kind == QLatin1String("fifo"))
        return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    QFile file(path);
    return file.open(QIODevice::WriteOnly)
        && file.write(head + "\n;" + QByteArray(bytes, 'x') + "\n") > bytes;
}

// A fresh temporary folder made the current directory for the fixture's life, so that the
// program's "./modules/..." paths land in it; the previous directory comes back afterwards.
class WorkDir {
public:
    // Also a runtime folder of its own, so a window under test hears no notice, and takes no
    // lock, of another test running beside it.
    WorkDir()
        : previous(QDir::currentPath())
        , previousRuntime(qgetenv("Z4_RUNTIME_FOLDER"))
    {
        QDir::setCurrent(dir.path());
        qputenv("Z4_RUNTIME_FOLDER", QFile::encodeName(runtime.path()));
    }
    ~WorkDir()
    {
        QDir::setCurrent(previous);
        if (previousRuntime.isEmpty())
            qunsetenv("Z4_RUNTIME_FOLDER");
        else
            qputenv("Z4_RUNTIME_FOLDER", previousRuntime);
    }
    WorkDir(const WorkDir&) = delete;
    WorkDir& operator=(const WorkDir&) = delete;

    QString path() const { return dir.path(); }
    QString filePath(const QString& name) const { return dir.filePath(name); }

    // Writes a file below the folder, creating its parent folders. A rewrite always gets a later
    // modification time: QSettings serves its cached copy of a file while size and time look
    // unchanged, and two writes can fall into the same millisecond.
    bool write(const QString& name, const QByteArray& content) const
    {
        const QString target = dir.filePath(name);
        QDir().mkpath(QFileInfo(target).path());
        const QDateTime before = QFileInfo(target).lastModified();
        QFile file(target);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.flush())
            return false;
        if (before.isValid() && QFileInfo(target).lastModified() <= before)
            return file.setFileTime(before.addMSecs(1), QFileDevice::FileModificationTime);
        return true;
    }

private:
    QTemporaryDir dir;
    QTemporaryDir runtime;
    QString previous;
    QByteArray previousRuntime;
};

// Runs the action on the next modal dialog once it is up. Should a failed check inside the
// action leave the dialog open, it is rejected so that the test does not hang on it.
class ModalAnswerer {
public:
    explicit ModalAnswerer(std::function<void(QWidget*)> action)
        : answer(std::move(action))
    {
        QObject::connect(&poll, &QTimer::timeout, [this] {
            // Questions before destructive actions are the scene fixture's to answer.
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal->objectName() == QLatin1String("z4_question"))
                return;
            poll.stop();
            ++answered;
            answer(modal);
            if (QApplication::activeModalWidget() == modal)
                if (auto* dialog = qobject_cast<QDialog*>(modal))
                    dialog->reject();
        });
        poll.start(20);
    }

    int answered = 0;

private:
    std::function<void(QWidget*)> answer;
    QTimer poll;
};

// count consecutive numbers from first.
inline QVariantList numbers(int count, int first = 0)
{
    QVariantList out;
    for (int i = 0; i < count; ++i)
        out.append(first + i);
    return out;
}

// Types a path into a file dialog's name field and accepts it, as a person would; selecting
// the file instead races with the dialog's lazy listing of the folder.
inline bool typeFileName(QWidget* modal, const QString& path)
{
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    auto* nameField = dialog ? dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")) : nullptr;
    if (!nameField)
        return false;
    nameField->setText(path);
    QMetaObject::invokeMethod(dialog, "accept");
    return true;
}

} // namespace testsupport

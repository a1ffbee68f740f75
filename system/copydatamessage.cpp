#include "system/copydatamessage.h"

#include "system/inputhook.h"

#include <QMessageBox>
#include <cstring>

std::optional<QString> copyDataWarningText(const CopyData& data)
{
    if (data.dwData != copyDataWarningTag || (data.cbData > 0 && !data.lpData))
        return std::nullopt;
    const char* bytes = static_cast<const char*>(data.lpData);
    const void* nul = data.cbData ? std::memchr(bytes, 0, data.cbData) : nullptr;
    const qsizetype length = nul ? static_cast<const char*>(nul) - bytes : qsizetype(data.cbData);
    const QString text = QString::fromUtf8(bytes, length);
    // Measured after a round trip, so invalid UTF-8 never matches the length.
    if (text.toUtf8().size() != qsizetype(data.cbData))
        return std::nullopt;
    return text;
}

void showCopyDataWarning(const CopyData& data, const QString& caption)
{
    // Boxes would stack up while one waits for the user; the messages in between are dropped.
    static bool showing = false;
    const std::optional<QString> text = copyDataWarningText(data);
    if (!text || showing)
        return;
    showing = true;
    QMessageBox box(QMessageBox::Warning, caption, *text, QMessageBox::Ok);
    // Another local process wrote it: markup could draw a convincing dialog with a link.
    box.setTextFormat(Qt::PlainText);
    box.exec();
    showing = false;
}

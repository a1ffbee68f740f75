// Loads arbitrary bytes as a macro file, the way an imported or hand-edited file reaches the
// program: reading its lines and configuration and encoding them must never crash or hang.
#include "macro/keynamemap.h"
#include "macro/macroencoder.h"
#include "macro/macrolibrary.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    initKeyNameMap();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    static quint64 counter = 0;
    // A fresh name each time: the settings cache could otherwise answer from an earlier input.
    const QString name = QStringLiteral("m%1").arg(++counter);
    const MacroLibrary library(dir.path() + QLatin1Char('/'));
    {
        QFile file(library.filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            std::abort();
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    const QStringList lines = library.lines(name);
    if (lines.size() > MacroLibrary::kMaxLines)
        std::abort();
    const QVariantList config = library.config(name);
    if (config.size() != 2)
        std::abort();
    const QList<uchar> stream = MacroEncoder::encode(lines);
    MacroEncoder::deviceBlock(stream, library.repeat(name));
    QFile::remove(library.filePath(name));
    return 0;
}

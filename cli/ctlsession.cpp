#include "cli/ctlsession.h"

#include "cli/ctl.h"
#include "core/mouselink.h"
#include "device/master.h"
#include "macro/macrolibrary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace {
const QString kLiveProfiles = QStringLiteral("./modules/setting/p_Z4.bin");

QString hex(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex(' '));
}
} // namespace

namespace ctl {

Session::Session(bool dryRun, QTextStream& errors)
    : dry(dryRun)
    , err(errors)
{
    QString path = kLiveProfiles;
    if (dry) {
        path = scratch.filePath(QStringLiteral("p_Z4.bin"));
        QFile::copy(kLiveProfiles, path);
        dev.master()->dryRun = true;
    }
    dev.listenVendor = false;
    file = new QSettings(path, QSettings::IniFormat);
    store = std::make_unique<ProfileStore>(file);
    store->loadProfiles();
    mouse = std::make_unique<MouseSettings>(*store, &dev);
    // A dry run plays with copies: the macro files keep their places untouched too.
    mouse->setMacroLibrary(macroFolder());
    mouse->setWriteObserver([this](bool sent, const QString& step) {
        if (!sent && connected())
            noteFailure(step);
    });
}

Session::~Session()
{
    store.reset();
    delete file;
}

void Session::noteFailure(const QString& step)
{
    if (failed.isEmpty())
        failed = step;
}

bool Session::connect()
{
    const mouselink::Detection found = dry ? mouselink::Detection { true, {} } : mouselink::detect(dev);
    refused = found.found && !found.failure.isEmpty();
    if (refused) {
        err << "z4ctl: no permission to open the mouse at " << dev.currentTask().device.commandPath << " ("
            << found.failure << ")\n"
            << "z4ctl: allow it once with: " << mouselink::permissionFix() << '\n';
    }
    store->setConnected(found.usable());
    return found.usable();
}

QString Session::macroFolder()
{
    const QString live = MacroLibrary::folderForModel(1);
    if (!dry)
        return live;
    if (macros.isEmpty()) {
        macros = scratch.filePath(QStringLiteral("macro/"));
        QDir().mkpath(macros);
        for (const QString& name : QDir(live).entryList(QDir::Files | QDir::Hidden))
            QFile::copy(live + name, macros + name);
    }
    return macros;
}

bool Session::readFromMouse(int n)
{
    if (dry || !connected())
        return true;
    QString step = store->refreshProfile(dev, n);
    // Of profile 0 only its image: it carries the lighting colours all profiles share.
    if (step.isEmpty() && n != 0)
        step = store->refreshProfile(dev, 0, { FwGroup::Profile });
    // The indicator's colours depend on the kind of light the mouse has.
    uchar type = 0;
    if (step.isEmpty() && !dev.hid_89H_GetRGBLedTwinkle(type))
        step = QStringLiteral("89H");
    else if (step.isEmpty() && type != store->value(FwGroup::Other, 0, MouseSettings::kLightingEntry)) {
        store->setEntry(FwGroup::Other, 0, MouseSettings::kLightingEntry, int(type));
        store->saveProfile(0, { FwGroup::Other });
    }
    if (!step.isEmpty())
        noteFailure(step);
    return step.isEmpty();
}

int Session::currentProfile()
{
    uchar current = store->curProfile();
    if (!dry && connected()) {
        if (!dev.hid_82H_GetCurrentProfile(current))
            noteFailure(QStringLiteral("82H"));
        else
            store->setCurProfile(current);
    }
    return store->curProfile();
}

int Session::finish(int status, bool changed, QTextStream& out)
{
    if (dry) {
        for (const QByteArray& exchange : dev.master()->dryRunLog)
            out << hex(exchange) << '\n';
        return status;
    }
    file->sync();
    if (status == kFailed && !failed.isEmpty())
        err << "z4ctl: the exchange with the mouse failed at " << failed << '\n';
    if (changed && status != kUsage && file->status() == QSettings::AccessError) {
        err << "z4ctl: cannot save "
            << QDir::toNativeSeparators(QFileInfo(file->fileName()).absoluteFilePath()) << '\n';
        return kFailed;
    }
    if (changed && status != kUsage) {
        if (!connected())
            err << "z4ctl: no mouse connected: the change is kept in the profile file and goes to the mouse "
                   "when the window next finds it\n";
        mouselink::tellWindow();
    }
    return status;
}

} // namespace ctl

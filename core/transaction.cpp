#include "core/transaction.h"

#include "core/mousesettings.h"
#include "store/profilestore.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSettings>
#include <QThread>

namespace {
// A file's time stamp is what tells a process that another one rewrote it; two writes within
// one tick of the file system's clock could look alike.
constexpr qint64 kStampTickMs = 11;

std::function<void()>& teller()
{
    static std::function<void()> tell;
    return tell;
}

void outwaitStamp(const QString& path)
{
    const qint64 stamp = QFileInfo(path).lastModified().toMSecsSinceEpoch();
    const qint64 wait = stamp + kStampTickMs - QDateTime::currentMSecsSinceEpoch();
    if (wait > 0)
        QThread::msleep(ulong(std::min(wait, kStampTickMs)));
}
} // namespace

Transaction::Transaction(ProfileStore& profiles, int waitMs)
    : store(profiles)
    , lock(std::in_place, waitMs)
{
    if (!lock->held())
        return;
    store.file()->sync();
    store.loadProfiles();
}

Transaction::~Transaction() = default;

void Transaction::finish(bool changed)
{
    if (!held())
        return;
    store.file()->sync();
    if (changed)
        outwaitStamp(store.file()->fileName());
    lock.reset();
    if (changed && teller())
        teller()();
}

void Transaction::setTeller(std::function<void()> tell)
{
    teller() = std::move(tell);
}

QString Transaction::busyText()
{
    return QStringLiteral("The mouse is busy with another program: nothing lost, try again");
}

namespace transaction {

Result selectProfile(ProfileStore& store, MS_HT66FB560* device, int profile)
{
    if (!ProfileStore::isProfile(profile))
        return Result::Refused;
    Transaction change(store);
    if (!change.held())
        return Result::Busy;
    MouseSettings settings(store, store.isConnected() ? device : nullptr);
    const bool sent = settings.selectProfile(profile);
    change.finish(true);
    return sent ? Result::Done : Result::Failed;
}

} // namespace transaction

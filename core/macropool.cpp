#include "core/macropool.h"

#include "core/keyslots.h"
#include "macro/macrolibrary.h"
#include "store/profilestore.h"

#include <QSettings>

namespace {
const QString kHolderKey = QStringLiteral("macro_slots/%1");
const QString kUnsentKey = QStringLiteral("macro_slots/unsent");
constexpr int kMatrixEntries = ProfileStore::kKeySlots * ProfileStore::kSlotBytes;
} // namespace

MacroPool::MacroPool(ProfileStore& profileStore, const MacroLibrary& macroLibrary)
    : store(profileStore)
    , library(macroLibrary)
{
}

QList<int> MacroPool::played(const QVariantList& pending, int pendingProfile) const
{
    QList<int> used = keyslots::playedMacros(pending);
    for (int n = 0; n < ProfileStore::kProfiles; ++n) {
        if (n == pendingProfile)
            continue;
        for (int index : keyslots::playedMacros(store.entries(FwGroup::Matrix, n, 0, kMatrixEntries))) {
            if (!used.contains(index))
                used << index;
        }
    }
    return used;
}

void MacroPool::release(const QVariantList& pending, int pendingProfile)
{
    const QList<int> used = played(pending, pendingProfile);
    QList<int> taken;
    for (const QString& file : library.names()) {
        const QString name = file.chopped(4);
        const int index = library.index(name);
        if (index < 0)
            continue;
        const QString owner = holder(index);
        // Of two files claiming one slot (an older version's bookkeeping) the first keeps it.
        const bool keeps
            = used.contains(index) && (owner.isEmpty() || owner == name) && !taken.contains(index);
        if (keeps)
            taken << index;
        else
            library.setConfig(name, { -1, library.repeat(name) });
    }
}

int MacroPool::placeFor(const QString& name, const QList<int>& used) const
{
    const int own = library.index(name);
    if (own >= 0 && own < ProfileStore::kMacroSlots && (holder(own).isEmpty() || holder(own) == name))
        return own;
    for (int index = 0; index < ProfileStore::kMacroSlots; ++index) {
        if (!used.contains(index))
            return index;
    }
    return -1;
}

QString MacroPool::holder(int index) const
{
    return store.file() ? store.file()->value(kHolderKey.arg(index)).toString() : QString();
}

void MacroPool::setHolder(int index, const QString& name)
{
    if (store.file())
        store.file()->setValue(kHolderKey.arg(index), name);
}

void MacroPool::renameHolder(const QString& oldName, const QString& newName)
{
    for (int index = 0; index < ProfileStore::kMacroSlots; ++index) {
        if (holder(index) == oldName)
            setHolder(index, newName);
    }
}

QList<int> MacroPool::unsent() const
{
    QList<int> out;
    if (store.file()) {
        for (const QVariant& v : store.file()->value(kUnsentKey).toList())
            out << v.toInt();
    }
    return out;
}

void MacroPool::setUnsent(int index, bool on)
{
    QList<int> now = unsent();
    if (now.contains(index) == on || !store.file())
        return;
    if (on)
        now << index;
    else
        now.removeAll(index);
    QVariantList list;
    for (int i : now)
        list << i;
    store.file()->setValue(kUnsentKey, list);
}

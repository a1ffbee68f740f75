#pragma once

#include "macro/macrolibrary.h"

#include <QList>
#include <QString>
#include <QVariantList>

class ProfileStore;

// The mouse's 100 macro slots, one pool for all six profiles, and which macro file each holds.
// A file's index (its config) says which slot plays it; the live profile file records the file
// each slot was last given and the slots whose bytes the mouse has yet to get.
class MacroPool {
public:
    MacroPool(ProfileStore& store, const MacroLibrary& library);

    // The slots a stored key matrix plays, plus those of `pending` (64 entries). With
    // `pendingProfile` set, `pending` replaces that profile's stored matrix instead.
    QList<int> played(const QVariantList& pending = {}, int pendingProfile = -1) const;
    // A file no played slot holds lets go of its index; so does a file whose slot was since
    // given to another file.
    void release(const QVariantList& pending = {}, int pendingProfile = -1);
    // The slot `name` takes: its own index, else the lowest one nothing plays; -1 when full.
    int placeFor(const QString& name, const QList<int>& played) const;

    // The file slot `index` was last given; empty when unknown.
    QString holder(int index) const;
    void setHolder(int index, const QString& name);
    void renameHolder(const QString& oldName, const QString& newName);

    // Slots whose file has not reached the mouse yet, sent before the next key matrix.
    QList<int> unsent() const;
    void setUnsent(int index, bool on);

private:
    ProfileStore& store;
    MacroLibrary library;
};

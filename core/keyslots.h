#pragma once

#include "core/keyfunctions.h"

#include <QVariantList>
#include <QVariantMap>

#include <optional>

class MacroLibrary;

// The key page's view of a key slot and back: which category and which control values four
// bytes show, and the four bytes a choice on the page stands for. The page holds only these
// views; z4ctl names the same bytes with keyfunctions::describe().
namespace keyslots {

enum Category { None = -1, Keyboard, Mouse, Media, Combo, Macro, Fire, Led, Profile };
constexpr int kTripleClickRow = 5;
constexpr int kScrollUpRow = 9;
constexpr int kFireSpeedDefault = 7;

// Four bytes 0..255 from a stored list (numbers or their text); nullopt for anything else.
std::optional<keyfunctions::Slot> fromList(const QVariantList& list);
QVariantList toList(const keyfunctions::Slot& slot);

// What the page shows for a slot: category, key, mouse, media, modifier, key1, key2,
// macroName, macroMode, macroCount, fireUsesKey, fireButton, fireKey, fireSpeed, fireCount.
// Empty when the bytes fit no pattern of their type (the page keeps what it showed); a slot
// that does nothing shows no category. `library` names a macro slot's file.
QVariantMap view(const keyfunctions::Slot& slot, const MacroLibrary* library = nullptr);
// Every control cleared (category None).
QVariantMap clearedView();
// The bytes a choice stands for ("category" and the fields view() gives); nullopt while the
// choice is incomplete (a fire key without its source, a row outside the list); category None
// is a slot that does nothing. A macro is
// placed by MouseSettings::placeMacro, never here.
std::optional<keyfunctions::Slot> fromChoice(const QVariantMap& choice);

// The 64 entries of 16 slots as the key page holds them (a slot it could not read: nothing).
QVariantList flatten(const QVariantList& keySlots);
// The factory function of each of the 16 slots.
keyfunctions::Slot defaultSlot(int slot);
// Whether changing `slot` would leave no reachable button acting as the left button.
bool needsLeftGuard(const QVariantList& matrix, int slot, int reachableButtons);
// The macro slots (0..99) a 64-entry key matrix plays.
QList<int> playedMacros(const QVariantList& matrix);

} // namespace keyslots

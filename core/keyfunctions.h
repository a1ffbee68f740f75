#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <array>
#include <functional>

// The functions a button can take, by the names the command line uses ("key:B",
// "combo:ctrl+shift+k", "mouse:left", "media:mute", "dpi:up", "profile:switch",
// "fire:left:7:10", "macro:NAME:MODE:COUNT", "led", "disable"), and the colour page's effects.
// The byte tables (functiontable.json) are read once; the key and colour pages get them
// through the bridge.
namespace keyfunctions {

using Slot = std::array<uchar, 4>;

struct Function {
    Slot bytes {};
    // Set for "macro:": the slot's id is only known once the macro has a place on the mouse.
    QString macro;
    int macroMode = 0; // 0 normal play, 1 always repeat, 2 repeat on pressed
    int macroCount = 1;
};

// False with `problem` naming the bad part and what is accepted.
bool parse(const QString& text, Function* out, QString* problem);
// The name of what a slot holds; `macroName` answers the macro file of a macro id (empty when
// none is known). Bytes no name covers read "raw:" and eight hex digits.
QString describe(const Slot& slot, const std::function<QString(int id)>& macroName = {});

// Buttons 1..10 as the key page lists them -> key matrix slot; -1 outside.
int slotOfButton(int button);
int buttonCount();
QStringList builtinButtonNames();

QStringList effectNames(); // by effect id
int effectId(const QString& name); // -1 when unknown
// Slider position 0..7 <-> the byte the mouse keeps, as the colour page converts them.
bool hasSpeedRange(int effect);
uchar speedValue(int effect, int index);
int speedIndex(int effect, uint value);
uchar brightnessValue(int index);
int brightnessIndex(uint value);

// The whole table, for the scene's names and texts.
QVariantMap tableMap();
// The table's rows, for the key page's decoding (keyslots).
QList<Slot> mouseRowSlots();
QList<int> mediaUsages();
Slot ledControl();
Slot profileSwitch();

// Every name accepted after "mouse:", "dpi:", "media:", "key:" (for completion and messages).
QStringList names(const QString& kind);
QStringList macroModeNames();

} // namespace keyfunctions

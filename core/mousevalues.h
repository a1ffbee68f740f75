#pragma once

#include <QList>
#include <QVariantList>

// What the sensor and colour pages' choices become on the mouse, and back: DPI stage codes,
// report-rate bytes, the indicator's colours and the lighting effects' speed and brightness.
// The window and z4ctl both go through these; nothing here talks to the device.
namespace mousevalues {

constexpr int kStages = 8;
constexpr uint kStageCross = 0xFF; // code -1: a stage that is off, shown "x"
constexpr uint kStageTopCode = 160; // the one code the firmware wants spelled 0xCF
constexpr uint kStageTopWire = 0xCF;
constexpr uint kStageTopRead = 0x9F; // what the window shows for a stored 0xCF
constexpr int kDefaultDpiBase = 100;

// A DPI value as its stage code: 0 or less is "x"; a value past a byte holds to the top code.
uint stageCode(int dpi, int base);
// The DPI a stored code shows; 0 for "x".
int stageDpi(uint code, int base);
// The 16 codes a stage table sends: eight values (missing ones "x"), both rows the same.
QVariantList stageCodes(const QVariantList& dpis, int base);
// Eight DPI values from the first row of stored codes (missing codes read "x").
QVariantList stageDpis(const QVariantList& codes, int base);
// The usable stage count a profile keeps: below 1 (a blank image) or above 8 reads 8.
int stageCount(uint stored);
// The active stage (1-based) the mouse may be told: a usable cell that is not "x".
bool activeStageAllowed(int stage, const QVariantList& codes, uint maxStage);

// The report rate's four choices, slowest first: 125, 250, 500, 1000 Hz.
uint rateByteOfHz(int hz); // 0 for a rate not offered
int rateHz(uint rateByte); // unknown bytes read 1000 Hz
uint rateByteOfIndex(int index);
int rateIndex(uint rateByte);

// The eight-colour indicator's fixed colours, [r, g, b] by index 0..7.
QVariantList eightColors();
// The indicator's eight colours as 24 numbers: the fixed colours of the stored indices where
// the mouse has the eight-colour indicator (lighting type 0), else the stored RGB list.
QVariantList indicatorColors(uint lightingType, const QVariantList& indices, const QVariantList& rgb24);
// The sensor page's DEFAULT for the indicator: 24 numbers and the matching eight indices.
QVariantList defaultIndicatorColors();
QVariantList defaultIndicatorIndices();

// Which of an effect's values the mouse uses: the speed only where the effect has a range.
bool effectUsesSpeed(int effect);
bool effectUsesBrightness(int effect);
bool effectUsesColors(int effect);

// Any value given as number or decimal text, held to 0..255 (0 when unreadable).
uint toByte(const QVariant& value);

} // namespace mousevalues

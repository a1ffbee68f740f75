#pragma once

#include <QString>
#include <QVariantList>

// What the mouse can take of a profile's firmware groups. A file that holds more is refused
// whole: the wire would carry only the low byte, and the mouse would keep something else.
namespace profilelimits {

// Entries of the "other" group: the active DPI stage and the report-rate code.
constexpr int kStageEntry = 0;
constexpr int kRateEntry = 1;
constexpr int kStages = 8;

bool isRateCode(uint code); // 1, 2, 4 or 8: 1000, 500, 250, 125 Hz
bool isStage(uint stage); // 1..8

// Why the mouse cannot take `values` as group `group` (profile_fw, matrix_fw, other_fw),
// naming the value; empty when it can. Other groups are not the mouse's and pass.
QString problem(const QString& group, const QVariantList& values);

} // namespace profilelimits

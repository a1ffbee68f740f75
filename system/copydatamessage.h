#pragma once

#include <QString>
#include <optional>

struct CopyData;

// The copy-data message that asks for a warning: its tag, and a UTF-8 text whose byte length
// equals cbData. The text ends at the first NUL within the cbData bytes, never beyond them.
constexpr unsigned copyDataWarningTag = 0x250F;

std::optional<QString> copyDataWarningText(const CopyData& data);

// Shows the text as plain text in a modal warning box (no parent, OK only) when the message asks
// for one, and returns once the user has closed it. While a box is up, further ones are dropped.
void showCopyDataWarning(const CopyData& data, const QString& caption);

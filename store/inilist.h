#pragma once

#include <QVariant>
#include <QVariantList>

// Reads an INI value as a list. QSettings writes a one-entry list as a plain value, and
// QVariant would turn that text into a list of its characters; an absent or empty value is
// the empty list.
inline QVariantList iniList(const QVariant& value)
{
    switch (value.metaType().id()) {
    case QMetaType::QVariantList:
    case QMetaType::QStringList:
        return value.toList();
    case QMetaType::UnknownType:
        return {};
    case QMetaType::QString:
        if (value.toString().isEmpty())
            return {};
        break;
    }
    return { value };
}

#include "core/shownvalues.h"

void ShownValues::note(Region region, int profile, const QVariantList& values, int first)
{
    Part& part = parts[region];
    if (part.profile != profile)
        part.values.clear();
    part.profile = profile;
    while (part.values.size() < first + values.size())
        part.values.append(QVariant());
    for (int i = 0; i < values.size(); ++i)
        part.values[first + i] = values.at(i);
}

int ShownValues::profile(Region region, int fallback) const
{
    return known(region) ? parts[region].profile : fallback;
}

namespace {
bool sameUnit(const QVariantList& a, const QVariantList& b, int at, int unit)
{
    for (int i = at; i < at + unit; ++i) {
        if (i >= a.size() || i >= b.size() || !a.at(i).isValid() || a.at(i).toUInt() != b.at(i).toUInt())
            return false;
    }
    return true;
}
} // namespace

ShownValues::Merge ShownValues::merge(
    Region region, const QVariantList& edited, const QVariantList& now, int unit, bool preferEdited) const
{
    const QVariantList& shown = parts[region].values;
    Merge result;
    result.values = edited;
    if (!known(region)) {
        result.changed = true;
        return result;
    }
    for (int at = 0; unit > 0 && at < edited.size(); at += unit) {
        const bool touched = !sameUnit(edited, shown, at, unit);
        result.changed = result.changed || touched;
        if (!touched) {
            for (int i = at; i < at + unit && i < edited.size(); ++i)
                result.values[i] = now.value(i, edited.at(i));
        } else if (!sameUnit(now, shown, at, unit) && !sameUnit(now, edited, at, unit)) {
            result.conflicts.append(at / unit);
            if (!preferEdited) {
                for (int i = at; i < at + unit && i < edited.size(); ++i)
                    result.values[i] = now.value(i, edited.at(i));
            }
        }
    }
    return result;
}

#pragma once

#include <QList>
#include <QVariantList>

#include <array>

// What the window's pages were shown of each part of the settings and for which profile, so
// that APPLY sends what the person changed to the profile it was changed on: a value the person
// left as shown takes the current one (re-read under the lock), and one changed both on the page
// and elsewhere is a conflict the person decides.
class ShownValues {
public:
    enum Region { Rate, Stage, Effect, DpiColors, DpiIo, Stages, Matrix, LedColors, kRegions };

    // The page read `values` of `profile`, from entry `first` of the region on.
    void note(Region region, int profile, const QVariantList& values, int first = 0);
    // The profile whose values the page shows; `fallback` before any read.
    int profile(Region region, int fallback) const;
    bool known(Region region) const { return parts[region].profile >= 0; }

    struct Merge {
        QVariantList values; // what goes to the mouse
        QList<int> conflicts; // units changed both here and elsewhere (given the page's values)
        bool changed = false; // the person changed something
    };
    // Unit by unit (a key's four bytes go together): the edited unit where the person changed
    // it, the current one where not; `preferEdited` settles conflicts for the page.
    Merge merge(Region region, const QVariantList& edited, const QVariantList& now, int unit = 1,
        bool preferEdited = false) const;

private:
    struct Part {
        int profile = -1;
        QVariantList values;
    };
    std::array<Part, kRegions> parts;
};

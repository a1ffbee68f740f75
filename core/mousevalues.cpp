#include "core/mousevalues.h"

#include "core/keyfunctions.h"

#include <QtGlobal>

#include <cmath>

namespace {
constexpr int kEightColors[8][3] = { { 255, 0, 0 }, { 0, 255, 0 }, { 0, 0, 255 }, { 255, 0, 255 },
    { 0, 255, 255 }, { 255, 255, 0 }, { 255, 255, 255 }, { 255, 127, 0 } };
constexpr int kDefaultIndices[8] = { 0, 4, 1, 3, 7, 5, 2, 6 };
constexpr uint kRates[4] = { 8, 4, 2, 1 }; // 125, 250, 500, 1000 Hz
constexpr int kRateHz[4] = { 125, 250, 500, 1000 };
} // namespace

namespace mousevalues {

uint toByte(const QVariant& value)
{
    bool ok = false;
    const double v = value.toString().trimmed().toDouble(&ok);
    return ok && std::isfinite(v) ? uint(qBound(0.0, std::round(v), 255.0)) : 0;
}

uint stageCode(int dpi, int base)
{
    const int step = base > 0 ? base : kDefaultDpiBase;
    const long code = std::lround(double(dpi) / step) - 1;
    if (dpi <= 0 || code < 0)
        return kStageCross;
    return code == long(kStageTopCode) || code >= long(kStageCross) ? kStageTopWire : uint(code);
}

int stageDpi(uint code, int base)
{
    const int step = base > 0 ? base : kDefaultDpiBase;
    if (code == kStageCross)
        return 0;
    return int((code == kStageTopWire ? kStageTopRead : code) + 1) * step;
}

QVariantList stageCodes(const QVariantList& dpis, int base)
{
    QVariantList codes;
    for (int i = 0; i < kStages; ++i)
        codes << (i < dpis.size() ? stageCode(dpis.at(i).toInt(), base) : kStageCross);
    return codes + codes;
}

QVariantList stageDpis(const QVariantList& codes, int base)
{
    QVariantList dpis;
    for (int i = 0; i < kStages; ++i)
        dpis << stageDpi(i < codes.size() ? toByte(codes.at(i)) : kStageCross, base);
    return dpis;
}

int stageCount(uint stored)
{
    return stored < 1 || stored > uint(kStages) ? kStages : int(stored);
}

bool activeStageAllowed(int stage, const QVariantList& codes, uint maxStage)
{
    if (stage < 1 || stage > stageCount(maxStage))
        return false;
    return stage > codes.size() || toByte(codes.at(stage - 1)) != kStageCross;
}

uint rateByteOfHz(int hz)
{
    for (int i = 0; i < 4; ++i) {
        if (kRateHz[i] == hz)
            return kRates[i];
    }
    return 0;
}

int rateHz(uint rateByte)
{
    return kRateHz[rateIndex(rateByte)];
}

uint rateByteOfIndex(int index)
{
    return kRates[qBound(0, index, 3)];
}

int rateIndex(uint rateByte)
{
    for (int i = 0; i < 4; ++i) {
        if (kRates[i] == rateByte)
            return i;
    }
    return 3;
}

QVariantList eightColors()
{
    QVariantList out;
    for (const auto& rgb : kEightColors)
        out << QVariant(QVariantList { rgb[0], rgb[1], rgb[2] });
    return out;
}

QVariantList indicatorColors(uint lightingType, const QVariantList& indices, const QVariantList& rgb24)
{
    if (lightingType != 0) {
        QVariantList out;
        for (int i = 0; i < 3 * kStages; ++i)
            out << (i < rgb24.size() ? toByte(rgb24.at(i)) : 0u);
        return out;
    }
    QVariantList out;
    for (int i = 0; i < kStages; ++i) {
        const uint index = qMin(i < indices.size() ? toByte(indices.at(i)) : 0u, 7u);
        for (int c = 0; c < 3; ++c)
            out << kEightColors[index][c];
    }
    return out;
}

QVariantList defaultIndicatorIndices()
{
    QVariantList out;
    for (int index : kDefaultIndices)
        out << index;
    return out;
}

QVariantList defaultIndicatorColors()
{
    return indicatorColors(0, defaultIndicatorIndices(), {});
}

bool effectUsesSpeed(int effect)
{
    return keyfunctions::hasSpeedRange(effect);
}

bool effectUsesBrightness(int effect)
{
    return effect == 1 || effect == 4 || effect == 7 || effect == 8;
}

bool effectUsesColors(int effect)
{
    return effect == 1 || effect == 2 || effect == 6 || effect == 7 || effect == 8;
}

} // namespace mousevalues

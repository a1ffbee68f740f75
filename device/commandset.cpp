#include "device/ms_ht66fb560.h"

#include <array>

namespace {

constexpr int kBlockLength = 128;
constexpr uchar kBlockLengthByte = 0x80; // announces a 128-byte data phase

using Packet = std::array<uchar, kPacketLength>;

Packet packet(uchar code, uchar b2 = 0, uchar b3 = 0, uchar b4 = 0)
{
    Packet p {};
    p[1] = code;
    p[2] = b2;
    p[3] = b3;
    p[4] = b4;
    return p;
}

QString versionText(uchar major, uchar minor)
{
    return QString::number(major, 16) + QLatin1Char('.')
        + QStringLiteral("%1").arg(minor, 2, 16, QLatin1Char('0')).toUpper();
}

} // namespace

bool MS_HT66FB560::hid_01H_SetFunctionOption(uchar option)
{
    Packet p = packet(0x01, option);
    return hid_SetCmd(p.data());
}

bool MS_HT66FB560::hid_02H_SetCurrentProfile(uchar profileId)
{
    Packet p = packet(0x02, profileId);
    return hid_SetCmd(p.data());
}

// The profile goes first on the wire although the value comes first in the signature.
bool MS_HT66FB560::hid_03H_SetReportRate(uchar rate, uchar profileId)
{
    Packet p = packet(0x03, profileId, rate);
    return hid_SetCmd(p.data());
}

bool MS_HT66FB560::hid_04H_SetDPIStage(uchar stage, uchar profileId)
{
    Packet p = packet(0x04, profileId, stage);
    return hid_SetCmd(p.data());
}

bool MS_HT66FB560::hid_08H_SetStopMacroSending()
{
    Packet p = packet(0x08, 0xAA, 0xCC, 0xEE);
    return hid_SetCmd(p.data());
}

bool MS_HT66FB560::hid_0CH_SetFwProfile(uchar profileId, uchar* src128)
{
    Packet p = packet(0x0C, profileId, kBlockLengthByte);
    return hid_SetDataCmd(p.data(), src128, kBlockLength);
}

bool MS_HT66FB560::hid_0DH_SetKeyMatrix(uchar profileId, uchar* src128)
{
    Packet p = packet(0x0D, profileId, kBlockLengthByte);
    return hid_SetDataCmd(p.data(), src128, kBlockLength);
}

bool MS_HT66FB560::hid_0FH_SetMacroKey(uchar macroId, uchar* src128)
{
    Packet p = packet(0x0F, macroId, kBlockLengthByte);
    return hid_SetDataCmd(p.data(), src128, kBlockLength);
}

bool MS_HT66FB560::hid_80H_GetFWVersion(QString& version)
{
    Packet p = packet(0x80);
    const bool ok = hid_GetCmd(p.data());
    version = ok ? versionText(p[2], p[3]) : QStringLiteral("unknown");
    return ok;
}

bool MS_HT66FB560::getValue(uchar code, uchar param, int answerByte, uchar& value)
{
    Packet p = packet(code, param);
    const bool ok = hid_GetCmd(p.data());
    if (ok)
        value = p[size_t(answerByte)];
    return ok;
}

bool MS_HT66FB560::hid_81H_GetFunctionOption(uchar& option)
{
    return getValue(0x81, 0, 2, option);
}

bool MS_HT66FB560::hid_82H_GetCurrentProfile(uchar& profileId)
{
    return getValue(0x82, 0, 2, profileId);
}

bool MS_HT66FB560::hid_83H_GetReportRate(uchar& rate, uchar profileId)
{
    return getValue(0x83, profileId, 3, rate);
}

bool MS_HT66FB560::hid_84H_GetDPIStage(uchar& stage, uchar profileId)
{
    return getValue(0x84, profileId, 3, stage);
}

bool MS_HT66FB560::hid_89H_GetRGBLedTwinkle(uchar& type)
{
    return getValue(0x89, 0, 2, type);
}

// Block reads copy the block back even when the exchange failed; the caller checks the result.
bool MS_HT66FB560::hid_8CH_GetFwProfile(uchar profileId, uchar* src128)
{
    Packet p = packet(0x8C, profileId);
    return hid_GetDataCmd(p.data(), src128, kBlockLength);
}

bool MS_HT66FB560::hid_8DH_GetKeyMatrix(uchar profileId, uchar* src128)
{
    Packet p = packet(0x8D, profileId);
    return hid_GetDataCmd(p.data(), src128, kBlockLength);
}

bool MS_HT66FB560::hid_8FH_GetMacroKey(uchar macroId, uchar* src128)
{
    Packet p = packet(0x8F, macroId);
    return hid_GetDataCmd(p.data(), src128, kBlockLength);
}

#include "firmware.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <sstream>

namespace sim {

namespace {

bool validProfile(int p)
{
    return p >= 0 && p < kProfiles;
}

bool validMacro(int id)
{
    return id >= 1 && id <= kMacroSlots;
}

unsigned char checksum(const unsigned char* packet9)
{
    unsigned sum = 0;
    for (int i = 1; i <= 7; ++i)
        sum += packet9[i];
    return (unsigned char)~sum;
}

// Written on a 64-bit word, apart from the device layer's byte-wise version, so the two check
// each other.
void unscramblePacket(unsigned char* bytes8, const std::string& code)
{
    static const char key[] = "PaVkdOrm";
    std::uint64_t word = 0;
    for (int j = 0; j < 8; ++j) {
        const unsigned k = (unsigned char)key[j];
        const unsigned char b = (unsigned char)(bytes8[j] - (((k << 4) | (k >> 4)) & 0xFF));
        word = (word << 8) | b;
    }
    word = (word >> 3) | (word << 61);
    for (int j = 0; j < 8; ++j)
        bytes8[j] = (unsigned char)(word >> (56 - 8 * j));
    for (int i = 1; i <= 6 && size_t(i - 1) < code.size(); ++i)
        bytes8[i] ^= (unsigned char)code[size_t(i - 1)];
    std::swap(bytes8[0], bytes8[5]);
    std::swap(bytes8[1], bytes8[4]);
    std::swap(bytes8[2], bytes8[7]);
    std::swap(bytes8[3], bytes8[6]);
}

} // namespace

Firmware::Firmware()
{
    for (int p = 0; p < kProfiles; ++p) {
        images[size_t(p)] = Bytes(kBlockLength, 0);
        matrices[size_t(p)] = Bytes(kBlockLength, 0);
        rates[size_t(p)] = 1;
        stages[size_t(p)] = 1;
    }
    macros.fill(Bytes(kBlockLength, 0));
}

void Firmware::restart()
{
    input.clear();
    receivingCode = 0;
    incoming.clear();
    reply.fill(0);
}

bool Firmware::onCommand(const unsigned char* report, size_t length)
{
    restart();
    if (length < 9 || report[0] != 0x00) {
        ++rejected;
        return false;
    }
    unsigned char packet[9];
    std::copy(report, report + 9, packet);
    if (!code.empty())
        unscramblePacket(packet + 1, code);
    if (checksum(packet) != packet[8]) {
        ++rejected;
        return false;
    }
    return (packet[1] & 0x80) ? applyRead(packet) : apply(packet);
}

Bytes* Firmware::blockFor(unsigned char command, unsigned char id)
{
    switch (command & 0x7F) {
    case 0x0C:
        return validProfile(id) ? &images[id] : nullptr;
    case 0x0D:
        return validProfile(id) ? &matrices[id] : nullptr;
    case 0x0F:
        return validMacro(id) ? &macros[size_t(id) - 1] : nullptr;
    default:
        return nullptr;
    }
}

bool Firmware::startBlockWrite(const unsigned char* p)
{
    if (!blockFor(p[1], p[2]) || p[3] != kBlockLength) {
        ++rejected;
        return false;
    }
    receivingCode = p[1];
    receivingId = p[2];
    expected = p[3];
    return false;
}

bool Firmware::apply(const unsigned char* p)
{
    const unsigned char id = p[2];
    const unsigned char value = p[3];
    switch (p[1]) {
    case 0x01:
        option = id;
        return true;
    case 0x02:
        if (!validProfile(id))
            break;
        current = id;
        return true;
    case 0x03:
    case 0x04:
        if (!validProfile(id))
            break;
        (p[1] == 0x03 ? rates : stages)[id] = value;
        return true;
    case 0x08:
        if (p[2] != 0xAA || p[3] != 0xCC || p[4] != 0xEE)
            break;
        return false;
    case 0x0C:
    case 0x0D:
    case 0x0F:
        return startBlockWrite(p);
    default:
        break;
    }
    ++rejected;
    return false;
}

bool Firmware::applyRead(const unsigned char* p)
{
    reply[1] = p[1];
    if (!fillAnswer(p)) {
        reply.fill(0);
        ++rejected;
        return false;
    }
    reply[8] = checksum(reply.data());
    return false;
}

bool Firmware::fillAnswer(const unsigned char* p)
{
    const unsigned char id = p[2];
    switch (p[1]) {
    case 0x80:
        reply[2] = (unsigned char)versionMajor;
        reply[3] = (unsigned char)versionMinor;
        return true;
    case 0x81:
        reply[2] = (unsigned char)option;
        return true;
    case 0x82:
        reply[2] = (unsigned char)current;
        return true;
    case 0x83:
    case 0x84:
        if (!validProfile(id))
            return false;
        reply[2] = id;
        reply[3] = (unsigned char)(p[1] == 0x83 ? rates : stages)[id];
        return true;
    case 0x89:
        reply[2] = (unsigned char)lighting;
        return true;
    case 0x8C:
    case 0x8D:
    case 0x8F:
        if (!blockFor(p[1], id))
            return false;
        reply[2] = id;
        queueBlock(*blockFor(p[1], id));
        return true;
    default:
        return false;
    }
}

void Firmware::queueBlock(const Bytes& block)
{
    if (withholdBlocks)
        return;
    for (size_t at = 0; at < block.size(); at += kReportLength)
        input.emplace_back(
            block.begin() + long(at), block.begin() + long(std::min(block.size(), at + kReportLength)));
}

bool Firmware::onOutput(const unsigned char* report, size_t length)
{
    if (!receivingCode || length < 2)
        return false;
    const size_t take = std::min(length - 1, expected - incoming.size());
    incoming.insert(incoming.end(), report + 1, report + 1 + take);
    if (incoming.size() < expected)
        return false;
    *blockFor(receivingCode, receivingId) = incoming;
    receivingCode = 0;
    incoming.clear();
    return true;
}

// Settings unlike the factory's everywhere, so that a test can tell where values came from.
void Firmware::loadSample()
{
    for (size_t p = 0; p < kProfiles; ++p) {
        for (size_t i = 0; i < kBlockLength; ++i)
            images[p][i] = (unsigned char)(3 * i);
        rates[p] = int(p) + 4;
        stages[p] = int(p) + 1;
    }
    current = 3;
    lighting = 1;
}

namespace {
std::string toHex(const Bytes& bytes)
{
    static const char digits[] = "0123456789abcdef";
    std::string text;
    for (unsigned char b : bytes) {
        text += digits[b >> 4];
        text += digits[b & 15];
    }
    return text;
}

// A block of the wrong length or with a stray character is skipped, not half taken.
void fromHex(const std::string& text, Bytes& out)
{
    if (text.size() != size_t(2 * kBlockLength)
        || text.find_first_not_of("0123456789abcdef") != std::string::npos)
        return;
    for (size_t i = 0; i < size_t(kBlockLength); ++i)
        out[i] = (unsigned char)std::stoi(text.substr(2 * i, 2), nullptr, 16);
}
} // namespace

void Firmware::save(std::ostream& out) const
{
    out << "current " << current << "\nlighting " << lighting << '\n';
    for (int p = 0; p < kProfiles; ++p) {
        out << "profile " << p << " image " << toHex(images[size_t(p)]) << '\n';
        out << "profile " << p << " matrix " << toHex(matrices[size_t(p)]) << '\n';
        out << "profile " << p << " rate " << rates[size_t(p)] << '\n';
        out << "profile " << p << " stage " << stages[size_t(p)] << '\n';
    }
    for (int id = 1; id <= kMacroSlots; ++id)
        out << "macro " << id << ' ' << toHex(macros[size_t(id) - 1]) << '\n';
}

// Unknown or damaged lines are skipped; what parses is taken.
void Firmware::load(std::istream& in)
{
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string what, field, hex;
        int index = -1;
        words >> what;
        if (what == "current")
            words >> current;
        else if (what == "lighting")
            words >> lighting;
        else if (what == "macro" && (words >> index >> hex) && validMacro(index))
            fromHex(hex, macros[size_t(index) - 1]);
        else if (what == "profile" && (words >> index >> field) && validProfile(index)) {
            if (field == "image" && (words >> hex))
                fromHex(hex, images[size_t(index)]);
            else if (field == "matrix" && (words >> hex))
                fromHex(hex, matrices[size_t(index)]);
            else if (field == "rate")
                words >> rates[size_t(index)];
            else if (field == "stage")
                words >> stages[size_t(index)];
        }
    }
}

} // namespace sim

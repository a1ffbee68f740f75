#pragma once

#include "simmouse.h"

#include <array>
#include <deque>
#include <iosfwd>

namespace sim {

// The mouse's side of the command protocol. Not thread-safe: the link serialises all calls.
class Firmware {
public:
    Firmware();

    // A 9-byte command feature report (report ID first). Returns true when the command changed
    // stored state.
    bool onCommand(const unsigned char* report, size_t length);
    const std::array<unsigned char, 9>& answer() const { return reply; }
    // A data output report (report ID first). True when it completed a block.
    bool onOutput(const unsigned char* report, size_t length);
    // Input reports queued on the command interface by a block read.
    std::deque<Bytes>& pendingInput() { return input; }

    // Forgets the exchange in progress: a half-received block, the answer, unread data reports.
    void restart();

    std::array<Bytes, kProfiles> images;
    std::array<Bytes, kProfiles> matrices;
    std::array<int, kProfiles> rates {};
    std::array<int, kProfiles> stages {};
    std::array<Bytes, kMacroSlots> macros;
    int current = 0;
    int lighting = 0;
    int option = 0;
    int versionMajor = 1;
    int versionMinor = 5;
    int rejected = 0;
    bool withholdBlocks = false;
    std::string code; // six characters make it unscramble every command; empty turns that off

    void loadSample();
    // The mouse's memory as text lines, so that it can outlive the program (Z4SIM_STATE).
    void save(std::ostream& out) const;
    void load(std::istream& in);

private:
    bool apply(const unsigned char* p);
    bool applyRead(const unsigned char* p);
    bool fillAnswer(const unsigned char* p);
    bool startBlockWrite(const unsigned char* p);
    void queueBlock(const Bytes& block);
    Bytes* blockFor(unsigned char code, unsigned char id);

    std::array<unsigned char, 9> reply {};
    std::deque<Bytes> input;
    unsigned char receivingCode = 0; // block write in progress, 0 for none
    unsigned char receivingId = 0;
    Bytes incoming;
    size_t expected = 0;
};

} // namespace sim

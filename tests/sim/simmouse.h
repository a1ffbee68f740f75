#pragma once

// Control interface of the simulated mouse (README.md): arranging the mouse and inspecting what
// reached it. All calls are thread-safe.

#include <cstdint>
#include <string>
#include <vector>

namespace sim {

using Bytes = std::vector<unsigned char>;

constexpr unsigned short kVendorId = 0x04D9;
constexpr unsigned short kProductId = 0xA269;
constexpr int kProfiles = 6;
constexpr int kMacroSlots = 100; // macro IDs 1 to 100
constexpr int kBlockLength = 128;
constexpr int kReportLength = 64; // payload of one data report

// Which firmware endpoint a HID node leads to.
enum class Role { Command, Vendor, Other };
enum class Dir { ToMouse, FromMouse };
enum class Kind { Feature, Output, Input };
enum class Op { Open, SendFeature, GetFeature, Write, Read };

struct Node {
    std::string path;
    unsigned short vid = kVendorId;
    unsigned short pid = kProductId;
    unsigned short usagePage = 0;
    unsigned short usage = 0;
    Role role = Role::Other;
};

// One report on the wire, as it was sent or delivered (scrambled bytes stay scrambled).
struct Report {
    Dir dir;
    Kind kind;
    Role iface;
    Bytes bytes;
    std::int64_t timeNs; // steady clock, comparable with nowNs()
};

// Enumeration layouts (README.md).
std::vector<Node> standardNodes(); // "sim/hidraw0" command (FF00/FF00), "sim/hidraw1" vendor
std::vector<Node> commandOnlyNodes();
std::vector<Node> twoMiceNodes(); // both mice lead to the same firmware
void setNodes(const std::vector<Node>& nodes);

// Factory firmware, standard nodes, plugged in, no code, empty wire record, no failures armed,
// no queued vendor reports. Handles opened before a reset are dead.
void reset();

// A six-character code makes the mouse unscramble every command; empty turns that off.
void setCode(const std::string& code);

void unplug(); // every open handle fails from now on; enumeration and opening find nothing
void plug();
// Unplugs right after the nth next successful call of op on the given interface.
void unplugAfter(Op op, int nth, Role iface = Role::Command);
// Makes the nth next call of op on the given interface fail (returns -1, or no handle).
// A failed open reports "Permission denied"; a failed read loses the report it would have had.
void failCall(Op op, int nth = 1, Role iface = Role::Command);
// The mouse answers block reads but never sends their data reports (reads time out).
void setWithholdBlocks(bool withhold);

std::vector<Report> wire();
void clearWire();
std::int64_t nowNs();

// Vendor input reports, delivered in order to reads on the vendor interface. A read shorter
// than the report gets its first bytes.
void queueVendorReport(const Bytes& report);

// Firmware state. Out-of-range profiles or macro IDs read as empty and are ignored on write.
Bytes profileImage(int profile);
void setProfileImage(int profile, const Bytes& image);
Bytes keyMatrix(int profile);
void setKeyMatrix(int profile, const Bytes& matrix);
Bytes macro(int macroId);
int reportRate(int profile);
void setReportRate(int profile, int rate);
void setDpiStage(int profile, int stage);
int currentProfile();
void setCurrentProfile(int profile);
void setLightingType(int type);
int rejectedCommands(); // bad checksum, unknown code, bad profile/macro ID or block length

// Handle bookkeeping, per interface.
int openCount(Role iface); // successful opens since reset
int openHandles(Role iface); // handles open right now
int peakOpenHandles(Role iface); // most handles open at the same time since reset
// Calls sharing hidapi's global error text (init, enumerate, open by path, hid_error without a
// handle) that overlapped another such call since reset.
int globalErrorOverlaps();

} // namespace sim

#pragma once

#include "firmware.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

namespace sim {

// Everything between the hidapi calls and the firmware: the nodes, the plug, the handles, the
// wire record and the armed failures. One lock guards it all; readers wait on `changed`.
struct Link {
    static Link& instance();

    std::mutex mutex;
    std::condition_variable changed;

    Firmware firmware;
    std::vector<Node> nodes;
    bool isPlugged = true;
    bool denyOpens = false; // Z4SIM_DENY: a mouse without the udev rule
    unsigned generation = 1; // bumped by every unplug and reset; older handles are dead
    unsigned epoch = 1; // bumped by every reset; older handles are not counted
    std::deque<Bytes> vendorQueue;
    std::vector<Report> record;

    struct Armed {
        Op op;
        Role role;
        int countdown;
    };
    std::vector<Armed> failures;
    std::vector<Armed> unplugs;

    int opens[3] = {}; // these three indexed by int(Role)
    int handles[3] = {};
    int peaks[3] = {};
    std::atomic<int> globalErrorOverlaps { 0 };

    std::string wireLogFile; // Z4SIM_WIRELOG
    std::string stateFile; // Z4SIM_STATE

    // Rewrites the state file after a command or block changed what the mouse stores.
    void firmwareChanged();
    // Takes what the state file holds: another process sharing it may have changed the mouse.
    void loadState();
    void watchControl(const std::string& file); // Z4SIM_CONTROL's orders, even when idle

    // All below expect the lock to be held.
    void note(const std::string& what); // a wire log line: a plug change, a fault
    void resetLocked();
    bool takeFailure(Op op, Role role);
    void completed(Op op, Role role);
    void log(Dir dir, Kind kind, Role role, const unsigned char* bytes, size_t length);
    void unplugLocked();
    const Node* nodeAt(const std::string& path) const;

private:
    Link();
};

} // namespace sim

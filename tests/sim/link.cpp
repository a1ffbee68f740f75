#include "link.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <thread>

namespace sim {

namespace {

const char* environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

} // namespace

Link& Link::instance()
{
    // Never destroyed: a listener thread may still be reading while the process exits.
    static Link* link = new Link;
    return *link;
}

Link::Link()
{
    resetLocked();
    // Settings of the preloaded library (README.md).
    isPlugged = std::string(environment("Z4SIM_PLUGGED")) != "0";
    denyOpens = std::string(environment("Z4SIM_DENY")) == "1";
    wireLogFile = environment("Z4SIM_WIRELOG");
    if (std::string(environment("Z4SIM_SAMPLE")) == "1")
        firmware.loadSample();
    stateFile = environment("Z4SIM_STATE");
    loadState();
    if (*environment("Z4SIM_CONTROL"))
        std::thread(&Link::watchControl, this, std::string(environment("Z4SIM_CONTROL"))).detach();
}

void Link::loadState()
{
    std::ifstream state(stateFile);
    if (!stateFile.empty() && state)
        firmware.load(state);
}

void Link::watchControl(const std::string& file)
{
    for (std::string command;; std::this_thread::sleep_for(std::chrono::milliseconds(50))) {
        std::ifstream control(file);
        std::lock_guard<std::mutex> lock(mutex);
        for (int nth = 0; control >> command;) {
            if (command == "unplug")
                unplugLocked();
            else if (command == "plug")
                isPlugged = true, note("plug");
            else if (command == "unplug-after-write" && control >> nth)
                unplugs.push_back({ Op::Write, Role::Command, nth });
        }
        if (control.is_open())
            std::remove(file.c_str());
    }
}

void Link::note(const std::string& what)
{
    if (!wireLogFile.empty())
        std::ofstream(wireLogFile, std::ios::app) << nowNs() / 1000 << " sim " << what << '\n';
}

void Link::resetLocked()
{
    firmware = Firmware();
    nodes = standardNodes();
    isPlugged = true;
    ++generation;
    ++epoch;
    vendorQueue.clear();
    record.clear();
    failures.clear();
    unplugs.clear();
    for (int i = 0; i < 3; ++i)
        opens[i] = handles[i] = peaks[i] = 0;
    globalErrorOverlaps = 0;
    changed.notify_all();
}

bool Link::takeFailure(Op op, Role role)
{
    for (auto it = failures.begin(); it != failures.end(); ++it) {
        if (it->op == op && it->role == role && --it->countdown <= 0) {
            failures.erase(it);
            return true;
        }
    }
    return false;
}

void Link::completed(Op op, Role role)
{
    for (auto it = unplugs.begin(); it != unplugs.end(); ++it) {
        if (it->op == op && it->role == role && --it->countdown <= 0) {
            unplugs.erase(it);
            unplugLocked();
            return;
        }
    }
}

void Link::firmwareChanged()
{
    if (stateFile.empty())
        return;
    const std::string temporary = stateFile + ".tmp";
    {
        std::ofstream out(temporary, std::ios::trunc);
        firmware.save(out);
        if (!out)
            return;
    }
    std::rename(temporary.c_str(), stateFile.c_str());
}

void Link::log(Dir dir, Kind kind, Role role, const unsigned char* bytes, size_t length)
{
    record.push_back({ dir, kind, role, Bytes(bytes, bytes + length), nowNs() });
    if (wireLogFile.empty())
        return;
    std::ofstream out(wireLogFile, std::ios::app);
    out << nowNs() / 1000 << (dir == Dir::ToMouse ? " out " : " in ")
        << (role == Role::Command         ? "command "
                   : role == Role::Vendor ? "vendor "
                                          : "other ")
        << (kind == Kind::Feature         ? "feature "
                   : kind == Kind::Output ? "output "
                                          : "input ");
    char hex[3];
    for (size_t i = 0; i < length; ++i) {
        std::snprintf(hex, sizeof hex, "%02x", bytes[i]);
        out << hex;
    }
    out << '\n';
}

void Link::unplugLocked()
{
    isPlugged = false;
    note("unplug");
    ++generation;
    vendorQueue.clear();
    // The firmware restarts: a half-received block and unread data reports are gone.
    firmware.restart();
    changed.notify_all();
}

const Node* Link::nodeAt(const std::string& path) const
{
    for (const Node& node : nodes) {
        if (node.path == path)
            return &node;
    }
    return nullptr;
}

std::int64_t nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace sim

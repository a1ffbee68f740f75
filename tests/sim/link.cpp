#include "link.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace sim {

namespace {

std::vector<Node> layoutNamed(const std::string& name)
{
    if (name == "command-only")
        return commandOnlyNodes();
    if (name == "two-mice")
        return twoMiceNodes();
    if (name == "none")
        return {};
    return standardNodes();
}

const char* text(Dir dir)
{
    return dir == Dir::ToMouse ? "out" : "in";
}

const char* text(Kind kind)
{
    return kind == Kind::Feature ? "feature" : kind == Kind::Output ? "output" : "input";
}

const char* text(Role role)
{
    return role == Role::Command ? "command" : role == Role::Vendor ? "vendor" : "other";
}

bool decodeHex(const std::string& hex, Bytes& out)
{
    if (hex.empty() || hex.size() % 2)
        return false;
    out.clear();
    for (size_t i = 0; i < hex.size(); i += 2) {
        char* end = nullptr;
        const std::string pair = hex.substr(i, 2);
        const long value = std::strtol(pair.c_str(), &end, 16);
        if (*end)
            return false;
        out.push_back((unsigned char)value);
    }
    return true;
}

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
    configureFromEnvironment();
}

void Link::configureFromEnvironment()
{
    if (*environment("Z4SIM_LAYOUT"))
        nodes = layoutNamed(environment("Z4SIM_LAYOUT"));
    code = environment("Z4SIM_CODE");
    firmware.setCode(code);
    isPlugged = std::string(environment("Z4SIM_PLUGGED")) != "0";
    stateFile = environment("Z4SIM_STATE");
    wireLogFile = environment("Z4SIM_WIRELOG");
    controlFile = environment("Z4SIM_CONTROL");
    if (!stateFile.empty()) {
        std::ifstream in(stateFile);
        if (in)
            firmware.load(in);
    }
}

void Link::resetLocked()
{
    firmware = Firmware();
    firmware.setCode({});
    code.clear();
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

void Link::log(Dir dir, Kind kind, Role role, const unsigned char* bytes, size_t length)
{
    record.push_back({ dir, kind, role, Bytes(bytes, bytes + length), nowNs() });
    if (wireLogFile.empty())
        return;
    std::ofstream out(wireLogFile, std::ios::app);
    out << nowNs() / 1000 << ' ' << text(dir) << ' ' << text(role) << ' ' << text(kind) << ' ';
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
    ++generation;
    vendorQueue.clear();
    // The firmware restarts: a half-received block and unread data reports are gone.
    firmware.restart();
    changed.notify_all();
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

// Lines "plugged 0|1", "layout NAME" and "vendor HEX"; each vendor line is queued once.
void Link::readControlFile()
{
    if (controlFile.empty())
        return;
    std::ifstream in(controlFile);
    std::string line;
    size_t vendorLines = 0;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string what;
        std::string value;
        words >> what >> value;
        Bytes report;
        if (what == "plugged" && value == "0" && isPlugged)
            unplugLocked();
        else if (what == "plugged" && value == "1")
            isPlugged = true;
        else if (what == "layout")
            nodes = layoutNamed(value);
        else if (what == "vendor" && ++vendorLines > controlVendorLines && decodeHex(value, report))
            vendorQueue.push_back(report);
    }
    controlVendorLines = std::max(controlVendorLines, vendorLines);
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

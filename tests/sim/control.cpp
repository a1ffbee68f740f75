// The control interface of simmouse.h over the link.
#include "link.h"

namespace sim {

namespace {

std::unique_lock<std::mutex> locked()
{
    return std::unique_lock<std::mutex>(Link::instance().mutex);
}

Link& link()
{
    return Link::instance();
}

bool validProfile(int p)
{
    return p >= 0 && p < kProfiles;
}

Bytes sized(const Bytes& block)
{
    Bytes out(block.begin(), block.begin() + long(std::min<size_t>(block.size(), kBlockLength)));
    out.resize(kBlockLength, 0);
    return out;
}

Node node(const char* path, unsigned short page, unsigned short usage, Role role)
{
    Node n;
    n.path = path;
    n.usagePage = page;
    n.usage = usage;
    n.role = role;
    return n;
}

} // namespace

std::vector<Node> standardNodes()
{
    return { node("sim/hidraw0", 0xFF00, 0xFF00, Role::Command),
        node("sim/hidraw1", 0xFF01, 0x0001, Role::Vendor) };
}

std::vector<Node> commandOnlyNodes()
{
    return { standardNodes().front() };
}

std::vector<Node> twoMiceNodes()
{
    std::vector<Node> nodes = standardNodes();
    nodes.push_back(node("sim/hidraw2", 0xFF00, 0xFF00, Role::Command));
    nodes.push_back(node("sim/hidraw3", 0xFF01, 0x0001, Role::Vendor));
    return nodes;
}

void setNodes(const std::vector<Node>& nodes)
{
    auto lock = locked();
    link().nodes = nodes;
}

void reset()
{
    auto lock = locked();
    link().resetLocked();
}

void setCode(const std::string& code)
{
    auto lock = locked();
    link().firmware.code = code;
}

void unplug()
{
    auto lock = locked();
    link().unplugLocked();
}

void plug()
{
    auto lock = locked();
    link().isPlugged = true;
}

void unplugAfter(Op op, int nth, Role iface)
{
    auto lock = locked();
    link().unplugs.push_back({ op, iface, nth });
}

void failCall(Op op, int nth, Role iface)
{
    auto lock = locked();
    link().failures.push_back({ op, iface, nth });
}

void setWithholdBlocks(bool withhold)
{
    auto lock = locked();
    link().firmware.withholdBlocks = withhold;
}

std::vector<Report> wire()
{
    auto lock = locked();
    return link().record;
}

void clearWire()
{
    auto lock = locked();
    link().record.clear();
}

void queueVendorReport(const Bytes& report)
{
    auto lock = locked();
    link().vendorQueue.push_back(report);
    link().changed.notify_all();
}

Bytes keyMatrix(int profile)
{
    auto lock = locked();
    return validProfile(profile) ? link().firmware.matrices[size_t(profile)] : Bytes();
}

int currentProfile()
{
    auto lock = locked();
    return link().firmware.current;
}

Bytes profileImage(int profile)
{
    auto lock = locked();
    return validProfile(profile) ? link().firmware.images[size_t(profile)] : Bytes();
}

void setProfileImage(int profile, const Bytes& image)
{
    auto lock = locked();
    if (validProfile(profile))
        link().firmware.images[size_t(profile)] = sized(image);
}

void setKeyMatrix(int profile, const Bytes& matrix)
{
    auto lock = locked();
    if (validProfile(profile))
        link().firmware.matrices[size_t(profile)] = sized(matrix);
}

Bytes macro(int macroId)
{
    auto lock = locked();
    return macroId >= 1 && macroId <= kMacroSlots ? link().firmware.macros[size_t(macroId) - 1] : Bytes();
}

int reportRate(int profile)
{
    auto lock = locked();
    return validProfile(profile) ? link().firmware.rates[size_t(profile)] : 0;
}

void setReportRate(int profile, int rate)
{
    auto lock = locked();
    if (validProfile(profile))
        link().firmware.rates[size_t(profile)] = rate;
}

void setDpiStage(int profile, int stage)
{
    auto lock = locked();
    if (validProfile(profile))
        link().firmware.stages[size_t(profile)] = stage;
}

void setCurrentProfile(int profile)
{
    auto lock = locked();
    if (validProfile(profile))
        link().firmware.current = profile;
}

void setLightingType(int type)
{
    auto lock = locked();
    link().firmware.lighting = type;
}

int rejectedCommands()
{
    auto lock = locked();
    return link().firmware.rejected;
}

int openCount(Role iface)
{
    auto lock = locked();
    return link().opens[int(iface)];
}

int openHandles(Role iface)
{
    auto lock = locked();
    return link().handles[int(iface)];
}

int globalErrorOverlaps()
{
    return link().globalErrorOverlaps;
}

int peakOpenHandles(Role iface)
{
    auto lock = locked();
    return link().peaks[int(iface)];
}

} // namespace sim

// hidapi's C interface over the simulated link. Semantics follow the hidraw backend: paths are
// opened one interface at a time, reads return the report without a report ID, a read shorter
// than the report gets its first bytes.
#include "link.h"

#include <hidapi.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <thread>

using sim::Link;
using sim::Role;

struct hid_device_ {
    Role role = Role::Other;
    unsigned generation = 0;
    unsigned epoch = 0;
};

namespace {

wchar_t* copyWide(const wchar_t* text)
{
    const size_t length = std::wcslen(text);
    auto* copy = static_cast<wchar_t*>(std::calloc(length + 1, sizeof(wchar_t)));
    std::wmemcpy(copy, text, length);
    return copy;
}

// As in hidapi: one process-wide error text for calls without a handle, freed and replaced by
// hid_init(), hid_enumerate() and hid_open_path() and read by hid_error(nullptr). It is left
// unguarded on purpose, so callers that do not take turns race under the thread sanitizer;
// ordinary builds count the overlapping calls instead.
wchar_t* lastGlobalError = nullptr;
std::atomic<int> globalErrorUsers { 0 };

class GlobalErrorUse {
public:
    GlobalErrorUse()
    {
        if (globalErrorUsers.fetch_add(1) > 0)
            ++Link::instance().globalErrorOverlaps;
    }
    ~GlobalErrorUse() { globalErrorUsers.fetch_sub(1); }
};

void registerGlobalError(const wchar_t* text)
{
    std::free(lastGlobalError);
    lastGlobalError = text ? copyWide(text) : nullptr;
}

hid_device_info* infoFor(const sim::Node& node)
{
    auto* info = static_cast<hid_device_info*>(std::calloc(1, sizeof(hid_device_info)));
    info->path = strdup(node.path.c_str());
    info->vendor_id = node.vid;
    info->product_id = node.pid;
    info->usage_page = node.usagePage;
    info->usage = node.usage;
    return info;
}

bool dead(const Link& link, const hid_device* dev)
{
    return !link.isPlugged || dev->generation != link.generation;
}

// The common checks of every call on an open handle.
bool usable(Link& link, hid_device* dev, sim::Op op)
{
    return !dead(link, dev) && !link.takeFailure(op, dev->role);
}

std::deque<sim::Bytes>* inputQueue(Link& link, Role role)
{
    if (role == Role::Command)
        return &link.firmware.pendingInput();
    if (role == Role::Vendor)
        return &link.vendorQueue;
    return nullptr;
}

int copyOut(const unsigned char* from, size_t available, unsigned char* to, size_t length)
{
    const size_t n = std::min(available, length);
    std::memcpy(to, from, n);
    return int(n);
}

// Opens under the link's lock; the global error text is left to the caller.
hid_device* openLocked(const char* path, const wchar_t*& failure)
{
    Link& link = Link::instance();
    std::lock_guard<std::mutex> lock(link.mutex);
    const sim::Node* node = path ? link.nodeAt(path) : nullptr;
    if (!node || !link.isPlugged) {
        failure = L"No such file or directory";
        return nullptr;
    }
    if (link.denyOpens || link.takeFailure(sim::Op::Open, node->role)) {
        failure = L"Permission denied";
        return nullptr;
    }
    // Processes sharing a state file share one mouse: each exchange starts from what it holds.
    if (node->role == sim::Role::Command)
        link.loadState();
    auto* dev = new hid_device_;
    dev->role = node->role;
    dev->generation = link.generation;
    dev->epoch = link.epoch;
    const int slot = int(node->role);
    ++link.opens[slot];
    link.peaks[slot] = std::max(link.peaks[slot], ++link.handles[slot]);
    link.completed(sim::Op::Open, node->role);
    return dev;
}

} // namespace

extern "C" {

int HID_API_EXPORT hid_init(void)
{
    GlobalErrorUse use;
    registerGlobalError(nullptr);
    return 0;
}

int HID_API_EXPORT hid_exit(void)
{
    return hid_init();
}

hid_device_info HID_API_EXPORT* hid_enumerate(unsigned short vendor_id, unsigned short product_id)
{
    GlobalErrorUse use;
    registerGlobalError(nullptr);
    // A real enumeration walks the system's device list, which takes a moment.
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    Link& link = Link::instance();
    std::lock_guard<std::mutex> lock(link.mutex);
    if (!link.isPlugged)
        return nullptr;
    hid_device_info* head = nullptr;
    hid_device_info** tail = &head;
    for (const sim::Node& node : link.nodes) {
        if ((vendor_id && node.vid != vendor_id) || (product_id && node.pid != product_id))
            continue;
        *tail = infoFor(node);
        tail = &(*tail)->next;
    }
    return head;
}

void HID_API_EXPORT hid_free_enumeration(hid_device_info* devs)
{
    while (devs) {
        hid_device_info* next = devs->next;
        std::free(devs->path);
        std::free(devs);
        devs = next;
    }
}

hid_device* HID_API_EXPORT hid_open_path(const char* path)
{
    GlobalErrorUse use;
    const wchar_t* failure = nullptr;
    hid_device* dev = openLocked(path, failure);
    registerGlobalError(failure);
    return dev;
}

void HID_API_EXPORT hid_close(hid_device* dev)
{
    if (!dev)
        return;
    {
        Link& link = Link::instance();
        std::lock_guard<std::mutex> lock(link.mutex);
        if (dev->epoch == link.epoch)
            --link.handles[int(dev->role)];
    }
    delete dev;
}

int HID_API_EXPORT hid_set_nonblocking(hid_device* dev, int nonblock)
{
    Link& link = Link::instance();
    std::lock_guard<std::mutex> lock(link.mutex);
    if (dead(link, dev))
        return -1;
    // Reads honour their own timeout only; the device layer never asks for non-blocking reads.
    return nonblock ? -1 : 0;
}

int HID_API_EXPORT hid_send_feature_report(hid_device* dev, const unsigned char* data, size_t length)
{
    Link& link = Link::instance();
    std::lock_guard<std::mutex> lock(link.mutex);
    if (!usable(link, dev, sim::Op::SendFeature) || dev->role != Role::Command)
        return -1;
    link.log(sim::Dir::ToMouse, sim::Kind::Feature, dev->role, data, length);
    const int rejected = link.firmware.rejected;
    if (link.firmware.onCommand(data, length))
        link.firmwareChanged();
    if (link.firmware.rejected != rejected)
        link.note("fault rejected command"); // bad checksum, unknown code, id out of range
    link.completed(sim::Op::SendFeature, dev->role);
    return int(length);
}

int HID_API_EXPORT hid_get_feature_report(hid_device* dev, unsigned char* data, size_t length)
{
    Link& link = Link::instance();
    std::lock_guard<std::mutex> lock(link.mutex);
    if (!usable(link, dev, sim::Op::GetFeature) || dev->role != Role::Command)
        return -1;
    const auto& answer = link.firmware.answer();
    const int n = copyOut(answer.data(), answer.size(), data, length);
    link.log(sim::Dir::FromMouse, sim::Kind::Feature, dev->role, data, size_t(n));
    link.completed(sim::Op::GetFeature, dev->role);
    return n;
}

int HID_API_EXPORT hid_write(hid_device* dev, const unsigned char* data, size_t length)
{
    Link& link = Link::instance();
    std::lock_guard<std::mutex> lock(link.mutex);
    if (!usable(link, dev, sim::Op::Write))
        return -1;
    link.log(sim::Dir::ToMouse, sim::Kind::Output, dev->role, data, length);
    if (dev->role == Role::Command)
        if (link.firmware.onOutput(data, length))
            link.firmwareChanged();
    link.completed(sim::Op::Write, dev->role);
    return int(length);
}

int HID_API_EXPORT hid_read_timeout(hid_device* dev, unsigned char* data, size_t length, int milliseconds)
{
    Link& link = Link::instance();
    std::unique_lock<std::mutex> lock(link.mutex);
    std::deque<sim::Bytes>* queue = inputQueue(link, dev->role);
    if (!usable(link, dev, sim::Op::Read)) {
        // A failed read loses the report it would have delivered.
        if (queue && !queue->empty() && !dead(link, dev))
            queue->pop_front();
        return -1;
    }
    auto ready = [&] { return dead(link, dev) || (queue && !queue->empty()); };
    if (milliseconds < 0)
        link.changed.wait(lock, ready);
    else
        link.changed.wait_for(lock, std::chrono::milliseconds(milliseconds), ready);
    if (dead(link, dev))
        return -1;
    if (!queue || queue->empty())
        return 0;
    const sim::Bytes report = queue->front();
    queue->pop_front();
    const int n = copyOut(report.data(), report.size(), data, length);
    link.log(sim::Dir::FromMouse, sim::Kind::Input, dev->role, data, size_t(n));
    link.completed(sim::Op::Read, dev->role);
    return n;
}

const wchar_t HID_API_EXPORT* hid_error(hid_device* dev)
{
    if (!dev) {
        GlobalErrorUse use;
        return lastGlobalError ? lastGlobalError : L"Success";
    }
    return L"Success"; // the device layer reads only the error of a failed open
}

} // extern "C"

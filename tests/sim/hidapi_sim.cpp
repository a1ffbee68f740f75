// hidapi's C interface over the simulated link. Semantics follow the hidraw backend: paths are
// opened one interface at a time, reads return the report without a report ID, a read shorter
// than the report gets its first bytes.
#include "link.h"

#include <hidapi.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <cwchar>

using sim::Link;
using sim::Role;

struct hid_device_ {
    Role role = Role::Other;
    unsigned generation = 0;
    unsigned epoch = 0;
    bool nonblocking = false;
    std::wstring error;
    hid_device_info* info = nullptr;
};

namespace {

thread_local std::wstring openError = L"Success";

wchar_t* copyWide(const wchar_t* text)
{
    const size_t length = std::wcslen(text);
    auto* copy = static_cast<wchar_t*>(std::calloc(length + 1, sizeof(wchar_t)));
    std::wmemcpy(copy, text, length);
    return copy;
}

char* copyText(const std::string& text)
{
    auto* copy = static_cast<char*>(std::calloc(text.size() + 1, 1));
    std::memcpy(copy, text.c_str(), text.size());
    return copy;
}

hid_device_info* infoFor(const sim::Node& node)
{
    auto* info = static_cast<hid_device_info*>(std::calloc(1, sizeof(hid_device_info)));
    info->path = copyText(node.path);
    info->vendor_id = node.vid;
    info->product_id = node.pid;
    info->serial_number = copyWide(L"");
    info->release_number = 0x0100;
    info->manufacturer_string = copyWide(L"Simulation");
    info->product_string = copyWide(L"Simulated mouse");
    info->usage_page = node.usagePage;
    info->usage = node.usage;
    info->interface_number = node.interfaceNumber;
    info->bus_type = HID_API_BUS_USB;
    return info;
}

bool dead(const Link& link, const hid_device* dev)
{
    return !link.isPlugged || dev->generation != link.generation;
}

// The common checks of every call on an open handle; false with the handle's error set.
bool usable(Link& link, hid_device* dev, sim::Op op)
{
    if (dead(link, dev)) {
        dev->error = L"No such device";
        return false;
    }
    if (link.takeFailure(op, dev->role)) {
        dev->error = L"Input/output error";
        return false;
    }
    return true;
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

} // namespace

extern "C" {

int HID_API_EXPORT hid_init(void)
{
    return 0;
}

int HID_API_EXPORT hid_exit(void)
{
    return 0;
}

hid_device_info HID_API_EXPORT* hid_enumerate(unsigned short vendor_id, unsigned short product_id)
{
    Link& link = Link::instance();
    std::lock_guard<std::mutex> lock(link.mutex);
    link.readControlFile();
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
        std::free(devs->serial_number);
        std::free(devs->manufacturer_string);
        std::free(devs->product_string);
        std::free(devs);
        devs = next;
    }
}

hid_device* HID_API_EXPORT hid_open_path(const char* path)
{
    Link& link = Link::instance();
    std::lock_guard<std::mutex> lock(link.mutex);
    link.readControlFile();
    const sim::Node* node = path ? link.nodeAt(path) : nullptr;
    if (!node || !link.isPlugged) {
        openError = L"No such file or directory";
        return nullptr;
    }
    if (link.takeFailure(sim::Op::Open, node->role)) {
        openError = L"Permission denied";
        return nullptr;
    }
    auto* dev = new hid_device_;
    dev->role = node->role;
    dev->generation = link.generation;
    dev->epoch = link.epoch;
    dev->info = infoFor(*node);
    const int slot = sim::slot(node->role);
    ++link.opens[slot];
    link.peaks[slot] = std::max(link.peaks[slot], ++link.handles[slot]);
    openError = L"Success";
    link.completed(sim::Op::Open, node->role);
    return dev;
}

hid_device* HID_API_EXPORT hid_open(unsigned short vendor_id, unsigned short product_id, const wchar_t*)
{
    std::string path;
    {
        Link& link = Link::instance();
        std::lock_guard<std::mutex> lock(link.mutex);
        for (const sim::Node& node : link.nodes) {
            if (node.vid == vendor_id && node.pid == product_id) {
                path = node.path;
                break;
            }
        }
    }
    return hid_open_path(path.c_str());
}

void HID_API_EXPORT hid_close(hid_device* dev)
{
    if (!dev)
        return;
    {
        Link& link = Link::instance();
        std::lock_guard<std::mutex> lock(link.mutex);
        if (dev->epoch == link.epoch)
            --link.handles[sim::slot(dev->role)];
    }
    hid_free_enumeration(dev->info);
    delete dev;
}

int HID_API_EXPORT hid_set_nonblocking(hid_device* dev, int nonblock)
{
    Link& link = Link::instance();
    std::lock_guard<std::mutex> lock(link.mutex);
    if (dead(link, dev))
        return -1;
    dev->nonblocking = nonblock != 0;
    return 0;
}

int HID_API_EXPORT hid_send_feature_report(hid_device* dev, const unsigned char* data, size_t length)
{
    Link& link = Link::instance();
    std::lock_guard<std::mutex> lock(link.mutex);
    if (!usable(link, dev, sim::Op::SendFeature) || dev->role != Role::Command)
        return -1;
    link.log(sim::Dir::ToMouse, sim::Kind::Feature, dev->role, data, length);
    if (link.firmware.onCommand(data, length))
        link.firmwareChanged();
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

int HID_API_EXPORT hid_get_input_report(hid_device*, unsigned char*, size_t)
{
    return -1;
}

int HID_API_EXPORT hid_write(hid_device* dev, const unsigned char* data, size_t length)
{
    Link& link = Link::instance();
    std::lock_guard<std::mutex> lock(link.mutex);
    if (!usable(link, dev, sim::Op::Write))
        return -1;
    link.log(sim::Dir::ToMouse, sim::Kind::Output, dev->role, data, length);
    if (dev->role == Role::Command && link.firmware.onOutput(data, length))
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
    if (dev->nonblocking)
        milliseconds = 0;
    if (milliseconds < 0)
        link.changed.wait(lock, ready);
    else
        link.changed.wait_for(lock, std::chrono::milliseconds(milliseconds), ready);
    if (dead(link, dev)) {
        dev->error = L"No such device";
        return -1;
    }
    if (!queue || queue->empty())
        return 0;
    const sim::Bytes report = queue->front();
    queue->pop_front();
    const int n = copyOut(report.data(), report.size(), data, length);
    link.log(sim::Dir::FromMouse, sim::Kind::Input, dev->role, data, size_t(n));
    link.completed(sim::Op::Read, dev->role);
    return n;
}

int HID_API_EXPORT hid_read(hid_device* dev, unsigned char* data, size_t length)
{
    return hid_read_timeout(dev, data, length, -1);
}

int HID_API_EXPORT_CALL hid_get_manufacturer_string(hid_device*, wchar_t* string, size_t maxlen)
{
    std::wcsncpy(string, L"Simulation", maxlen);
    return 0;
}

int HID_API_EXPORT_CALL hid_get_product_string(hid_device*, wchar_t* string, size_t maxlen)
{
    std::wcsncpy(string, L"Simulated mouse", maxlen);
    return 0;
}

int HID_API_EXPORT_CALL hid_get_serial_number_string(hid_device*, wchar_t* string, size_t maxlen)
{
    std::wcsncpy(string, L"", maxlen);
    return 0;
}

int HID_API_EXPORT_CALL hid_get_indexed_string(hid_device*, int, wchar_t*, size_t)
{
    return -1;
}

hid_device_info HID_API_EXPORT* hid_get_device_info(hid_device* dev)
{
    return dev ? dev->info : nullptr;
}

const wchar_t HID_API_EXPORT* hid_error(hid_device* dev)
{
    if (!dev)
        return openError.c_str();
    return dev->error.empty() ? L"Success" : dev->error.c_str();
}

const hid_api_version HID_API_EXPORT* hid_version(void)
{
    static const hid_api_version version
        = { HID_API_VERSION_MAJOR, HID_API_VERSION_MINOR, HID_API_VERSION_PATCH };
    return &version;
}

const char HID_API_EXPORT* hid_version_str(void)
{
    return HID_API_VERSION_STR;
}

} // extern "C"

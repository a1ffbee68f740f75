#include "device/ms_ht66fb560.h"

#include "device/hidopen.h"
#include "device/master.h"
#include "device/slave.h"

#include <algorithm>

namespace {

constexpr int kVendorReportLength = 4;

UsbDevice deviceFor(int index, const DevInfo& entry)
{
    UsbDevice device;
    device.deviceIndex = index;
    device.productName = entry.productName;
    device.reportLength = int(entry.reportLength);
    device.scrambleOn = !entry.sCode.isEmpty();
    // Codes of any other length leave the code bytes at zero.
    if (entry.sCode.size() == 6) {
        for (int k = 0; k < 6; ++k)
            device.codeBytes[size_t(k) + 1] = uchar(entry.sCode.at(k).toLatin1());
    }
    return device;
}

bool matches(const hid_device_info* node, quint16 usagePage, quint16 usage)
{
    return node->usage_page == usagePage && node->usage == usage;
}

} // namespace

MS_HT66FB560::MS_HT66FB560()
    : m_master(new Master)
    , m_slave(new Slave)
{
    connect(m_slave, &Slave::onVendor, this, &MS_HT66FB560::onVendor);
}

MS_HT66FB560::~MS_HT66FB560()
{
    m_slave->stopListening();
    // Both threads have ended (the master never starts), so they can go now rather than
    // through deleteLater(), which would never run once the event loop has returned.
    delete m_slave;
    delete m_master;
}

bool MS_HT66FB560::findDevice(int index, const DevInfo& entry)
{
    UsbDevice device = deviceFor(index, entry);
    m_master->blocked = entry.sCode == kBlockedCode;
    QString commandCandidate;
    QString vendorCandidate;
    bool found = false;
    hid_device_info* nodes = enumerateHid(entry.vid, entry.pid);
    for (const hid_device_info* node = nodes; node; node = node->next) {
        const QString path = QString::fromLocal8Bit(node->path ? node->path : "");
        if (matches(node, entry.usagePage, entry.usage))
            commandCandidate = path;
        if (matches(node, entry.usagePage2, entry.usage2))
            vendorCandidate = path;
        if (!commandCandidate.isEmpty() && !vendorCandidate.isEmpty()) {
            device.commandPath = commandCandidate;
            device.vendorPath = vendorCandidate;
            found = true;
        }
    }
    hid_free_enumeration(nodes);
    openDevice(device);
    return found;
}

QList<FoundMouse> MS_HT66FB560::listMice(const DevInfo& entry)
{
    QList<FoundMouse> found;
    hid_device_info* nodes = enumerateHid(entry.vid, entry.pid);
    for (const hid_device_info* node = nodes; node; node = node->next) {
        if (!matches(node, entry.usagePage, entry.usage))
            continue;
        const QString product
            = node->product_string ? QString::fromWCharArray(node->product_string) : QString();
        found.append({ QString::fromLocal8Bit(node->path ? node->path : ""), node->vendor_id,
            node->product_id, entry.productName.isEmpty() ? product : entry.productName });
    }
    hid_free_enumeration(nodes);
    return found;
}

void MS_HT66FB560::openDevice(const UsbDevice& device)
{
    task.device = device;
    task.featureLength = kPacketLength;
    task.dataLength = 0;
    task.commandDelay = kCommandDelayMs;
    task.chunkDelay = kChunkDelayMs;
    hid_01H_SetFunctionOption(kSetupOption);
    if (listenVendor)
        m_slave->startListening(device, kVendorReportLength);
}

bool MS_HT66FB560::detect(const QList<DevInfo>& catalogue)
{
    if (catalogue.size() <= kDetectedEntry) {
        m_master->blocked = false;
        openDevice(UsbDevice {});
        return false;
    }
    return findDevice(kDetectedEntry, catalogue.at(kDetectedEntry));
}

QString MS_HT66FB560::openFailure() const
{
    return m_master->openFailure;
}

void MS_HT66FB560::onVendor(QList<uchar> vCmd)
{
    // The reports carry nothing this program acts on.
    Q_UNUSED(vCmd);
}

void MS_HT66FB560::hid_Cs(uchar* src9)
{
    if (!src9)
        return;
    uchar sum = 0;
    for (int i = 1; i <= 7; ++i)
        sum = uchar(sum + src9[i]);
    src9[8] = uchar(~sum);
}

// Loads the packet and the outgoing data into the current task; false when the buffers
// cannot describe an exchange, in which case nothing is sent.
bool MS_HT66FB560::prepare(uchar* src9, const uchar* data, int length)
{
    if (!src9 || length < 0 || length > kMaxDataLength || (length > 0 && !data))
        return false;
    hid_Cs(src9);
    std::copy_n(src9, kPacketLength, task.command.begin());
    std::copy_n(data, length, task.data.begin());
    task.dataLength = length;
    return true;
}

bool MS_HT66FB560::hid_SetCmd(uchar* src9)
{
    return hid_SetDataCmd(src9, nullptr, 0);
}

bool MS_HT66FB560::hid_SetDataCmd(uchar* src9, uchar* data, int length)
{
    if (!prepare(src9, data, length))
        return false;
    // A copy, so scrambling never alters the stored command.
    UsbTask exchange = task;
    return m_master->transfer(exchange);
}

bool MS_HT66FB560::hid_GetCmd(uchar* src9)
{
    return hid_GetDataCmd(src9, nullptr, 0);
}

bool MS_HT66FB560::hid_GetDataCmd(uchar* src9, uchar* data, int length)
{
    if (!prepare(src9, data, length))
        return false;
    task.reply.fill(0);
    const bool ok = m_master->transfer(task);
    std::copy(task.reply.begin(), task.reply.end(), src9);
    std::copy_n(task.data.begin(), length, data);
    return ok;
}

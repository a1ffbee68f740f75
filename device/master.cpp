#include "device/master.h"

#include "device/exchangelock.h"
#include "device/hidopen.h"
#include "device/scramble.h"

#include <QDebug>

#include <algorithm>
#include <vector>

namespace {

bool isReadingCommand(uchar code)
{
    return code & 0x80;
}

// A dry run sends nothing, so it needs no report length (none is known without a mouse).
bool fitsBuffers(const UsbTask& task, bool dryRun)
{
    if (task.featureLength < 1 || task.featureLength > kPacketLength)
        return false;
    if (task.dataLength < 0 || task.dataLength > kMaxDataLength)
        return false;
    const int reportLength = task.device.reportLength;
    return task.dataLength == 0 || dryRun || (reportLength >= 1 && reportLength <= kMaxReportLength);
}

bool sendCommand(hid_device* handle, UsbTask& task, uchar code)
{
    if (task.device.scrambleOn)
        scramble(task.command.data() + 1, task.device.codeBytes.data());
    if (hid_send_feature_report(handle, task.command.data(), size_t(task.featureLength)) < 0)
        return false;
    if (isReadingCommand(code)
        && hid_get_feature_report(handle, task.reply.data(), size_t(task.featureLength)) < 0)
        return false;
    return true;
}

// The last chunk is always whole, so it may reach past dataLength; it never reaches past
// the task's buffer.
int boundedChunk(int position, int chunk)
{
    return std::clamp(kMaxDataLength - position, 0, chunk);
}

bool readDataPhase(hid_device* handle, UsbTask& task, int chunk)
{
    const int reportLength = task.device.reportLength;
    std::vector<uchar> report(size_t(reportLength) + 1);
    bool ok = true;
    for (int position = 0; position < task.dataLength; position += chunk) {
        std::fill(report.begin(), report.end(), 0);
        if (hid_read_timeout(handle, report.data(), report.size(), kDataReadTimeoutMs) <= 0)
            ok = false;
        std::copy_n(report.begin(), boundedChunk(position, chunk), task.data.begin() + position);
    }
    return ok;
}

bool writeDataPhase(hid_device* handle, UsbTask& task, int chunk)
{
    const int reportLength = task.device.reportLength;
    std::vector<uchar> report(size_t(reportLength) + 1, 0);
    bool ok = true;
    for (int position = 0; position < task.dataLength; position += chunk) {
        report[0] = 0x00;
        std::copy_n(task.data.begin() + position, boundedChunk(position, chunk), report.begin() + 1);
        if (hid_write(handle, report.data(), report.size()) < 0)
            ok = false;
        QThread::msleep(ulong(std::max(0, task.chunkDelay)));
    }
    return ok;
}

} // namespace

bool Master::transfer(UsbTask& task)
{
    if (blocked) {
        qDebug() << "true";
        return false;
    }
    if (!fitsBuffers(task, dryRun))
        return false;
    const uchar code = task.command[1];
    if (dryRun) {
        QByteArray exchange(reinterpret_cast<const char*>(task.command.data()), kPacketLength);
        if (!isReadingCommand(code))
            exchange.append(reinterpret_cast<const char*>(task.data.data()), task.dataLength);
        dryRunLog.append(exchange);
        return true;
    }
    // Held from the open to the close, so another process's reports never come in between.
    const ExchangeLock held;
    busy = !held.held();
    if (busy)
        return false;
    QString reason;
    hid_device* handle = openHidPath(task.device.commandPath, true, &reason);
    openFailure = task.device.commandPath.isEmpty() ? QString() : reason;
    if (!handle)
        return false;
    bool ok = sendCommand(handle, task, code);
    if (ok) {
        QThread::msleep(ulong(std::max(0, task.commandDelay)));
        if (task.dataLength > 0) {
            const int chunk = std::min(task.device.reportLength, task.dataLength);
            ok = isReadingCommand(code) ? readDataPhase(handle, task, chunk)
                                        : writeDataPhase(handle, task, chunk);
        }
    }
    hid_close(handle);
    return ok;
}

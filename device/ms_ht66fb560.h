#pragma once

#include "device/devinfo.h"
#include "device/usbtask.h"

#include <QList>
#include <QObject>

class Master;
class Slave;
class QWidget;

// The link to the mouse. The host window holds it by value; everything runs on the GUI thread
// except the vendor listener.
//
// Every slot below that talks to the device blocks the caller for the whole exchange (at least
// 30 ms, a block write at least 50 ms). Setting commands return whether every report of the
// exchange reached the mouse (false too when none is detected). Reading commands
// return false on failure and leave value out-parameters untouched; block reads always copy
// the (possibly zeroed) block into the caller's buffer. Buffers are the caller's: src9 is 9
// bytes, src128 128 bytes, data `length` bytes.
class MS_HT66FB560 : public QObject {
    Q_OBJECT
public:
    MS_HT66FB560();
    ~MS_HT66FB560() override; // stops the listener and waits for its thread

    // Looks for both interfaces of entry among the attached HID devices (the last matching
    // node of each kind wins), then makes the result current with openDevice(), also when
    // nothing was found. True when both were found.
    bool findDevice(int index, const DevInfo& entry);
    // Makes device current, sends the set-up command 01H (option 8) and restarts the listener.
    void openDevice(const UsbDevice& device);
    // Detection as the host window runs it: catalogue entry 1 through findDevice(). A catalogue
    // without that entry reports false without enumerating and drops the previous device.
    bool detect(const QList<DevInfo>& catalogue);

    // The command interfaces of entry among the attached devices; no exchange, no open.
    static QList<FoundMouse> listMice(const DevInfo& entry);

    // Why the last command exchange (right after detection: the set-up command) could not open
    // the mouse; empty when it opened. A mouse found but not opened needs access rights.
    QString openFailure() const;

    Master* master() const { return m_master; }
    Slave* slave() const { return m_slave; }
    const UsbTask& currentTask() const { return task; }

    QWidget* owner = nullptr;
    // Whether detection starts the vendor listener; a short-lived caller that never reads the
    // mouse's own reports turns it off.
    bool listenVendor = true;

    static constexpr int kDetectedEntry = 1;
    static constexpr uchar kSetupOption = 8;

public slots:
    void onVendor(QList<uchar> vCmd);

    void hid_Cs(uchar* src9);
    bool hid_SetCmd(uchar* src9);
    bool hid_SetDataCmd(uchar* src9, uchar* data, int length);
    bool hid_GetCmd(uchar* src9);
    bool hid_GetDataCmd(uchar* src9, uchar* data, int length);

    bool hid_01H_SetFunctionOption(uchar option);
    bool hid_02H_SetCurrentProfile(uchar profileId);
    bool hid_03H_SetReportRate(uchar rate, uchar profileId);
    bool hid_04H_SetDPIStage(uchar stage, uchar profileId);
    bool hid_08H_SetStopMacroSending();
    bool hid_0CH_SetFwProfile(uchar profileId, uchar* src128);
    bool hid_0DH_SetKeyMatrix(uchar profileId, uchar* src128);
    bool hid_0FH_SetMacroKey(uchar macroId, uchar* src128);
    bool hid_80H_GetFWVersion(QString& version);
    bool hid_81H_GetFunctionOption(uchar& option);
    bool hid_82H_GetCurrentProfile(uchar& profileId);
    bool hid_83H_GetReportRate(uchar& rate, uchar profileId);
    bool hid_84H_GetDPIStage(uchar& stage, uchar profileId);
    bool hid_89H_GetRGBLedTwinkle(uchar& type);
    bool hid_8CH_GetFwProfile(uchar profileId, uchar* src128);
    bool hid_8DH_GetKeyMatrix(uchar profileId, uchar* src128);
    bool hid_8FH_GetMacroKey(uchar macroId, uchar* src128);

private:
    bool prepare(uchar* src9, const uchar* data, int length);
    bool getValue(uchar code, uchar param, int answerByte, uchar& value);

    Master* m_master;
    Slave* m_slave;
    UsbTask task;
};

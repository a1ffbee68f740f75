// Copy-data messages reach the application as native messages; every one is consumed.
#include "system/inputhook.h"
#include "system/inputsources.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QCoreApplication>

#include <windows.h>

namespace {
class CopyDataFilter : public QAbstractNativeEventFilter, public CopyDataReceiver {
public:
    CopyDataFilter(InputHook& hook, QCoreApplication* application)
        : hook(hook)
        , application(application)
    {
        if (application)
            application->installNativeEventFilter(this);
    }

    ~CopyDataFilter() override
    {
        if (application && QCoreApplication::instance() == application)
            application->removeNativeEventFilter(this);
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override
    {
        if (eventType != "windows_generic_MSG")
            return false;
        const MSG* msg = static_cast<const MSG*>(message);
        if (msg->message != WM_COPYDATA || !msg->lParam)
            return false;
        const auto* cds = reinterpret_cast<const COPYDATASTRUCT*>(msg->lParam);
        if (!hook.copyData(CopyData { cds->dwData, cds->cbData, cds->lpData }))
            return false;
        if (result)
            *result = 1;
        return true;
    }

private:
    InputHook& hook;
    QCoreApplication* application;
};
} // namespace

std::unique_ptr<CopyDataReceiver> createCopyDataReceiver(InputHook& hook, QCoreApplication* application)
{
    return std::make_unique<CopyDataFilter>(hook, application);
}

// Copy-data messages arrive over the per-user local socket instead of window messages.
#include "system/copydataserver.h"
#include "system/inputhook.h"
#include "system/inputsources.h"

#include <QDebug>

namespace {
class SocketReceiver : public CopyDataReceiver {
public:
    explicit SocketReceiver(InputHook& hook)
    {
        QObject::connect(&server, &CopyDataServer::received, &server,
            [&hook](quintptr dwData, quint32 cbData, const QByteArray& bytes) {
                hook.copyData(CopyData { dwData, cbData, bytes.constData() });
            });
        if (!server.listen())
            qDebug("copy-data socket unavailable");
    }

private:
    CopyDataServer server;
};
} // namespace

std::unique_ptr<CopyDataReceiver> createCopyDataReceiver(InputHook& hook, QCoreApplication*)
{
    return std::make_unique<SocketReceiver>(hook);
}

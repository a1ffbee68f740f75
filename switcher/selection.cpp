#include "switcher/selection.h"

#include "core/mouselink.h"
#include "core/transaction.h"
#include "device/ms_ht66fb560.h"
#include "store/profilestore.h"

#include <QSettings>

Reach selectProfileOnMouse(int profile)
{
    MS_HT66FB560 device;
    device.listenVendor = false;
    if (!mouselink::detect(device).usable())
        return Reach::NoMouse;
    QSettings file(QStringLiteral("./modules/setting/p_Z4.bin"), QSettings::IniFormat);
    ProfileStore store(&file);
    store.loadProfiles();
    store.setConnected(true);
    switch (transaction::selectProfile(store, &device, profile)) {
    case transaction::Result::Done:
        mouselink::tellWindow();
        return Reach::Done;
    case transaction::Result::Busy:
        return Reach::Busy;
    case transaction::Result::Failed:
        mouselink::tellWindow(); // the file took it
        return Reach::Failed;
    case transaction::Result::Refused:
        break;
    }
    return Reach::Failed;
}

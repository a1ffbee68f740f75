#include "switcher/selection.h"

#include "core/mouselink.h"
#include "core/mousesettings.h"
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
    Reach reach = Reach::Failed;
    {
        ProfileStore store(&file);
        store.loadProfiles();
        store.setConnected(true);
        MouseSettings settings(store, &device);
        if (settings.selectProfile(profile))
            reach = Reach::Done;
    }
    file.sync();
    mouselink::tellWindow();
    return reach;
}

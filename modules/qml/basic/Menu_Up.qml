import QtQuick
import "../common"

// Top bar: the mouse's status, the settings button (0) and the closing button (1), reported by index.
Item {
    id: menu_Up
    width: 1000
    height: 44
    signal btnClicked(int btnIndex)
    signal helpRequested()

    SkinImage {
        id: container
        anchors.fill: parent
        source: mainIten.source_listUpContainer
    }

    DeviceStatus {
        id: deviceStatus
        objectName: "deviceStatus"
        x: 12
        y: 8
        onHelpRequested: menu_Up.helpRequested()
    }

    Button_2state {
        id: settingButton
        objectName: "menuUp_setting"
        x: 912
        y: 6
        width: 32
        height: 32
        // Stays lit while the settings panel is open.
        source0: mainIten.isGlobalSettingSelect ? mainIten.source_applicationSetting_1
                                                : mainIten.source_applicationSetting_0
        source1: mainIten.source_applicationSetting_1
        Accessible.name: mainIten.globalSetting_stringList[135] || "SETTINGS"
        onClicked: menu_Up.btnClicked(0)

        EditMark {
            objectName: "menuUp_setting_mark"
            x: parent.width - width
            y: 0
            visible: page_Globalsetting.unapplied
        }
    }

    Button_2state {
        id: closeButton
        objectName: "menuUp_close"
        x: 956
        y: 6
        width: 32
        height: 32
        source0: mainIten.source_applicationMinimize_0
        source1: mainIten.source_applicationMinimize_1
        Accessible.name: mainIten.globalSetting_stringList[129] || "CLOSE"
        onClicked: menu_Up.btnClicked(1)
    }
}

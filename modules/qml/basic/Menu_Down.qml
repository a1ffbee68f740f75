import QtQuick

// Bottom bar: ALL RESET and ALL SAVE lock the interface, then let every page reset or apply.
Item {
    id: menu_Down
    width: 1000
    height: 44
    signal btnTotalResetClicked()
    signal btnTotalApplyClicked()

    readonly property int resetProtectMs: 800
    readonly property int saveProtectMs: 2000

    // Pictures follow skin_No through their bindings; nothing is cached here.
    function setSkin() {
    }

    // ALL RESET and ALL SAVE speak for every page, also those not shown yet.
    function saveAll() {
        mainIten.setProtectUI(saveProtectMs)
        main_Z4.loadPages()
        btnTotalApplyClicked()
    }

    SkinImage {
        id: container
        anchors.fill: parent
        source: mainIten.source_listDnContainer
    }

    Row {
        id: buttons
        anchors.centerIn: parent
        spacing: 24

        BarButton {
            id: resetButton
            objectName: "menuDown_reset"
            label: mainIten.globalSetting_stringList[113]
            source0: mainIten.source_reset_0
            source1: mainIten.source_reset_1
            onClicked: {
                mainIten.askFirst(113, "ALL RESET", 2, "", function () {
                    mainIten.setProtectUI(menu_Down.resetProtectMs)
                    main_Z4.loadPages()
                    menu_Down.btnTotalResetClicked()
                })
            }
        }

        BarButton {
            id: saveButton
            objectName: "menuDown_save"
            label: mainIten.globalSetting_stringList[114]
            source0: mainIten.source_apply_0
            source1: mainIten.source_apply_1
            onClicked: menu_Down.saveAll()
        }
    }
}

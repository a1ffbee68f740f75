import QtQuick

// Asked once when the mouse comes back while edits made without it wait. Unanswered, the edits
// stay marked in the profile file, so closing the program loses nothing.
ModalPanel {
    id: settleQuestion
    readonly property var strings: mainIten.globalSetting_stringList || []
    title: strings[124] || ""
    closable: false
    visible: mainIten.settleAsked && mainIten.deviceState === 2
    onVisibleChanged: if (visible) writeButton.forceActiveFocus()

    function answer(write) {
        mainIten.settleAsked = false
        if (typeof ui_View !== "undefined")
            ui_View.z4_settleDirty(write)
        // Pages with edits not applied yet keep them.
        main_Z4.rereadAll()
    }

    PanelText {
        objectName: "settleQuestion_text"
        text: settleQuestion.strings[125] || ""
    }
    Item { width: 1; height: 4 }
    Row {
        anchors.right: parent.right
        spacing: 16
        TextButton {
            id: keepButton
            objectName: "settle_keep"
            label: settleQuestion.strings[123] || ""
            onClicked: settleQuestion.answer(false)
        }
        TextButton {
            id: writeButton
            objectName: "settle_write"
            label: settleQuestion.strings[122] || ""
            onClicked: settleQuestion.answer(true)
        }
    }
}

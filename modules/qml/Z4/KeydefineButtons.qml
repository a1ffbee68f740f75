import QtQuick

// DEFAULT and APPLY of the key page. APPLY locks the view for its interval before the page
// sends; DEFAULT only changes what is shown, so it needs no lock.
Item {
    id: keydefineButtons
    property int applyInterval: 800
    signal defaultClicked()
    signal applyClicked()

    width: 256
    height: 56

    PageButton {
        id: defaultButton
        buttonName: "keydefine_default"
        textIndex: 106
        fallback: "DEFAULT"
        picture: "reset"
        onClicked: keydefineButtons.defaultClicked()
    }

    PageButton {
        id: applyButton
        x: 136
        buttonName: "keydefine_apply"
        textIndex: 107
        fallback: "APPLY"
        picture: "apply"
        onClicked: {
            mainIten.setProtectUI(keydefineButtons.applyInterval)
            keydefineButtons.applyClicked()
        }
    }
}

import QtQuick

// DEFAULT and APPLY of the key page. APPLY locks the view for its interval before the page
// sends; DEFAULT only changes what is shown, so it needs no lock.
Row {
    id: keydefineButtons
    property int applyInterval: 800
    signal defaultClicked()
    property bool applyMarked: false
    signal applyClicked()

    // The plates grow with long translations; the row keeps them apart.
    spacing: 16

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
        buttonName: "keydefine_apply"
        textIndex: 107
        fallback: "APPLY"
        picture: "apply"
        marked: keydefineButtons.applyMarked
        onClicked: {
            mainIten.setProtectUI(keydefineButtons.applyInterval)
            keydefineButtons.applyClicked()
        }
    }
}

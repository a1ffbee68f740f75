import QtQuick

// DEFAULT and APPLY of the sensor and colour pages. Each button locks the view for its own
// interval before the page works.
Row {
    id: pageButtons
    property string prefix
    property int resetInterval: 800
    property int applyInterval: 800
    signal resetClicked()
    property bool applyMarked: false
    signal applyClicked()

    // The plates grow with long translations; the row keeps them apart.
    spacing: 16

    PageButton {
        id: resetButton
        buttonName: pageButtons.prefix + "_default"
        textIndex: 106
        fallback: "DEFAULT"
        picture: "reset"
        onClicked: {
            mainIten.setProtectUI(pageButtons.resetInterval)
            pageButtons.resetClicked()
        }
    }

    PageButton {
        id: applyButton
        buttonName: pageButtons.prefix + "_apply"
        textIndex: 107
        fallback: "APPLY"
        picture: "apply"
        marked: pageButtons.applyMarked
        onClicked: {
            mainIten.setProtectUI(pageButtons.applyInterval)
            pageButtons.applyClicked()
        }
    }
}

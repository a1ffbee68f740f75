import QtQuick
import "../common"

// What the settings panel shows: language, the text box (size, colour, brightness) and the
// reset and apply buttons. `settings` is the panel that owns the values.
Item {
    id: globalsettingContent
    required property var settings

    readonly property var texts: mainIten.globalSetting_stringList

    Rectangle {
        id: plainBackground
        anchors.fill: parent
        visible: !backgroundPicture.ready
        color: "#151B24"
        border.width: 1
        border.color: Qt.rgba(0, 1, 1, 0.22)
    }

    SkinImage {
        id: backgroundPicture
        anchors.fill: parent
        source: mainIten.source_globalsettingBackground
    }

    // Presses on the panel's empty parts must not reach the window's drag area.
    MouseArea {
        id: absorber
        anchors.fill: parent
        onPressed: {
            mainIten.forceActiveFocus()
            mainIten.emptyAreaPressed()
        }
    }

    SectionTitle {
        id: languageTitle
        x: 24
        y: 20
        text: globalsettingContent.texts[29]
    }

    // Before the text box, as Tab reads the panel; raised so its unrolled list lies above it.
    DropdownList {
        id: languageList
        objectName: "globalsetting_language"
        z: 1
        x: 24
        y: 48
        width: parent.width - 48
        height: 28
        mdItems: globalsettingContent.settings.languages
        defaultIndex: globalsettingContent.settings.languageIndex
        onListElementClicked: function (index) {
            globalsettingContent.settings.chooseLanguage(index, function () {
                languageList.setCurIndex(globalsettingContent.settings.languageIndex)
            })
        }
    }

    GlobalTextBox {
        id: textBox
        objectName: "globalsetting_textBox"
        x: 16
        y: 104
        width: parent.width - 32
        settings: globalsettingContent.settings
    }

    Row {
        id: buttons
        anchors.horizontalCenter: parent.horizontalCenter
        // At a fixed place, whatever the text size and font make of the box above.
        y: 452
        spacing: 24

        BarButton {
            id: resetButton
            objectName: "globalsetting_reset"
            label: globalsettingContent.texts[77]
            source0: mainIten.source_reset_0
            source1: mainIten.source_reset_1
            onClicked: globalsettingContent.settings.resetApconfig()
        }

        BarButton {
            id: applyButton
            objectName: "globalsetting_apply"
            label: globalsettingContent.texts[107]
            source0: mainIten.source_apply_0
            source1: mainIten.source_apply_1
            onClicked: globalsettingContent.settings.apply()

            EditMark {
                objectName: "globalsetting_apply_mark"
                x: parent.width - width / 2 - 2
                y: -height / 2 + 2
                visible: globalsettingContent.settings.unapplied
            }
        }
    }

    // A click breaks the binding above; later loads (reset, start) still show their choice.
    Connections {
        target: globalsettingContent.settings
        function onLanguageIndexChanged() {
            languageList.setCurIndex(globalsettingContent.settings.languageIndex)
        }
    }
}

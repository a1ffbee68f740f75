import QtQuick
import "../common"

// The TEXT box of the settings panel: size, the seven colour swatches with the colour pick,
// and brightness. Every change shows at once; nothing is stored until apply.
Rectangle {
    id: globalTextBox
    required property var settings
    readonly property var texts: mainIten.globalSetting_stringList

    height: brightnessSlider.y + brightnessSlider.height + 16
    radius: 6
    color: "#66000000"
    border.width: 1
    border.color: Qt.rgba(0, 1, 1, 0.22)

    SectionTitle {
        id: boxTitle
        x: 12
        y: 10
        text: globalTextBox.texts[33]
    }

    Label {
        id: sizeTitle
        x: 12
        y: 40
        text: globalTextBox.texts[34]
    }

    Row {
        id: sizeChoices
        x: 96
        anchors.verticalCenter: sizeTitle.verticalCenter
        spacing: 24

        RadioButton {
            id: normalSize
            objectName: "globalsetting_sizeNormal"
            index: 0
            chkStr: globalTextBox.texts[37]
            isSelect: globalTextBox.settings._Size !== 12
            onClicked: globalTextBox.settings._Size = 11
        }
        RadioButton {
            id: largerSize
            objectName: "globalsetting_sizeLarger"
            index: 1
            chkStr: globalTextBox.texts[38]
            isSelect: globalTextBox.settings._Size === 12
            onClicked: globalTextBox.settings._Size = 12
        }
    }

    Label {
        id: colourTitle
        x: 12
        y: 72
        text: globalTextBox.texts[35]
    }

    Swatches {
        id: swatches
        x: 12
        y: colourTitle.y + colourTitle.height + 8
        settings: globalTextBox.settings
    }

    // Shows the selected swatch; a pick or a committed field changes that swatch.
    ColorPick {
        id: colourPick
        objectName: "globalsetting_colorPick"
        x: 12
        y: swatches.y + swatches.height + 16
        width: 256
        color: swatches.selectedColour
        onColorPicked: function (r, g, b) {
            globalTextBox.settings.setSwatch(globalTextBox.settings.selectedSwatch, [r, g, b])
        }
    }

    Label {
        id: brightnessTitle
        x: 12
        y: colourPick.y + colourPick.height + 16
        text: globalTextBox.texts[36]
    }

    Slider {
        id: brightnessSlider
        objectName: "globalsetting_brightness"
        Accessible.name: brightnessTitle.text
        x: 12
        y: brightnessTitle.y + brightnessTitle.height + 8
        currentIndex: globalTextBox.settings.brightness
        onSliderClicked: function (index) {
            globalTextBox.settings.brightness = index
        }
    }

    // Clicks break the binding above; loads from the configuration still move the slider.
    Connections {
        target: globalTextBox.settings
        function onBrightnessChanged() {
            brightnessSlider.setCurIndex(globalTextBox.settings.brightness)
        }
    }
}

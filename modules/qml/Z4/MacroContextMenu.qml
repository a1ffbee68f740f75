pragma ComponentBehavior: Bound
import QtQuick
import "../common"

// The file list's context menu: LOAD, SAVE, RENAME, CANCEL for one row. It fades in over
// 1.5 x animation_speed and out over animation_speed; it takes clicks only while opening or open.
Item {
    id: contextMenu
    // Wide enough for the longest entry of the chosen language.
    width: Math.max(104, Math.ceil(widestText) + 28)
    height: column.height + 8
    opacity: 0
    visible: opacity > 0
    enabled: shown

    readonly property var entries: [
        { entry: "load", text: 84 },
        { entry: "save", text: 85 },
        { entry: "rename", text: 112 },
        { entry: "cancel", text: 78 }
    ]
    readonly property real widestText: Math.max.apply(null, entries.map(function (item) {
        return metrics.advanceWidth(mainIten.globalSetting_stringList[item.text] || "")
    }))
    property int row: -1
    property bool shown: false

    signal entryClicked(string entry, int row)

    function openAt(rowIndex, px, py) {
        row = rowIndex
        x = px
        y = py
        shown = true
    }

    function close() {
        shown = false
    }

    states: State {
        name: "shown"
        when: contextMenu.shown
        PropertyChanges { target: contextMenu; opacity: 1 }
    }
    transitions: [
        Transition {
            to: "shown"
            NumberAnimation { property: "opacity"; duration: 1.5 * mainIten.animation_speed }
        },
        Transition {
            to: ""
            NumberAnimation { property: "opacity"; duration: mainIten.animation_speed }
        }
    ]

    FontMetrics {
        id: metrics
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size
    }

    Rectangle {
        anchors.fill: parent
        radius: 6
        color: "#151B24"
        border.color: Qt.rgba(0, 1, 1, 0.35)
    }

    Column {
        id: column
        x: 4
        y: 4
        Repeater {
            model: contextMenu.entries
            delegate: Item {
                id: entryItem
                required property var modelData
                objectName: contextMenu.objectName + "_" + entryItem.modelData.entry
                width: contextMenu.width - 8
                height: 24

                Rectangle {
                    anchors.fill: parent
                    radius: 4
                    color: Qt.rgba(0, 1, 1, 0.18)
                    visible: entryArea.hovered
                }
                Text {
                    anchors.centerIn: parent
                    text: mainIten.globalSetting_stringList[entryItem.modelData.text]
                    font.family: mainIten.globalSetting_fontFamily
                    font.pixelSize: mainIten.globalSetting_size
                    color: entryArea.hovered ? mainIten.globalSetting_color
                                                   : mainIten.globalSetting_color_enable
                }
                HoverArea {
                    id: entryArea
                    anchors.fill: parent
                    onClicked: {
                        contextMenu.close()
                        if (entryItem.modelData.entry !== "cancel")
                            contextMenu.entryClicked(entryItem.modelData.entry, contextMenu.row)
                    }
                }
            }
        }
    }
}

import QtQuick

// One decoration picture near each side of the window.
Item {
    id: environment_Decoration
    width: 1000
    height: 600

    SkinImage {
        id: leftDecoration
        x: 2
        anchors.verticalCenter: parent.verticalCenter
        source: mainIten.source_decoration1
    }

    SkinImage {
        id: rightDecoration
        x: parent.width - width - 2
        anchors.verticalCenter: parent.verticalCenter
        source: mainIten.source_decoration2
    }
}

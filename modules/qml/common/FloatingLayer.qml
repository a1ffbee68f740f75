import QtQuick

// Carrier of a control's pop-up. It covers its owner; while `lifted` it moves onto the scene
// root, above everything else but at the same place on screen, so items declared after the
// owner cannot cover the pop-up. A press outside the owner and the pop-up then reports
// outsidePressed and still reaches whatever is under the pointer.
Item {
    id: floatingLayer
    property Item owner
    property bool lifted: false
    signal outsidePressed()

    property point liftedAt: Qt.point(0, 0)
    readonly property Item scene: mainIten

    parent: lifted && scene ? scene : owner
    x: parent === owner ? 0 : liftedAt.x
    y: parent === owner ? 0 : liftedAt.y
    z: lifted ? 1000 : 0
    visible: owner ? owner.visible : false
    width: owner ? owner.width : 0
    height: owner ? owner.height : 0
    onLiftedChanged: {
        if (lifted && owner && scene)
            liftedAt = owner.mapToItem(scene, 0, 0)
    }

    MouseArea {
        id: outsideCatcher
        x: -floatingLayer.liftedAt.x
        y: -floatingLayer.liftedAt.y
        z: -1
        width: floatingLayer.scene ? floatingLayer.scene.width : 0
        height: floatingLayer.scene ? floatingLayer.scene.height : 0
        enabled: floatingLayer.lifted && floatingLayer.parent === floatingLayer.scene
        onPressed: function (mouse) {
            mouse.accepted = false
            var local = mapToItem(floatingLayer, mouse.x, mouse.y)
            if (!floatingLayer.contains(local))
                floatingLayer.outsidePressed()
        }
    }
}

import QtQuick

// The pointer area of every shared control. MouseArea.enabled is a flag of its own that
// ignores disabled ancestors, and hover still reaches an area under a disabled ancestor, so
// `containsMouse` alone would light a control in a disabled page. Its parent's Item.enabled
// is false as soon as any ancestor is disabled: `live` follows it, and controls read
// `hovered`. An owner with a reason of its own to switch the area off sets `active` (setting
// `enabled` would cut the link to the parent).
MouseArea {
    id: hoverArea
    property bool active: true
    readonly property bool live: active && !!parent && parent.enabled
    readonly property bool hovered: live && containsMouse

    enabled: live
    hoverEnabled: true
    cursorShape: live ? Qt.PointingHandCursor : Qt.ArrowCursor
}

import QtQuick
import "../common"

// The logo at the top of the window; a click opens the user guide or the configured address.
Button_2state {
    id: logo
    width: 180
    height: 40
    source0: mainIten.source_web_0
    source1: mainIten.source_web_1
    Accessible.name: mainIten.globalSetting_stringList[128] || "USER GUIDE"
    onClicked: mainIten.openGuide(mainIten.globalSetting_url)
}

import QtQuick

// The window's own question, in the skin's style: a title, a text and a row of answers, the
// going-on answer at the right. ask() returns at once; the answer's name reaches `onAnswer`
// when the user picks it (Escape picks `cancelName`). A second question while one waits is
// answered with its cancel name at once, so nothing is replaced unasked.
ModalPanel {
    id: questionPanel
    property string text
    // [{ name, label }] from left to right.
    property var answers: []
    property string cancelName
    property string focusName
    property var pending: null
    titleColor: "#FF7F00"

    function ask(title, text, answers, focusName, cancelName, onAnswer) {
        if (visible) {
            if (onAnswer)
                onAnswer(cancelName)
            return
        }
        questionPanel.title = title
        questionPanel.text = text
        questionPanel.answers = answers
        questionPanel.cancelName = cancelName
        questionPanel.focusName = focusName
        pending = onAnswer || null
        visible = true
        for (let i = 0; i < answerRow.children.length; ++i) {
            const button = answerRow.children[i]
            if (button.answerName === focusName)
                button.forceActiveFocus()
        }
    }
    function answer(name) {
        if (!visible)
            return
        const handler = pending
        pending = null
        visible = false
        if (handler)
            handler(name)
    }
    onCloseRequested: answer(cancelName)

    PanelText {
        objectName: "question_text"
        text: questionPanel.text
    }
    Item { width: 1; height: 4 }
    Row {
        id: answerRow
        anchors.right: parent.right
        spacing: 16
        Repeater {
            model: questionPanel.answers
            TextButton {
                readonly property string answerName: modelData.name
                objectName: "question_" + modelData.name
                label: modelData.label
                onClicked: questionPanel.answer(modelData.name)
            }
        }
    }
}

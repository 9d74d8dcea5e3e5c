import QtQuick

// One channel row of the colour picker: a label ("R ", "G " or "B ") and a
// right-aligned number field on the input picture. The field takes whole
// numbers of up to three digits; the number counts only when it is committed:
// when the field loses the keyboard focus (Return and Enter hand it to the
// row, from where Tab and Shift+Tab go on as from the field) or on commit(). A number above 255 counts as 255; an empty field keeps the last
// value. The field then shows the value that counts. The field is in the tab
// chain; screen readers hear it as `accessibleName` (the label by default).
Item {
    id: colorInputRow
    property string label: ""
    property int value: 255
    property string fontFamily: "Arial"
    property alias field: input
    property string accessibleName: label.trim()
    signal committed(int value)

    function showValue() {
        input.text = String(value)
    }

    // Makes `v` the value and shows it, replacing any number being typed.
    function show(v) {
        value = v
        showValue()
    }

    // The field's text as a channel value: clamped to 0 … 255; `value` when
    // the text holds no number.
    function valueOfText(text) {
        var t = String(text).trim()
        if (!/^-?[0-9]+$/.test(t))
            return value
        return Math.max(0, Math.min(255, parseInt(t, 10)))
    }

    function commit() {
        value = valueOfText(input.text)
        showValue()
        committed(value)
    }

    // With the focus on the row itself (after Return), Tab and Shift+Tab go
    // where they go from the field.
    Keys.onPressed: function(event) {
        if (!activeFocus || (event.key !== Qt.Key_Tab && event.key !== Qt.Key_Backtab))
            return
        var next = input.nextItemInFocusChain(event.key === Qt.Key_Tab)
        if (next)
            next.forceActiveFocus(event.key === Qt.Key_Tab ? Qt.TabFocusReason : Qt.BacktabFocusReason)
        event.accepted = true
    }

    onValueChanged: {
        if (!input.activeFocus)
            showValue()
    }

    implicitWidth: labelText.implicitWidth + picture.implicitWidth
    implicitHeight: picture.implicitHeight

    Text {
        id: labelText
        anchors.verticalCenter: picture.verticalCenter
        text: colorInputRow.label
        font.bold: true
        font.family: "Arial"
        font.pixelSize: 11
        color: mainIten.globalSetting_color_disable
    }

    Image {
        id: picture
        x: labelText.implicitWidth
        source: mainIten.sourceInputValue

        TextInput {
            id: input
            objectName: "input"
            anchors.fill: parent
            anchors.rightMargin: 2
            horizontalAlignment: TextInput.AlignRight
            verticalAlignment: TextInput.AlignVCenter
            maximumLength: 3
            validator: RegularExpressionValidator { regularExpression: /[0-9]{0,3}/ }
            selectByMouse: true
            font.family: colorInputRow.fontFamily
            font.pixelSize: 11
            color: activeFocus ? mainIten.globalSetting_color : mainIten.globalSetting_color_enable
            text: "255"
            onActiveFocusChanged: {
                if (!activeFocus)
                    colorInputRow.commit()
            }
            onAccepted: colorInputRow.forceActiveFocus()
            activeFocusOnTab: true
            Accessible.role: Accessible.EditableText
            Accessible.name: colorInputRow.accessibleName
            Accessible.focusable: true
        }

        FocusMark {
            target: input
        }

        FocusMark {
            target: colorInputRow
        }
    }
}

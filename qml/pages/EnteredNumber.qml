import QtQml 2.15
import UnitFormatter 1.0
import "Numbers.js" as Numbers

// Keeps a text field showing a value, rounded to its decimals, and hands on
// what the user enters only when the field accepts it and it is a finite
// number: partial input such as "", "+" or "." passes the validators but names
// no value. The field shows the value again after every edit.
QtObject {
    id: entry

    // The text field.
    property var target
    property real value
    property int decimals: 2
    property bool edited: false

    signal entered(real value)

    function show() {
        target.text = Qt.binding(() => String(UnitFormatter.toPrecision(entry.value, entry.decimals)));
    }

    function finish() {
        if (!edited)
            return;
        edited = false;
        const number = target.acceptableInput ? Numbers.finite(target.text) : undefined;
        show();
        if (number !== undefined)
            entered(number);
    }

    property Connections editing: Connections {
        target: entry.target
        function onTextEdited() {
            entry.edited = true;
        }
        function onEditingFinished() {
            entry.finish();
        }
    }

    Component.onCompleted: show()
}

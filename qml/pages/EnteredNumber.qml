import QtQml 2.15
import NumberReader 1.0
import UnitFormatter 1.0

// Keeps a text field showing a value, rounded to its decimals, and hands on
// what the user enters (Return, or leaving the field) when it reads as a number
// of the field's range; otherwise `refusal` says why, until the next edit. The
// field takes every character: a filter that drops one would turn what was
// typed into another number. While the user edits, the text is theirs; after
// the edit the field shows the value again.
QtObject {
    id: entry

    // The text field.
    property var target
    property real value
    property int decimals: 2
    property real bottom
    property real top
    // The unit's texts that may end a typed number, the shown one first, and the
    // factor of the field's own unit to it.
    property var units: []
    property real unitFactor: 1
    property bool edited: false
    property string refusal

    signal entered(real value)

    function finish() {
        if (!edited)
            return;
        // Read before the field shows the value again.
        const reading = reader.readText(target.text);
        edited = false;
        refusal = reading.refusal !== undefined ? reading.refusal : "";
        if (reading.value !== undefined)
            entered(reading.value);
    }

    // A page covering the field (a task running) takes its keyboard focus, and what
    // is typed meanwhile is lost: the edit ends unentered, and the field does not
    // take the focus back afterwards, so that the rest of the typing cannot make
    // another number of what was there.
    function abandon() {
        if (edited)
            refusal = qsTr("Typing was interrupted: %1 was not entered").arg(target.text);
        edited = false;
        target.focus = false;
    }

    // Whether a page around the field was disabled. The field loses its focus, and
    // so ends its edit, while the page's items are still being disabled: the page
    // is, the field may not be yet.
    function covered() {
        for (let item = target; item; item = item.parent) {
            if (!item.enabled)
                return true;
        }
        return false;
    }

    property NumberReader reader: NumberReader {
        bottom: entry.bottom
        top: entry.top
        decimals: entry.decimals
        units: entry.units
        unitFactor: entry.unitFactor
    }

    property Binding shown: Binding {
        target: entry.target
        property: "text"
        value: String(UnitFormatter.toPrecision(entry.value, entry.decimals))
        when: !entry.edited
        restoreMode: Binding.RestoreNone
    }

    property Connections editing: Connections {
        target: entry.target
        function onTextEdited() {
            entry.edited = true;
            entry.refusal = "";
        }
        function onEditingFinished() {
            if (entry.covered())
                entry.abandon();
            else
                entry.finish();
        }
    }

    readonly property bool targetEnabled: target ? target.enabled : false
    onTargetEnabledChanged: {
        if (!targetEnabled)
            abandon();
    }

    // A reason given against an earlier value no longer holds.
    onValueChanged: refusal = ""
}

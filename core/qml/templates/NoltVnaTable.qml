import QtQuick 2.15
import QtQuick.Controls 2.15
import "../controls"

// A check table: per setting its verdict marker, name, current value (a combo
// box over the row's choices, or a text field) and recommended value. Row 0 is
// the header row. A table whose rows say why an edit was refused (the role
// "refusal") shows the reason below the value field, in a taller row.
TableView {
    id: table

    readonly property var hasError: model ? model.hasError : undefined
    readonly property int markerColumnWidth: 40
    // The shares of the width beside the marker column, per column.
    property var columnShares: [0, 0.4, 0.3, 0.3]
    property int rowHeight: 40
    // The room below a value field for the reason of a refused edit.
    property int refusalHeight: 36
    property color textColor: Color.textHighEmphasis
    property color lineColor: Color.enabledLine

    // What may be typed into a row of a table that does not say why it refuses an
    // edit: numbers with an optional blank and a k, M or G prefix (English or
    // Russian) where the row has units, else by the row's "input".
    readonly property var valuePattern: /^[+-]?((([0-9]{0,15}[.])?[0-9]{0,15})|([0-9]{0,30}))( [kMGкМГ])?/
    readonly property var numberPattern: /^[+-]?[0-9]*[.]?[0-9]*([eE][+-]?[0-9]*)?$/
    readonly property var prefixedNumberPattern: /^[+-]?[0-9]*([.][0-9]*)? *[A-Za-zµА-Яа-яЁё]*$/

    // The pattern lets half-typed text such as "", "+" or "." through; only a
    // finite number, with its prefix, may reach the setting.
    function isNumber(text) {
        const number = /^([+-]?([0-9]+[.]?[0-9]*|[.][0-9]+))( [kMGкМГ])?$/.exec(text);
        return number !== null && isFinite(parseFloat(number[1]));
    }

    // The text to write for what was typed into a row without units, or null
    // when its setter cannot read it. A plain number typed next to a prefixed
    // value counts in the prefix and unit shown: "-150" next to "-200 ps" is
    // -150 ps, never -150 s.
    function typedValue(text, input, shown) {
        if (input === "number")
            return /^[+-]?([0-9]+[.]?[0-9]*|[.][0-9]+)([eE][+-]?[0-9]+)?$/.test(text) ? text : null;
        if (input !== "prefixedNumber")
            return /^[+-]?[0-9]+$/.test(text) ? text : null;
        const prefixed = /^[+-]?[0-9]+([.][0-9]+)? *([A-Za-zµА-Яа-яЁё]*)$/;
        const typed = prefixed.exec(text);
        if (typed === null)
            return null;
        const scale = prefixed.exec(shown);
        return typed[2] === "" && scale !== null && scale[2] !== "" ? text + " " + scale[2] : text;
    }

    // The width of the widest word of a cell's text, in the cell's font.
    function widestWord(text, bold) {
        const metrics = bold ? boldMetrics : plainMetrics;
        return String(text).split(/\s+/).reduce((widest, word) => Math.max(widest, metrics.advanceWidth(word)), 0);
    }

    Label {
        id: plainFont
        visible: false
    }
    FontMetrics {
        id: plainMetrics
        font: plainFont.font
    }
    FontMetrics {
        id: boldMetrics
        font.family: plainFont.font.family
        font.pixelSize: plainFont.font.pixelSize
        font.bold: true
    }

    implicitWidth: 640
    // Rows with a refusal are taller: the laid-out height once known.
    implicitHeight: Math.max(rows * rowHeight, contentHeight)
    clip: true
    interactive: false
    columnWidthProvider: function (column) {
        return column === 0 ? markerColumnWidth : (width - markerColumnWidth) * columnShares[column];
    }
    rowHeightProvider: function (row) {
        return model && model.refusal !== undefined && model.refusal(row) !== "" ? rowHeight + refusalHeight
                                                                                   : rowHeight;
    }
    onWidthChanged: forceLayout()

    Connections {
        // A model may also be a plain count of rows.
        target: typeof table.model === "object" ? table.model : null
        ignoreUnknownSignals: true
        function onRefusalsChanged() {
            table.forceLayout();
        }
    }

    delegate: Item {
        id: cell

        // The row's roles, also reachable inside controls that have a model of their own.
        readonly property var cellModel: model
        readonly property bool header: row === 0
        readonly property var choices: !header && cellModel.enumerationValues ? cellModel.enumerationValues : []

        implicitHeight: table.rowHeight

        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: 1
            color: table.lineColor
        }

        NoltWarning {
            objectName: "verdict"
            anchors.horizontalCenter: parent.horizontalCenter
            y: (table.rowHeight - height) / 2
            visible: column === 0 && !cell.header && model.recommended !== undefined
            type: cell.header ? undefined : model.recommended
            toolTip.description: cell.header ? "" : model.display
        }

        Label {
            objectName: "cellText"
            // A gap on either side: the next column's field starts at its very edge.
            width: parent.width - 12
            height: table.rowHeight
            x: 6
            visible: column === 1 || column === 3 || (column === 2 && cell.header)
            text: visible ? model.display : ""
            color: table.textColor
            font.bold: cell.header
            // A text longer than its column takes a second line before it is cut. It
            // breaks only between words: a word wider than the column makes the text smaller.
            wrapMode: Text.WordWrap
            fontSizeMode: table.widestWord(text, font.bold) > width ? Text.HorizontalFit : Text.FixedSize
            minimumPixelSize: 9
            maximumLineCount: 2
            elide: Text.ElideRight
            verticalAlignment: Text.AlignVCenter
        }

        ComboBox {
            objectName: "valueChoice"
            width: parent.width - 6
            height: table.rowHeight
            visible: column === 2 && !cell.header && cell.choices.length > 0
            enabled: visible && cell.cellModel.edit === true
            model: cell.choices
            currentIndex: visible ? cell.choices.indexOf(String(cell.cellModel.display)) : -1
            onActivated: index => cell.cellModel.display = cell.choices[index]
        }

        NoltErrorTextField {
            id: field
            objectName: "valueField"

            // The model row whose value it edits.
            readonly property int tableRow: row

            readonly property string units: visible && cell.cellModel.units ? cell.cellModel.units : ""
            readonly property string value: visible ? String(cell.cellModel.display) : ""
            // What the setter of a row without units reads; tables that do not say take whole numbers.
            readonly property string input: visible && cell.cellModel.input ? cell.cellModel.input : "wholeNumber"
            // A table that says why it refuses an edit reads every text itself: a
            // filter would drop what it does not know ("10k" would reach the
            // analyzer as 10) instead of letting the table refuse it with a reason.
            readonly property bool judgesText: visible && cell.cellModel.refusal !== undefined

            width: parent.width - 6
            height: table.rowHeight
            visible: column === 2 && !cell.header && cell.choices.length === 0
            result: visible ? cell.cellModel.recommended : undefined
            readOnly: !visible || cell.cellModel.edit !== true
            placeholderText: "---"
            // Prefixed values end in their prefix ("10 k"), plain ones need the blank before the unit.
            text: shownText()
            validator: judgesText ? null : units !== "" ? withUnits : input === "number" ? number
                     : input === "prefixedNumber" ? prefixedNumber : wholeNumber
            // Typing anew starts a new edit: the reason given for the last one goes.
            onTextEdited: {
                if (judgesText)
                    table.model.beginEdit(tableRow);
            }
            onAccepted: {
                const written = judgesText ? text
                              : units !== "" ? (table.isNumber(text) ? text : null)
                              : table.typedValue(text, input, value);
                if (written !== null)
                    cell.cellModel.display = written;
                focus = false;
                // What the analyzer holds, also when the edit changed nothing.
                text = Qt.binding(() => shownText());
            }

            function shownText() {
                return activeFocus || units === "" ? value : value + (/ \S?$/.test(value) ? "" : " ") + units;
            }

            RegularExpressionValidator {
                id: withUnits
                regularExpression: table.valuePattern
            }
            RegularExpressionValidator {
                id: number
                regularExpression: table.numberPattern
            }
            RegularExpressionValidator {
                id: prefixedNumber
                regularExpression: table.prefixedNumberPattern
            }
            IntValidator {
                id: wholeNumber
            }
        }

        // Below the value field and the recommended value beside it.
        Label {
            objectName: "refusal"
            y: table.rowHeight
            width: table.columnWidthProvider(2) + table.columnWidthProvider(3) - 6
            height: table.refusalHeight
            visible: column === 2 && !cell.header && text !== ""
            text: cell.header || cell.cellModel.refusal === undefined ? "" : cell.cellModel.refusal
            // The reason quotes what was typed, which is no markup.
            textFormat: Text.PlainText
            color: Color.errorBackground
            font.pixelSize: 11
            wrapMode: Text.Wrap
            maximumLineCount: 2
            elide: Text.ElideRight
            verticalAlignment: Text.AlignTop
        }
    }
}

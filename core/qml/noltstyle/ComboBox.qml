import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Templates 2.15 as T
import QtQuick.Controls 2.15
import QtQuick.Controls.impl 2.15 as Impl
import QtQuick.Controls.Material 2.15
import QtQuick.Controls.Material.impl 2.15
import Color 1.0
import IconShortcuts 1.0

// Combo box drawn like the text fields: a bottom line that follows focus and
// hover, the chosen text and a drop-down arrow.
T.ComboBox {
    id: control

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding,
                             implicitIndicatorHeight + topPadding + bottomPadding)

    leftPadding: padding + (!control.mirrored || !indicator || !indicator.visible ? 0 : indicator.width + spacing)
    rightPadding: padding + (control.mirrored || !indicator || !indicator.visible ? 0 : indicator.width + spacing)

    // A row's text padding on each side, and the width that the widest entry needs with it:
    // the list is never narrower, though a translation may make an entry wider than the box.
    // Measured from the texts, not from the rows, which exist only while the list is open.
    readonly property int rowPadding: 16
    readonly property real widestRowWidth: {
        let widest = 0;
        if (control.model !== undefined) {
            for (let i = 0; i < count; ++i)
                widest = Math.max(widest, rowMetrics.advanceWidth(textAt(i)));
        }
        return Math.ceil(widest) + 2 * rowPadding;
    }

    FontMetrics {
        id: rowMetrics
        font: control.font
    }

    delegate: MenuItem {
        width: ListView.view.width
        horizontalPadding: control.rowPadding
        text: control.textRole ? (Array.isArray(control.model) ? modelData[control.textRole] : model[control.textRole])
                               : modelData
        highlighted: control.highlightedIndex === index
        hoverEnabled: control.hoverEnabled
    }

    indicator: Impl.ColorImage {
        x: control.mirrored ? control.padding : control.width - width - control.padding
        y: control.topPadding + (control.availableHeight - height) / 2
        width: 16
        height: 16
        rotation: 90
        source: Icons.right
        sourceSize.width: width
        sourceSize.height: height
        color: control.enabled ? Color.textMedEmphasis : Color.disabledText
    }

    contentItem: T.TextField {
        padding: 6
        leftPadding: control.editable ? 2 : control.mirrored ? 0 : 4
        rightPadding: control.editable ? 2 : control.mirrored ? 4 : 0

        text: control.editable ? control.editText : control.displayText

        enabled: control.editable
        autoScroll: control.editable
        readOnly: control.down
        inputMethodHints: control.inputMethodHints
        validator: control.validator
        selectByMouse: control.selectTextByMouse

        font: control.font
        color: control.enabled ? Color.textHighEmphasis : Color.disabledText
        selectionColor: control.Material.accentColor
        selectedTextColor: control.Material.primaryHighlightedTextColor
        verticalAlignment: Text.AlignVCenter
        cursorDelegate: CursorDelegate { }
    }

    background: Item {
        implicitWidth: 120
        implicitHeight: 36

        Rectangle {
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 2
            width: parent.width
            height: control.activeFocus || control.hovered ? 2 : 1
            color: !control.enabled ? Color.disabledLine
                                    : control.activeFocus ? Color.focusedLine
                                                          : control.hovered ? Color.hoveredLine : Color.enabledLine
        }
    }

    popup: T.Popup {
        y: control.height
        width: Math.max(control.width, control.widestRowWidth + leftPadding + rightPadding)
        height: Math.min(contentItem.implicitHeight + topPadding + bottomPadding,
                         control.Window.height - topMargin - bottomMargin)
        transformOrigin: Item.Top
        topMargin: 8
        bottomMargin: 8
        verticalPadding: 4

        contentItem: ListView {
            clip: true
            implicitHeight: contentHeight
            model: control.delegateModel
            currentIndex: control.highlightedIndex
            highlightMoveDuration: 0

            T.ScrollIndicator.vertical: ScrollIndicator { }
        }

        background: Rectangle {
            radius: 3
            color: control.Material.dialogColor
            border.color: Color.enabledLine
        }
    }
}

import QtQuick 2.15
import QtQuick.Window 2.15

// A press on the empty space of `scope` ends the edit of its focused field, as a press
// on any other control does: the field reads what it shows (applies or refuses it)
// rather than keeping it unapplied. Pressing a control that takes the focus itself
// (another field, a button) is left to that control, which takes the press first.
// A scrolled area accepts every press on its empty space, to start a flick, so that
// the press reaches no handler behind the area: an area holding fields needs its own.
TapHandler {
    id: handler

    // The item whose fields' edits the press ends.
    property Item scope: parent

    function holds(item) {
        for (let above = item.parent; above; above = above.parent) {
            if (above === handler.scope)
                return true;
        }
        return false;
    }

    onPressedChanged: {
        if (!pressed || !scope)
            return;
        const focused = scope.Window.activeFocusItem;
        if (!focused || focused === scope || !holds(focused))
            return;
        // Focusing the scope instead would hand the focus straight back to the field,
        // the focus child it keeps.
        if (!focused.contains(focused.mapFromItem(null, point.scenePressPosition)))
            focused.focus = false;
    }
}

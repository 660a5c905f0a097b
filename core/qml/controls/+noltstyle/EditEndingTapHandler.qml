import QtQuick 2.15
import "qrc:/core/qml/templates" as T

T.EditEndingTapHandler { }

import QtQuick 2.15
import "../templates" as T

T.EditEndingTapHandler { }

import QtQuick 2.15
import "../templates" as T

T.NotificationSwipeDelegate {
    rowColor: Color.errorBackground
    textColor: Color.errorForeground
}

#include "core/SharedControls.h"

#include <QQuickStyle>
#include <QUrl>
#include <QtQml>

// Q_INIT_RESOURCE must be used outside of any namespace.
static void initCoreResources()
{
    Q_INIT_RESOURCE(core);
}

namespace SharedControls {

void initResources()
{
    initCoreResources();
}

void registerSingletons()
{
    qmlRegisterSingletonType(QUrl(QStringLiteral("qrc:/core/qml/controls/Color.qml")), "Color", 1, 0, "Color");
    qmlRegisterSingletonType(QUrl(QStringLiteral("qrc:/core/qml/controls/Units.qml")), "Units", 1, 0, "Units");
    qmlRegisterSingletonType(QUrl(QStringLiteral("qrc:/core/qml/icon_shortcuts/IconShortcuts.qml")),
                             "IconShortcuts", 1, 0, "Icons");
}

void selectStyle()
{
    QQuickStyle::addStylePath(QString::fromLatin1(stylePath));
    QQuickStyle::setStyle(QString::fromLatin1(styleName));
    QQuickStyle::setFallbackStyle(QString::fromLatin1(fallbackStyleName));
}

} // namespace SharedControls

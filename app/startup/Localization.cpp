#include "app/startup/Localization.h"

#include <QCoreApplication>

namespace Startup {

Localization::Localization()
    : m_russian(QStringList{QStringLiteral("r"), QStringLiteral("russian")}, QStringLiteral("RUS LOCALIZATION"))
    , m_english(QStringList{QStringLiteral("e"), QStringLiteral("english")}, QStringLiteral("ENG LOCALIZATION"))
{
    m_parser.addOption(m_russian);
    m_parser.addOption(m_english);
}

void Localization::process(const QCoreApplication& application)
{
    m_parser.process(application);
}

bool Localization::parse(const QStringList& arguments)
{
    return m_parser.parse(arguments);
}

bool Localization::isRussian() const
{
    return m_parser.isSet(m_russian);
}

void Localization::install()
{
    if (!isRussian())
        return;
    // A missing catalogue leaves the texts English.
    if (m_pagesTranslator.load(QStringLiteral(":/translations/nolt_ru_local.qm")))
        QCoreApplication::installTranslator(&m_pagesTranslator);
    if (m_controlsTranslator.load(QStringLiteral(":/core/translations/core_ru_local.qm")))
        QCoreApplication::installTranslator(&m_controlsTranslator);
}

} // namespace Startup

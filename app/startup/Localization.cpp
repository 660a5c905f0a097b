#include "app/startup/Localization.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace Startup {
namespace {

// Qt's own catalogues of the modules the window uses: "qt" gathers the base
// texts (file dialogs, system error strings), the others the declarative ones.
constexpr const char* qtCatalogues[] = {"qt_ru", "qtdeclarative_ru", "qtquickcontrols_ru"};

} // namespace

Localization::Localization()
    : m_russian(QStringList{QStringLiteral("r"), QStringLiteral("russian")}, QStringLiteral("RUS LOCALIZATION"))
    , m_english(QStringList{QStringLiteral("e"), QStringLiteral("english")}, QStringLiteral("ENG LOCALIZATION"))
{
    m_parser.addOption(m_russian);
    m_parser.addOption(m_english);
}

Localization::~Localization()
{
    if (m_replacedLocale)
        QLocale::setDefault(*m_replacedLocale);
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
    // What Qt writes in the default locale (the file dialogs' sizes and dates) reads
    // Russian. Files, the remote control and the fields keep the C formats: they
    // never format or read numbers through the default locale.
    if (!m_replacedLocale)
        m_replacedLocale = QLocale();
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    // A missing catalogue leaves the texts English. Qt's catalogues go first:
    // the program's own, installed later, are looked up before them.
    const QString qtDirectory = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
    for (const char* name : qtCatalogues) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(QString::fromLatin1(name), qtDirectory))
            continue;
        QCoreApplication::installTranslator(translator.get());
        m_qtTranslators.push_back(std::move(translator));
    }
    if (m_pagesTranslator.load(QStringLiteral(":/translations/nolt_ru_local.qm")))
        QCoreApplication::installTranslator(&m_pagesTranslator);
    if (m_controlsTranslator.load(QStringLiteral(":/core/translations/core_ru_local.qm")))
        QCoreApplication::installTranslator(&m_controlsTranslator);
}

} // namespace Startup

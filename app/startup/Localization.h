#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include <memory>
#include <optional>
#include <vector>

class QCoreApplication;

namespace Startup {

// The command line ("-r"/"--russian", "-e"/"--english") and the Russian
// catalogues: the program's two, of the pages and of the shared controls, and
// Qt's own; with them the Russian default locale, for as long as this object lives.
class Localization
{
public:
    Localization();
    ~Localization();
    Localization(const Localization&) = delete;
    Localization& operator=(const Localization&) = delete;

    // Reads the command line; unknown options end the program as the framework does.
    void process(const QCoreApplication& application);
    // For callers with their own argument list; false on an unknown option.
    bool parse(const QStringList& arguments);

    bool isRussian() const;
    // Installs every catalogue and the locale when Russian was asked for.
    void install();

private:
    QCommandLineParser m_parser;
    QCommandLineOption m_russian;
    QCommandLineOption m_english;
    QTranslator m_controlsTranslator;
    QTranslator m_pagesTranslator;
    std::vector<std::unique_ptr<QTranslator>> m_qtTranslators;
    std::optional<QLocale> m_replacedLocale;
};

} // namespace Startup

#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>
#include <QTranslator>

#include <memory>
#include <vector>

class QCoreApplication;

namespace Startup {

// The command line ("-r"/"--russian", "-e"/"--english") and the Russian
// catalogues: the program's two, of the pages and of the shared controls, and
// Qt's own.
class Localization
{
public:
    Localization();

    // Reads the command line; unknown options end the program as the framework does.
    void process(const QCoreApplication& application);
    // For callers with their own argument list; false on an unknown option.
    bool parse(const QStringList& arguments);

    bool isRussian() const;
    // Installs every catalogue when Russian was asked for.
    void install();

private:
    QCommandLineParser m_parser;
    QCommandLineOption m_russian;
    QCommandLineOption m_english;
    QTranslator m_controlsTranslator;
    QTranslator m_pagesTranslator;
    std::vector<std::unique_ptr<QTranslator>> m_qtTranslators;
};

} // namespace Startup

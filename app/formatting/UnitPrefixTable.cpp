#include "app/formatting/UnitPrefixTable.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QStringList>
#include <QThread>

#include <atomic>
#include <cmath>
#include <mutex>

namespace {

// Counts the changes of the installed translations; a table built under an
// older count is stale.
std::atomic<unsigned> translationGeneration{0};
std::atomic<bool> watchingTranslations{false};
std::mutex buildMutex;
std::shared_ptr<const UnitPrefixTable> currentTable;

// Installing or removing a translator sends the application a LanguageChange.
class TranslationWatcher : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == QCoreApplication::instance() && event->type() == QEvent::LanguageChange)
            ++translationGeneration;
        return false;
    }
};

// Before the application object exists no translator can be installed; the
// watcher is set up with the first use after it appeared.
void watchTranslations()
{
    QCoreApplication* application = QCoreApplication::instance();
    if (!application || watchingTranslations.exchange(true))
        return;
    const auto install = [application] {
        auto* watcher = new TranslationWatcher;
        watcher->setParent(application);
        application->installEventFilter(watcher);
    };
    if (QThread::currentThread() == application->thread())
        install();
    else
        QMetaObject::invokeMethod(application, install, Qt::QueuedConnection);
    ++translationGeneration;
}

} // namespace

UnitPrefixTable::UnitPrefixTable(Texts texts, unsigned generation)
    : m_translationGeneration(generation)
{
    static const std::pair<double, const char*> sources[] = {
        {1e-18, QT_TRANSLATE_NOOP("QObject", "a")}, {1e-15, QT_TRANSLATE_NOOP("QObject", "f")},
        {1e-12, QT_TRANSLATE_NOOP("QObject", "p")}, {1e-9, QT_TRANSLATE_NOOP("QObject", "n")},
        {1e-6, QT_TRANSLATE_NOOP("QObject", "µ")},  {1e-3, QT_TRANSLATE_NOOP("QObject", "m")},
        {1.0, ""},                                  {1e3, QT_TRANSLATE_NOOP("QObject", "k")},
        {1e6, QT_TRANSLATE_NOOP("QObject", "M")},   {1e9, QT_TRANSLATE_NOOP("QObject", "G")},
        {1e12, QT_TRANSLATE_NOOP("QObject", "T")},  {1e15, QT_TRANSLATE_NOOP("QObject", "P")},
        {1e18, QT_TRANSLATE_NOOP("QObject", "E")}};
    for (const auto& [factor, source] : sources) {
        const QString english = QString::fromUtf8(source);
        const QString shown = texts == Texts::Translated && *source ? QObject::tr(source) : english;
        m_prefixes.push_back({factor, shown});
        // What a user types on an English keyboard reads in every language.
        if (shown != english)
            m_englishPrefixes.push_back({factor, english});
    }

    QStringList alternatives;
    for (const std::vector<UnitPrefix>* prefixes : {&m_prefixes, &m_englishPrefixes})
        for (const UnitPrefix& prefix : *prefixes)
            alternatives << QRegularExpression::escape(prefix.text);
    m_prefixedNumber.setPattern(QStringLiteral("^(?<value>[+-]?\\d+(\\.\\d+)?)\\s*(?<prefix>(%2))$")
                                    .replace(QLatin1String("%2"), alternatives.join('|')));
    m_prefixedNumber.optimize();
}

std::shared_ptr<const UnitPrefixTable> UnitPrefixTable::english()
{
    static const std::shared_ptr<const UnitPrefixTable> table(new UnitPrefixTable(Texts::English, 0));
    return table;
}

std::shared_ptr<const UnitPrefixTable> UnitPrefixTable::current()
{
    if (!watchingTranslations.load(std::memory_order_relaxed))
        watchTranslations();
    std::shared_ptr<const UnitPrefixTable> table = std::atomic_load(&currentTable);
    if (table && table->m_translationGeneration == translationGeneration.load())
        return table;
    std::lock_guard<std::mutex> lock(buildMutex);
    table = std::atomic_load(&currentTable);
    const unsigned generation = translationGeneration.load();
    if (!table || table->m_translationGeneration != generation) {
        table.reset(new UnitPrefixTable(Texts::Translated, generation));
        std::atomic_store(&currentTable, table);
    }
    return table;
}

QString UnitPrefixTable::textOf(double factor) const
{
    for (const UnitPrefix& prefix : m_prefixes)
        if (prefix.factor == factor)
            return prefix.text;
    return QString();
}

const UnitPrefix* UnitPrefixTable::find(const QString& text) const
{
    for (const std::vector<UnitPrefix>* prefixes : {&m_prefixes, &m_englishPrefixes})
        for (const UnitPrefix& prefix : *prefixes)
            if (prefix.text == text)
                return &prefix;
    return nullptr;
}

const UnitPrefix& UnitPrefixTable::nearest(double magnitude) const
{
    const UnitPrefix* nearest = &m_prefixes.front();
    for (const UnitPrefix& prefix : m_prefixes)
        if (std::abs(magnitude - prefix.factor) < std::abs(magnitude - nearest->factor))
            nearest = &prefix;
    return *nearest;
}

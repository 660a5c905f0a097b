#pragma once

#include <QRegularExpression>
#include <QString>

#include <memory>
#include <vector>

struct UnitPrefix
{
    double factor;
    QString text;
};

// The SI prefixes from atto to exa in ascending order, with their texts as the
// installed translation gives them, and the compiled pattern that reads a
// number followed by one of those texts or by an English one ("k" as well as a
// translation's own text for it).
class UnitPrefixTable
{
public:
    // Any thread. The table of the translation in force: built on first use,
    // and again on the first use after a translator was installed or removed,
    // so that texts formatted and parsed always follow the interface language.
    static std::shared_ptr<const UnitPrefixTable> current();
    // Any thread. The English texts whatever the translation, for files.
    static std::shared_ptr<const UnitPrefixTable> english();

    const std::vector<UnitPrefix>& prefixes() const { return m_prefixes; }
    // "value" and "prefix" captures; the prefix texts are matched literally.
    const QRegularExpression& prefixedNumber() const { return m_prefixedNumber; }
    // The text of the prefix with exactly this factor, empty when there is none.
    QString textOf(double factor) const;
    // The prefix with this text, a shown one before an English one.
    const UnitPrefix* find(const QString& text) const;
    // The prefix whose factor lies nearest to a magnitude, the smaller one of two as near.
    const UnitPrefix& nearest(double magnitude) const;

private:
    enum class Texts { Translated, English };

    UnitPrefixTable(Texts texts, unsigned translationGeneration);

    std::vector<UnitPrefix> m_prefixes;
    // The English texts that the translation replaced, still read.
    std::vector<UnitPrefix> m_englishPrefixes;
    QRegularExpression m_prefixedNumber;
    unsigned m_translationGeneration;
};

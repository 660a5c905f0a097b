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
// number followed by one of those texts.
class UnitPrefixTable
{
public:
    // Any thread. The table of the translation in force: built on first use,
    // and again on the first use after a translator was installed or removed,
    // so that texts formatted and parsed always follow the interface language.
    static std::shared_ptr<const UnitPrefixTable> current();

    const std::vector<UnitPrefix>& prefixes() const { return m_prefixes; }
    // "value" and "prefix" captures; the prefix texts are matched literally.
    const QRegularExpression& prefixedNumber() const { return m_prefixedNumber; }
    // The text of the prefix with exactly this factor, empty when there is none.
    QString textOf(double factor) const;
    // The factor of the first prefix with this text.
    const UnitPrefix* find(const QString& text) const;

private:
    explicit UnitPrefixTable(unsigned translationGeneration);

    std::vector<UnitPrefix> m_prefixes;
    QRegularExpression m_prefixedNumber;
    unsigned m_translationGeneration;
};

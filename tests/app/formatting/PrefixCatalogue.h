#pragma once

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

// Installs the test catalogue, which translates the prefixes µ, m, k, M and T
// ("Т." with a dot, a character that means something in a pattern), while it lives.
class PrefixCatalogue
{
public:
    PrefixCatalogue()
    {
        EXPECT_TRUE(m_translator.load(QStringLiteral(NOLT_PREFIX_CATALOGUE)));
        EXPECT_TRUE(QCoreApplication::installTranslator(&m_translator));
    }
    ~PrefixCatalogue() { QCoreApplication::removeTranslator(&m_translator); }
    PrefixCatalogue(const PrefixCatalogue&) = delete;
    PrefixCatalogue& operator=(const PrefixCatalogue&) = delete;

private:
    QTranslator m_translator;
};

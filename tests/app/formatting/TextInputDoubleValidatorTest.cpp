#include "app/formatting/MetricText.h"
#include "app/formatting/TextInputDoubleValidator.h"
#include "tests/app/formatting/PrefixCatalogue.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <memory>

namespace {

struct Verdict
{
    QString input;
    QValidator::State state;
};

// Validates with bottom 1, top 1000 and 2 decimals; Acceptable texts must read
// back as the same number.
void expectVerdicts()
{
    TextInputDoubleValidator validator;
    validator.setRange(1.0, 1000.0, 2);
    const Verdict verdicts[] = {
        {"", QValidator::Intermediate},    {"-", QValidator::Invalid},       {"12.345", QValidator::Invalid},
        {"12.34", QValidator::Acceptable}, {"1001", QValidator::Invalid},     {"1000", QValidator::Acceptable},
        {"12,34", QValidator::Invalid},    {"1,000", QValidator::Invalid},    {"1.000", QValidator::Invalid},
        {"abc", QValidator::Invalid},      {"nan", QValidator::Invalid},      {"inf", QValidator::Invalid},
        {"0.5", QValidator::Invalid},      {"5.", QValidator::Intermediate},  {"1e2", QValidator::Intermediate},
    };
    for (const Verdict& v : verdicts) {
        QString input = v.input;
        int position = 0;
        const QValidator::State state = validator.validate(input, position);
        EXPECT_EQ(state, v.state) << v.input.toStdString();
        if (state == QValidator::Acceptable) {
            EXPECT_TRUE(readMetric(input).has_value()) << v.input.toStdString();
        }
    }

    TextInputDoubleValidator negatives;
    negatives.setRange(-5.0, 5.0, 2);
    QString minus = "-";
    int position = 0;
    EXPECT_EQ(negatives.validate(minus, position), QValidator::Intermediate);
}

} // namespace

TEST(TextInputDoubleValidatorTest, JudgesInTheCLocale)
{
    expectVerdicts();
}

TEST(TextInputDoubleValidatorTest, JudgesInTheCLocaleAlsoUnderADecimalCommaLocale)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    expectVerdicts();
    QLocale::setDefault(previous);
}

TEST(TextInputDoubleValidatorTest, JudgesAlikeWithATranslatorInstalled)
{
    PrefixCatalogue catalogue;
    expectVerdicts();
}

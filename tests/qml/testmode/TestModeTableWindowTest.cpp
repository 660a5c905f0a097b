#include "app/testmode/TestModeTableModel.h"
#include "engine/parameters/ProcessInputParameters.h"
#include "tests/qml/WindowSession.h"
#include "tests/support/VisibleItems.h"

#include <QTest>

namespace {

using Algorithms::ProcessInputParameters;
using Table = TestModeTableModel;

class TestModeTableWindowTest : public WindowSession
{
protected:
    // The test-mode page reached by F9, with the test mode switched on there.
    void openInTestMode()
    {
        connectAnalyzer();
        ASSERT_TRUE(waitFor([&] { return property(QStringLiteral("stepsPage"), "visible").toBool(); }));
        QTest::keyClick(window, Qt::Key_F9);
        ASSERT_TRUE(waitFor([&] { return property(QStringLiteral("testModePage"), "visible").toBool(); }));
        click(QStringLiteral("testModeSwitch"));
        ASSERT_TRUE(backend->getTestModeTable()->isTestMode());
        parameters = backend->findChild<ProcessInputParameters*>();
        ASSERT_NE(parameters, nullptr);
    }

    // The value field of the table's model row.
    QQuickItem* valueField(int modelRow) const
    {
        for (QQuickItem* field : visibleItemsNamed(item(QStringLiteral("testModeTable")), QStringLiteral("valueField")))
            if (field->property("tableRow").toInt() == modelRow)
                return field;
        return nullptr;
    }

    // Types over the row's text as a user does, then presses Enter.
    void typeIntoRow(int modelRow, const QString& text)
    {
        QQuickItem* field = valueField(modelRow);
        ASSERT_NE(field, nullptr) << modelRow;
        field->forceActiveFocus();
        QMetaObject::invokeMethod(field, "selectAll");
        for (const QChar character : text)
            QTest::keyClick(window, character.toLatin1());
        QTest::keyClick(window, Qt::Key_Return);
    }

    QString shown(int modelRow) const
    {
        QQuickItem* field = valueField(modelRow);
        return field ? field->property("text").toString() : QString();
    }

    ProcessInputParameters* parameters = nullptr;
};

TEST_F(TestModeTableWindowTest, DecimalCoefficientsTakeTheirFraction)
{
    openInTestMode();
    typeIntoRow(Table::CoefficientNrtRow, QStringLiteral("0.95"));
    typeIntoRow(Table::KaiserBetaXRow, QStringLiteral("7.5"));
    typeIntoRow(Table::KaiserBetaRow, QStringLiteral("2.25"));
    typeIntoRow(Table::CoefficientNRow, QStringLiteral("5.7"));
    EXPECT_DOUBLE_EQ(parameters->normalizingValue(), 0.95);
    EXPECT_DOUBLE_EQ(parameters->kaiserBetaX(), 7.5);
    EXPECT_DOUBLE_EQ(parameters->kaiserBeta(), 2.25);
    EXPECT_EQ(parameters->nRiseTime(), 5);
    EXPECT_EQ(shown(Table::KaiserBetaRow), "2.25");

    // Half-typed numbers reach no parameter, and a prefix is no part of a number here.
    for (const QString& partial : {QStringLiteral("."), QStringLiteral("-"), QStringLiteral("1e")})
        typeIntoRow(Table::KaiserBetaRow, partial);
    EXPECT_DOUBLE_EQ(parameters->kaiserBeta(), 2.25);
    typeIntoRow(Table::KaiserBetaRow, QStringLiteral("3k"));
    EXPECT_DOUBLE_EQ(parameters->kaiserBeta(), 3.0);
}

TEST_F(TestModeTableWindowTest, MinGateTimeReadsPrefixesAndTakesAPlainNumberInTheShownPrefix)
{
    openInTestMode();
    ASSERT_EQ(shown(Table::MinGateTimeRow), "-200 ps");
    typeIntoRow(Table::MinGateTimeRow, QStringLiteral("-150"));
    EXPECT_DOUBLE_EQ(parameters->timeMin(), -1.5e-10);
    EXPECT_EQ(shown(Table::MinGateTimeRow), "-150 ps");

    typeIntoRow(Table::MinGateTimeRow, QStringLiteral("150p"));
    EXPECT_DOUBLE_EQ(parameters->timeMin(), 1.5e-10);
    typeIntoRow(Table::MinGateTimeRow, QStringLiteral("-0.3 ns"));
    EXPECT_DOUBLE_EQ(parameters->timeMin(), -3e-10);
    EXPECT_EQ(shown(Table::MinGateTimeRow), "-300 ps");
}

} // namespace

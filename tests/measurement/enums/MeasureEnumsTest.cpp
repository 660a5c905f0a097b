#include "measurement/enums/EnumConversions.h"
#include "measurement/enums/EnumRegistration.h"
#include "measurement/enums/MeasureEnums.h"

#include <QMetaEnum>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QScopedPointer>

#include <gtest/gtest.h>

using MeasureEnums::CorrectionMethod;
using MeasureEnums::Z0Conversion;
using Algorithms::CalcMethod;
using Algorithms::Z0ConversionType;

// Out-of-table numbers (a corrupt setup file, a stray QML value) give the neutral choice.
TEST(MeasureEnumConversion, EngineNumberingAndMeasurerStatusByTable)
{
    const std::pair<int, CalcMethod> methods[] = {{0, CalcMethod::TimeGating}, {1, CalcMethod::Bisect},
                                                  {2, CalcMethod::Filtering},  {3, CalcMethod::TimeGating},
                                                  {-1, CalcMethod::TimeGating}};
    for (const auto& [user, engine] : methods)
        EXPECT_EQ(toCalcMethod(static_cast<CorrectionMethod>(user)), engine) << user;

    const std::pair<int, Z0ConversionType> conversions[] = {
        {0, Z0ConversionType::System}, {1, Z0ConversionType::Fixture}, {2, Z0ConversionType::User},
        {3, Z0ConversionType::None},   {4, Z0ConversionType::None},    {-1, Z0ConversionType::None}};
    for (const auto& [user, engine] : conversions)
        EXPECT_EQ(toZ0ConversionType(static_cast<Z0Conversion>(user)), engine) << user;

    using MeasureEnums::MeasureStatus;
    const std::pair<int, MeasureStatus> statuses[] = {
        {0, MeasureStatus::MEASURED}, {1, MeasureStatus::NONE}, {2, MeasureStatus::Error}, {-5, MeasureStatus::Error}};
    for (const auto& [measurer, shown] : statuses)
        EXPECT_EQ(toMeasureStatus(measurer), shown) << measurer;
}

// Setup files and remote keywords carry these key names; their case is part of the format.
TEST(MeasureEnumKeys, StoredKeyNamesReadBackExactlyAndOnlyInTheirOwnCase)
{
    const QMetaEnum method = QMetaEnum::fromType<CorrectionMethod>();
    const QMetaEnum z0 = QMetaEnum::fromType<Z0Conversion>();
    EXPECT_EQ(method.keyToValue("BISECT"), 1);
    EXPECT_EQ(method.keyToValue("FILTERING"), 2);
    EXPECT_STREQ(method.valueToKey(0), "TIME_GATING");
    EXPECT_EQ(z0.keyToValue("Fixture"), 1);
    EXPECT_STREQ(z0.valueToKey(3), "None");

    bool ok = true;
    z0.keyToValue("fixture", &ok);
    EXPECT_FALSE(ok);
}

TEST(MeasureEnumRegistration, QmlReadsQualifiedKeysOnlyAndRepeatedRegistrationKeepsTheValues)
{
    registerMeasureEnums();
    registerMeasureEnums();
    EXPECT_NE(QMetaType::type("CorrectionMethod"), QMetaType::UnknownType);

    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData("import QtQml 2.15\n"
                      "import MeasureEnums 1.0\n"
                      "import CoreMeasureEnums 1.0\n"
                      "QtObject {\n"
                      "  property int bisect: MeasureEnums.CorrectionMethod.BISECT\n"
                      "  property int none: MeasureEnums.Z0Conversion.None\n"
                      "  property int shortState: MeasureEnums.FixturePossibleState.SHORT\n"
                      "  property int verdict: CoreMeasureEnums.RecommendedResult.Warning\n"
                      "  property bool unscoped: MeasureEnums.BISECT !== undefined\n"
                      "}\n",
                      QUrl());
    QScopedPointer<QObject> object(component.create());
    ASSERT_TRUE(object) << component.errorString().toStdString();
    EXPECT_EQ(object->property("bisect").toInt(), 1);
    EXPECT_EQ(object->property("none").toInt(), 3);
    EXPECT_EQ(object->property("shortState").toInt(), 2);
    EXPECT_EQ(object->property("verdict").toInt(), 1);
    EXPECT_FALSE(object->property("unscoped").toBool());
}

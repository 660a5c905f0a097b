#include "tests/engine/processes/ThruExtraction.h"

#include "engine/processes/base/ProcessFactory.h"
#include "simulator/physics/FrequencyGrid.h"

#include <gtest/gtest.h>

using namespace Algorithms;
using namespace Simulator::Physics;

TEST(TransmissionSetup, StoredSetsAreTurnedToFaceTheirAnalyzerPorts)
{
    const LineCascade half({{50.0, 100e-12, 0.0}, {40.0, 100e-12, 0.0}});
    const auto set = half.sParameters(lowPassGrid(1e8, 20));
    FixturePort left, right;
    for (FixturePort* port : {&left, &right}) {
        port->setZ0(50.0);
        port->setCalculatedData(set);
    }
    left.setMirrored(true);

    const auto process = createProcessMethodByNumber(TimeGateProcess);
    auto* transmission = static_cast<TransmissionProcess*>(process.get());
    ASSERT_TRUE(transmission->setFixturesForCalculate(&left, &right));
    EXPECT_FALSE(left.isMirrored());
    EXPECT_TRUE(right.isMirrored());
    EXPECT_EQ(left.sParameters()->s11(), set.s22());
    EXPECT_EQ(right.sParameters()->s11(), set.s22());

    // Calling it again changes nothing, and a port refusal is told once, by the port:
    // whoever hears the port and the process reads it once.
    ASSERT_TRUE(transmission->setFixturesForCalculate(&left, &right));
    EXPECT_EQ(left.sParameters()->s11(), set.s22());
    QStringList errors;
    QObject::connect(transmission, &IProcessMethod::error, [&](const QString& text) { errors << text; });
    QObject::connect(&left, &FixturePort::error, [&](const QString& text) { errors << text; });
    left.setCustomImpedance(-1.0);
    EXPECT_EQ(errors, QStringList({"Invalid custom impedance value."}));
}

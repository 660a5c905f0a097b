#include "app/exports/TestModeExport.h"
#include "app/testmode/TestModeTableModel.h"
#include "engine/parameters/ProcessInputParameters.h"
#include "measurement/progress/TaskProgress.h"
#include "measurement/setups/NoltAlgorithmsSetup.h"
#include "simulator/physics/ExampleFixtures.h"
#include "simulator/physics/Standards.h"
#include "tests/app/support/MeasuredThruSession.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(TestModeExport, ParametersAreStoredUnderTheirNamesAndAnUnwritableFileIsAFailure)
{
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    Algorithms::ProcessInputParameters parameters;
    TestModeTableModel table(&parameters, nullptr);
    QStringList errors;
    TestModeExport testMode(nullptr, [&errors](const QString& text) { errors << text; });
    TaskProgress task;
    const auto noRawData = [](const QString&) {};

    const QString prefix = directory.filePath("run");
    EXPECT_TRUE(testMode.run(prefix, table.rows(), nullptr, task, noRawData));
    QSettings written(prefix + "_ParametersTestMode.ini", QSettings::IniFormat);
    EXPECT_EQ(written.value("PARAMETERS/Coefficient_N").toInt(), 4);
    EXPECT_TRUE(errors.isEmpty());

    // A folder that is a file cannot take the parameter file.
    QFile blocker(directory.filePath("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(testMode.run(directory.filePath("blocked/run"), table.rows(), nullptr, task, noRawData));
    EXPECT_EQ(errors, QStringList{QString("\"%1\" is not a folder")
                                      .arg(QDir::toNativeSeparators(directory.filePath("blocked")))});
}

using TestModeHalves = MeasuredThruSession;

TEST_F(TestModeHalves, AHalfWithoutAReferenceImpedanceIsReportedAsSuchAndNotWritten)
{
    NoltAlgorithmsSetup setup(device.get(), &worker, &progress, &params);
    ASSERT_TRUE(setup.leftFixtureConn()->getFixturePort(0)->measureData()->setCalculatedData(
        Simulator::Physics::twoXThru(Simulator::Physics::exampleLeftHalf(), Simulator::Physics::exampleRightHalf(),
                                     grid())));
    TestModeExport testMode(&worker, [this](const QString& text) { errors << text; });
    TaskProgress task;
    EXPECT_FALSE(testMode.run(files.filePath("run"), {}, &setup, task, [](const QString&) {}));
    EXPECT_EQ(errors, QStringList{"The reference impedance of the fixture port is unknown"});
    EXPECT_FALSE(QFile::exists(files.filePath("run_SParametersA.s2p")));
}

TEST_F(TestModeHalves, ResultsThatCannotBeReadAreAFailureNotASilentGap)
{
    NoltAlgorithmsSetup setup(device.get(), &worker, &progress, &params);
    // A stopped worker drops the read, as a cancelled one does.
    worker.stop();
    TestModeExport testMode(&worker, [this](const QString& text) { errors << text; });
    TaskProgress task;
    EXPECT_FALSE(testMode.run(files.filePath("run"), {}, &setup, task, [](const QString&) {}));
    EXPECT_EQ(errors, QStringList{"There is no calculated data"});
}

#include "analyzer/files/TouchstoneIO.h"
#include "measurement/steps/DutStep.h"
#include "measurement/steps/ReflectionStep.h"
#include "measurement/steps/TransmissionStep.h"
#include "tests/measurement/steps/StepSession.h"

#include <QTest>

#include <functional>
#include <tuple>

using MeasureEnums::MeasureStatus;
using Simulator::FixtureWorld;

namespace {

const std::vector<double> logGrid{1e9, 2e9, 4e9, 8e9, 16e9};
const QString notLinearText = "The frequency sweep is not linear, so no time-domain transform is possible. Measure with "
                              "a linear sweep or use the bisection method";

class UnusableFile : public StepSession
{
protected:
    // A file of records at these frequencies with `ports` ports, as the writer lays it out.
    QString writeTouchstone(const QString& name, int ports, const std::vector<double>& frequencies)
    {
        TouchstoneData data;
        data.R = 50.0;
        for (const double frequency : frequencies)
            data.records.push_back({frequency, std::vector<std::complex<double>>(ports * ports, {0.1, 0.0}),
                                    static_cast<std::size_t>(ports)});
        const QString path = dir.filePath(name);
        EXPECT_TRUE(TouchstoneIO().write(path, data));
        return path;
    }

    // As above, at 1, 2, ... `points` GHz.
    QString writeTouchstone(const QString& name, int ports, int points)
    {
        std::vector<double> frequencies;
        for (int i = 1; i <= points; ++i)
            frequencies.push_back(i * 1e9);
        return writeTouchstone(name, ports, frequencies);
    }

    // Switches the analyzer's own correction on, as applying the fixtures leaves it.
    void applyOnTheAnalyzer()
    {
        device->setFixtureSimulationState(true);
        device->setDeembeddingState(true);
        ASSERT_TRUE(stillAppliedOnTheAnalyzer());
    }

    // Whether the analyzer's correction is on once every command sent so far has arrived.
    bool stillAppliedOnTheAnalyzer()
    {
        if (!refresh())
            return false;
        const Simulator::ChannelSettings channel = simulator.model().channel(1);
        return channel.fixtureSimulator && channel.deembedding;
    }

    std::vector<std::complex<double>> s21(const std::shared_ptr<VNAFixtureConnection>& fixture, int row = 0)
    {
        const auto& sParameters = fixture->getFixturePort(row)->measureData()->sParameters();
        return sParameters ? sParameters->s21() : std::vector<std::complex<double>>{};
    }

    std::vector<std::complex<double>> s11(const std::shared_ptr<VNAFixtureConnection>& fixture)
    {
        const auto& sParameters = fixture->getFixturePort(0)->measureData()->sParameters();
        return sParameters ? sParameters->s11() : std::vector<std::complex<double>>{};
    }

    // The errors that the recall alone gave, once its work has ended.
    QStringList errorsOf(const std::function<void()>& recall)
    {
        errors.clear();
        recall();
        drain();
        return errors;
    }
};

} // namespace

// A file that cannot serve the thru is refused before anything is reset: the halves, the
// step's status and the analyzer's correction stay, and the error says what is wrong.
TEST_F(UnusableFile, RecalledOntoAMeasuredFourPortThruChangesNothingAndNamesTheFault)
{
    ASSERT_NO_FATAL_FAILURE(useFourPortAnalyzer());
    // The simulated thrus join ports 1 and 2, and 3 and 4.
    left->setAttachedVnaPort(1, 2);
    right->setAttachedVnaPort(0, 1);
    right->setAttachedVnaPort(1, 3);
    auto thru = thruStep(thruConnection());
    ASSERT_TRUE(thru->measureFromVna());
    drain();
    ASSERT_EQ(thru->thruMeasured(), MeasureStatus::MEASURED) << errors.join("; ").toStdString();
    ASSERT_NO_FATAL_FAILURE(applyOnTheAnalyzer());
    const auto leftHalf = s21(left, 1);
    const auto rightHalf = s21(right, 1);
    ASSERT_FALSE(leftHalf.empty());

    QFile whole(writeTouchstone("cut.s4p", 4, 4));
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    // The writer's three head lines, then four lines per record: the fourth record starts
    // on line 16 and loses its last line.
    const QList<QByteArray> lines = whole.readAll().split('\n');
    whole.close();
    ASSERT_EQ(lines.size(), 3 + 4 * 4 + 1);
    const QByteArray cut = lines.mid(0, 3 + 4 * 3 + 3).join('\n') + '\n';
    const QString readFile = "Read file (cancelled)";
    const std::vector<std::tuple<QString, QString, QString>> files{
        {writeFile("thru.s4p", "This is not\na Touchstone file\n"),
         "The file thru.s4p is damaged: line 1: \"This\" is not a number", readFile},
        {writeTouchstone("thru.s2p", 2, 5),
         "The file thru.s2p holds 2-port data, but the step measures analyzer port 4", readFile},
        {writeFile("cut.s4p", cut), "The file cut.s4p is cut short: the record from line 16 is incomplete", readFile},
        {writeTouchstone("few.s4p", 4, 2), "The file few.s4p holds 2 frequency points; a measurement needs at least 3",
         readFile},
        {dir.filePath("missing.s4p"), "Cannot read the file missing.s4p", readFile},
        {writeTouchstone("back.s4p", 4, {1e9, 2e9, 3e9, 2.5e9, 4e9}),
         "The file back.s4p is damaged: line 16: the frequency does not rise", readFile},
        {writeTouchstone("log.s4p", 4, logGrid), notLinearText, "Setup measure data (cancelled)"},
    };
    QSignalSpy statusChanges(thru.get(), &Step::isMeasuredChanged);
    for (const auto& [path, text, row] : files) {
        EXPECT_EQ(errorsOf([&] { thru->measureFromTouchstoneFile(path); }), QStringList{text});
        EXPECT_EQ(progressTexts().last(), row);
        EXPECT_EQ(thru->thruMeasured(), MeasureStatus::MEASURED) << path.toStdString();
        EXPECT_EQ(s21(left, 1), leftHalf) << path.toStdString();
        EXPECT_EQ(s21(right, 1), rightHalf) << path.toStdString();
        EXPECT_TRUE(stillAppliedOnTheAnalyzer()) << path.toStdString();
    }
    EXPECT_EQ(statusChanges.count(), 0);
}

// A readable file whose grid the method cannot work on is refused before the standard or the
// halves give way: logarithmic and uneven steps alike.
TEST_F(UnusableFile, OnAGridTheMethodRefusesKeepsTheMeasuredStandardAndThru)
{
    std::shared_ptr<ReflectionStep> reflect;
    ASSERT_NO_FATAL_FAILURE(measureOpenReflect(reflect));
    const auto reflectHalf = s21(left);
    EXPECT_EQ(errorsOf([&] { reflect->measureOpenFromTouchstone(writeTouchstone("open.s1p", 1, logGrid)); }),
              QStringList{"The frequency sweep is not linear, so no time-domain transform is possible. Measure with a "
                          "linear sweep"});
    EXPECT_EQ(reflect->openMeasured(), MeasureStatus::MEASURED);
    EXPECT_EQ(reflect->calculated(), MeasureStatus::MEASURED);
    EXPECT_EQ(s21(left), reflectHalf);

    simulator.setWorld(FixtureWorld::Arrangement::Thru);
    auto thru = thruStep(thruConnection());
    ASSERT_TRUE(thru->measureFromVna());
    drain();
    ASSERT_EQ(thru->thruMeasured(), MeasureStatus::MEASURED) << errors.join("; ").toStdString();
    ASSERT_NO_FATAL_FAILURE(applyOnTheAnalyzer());
    const auto leftHalf = s21(left);
    const auto rightHalf = s21(right);
    const auto length = left->getFixturePort(0)->measureData()->fixtureLength();
    ASSERT_TRUE(length);

    QSignalSpy statusChanges(thru.get(), &Step::isMeasuredChanged);
    for (const QString& path : {writeTouchstone("log.s2p", 2, logGrid),
                                writeTouchstone("uneven.s2p", 2, {1e9, 2e9, 3e9, 5e9, 6e9})}) {
        EXPECT_EQ(errorsOf([&] { thru->measureFromTouchstoneFile(path); }), QStringList{notLinearText});
        EXPECT_EQ(progressTexts().last(), "Setup measure data (cancelled)");
        EXPECT_EQ(thru->thruMeasured(), MeasureStatus::MEASURED) << path.toStdString();
        EXPECT_EQ(s21(left), leftHalf) << path.toStdString();
        EXPECT_EQ(s21(right), rightHalf) << path.toStdString();
        EXPECT_EQ(left->getFixturePort(0)->measureData()->fixtureLength(), length) << path.toStdString();
        EXPECT_TRUE(stillAppliedOnTheAnalyzer()) << path.toStdString();
    }
    EXPECT_EQ(statusChanges.count(), 0);
}

// A reflect standard (of a reflection step and of a 2x-thru step) and a DUT from a file that
// cannot serve them keep what was measured before.
TEST_F(UnusableFile, RecalledForAStandardOrADutKeepsTheEarlierMeasurement)
{
    const QString damaged = writeFile("standard.s2p", "! measured\n1e9 0.1 0 0.2 0 x 0 0.1 0\n");
    const QString damagedText = "The file standard.s2p is damaged: line 2: \"x\" is not a number";

    std::shared_ptr<ReflectionStep> reflect;
    ASSERT_NO_FATAL_FAILURE(measureOpenReflect(reflect));
    const auto reflectHalf = s21(left);
    EXPECT_EQ(errorsOf([&] { reflect->measureOpenFromTouchstone(damaged); }), QStringList{damagedText});
    EXPECT_EQ(reflect->openMeasured(), MeasureStatus::MEASURED);
    EXPECT_EQ(reflect->calculated(), MeasureStatus::MEASURED);
    EXPECT_EQ(s21(left), reflectHalf);

    const auto connection = thruConnection();
    auto thru = thruStep(connection);
    ASSERT_NO_FATAL_FAILURE(measureThruAndOpen(*thru));
    const double leftOffset = thru->leftReflectOffset();
    const double rightOffset = thru->rightReflectOffset();
    ASSERT_NE(leftOffset, 0.0);
    EXPECT_EQ(errorsOf([&] { thru->measureOpenFromTouchstoneFile(damaged); }), QStringList{damagedText});
    EXPECT_EQ(thru->openMeasured(), MeasureStatus::MEASURED);
    EXPECT_EQ(thru->reflectCalculated(), MeasureStatus::MEASURED);
    EXPECT_EQ(thru->leftReflectOffset(), leftOffset);
    EXPECT_EQ(thru->rightReflectOffset(), rightOffset);

    auto dut = keep(makeLaterDeleted<DutStep>(connection, std::vector<std::shared_ptr<ConnectionBase>>{connection},
                                              std::vector{left, right}, device.get(), &worker, &progress));
    simulator.setWorld(FixtureWorld::Arrangement::Dut);
    ASSERT_TRUE(dut->measureFromVna());
    drain();
    ASSERT_EQ(dut->measureStatus(), MeasureStatus::MEASURED) << errors.join("; ").toStdString();
    const auto regated = s11(left);
    EXPECT_EQ(errorsOf([&] { dut->measureFromTouchstoneFile(damaged); }), QStringList{damagedText});
    EXPECT_EQ(dut->measureStatus(), MeasureStatus::MEASURED);
    EXPECT_EQ(s11(left), regated);
    for (DutMeasurer* measurer : dut->measurers())
        EXPECT_EQ(measurer->rawData().size(), 1);
}

// A damaged file is quoted by the start of what it holds, bytes that no text shows escaped:
// a line of megabytes without a blank is one "number" of megabytes.
TEST_F(UnusableFile, QuotesOnlyTheStartOfALineOfMegabytes)
{
    auto thru = thruStep(thruConnection());
    const QString ellipsis(QChar(0x2026));
    const std::pair<char, QString> contents[] = {
        {'x', QString(80, 'x') + ellipsis},
        {'\0', QStringLiteral("\\x00").repeated(20) + ellipsis},
    };
    for (const auto& [byte, quoted] : contents) {
        const QString path = writeFile("line.s2p", QByteArray(1536000, byte));
        EXPECT_EQ(errorsOf([&] { thru->measureFromTouchstoneFile(path); }),
                  QStringList{"The file line.s2p is damaged: line 1: \"" + quoted + "\" is not a number"});
    }
}

#include "app/checks/SetupVnaTableModel.h"
#include "measurement/steps/TransmissionStep.h"
#include "simulator/files/StateFile.h"
#include "tests/app/support/BackendSession.h"

#include <QRegularExpression>
#include <QTextStream>

#include <atomic>
#include <tuple>

namespace {

class SetupFile : public BackendSession
{
protected:
    void SetUp() override
    {
        BackendSession::SetUp();
        simulator.setPortCount(8);
        startBackend();
        ASSERT_TRUE(waitForAssignedPorts(8));
        simulator.clearLog();
    }

    QString path(const QString& name) const { return workingDirectory.filePath(name); }

    // A file as an analyzer would leave it, with our sections after its own content.
    void writeFile(const QString& name, const QString& sections)
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        QTextStream(&file) << "ANALYZER STATE\n" << sections;
    }

    QStringList saveTypeLines() const
    {
        return allLines().filter(QRegularExpression("^MMEMory:(STORe|LOAD)"));
    }

    struct Values
    {
        MeasureEnums::CorrectionMethod method;
        MeasureEnums::Z0Conversion conversion;
        double userZ0;
        bool lowPassCheck;
        std::vector<std::vector<uint>> ports; // per setup: left, right, left aux, right aux rows
        std::vector<std::vector<bool>> flags;

        bool operator==(const Values& other) const
        {
            return method == other.method && conversion == other.conversion && userZ0 == other.userZ0
                && lowPassCheck == other.lowPassCheck && ports == other.ports && flags == other.flags;
        }
    };

    Values values() const
    {
        Values v{setups()->getCorrectionMethod(), setups()->getZ0ConversionType(), setups()->getUserZ0(),
                 backend->getSetupVnaTable()->lowPassCheck(), {}, {}};
        for (int i = 0; i < setups()->getCount(); ++i) {
            NoltAlgorithmsSetup* s = setup(i);
            std::vector<uint> ports;
            for (VNAFixtureConnection* c :
                 {s->leftFixtureConn(), s->rightFixtureConn(), s->leftFixtureAuxConn(), s->rightFixtureAuxConn()}) {
                ports.push_back(c->fixture()->portsCount());
                for (int row = 0; row < c->attachedPorts().size(); ++row)
                    ports.push_back(c->attachedPorts().at(row));
            }
            v.ports.push_back(ports);
            v.flags.push_back({s->leftFixtureEnabled(), s->rightFixtureEnabled(), s->abThruConnectionEnabled(),
                               s->aaConnectionEnabled(), s->bbConnectionEnabled(), s->abDutConnectionEnabled()});
        }
        return v;
    }
};

} // namespace

TEST_F(SetupFile, SavedThenRecalledSetupsComeBackValueForValue)
{
    ASSERT_TRUE(QDir(workingDirectory.path()).mkdir(QString::fromUtf8("my setups \u00e4\u03a9")));
    const QString stored = path(QString::fromUtf8("my setups \u00e4\u03a9/bench \u00fc.sta"));
    // An older setup in the same file is replaced, not followed.
    ASSERT_TRUE(backend->saveStateNow(stored)) << errors.join("; ").toStdString();
    simulator.clearLog();
    setups()->setCorrectionMethod(MeasureEnums::CorrectionMethod::FILTERING);
    setups()->setZ0ConversionType(MeasureEnums::Z0Conversion::User);
    setups()->setUserZ0(42.123456789);
    backend->getSetupVnaTable()->setLowPassCheck(false);
    setup(0)->leftFixtureConn()->fixture()->setPortsCount(4);
    setup(0)->rightFixtureConn()->fixture()->setPortsCount(2);
    for (uint row = 0; row < 4; ++row)
        ASSERT_TRUE(setup(0)->leftFixtureConn()->setAttachedVnaPort(static_cast<int>(row), 7 - row));
    ASSERT_TRUE(setup(0)->rightFixtureConn()->setAttachedVnaPort(1, 0));
    setups()->addSetup();
    setup(1)->setRightFixtureEnabled(false);
    setup(1)->setAbThruConnectionEnabled(false);
    setup(1)->setAaConnectionEnabled(true);
    setup(1)->setBbConnectionEnabled(true);
    ASSERT_TRUE(setup(1)->leftFixtureAuxConn()->setAttachedVnaPort(0, 6));
    ASSERT_TRUE(setup(1)->rightFixtureAuxConn()->setAttachedVnaPort(0, 5));
    setups()->addSetup();
    setup(2)->setLeftFixtureEnabled(false);
    setup(2)->rightFixtureConn()->fixture()->setPortsCount(1);
    ASSERT_TRUE(setup(2)->rightFixtureConn()->setAttachedVnaPort(0, 4));
    const Values saved = values();
    const auto saveTypeBefore = simulator.model().saveType;

    ASSERT_TRUE(backend->saveStateNow(stored)) << errors.join("; ").toStdString();
    EXPECT_EQ(messages.last(), "Save setup was performed: " + stored);
    EXPECT_EQ(saveTypeLines(), QStringList({"MMEMory:STORe:STYPe?", "MMEMory:STORe:STYPe CSTate",
                                            "MMEMory:STORe:STATe " + stored, "MMEMory:STORe:STYPe STATe",
                                            "MMEMory:STORe:STYPe?"}));
    EXPECT_EQ(simulator.model().saveType, saveTypeBefore);
    // Our sections follow the analyzer's content, which stays byte for byte as it wrote it.
    Simulator::AnalyzerModel written = simulator.model();
    written.saveType = Simulator::SaveType::CalibrationState;
    ASSERT_TRUE(Simulator::saveStateFile(written, path("analyzer.sta")).isEmpty());
    QFile analyzerPart(path("analyzer.sta"));
    QFile setupFile(stored);
    ASSERT_TRUE(analyzerPart.open(QIODevice::ReadOnly) && setupFile.open(QIODevice::ReadOnly));
    const QByteArray content = setupFile.readAll();
    EXPECT_TRUE(content.startsWith(analyzerPart.readAll()));
    EXPECT_EQ(content.count("[NOLT\\Settings]"), 1);

    ASSERT_TRUE(backend->presetNow());
    backend->getSetupVnaTable()->setLowPassCheck(true);
    ASSERT_FALSE(values() == saved);
    simulator.changeModel([](Simulator::AnalyzerModel& model) { model.channel(1).points = 11; });
    simulator.clearLog();
    ASSERT_TRUE(backend->loadStateNow(stored)) << errors.join("; ").toStdString();
    EXPECT_TRUE(values() == saved);
    EXPECT_EQ(pauses, 3);
    EXPECT_EQ(saveTypeLines(), QStringList{"MMEMory:LOAD " + stored});
    EXPECT_EQ(simulator.model().channel(1).points, 200);
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
}

TEST_F(SetupFile, ASaveThatTheAnalyzerDidNotWriteLeavesNoFileOfOursAndAnOldFileAlone)
{
    ASSERT_TRUE(simulator.injectFault({Simulator::Fault::Kind::DropConnection, "MMEMory:STORe:STATe"}));
    EXPECT_FALSE(backend->saveStateNow(path("refused")));
    EXPECT_FALSE(QFile::exists(path("refused.sta")));
    EXPECT_EQ(errors, QStringList{"Cannot read state file: " + path("refused.sta")});

    // A file that already holds our sections never gets a second set.
    writeFile("old.sta", "[NOLT\\Settings]\nSetupCount=1\n\n");
    const qint64 size = QFileInfo(path("old.sta")).size();
    ASSERT_TRUE(simulator.injectFault({Simulator::Fault::Kind::DropConnection, "MMEMory:STORe:STATe"}));
    EXPECT_FALSE(backend->saveStateNow(path("old.sta")));
    EXPECT_EQ(QFileInfo(path("old.sta")).size(), size);
    EXPECT_FALSE(messages.filter("Save setup").size());
}

// Refused before the analyzer is asked: its save type stays untouched.
TEST_F(SetupFile, APathTheFileCannotTakeIsRefusedWithItsReason)
{
    writeFile("blocker", QString());
    EXPECT_FALSE(backend->saveStateNow(path("blocker/bench")));
    EXPECT_FALSE(backend->saveStateNow(path("two;commands")));
    EXPECT_EQ(errors.join("; ").toStdString(),
              QString("\"%1\" is not a folder; The path \"%2\" cannot be passed to VNA: it holds a control "
                      "character or \";\"")
                  .arg(QDir::toNativeSeparators(path("blocker")), QDir::toNativeSeparators(path("two;commands.sta")))
                  .toStdString());
    EXPECT_TRUE(saveTypeLines().isEmpty());
    EXPECT_FALSE(messages.filter("Save setup").size());
}

// The query after the save is answered only once the analyzer has carried the save
// out: without its answer the file may still be on its way, and the save fails.
TEST_F(SetupFile, ASaveTheAnalyzerNeverConfirmsFails)
{
    QObject context;
    QObject::connect(&simulator, &Simulator::AnalyzerSimulator::lineReceived, &context,
                     [this](int, const QString& line) {
                         if (line.startsWith("MMEMory:STORe:STATe"))
                             simulator.injectFault({Simulator::Fault::Kind::NoReply, "MMEMory:STORe:STYPe?"});
                     });
    EXPECT_FALSE(backend->saveStateNow(path("unconfirmed")));
    EXPECT_EQ(errors, QStringList{"Cannot read state file: " + path("unconfirmed.sta")});
    EXPECT_FALSE(messages.filter("Save setup").size());
}

TEST_F(SetupFile, RecallRefusesWhatTheAnalyzerCannotHoldAndDefaultsWhatItCannotRead)
{
    writeFile("many.sta", "[NOLT\\Settings]\nSetupCount=1000000\n\n[NOLT\\SetupsInfo]\nMinimumRequiredPortCount=2\n\n");
    writeFile("count.sta", "[NOLT\\Settings]\nSetupCount=3\n\n[NOLT\\Settings\\FixtureSetup0]\nFixtureAPortsCount=2\n\n"
                           "[NOLT\\SetupsInfo]\nMinimumRequiredPortCount=2\n\n");
    writeFile("wide.sta", "[NOLT\\SetupsInfo]\nMinimumRequiredPortCount=9\n\n");
    writeFile("ports.sta",
              "[NOLT\\Settings]\nSetupCount=1\n\n[NOLT\\Settings\\FixtureSetup0]\nFixtureAPortsCount=9\n"
              "FixtureBPortsCount=0\nFixtureAPort0=8\nFixtureBPort0=2\n\n[NOLT\\SetupsInfo]\nMinimumRequiredPortCount=3\n\n");
    // The analyzer's own file, and one of ours cut short inside its first setup.
    ASSERT_TRUE(Simulator::saveStateFile(simulator.model(), path("plain.sta")).isEmpty());
    ASSERT_TRUE(backend->saveStateNow(path("cut.sta")));
    QFile cut(path("cut.sta"));
    ASSERT_TRUE(cut.open(QIODevice::ReadWrite));
    ASSERT_TRUE(cut.resize(cut.readAll().indexOf("FixtureAPort0")));
    cut.close();
    setups()->setCorrectionMethod(MeasureEnums::CorrectionMethod::BISECT);
    setup(0)->leftFixtureConn()->fixture()->setPortsCount(2);
    ASSERT_TRUE(setup(0)->leftFixtureConn()->setAttachedVnaPort(1, 5));
    simulator.clearLog();
    errors.clear();
    const Values before = values();

    const QStringList damaged{"many.sta", "count.sta", "cut.sta"};
    for (const QString& name : damaged)
        EXPECT_FALSE(backend->loadStateNow(path(name))) << name.toStdString();
    EXPECT_FALSE(backend->loadStateNow(path("wide.sta")));
    QStringList expected;
    for (const QString& name : damaged)
        expected << "Cannot recall state file: " + path(name);
    EXPECT_EQ(errors, expected << "Not enough number of ports");
    EXPECT_TRUE(values() == before);
    EXPECT_EQ(setups()->getCount(), 1);
    EXPECT_TRUE(saveTypeLines().isEmpty());

    errors.clear();
    EXPECT_TRUE(backend->loadStateNow(path("ports.sta"))) << errors.join("; ").toStdString();
    EXPECT_EQ(setup(0)->leftFixtureConn()->fixture()->portsCount(), 1u);
    EXPECT_EQ(setup(0)->rightFixtureConn()->fixture()->portsCount(), 1u);
    EXPECT_EQ(setup(0)->leftFixtureConn()->getAttachedVnaPort(0), 0u);
    EXPECT_EQ(setup(0)->rightFixtureConn()->getAttachedVnaPort(0), 2u);
    // A file without a user impedance keeps the one in use, silently.
    EXPECT_EQ(setups()->getUserZ0(), before.userZ0);
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();

    // The analyzer's own file: its state is loaded and the setups take their defaults.
    EXPECT_TRUE(backend->loadStateNow(path("plain.sta"))) << errors.join("; ").toStdString();
    EXPECT_EQ(setups()->getCorrectionMethod(), MeasureEnums::CorrectionMethod::TIME_GATING);
    EXPECT_EQ(setup(0)->leftFixtureConn()->fixture()->portsCount(), 1u);
    EXPECT_EQ(setup(0)->rightFixtureConn()->getAttachedVnaPort(0), 0u);

    // With the link down the port count is unknown, and no file passes.
    simulator.close();
    ASSERT_TRUE(waitFor([this] { return !backend->getVnaDevice()->portsCount(); }));
    errors.clear();
    EXPECT_FALSE(backend->loadStateNow(path("ports.sta")));
    EXPECT_EQ(errors, QStringList{"Not enough number of ports"});
}

TEST_F(SetupFile, TheSectionsAfterTheAnalyzersContentHoldEveryKeyAsWritten)
{
    setups()->setCorrectionMethod(MeasureEnums::CorrectionMethod::BISECT);
    setups()->setZ0ConversionType(MeasureEnums::Z0Conversion::User);
    setups()->setUserZ0(42.5);
    backend->getSetupVnaTable()->setLowPassCheck(false);
    NoltAlgorithmsSetup* only = setup(0);
    only->leftFixtureConn()->fixture()->setPortsCount(2);
    only->setAaConnectionEnabled(true);
    // Analyzer ports 0 to 3 only: four are needed, whatever the fixtures' sizes.
    for (const auto& [connection, row, port] : std::vector<std::tuple<VNAFixtureConnection*, int, uint>>{
             {only->leftFixtureConn(), 0, 0},    {only->leftFixtureConn(), 1, 3},
             {only->rightFixtureConn(), 0, 1},   {only->leftFixtureAuxConn(), 0, 1},
             {only->leftFixtureAuxConn(), 1, 2}, {only->rightFixtureAuxConn(), 0, 0}})
        ASSERT_TRUE(connection->setAttachedVnaPort(row, port));

    ASSERT_TRUE(backend->saveStateNow(path("bench"))) << errors.join("; ").toStdString();
    QFile file(path("bench.sta"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    file.close();
    EXPECT_EQ(content.mid(content.indexOf("[NOLT\\Settings]")).toStdString(),
              "[NOLT\\Settings]\n"
              "SetupCount=1\n"
              "MeasureMethod=BISECT\n"
              "LowPassCheck=false\n"
              "Z0ConversionType=User\n"
              "UserZ0=42.5\n"
              "\n"
              "[NOLT\\Settings\\FixtureSetup0]\n"
              "FixtureAEnabled=true\n"
              "FixtureAPortsCount=2\n"
              "FixtureBEnabled=true\n"
              "FixtureBPortsCount=1\n"
              "ABEnabled=false\n"
              "AAuxEnabled=true\n"
              "BAuxEnabled=false\n"
              "DutEnabled=false\n"
              "FixtureAPort0=0\n"
              "FixtureAPort1=3\n"
              "FixtureBPort0=1\n"
              "FixtureAAuxPort0=1\n"
              "FixtureAAuxPort1=2\n"
              "FixtureBAuxPort0=0\n"
              "\n"
              "[NOLT\\SetupsInfo]\n"
              "MinimumRequiredPortCount=4\n"
              "\n");

    // An analyzer of exactly the required count takes the file back.
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QByteArray(content).replace("MinimumRequiredPortCount=4", "MinimumRequiredPortCount=8"));
    file.close();
    EXPECT_TRUE(backend->loadStateNow(path("bench.sta"))) << errors.join("; ").toStdString();
    EXPECT_EQ(setup(0)->leftFixtureAuxConn()->getAttachedVnaPort(1), 2u);
}

// A recall that restores the method and cabling the results were measured with keeps
// them; one that changes both clears them, with one notice for the recall: the method
// comes first in a setup file, and the results are gone by the time the ports change.
TEST_F(SetupFile, ARecallKeepsTheResultsOfTheConditionsItRestoresAndClearsOthers)
{
    setups()->setCorrectionMethod(MeasureEnums::CorrectionMethod::FILTERING);
    auto* thru = qobject_cast<TransmissionStep*>(setup(0)->steps().at(0).get());
    ASSERT_TRUE(thru);
    ASSERT_TRUE(thru->measureFromVna());
    ASSERT_TRUE(waitFor([thru] { return thru->thruMeasured() == MeasureEnums::MeasureStatus::MEASURED; }))
        << errors.join("; ").toStdString();
    ASSERT_TRUE(backend->saveStateNow(path("measured.sta"))) << errors.join("; ").toStdString();
    QFile file(path("measured.sta"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    file.close();
    QFile other(path("other.sta"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write(QByteArray(content)
                    .replace("MeasureMethod=FILTERING", "MeasureMethod=BISECT")
                    .replace("FixtureAPort0=0", "FixtureAPort0=2"));
    other.close();
    const QString cleared =
        "Results measured with another correction method were cleared: measure the fixtures again";

    ASSERT_TRUE(backend->loadStateNow(path("measured.sta"))) << errors.join("; ").toStdString();
    ASSERT_TRUE(backend->loadStateNow(path("measured.sta"))) << errors.join("; ").toStdString();
    // A clear would run on the worker, before this.
    std::atomic<bool> workerPassed{false};
    backend->getBackendWorker()->post([&workerPassed] { workerPassed = true; });
    ASSERT_TRUE(waitFor([&workerPassed] { return workerPassed.load(); }));
    QCoreApplication::processEvents();
    EXPECT_EQ(thru->thruMeasured(), MeasureEnums::MeasureStatus::MEASURED);
    EXPECT_TRUE(messages.filter("were cleared").isEmpty()) << messages.join("; ").toStdString();

    ASSERT_TRUE(backend->loadStateNow(path("other.sta"))) << errors.join("; ").toStdString();
    EXPECT_TRUE(waitFor([this, thru] {
        return thru->thruMeasured() == MeasureEnums::MeasureStatus::NONE && !messages.filter("were cleared").isEmpty();
    }));
    QCoreApplication::processEvents();
    EXPECT_EQ(setups()->getCorrectionMethod(), MeasureEnums::CorrectionMethod::BISECT);
    EXPECT_EQ(setup(0)->leftFixtureConn()->getAttachedVnaPort(0), 2u);
    EXPECT_EQ(messages.filter("were cleared"), QStringList{cleared});
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
}

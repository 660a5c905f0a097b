#include "analyzer/files/TouchstoneIO.h"
#include "app/exports/TouchstoneRecords.h"
#include "app/startup/InterfaceRegistration.h"
#include "app/startup/Localization.h"
#include "measurement/progress/ProgressManager.h"
#include "measurement/steps/TransmissionStep.h"
#include "simulator/physics/ExampleFixtures.h"
#include "simulator/physics/FrequencyGrid.h"
#include "simulator/physics/Standards.h"
#include "tests/app/support/BackendSession.h"

#include <QFileInfo>

namespace {

// The long operations on a setup that has measured nothing yet.
class OperationOutcomes : public BackendSession
{
protected:
    void SetUp() override
    {
        BackendSession::SetUp();
        startBackend();
        ASSERT_TRUE(waitForAssignedPorts(2));
    }

    QString path(const QString& name) const { return workingDirectory.filePath(name); }
};

// The four saves, each into a file named in the folder; "Save the raw data" is the row of its own save.
std::vector<std::pair<QString, std::function<bool()>>> savesInto(MainQmlBackend* backend, const QString& folder)
{
    return {
        {"Save test mode parameters", [backend, folder] { return backend->saveTestModeFilesNow(folder + "/bench"); }},
        {"Save the raw data", [backend, folder] { return backend->saveRawDataFilesNow(folder + "/raw"); }},
        {"Save correction", [backend, folder] { return backend->saveCorrectionFilesNow(folder + "/fixture"); }},
        {"Save setup", [backend, folder] { return backend->saveStateNow(folder + "/setup"); }},
    };
}

} // namespace

TEST_F(OperationOutcomes, AFailedOperationReportsItsErrorAndNoSuccess)
{
    const QString noData = QStringLiteral("There is no calculated data");
    const std::vector<std::pair<const char*, std::function<bool()>>> operations{
        {"test-mode files", [this] { return backend->saveTestModeFilesNow(path("bench")); }},
        {"raw data", [this] { return backend->saveRawDataFilesNow(path("raw")); }},
        {"correction files", [this] { return backend->saveCorrectionFilesNow(path("fixture")); }},
        {"correction", [this] { return backend->applyCorrectionNow(); }},
        {"setup save", [this] { return backend->saveStateNow(path("line\nbreak")); }},
        {"setup recall", [this] { return backend->loadStateNow(path("missing.sta")); }},
    };
    for (const auto& [name, operation] : operations) {
        errors.clear();
        messages.clear();
        EXPECT_FALSE(operation()) << name;
        EXPECT_FALSE(errors.isEmpty()) << name;
        EXPECT_TRUE(messages.isEmpty()) << name << ": " << messages.join("; ").toStdString();
    }

    // The test-mode files still hold the parameters, but the save as a whole failed once.
    errors.clear();
    messages.clear();
    EXPECT_FALSE(backend->saveTestModeFilesNow(path("again")));
    EXPECT_EQ(errors.join("; ").toStdString(), noData.toStdString());
    EXPECT_TRUE(QFile::exists(path("again_ParametersTestMode.ini")));
}

TEST_F(OperationOutcomes, APresetReportsOneSuccess)
{
    EXPECT_TRUE(backend->presetNow());
    EXPECT_EQ(messages.join("; ").toStdString(), "Plug-in preset was performed");
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
}

// A folder that exists but takes no new file, for an administrator too: the kernel's
// own file system refuses every new name. A missing folder is never made: every save
// refuses it alike.
TEST_F(OperationOutcomes, ASaveIntoAFolderThatCannotTakeItsFilesSaysWhyOnceAndItsRowReadsFailed)
{
    if (!QFileInfo(QStringLiteral("/sys")).isDir())
        GTEST_SKIP() << "no kernel file system at /sys";
    const QString file = path("thru.s2p");
    const auto grid = Simulator::Physics::lowPassGrid(50e6, 200);
    ASSERT_TRUE(TouchstoneIO().write(file, twoPortTouchstone(Simulator::Physics::twoXThru(
                                                                 Simulator::Physics::exampleLeftHalf(),
                                                                 Simulator::Physics::exampleRightHalf(), grid),
                                                             50.0)));
    auto* thru = qobject_cast<TransmissionStep*>(setup(0)->steps().at(0).get());
    ASSERT_TRUE(thru);
    thru->measureFromTouchstoneFile(file);
    ASSERT_TRUE(waitFor([thru] { return thru->thruMeasured() == MeasureEnums::MeasureStatus::MEASURED; }))
        << errors.join("; ").toStdString();

    const QString missing = path("missing");
    // The kernel's reason may differ between systems (a read-only mount, for one).
    const std::vector<std::pair<QString, QRegularExpression>> folders{
        {"/sys", QRegularExpression("^The folder \"/sys\" cannot be written: \\w.*$")},
        {missing, QRegularExpression(QString("^The folder \"%1\" does not exist$")
                                         .arg(QRegularExpression::escape(QDir::toNativeSeparators(missing))))},
    };
    QAbstractItemModel* rows = backend->getProgressManager()->model();
    for (const auto& [folder, reason] : folders) {
        for (const auto& [title, save] : savesInto(backend.get(), folder)) {
            SCOPED_TRACE((title + " into " + folder).toStdString());
            errors.clear();
            messages.clear();
            EXPECT_FALSE(save());
            ASSERT_EQ(errors.size(), 1) << errors.join("; ").toStdString();
            EXPECT_TRUE(reason.match(errors.front()).hasMatch()) << errors.front().toStdString();
            EXPECT_TRUE(messages.isEmpty()) << messages.join("; ").toStdString();
            EXPECT_FALSE(QFileInfo::exists(missing));

            ProgressWatcher* row = nullptr;
            for (int i = 0; i < rows->rowCount(); ++i) {
                auto* watcher = rows->data(rows->index(i, 0), details::Base::ValueRole).value<ProgressWatcher*>();
                if (watcher->name() == title)
                    row = watcher;
            }
            ASSERT_TRUE(row);
            EXPECT_TRUE(row->isFailed());
        }
    }
}

// Qt passes the system's reasons on in the system's words; the common ones read in the user's language.
TEST_F(OperationOutcomes, AFolderThatCannotBeWrittenSaysWhyInRussian)
{
    if (!QFileInfo(QStringLiteral("/sys")).isDir())
        GTEST_SKIP() << "no kernel file system at /sys";
    Startup::initPageResources();
    Startup::Localization russian;
    ASSERT_TRUE(russian.parse({QStringLiteral("nolt"), QStringLiteral("-r")}));
    russian.install();
    EXPECT_FALSE(backend->saveStateNow(QStringLiteral("/sys/setup")));
    ASSERT_EQ(errors.size(), 1) << errors.join("; ").toStdString();
    const QRegularExpression wholeRussian("^В папку «/sys» нельзя записать: [А-Яа-я][А-Яа-я ]+$");
    EXPECT_TRUE(wholeRussian.match(errors.front()).hasMatch()) << errors.front().toStdString();
}

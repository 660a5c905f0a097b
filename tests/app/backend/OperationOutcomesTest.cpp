#include "tests/app/support/BackendSession.h"

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

#include "app/correction/CorrectionApplier.h"

#include "analyzer/facade/SyncedVnaDevice.h"
#include "app/exports/ExportTexts.h"
#include "measurement/progress/TaskProgress.h"

#include <QCoreApplication>

CorrectionApplier::CorrectionApplier(SyncedVnaDevice* device, WorkerThread* backendWorker, ErrorSink reportError)
    : m_device(device)
    , m_reportError(reportError)
    , m_writer(device, backendWorker, reportError)
{
}

bool CorrectionApplier::apply(const std::vector<FixtureHalves>& setups, const QString& filePrefix,
                              TaskProgress& task)
{
    const auto files = writeFiles(setups, filePrefix, task);
    return files && sendAndConfirm(*files);
}

std::optional<std::vector<WrittenCorrectionFile>> CorrectionApplier::writeFiles(
    const std::vector<FixtureHalves>& setups, const QString& filePrefix, TaskProgress& task)
{
    if (setups.empty()) {
        m_reportError(ExportTexts::noCalculatedData());
        return std::nullopt;
    }
    std::vector<WrittenCorrectionFile> files;
    for (const FixtureHalves& setup : setups) {
        if (!setup.leftEnabled && !setup.rightEnabled) {
            m_reportError(ExportTexts::noCalculatedData());
            return std::nullopt;
        }
        for (auto [enabled, connection] : {std::pair{setup.leftEnabled, setup.left}, {setup.rightEnabled, setup.right}}) {
            if (!enabled)
                continue;
            const auto written = m_writer.write(filePrefix, connection);
            if (!written)
                return std::nullopt;
            files.insert(files.end(), written->begin(), written->end());
        }
        task.nextStep();
    }
    return files;
}

bool CorrectionApplier::sendAndConfirm(const std::vector<WrittenCorrectionFile>& files)
{
    QStringList refusals;
    bool linkLost = false;
    QObject watch;
    QObject::connect(m_device, &SyncedVnaDevice::error, &watch, [&refusals](const QString& text) { refusals << text; });
    QObject::connect(m_device, &SyncedVnaDevice::stateChanged, &watch, [&linkLost](QAbstractSocket::SocketState state) {
        linkLost = linkLost || state != QAbstractSocket::ConnectedState;
    });

    for (const WrittenCorrectionFile& file : files) {
        m_device->setImpedance(file.port, file.impedance);
        m_device->setDeembeddingState(file.port, false);
        m_device->setDeembeddingFile(file.port, file.filePath);
    }
    m_device->setDeembeddingState(true);
    m_device->setFixtureSimulationState(true);

    const bool answered = m_device->callAndWait(&SyncedVnaDevice::refresh);
    // Link errors and state changes of the commands are queued ahead of the refresh's report.
    QCoreApplication::processEvents();
    if (answered && !linkLost && refusals.isEmpty())
        return true;

    QString text = QCoreApplication::translate("MainQmlBackend", "VNA did not take the correction");
    if (!refusals.isEmpty())
        text += ": " + refusals.join("; ");
    m_reportError(text);
    return false;
}

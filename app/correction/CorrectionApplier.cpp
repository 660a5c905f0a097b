#include "app/correction/CorrectionApplier.h"

#include "analyzer/facade/SyncedVnaDevice.h"

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
    const auto files = m_writer.write(filePrefix, setups, task);
    return files && sendAndConfirm(*files);
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

#include "app/exports/TestModeExport.h"

#include "analyzer/files/ColumnFileWriter.h"
#include "analyzer/files/TouchstoneIO.h"
#include "app/exports/ExportTexts.h"
#include "app/exports/PortResults.h"
#include "app/exports/TouchstoneRecords.h"
#include "measurement/progress/TaskProgress.h"
#include "measurement/setups/NoltAlgorithmsSetup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <cmath>

TestModeExport::TestModeExport(WorkerThread* backendWorker, ErrorSink reportError)
    : m_worker(backendWorker)
    , m_reportError(std::move(reportError))
{
}

void TestModeExport::fail(const QString& text)
{
    m_reportError(text);
    m_allWritten = false;
}

bool TestModeExport::run(const QString& prefix, const std::vector<TableModelRow>& parameters,
                         const NoltAlgorithmsSetup* setup, TaskProgress& task, const RawDataExport& exportRawData)
{
    m_allWritten = writeParameters(prefix, parameters, task);
    if (!setup)
        return m_allWritten;
    if (!setup->leftFixtureEnabled() && !setup->rightFixtureEnabled()) {
        fail(ExportTexts::noCalculatedData());
        return false;
    }
    exportRawData(prefix);

    const QString kind = setup->abThruConnectionEnabled() ? QStringLiteral("Transmission") : QStringLiteral("Reflect");
    ColumnFileWriter impulse("txt", "ImpulseResponse", "!", "# " + kind + " Length", true);
    ColumnFileWriter step("txt", "StepResponse", "!", "# " + kind + " Impedance", true);
    ColumnFileWriter gating("txt", "Gating", "!", "# " + kind + " Gating", true);

    for (auto [enabled, connection] : {std::pair{setup->leftFixtureEnabled(), setup->leftFixtureConn()},
                                       {setup->rightFixtureEnabled(), setup->rightFixtureConn()}}) {
        const auto ports = connection->measuredPorts();
        if (!enabled || ports.empty())
            continue;
        const auto results = readPortResults(m_worker, {ports.front()});
        if (!results) {
            // The worker was stopped or cleared: the files would lack this fixture.
            fail(ExportTexts::noCalculatedData());
            return false;
        }
        const PortResult& port = results->front();
        const QString name = connection->fixture()->name();
        if (port.impulseResponse && impulse.addColumn(port.impulseResponse->times)
            && impulse.addColumn(port.impulseResponse->values)) {
            impulse.appendHeader(" s RI");
            impulse.appendComment(" t" + name + " L" + name);
        }
        if (port.stepResponse && step.addColumn(port.stepResponse->times) && step.addColumn(port.stepResponse->values)) {
            step.appendHeader(" s Ohm");
            step.appendComment(" t" + name + " Z" + name);
        }
        if (port.gating && gating.addColumn(port.gating->times) && gating.addColumn(port.gating->values)) {
            gating.appendHeader(" s RI");
            gating.appendComment(" t" + name + " L" + name);
        }
        if (port.sParameters) {
            // A file read at 0 ohm would be wrong: without a reference impedance there is no file.
            if (!port.z0 || !std::isfinite(*port.z0) || *port.z0 <= 0.0)
                fail(ExportTexts::unknownReferenceImpedance());
            else if (const QString file = prefix + "_SParameters" + name;
                     !TouchstoneIO().write(file, twoPortTouchstone(*port.sParameters, *port.z0)))
                fail(ExportTexts::fileCannotBeCreated(file));
        }
    }
    for (const ColumnFileWriter* table : {&impulse, &step, &gating}) {
        if (!table->columns().empty() && !table->write(prefix))
            fail(ExportTexts::fileCannotBeCreated(prefix));
    }
    return m_allWritten;
}

bool TestModeExport::writeParameters(const QString& prefix, const std::vector<TableModelRow>& parameters,
                                     TaskProgress& task)
{
    task.setProgressRange(0, static_cast<int>(parameters.size()));
    const QString path = prefix + "_ParametersTestMode.ini";
    // Settings files make a missing folder; like every other save, this one refuses it.
    if (!QFileInfo(path).absoluteDir().exists()) {
        m_reportError(ExportTexts::fileCannotBeCreated(path));
        return false;
    }
    QSettings file(path, QSettings::IniFormat);
    file.beginGroup(QStringLiteral("PARAMETERS"));
    // The file reads alike in every language; the progress speaks the user's.
    for (const TableModelRow& row : parameters) {
        file.setValue(row.exportedKey().replace(' ', '_'), row.exportedValue());
        task.nextStep(QCoreApplication::translate("TestModeExport", "%1 saved").arg(row.name()));
    }
    file.endGroup();
    file.sync();
    if (file.status() != QSettings::NoError) {
        m_reportError(ExportTexts::fileCannotBeCreated(path));
        return false;
    }
    return true;
}

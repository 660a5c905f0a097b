#include "app/exports/RawDataExport.h"

#include "analyzer/files/TouchstoneIO.h"
#include "app/exports/ExportTexts.h"
#include "app/exports/TouchstoneRecords.h"
#include "measurement/connections/ConnectionReflect.h"
#include "measurement/connections/ConnectionTransmisson.h"
#include "measurement/steps/DutStep.h"
#include "measurement/steps/ReflectionStep.h"
#include "measurement/steps/TransmissionStep.h"

namespace {

bool hasRows(const VNAFixtureConnection* connection)
{
    return connection && !connection->measuredPorts().empty();
}

// The fixture a DUT step's raw data refers to: the left one of a thru.
VNAFixtureConnection* dutReference(ConnectionBase* connection)
{
    if (auto* thru = qobject_cast<ConnectionTransmisson*>(connection))
        return thru->left();
    if (auto* reflect = qobject_cast<ConnectionReflect*>(connection))
        return reflect->fixt();
    return nullptr;
}

} // namespace

RawDataExport::RawDataExport(ErrorSink reportError)
    : m_reportError(std::move(reportError))
{
}

bool RawDataExport::run(const QString& prefix, const std::vector<SetupSteps>& setups)
{
    m_allWritten = true;
    if (setups.empty()) {
        m_reportError(ExportTexts::noCalculatedData());
        return false;
    }
    for (const SetupSteps& steps : setups) {
        for (std::size_t i = 0; i < steps.size(); ++i) {
            if (!exportStep(prefix, static_cast<int>(i) + 1, steps[i].get())) {
                m_reportError(ExportTexts::noCalculatedData());
                return false;
            }
        }
    }
    return m_allWritten;
}

bool RawDataExport::exportStep(const QString& prefix, int k, Step* step)
{
    const QString number = QString::number(k);
    if (auto* thru = qobject_cast<TransmissionStep*>(step)) {
        auto* connection = qobject_cast<ConnectionTransmisson*>(thru->connection());
        VNAFixtureConnection* reference = connection ? connection->left() : nullptr;
        if (!hasRows(reference) || !thru->thruMeasurer())
            return false;
        const auto records = twoPortRawData(thru->thruMeasurer()->rawData());
        if (!records || records->size() < 3)
            return false;
        writeFile(prefix + "_Transmission_Step" + number, records, reference);
        return true;
    }
    if (auto* reflect = qobject_cast<ReflectionStep*>(step)) {
        auto* connection = qobject_cast<ConnectionReflect*>(reflect->connection());
        VNAFixtureConnection* reference = connection ? connection->fixt() : nullptr;
        if (!hasRows(reference) || !reflect->measurer())
            return false;
        // A standard that the last calculation did not use has no data and no file.
        writeFile(prefix + "_OpenRawData_Step" + number, onePortRawData(reflect->measurer()->openRawData()),
                  reference);
        writeFile(prefix + "_ShortRawData_Step" + number, onePortRawData(reflect->measurer()->shortRawData()),
                  reference);
        return true;
    }
    if (auto* dut = qobject_cast<DutStep*>(step)) {
        VNAFixtureConnection* reference = dutReference(dut->connection());
        if (dut->measurers().empty() || !hasRows(reference))
            return false;
        std::vector<Algorithms::SParametersOnePortVNA> joined;
        for (const DutMeasurer* measurer : dut->measurers()) {
            const auto sets = measurer->rawData();
            joined.insert(joined.end(), sets.begin(), sets.end());
        }
        if (!joined.empty())
            writeFile(prefix + "_DutRawData_Step" + number, onePortRawData(joined), reference);
        return true;
    }
    return true;
}

void RawDataExport::writeFile(const QString& name, const std::optional<std::vector<TouchstoneRecord>>& records,
                              const VNAFixtureConnection* reference)
{
    if (!records || records->empty())
        return;
    TouchstoneData data;
    data.records = *records;
    data.unit = TouchstoneData::GHZ;
    data.parameter = TouchstoneData::S;
    data.format = TouchstoneData::RI;
    data.portCount = static_cast<int>(records->front().N);
    // The impedance the first fixture port was measured with, exactly as measured.
    data.R = reference->measuredPorts().front()->z0Port();
    TouchstoneIO io;
    io.setOverwriteAllowed(false);
    if (!io.write(name, data)) {
        m_reportError(ExportTexts::fileCannotBeCreated(name));
        m_allWritten = false;
    }
}

#pragma once

#include "analyzer/files/TouchstoneData.h"
#include "measurement/steps/Step.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class VNAFixtureConnection;

// The measured standards of every step as Touchstone files on analyzer port
// indices: prefix + "_Transmission_Step" + k for a 2x-thru, "_OpenRawData_Step",
// "_ShortRawData_Step" for reflect standards and "_DutRawData_Step" for a DUT,
// k counting the steps of each setup from 1. Existing files are kept: a new name
// gets "(1)", "(2)", ... before its extension.
class RawDataExport
{
public:
    using ErrorSink = std::function<void(const QString&)>;
    using SetupSteps = std::vector<std::shared_ptr<Step>>;

    explicit RawDataExport(ErrorSink reportError);

    // True when every file was written. A step without data stops the export with
    // "There is no calculated data"; a file that cannot be written is reported and
    // the export goes on with the next one.
    bool run(const QString& prefix, const std::vector<SetupSteps>& setups);

private:
    // False when the step has no data to export.
    bool exportStep(const QString& prefix, int k, Step* step);
    void writeFile(const QString& name, const std::optional<std::vector<TouchstoneRecord>>& records,
                   const VNAFixtureConnection* reference);

    ErrorSink m_reportError;
    bool m_allWritten = true;
};

#pragma once

#include "analyzer/threading/WaitForResult.h"
#include "measurement/steps/TransmissionStep.h"
#include "simulator/physics/ScatteringSets.h"
#include "tests/measurement/steps/StepSession.h"

#include <QTemporaryDir>

#include <complex>
#include <optional>
#include <vector>

// A 2x-thru of the simulator's example fixture halves, measured by a thru step
// on analyzer ports 1 and 2 with the time-gating method and no impedance
// conversion, and a temporary directory for the files written from it.
class MeasuredThruSession : public StepSession
{
protected:
    void SetUp() override
    {
        StepSession::SetUp();
        ASSERT_TRUE(files.isValid());
    }

    std::shared_ptr<TransmissionStep> measureThru()
    {
        auto step = keep(makeLaterDeleted<TransmissionStep>(thruConnection(), left, right, device.get(), &worker,
                                                            &progress));
        step->setConversionT(Algorithms::Z0ConversionType::None);
        EXPECT_TRUE(step->measureFromVna());
        drain();
        EXPECT_EQ(step->thruMeasured(), MeasureEnums::MeasureStatus::MEASURED) << errors.join("; ").toStdString();
        return step;
    }

    // What the analyzer measures now for the pairs (receiving, driven), 0-based.
    std::vector<std::vector<std::complex<double>>> measureNow(std::vector<SyncedVnaDevice::PortPair> pairs)
    {
        const auto traces = waitForResult<std::optional<std::vector<SyncedVnaDevice::Trace>>>(
            [&](auto callback) { device->measure(pairs, callback); });
        return traces.value_or(std::vector<SyncedVnaDevice::Trace>{});
    }

    // The analyzer's wire lines since the last clearLog() that start with one of the headers.
    QStringList linesStartingWith(const QStringList& headers) const
    {
        QStringList found;
        for (const QString& line : allLines()) {
            for (const QString& header : headers) {
                if (line.startsWith(header))
                    found << line;
            }
        }
        return found;
    }

    QString prefix() const { return files.filePath("deembed-"); }

    QTemporaryDir files;
};

#pragma once

#include "engine/processes/reflect/MaxSignalEliminationType.h"
#include "engine/processes/reflect/ReflectProcess.h"
#include "engine/sparameters/SParametersOnePortVNA.h"
#include "measurement/enums/MeasureEnums.h"
#include "measurement/measurers/BaseMeasurer.h"
#include "measurement/measurers/DraftPort.h"
#include "measurement/measurers/FixtureRows.h"
#include "measurement/measurers/SDataMeasurer.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

class ConnectionReflect;
class SourceReader;

// Measures the open and short standards of one fixture and, once the standards
// its state asks for are there, computes the fixture with one process per port.
class ReflectionMeasurer : public BaseMeasurer
{
    Q_OBJECT
    Q_PROPERTY(MeasureEnums::FixturePossibleState state READ state WRITE setState NOTIFY stateChanged)
    Q_PROPERTY(BaseMeasurer::Status openStatus READ openStatus NOTIFY openStatusChanged)
    Q_PROPERTY(BaseMeasurer::Status shortStatus READ shortStatus NOTIFY shortStatusChanged)

public:
    enum class Standard { Open, Short };

    // What one measurement works on, taken on the GUI thread; the caller keeps the
    // connection alive until the measurement ends. The rows become the writer's
    // once the calculation writes them.
    struct Target
    {
        ConnectionReflect* connection = nullptr;
        FixtureRows rows;
        std::uint64_t writer = 0;
    };

    explicit ReflectionMeasurer(SyncedVnaDevice* device, QObject* parent = nullptr);

    MeasureEnums::FixturePossibleState state() const { return m_state; }
    void setState(MeasureEnums::FixturePossibleState state);
    Algorithms::MaxSignalEliminationType signalType() const { return m_signalType; }
    void setSignalType(Algorithms::MaxSignalEliminationType type);

    Status openStatus() const { return m_open.status(); }
    Status shortStatus() const { return m_short.status(); }
    Status calculatingStatus() const { return static_cast<Status>(m_calculatingStatus.load()); }
    // A standard or the calculation has a status other than not measured.
    bool hasResults() const;
    // The one-port data of the last calculation, per port, for the raw-data export.
    std::vector<Algorithms::SParametersOnePortVNA> openRawData() const;
    std::vector<Algorithms::SParametersOnePortVNA> shortRawData() const;

    // The fixture calculated aside from its rows.
    struct Calculation
    {
        struct Row
        {
            std::shared_ptr<Algorithms::ReflectProcess> process;
            DraftPort port;
        };
        std::vector<Row> rows;
        std::vector<Algorithms::SParametersOnePortVNA> openRawData;
        std::vector<Algorithms::SParametersOnePortVNA> shortRawData;
    };
    // A standard read and, when the state asks for it, the fixture calculated with it: not
    // yet the measurement.
    struct Reading
    {
        Standard standard = Standard::Open;
        SDataMeasurer::Data data;
        std::optional<Calculation> calculation;
    };
    enum class Outcome { Refused, Stored, Calculated };

    // On the worker: reads the standard and calculates when the state allows, aside. A
    // reading or calculation that fails or is cut short by a cancel gives nothing, and the
    // earlier standards, calculation and results stay as they were.
    std::optional<Reading> read(Standard standard, SourceReader& source, TaskProgress& task, const Target& target);
    // On the worker: the reading becomes the measurement: its standard, and its calculation
    // (results, processes, raw data, status) when it has one.
    Outcome putInPlace(Reading reading, const Target& target);
    Outcome measure(Standard standard, SourceReader& source, TaskProgress& task, const Target& target);
    // On the worker: a calculation belongs to the fixture ports it ran on, so a measurement
    // on new ports starts without one; the standards stay.
    void dropCalculation();
    void reset() override;

signals:
    void signalTypeChanged();
    void stateChanged();
    void calculatingStatusChanged(BaseMeasurer::Status st);
    void openStatusChanged(BaseMeasurer::Status st);
    void shortStatusChanged(BaseMeasurer::Status st);

private:
    // Whether a measured standard leads to a calculation: the state asks for it alone, or
    // for both and the other one is there.
    bool calculatesWith(Standard standard) const;
    // Why the calculation would refuse the standard just read on this grid; empty when none.
    QString gridProblem(Standard standard, const std::vector<double>& frequencies) const;
    // The fixture calculated aside with the standard just read and the other one as it
    // stands; nothing, with the reason in `failure` (when there is one), when it failed or a
    // cancel came.
    std::optional<Calculation> calculate(SourceReader& source, const Target& target, Standard standard,
                                         const SDataMeasurer::Data& data, QString& failure);
    void setCalculatingStatus(Status status);
    void dropRawData();

    std::atomic<MeasureEnums::FixturePossibleState> m_state{MeasureEnums::FixturePossibleState::OPEN};
    std::atomic<Algorithms::MaxSignalEliminationType> m_signalType{
        Algorithms::MaxSignalEliminationType::ExponentialFit};
    std::atomic<int> m_calculatingStatus{NotMeasured};
    SDataMeasurer m_open;
    SDataMeasurer m_short;
    mutable std::mutex m_rawDataMutex;
    std::vector<Algorithms::SParametersOnePortVNA> m_openRawData;
    std::vector<Algorithms::SParametersOnePortVNA> m_shortRawData;
};

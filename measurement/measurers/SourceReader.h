#pragma once

#include "analyzer/files/TouchstoneData.h"
#include "analyzer/files/TouchstoneReadIssue.h"
#include "analyzer/source/MeasurementSource.h"

#include <QCoreApplication>
#include <QString>

#include <atomic>
#include <memory>
#include <optional>
#include <vector>

class SyncedVnaDevice;

// What one measurement reads its standard from: the analyzer, through the
// measurement source, or a Touchstone file. The file is parsed once per reader,
// on first use: a thru of n port pairs asks for the grid, 2n impedances and 4n
// columns, and parsing a large file for each of them would dominate the run.
// Used on one thread (the backend worker).
class SourceReader
{
    Q_DECLARE_TR_FUNCTIONS(SourceReader)

public:
    using PortPair = MeasurementSource::PortPair;
    using Values = MeasurementSource::Values;

    // `cancelled` (when given) is set, on any thread, once the measurement is cancelled:
    // no sweep is made from then on, and one under way reads as cut short.
    explicit SourceReader(SyncedVnaDevice* device, std::shared_ptr<const std::atomic<bool>> cancelled = {});
    explicit SourceReader(QString filePath);

    bool isAnalyzer() const { return m_device != nullptr; }
    // The ports the data can have: the analyzer's reported count, or the count of
    // the file name's suffix; no value while unknown.
    std::optional<uint> portCount() const;
    // For a file: why it cannot serve a measurement that reads these analyzer ports
    // (0-based), naming the file and, where there is one, the line; no value when it
    // can, and always for the analyzer. Reads the whole file.
    std::optional<QString> fileProblem(const std::vector<uint>& analyzerPorts);

    std::optional<std::vector<double>> frequencies();
    // No value for an impedance that is not finite and positive.
    std::optional<double> portImpedance(uint port);
    // S(i, j) for each pair, in pair order; on the analyzer one sweep measures them all.
    std::optional<std::vector<Values>> sParameters(const std::vector<PortPair>& pairs);

private:
    const TouchstoneData* file();

    bool isCancelled() const { return m_cancelled && *m_cancelled; }

    SyncedVnaDevice* m_device = nullptr;
    std::shared_ptr<const std::atomic<bool>> m_cancelled;
    MeasurementSource m_source;
    QString m_filePath;
    bool m_fileRead = false;
    std::optional<TouchstoneData> m_file;
    TouchstoneReadIssue m_fileIssue;
};

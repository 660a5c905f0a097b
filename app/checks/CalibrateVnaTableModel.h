#pragma once

#include "app/checks/BaseDeviceVnaTableModel.h"

#include <QSet>

#include <cstdint>

// Wizard step 4: judges the analyzer's calibration against the analyzer ports
// that the fixtures are connected to.
class CalibrateVnaTableModel : public BaseDeviceVnaTableModel
{
    Q_OBJECT

public:
    enum Row {
        CalibrationRow = 1,
        InterpolatedRow,
        ExtrapolatedRow,
        CalibratedPortsRow,
        ImpedanceRow,
    };

    explicit CalibrateVnaTableModel(SyncedVnaDevice* device, QObject* parent = nullptr);

public slots:
    // The number of ports that the calibration must cover.
    void changeRecommendedPortsCount(uint32_t count);
    // The 0-based analyzer ports that must be calibrated; their number becomes
    // the required port count as well.
    void changeRecommendedPorts(QSet<uint32_t> ports);

private:
    void addCalibrationRow();
    void addCorrectionStateRow(const QString& name, std::optional<bool> (SyncedVnaDevice::*state)() const);
    void addCalibratedPortsRow();
    void addImpedanceRow();
    void requirePortCount(uint32_t count);
};

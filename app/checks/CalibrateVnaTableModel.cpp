#include "app/checks/CalibrateVnaTableModel.h"

#include "analyzer/facade/SyncedVnaDevice.h"
#include "app/tables/TableRegistration.h"

#include <QStringList>

#include <algorithm>

using CoreMeasureEnums::RecommendedResult;

namespace {

// The analyzer names full calibrations of 1 to 4 ports.
constexpr uint32_t MostFullyCalibratedPorts = 4;

// The number of ports of a full calibration; 0 for any other type.
uint32_t fullCalibrationPorts(VNADevice::CalibrationType type)
{
    switch (type) {
    case VNADevice::Solt1:
        return 1;
    case VNADevice::Solt2:
        return 2;
    case VNADevice::Solt3:
        return 3;
    case VNADevice::Solt4:
        return 4;
    default:
        return 0;
    }
}

QString portList(std::vector<double> ports)
{
    QStringList texts;
    for (const double port : ports)
        texts << QString::number(port + 1.0, 'g', 6);
    return texts.join(QStringLiteral(", "));
}

} // namespace

CalibrateVnaTableModel::CalibrateVnaTableModel(SyncedVnaDevice* device, QObject* parent)
    : BaseDeviceVnaTableModel(device, parent)
{
    registerTableType<CalibrateVnaTableModel>("CalibrateVnaTable", "cv_table_model");
    addCalibrationRow();
    addCorrectionStateRow(tr("Interpolated"), &SyncedVnaDevice::isInterpolated);
    addCorrectionStateRow(tr("Extrapolated"), &SyncedVnaDevice::isExtrapolated);
    addCalibratedPortsRow();
    addImpedanceRow();
    requirePortCount(2);

    refreshOn(m_device, &SyncedVnaDevice::calibrationTypeChanged, {CalibrationRow});
    refreshOn(m_device, &SyncedVnaDevice::isInterpolatedChanged, {InterpolatedRow});
    refreshOn(m_device, &SyncedVnaDevice::isExtrapolatedChanged, {ExtrapolatedRow});
    refreshOn(m_device, &SyncedVnaDevice::calibratedPortsChanged, {CalibratedPortsRow});
    refreshOn(m_device, &SyncedVnaDevice::impedancesChanged, {ImpedanceRow});
}

void CalibrateVnaTableModel::changeRecommendedPortsCount(uint32_t count)
{
    requirePortCount(count);
    refreshRow(CalibrationRow);
}

void CalibrateVnaTableModel::changeRecommendedPorts(QSet<uint32_t> ports)
{
    requirePortCount(static_cast<uint32_t>(ports.size()));
    refreshRow(CalibrationRow);

    std::vector<uint32_t> required(ports.begin(), ports.end());
    std::sort(required.begin(), required.end());
    QStringList texts;
    for (const uint32_t port : required)
        texts << QString::number(port + 1);
    row(CalibratedPortsRow)
        .setRecommended(
            texts.join(QStringLiteral(", ")),
            [this, required] {
                // With no port to be calibrated, no calibration state can be wrong.
                if (required.empty())
                    return RecommendedResult::Correct;
                const std::vector<double> calibrated = m_device->calibratedPorts();
                const bool covered = std::all_of(required.begin(), required.end(), [&calibrated](uint32_t port) {
                    return std::count(calibrated.begin(), calibrated.end(), static_cast<double>(port)) > 0;
                });
                return !calibrated.empty() && covered ? RecommendedResult::Correct : RecommendedResult::Error;
            },
            {{static_cast<int>(RecommendedResult::Error),
              tr("Calibrated ports do not correspond to the fixture connection configuration.")}});
    refreshRow(CalibratedPortsRow);
}

void CalibrateVnaTableModel::addCalibrationRow()
{
    m_rows.emplace_back(tr("Calibration"), [this]() -> QVariant {
        const std::optional<VNADevice::CalibrationType> type = m_device->calibrationType();
        if (!type)
            return QStringLiteral("---");
        switch (*type) {
        case VNADevice::NoCorrection:
            return tr("Not calibrated");
        case VNADevice::NoCalibrationType:
            return tr("Not defined");
        case VNADevice::ResponseOpen:
            return tr("Response (Open)");
        case VNADevice::ResponseShort:
            return tr("Response (Short)");
        case VNADevice::ResponseThru:
            return tr("Response (Thru)");
        case VNADevice::Solt1:
            return tr("Full 1-Port");
        case VNADevice::Solt2:
            return tr("Full 2-Port");
        case VNADevice::Solt3:
            return tr("Full 3-Port");
        case VNADevice::Solt4:
            return tr("Full 4-Port");
        case VNADevice::OnePath:
            return tr("One Path 2–Port");
        }
        return QStringLiteral("---");
    });
}

void CalibrateVnaTableModel::addCorrectionStateRow(const QString& name,
                                                   std::optional<bool> (SyncedVnaDevice::*state)() const)
{
    TableModelRow correction(name, [device = m_device, state]() -> QVariant {
        const std::optional<bool> value = (device->*state)();
        if (!value)
            return QStringLiteral("---");
        return *value ? tr("Yes") : tr("No");
    });
    correction.setRecommended(
        tr("No"),
        [device = m_device, state] {
            return (device->*state)() == false ? RecommendedResult::Correct : RecommendedResult::Error;
        },
        {{static_cast<int>(RecommendedResult::Error),
          tr("Using the interpolated or extrapolated calibration data is not allowed.")}});
    m_rows.push_back(correction);
}

void CalibrateVnaTableModel::addCalibratedPortsRow()
{
    m_rows.emplace_back(tr("Calibrated ports"), [this]() -> QVariant {
        const std::vector<double> ports = m_device->calibratedPorts();
        return ports.empty() ? QStringLiteral("---") : portList(ports);
    });
}

void CalibrateVnaTableModel::addImpedanceRow()
{
    m_rows.emplace_back(tr("Impedance"), [this]() -> QVariant {
        const std::optional<int> count = m_device->portsCount();
        if (!count || *count < 1)
            return QStringLiteral("---");
        QStringList impedances;
        for (uint port = 0; port < static_cast<uint>(*count); ++port) {
            const std::optional<double> impedance = m_device->impedance(port);
            impedances << (impedance ? QString::number(*impedance, 'g', 6) : QStringLiteral("---"));
        }
        return impedances.join(QStringLiteral(" | ")) + tr(" Ω");
    });
}

void CalibrateVnaTableModel::requirePortCount(uint32_t count)
{
    TableModelRow& calibration = row(CalibrationRow);
    if (count == 0) {
        calibration.clearRecommended();
        return;
    }
    // More ports than a named full calibration covers still need the fullest
    // one; which ports it covers is the calibrated-ports row's check.
    const uint32_t ports = std::min(count, MostFullyCalibratedPorts);
    const QString texts[] = {tr("Full 1-Port"), tr("Full 2-Port"), tr("Full 3-Port"), tr("Full 4-Port")};
    calibration.setRecommended(
        texts[ports - 1],
        [this, ports] {
            const std::optional<VNADevice::CalibrationType> type = m_device->calibrationType();
            return type && fullCalibrationPorts(*type) >= ports ? RecommendedResult::Correct : RecommendedResult::Error;
        },
        {{static_cast<int>(RecommendedResult::Error),
          tr("The VNA is not calibrated, or current calibration status is wrong. Carry out the VNA calibration as "
             "recommended.")}});
}

#include "app/checks/BaseDeviceVnaTableModel.h"

#include "app/formatting/MetricText.h"

namespace {
constexpr int ShownPrecision = 6;
}

BaseDeviceVnaTableModel::BaseDeviceVnaTableModel(SyncedVnaDevice* device, QObject* parent)
    : BaseTableModel(parent)
    , m_device(device)
{
}

QString BaseDeviceVnaTableModel::prefixedOrUnknown(const std::optional<double>& value)
{
    return value ? toNormalized(*value, ShownPrecision) : QStringLiteral("---");
}

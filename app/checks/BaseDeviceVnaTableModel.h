#pragma once

#include "app/tables/BaseTableModel.h"

#include <QString>

#include <optional>

class SyncedVnaDevice;

// A check table over the analyzer's cached values: rows read the facade at
// every display and refresh when the value behind them announces a change.
class BaseDeviceVnaTableModel : public BaseTableModel
{
    Q_OBJECT

public:
    BaseDeviceVnaTableModel(SyncedVnaDevice* device, QObject* parent = nullptr);

protected:
    // A value with SI prefix (6 digits), "---" when unknown.
    static QString prefixedOrUnknown(const std::optional<double>& value);

    SyncedVnaDevice* m_device;
};

#include "app/startup/DisplayScaling.h"

#include "app/settings/Settings.h"

#include <QtGlobal>

namespace Startup {

void applyStoredScaling(const Settings& settings)
{
    if (const std::optional<QString> factor = settings.validScalingFactor())
        qputenv("QT_SCALE_FACTOR", factor->toUtf8());
}

} // namespace Startup

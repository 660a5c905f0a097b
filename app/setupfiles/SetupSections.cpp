#include "app/setupfiles/SetupSections.h"

#include <algorithm>

bool SetupSections::isSafeOnWire(const QString& path)
{
    return !path.isEmpty() && std::none_of(path.begin(), path.end(), [](QChar c) {
        return c.category() == QChar::Other_Control || c == QLatin1Char(';');
    });
}

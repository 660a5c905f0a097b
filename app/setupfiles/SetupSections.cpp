#include "app/setupfiles/SetupSections.h"

#include <algorithm>

bool SetupSections::isSafeOnWire(const QString& path)
{
    return !path.isEmpty() && std::none_of(path.begin(), path.end(), [](QChar c) {
        return c.category() == QChar::Other_Control || c == QLatin1Char(';');
    });
}

VNAFixtureConnection* SetupSections::portListConnection(const NoltAlgorithmsSetup& setup, int list)
{
    switch (list) {
    case 0:
        return setup.leftFixtureConn();
    case 1:
        return setup.rightFixtureConn();
    case 2:
        return setup.leftFixtureAuxConn();
    default:
        return setup.rightFixtureAuxConn();
    }
}

#pragma once

#include "measurement/fixtures/VNAFixtureConnection.h"
#include "measurement/setups/NoltAlgorithmsSetup.h"

#include <QString>

// Names of the sections and keys that a saved setup appends to the analyzer's state file.
namespace SetupSections {

inline const QString Settings = QStringLiteral("NOLT\\Settings");
inline const QString SetupsInfo = QStringLiteral("NOLT\\SetupsInfo");
inline QString fixtureSetup(int index)
{
    return QStringLiteral("NOLT\\Settings\\FixtureSetup") + QString::number(index);
}

// A setup's port lists, in file order.
struct PortListKey
{
    const char* keyPrefix;
    VNAFixtureConnection* (NoltAlgorithmsSetup::*connection)() const;
};

const PortListKey portListKeys[4] = {
    {"FixtureAPort", &NoltAlgorithmsSetup::leftFixtureConn},
    {"FixtureBPort", &NoltAlgorithmsSetup::rightFixtureConn},
    {"FixtureAAuxPort", &NoltAlgorithmsSetup::leftFixtureAuxConn},
    {"FixtureBAuxPort", &NoltAlgorithmsSetup::rightFixtureAuxConn},
};

// A path the analyzer can be given: no line break, control character or ";" would
// end or split its command on the wire.
bool isSafeOnWire(const QString& path);

} // namespace SetupSections

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

// Key prefixes of a setup's port lists, in file order: left, right, left
// auxiliary, right auxiliary.
inline const char* const portListKeys[4] = {"FixtureAPort", "FixtureBPort", "FixtureAAuxPort", "FixtureBAuxPort"};

// The connection whose cabling port list `list` holds.
VNAFixtureConnection* portListConnection(const NoltAlgorithmsSetup& setup, int list);

// A path the analyzer can be given: no line break, control character or ";" would
// end or split its command on the wire.
bool isSafeOnWire(const QString& path);

} // namespace SetupSections

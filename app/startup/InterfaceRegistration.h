#pragma once

namespace Startup {

// Makes the shared controls, their style and icons reachable under qrc:/core,
// registers the chart module "com.orlix.chart" and the singletons every page
// imports: Color, Units, Icons and UnitFormatter (each 1.0). Once per process, before the first engine exists.
void registerSharedInterface();

// Makes the pages (qrc:/qml) and the Russian catalogues (qrc:/translations,
// qrc:/core/translations) reachable.
void initPageResources();

} // namespace Startup

#pragma once

class QObject;

namespace Startup {

// A main loop that ended with nobody telling of the quit (QCoreApplication::exit
// from anywhere) is a quit as well: everyone acting on the quit is told, the remote
// side and the backend alike, so that nothing goes on as if the program still ran.
// Active for the life of `context`.
void tellTheQuitWhenTheMainLoopEnds(QObject* context);

} // namespace Startup

#pragma once

class QObject;

namespace Startup {

// Ends the program once its last window has gone, also while a measurement waits in
// a nested event loop: the work is told of the quit before any further event is
// served, and the quit is not left to a posted event that such a loop would discard.
// A window goes when it is closed, or when the window system destroys it from outside
// (a window tool that destroys rather than asks to close). Active for the life of
// `context`.
void quitWithTheLastWindow(QObject* context);

} // namespace Startup

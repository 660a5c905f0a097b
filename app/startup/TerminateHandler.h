#pragma once

#include <QString>

namespace Startup {

// The text of the exception being handled: what() of a standard exception,
// "Unknown exception type" for anything else, empty without one.
QString currentExceptionText();

// Ends the program after an uncaught exception: the fatal-error text and the
// exception's text go to the error output, and on the GUI thread of a running
// application also to a message box; then abort(). Install with std::set_terminate.
[[noreturn]] void terminateHandler();

} // namespace Startup

#pragma once

class QObject;

namespace Startup {

// Qt's file dialogs, as the pages open them: sizes and dates in the program's
// locale (Qt's own file list follows the system's, which the language options do
// not change), and, when they open, wide enough for the names of their places and
// for the columns of their file list. Active for the life of `context`.
void presentFileDialogs(QObject* context);

} // namespace Startup

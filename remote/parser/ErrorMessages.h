#pragma once

#include <QString>

namespace Orlix::Automation {

// Builds the table of SCPI error texts; safe to call from any thread, any number of times.
void initErrorMessages();

// The table's text for a code, or an empty text when the table has none.
QString errorMessage(int code);

// The reply of the error query for a code taken from a client's queue:
// "0, No error" for 0, otherwise "-<code>, <text>".
QString errorQueueReply(int code);

} // namespace Orlix::Automation

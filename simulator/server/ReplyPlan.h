#pragma once

#include <QString>

#include <optional>

namespace Simulator {

// How the answer to one received line leaves the connection.
struct ReplyPlan
{
    std::optional<QString> reply; // the line to send, without its "\n"; none for commands
    bool waitForIdle = false;     // hold it (and the lines after it) until no sweep runs
    int delayMs = 0;              // hold it this long first
    int segments = 1;             // write it in this many pieces ...
    int segmentGapMs = 0;         // ... this far apart
    bool doubled = false;         // send the line twice
    bool dropConnection = false;  // close the connection instead of answering
};

} // namespace Simulator

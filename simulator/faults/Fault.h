#pragma once

#include <QString>

namespace Simulator {

// A misbehaviour of the analyzer's link, injected for tests. Tests build it as an
// aggregate ({kind, command, count, delayMs, segments}): the field order stays.
struct Fault
{
    enum class Kind
    {
        NoReply,        // the query is carried out, its reply never sent
        LateReply,      // the reply leaves delayMs after the query (later lines wait)
        SplitReply,     // the reply leaves in `segments` TCP segments, delayMs apart
        DoubledReply,   // the reply line is sent twice at once
        DropConnection, // the connection is closed when the line arrives, before it is carried out
        Refused         // the line is not carried out: refused as one the analyzer cannot carry out
    };

    Kind kind = Kind::NoReply;
    // The header it applies to, in any form the analyzer accepts ("SENS:FREQ:STAR?",
    // "*OPC?", "MMEMory:LOAD"); suffixes are ignored. Empty: any query (any line
    // for DropConnection).
    QString command;
    // How many matching lines it affects; negative: every one until cleared.
    int count = 1;
    int delayMs = 50;
    int segments = 3;
};

} // namespace Simulator

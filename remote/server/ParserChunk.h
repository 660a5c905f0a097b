#pragma once

#include <QByteArray>

namespace Orlix::Automation {

// One request line in flight between a client connection and the pool thread
// that parses it.
struct ParserChunk
{
    QByteArray command;   // the line's bytes, without its "\n"
    QByteArray answer;    // the answers of its queries, joined by ";"
    bool hasError = false;
    int errorCode = 0;    // the code of the failure that ended the line
};

} // namespace Orlix::Automation

#pragma once

#include <memory>

namespace Orlix::Automation {

class DeviceFunctions;

// The handler of one registered header pattern. The parser gives it the "#"
// suffixes of the header and the parameter text, then executes it and resets
// it. The registry keeps one handler per pattern for the whole process; each
// command works on its own clone(), so lines of different clients parsed at
// the same time never share suffixes or arguments.
class ScpiHandlerBase
{
public:
    virtual ~ScpiHandlerBase() = default;

    // Takes the text of the next "#" suffix; false when it is no valid suffix
    // or the handler has no suffix left to fill.
    virtual bool parseSuffix(const char* begin, const char* end) = 0;
    // Takes the whole parameter text; true only when every argument parsed and
    // nothing but blank space is left.
    virtual bool parseArguments(const char* begin, const char* end) = 0;
    // The parser of the current line, for answers and the client.
    virtual void setObject(DeviceFunctions* functions) = 0;
    // Forgets the suffixes and arguments taken so far.
    virtual void reset() = 0;
    // Runs the command; fails by throwing AutomationException.
    virtual void execute() = 0;
    // A handler with the same function and capture and nothing parsed yet.
    virtual std::unique_ptr<ScpiHandlerBase> clone() const = 0;
};

} // namespace Orlix::Automation

// The parameter parsers of DeviceFunctions, shared by the handler templates.
#include "remote/parser/DeviceFunctions.h"

#include "remote/parser/ScpiCharacters.h"
#include "remote/parser/ScpiKeyword.h"
#include "remote/parser/ScpiNumberLexer.h"

#include <limits>

namespace Orlix::Automation {

using namespace ScpiCharacters;

void DeviceFunctions::skipWhitespace(const char*& cursor, const char* end)
{
    while (cursor != end && isSpace(*cursor))
        ++cursor;
}

bool DeviceFunctions::skipSeparator(const char*& cursor, const char* end, char separator)
{
    skipWhitespace(cursor, end);
    if (cursor == end || *cursor != separator)
        return false;
    ++cursor;
    skipWhitespace(cursor, end);
    return true;
}

bool DeviceFunctions::parseIntParameter(const char*& cursor, const char* end, int& value)
{
    ScpiNumber number;
    std::size_t consumed = 0;
    int result = 0;
    if (lexNumber(cursor, end, number, consumed) != 0 || !toInt(number, result))
        return false;
    value = result;
    cursor += consumed;
    return true;
}

bool DeviceFunctions::parseDoubleParameter(const char*& cursor, const char* end, double& value)
{
    ScpiNumber number;
    std::size_t consumed = 0;
    if (lexNumber(cursor, end, number, consumed) != 0)
        return false;
    value = toDouble(number);
    cursor += consumed;
    return true;
}

bool DeviceFunctions::parseStringParameter(const char*& cursor, const char* end, std::string& value)
{
    if (cursor == end || (*cursor != '"' && *cursor != '\''))
        return false;
    const char quote = *cursor;
    const char* contentBegin = cursor + 1;
    const char* closing = contentBegin;
    while (closing != end && *closing != quote)
        ++closing;
    if (closing == end)
        return false;
    value.assign(contentBegin, closing);
    cursor = closing + 1;
    return true;
}

bool DeviceFunctions::parseBoolParameter(const char*& cursor, const char* end, bool& value)
{
    int number = 0;
    if (parseIntParameter(cursor, end, number)) {
        value = number != 0;
        return true;
    }
    int keyword = 0;
    if (!parseKeyword(cursor, end, booleanKeywords(), keyword))
        return false;
    value = keyword == 0;
    return true;
}

bool DeviceFunctions::parseNumericSuffix(const char*& cursor, const char* end, int& value)
{
    if (cursor == end) {
        value = 1;
        return true;
    }
    if (!isDigit(*cursor))
        return false;
    long long number = 0;
    const char* digits = cursor;
    while (digits != end && isDigit(*digits)) {
        number = number * 10 + (*digits - '0');
        if (number > std::numeric_limits<int>::max())
            return false;
        ++digits;
    }
    if (number < 1)
        return false;
    value = int(number);
    cursor = digits;
    return true;
}

} // namespace Orlix::Automation

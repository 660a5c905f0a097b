#pragma once

#include "remote/handlers/ScpiTypes.h"
#include "remote/parser/DeviceFunctions.h"
#include "remote/parser/ScpiKeyword.h"

#include <string>
#include <type_traits>

namespace Orlix::Automation {

// The keyword table of an enumeration argument: specialise it with
//   static const ScpiKeywordTable& keywords();
// (for example returning correctionMethodKeywords()) to accept the enumeration
// as a handler argument; a keyword's value is the enumerator's value.
template<typename Enum>
struct KeywordTable;

// The parser of one handler argument type; each advances the cursor past what
// it took and returns false, leaving the value unset, on refusal.
template<typename T, typename = void>
struct ArgumentParser;

template<>
struct ArgumentParser<int>
{
    static bool parse(const char*& cursor, const char* end, int& value)
    {
        return DeviceFunctions::parseIntParameter(cursor, end, value);
    }
};

template<>
struct ArgumentParser<bool>
{
    static bool parse(const char*& cursor, const char* end, bool& value)
    {
        return DeviceFunctions::parseBoolParameter(cursor, end, value);
    }
};

template<>
struct ArgumentParser<double>
{
    static bool parse(const char*& cursor, const char* end, double& value)
    {
        return DeviceFunctions::parseDoubleParameter(cursor, end, value);
    }
};

template<>
struct ArgumentParser<std::string>
{
    static bool parse(const char*& cursor, const char* end, std::string& value)
    {
        return DeviceFunctions::parseStringParameter(cursor, end, value);
    }
};

// A port number as an integer, stored as its 0-based index without a range check.
inline bool parsePortIndex(const char*& cursor, const char* end, PortIndex& value)
{
    int number = 0;
    if (!DeviceFunctions::parseIntParameter(cursor, end, number))
        return false;
    value.value = number - 1;
    return true;
}

template<>
struct ArgumentParser<PortIndex>
{
    static bool parse(const char*& cursor, const char* end, PortIndex& value)
    {
        return parsePortIndex(cursor, end, value);
    }
};

template<typename Enum>
struct ArgumentParser<Enum, std::enable_if_t<std::is_enum<Enum>::value>>
{
    static bool parse(const char*& cursor, const char* end, Enum& value)
    {
        int keyword = 0;
        if (!parseKeyword(cursor, end, KeywordTable<Enum>::keywords(), keyword))
            return false;
        value = static_cast<Enum>(keyword);
        return true;
    }
};

} // namespace Orlix::Automation

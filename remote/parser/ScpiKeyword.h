#pragma once

#include <string>
#include <utility>
#include <vector>

namespace Orlix::Automation {

// One keyword of a parameter table: the mnemonic "FILTERing" becomes the short
// form "filter", the rest of the long form "ing" and its value.
struct ScpiKeyword
{
    std::string shortForm;
    std::string longRest;
    int value = 0;
};

using ScpiKeywordTable = std::vector<ScpiKeyword>;

// Splits each mnemonic at its first lower-case letter: the leading capitals
// are the short form.
ScpiKeywordTable buildKeywordTable(const std::vector<std::pair<const char*, int>>& mnemonics);

// Takes the first record, in table order, whose short form begins the text
// (case ignored); the cursor passes the short form and, when the text goes on
// with the whole rest of the long form, that rest too.
bool parseKeyword(const char*& cursor, const char* end, const ScpiKeywordTable& table, int& value);

// ON (0) and OFF (1).
const ScpiKeywordTable& booleanKeywords();
// BIsect, FILTERing, TIMEgating with the values of the correction methods.
const ScpiKeywordTable& correctionMethodKeywords();
// FIXTure, SYSTem, USer with the values of the impedance conversions.
const ScpiKeywordTable& z0ConversionKeywords();

} // namespace Orlix::Automation

#pragma once

#include <cstddef>
#include <cstdint>

namespace Orlix::Automation {

// A lexed SCPI number: value = (negative ? -1 : 1) * mantissa * 10^exponent,
// with |exponent| below 44.
struct ScpiNumber
{
    std::uint32_t mantissa = 0;
    int exponent = 0;
    bool negative = false;
};

// Reads a decimal number (sign, digits, fraction, exponent, surrounding blanks)
// or a radix number (#B, #Q, #H) from [begin, end). Returns 0 and sets `number`
// and `consumed` on success; 104 for malformed text, 106 for an overflow.
int lexNumber(const char* begin, const char* end, ScpiNumber& number, std::size_t& consumed);

double toDouble(const ScpiNumber& number);

// False when the value does not fit an int (the lexer's 106).
bool toInt(const ScpiNumber& number, int& value);

} // namespace Orlix::Automation

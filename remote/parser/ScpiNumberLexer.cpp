#include "remote/parser/ScpiNumberLexer.h"

#include "remote/parser/ScpiCharacters.h"

#include <limits>

namespace Orlix::Automation {

namespace {

using namespace ScpiCharacters;

constexpr int kDataTypeError = 104;
constexpr int kOverflow = 106;
constexpr std::uint64_t kMantissaMax = std::numeric_limits<std::uint32_t>::max();
constexpr std::int64_t kExponentMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kExponentLimit = 44;

enum State {
    Start = 0,
    AfterSign = 1,
    IntegerDigits = 2,
    AfterPoint = 3,
    FractionDigits = 4,
    AfterE = 5,
    AfterExponentSign = 6,
    ExponentDigits = 7,
    BlankAfterMantissa = 9,
    AfterHash = 10,
    Binary = 11,
    Octal = 12,
    Hexadecimal = 13,
};

int hexDigitValue(char lower)
{
    if (isDigit(lower))
        return lower - '0';
    if (lower >= 'a' && lower <= 'f')
        return lower - 'a' + 10;
    return -1;
}

// The state machine's working values.
struct Lexer
{
    std::uint32_t mantissa = 0;
    bool anyDigit = false;
    bool dropping = false;
    std::int64_t exponentAdjust = 0;
    std::int64_t writtenExponent = 0;
    bool negativeExponent = false;
    bool negative = false;

    // A decimal mantissa digit; once one digit did not fit, the later ones are
    // dropped too, integer digits then scaling the value by ten each.
    void appendDecimal(int digit, bool fraction)
    {
        anyDigit = true;
        if (!dropping) {
            const std::uint64_t next = std::uint64_t(mantissa) * 10 + std::uint64_t(digit);
            if (next <= kMantissaMax) {
                mantissa = std::uint32_t(next);
                if (fraction)
                    --exponentAdjust;
                return;
            }
            dropping = true;
        }
        if (!fraction)
            ++exponentAdjust;
    }

    bool appendRadix(int digit, int radix)
    {
        anyDigit = true;
        const std::uint64_t next = std::uint64_t(mantissa) * std::uint64_t(radix) + std::uint64_t(digit);
        if (next > kMantissaMax)
            return false;
        mantissa = std::uint32_t(next);
        return true;
    }

    bool appendExponent(int digit)
    {
        writtenExponent = writtenExponent * 10 + digit;
        return writtenExponent <= kExponentMax;
    }
};

} // namespace

int lexNumber(const char* begin, const char* end, ScpiNumber& number, std::size_t& consumed)
{
    Lexer lexer;
    State state = Start;
    const char* cursor = begin;
    bool stopped = false;
    while (cursor != end && !stopped) {
        const char c = toLower(*cursor);
        const bool digit = isDigit(c);
        const int value = c - '0';
        const bool blank = isBlankOrControl(c);
        switch (state) {
        case Start:
            if (digit) {
                lexer.appendDecimal(value, false);
                state = IntegerDigits;
            } else if (c == '#') {
                state = AfterHash;
            } else if (c == '+') {
                state = AfterSign;
            } else if (c == '-') {
                lexer.negative = true;
                state = AfterSign;
            } else if (c == '.') {
                state = AfterPoint;
            } else if (!blank) {
                return kDataTypeError;
            }
            break;
        case AfterSign:
            if (digit) {
                lexer.appendDecimal(value, false);
                state = IntegerDigits;
            } else if (c == '.') {
                state = AfterPoint;
            } else {
                return kDataTypeError;
            }
            break;
        case IntegerDigits:
            if (digit)
                lexer.appendDecimal(value, false);
            else if (c == '.')
                state = AfterPoint;
            else if (c == 'e')
                state = AfterE;
            else if (blank)
                state = BlankAfterMantissa;
            else
                stopped = true;
            break;
        case AfterPoint:
        case FractionDigits:
            if (digit) {
                lexer.appendDecimal(value, true);
                state = FractionDigits;
            } else if (c == 'e') {
                state = AfterE;
            } else if (blank && state == FractionDigits) {
                state = BlankAfterMantissa;
            } else {
                stopped = true;
            }
            break;
        case AfterE:
            if (digit) {
                lexer.writtenExponent = value;
                state = ExponentDigits;
            } else if (c == '+' || c == '-') {
                lexer.negativeExponent = c == '-';
                state = AfterExponentSign;
            } else if (!blank) {
                return kDataTypeError;
            }
            break;
        case AfterExponentSign:
            if (!digit)
                return kDataTypeError;
            lexer.writtenExponent = value;
            state = ExponentDigits;
            break;
        case ExponentDigits:
            if (!digit)
                stopped = true;
            else if (!lexer.appendExponent(value))
                return kOverflow;
            break;
        case BlankAfterMantissa:
            if (c == 'e')
                state = AfterE;
            else if (!blank)
                stopped = true;
            break;
        case AfterHash:
            if (c == 'b')
                state = Binary;
            else if (c == 'q')
                state = Octal;
            else if (c == 'h')
                state = Hexadecimal;
            else
                return kDataTypeError;
            break;
        case Binary:
        case Octal:
        case Hexadecimal: {
            const int radix = state == Binary ? 2 : state == Octal ? 8 : 16;
            const int digitValue = hexDigitValue(c);
            if (digitValue < 0 || digitValue >= radix)
                stopped = true;
            else if (!lexer.appendRadix(digitValue, radix))
                return kOverflow;
            break;
        }
        }
        if (!stopped)
            ++cursor;
    }

    if (state == Start || state == AfterSign || state == AfterE || state == AfterExponentSign
        || state == AfterHash || !lexer.anyDigit)
        return kDataTypeError;
    while (cursor != end && isBlankOrControl(*cursor))
        ++cursor;

    std::int64_t exponent = (lexer.negativeExponent ? -lexer.writtenExponent : lexer.writtenExponent)
        + lexer.exponentAdjust;
    std::uint32_t mantissa = lexer.mantissa;
    while (mantissa != 0 && mantissa % 10 == 0) {
        mantissa /= 10;
        ++exponent;
    }
    if (exponent >= kExponentLimit)
        return kOverflow;
    if (exponent <= -kExponentLimit) {
        mantissa = 0;
        exponent = 0;
    }
    number.mantissa = mantissa;
    number.exponent = int(exponent);
    number.negative = lexer.negative;
    consumed = std::size_t(cursor - begin);
    return 0;
}

double toDouble(const ScpiNumber& number)
{
    double value = number.mantissa;
    for (int i = 0; i < number.exponent; ++i)
        value *= 10.0;
    for (int i = 0; i > number.exponent; --i)
        value /= 10.0;
    return number.negative ? -value : value;
}

bool toInt(const ScpiNumber& number, int& value)
{
    std::uint64_t magnitude = number.mantissa;
    for (int i = 0; i < number.exponent; ++i) {
        magnitude *= 10;
        if (magnitude > kMantissaMax)
            return false;
    }
    for (int i = 0; i > number.exponent; --i)
        magnitude /= 10;
    if (magnitude > std::uint64_t(std::numeric_limits<int>::max()))
        return false;
    value = number.negative ? -int(magnitude) : int(magnitude);
    return true;
}

} // namespace Orlix::Automation

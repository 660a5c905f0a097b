#pragma once

// Byte classification for the SCPI parser. Every test works on the unsigned
// byte value and knows only ASCII, so bytes of 0x80 and above (UTF-8 text,
// garbage) are plain non-letters whatever the locale, never negative indices.
namespace Orlix::Automation::ScpiCharacters {

inline unsigned char byteOf(char c)
{
    return static_cast<unsigned char>(c);
}

inline bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

inline bool isLower(char c)
{
    return c >= 'a' && c <= 'z';
}

inline bool isUpper(char c)
{
    return c >= 'A' && c <= 'Z';
}

inline bool isAlnum(char c)
{
    return isDigit(c) || isLower(c) || isUpper(c);
}

inline char toLower(char c)
{
    return isUpper(c) ? static_cast<char>(c - 'A' + 'a') : c;
}

// Blank space as the C locale's isspace defines it.
inline bool isSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Blanks and control characters: the bytes from 1 to 32.
inline bool isBlankOrControl(char c)
{
    const unsigned char b = byteOf(c);
    return b >= 1 && b <= 32;
}

} // namespace Orlix::Automation::ScpiCharacters

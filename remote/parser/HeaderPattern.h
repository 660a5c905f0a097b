#pragma once

#include <QByteArray>

#include <array>
#include <cstddef>

namespace Orlix::Automation {

// The texts of the "#" suffixes found while matching a header, in order.
struct SuffixTexts
{
    struct Text
    {
        const char* begin = nullptr;
        const char* end = nullptr;
    };
    static constexpr std::size_t capacity = 8;
    std::array<Text, capacity> texts;
    std::size_t count = 0;
};

enum class HeaderMatch {
    Matched,
    Mismatch,       // the header is not this pattern's (110)
    SuffixRefused,  // a "#" took text that is no valid suffix (195)
};

// Matches an effective header against a pattern: capitals (and digits and
// punctuation) form a mnemonic's short form, a following run of lower-case
// letters the rest of its long form; only the short or the complete long form
// matches. "[...]" is optional, "#" a numeric suffix. Case is ignored.
HeaderMatch matchHeader(const QByteArray& pattern, const char* header, const char* headerEnd,
                        SuffixTexts& suffixes);

} // namespace Orlix::Automation

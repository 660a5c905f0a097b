#include "remote/parser/HeaderPattern.h"

#include "remote/parser/DeviceFunctions.h"
#include "remote/parser/ScpiCharacters.h"

namespace Orlix::Automation {

namespace {

using namespace ScpiCharacters;

// Where an optional part began, to return there when it does not match.
struct OptionalStart
{
    bool active = false;
    const char* header = nullptr;
    std::size_t suffixCount = 0;
    bool longFormBegun = false;
};

} // namespace

HeaderMatch matchHeader(const QByteArray& pattern, const char* header, const char* headerEnd,
                        SuffixTexts& suffixes)
{
    suffixes.count = 0;
    const int patternSize = pattern.size();
    int p = 0;
    const char* h = header;
    bool longFormBegun = false;
    OptionalStart optional;

    // Inside an optional part a mismatch drops the part; elsewhere it ends the match.
    auto leaveOptionalOrFail = [&]() {
        if (!optional.active)
            return false;
        h = optional.header;
        suffixes.count = optional.suffixCount;
        longFormBegun = optional.longFormBegun;
        optional.active = false;
        while (p < patternSize && pattern[p] != ']')
            ++p;
        if (p < patternSize)
            ++p;
        return true;
    };

    while (p < patternSize) {
        const char pc = pattern[p];
        if (pc == '[') {
            optional = {true, h, suffixes.count, longFormBegun};
            ++p;
            continue;
        }
        if (pc == ']') {
            optional.active = false;
            ++p;
            continue;
        }
        if (pc == '#') {
            const char* suffixBegin = h;
            while (h != headerEnd && isAlnum(*h))
                ++h;
            const char* cursor = suffixBegin;
            int suffix = 0;
            if (suffixes.count == SuffixTexts::capacity
                || !DeviceFunctions::parseNumericSuffix(cursor, h, suffix))
                return HeaderMatch::SuffixRefused;
            suffixes.texts[suffixes.count++] = {suffixBegin, h};
            ++p;
            continue;
        }
        if (h != headerEnd && toLower(pc) == toLower(*h)) {
            if (isLower(pc))
                longFormBegun = true;
            else if (pc == ':')
                longFormBegun = false;
            ++p;
            ++h;
            continue;
        }
        if (isLower(pc) && !longFormBegun) {
            // The short form is complete: skip the rest of the long form.
            while (p < patternSize && isLower(pattern[p]))
                ++p;
            continue;
        }
        if (!leaveOptionalOrFail())
            return HeaderMatch::Mismatch;
    }
    return h == headerEnd ? HeaderMatch::Matched : HeaderMatch::Mismatch;
}

} // namespace Orlix::Automation

#include "remote/parser/ScpiKeyword.h"

#include "remote/parser/ScpiCharacters.h"

#include <cstddef>

namespace Orlix::Automation {

namespace {

using namespace ScpiCharacters;

std::string lowered(const std::string& text)
{
    std::string result = text;
    for (char& c : result)
        c = toLower(c);
    return result;
}

// Whether [cursor, end) begins with `word` (lower case), ignoring case.
bool beginsWith(const char* cursor, const char* end, const std::string& word)
{
    if (std::size_t(end - cursor) < word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (toLower(cursor[i]) != word[i])
            return false;
    }
    return true;
}

} // namespace

ScpiKeywordTable buildKeywordTable(const std::vector<std::pair<const char*, int>>& mnemonics)
{
    ScpiKeywordTable table;
    table.reserve(mnemonics.size());
    for (const auto& [mnemonic, value] : mnemonics) {
        const std::string text = mnemonic;
        std::size_t split = 0;
        while (split < text.size() && !isLower(text[split]))
            ++split;
        table.push_back({lowered(text.substr(0, split)), lowered(text.substr(split)), value});
    }
    return table;
}

bool parseKeyword(const char*& cursor, const char* end, const ScpiKeywordTable& table, int& value)
{
    for (const ScpiKeyword& keyword : table) {
        if (!beginsWith(cursor, end, keyword.shortForm))
            continue;
        cursor += keyword.shortForm.size();
        if (!keyword.longRest.empty() && beginsWith(cursor, end, keyword.longRest))
            cursor += keyword.longRest.size();
        value = keyword.value;
        return true;
    }
    return false;
}

const ScpiKeywordTable& booleanKeywords()
{
    static const ScpiKeywordTable table = buildKeywordTable({{"ON", 0}, {"OFF", 1}});
    return table;
}

const ScpiKeywordTable& correctionMethodKeywords()
{
    static const ScpiKeywordTable table =
        buildKeywordTable({{"BIsect", 1}, {"FILTERing", 2}, {"TIMEgating", 0}});
    return table;
}

const ScpiKeywordTable& z0ConversionKeywords()
{
    static const ScpiKeywordTable table =
        buildKeywordTable({{"FIXTure", 1}, {"SYSTem", 0}, {"USer", 2}});
    return table;
}

} // namespace Orlix::Automation

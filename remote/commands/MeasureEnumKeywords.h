#pragma once

#include "measurement/enums/MeasureEnums.h"
#include "remote/handlers/ArgumentParsers.h"
#include "remote/parser/ScpiKeyword.h"

// The keywords that remote commands accept for the setups' method and impedance conversion.
template<>
struct Orlix::Automation::KeywordTable<MeasureEnums::CorrectionMethod>
{
    static const ScpiKeywordTable& keywords() { return correctionMethodKeywords(); }
};

template<>
struct Orlix::Automation::KeywordTable<MeasureEnums::Z0Conversion>
{
    static const ScpiKeywordTable& keywords() { return z0ConversionKeywords(); }
};

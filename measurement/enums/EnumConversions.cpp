#include "measurement/enums/EnumConversions.h"

Algorithms::CalcMethod toCalcMethod(MeasureEnums::CorrectionMethod method)
{
    switch (method) {
    case MeasureEnums::CorrectionMethod::BISECT:
        return Algorithms::CalcMethod::Bisect;
    case MeasureEnums::CorrectionMethod::FILTERING:
        return Algorithms::CalcMethod::Filtering;
    case MeasureEnums::CorrectionMethod::TIME_GATING:
        break;
    }
    return Algorithms::CalcMethod::TimeGating;
}

Algorithms::Z0ConversionType toZ0ConversionType(MeasureEnums::Z0Conversion conversion)
{
    switch (conversion) {
    case MeasureEnums::Z0Conversion::System:
        return Algorithms::Z0ConversionType::System;
    case MeasureEnums::Z0Conversion::Fixture:
        return Algorithms::Z0ConversionType::Fixture;
    case MeasureEnums::Z0Conversion::User:
        return Algorithms::Z0ConversionType::User;
    case MeasureEnums::Z0Conversion::None:
        break;
    }
    return Algorithms::Z0ConversionType::None;
}

MeasureEnums::MeasureStatus toMeasureStatus(int measurerStatus)
{
    switch (measurerStatus) {
    case 0:
        return MeasureEnums::MeasureStatus::MEASURED;
    case 1:
        return MeasureEnums::MeasureStatus::NONE;
    default:
        return MeasureEnums::MeasureStatus::Error;
    }
}

#include "simulator/model/ModelTokens.h"

#include "simulator/scpi/ScpiValues.h"

namespace Simulator {

const QStringList& sweepTypeKeywords()
{
    static const QStringList keywords{"LINear", "LOGarithmic", "SEGMent", "POWer"};
    return keywords;
}

const QStringList& saveTypeKeywords()
{
    static const QStringList keywords{"STATe", "CSTate", "DSTate", "CDSTate", "CMSTate"};
    return keywords;
}

const QStringList& traceFormatKeywords()
{
    static const QStringList keywords{"MLOGarithmic", "PHASe",  "GDELay",       "SLINear",     "SLOGarithmic", "SCOMplex",
                                      "SMITh",        "SADMittance", "PLINear", "PLOGarithmic", "POLar",       "MLINear",
                                      "SWR",          "REAL",   "IMAGinary",    "UPHase"};
    return keywords;
}

const QStringList& triggerSourceKeywords()
{
    static const QStringList keywords{"INTernal", "EXTernal", "MANual", "BUS"};
    return keywords;
}

const QStringList& calibrationTypes()
{
    static const QStringList types{"NONE", "RESPO", "RESPS", "RESPT", "SOLT1", "SOLT2", "SOLT3", "SOLT4", "1PATH"};
    return types;
}

QString sweepTypeToken(SweepType type)
{
    return shortForm(sweepTypeKeywords().at(static_cast<int>(type)));
}

QString saveTypeToken(SaveType type)
{
    return saveTypeKeywords().at(static_cast<int>(type));
}

bool saveTypeIncludesCalibration(SaveType type)
{
    return type == SaveType::CalibrationState || type == SaveType::CalibrationDataState
        || type == SaveType::CalibrationMemoryState;
}

} // namespace Simulator

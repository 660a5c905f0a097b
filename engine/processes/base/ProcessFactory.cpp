#include "engine/processes/base/ProcessFactory.h"

#include "engine/processes/bisection/ProcessBisect.h"
#include "engine/processes/filtering/ProcessFiltering.h"
#include "engine/processes/reflect/ProcessFilteringReflect.h"
#include "engine/processes/reflect/ProcessFilteringReflectOpenAndShort.h"
#include "engine/processes/reflect/ProcessTimeGateReflect.h"
#include "engine/processes/reflect/ProcessTimeGateReflectOpenAndShort.h"
#include "engine/processes/transmission/ProcessTimeGate.h"

#include <QCoreApplication>
#include <QDebug>

#include <optional>

namespace Algorithms {

namespace {

std::unique_ptr<IProcessMethod> refuse(const char* text, QString* errorText)
{
    const QString message = QCoreApplication::translate("Algorithms::ProcessFactory", text);
    qDebug() << message;
    if (errorText)
        *errorText = message;
    return nullptr;
}

std::unique_ptr<IProcessMethod> unsupported(QString* errorText)
{
    return refuse(QT_TRANSLATE_NOOP("Algorithms::ProcessFactory", "The correction method does not support this measurement"),
                  errorText);
}

std::optional<int> reflectNumber(CalcMethod method, bool single)
{
    switch (method) {
    case CalcMethod::TimeGating:
        return single ? TimeGateReflectProcess : TimeGateReflectOpenAndShortProcess;
    case CalcMethod::Filtering:
        return single ? FilteringReflectProcess : FilteringReflectOpenAndShortProcess;
    case CalcMethod::Bisect:
        break;
    }
    return std::nullopt;
}

} // namespace

std::unique_ptr<IProcessMethod> createProcessMethodByNumber(int number, QString* errorText)
{
    switch (number) {
    case TimeGateProcess:
        return std::make_unique<ProcessTimeGate>();
    case FilteringProcess:
        return std::make_unique<ProcessFiltering>();
    case BisectProcess:
        return std::make_unique<ProcessBisect>();
    case TimeGateReflectProcess:
        return std::make_unique<ProcessTimeGateReflect>();
    case TimeGateReflectOpenAndShortProcess:
        return std::make_unique<ProcessTimeGateReflectOpenAndShort>();
    case FilteringReflectProcess:
        return std::make_unique<ProcessFilteringReflect>();
    case FilteringReflectOpenAndShortProcess:
        return std::make_unique<ProcessFilteringReflectOpenAndShort>();
    default:
        return unsupported(errorText);
    }
}

std::unique_ptr<IProcessMethod> createProcessMethod(int reflect, CalcMethod method, QString* errorText)
{
    switch (method) {
    case CalcMethod::TimeGating:
        return createProcessMethodByNumber(reflect == 0 ? TimeGateProcess : TimeGateReflectProcess, errorText);
    case CalcMethod::Filtering:
        return createProcessMethodByNumber(reflect == 0 ? FilteringProcess : FilteringReflectProcess, errorText);
    case CalcMethod::Bisect:
        return createProcessMethodByNumber(BisectProcess, errorText);
    }
    return refuse(QT_TRANSLATE_NOOP("Algorithms::ProcessFactory", "Unknown correction method"), errorText);
}

std::unique_ptr<IProcessMethod> createReflectProcessMethod(int kind, CalcMethod method, bool single,
                                                           QString* errorText)
{
    const std::optional<int> number = kind == ReflectMeasurementKind ? reflectNumber(method, single) : std::nullopt;
    if (!number)
        return unsupported(errorText);
    return createProcessMethodByNumber(*number, errorText);
}

} // namespace Algorithms

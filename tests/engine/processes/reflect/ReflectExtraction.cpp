#include "tests/engine/processes/reflect/ReflectExtraction.h"

#include "engine/processes/base/ProcessFactory.h"
#include "engine/processes/reflect/ReflectProcessOpenAndShort.h"
#include "engine/processes/reflect/ReflectProcessOpenOrShort.h"

ReflectExtraction::ReflectExtraction(int processNumber, Algorithms::Z0ConversionType conversion)
{
    process.reset(static_cast<Algorithms::ReflectProcess*>(
        Algorithms::createProcessMethodByNumber(processNumber).release()));
    QObject::connect(process.get(), &Algorithms::IProcessMethod::error,
                     [this](const QString& text) { errors << text; });
    // The port tells its own refusals.
    QObject::connect(&port, &Algorithms::FixturePort::error, [this](const QString& text) { errors << text; });
    port.clear();
    port.setConversionType(conversion);
    port.setZ0(50.0);
    process->setFixturesForCalculate(&port);
    process->setInputParameters(&parameters);
}

bool ReflectExtraction::runSingle(const Algorithms::SParametersOnePort& standard, bool isShort,
                                  Algorithms::MaxSignalEliminationType type)
{
    auto& single = dynamic_cast<Algorithms::ReflectProcessOpenOrShort&>(*process);
    single.setMeasuredData(standard);
    single.setIsShort(isShort);
    single.setSignalType(type);
    return process->run();
}

bool ReflectExtraction::runOpenAndShort(const Algorithms::SParametersOnePort& open,
                                        const Algorithms::SParametersOnePort& shortStandard)
{
    dynamic_cast<Algorithms::ReflectProcessOpenAndShort&>(*process).setInputData(open, shortStandard);
    return process->run();
}

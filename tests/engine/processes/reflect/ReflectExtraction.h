#pragma once

#include "engine/parameters/ProcessInputParameters.h"
#include "engine/port/FixturePort.h"
#include "engine/processes/reflect/MaxSignalEliminationType.h"
#include "engine/processes/reflect/ReflectProcess.h"
#include "engine/sparameters/SParametersOnePort.h"

#include <QStringList>

#include <memory>

// A reflect run as the reflection measurer sets it up: one port on a 50 ohm analyzer,
// the chosen conversion, and every error text of the run collected.
struct ReflectExtraction
{
    Algorithms::ProcessInputParameters parameters;
    Algorithms::FixturePort port;
    std::unique_ptr<Algorithms::ReflectProcess> process;
    QStringList errors;

    explicit ReflectExtraction(int processNumber,
                               Algorithms::Z0ConversionType conversion = Algorithms::Z0ConversionType::None);

    // Single-standard processes.
    bool runSingle(const Algorithms::SParametersOnePort& standard, bool isShort,
                   Algorithms::MaxSignalEliminationType type = Algorithms::MaxSignalEliminationType::TimeGate);
    // Open-and-short processes.
    bool runOpenAndShort(const Algorithms::SParametersOnePort& open, const Algorithms::SParametersOnePort& shortStandard);
};

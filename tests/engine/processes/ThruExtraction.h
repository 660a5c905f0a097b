#pragma once

#include "engine/parameters/ProcessInputParameters.h"
#include "engine/port/FixturePort.h"
#include "engine/processes/transmission/TransmissionProcess.h"
#include "engine/sparameters/SParametersTwoPort.h"
#include "simulator/physics/LineCascade.h"
#include "simulator/physics/ScatteringSets.h"
#include "simulator/physics/TwoPortAlgebra.h"

#include <QObject>
#include <QStringList>

#include <cmath>
#include <memory>

// A 2x-thru run as the measurer sets it up: both ports on a 50 ohm analyzer, the
// chosen conversion, and every error text of the run (process and ports) collected.
struct ThruExtraction
{
    Algorithms::ProcessInputParameters parameters;
    Algorithms::FixturePort left;
    Algorithms::FixturePort right;
    std::unique_ptr<Algorithms::TransmissionProcess> process;
    QStringList errors;

    explicit ThruExtraction(int processNumber,
                            Algorithms::Z0ConversionType conversion = Algorithms::Z0ConversionType::None,
                            double rightImpedance = 50.0);

    bool run(const Algorithms::SParametersTwoPort& thru);
};

// Magnitude of the largest difference between two parameters over a part of the band.
double maxDifference(const std::vector<std::complex<double>>& actual,
                     const std::vector<std::complex<double>>& expected, double fromShare = 0.0,
                     double toShare = 1.0);

// The network left between two computed halves, at one point of the grid.
Simulator::Physics::ScatteringMatrix deembedAt(const Algorithms::SParametersTwoPort& measured,
                                               const Algorithms::FixturePort& left,
                                               const Algorithms::FixturePort& right, std::size_t index);

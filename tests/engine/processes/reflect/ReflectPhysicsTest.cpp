#include "ReflectExtraction.h"

#include "../ThruExtraction.h"
#include "engine/processes/base/ProcessFactory.h"
#include "simulator/physics/FrequencyGrid.h"
#include "simulator/physics/Standards.h"

#include <gtest/gtest.h>

using namespace Algorithms;
using namespace Simulator::Physics;

namespace {

const LineCascade steppedHalf({{50.0, 30e-12, 0.05}, {42.0, 120e-12, 0.1}, {58.0, 100e-12, 0.1}, {50.0, 150e-12, 0.1}});

} // namespace

TEST(ReflectProbe, Errors)
{
    for (bool lowPass : {true, false}) {
        const auto grid = lowPass ? lowPassGrid(25e6, 800) : bandPassGrid(100e6, 20e9, 800);
        const auto truth = steppedHalf.sParameters(grid);
        for (int number : {TimeGateReflectProcess, FilteringReflectProcess}) {
            for (auto type : {MaxSignalEliminationType::ExponentialFit, MaxSignalEliminationType::TimeGate}) {
                for (bool isShort : {false, true}) {
                    ReflectExtraction run(number);
                    const bool ok = run.runSingle(isShort ? shortStandard(steppedHalf, grid) : openStandard(steppedHalf, grid),
                                                  isShort, type);
                    std::cout << lowPass << " " << number << " " << int(type) << " " << isShort << " ok " << ok << " "
                              << run.errors.join(";").toStdString();
                    if (ok) {
                        const auto& s = *run.port.sParameters();
                        std::cout << " s11 " << maxDifference(s.s11(), truth.s11(), 0.05, 0.9) << " s21 "
                                  << maxDifference(s.s21(), truth.s21(), 0.05, 0.9) << " s22 "
                                  << maxDifference(s.s22(), truth.s22(), 0.05, 0.9) << " len "
                                  << *run.port.fixtureLength();
                    }
                    std::cout << std::endl;
                }
            }
        }
        for (int number : {TimeGateReflectOpenAndShortProcess, FilteringReflectOpenAndShortProcess}) {
            ReflectExtraction run(number);
            const bool ok = run.runOpenAndShort(openStandard(steppedHalf, grid), shortStandard(steppedHalf, grid));
            std::cout << lowPass << " " << number << " ok " << ok << " " << run.errors.join(";").toStdString();
            if (ok) {
                const auto& s = *run.port.sParameters();
                std::cout << " s11 " << maxDifference(s.s11(), truth.s11(), 0.05, 0.9) << " s21 "
                          << maxDifference(s.s21(), truth.s21(), 0.05, 0.9) << " s22 "
                          << maxDifference(s.s22(), truth.s22(), 0.05, 0.9) << " len " << *run.port.fixtureLength();
            }
            std::cout << std::endl;
        }
    }
}

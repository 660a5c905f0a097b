// The time-domain pipeline's outputs on physics data, compared with values recorded from a
// trusted build: a guard that work on the routines' speed leaves their results unchanged
// (to rounding). Set NOLT_RECORD_PIPELINE to a file name to write the records afresh, as
// the contents of PipelineRecords.h, after a change of results that is meant.

#include "engine/fits/ZeroFrequencyEstimate.h"
#include "engine/processes/base/ProcessFactory.h"
#include "engine/timedomain/ImpulseResponse.h"
#include "engine/timedomain/StepResponse.h"
#include "engine/timedomain/TimeGate.h"
#include "engine/transforms/ChirpZTransform.h"
#include "engine/transforms/KaiserWindow.h"
#include "engine/transforms/SpectrumPreparation.h"
#include "simulator/physics/ExampleFixtures.h"
#include "simulator/physics/FrequencyGrid.h"
#include "simulator/physics/Standards.h"
#include "tests/engine/processes/ThruExtraction.h"
#include "tests/engine/timedomain/PipelineRecords.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <thread>

using namespace Algorithms;

namespace {

using Complex = std::complex<double>;
using Samples = std::vector<Complex>;

// Every output is kept as 41 samples spread over the vector and its sum of magnitudes, which
// also catches a change between the samples.
constexpr std::size_t sampleCount = 41;

Samples record(const std::vector<Complex>& values)
{
    Samples samples;
    const std::size_t n = values.size();
    if (n == 0)
        return samples;
    const std::size_t count = std::min(n, sampleCount);
    for (std::size_t j = 0; j < count; ++j)
        samples.push_back(values[count == 1 ? 0 : j * (n - 1) / (count - 1)]);
    double magnitudes = 0.0;
    for (const Complex& value : values)
        magnitudes += std::abs(value);
    samples.push_back(magnitudes);
    return samples;
}

Samples record(const std::vector<double>& values)
{
    return record(std::vector<Complex>(values.begin(), values.end()));
}

Samples record(double value)
{
    return {value};
}

GateDescription gateOver(double start, double stop)
{
    GateDescription gate;
    gate.timeStart = start;
    gate.timeStop = stop;
    gate.kaiserBetaX = 6.0;
    gate.center = 0.5 * (start + stop);
    gate.halfWidth = 0.5 * (stop - start);
    return gate;
}

// The routines on a 2x-thru of the example halves: 800 points, so that the low-pass
// transforms run on 1601 points, a prime length.
std::map<std::string, Samples> routineOutputs()
{
    using namespace Simulator::Physics;
    std::map<std::string, Samples> out;
    const auto lowPass = lowPassGrid(25e6, 800);
    const auto bandPass = bandPassGrid(100e6, 20e9, 800);
    const auto thruLow = twoXThru(exampleLeftHalf(), exampleRightHalf(), lowPass);
    const auto thruBand = twoXThru(exampleLeftHalf(), exampleRightHalf(), bandPass);
    const auto& s11 = thruLow.s11();

    std::vector<double> weights(s11.size());
    for (std::size_t k = 0; k < weights.size(); ++k)
        weights[k] = 1.0 + 0.25 * std::cos(0.01 * static_cast<double>(k));
    const Complex a = std::polar(1.0, -0.4);
    const Complex w = std::polar(1.0, 2.0 * M_PI * 0.73 / static_cast<double>(s11.size()));
    out["chirpZ shift 0"] = record(chirpZTransform(a, w, s11, weights, 0));
    out["chirpZ shift 1"] = record(chirpZTransform(a, w, s11, weights, 1));

    const PreparedSpectrum prepared = prepareSpectrum(lowPass, s11, 0.1, 0);
    out["prepared times"] = record(prepared.times);
    out["kaiser window"] = record(kaiserWindow(prepared.windowIndex, 6.0));
    const GateDescription gate = gateOver(-0.1e-9, 0.9e-9);
    out["gate kernel low pass"] = record(kaiserWindowedTransform(lowPass, 0, gate));
    out["gate kernel band pass"] = record(kaiserWindowedTransform(bandPass, 1, gate));

    out["zero frequency S11"] = record(estimateDelay(s11, lowPass.back()));
    out["zero frequency S21"] = record(estimateDelay(thruLow.s21(), lowPass.back()));

    for (int kind : {0, 1}) {
        const auto& thru = kind == 0 ? thruLow : thruBand;
        const auto& f = thru.frequencies();
        const std::string suffix = kind == 0 ? " low pass" : " band pass";
        const auto coarse = computeImpulseResponse(thru.s21(), f, 0.0, 0.0, 0.0, kind);
        out["impulse coarse times" + suffix] = record(coarse.times);
        out["impulse coarse" + suffix] = record(coarse.values);
        out["impulse fine" + suffix] = record(computeImpulseResponse(thru.s21(), f, 0.9e-9, 1.8e-9, 3.0, kind).values);
        out["impulse S22" + suffix] = record(computeImpulseResponse(thru.s22(), f, -0.2e-9, 2.7e-9, 6.0, kind).values);
        for (int mode : {0, 1}) {
            const auto center = findGateCenter(thru.s11(), f, mode, gate, kind);
            out["gate centre mode " + std::to_string(mode) + suffix] = record(center.value_or(-1.0));
        }
        out["gated S11" + suffix] = record(applyTimeGate(thru.s11(), f, kind, gate));
    }

    const auto step = computeStepResponse(s11, lowPass, -0.2e-9, 2.7e-9, 3.0, -20e-9, -0.2e-9, 50.0);
    out["step response"] = record(step.stepResponse);
    out["impedance profile"] = record(step.impedanceProfile);
    out["step times"] = record(step.times);
    return out;
}

// The whole time-gating extraction, converted to the analyzer impedance on the low-pass grid.
std::map<std::string, Samples> extractionOutputs()
{
    using namespace Simulator::Physics;
    std::map<std::string, Samples> out;
    for (bool lowPass : {true, false}) {
        const auto grid = lowPass ? lowPassGrid(25e6, 800) : bandPassGrid(100e6, 20e9, 800);
        ThruExtraction run(TimeGateProcess, Z0ConversionType::System);
        const bool succeeded = run.run(twoXThru(exampleLeftHalf(), exampleRightHalf(), grid));
        const std::string prefix = lowPass ? "extraction low pass " : "extraction band pass ";
        out[prefix + "succeeded"] = record(succeeded ? 1.0 : 0.0);
        for (const auto& [side, port] : {std::pair{"left ", &run.left}, std::pair{"right ", &run.right}}) {
            if (!port->sParameters())
                continue;
            const auto& set = *port->sParameters();
            out[prefix + side + "S11"] = record(set.s11());
            out[prefix + side + "S21"] = record(set.s21());
            out[prefix + side + "S22"] = record(set.s22());
            out[prefix + side + "length"] = record(port->fixtureLength().value_or(-1.0));
            out[prefix + side + "delay"] = record(port->impulseResponse() ? port->impulseResponse()->delay : -1.0);
        }
    }
    return out;
}

void write(const std::map<std::string, Samples>& outputs, const char* fileName)
{
    FILE* file = std::fopen(fileName, "w");
    ASSERT_NE(file, nullptr) << fileName;
    std::fprintf(file, "#pragma once\n\n// Written by PipelineRecordTest (NOLT_RECORD_PIPELINE); do not edit.\n\n"
                       "#include <complex>\n#include <map>\n#include <string>\n#include <vector>\n\n"
                       "inline const std::map<std::string, std::vector<std::complex<double>>>& pipelineRecords()\n{\n"
                       "    static const std::map<std::string, std::vector<std::complex<double>>> records{\n");
    for (const auto& [name, samples] : outputs) {
        std::fprintf(file, "        {\"%s\",\n         {", name.c_str());
        for (std::size_t k = 0; k < samples.size(); ++k)
            std::fprintf(file, "%s{%.17g, %.17g}", k == 0 ? "" : (k % 3 == 0 ? ",\n          " : ", "),
                         samples[k].real(), samples[k].imag());
        std::fprintf(file, "}},\n");
    }
    std::fprintf(file, "    };\n    return records;\n}\n");
    std::fclose(file);
}

// Each sample within 1e-10 of the largest recorded magnitude of its output.
void compare(const std::map<std::string, Samples>& outputs)
{
    const auto& recorded = pipelineRecords();
    EXPECT_EQ(outputs.size(), recorded.size());
    for (const auto& [name, expected] : recorded) {
        const auto found = outputs.find(name);
        ASSERT_NE(found, outputs.end()) << name;
        const Samples& actual = found->second;
        ASSERT_EQ(actual.size(), expected.size()) << name;
        double scale = 0.0;
        for (const Complex& value : expected)
            scale = std::max(scale, std::abs(value));
        for (std::size_t k = 0; k < expected.size(); ++k)
            EXPECT_LE(std::abs(actual[k] - expected[k]), 1e-10 * scale) << name << " sample " << k;
    }
}

} // namespace

TEST(PipelineRecord, RoutinesAndExtractionGiveTheRecordedResults)
{
    auto outputs = routineOutputs();
    outputs.merge(extractionOutputs());
    if (const char* fileName = std::getenv("NOLT_RECORD_PIPELINE")) {
        write(outputs, fileName);
        return;
    }
    compare(outputs);
}

// The kept Kaiser windows, chirp-z contours and Bluestein kernels and the run's 0 Hz memo
// belong to their thread: two extractions at once give what one alone gives.
TEST(PipelineRecord, TwoThreadsAtOnceGiveTheSameResults)
{
    const auto alone = extractionOutputs();
    std::map<std::string, Samples> first;
    std::map<std::string, Samples> second;
    std::thread one([&] { first = extractionOutputs(); });
    std::thread two([&] { second = extractionOutputs(); });
    one.join();
    two.join();
    EXPECT_EQ(first, alone);
    EXPECT_EQ(second, alone);
}

#pragma once

#include "simulator/model/AnalyzerModel.h"

#include <ostream>

// Readable failure messages for comparisons of analyzer models.
namespace Simulator {

inline void PrintTo(const AnalyzerModel& model, std::ostream* out)
{
    *out << "{ports " << model.portCount << ", ready " << model.ready << ", active " << model.activeChannel
         << ", output " << model.outputEnabled << ", window " << model.windowShown << ", trigger "
         << model.triggerSource.toStdString() << ", saveType " << saveTypeToken(model.saveType).toStdString()
         << ", impedances";
    for (double z : model.portImpedances)
        *out << " " << z;
    for (const auto& [number, c] : model.channels) {
        *out << "\n channel " << number << ": " << sweepTypeToken(c.sweepType).toStdString() << " "
             << c.startFrequency << ".." << c.stopFrequency << " x" << c.points << ", ifbw " << c.ifBandwidth
             << ", power " << c.power << ", continuous " << c.continuous << ", layout " << c.layout << ", traces";
        for (const auto& t : c.traces)
            *out << " " << t.parameter.toStdString() << "/" << t.sourcePort << "/" << t.format.toStdString();
        *out << ", calibration " << c.calibration.type.toStdString() << " " << c.calibration.startFrequency << ".."
             << c.calibration.stopFrequency << " x" << c.calibration.points << ", simulator " << c.fixtureSimulator
             << ", deembedding " << c.deembedding;
        for (const auto& [port, entry] : c.deembeddingPorts)
            *out << ", port " << port << " " << entry.enabled << " " << entry.fileName.toStdString() << " "
                 << (entry.network ? "loaded" : "not loaded");
    }
    *out << "}";
}

} // namespace Simulator

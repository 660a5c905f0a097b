#include "tests/engine/processes/ThruExtraction.h"

#include "engine/processes/base/ProcessFactory.h"

ThruExtraction::ThruExtraction(int processNumber, Algorithms::Z0ConversionType conversion, double rightImpedance)
{
    process.reset(static_cast<Algorithms::TransmissionProcess*>(
        Algorithms::createProcessMethodByNumber(processNumber).release()));
    QObject::connect(process.get(), &Algorithms::IProcessMethod::error,
                     [this](const QString& text) { errors << text; });
    for (auto [port, z0] : {std::pair{&left, 50.0}, std::pair{&right, rightImpedance}}) {
        // The ports tell their own refusals.
        QObject::connect(port, &Algorithms::FixturePort::error, [this](const QString& text) { errors << text; });
        port->clear();
        port->setConversionType(conversion);
        port->setZ0(z0);
    }
    process->setFixturesForCalculate(&left, &right);
    process->setInputParameters(&parameters);
}

bool ThruExtraction::run(const Algorithms::SParametersTwoPort& thru)
{
    process->setMeasuredData(thru);
    return process->run();
}

double maxDifference(const std::vector<std::complex<double>>& actual,
                     const std::vector<std::complex<double>>& expected, double fromShare, double toShare)
{
    const std::size_t n = std::min(actual.size(), expected.size());
    const auto first = static_cast<std::size_t>(fromShare * static_cast<double>(n));
    const auto last = static_cast<std::size_t>(toShare * static_cast<double>(n));
    double d = 0.0;
    for (std::size_t i = first; i < last && i < n; ++i)
        d = std::max(d, std::abs(actual[i] - expected[i]));
    return d;
}

Simulator::Physics::ScatteringMatrix deembedAt(const Algorithms::SParametersTwoPort& measured,
                                               const Algorithms::FixturePort& left,
                                               const Algorithms::FixturePort& right, std::size_t index)
{
    using Simulator::Physics::matrixAt;
    return Simulator::Physics::deembed(matrixAt(measured, index), matrixAt(*left.sParameters(), index),
                                       matrixAt(*right.sParameters(), index));
}

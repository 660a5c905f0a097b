#include "simulator/world/FixtureWorld.h"

#include "simulator/physics/Standards.h"

namespace Simulator {

FixtureWorld::FixtureWorld(Arrangement arrangement, Physics::LineCascade left, Physics::LineCascade right,
                           Physics::LineCascade dut)
    : m_arrangement(arrangement)
    , m_left(std::move(left))
    , m_right(std::move(right))
    , m_dut(std::move(dut))
{
}

QString FixtureWorld::name() const
{
    switch (m_arrangement) {
    case Arrangement::Thru:
        return "THRU";
    case Arrangement::Open:
        return "OPEN";
    case Arrangement::Short:
        return "SHORT";
    case Arrangement::Dut:
        return "DUT";
    }
    return {};
}

std::vector<Eigen::MatrixXcd> FixtureWorld::sParameters(const std::vector<double>& frequencies, int ports) const
{
    // The pair of ports: one two-port arrangement, or the two one-port standards.
    Algorithms::SParametersTwoPort pair;
    Algorithms::SParametersOnePort leftAlone;
    switch (m_arrangement) {
    case Arrangement::Thru:
        pair = Physics::twoXThru(m_left, m_right, frequencies);
        leftAlone = Physics::reflectStandard(m_left, 0.0, frequencies);
        break;
    case Arrangement::Dut:
        pair = Physics::dutInFixture(m_left, m_dut, m_right, frequencies);
        leftAlone = Physics::reflectStandard(m_left, 0.0, frequencies);
        break;
    case Arrangement::Open:
    case Arrangement::Short: {
        const double termination = m_arrangement == Arrangement::Open ? 1.0 : -1.0;
        leftAlone = Physics::reflectStandard(m_left, termination, frequencies);
        const auto right = Physics::reflectStandard(m_right, termination, frequencies);
        pair.setFrequencies(frequencies);
        pair.setS11(leftAlone.s11());
        pair.setS22(right.s11());
        pair.setS12(std::vector<std::complex<double>>(frequencies.size()));
        pair.setS21(std::vector<std::complex<double>>(frequencies.size()));
        break;
    }
    }

    std::vector<Eigen::MatrixXcd> result(frequencies.size(), Eigen::MatrixXcd::Zero(ports, ports));
    for (std::size_t k = 0; k < frequencies.size(); ++k) {
        Eigen::MatrixXcd& s = result[k];
        int port = 0;
        for (; port + 1 < ports; port += 2) {
            s(port, port) = pair.s11()[k];
            s(port, port + 1) = pair.s12()[k];
            s(port + 1, port) = pair.s21()[k];
            s(port + 1, port + 1) = pair.s22()[k];
        }
        if (port < ports)
            s(port, port) = leftAlone.s11()[k];
    }
    return result;
}

} // namespace Simulator

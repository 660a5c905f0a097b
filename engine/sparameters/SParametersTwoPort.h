#pragma once

#include "engine/sparameters/SParametersOnePort.h"

namespace Algorithms {

// Two-port set: S11, S12, S21, S22 in row-major order of the scattering matrix
// (row = receiving port, column = driven port).
class SParametersTwoPort : public SParametersOnePort
{
public:
    bool isValid() const override;
    void resize(std::size_t n) override;
    // All four parameters at once; a failure never leaves the set half re-gridded.
    bool interpolate(const std::vector<double>& newFrequencies) override;

    const std::vector<std::complex<double>>& s12() const { return m_s12; }
    std::vector<std::complex<double>>& s12() { return m_s12; }
    const std::vector<std::complex<double>>& s21() const { return m_s21; }
    std::vector<std::complex<double>>& s21() { return m_s21; }
    const std::vector<std::complex<double>>& s22() const { return m_s22; }
    std::vector<std::complex<double>>& s22() { return m_s22; }
    void setS12(const std::vector<std::complex<double>>& s12) { m_s12 = s12; }
    void setS21(const std::vector<std::complex<double>>& s21) { m_s21 = s21; }
    void setS22(const std::vector<std::complex<double>>& s22) { m_s22 = s22; }

    // Turns the set end for end (S11 <-> S22, S12 <-> S21); an invalid set stays as it is.
    void mirror();

protected:
    std::vector<std::complex<double>> m_s12;
    std::vector<std::complex<double>> m_s21;
    std::vector<std::complex<double>> m_s22;
};

} // namespace Algorithms

#include "engine/parameters/ProcessInputParameters.h"

namespace Algorithms {

ProcessInputParameters::ProcessInputParameters(QObject* parent)
    : QObject(parent)
{
}

const ProcessInputParameters::ParameterSet& ProcessInputParameters::setInForce() const
{
    return m_testMode ? m_edited : m_defaults;
}

double ProcessInputParameters::timeMin() const { return setInForce().timeMin; }
double ProcessInputParameters::normalizingValue() const { return setInForce().normalizingValue; }
int ProcessInputParameters::lowSignalCenterMode() const { return setInForce().lowSignalCenterMode; }
int ProcessInputParameters::highSignalCenterMode() const { return setInForce().highSignalCenterMode; }
double ProcessInputParameters::kaiserBeta() const { return setInForce().kaiserBeta; }
double ProcessInputParameters::kaiserBetaX() const { return setInForce().kaiserBetaX; }
double ProcessInputParameters::startZero() const { return m_edited.startZero; }
double ProcessInputParameters::riseTime() const { return m_edited.riseTime; }
int ProcessInputParameters::nRiseTime() const { return m_edited.nRiseTime; }
int ProcessInputParameters::gatingMode() const { return m_edited.gatingMode; }
int ProcessInputParameters::pulseMode() const { return m_edited.pulseMode; }

void ProcessInputParameters::setTimeMin(double value)
{
    m_edited.timeMin = value;
    emit sigTimeMinChanged();
}

void ProcessInputParameters::setNormalizingValue(double value)
{
    m_edited.normalizingValue = value;
    emit sigNormalizingValueChanged();
}

void ProcessInputParameters::setLowSignalCenterMode(int value)
{
    m_edited.lowSignalCenterMode = value;
    emit sigLowSignalCenterModeChanged();
}

void ProcessInputParameters::setHighSignalCenterMode(int value)
{
    m_edited.highSignalCenterMode = value;
    emit sigHighSignalCenterModeChanged();
}

void ProcessInputParameters::setKaiserBeta(double value)
{
    m_edited.kaiserBeta = value;
    emit sigKaiserBetaChanged();
}

void ProcessInputParameters::setKaiserBetaX(double value)
{
    m_edited.kaiserBetaX = value;
    emit sigKaiserBetaXChanged();
}

void ProcessInputParameters::setStartZero(double value)
{
    m_edited.startZero = value;
    emit sigStartZeroChanged();
}

void ProcessInputParameters::setRiseTime(double value)
{
    m_edited.riseTime = value;
    emit sigRiseTimeChanged();
}

void ProcessInputParameters::setNRiseTime(int value)
{
    m_edited.nRiseTime = value;
    emit sigNRiseTimeChanged();
}

void ProcessInputParameters::setGatingMode(int value)
{
    m_edited.gatingMode = value;
    emit sigGatingModeChanged();
}

void ProcessInputParameters::setPulseMode(int value)
{
    m_edited.pulseMode = value;
    emit sigPulseModeChanged();
}

bool ProcessInputParameters::isTestMode() const
{
    return m_testMode;
}

void ProcessInputParameters::setTestMode(bool testMode)
{
    m_testMode = testMode;
}

void ProcessInputParameters::resetToDefaults()
{
    setTimeMin(m_defaults.timeMin);
    setNormalizingValue(m_defaults.normalizingValue);
    setLowSignalCenterMode(m_defaults.lowSignalCenterMode);
    setHighSignalCenterMode(m_defaults.highSignalCenterMode);
    setKaiserBeta(m_defaults.kaiserBeta);
    setKaiserBetaX(m_defaults.kaiserBetaX);
    setStartZero(m_defaults.startZero);
    setRiseTime(m_defaults.riseTime);
    setNRiseTime(m_defaults.nRiseTime);
    setGatingMode(m_defaults.gatingMode);
    setPulseMode(m_defaults.pulseMode);
}

} // namespace Algorithms

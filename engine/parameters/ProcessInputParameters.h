#pragma once

#include <QObject>

namespace Algorithms {

// The tunable time-domain parameters of the de-embedding methods. An edited set
// (written by the test-mode table and by the processes) and a default set that
// never changes; with the test mode off the six time-domain shaping parameters
// are read from the default set, so edits of them stay stored but have no effect.
// Every setter call is announced, also with an unchanged value, because the
// processes write their parameters back at the start of each run.
class ProcessInputParameters : public QObject
{
    Q_OBJECT

public:
    explicit ProcessInputParameters(QObject* parent = nullptr);

    // Read from the set chosen by the test mode.
    double timeMin() const;
    double normalizingValue() const;
    int lowSignalCenterMode() const;
    int highSignalCenterMode() const;
    double kaiserBeta() const;
    double kaiserBetaX() const;
    // Read from the edited set whatever the test mode.
    double startZero() const;
    double riseTime() const;
    int nRiseTime() const;
    int gatingMode() const;
    int pulseMode() const;

    // Each writes the edited set.
    void setTimeMin(double value);
    void setNormalizingValue(double value);
    void setLowSignalCenterMode(int value);
    void setHighSignalCenterMode(int value);
    void setKaiserBeta(double value);
    void setKaiserBetaX(double value);
    void setStartZero(double value);
    void setRiseTime(double value);
    void setNRiseTime(int value);
    void setGatingMode(int value);
    void setPulseMode(int value);

    bool isTestMode() const;
    void setTestMode(bool testMode);

    // Copies the default set into the edited set, field by field in declaration order.
    void resetToDefaults();

signals:
    void sigTimeMinChanged();
    void sigNormalizingValueChanged();
    void sigLowSignalCenterModeChanged();
    void sigHighSignalCenterModeChanged();
    void sigKaiserBetaChanged();
    void sigKaiserBetaXChanged();
    void sigStartZeroChanged();
    void sigRiseTimeChanged();
    void sigNRiseTimeChanged();
    void sigGatingModeChanged();
    void sigPulseModeChanged();

private:
    struct ParameterSet
    {
        double timeMin = -2e-10;
        double normalizingValue = 0.89;
        int lowSignalCenterMode = 0;
        int highSignalCenterMode = 1;
        double kaiserBeta = 0.0;
        double kaiserBetaX = 6.0;
        double startZero = -4.9e-8;
        double riseTime = 4.9e-11;
        int nRiseTime = 4;
        int gatingMode = 0;
        int pulseMode = 0;
    };

    // The set that the six test-mode parameters are read from.
    const ParameterSet& setInForce() const;

    bool m_testMode = false;
    ParameterSet m_edited;
    const ParameterSet m_defaults;
};

} // namespace Algorithms

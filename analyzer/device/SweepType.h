#pragma once

#include <QMetaType>

// The analyzer's sweep type; the values are fixed by the wire protocol.
enum class SweepType {
    Linear = 0,
    Logarithmic = 1,
    Segment = 2,
    Power = 3,
};

Q_DECLARE_METATYPE(SweepType)

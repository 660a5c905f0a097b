#pragma once

#include <QObject>

// The shared values of the measurement model. QML pages compare against them by
// name, setup files store them by key name and remote keywords map to them, so
// key names and numbers are a stored format: never rename or renumber them.
namespace MeasureEnums {
Q_NAMESPACE
Q_CLASSINFO("RegisterEnumClassesUnscoped", "false")

enum class FixtureSide : int { Right = 0, Left = 1, SingleReflect = 2 };
Q_ENUM_NS(FixtureSide)

enum class MeasureStatus : int { NONE = 0, MEASURED = 1, Error = 2 };
Q_ENUM_NS(MeasureStatus)

// OPEN_AND_SHORT is the bit-or of OPEN and SHORT.
enum class FixturePossibleState : int { NONE = 0, OPEN = 1, SHORT = 2, OPEN_AND_SHORT = 3 };
Q_ENUM_NS(FixturePossibleState)

enum class MeasureType : int { TRANSMISSION = 0, REFLECT = 1, DUT = 2 };
Q_ENUM_NS(MeasureType)

enum class AlgorithmState : int { THRU = 0, OPEN = 1, SHORT = 2 };
Q_ENUM_NS(AlgorithmState)

enum class FixtureInput : int { SINGLE = 0, DIFFERENTIAL = 1 };
Q_ENUM_NS(FixtureInput)

// The user-facing numbering; the engine's differs (see EnumConversions.h).
enum class CorrectionMethod : int { TIME_GATING = 0, BISECT = 1, FILTERING = 2 };
Q_ENUM_NS(CorrectionMethod)

enum class Z0Conversion : int { System = 0, Fixture = 1, User = 2, None = 3 };
Q_ENUM_NS(Z0Conversion)

} // namespace MeasureEnums

namespace CoreMeasureEnums {
Q_NAMESPACE
Q_CLASSINFO("CoreRegisterEnumClassesUnscoped", "false")

// The verdict of one analyzer settings check.
enum class RecommendedResult : int { Correct = 0, Warning = 1, Error = 2 };
Q_ENUM_NS(RecommendedResult)

} // namespace CoreMeasureEnums

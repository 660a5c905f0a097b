#pragma once

namespace Orlix::Automation {

// The error codes that the command set raises (texts in the parser's error table).
constexpr int kExecutionError = 200;
constexpr int kInvalidPortIndex = 221;
constexpr int kDataOutOfRange = 222;
constexpr int kIllegalParameterValue = 224;
constexpr int kAnalyzerNotReady = 240;
constexpr int kInvalidSetupIndex = 260;
constexpr int kInvalidStepIndex = 261;
constexpr int kStepNotMeasured = 263;
constexpr int kOffsetNotEnabled = 264;
constexpr int kOpenNotEnabled = 265;
constexpr int kShortNotEnabled = 266;
constexpr int kReflectOffsetNotEnabled = 267;
constexpr int kUnknownStepType = 268;
constexpr int kFixtureNotEnabled = 269;
constexpr int kConnectionNotEnabled = 270;
constexpr int kInvalidMethod = 271;
constexpr int kInvalidPortsNumber = 272;
constexpr int kInvalidSweepType = 273;
constexpr int kInvalidBandwidth = 274;
constexpr int kInvalidFrequency = 275;
constexpr int kInvalidPower = 277;
constexpr int kInvalidPointsNumber = 278;
constexpr int kLowPassNotEnabled = 279;
constexpr int kLowPassIgnored = 280;
constexpr int kInvalidZ0 = 281;
constexpr int kInvalidCalibrationType = 282;
constexpr int kInvalidLength = 283;
constexpr int kInvalidImpedance = 284;
constexpr int kInvalidGating = 285;
constexpr int kDeleteError = 286;
constexpr int kRootApplicationError = 288;

} // namespace Orlix::Automation

#include "analyzer/device/WireTokens.h"

#include <algorithm>
#include <array>
#include <utility>

namespace WireTokens {
namespace {

template <typename Enum, std::size_t N>
using Table = std::array<std::pair<Enum, const char*>, N>;

const Table<SweepType, 4> sweepTypes{{
    {SweepType::Linear, "LIN"},
    {SweepType::Logarithmic, "LOG"},
    {SweepType::Segment, "SEGM"},
    {SweepType::Power, "POW"},
}};

const Table<VNADevice::SaveType, 5> saveTypes{{
    {VNADevice::State, "STATe"},
    {VNADevice::ChannelState, "CSTate"},
    {VNADevice::DataState, "DSTate"},
    {VNADevice::ChannelDataState, "CDSTate"},
    {VNADevice::ChannelMemoryState, "CMSTate"},
}};

const Table<VNADevice::GraphicFormat, 16> graphicFormats{{
    {VNADevice::MLogarithmic, "MLOGarithmic"},
    {VNADevice::Phase, "PHASe"},
    {VNADevice::GroupDelay, "GDELay"},
    {VNADevice::SmithLinear, "SLINear"},
    {VNADevice::SmithLogarithmic, "SLOGarithmic"},
    {VNADevice::SmithComplex, "SCOMplex"},
    {VNADevice::Smith, "SMITh"},
    {VNADevice::SmithAdmittance, "SADMittance"},
    {VNADevice::PolarLinear, "PLINear"},
    {VNADevice::PolarLogarithmic, "PLOGarithmic"},
    {VNADevice::Polar, "POLar"},
    {VNADevice::MLinear, "MLINear"},
    {VNADevice::Swr, "SWR"},
    {VNADevice::Real, "REAL"},
    {VNADevice::Imaginary, "IMAGinary"},
    {VNADevice::UnwrappedPhase, "UPHase"},
}};

const Table<VNADevice::TypeOfParameter, 3> parameterTypes{{
    {VNADevice::TestReceiver, "T%0"},
    {VNADevice::ReferenceReceiver, "R%0"},
    {VNADevice::RatioReceiver, "V%0"},
}};

const Table<VNADevice::CalibrationType, 9> calibrationTypes{{
    {VNADevice::NoCalibrationType, "NONE"},
    {VNADevice::ResponseOpen, "RESPO"},
    {VNADevice::ResponseShort, "RESPS"},
    {VNADevice::ResponseThru, "RESPT"},
    {VNADevice::Solt1, "SOLT1"},
    {VNADevice::Solt2, "SOLT2"},
    {VNADevice::Solt3, "SOLT3"},
    {VNADevice::Solt4, "SOLT4"},
    {VNADevice::OnePath, "1PATH"},
}};

template <typename Enum, std::size_t N>
QString tokenOf(const Table<Enum, N>& table, Enum value)
{
    const auto found = std::find_if(table.begin(), table.end(), [value](const auto& row) { return row.first == value; });
    return found == table.end() ? QString() : QString::fromLatin1(found->second);
}

template <typename Enum, std::size_t N>
std::optional<Enum> valueOf(const Table<Enum, N>& table, const QString& token)
{
    const auto found = std::find_if(table.begin(), table.end(),
                                    [&token](const auto& row) { return token == QLatin1String(row.second); });
    if (found == table.end())
        return std::nullopt;
    return found->first;
}

} // namespace

QString sweepType(SweepType type)
{
    return tokenOf(sweepTypes, type);
}

std::optional<SweepType> sweepTypeFromToken(const QString& token)
{
    return valueOf(sweepTypes, token);
}

QString saveType(VNADevice::SaveType type)
{
    return tokenOf(saveTypes, type);
}

VNADevice::SaveType saveTypeFromToken(const QString& token)
{
    return valueOf(saveTypes, token).value_or(VNADevice::State);
}

QString graphicFormat(VNADevice::GraphicFormat format)
{
    return tokenOf(graphicFormats, format);
}

QString parameterType(VNADevice::TypeOfParameter type, uint receiver)
{
    const QString pattern = tokenOf(parameterTypes, type);
    return pattern.isEmpty() ? pattern : pattern.arg(receiver + 1);
}

std::optional<VNADevice::CalibrationType> calibrationTypeFromToken(const QString& token)
{
    return valueOf(calibrationTypes, token);
}

QString number(double value)
{
    return QString::number(value, 'g', 10);
}

QString boolean(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace WireTokens

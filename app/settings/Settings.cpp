#include "app/settings/Settings.h"

#include <QDir>

#include <cmath>
#include <limits>
#include <type_traits>

namespace {

// Unset for a null or invalid variant; otherwise the value, converted to the
// member's type when needed, or that type's empty value when it does not convert.
template <typename T>
void assign(std::optional<T>& member, const QVariant& value)
{
    if (!value.isValid() || value.isNull()) {
        member.reset();
        return;
    }
    QVariant converted = value;
    bool fits = converted.convert(qMetaTypeId<T>());
    // Qt wraps wider numbers around into an unsigned one (2^32 + 5025 gives 5025).
    if constexpr (std::is_same_v<T, uint32_t>) {
        bool whole = false;
        fits = fits && value.toULongLong(&whole) <= std::numeric_limits<uint32_t>::max() && whole;
    }
    member = fits ? converted.value<T>() : T{};
}

template <typename T>
QVariant variantOf(const std::optional<T>& member)
{
    return member ? QVariant::fromValue(*member) : QVariant();
}

constexpr double SmallestScaling = 0.5;
constexpr double LargestScaling = 4.0;

} // namespace

Settings::Settings(QObject* parent)
    : QObject(parent)
    , m_store(QDir::toNativeSeparators(QStringLiteral("settings/settings")), QSettings::IniFormat)
{
    load();
}

Settings::~Settings()
{
    save();
}

void Settings::load()
{
    m_store.beginGroup(QStringLiteral("General"));
    assign(darkTheme, m_store.value(QStringLiteral("isDarkTheme")));
    assign(showHover, m_store.value(QStringLiteral("showHover")));
    assign(saveUserSetup, m_store.value(QStringLiteral("saveUserSetup")));
    assign(loadedStateFile, m_store.value(QStringLiteral("loadedStateFile")));
    m_store.endGroup();
    m_store.beginGroup(QStringLiteral("Network"));
    assign(ipAddress, m_store.value(QStringLiteral("ipAddress")));
    assign(port, m_store.value(QStringLiteral("port")));
    m_store.endGroup();
    m_store.beginGroup(QStringLiteral("Display"));
    assign(scalingFactor, m_store.value(QStringLiteral("scalingFactor")));
    m_store.endGroup();
}

void Settings::save()
{
    m_store.beginGroup(QStringLiteral("General"));
    m_store.setValue(QStringLiteral("isDarkTheme"), variantOf(darkTheme));
    m_store.setValue(QStringLiteral("showHover"), variantOf(showHover));
    m_store.setValue(QStringLiteral("saveUserSetup"), variantOf(saveUserSetup));
    m_store.setValue(QStringLiteral("loadedStateFile"), variantOf(loadedStateFile));
    m_store.endGroup();
    m_store.beginGroup(QStringLiteral("Network"));
    m_store.setValue(QStringLiteral("ipAddress"), variantOf(ipAddress));
    m_store.setValue(QStringLiteral("port"), variantOf(port));
    m_store.endGroup();
    m_store.beginGroup(QStringLiteral("Display"));
    m_store.setValue(QStringLiteral("scalingFactor"), variantOf(scalingFactor));
    m_store.endGroup();
    m_store.sync();
}

void Settings::clear()
{
    m_store.clear();
}

std::optional<quint16> Settings::validPort() const
{
    if (port && *port >= 1 && *port <= 65535)
        return static_cast<quint16>(*port);
    return std::nullopt;
}

std::optional<QString> Settings::validScalingFactor() const
{
    if (!scalingFactor)
        return std::nullopt;
    bool converted = false;
    const double factor = scalingFactor->toDouble(&converted);
    if (!converted || !std::isfinite(factor) || factor < SmallestScaling || factor > LargestScaling)
        return std::nullopt;
    return QString::number(factor);
}

std::optional<QString> Settings::validLoadedStateFile() const
{
    if (!loadedStateFile || loadedStateFile->isEmpty() || loadedStateFile->contains(QLatin1String("..")))
        return std::nullopt;
    for (const QChar c : *loadedStateFile)
        if (c.category() == QChar::Other_Control || QStringLiteral("/\\:;\"").contains(c))
            return std::nullopt;
    return loadedStateFile;
}

template <typename T>

void Settings::write(std::optional<T>& member, const QVariant& value, void (Settings::*changed)())
{
    if (member && QVariant::fromValue(*member) == value)
        return;
    assign(member, value);
    emit(this->*changed)();
}

QVariant Settings::darkThemeValue() const
{
    return variantOf(darkTheme);
}

QVariant Settings::showHoverValue() const
{
    return variantOf(showHover);
}

QVariant Settings::saveUserSetupValue() const
{
    return variantOf(saveUserSetup);
}

QVariant Settings::loadedStateFileValue() const
{
    return variantOf(loadedStateFile);
}

QVariant Settings::ipAddressValue() const
{
    return variantOf(ipAddress);
}

QVariant Settings::portValue() const
{
    return variantOf(port);
}

QVariant Settings::scalingFactorValue() const
{
    return variantOf(scalingFactor);
}

void Settings::setDarkTheme(const QVariant& value)
{
    write(darkTheme, value, &Settings::darkThemeChanged);
}

void Settings::setShowHover(const QVariant& value)
{
    write(showHover, value, &Settings::showHowerChanged);
}

void Settings::setSaveUserSetup(const QVariant& value)
{
    write(saveUserSetup, value, &Settings::saveUserSetupChanged);
}

void Settings::setLoadedStateFile(const QVariant& value)
{
    write(loadedStateFile, value, &Settings::loadedStateFileChanged);
}

void Settings::setIpAddress(const QVariant& value)
{
    write(ipAddress, value, &Settings::ipAddressChanged);
}

void Settings::setPort(const QVariant& value)
{
    write(port, value, &Settings::portChanged);
}

void Settings::setScalingFactor(const QVariant& value)
{
    write(scalingFactor, value, &Settings::scalingFactorChanged);
}

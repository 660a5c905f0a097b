#pragma once

#include <QString>

#include <optional>

// Where the analyzer is reached: a stored address and port are used only when
// they can name one, else the default 127.0.0.1:5025 stays.
struct AnalyzerEndpoint
{
    static constexpr quint16 DefaultPort = 5025;

    QString address = QStringLiteral("127.0.0.1");
    quint16 port = DefaultPort;
};

// validPort: the stored port when it lies within 1..65535 (Settings::validPort()).
AnalyzerEndpoint analyzerEndpoint(const std::optional<QString>& storedAddress, std::optional<quint16> validPort);

#include "app/backend/AnalyzerEndpoint.h"

AnalyzerEndpoint analyzerEndpoint(const std::optional<QString>& storedAddress, std::optional<quint16> validPort)
{
    AnalyzerEndpoint endpoint;
    if (storedAddress && !storedAddress->trimmed().isEmpty())
        endpoint.address = storedAddress->trimmed();
    if (validPort && *validPort > 0)
        endpoint.port = *validPort;
    return endpoint;
}

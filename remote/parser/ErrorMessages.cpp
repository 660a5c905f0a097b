#include "remote/parser/ErrorMessages.h"

#include <QHash>

#include <mutex>

namespace Orlix::Automation {

namespace {

QHash<int, QString>& errorMessages()
{
    static QHash<int, QString> messages;
    return messages;
}

std::once_flag errorMessagesBuilt;

void fillErrorMessages()
{
    errorMessages() = {
        {100, "Command error"},
        {101, "Unmatched quote"},
        {102, "Unmatched bracket"},
        {103, "Invalid value in numeric list"},
        {104, "Data type error"},
        {105, "GET not allowed"},
        {106, "Numeric parameter overflow"},
        {107, "Wrong units in numeric data"},
        {108, "Parameter not allowed"},
        {109, "Missing parameter"},
        {110, "Command header error"},
        {114, "Header suffix out of range"},
        {115, "Input buffer is full"},
        {117, "Invalid number of dimensions in a channel list"},
        {130, "Suffix eror"},
        {177, "No entry in list to retrieve (number list or channel list)"},
        {178, "Too many dimensions in entry to be returned in parameters"},
        {195, "DESIGN ERROR: Too many numeric suffices in Command Spec"},
        {199, "No Input Command to parse"},
        {200, "Execution error"},
        {201, "Invalid channel index"},
        {202, "Invalid trace index"},
        {203, "Invalid marker index"},
        {204, "Marker is not active"},
        {205, "Invalid save type specifier"},
        {206, "Invalid sweep type specifier"},
        {207, "Invalid trigger source specifier"},
        {208, "Invalid measurement parameter specifier"},
        {209, "Invalid format specifier"},
        {211, "Trigger ignored"},
        {212, "Invalid trigger source"},
        {213, "Init ignored"},
        {215, "Invalid segment data"},
        {216, "Invalid standard type specifier"},
        {220, "Parameter error"},
        {221, "Invalid port index"},
        {222, "Data out of range"},
        {224, "Illegal parameter value"},
        {240, "Analyzer not ready"},
        {256, "File name not found"},
        {260, "Invalid setup index"},
        {261, "Invalid step index"},
        {262, "Invalid step connection"},
        {263, "Step not measured"},
        {264, "Offset not enable"},
        {265, "Measure OPEN not enable"},
        {266, "Measure SHORT not enable"},
        {267, "Reflection offset not enable"},
        {268, "Step type is not defined in the scpi automation module"},
        {269, "Fixture not enable"},
        {270, "Connection not enable"},
        {271, "Invalid calculation method type"},
        {272, "Invalid number of ports"},
        {273, "Invalid sweep type"},
        {274, "Invalid bandwidth"},
        {275, "Invalid frequency"},
        {276, "Invalid frequency step"},
        {277, "Invalid output power"},
        {278, "Invalid sweep points number"},
        {279, "Low pass mode not enable"},
        {280, "Low pass mode is ignored"},
        {281, "Invalid Z0 error"},
        {282, "Invalid calibration type"},
        {283, "Invalid electrical length"},
        {284, "Invalid impedance"},
        {285, "Invalid gating"},
        {286, "Delete error"},
        {288, "Root application error"},
        {400, "Query error"},
        {403, "Query no data"},
        {404, "Query truncated"},
        {410, "Query INTERRUPTED"},
    };
}

} // namespace

void initErrorMessages()
{
    std::call_once(errorMessagesBuilt, fillErrorMessages);
}

QString errorMessage(int code)
{
    initErrorMessages();
    return errorMessages().value(code);
}

QString errorQueueReply(int code)
{
    if (code == 0)
        return QStringLiteral("0, No error");
    return QStringLiteral("-%1, %2").arg(code).arg(errorMessage(code));
}

} // namespace Orlix::Automation

#include "remote/commands/ReplyFormatting.h"

#include "remote/parser/AutomationException.h"

#include <QTextStream>

namespace Orlix::Automation {

QString formatReal(double value)
{
    return QString::number(value, 'g', 6);
}

QString formatBool(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

QString formatTraceValues(const QVector<QPointF>& curve)
{
    QString text;
    QTextStream stream(&text);
    for (int i = 0; i + 1 < curve.size(); ++i)
        stream << curve[i].y() << ',';
    stream << curve.last().y();
    stream.flush();
    return text;
}

QString realOrRaise(const std::optional<double>& value, int missingCode)
{
    if (!value)
        throw AutomationException(missingCode);
    return formatReal(*value);
}

} // namespace Orlix::Automation

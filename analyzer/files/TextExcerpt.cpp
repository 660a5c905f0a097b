#include "analyzer/files/TextExcerpt.h"

namespace {

bool showable(uint codePoint)
{
    switch (QChar::category(codePoint)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return false;
    default:
        return true;
    }
}

QString escaped(uint codePoint)
{
    const auto hex = [codePoint](int digits) {
        return QString::number(codePoint, 16).toUpper().rightJustified(digits, QLatin1Char('0'));
    };
    if (codePoint <= 0xFF)
        return QStringLiteral("\\x") + hex(2);
    if (codePoint <= 0xFFFF)
        return QStringLiteral("\\u") + hex(4);
    return QStringLiteral("\\U") + hex(8);
}

} // namespace

namespace TextExcerpt {

QString of(const QString& text, int length)
{
    QString excerpt;
    int k = 0;
    while (k < text.size()) {
        const QChar c = text[k];
        const bool pair = c.isHighSurrogate() && k + 1 < text.size() && text[k + 1].isLowSurrogate();
        const uint codePoint = pair ? QChar::surrogateToUcs4(c, text[k + 1]) : c.unicode();
        const QString shown = showable(codePoint) ? text.mid(k, pair ? 2 : 1) : escaped(codePoint);
        if (excerpt.size() + shown.size() > length)
            break;
        excerpt += shown;
        k += pair ? 2 : 1;
    }
    if (k < text.size())
        excerpt += QChar(0x2026);
    return excerpt;
}

} // namespace TextExcerpt

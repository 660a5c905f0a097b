#include "analyzer/files/TouchstoneReader.h"

#include "analyzer/files/TextExcerpt.h"
#include "analyzer/files/TouchstoneLayout.h"

#include <QDebug>

#include <cmath>

using TouchstoneLayout::parseFinite;

namespace {

constexpr double degree = M_PI / 180.0;
constexpr double minimumR = 0.001;
constexpr double maximumR = 1000.0;
// A noise-parameter line: frequency, minimum noise figure, optimum reflection as magnitude
// and angle, effective noise resistance.
constexpr int noiseParameterTokens = 5;

} // namespace

TouchstoneReader::TouchstoneReader(int portCount)
    : m_portCount(portCount)
    , m_tokensPerRecord(1 + 2 * portCount * portCount)
{
}

bool TouchstoneReader::addLine(const QString& line)
{
    ++m_line;
    QString text = line.simplified();
    const int comment = text.indexOf('!');
    if (comment >= 0)
        text.truncate(comment);
    // A byte-order mark that the decoder left in place is no content either.
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text = text.trimmed();
    if (text.isEmpty())
        return true;
    // Keyword lines of later Touchstone versions.
    if (text.contains('[') && text.contains(']'))
        return true;
    if (text.startsWith('#')) {
        applyOptionLine(text);
        return true;
    }
    return addDataTokens(text.split(' ', Qt::SkipEmptyParts));
}

void TouchstoneReader::applyOptionLine(const QString& line)
{
    // The option line starts the data afresh; whatever it leaves out takes the
    // format's defaults (GHz, S, MA, R 50).
    m_data = TouchstoneData();
    clearTokens();
    const QStringList tokens = line.mid(1).toUpper().split(' ', Qt::SkipEmptyParts);
    for (int i = 0; i < tokens.size(); ++i) {
        const QString& token = tokens[i];
        if (token == "HZ")
            m_data.unit = TouchstoneData::HZ;
        else if (token == "KHZ")
            m_data.unit = TouchstoneData::KHZ;
        else if (token == "MHZ")
            m_data.unit = TouchstoneData::MHZ;
        else if (token == "GHZ")
            m_data.unit = TouchstoneData::GHZ;
        else if (token == "S")
            m_data.parameter = TouchstoneData::S;
        else if (token == "Y")
            m_data.parameter = TouchstoneData::Y;
        else if (token == "Z")
            m_data.parameter = TouchstoneData::Z;
        else if (token == "H")
            m_data.parameter = TouchstoneData::H;
        else if (token == "G")
            m_data.parameter = TouchstoneData::G;
        else if (token == "RI")
            m_data.format = TouchstoneData::RI;
        else if (token == "MA")
            m_data.format = TouchstoneData::MA;
        else if (token == "DB")
            m_data.format = TouchstoneData::DB;
        else if (token == "R") {
            // A named but unusable impedance reads as 0 (unknown), never as the default 50.
            const auto r = i + 1 < tokens.size() ? parseFinite(tokens[i + 1]) : std::nullopt;
            m_data.R = r && *r >= minimumR && *r <= maximumR ? *r : 0.0;
        }
    }
}

bool TouchstoneReader::addDataTokens(const QStringList& tokens)
{
    if (m_tokens.isEmpty() && stepsBack(tokens.first())) {
        // Two-port files may end with noise parameters: a frequency that does not rise,
        // followed by four values. Any other step back is a damaged file, whose records
        // after the step would otherwise be lost without a word.
        if (m_portCount != 2 || tokens.size() != noiseParameterTokens) {
            qDebug().noquote() << "Touchstone frequency does not rise:" << TextExcerpt::of(tokens.first());
            return fail(TouchstoneReadIssue::FrequencyStepsBack, m_line);
        }
        m_atNoiseData = true;
        return true;
    }
    m_tokens += tokens;
    m_tokenLines.insert(m_tokenLines.end(), static_cast<std::size_t>(tokens.size()), m_line);
    if (m_tokens.size() < m_tokensPerRecord)
        return true;
    if (m_tokens.size() > m_tokensPerRecord)
        return fail(TouchstoneReadIssue::TooManyValues, m_line);
    const auto record = parseRecord();
    if (!record)
        return false;
    clearTokens();
    m_data.records.push_back(*record);
    return true;
}

void TouchstoneReader::finish()
{
    if (m_tokens.isEmpty() || m_issue.kind != TouchstoneReadIssue::None)
        return;
    // A token that is no number says more about the damage than the cut does.
    for (int k = 0; k < m_tokens.size(); ++k) {
        if (!parseFinite(m_tokens[k])) {
            fail(TouchstoneReadIssue::NotANumber, m_tokenLines[k], m_tokens[k]);
            return;
        }
    }
    fail(TouchstoneReadIssue::IncompleteRecord, m_tokenLines.front());
}

bool TouchstoneReader::fail(TouchstoneReadIssue::Kind kind, int line, const QString& token)
{
    // A damaged file may make one "token" of a whole line of megabytes.
    m_issue = {kind, line, TextExcerpt::of(token)};
    return false;
}

void TouchstoneReader::clearTokens()
{
    m_tokens.clear();
    m_tokenLines.clear();
}

bool TouchstoneReader::stepsBack(const QString& firstToken) const
{
    if (m_data.records.empty())
        return false;
    const auto frequency = parseFinite(firstToken);
    return frequency
        && *frequency * TouchstoneLayout::frequencyFactor(m_data.unit) <= m_data.records.back().frequency;
}

std::optional<TouchstoneRecord> TouchstoneReader::parseRecord()
{
    const auto frequency = parseFinite(m_tokens.first());
    TouchstoneRecord record;
    if (frequency)
        record.frequency = *frequency * TouchstoneLayout::frequencyFactor(m_data.unit);
    if (!frequency || !std::isfinite(record.frequency)) {
        fail(TouchstoneReadIssue::NotANumber, m_tokenLines.front(), m_tokens.first());
        return std::nullopt;
    }
    // Only a full record gets here: one value per pair of ports.
    record.N = static_cast<std::size_t>(m_portCount);
    const std::size_t count = record.N * record.N;
    record.values.resize(count);
    for (std::size_t k = 0; k < count; ++k) {
        const int first = static_cast<int>(2 * k + 1);
        const auto value = parseValue(m_tokens[first], m_tokens[first + 1]);
        if (!value) {
            const int bad = parseFinite(m_tokens[first]) ? first + 1 : first;
            fail(TouchstoneReadIssue::NotANumber, m_tokenLines[bad], m_tokens[bad]);
            return std::nullopt;
        }
        record.values[TouchstoneLayout::matrixIndex(k, m_portCount, record.N)] = *value;
    }
    return record;
}

std::optional<std::complex<double>> TouchstoneReader::parseValue(const QString& a, const QString& b) const
{
    const auto first = parseFinite(a);
    const auto second = parseFinite(b);
    if (!first || !second)
        return std::nullopt;
    std::complex<double> value;
    switch (m_data.format) {
    case TouchstoneData::RI:
        value = {*first, *second};
        break;
    case TouchstoneData::DB: {
        const double magnitude = std::pow(10.0, *first / 20.0);
        value = {magnitude * std::cos(*second * degree), magnitude * std::sin(*second * degree)};
        break;
    }
    default:
        value = {*first * std::cos(*second * degree), *first * std::sin(*second * degree)};
        break;
    }
    if (!std::isfinite(value.real()) || !std::isfinite(value.imag()))
        return std::nullopt;
    return value;
}

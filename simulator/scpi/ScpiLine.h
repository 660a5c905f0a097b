#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace Simulator {

// One received program line split into its header and its arguments, e.g.
// "SENSe1:FREQuency:STARt 1e9" or ":TRIG:SING" or "*IDN?".
struct ScpiLine
{
    struct Node
    {
        QString mnemonic;          // upper-cased, without its numeric suffix
        std::optional<int> suffix; // the digits that followed the mnemonic, if any
    };

    std::vector<Node> nodes;
    bool isQuery = false;
    QString arguments; // raw text after the header, trimmed

    // No value for an empty line or a malformed header.
    static std::optional<ScpiLine> parse(const QString& text);

    // Arguments split at "," and trimmed; enclosing quotes removed.
    QStringList argumentList() const;
    // The whole argument text with enclosing quotes removed: file paths may hold "," or blanks.
    QString argumentText() const;
};

} // namespace Simulator

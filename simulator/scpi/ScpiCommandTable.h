#pragma once

#include "simulator/scpi/ScpiLine.h"
#include "simulator/scpi/ScpiPattern.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace Simulator {

// What the analyzer does with a line once it has been carried out.
struct ScpiResult
{
    enum class Kind
    {
        Done,          // a command: nothing to send
        Reply,         // a query: send the text as one line
        ReplyWhenIdle, // "*OPC?": send the text once no sweep is running
        Rejected       // not carried out; the text says why (queries get no reply)
    };

    Kind kind = Kind::Done;
    QString text;

    static ScpiResult done() { return {Kind::Done, {}}; }
    static ScpiResult reply(const QString& text) { return {Kind::Reply, text}; }
    static ScpiResult replyWhenIdle(const QString& text) { return {Kind::ReplyWhenIdle, text}; }
    static ScpiResult rejected(const QString& reason) { return {Kind::Rejected, reason}; }
};

struct ScpiRequest
{
    const ScpiLine& line;
    std::vector<int> suffixes; // of the pattern's "#" nodes, in order
};

using ScpiHandler = std::function<ScpiResult(const ScpiRequest&)>;

// The analyzer's command set: header patterns and what each one does.
class ScpiCommandTable
{
public:
    struct Entry
    {
        ScpiPattern pattern;
        ScpiHandler handler;
    };

    struct Match
    {
        std::size_t entryIndex = 0;
        std::vector<int> suffixes;
    };

    void add(const QString& pattern, ScpiHandler handler);
    // Keeps an object that handlers refer to alive as long as the table.
    void keepAlive(std::shared_ptr<void> object) { m_keptAlive.push_back(std::move(object)); }

    // The first entry whose pattern the line's header matches.
    std::optional<Match> find(const ScpiLine& line) const;
    const Entry& entry(std::size_t index) const { return m_entries[index]; }

private:
    std::vector<Entry> m_entries;
    std::vector<std::shared_ptr<void>> m_keptAlive;
};

} // namespace Simulator

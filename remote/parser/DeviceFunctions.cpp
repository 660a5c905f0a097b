#include "remote/parser/DeviceFunctions.h"

#include "remote/parser/AutomationException.h"
#include "remote/parser/HeaderPattern.h"
#include "remote/parser/ScpiCharacters.h"
#include "remote/parser/ScpiHandlerBase.h"

#include <QDebug>

#include <algorithm>
#include <array>
#include <exception>

namespace Orlix::Automation {

namespace {

using namespace ScpiCharacters;

constexpr int kNothingToParse = 199;
constexpr int kHeaderError = 110;
constexpr int kDataTypeError = 104;
constexpr int kSuffixRefused = 195;

// The patterns and their handlers; the entry after the last pattern stays
// empty and ends the registry.
struct CommandRegistry
{
    std::array<QByteArray, DeviceFunctions::registryCapacity + 1> registeredPatterns;
    std::array<std::unique_ptr<ScpiHandlerBase>, DeviceFunctions::registryCapacity> registeredHandlers;
    int registeredCount = 0;
};

CommandRegistry& registry()
{
    static CommandRegistry instance;
    return instance;
}

// The end of the command that starts at `cursor`: the next ";" outside quotes.
const char* commandEnd(const char* cursor, const char* end)
{
    char openQuote = 0;
    for (; cursor != end; ++cursor) {
        const char c = *cursor;
        if (openQuote) {
            if (c == openQuote)
                openQuote = 0;
        } else if (c == '"' || c == '\'') {
            openQuote = c;
        } else if (c == ';') {
            break;
        }
    }
    return cursor;
}

} // namespace

DeviceFunctions::DeviceFunctions(RemoteClientBase* client, QByteArray* answer, QObject* parent)
    : QObject(parent), m_client(client), m_answer(answer)
{
}

void DeviceFunctions::registerCommand(const QByteArray& pattern, std::unique_ptr<ScpiHandlerBase> handler)
{
    CommandRegistry& commands = registry();
    if (commands.registeredCount == registryCapacity) {
        qCritical() << "Command registry is full, dropped" << pattern;
        return;
    }
    commands.registeredPatterns[std::size_t(commands.registeredCount)] = pattern;
    commands.registeredHandlers[std::size_t(commands.registeredCount)] = std::move(handler);
    ++commands.registeredCount;
    commands.registeredPatterns[std::size_t(commands.registeredCount)] = QByteArray();
}

void DeviceFunctions::ParseMessage(const QByteArray& command)
{
    const char* cursor = command.constData();
    const char* end = cursor + command.size();
    m_headerPath = {};
    bool firstCommand = true;
    for (;;) {
        std::unique_ptr<ScpiHandlerBase> handler;
        const int code = parseNextCommand(cursor, end, firstCommand, handler);
        if (code == kNothingToParse)
            return;
        if (code != 0)
            throw AutomationException(code);
        handler->setObject(this);
        try {
            handler->execute();
        } catch (...) {
            handler->reset();
            throw;
        }
        handler->reset();
        firstCommand = false;
    }
}

int DeviceFunctions::parseNextCommand(const char*& cursor, const char* end, bool firstCommand,
                                      std::unique_ptr<ScpiHandlerBase>& handler)
{
    while (cursor != end && (*cursor == ';' || isBlankOrControl(*cursor)))
        ++cursor;
    if (cursor == end)
        return kNothingToParse;
    const char* begin = cursor;
    cursor = commandEnd(cursor, end);
    return parseCommand(begin, cursor, firstCommand, handler);
}

int DeviceFunctions::parseCommand(const char* begin, const char* end, bool firstCommand,
                                  std::unique_ptr<ScpiHandlerBase>& handler)
{
    bool fromRoot = firstCommand;
    if (*begin == ':') {
        ++begin;
        fromRoot = true;
    }
    if (fromRoot)
        m_headerPath = {};
    const bool pathWasEmpty = m_headerPath.length == 0;

    const char* headerEnd = begin;
    while (headerEnd != end && byteOf(*headerEnd) >= 33)
        ++headerEnd;
    const bool common = begin != headerEnd && *begin == '*';

    m_effectiveHeader.clear();
    if (!common)
        m_effectiveHeader.append(m_headerPath.begin, m_headerPath.length);
    m_effectiveHeader.append(begin, int(headerEnd - begin));
    const char* effective = m_effectiveHeader.constData();
    const char* effectiveEnd = effective + m_effectiveHeader.size();

    const CommandRegistry& commands = registry();
    int lowestCode = kHeaderError;
    for (int i = 0; i < commands.registeredCount && !commands.registeredPatterns[std::size_t(i)].isEmpty(); ++i) {
        std::unique_ptr<ScpiHandlerBase> candidate;
        int code = 0;
        try {
            SuffixTexts suffixes;
            switch (matchHeader(commands.registeredPatterns[std::size_t(i)], effective, effectiveEnd, suffixes)) {
            case HeaderMatch::Mismatch:
                code = kHeaderError;
                break;
            case HeaderMatch::SuffixRefused:
                code = kSuffixRefused;
                break;
            case HeaderMatch::Matched:
                candidate = commands.registeredHandlers[std::size_t(i)]->clone();
                for (std::size_t s = 0; s < suffixes.count && code == 0; ++s) {
                    if (!candidate->parseSuffix(suffixes.texts[s].begin, suffixes.texts[s].end))
                        code = kSuffixRefused;
                }
                if (code == 0 && !candidate->parseArguments(headerEnd, end))
                    code = kDataTypeError;
                break;
            }
        } catch (const std::exception& e) {
            qDebug() << e.what();
            code = kHeaderError;
        }
        if (code == 0) {
            handler = std::move(candidate);
            if ((fromRoot || pathWasEmpty) && !common) {
                const char* lastColon = headerEnd;
                while (lastColon != begin && lastColon[-1] != ':')
                    --lastColon;
                m_headerPath = {begin, int(lastColon - begin)};
            }
            return 0;
        }
        if (candidate)
            candidate->reset();
        lowestCode = std::min(lowestCode, code);
    }
    return lowestCode;
}

void DeviceFunctions::sendAnswer(const QByteArray& message)
{
    if (!m_answer->isEmpty())
        m_answer->append(';');
    m_answer->append(message);
}

void DeviceFunctions::sendAnswer(const QString& message)
{
    sendAnswer(message.toLatin1());
}

} // namespace Orlix::Automation

#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>
#include <string>

namespace Orlix::Automation {

class RemoteClientBase;
class ScpiHandlerBase;

// Parses and executes one request line of a remote client: cuts it into
// commands at ";", resolves each header against the process-wide registry of
// patterns, lets the pattern's handler take the parameters and executes it.
// Queries answer through sendAnswer; a failure ends the line with an
// AutomationException carrying the SCPI error code.
class DeviceFunctions : public QObject
{
    Q_OBJECT
public:
    static constexpr int registryCapacity = 1000;

    DeviceFunctions(RemoteClientBase* client, QByteArray* answer, QObject* parent);

    // Registration order is the order in which patterns are tried. The registry
    // is filled before the first client connects and never changes after.
    static void registerCommand(const QByteArray& pattern, std::unique_ptr<ScpiHandlerBase> handler);

    // Executes every command of the line; throws AutomationException with the
    // code of the first failing command, leaving the answers collected before it.
    void ParseMessage(const QByteArray& command);

    // The client connection of the line; null when the line has none.
    RemoteClientBase* client() const { return m_client; }

    static void skipWhitespace(const char*& cursor, const char* end);
    // Passes blanks and at most one separator (with the blanks after it);
    // returns whether a separator was passed.
    static bool skipSeparator(const char*& cursor, const char* end, char separator);
    static bool parseIntParameter(const char*& cursor, const char* end, int& value);
    static bool parseDoubleParameter(const char*& cursor, const char* end, double& value);
    static bool parseStringParameter(const char*& cursor, const char* end, std::string& value);
    static bool parseBoolParameter(const char*& cursor, const char* end, bool& value);
    // The text of a "#" suffix: empty gives 1, else its leading decimal number,
    // which must be at least 1 and fit an int.
    static bool parseNumericSuffix(const char*& cursor, const char* end, int& value);

public slots:
    void sendAnswer(const QByteArray& message);
    void sendAnswer(const QString& message);

private:
    struct HeaderPath
    {
        const char* begin = nullptr;
        int length = 0;
    };

    int parseNextCommand(const char*& cursor, const char* end, bool firstCommand,
                         std::unique_ptr<ScpiHandlerBase>& handler);
    int parseCommand(const char* begin, const char* end, bool firstCommand,
                     std::unique_ptr<ScpiHandlerBase>& handler);

    RemoteClientBase* m_client;
    QByteArray* m_answer;
    HeaderPath m_headerPath;
    QByteArray m_effectiveHeader;
};

} // namespace Orlix::Automation

#pragma once

#include <QStringList>
#include <QtGlobal>

// Collects the texts of Qt's debug, warning and critical messages while it lives,
// so tests can assert the diagnostics a routine writes.
class MessageCapture
{
public:
    MessageCapture()
    {
        lines().clear();
        m_previous = qInstallMessageHandler(&MessageCapture::collect);
    }
    ~MessageCapture() { qInstallMessageHandler(m_previous); }
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    static QStringList& lines()
    {
        static QStringList captured;
        return captured;
    }

private:
    static void collect(QtMsgType, const QMessageLogContext&, const QString& message)
    {
        lines().append(message);
    }

    QtMessageHandler m_previous = nullptr;
};

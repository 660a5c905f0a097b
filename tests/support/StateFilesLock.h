#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <sys/file.h>

// The analyzer state keeper saves to fixed files in "tmp" beside the test
// program, so test processes running side by side take turns; the lock goes
// with the process.
class StateFilesLock
{
public:
    bool acquire()
    {
        const QString directory = QCoreApplication::applicationDirPath();
        if (!QDir(directory).mkpath(QStringLiteral("tmp")))
            return false;
        m_file.setFileName(directory + QStringLiteral("/tmp/keeper-test.lock"));
        return m_file.open(QIODevice::WriteOnly) && ::flock(m_file.handle(), LOCK_EX) == 0;
    }

private:
    QFile m_file;
};

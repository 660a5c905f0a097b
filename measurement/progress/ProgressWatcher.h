#pragma once

#include <QFutureWatcher>
#include <QString>

#include <atomic>
#include <memory>

// One row of the progress panel: a task's title, bar, text and state for QML.
class ProgressWatcher : public QFutureWatcher<void>
{
    Q_OBJECT
    Q_PROPERTY(QString name READ name WRITE setName NOTIFY nameChanged)
    Q_PROPERTY(int progressMinimum READ progressMinimum NOTIFY progressRangeChanged)
    Q_PROPERTY(int progressMaximum READ progressMaximum NOTIFY progressRangeChanged)
    Q_PROPERTY(int progressValue READ progressValue NOTIFY progressValueChanged)
    Q_PROPERTY(QString progressText READ progressText NOTIFY progressTextChanged)
    Q_PROPERTY(bool isStarted READ isStarted NOTIFY statusChanged)
    Q_PROPERTY(bool isFinished READ isFinished NOTIFY statusChanged)
    Q_PROPERTY(bool isRunning READ isRunning NOTIFY statusChanged)
    Q_PROPERTY(bool isCanceled READ isCanceled NOTIFY statusChanged)
    Q_PROPERTY(bool isPaused READ isPaused NOTIFY statusChanged)
    // Ended unfinished without the user asking for it; isCanceled alone is a cancel.
    Q_PROPERTY(bool isFailed READ isFailed NOTIFY statusChanged)
    Q_PROPERTY(bool indeterminate READ indeterminate WRITE setIndeterminate NOTIFY isIndeterminateChanged)

public:
    explicit ProgressWatcher(QObject* parent = nullptr);

    QString name() const { return m_name; }
    void setName(const QString& name);
    bool indeterminate() const { return m_indeterminate; }
    // Written by QML only.
    void setIndeterminate(bool indeterminate);
    bool isFailed() const;
    // The task's record of an interrupt, set before the watcher follows the task.
    void setInterruptedFlag(std::shared_ptr<const std::atomic<bool>> interrupted);

signals:
    void progressRangeChanged();
    void progressValueChanged();
    void progressTextChanged();
    void statusChanged();
    void nameChanged();
    void isIndeterminateChanged();

private:
    QString m_name;
    bool m_indeterminate = false;
    std::shared_ptr<const std::atomic<bool>> m_interrupted;
};

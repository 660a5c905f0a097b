#include "measurement/progress/ProgressWatcher.h"

ProgressWatcher::ProgressWatcher(QObject* parent)
    : QFutureWatcher<void>(parent)
{
    using Base = QFutureWatcherBase;
    connect(this, qOverload<int, int>(&Base::progressRangeChanged), this,
            qOverload<>(&ProgressWatcher::progressRangeChanged));
    connect(this, qOverload<int>(&Base::progressValueChanged), this,
            qOverload<>(&ProgressWatcher::progressValueChanged));
    connect(this, qOverload<const QString&>(&Base::progressTextChanged), this,
            qOverload<>(&ProgressWatcher::progressTextChanged));
    for (auto status : {&Base::started, &Base::finished, &Base::canceled, &Base::paused, &Base::resumed})
        connect(this, status, this, &ProgressWatcher::statusChanged);
    // A cancelled future drops the progress reports still on their way, the full bar
    // of the cancel among them: the values are read anew.
    connect(this, &Base::canceled, this, [this] {
        emit progressRangeChanged();
        emit progressValueChanged();
        emit progressTextChanged();
    });
}

void ProgressWatcher::setName(const QString& name)
{
    if (name == m_name)
        return;
    m_name = name;
    emit nameChanged();
}

void ProgressWatcher::setIndeterminate(bool indeterminate)
{
    if (indeterminate == m_indeterminate)
        return;
    m_indeterminate = indeterminate;
    emit isIndeterminateChanged();
}

bool ProgressWatcher::isFailed() const
{
    return isCanceled() && !(m_interrupted && *m_interrupted);
}

void ProgressWatcher::setInterruptedFlag(std::shared_ptr<const std::atomic<bool>> interrupted)
{
    m_interrupted = std::move(interrupted);
}

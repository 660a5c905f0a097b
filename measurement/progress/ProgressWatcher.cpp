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

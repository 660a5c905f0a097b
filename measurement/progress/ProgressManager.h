#pragma once

#include "measurement/models/UniquePtrModel.h"
#include "measurement/progress/ProgressWatcher.h"

#include <QAbstractListModel>
#include <QObject>
#include <QPointer>

#include <chrono>

class TaskProgress;

// The rows of the progress panel. A row stays a while after its task object is
// destroyed, so the user can read how the operation ended.
class ProgressManager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QAbstractListModel* model READ model CONSTANT)

public:
    static constexpr std::chrono::milliseconds DefaultRemovalDelay{3000};

    explicit ProgressManager(QObject* parent = nullptr);
    ProgressManager(std::chrono::milliseconds removalDelay, QObject* parent);

    // GUI thread, when the operation starts; the task may live on and die on any thread.
    QPointer<ProgressWatcher> add(TaskProgress* task, const QString& title);
    QAbstractListModel* model();

private:
    void scheduleRemoval(QPointer<ProgressWatcher> watcher);

    UniquePtr_Model<ProgressWatcher> m_rows;
    std::chrono::milliseconds m_removalDelay;
};

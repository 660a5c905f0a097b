#pragma once

#include <QObject>
#include <QString>

#include <atomic>

namespace Algorithms {

class ProcessInputParameters;

// Base of every de-embedding process: runs once on the backend worker, reports every
// failure through error(), and can be cancelled from another thread.
class IProcessMethod : public QObject
{
    Q_OBJECT

public:
    explicit IProcessMethod(QObject* parent = nullptr);

    void setInputParameters(ProcessInputParameters* parameters);
    // False at once without parameters; otherwise process() with the cancel flag cleared
    // before and after it. An exception inside it is reported through error() as a failed run.
    bool run();
    // Safe from any thread.
    void cancel();
    // Serves the calling thread's pending events first, so that queued work reaches
    // objects of this thread in the middle of a calculation.
    bool isCanceled();
    // A process run on behalf of another one also stops when that one is cancelled;
    // the other one must outlive the runs of this one.
    void followCancellation(const IProcessMethod& outer);

signals:
    void error(QString message);
    void warning(QString message);

protected:
    virtual bool process() = 0;
    virtual bool loadParameters() = 0;

    ProcessInputParameters* parameters = nullptr;

private:
    std::atomic<bool> canceled{false};
    const IProcessMethod* cancelSource = nullptr;
};

// Shared by every stage that finds no clear response in the measured data.
QString noisySignalText();

} // namespace Algorithms

#pragma once

#include <functional>
#include <optional>

// When the temporary setup is recalled: once the analyzer's port count first
// becomes known in a run, and again only when it changes from one known count to
// another. A dropped link (count unknown) and a reconnection to the same count
// recall nothing, so the user's calibration and sweep are never overwritten by
// the state saved at the last shutdown.
class TemporarySetupRecall
{
public:
    explicit TemporarySetupRecall(std::function<void()> recall);

    void portsCountChanged(std::optional<int> count);

private:
    std::function<void()> m_recall;
    std::optional<int> m_lastKnownCount;
};

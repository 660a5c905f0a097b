#include "app/backend/TemporarySetupRecall.h"

TemporarySetupRecall::TemporarySetupRecall(std::function<void()> recall)
    : m_recall(std::move(recall))
{
}

void TemporarySetupRecall::portsCountChanged(std::optional<int> count)
{
    if (!count || count == m_lastKnownCount)
        return;
    m_lastKnownCount = count;
    m_recall();
}

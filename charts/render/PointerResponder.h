#pragma once

#include "charts/render/MouseResponse.h"

#include <QList>
#include <QMouseEvent>
#include <QVector>

namespace Orlix::Frontend {

class AbstractTrace;

// Turns pointer events and the trace found under each into press, release,
// click, double-click and hover responses.
class PointerResponder
{
public:
    void respond(const QMouseEvent& event, AbstractTrace* hit, QVector<MouseResponse>& responses);
    // Drops every trace that left the chart, so no response names it again.
    void forgetAllBut(const QList<AbstractTrace*>& traces);

private:
    bool m_pressActive = false;
    QPoint m_pressPosition;
    AbstractTrace* m_pressedTrace = nullptr;
    AbstractTrace* m_hoveredTrace = nullptr;
};

} // namespace Orlix::Frontend

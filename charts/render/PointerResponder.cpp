#include "charts/render/PointerResponder.h"

namespace Orlix::Frontend {

void PointerResponder::respond(const QMouseEvent& event, AbstractTrace* hit, QVector<MouseResponse>& responses)
{
    const QPoint position = event.pos();
    switch (event.type()) {
    case QEvent::MouseButtonPress:
        if (!hit)
            return;
        m_pressActive = true;
        m_pressPosition = position;
        m_pressedTrace = hit;
        responses.append({MouseResponse::Pressed, position, hit});
        return;
    case QEvent::MouseButtonRelease:
        responses.append({MouseResponse::Released, m_pressPosition, m_pressedTrace});
        if (m_pressActive)
            responses.append({MouseResponse::Clicked, m_pressPosition, m_pressedTrace});
        if (m_hoveredTrace == m_pressedTrace && m_hoveredTrace != hit) {
            if (m_hoveredTrace)
                responses.append({MouseResponse::HoverLeft, position, m_hoveredTrace});
            m_hoveredTrace = nullptr;
        }
        m_pressedTrace = nullptr;
        m_pressActive = false;
        return;
    case QEvent::MouseButtonDblClick:
        if (hit)
            responses.append({MouseResponse::DoubleClicked, position, hit});
        return;
    case QEvent::MouseMove:
        if (hit == m_hoveredTrace)
            return;
        if (m_hoveredTrace)
            responses.append({MouseResponse::HoverLeft, position, m_hoveredTrace});
        if (hit)
            responses.append({MouseResponse::HoverEntered, position, hit});
        m_hoveredTrace = hit;
        return;
    default:
        return;
    }
}

void PointerResponder::forgetAllBut(const QList<AbstractTrace*>& traces)
{
    if (m_pressedTrace && !traces.contains(m_pressedTrace)) {
        m_pressedTrace = nullptr;
        m_pressActive = false;
    }
    if (!traces.contains(m_hoveredTrace))
        m_hoveredTrace = nullptr;
}

} // namespace Orlix::Frontend

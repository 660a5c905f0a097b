#include "charts/traces/AbstractTrace.h"

namespace Orlix::Frontend {

// The domain is the trace's child: it lives and dies with the trace it frames.
AbstractTrace::AbstractTrace(QObject* parent) : QObject(parent), m_domain(new TraceDomain(this))
{
}

void AbstractTrace::setVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    emit visibleChanged();
}

void AbstractTrace::setName(const QString& name)
{
    if (name == m_name)
        return;
    m_name = name;
    emit nameChanged();
}

void AbstractTrace::setZ(double z)
{
    if (z == m_z)
        return;
    m_z = z;
    emit zChanged(z);
}

} // namespace Orlix::Frontend

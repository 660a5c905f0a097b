#pragma once

#include "charts/traces/TraceRenderData.h"
#include "charts/traces/TraceDomain.h"

#include <QObject>
#include <QPointF>
#include <QString>

namespace Orlix::Frontend {

// One curve of a chart as the chart and its renderer see it. The trace owns
// its domain.
class AbstractTrace : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool visible READ isVisible WRITE setVisible NOTIFY visibleChanged)
    Q_PROPERTY(QString name READ name WRITE setName NOTIFY nameChanged)
    Q_PROPERTY(double z READ z WRITE setZ NOTIFY zChanged)
    Q_PROPERTY(Orlix::Frontend::TraceDomain* domain READ domain CONSTANT)

public:
    explicit AbstractTrace(QObject* parent = nullptr);

    bool isVisible() const { return m_visible; }
    QString name() const { return m_name; }
    double z() const { return m_z; }
    TraceDomain* domain() const { return m_domain; }

    void setVisible(bool visible);
    void setName(const QString& name);
    void setZ(double z);

public slots:
    virtual TraceRenderData* renderData() = 0;
    // Rebuilds the data-to-screen transform before a frame.
    virtual void updateRenderData() = 0;

signals:
    void visibleChanged();
    void nameChanged();
    void zChanged(double z);
    void clicked(QPointF point);
    void hovered(QPointF point, bool state);
    void pressed(QPointF point);
    void released(QPointF point);
    void doubleClicked(QPointF point);

private:
    QString m_name;
    bool m_visible = true;
    double m_z = 0.0;
    TraceDomain* m_domain;
};

} // namespace Orlix::Frontend

#pragma once

#include <QAbstractListModel>
#include <QAbstractTableModel>
#include <QObject>
#include <QStringList>
#include <QPointF>
#include <QVariant>
#include <QVector>

#include <vector>

// Models and objects with the roles and properties that the controls read from
// the check tables, the progress list and the measured fixture ports.

// A check table: header row 0, then one row per setting, four columns.
class StandInCheckTable : public QAbstractTableModel
{
    Q_OBJECT
    Q_PROPERTY(QVariant hasError MEMBER hasError NOTIFY hasErrorChanged)
public:
    struct Setting
    {
        QString name;
        QString value;
        QString units;
        QStringList choices;
        bool editable = false;
        QVariant verdict;
    };

    explicit StandInCheckTable(std::vector<Setting> settings) : m_settings(std::move(settings)) {}

    int rowCount(const QModelIndex& = {}) const override { return int(m_settings.size()) + 1; }
    int columnCount(const QModelIndex& = {}) const override { return 4; }
    QHash<int, QByteArray> roleNames() const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    QVariant hasError;
    // The writes of the interface: (row, value).
    std::vector<std::pair<int, QVariant>> writes;

signals:
    void hasErrorChanged();

private:
    std::vector<Setting> m_settings;
};

// One row of the progress list.
class StandInProgressWatcher : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString name MEMBER name NOTIFY changed)
    Q_PROPERTY(int progressMinimum MEMBER progressMinimum NOTIFY changed)
    Q_PROPERTY(int progressMaximum MEMBER progressMaximum NOTIFY changed)
    Q_PROPERTY(int progressValue MEMBER progressValue NOTIFY changed)
    Q_PROPERTY(QString progressText MEMBER progressText NOTIFY changed)
    Q_PROPERTY(bool isFinished MEMBER isFinished NOTIFY changed)
    Q_PROPERTY(bool isCanceled MEMBER isCanceled NOTIFY changed)
public:
    QString name;
    int progressMinimum = 0;
    int progressMaximum = 2;
    int progressValue = 1;
    QString progressText;
    bool isFinished = false;
    bool isCanceled = false;

signals:
    void changed();
};

// A list with the one role 257 "value" holding an object per row.
class StandInObjectList : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit StandInObjectList(std::vector<QObject*> rows) : m_rows(std::move(rows)) {}

    int rowCount(const QModelIndex& = {}) const override { return int(m_rows.size()); }
    QHash<int, QByteArray> roleNames() const override { return {{Qt::UserRole + 1, "value"}}; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || role != Qt::UserRole + 1)
            return {};
        return QVariant::fromValue(m_rows.at(std::size_t(index.row())));
    }

private:
    std::vector<QObject*> m_rows;
};

// The results of one fixture port.
class StandInPortResults : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QVariant length MEMBER length NOTIFY changed)
    Q_PROPERTY(QVariant impedance MEMBER impedance NOTIFY changed)
    Q_PROPERTY(QVariant z0Transform MEMBER z0Transform NOTIFY changed)
    Q_PROPERTY(bool isMeasured MEMBER isMeasured NOTIFY changed)
public:
    bool isMeasured = false;
    QVariant length;
    QVariant impedance;
    QVariant z0Transform;

signals:
    void changed();
};

// A measured fixture port.
class StandInMeasuredPort : public QObject
{
    Q_OBJECT
    Q_PROPERTY(uint measuredPort MEMBER measuredPort NOTIFY changed)
    Q_PROPERTY(double z0Port MEMBER z0Port NOTIFY changed)
    Q_PROPERTY(QObject* measureData READ measureData CONSTANT)
public:
    QObject* measureData() { return &results; }

    uint measuredPort = 0;
    double z0Port = 0.0;
    StandInPortResults results;

signals:
    void changed();
};

// The analyzer ports a fixture's ports are cabled to (role 257 "value").
class StandInPortList : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(QVariantList toVector READ toVector NOTIFY changed)
public:
    explicit StandInPortList(QVariantList ports) : m_ports(std::move(ports)) {}

    int rowCount(const QModelIndex& = {}) const override { return m_ports.size(); }
    QHash<int, QByteArray> roleNames() const override { return {{Qt::UserRole + 1, "value"}}; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        return index.isValid() && role == Qt::UserRole + 1 ? m_ports.value(index.row()) : QVariant();
    }
    bool setData(const QModelIndex& index, const QVariant& value, int role) override
    {
        if (!index.isValid() || role != Qt::UserRole + 1)
            return false;
        m_ports[index.row()] = value.toUInt();
        emit dataChanged(index, index);
        emit changed();
        return true;
    }
    QVariantList toVector() const { return m_ports; }

signals:
    void changed();

private:
    QVariantList m_ports;
};

// A fixture and the analyzer ports it is cabled to.
class StandInFixtureConnection : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QObject* attachedPorts READ attachedPorts CONSTANT)
    Q_PROPERTY(QVariantMap fixture MEMBER fixture CONSTANT)
public:
    StandInFixtureConnection(const QString& name, QVariantList ports)
        : fixture{{"name", name}, {"portsCount", ports.size()}}, ports(std::move(ports))
    {
    }
    QObject* attachedPorts() { return &ports; }

    QVariantMap fixture;
    StandInPortList ports;
};

Q_DECLARE_METATYPE(QVector<QPointF>*)

// A chart trace: records the curves it is fed.
class StandInTrace : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString name MEMBER name NOTIFY nameChanged)
public:
    Q_INVOKABLE bool replaceOnPtrData(QVector<QPointF>* data)
    {
        fedSizes.push_back(data ? data->size() : -1);
        return data && !data->isEmpty();
    }
    // Markers read their y from the trace; the graphs' names and feeding do not need one.
    Q_INVOKABLE double domainY(double) const { return 0.0; }
    // A trace without points: the graphs' names and feeding do not need the markers' places.
    Q_INVOKABLE void clear() {}
    Q_INVOKABLE QPointF pointsXRange() const { return {qQNaN(), qQNaN()}; }

    QString name;
    std::vector<int> fedSizes;

signals:
    void nameChanged();
};

// A port's impulse-response curve.
class StandInCurves : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QVector<QPointF>* impulseResponse READ impulseResponse NOTIFY impulseResponseChangedQml)
public:
    QVector<QPointF>* impulseResponse() { return &curve; }

    QVector<QPointF> curve;

signals:
    void impulseResponseChangedQml();
};

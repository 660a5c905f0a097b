#pragma once

#include <QMetaType>
#include <QObject>
#include <QString>

// The analyzer's identification: fields 2 to 4 of its "*IDN?" reply.
struct VnaInfo
{
    Q_GADGET
    Q_PROPERTY(QString model MEMBER model)
    Q_PROPERTY(QString serialNumber MEMBER serialNumber)
    Q_PROPERTY(QString version MEMBER version)

public:
    QString model;
    QString serialNumber;
    QString version;

    bool operator==(const VnaInfo& other) const
    {
        return model == other.model && serialNumber == other.serialNumber && version == other.version;
    }
    bool operator!=(const VnaInfo& other) const { return !(*this == other); }
};

Q_DECLARE_METATYPE(VnaInfo)

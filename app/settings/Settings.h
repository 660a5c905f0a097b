#pragma once

#include <QObject>
#include <QSettings>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <optional>

// The user's preferences between runs, in the INI file "settings/settings"
// under the working directory. Every value may be unset (never stored); the
// interface then uses its own default and reads the property as undefined.
//
// The members hold what is stored, hand-edited values included; the backend
// and start-up use the valid...() accessors, which give no value where the
// stored one could not be applied safely.
class Settings : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QVariant darkTheme READ darkThemeValue WRITE setDarkTheme NOTIFY darkThemeChanged)
    Q_PROPERTY(QVariant showHover READ showHoverValue WRITE setShowHover NOTIFY showHowerChanged)
    Q_PROPERTY(QVariant saveUserSetup READ saveUserSetupValue WRITE setSaveUserSetup NOTIFY saveUserSetupChanged)
    Q_PROPERTY(QVariant loadedStateFile READ loadedStateFileValue WRITE setLoadedStateFile
                   NOTIFY loadedStateFileChanged)
    Q_PROPERTY(QVariant ipAddress READ ipAddressValue WRITE setIpAddress NOTIFY ipAddressChanged)
    Q_PROPERTY(QVariant port READ portValue WRITE setPort NOTIFY portChanged)
    Q_PROPERTY(QVariant scalingFactor READ scalingFactorValue WRITE setScalingFactor NOTIFY scalingFactorChanged)

public:
    explicit Settings(QObject* parent = nullptr);
    ~Settings() override;

    // The stored port when it names one (1 to 65535).
    std::optional<quint16> validPort() const;
    // The stored display scaling as a plain number, when it is one from 0.5 to 4.
    std::optional<QString> validScalingFactor() const;
    // The stored setup name when it is a plain file name: not empty, without
    // path separators, "..", control characters, ";" or quotes, so that it can
    // name a file inside the temporary folder and travel in an analyzer command.
    std::optional<QString> validLoadedStateFile() const;

    QVariant darkThemeValue() const;
    QVariant showHoverValue() const;
    QVariant saveUserSetupValue() const;
    QVariant loadedStateFileValue() const;
    QVariant ipAddressValue() const;
    QVariant portValue() const;
    QVariant scalingFactorValue() const;

    // Each stores and signals unless the value is set and equal.
    void setDarkTheme(const QVariant& value);
    void setShowHover(const QVariant& value);
    void setSaveUserSetup(const QVariant& value);
    void setLoadedStateFile(const QVariant& value);
    void setIpAddress(const QVariant& value);
    void setPort(const QVariant& value);
    void setScalingFactor(const QVariant& value);

    std::optional<bool> darkTheme;
    std::optional<bool> showHover;
    std::optional<bool> saveUserSetup;
    std::optional<QString> ipAddress;
    std::optional<uint32_t> port;
    std::optional<QString> scalingFactor;
    std::optional<QString> loadedStateFile;

signals:
    void darkThemeChanged();
    void showHowerChanged();
    void scalingFactorChanged();
    void portChanged();
    void ipAddressChanged();
    void loadedStateFileChanged();
    void saveUserSetupChanged();

public slots:
    void load();
    void save();
    // Empties the file; the values stay and the next save() writes them back.
    void clear();

private:
    template <typename T>
    void write(std::optional<T>& member, const QVariant& value, void (Settings::*changed)());

    QSettings m_store;
};

#pragma once

#include <QString>

#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace Simulator {

// The text layout of the analyzer's own files: a signature line, then "[section]"
// lines each followed by "key=value" lines and an empty line. Reading keeps the
// first occurrence of each section and key and skips every line it does not
// understand, so text appended after the analyzer's sections (the application
// adds its own) does no harm.
class SectionFile
{
public:
    using Section = std::map<QString, QString>;

    explicit SectionFile(QString signature);

    // Sections are written in the order they were first touched.
    void setValue(const QString& section, const QString& key, const QString& value);
    std::optional<QString> value(const QString& section, const QString& key) const;
    bool hasSection(const QString& section) const;

    // Empty on success, else why the file could not be written.
    QString write(const QString& path) const;
    // No value when the file cannot be read or does not begin with the signature.
    static std::optional<SectionFile> read(const QString& path, const QString& signature);

private:
    Section& section(const QString& name);

    QString m_signature;
    std::vector<std::pair<QString, Section>> m_sections;
    // Keys in the order written, per section.
    std::map<QString, std::vector<QString>> m_keyOrder;
};

} // namespace Simulator

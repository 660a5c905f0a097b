#include "simulator/files/SectionFile.h"

#include <QFile>
#include <QSaveFile>
#include <QTextStream>

namespace Simulator {

SectionFile::SectionFile(QString signature)
    : m_signature(std::move(signature))
{
}

SectionFile::Section& SectionFile::section(const QString& name)
{
    for (auto& [sectionName, values] : m_sections) {
        if (sectionName == name)
            return values;
    }
    m_sections.emplace_back(name, Section{});
    return m_sections.back().second;
}

void SectionFile::setValue(const QString& sectionName, const QString& key, const QString& value)
{
    Section& values = section(sectionName);
    if (values.find(key) == values.end())
        m_keyOrder[sectionName].push_back(key);
    values[key] = value;
}

std::optional<QString> SectionFile::value(const QString& sectionName, const QString& key) const
{
    for (const auto& [name, values] : m_sections) {
        if (name != sectionName)
            continue;
        const auto found = values.find(key);
        if (found == values.end())
            return std::nullopt;
        return found->second;
    }
    return std::nullopt;
}

bool SectionFile::hasSection(const QString& sectionName) const
{
    for (const auto& entry : m_sections) {
        if (entry.first == sectionName)
            return true;
    }
    return false;
}

QString SectionFile::write(const QString& path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return "Cannot write " + path + ": " + file.errorString();
    QTextStream out(&file);
    out.setCodec("UTF-8");
    out << m_signature << "\n\n";
    for (const auto& [name, values] : m_sections) {
        out << "[" << name << "]\n";
        for (const QString& key : m_keyOrder.at(name))
            out << key << "=" << values.at(key) << "\n";
        out << "\n";
    }
    out.flush();
    if (!file.commit())
        return "Cannot write " + path + ": " + file.errorString();
    return {};
}

std::optional<SectionFile> SectionFile::read(const QString& path, const QString& signature)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    QTextStream in(&file);
    in.setCodec("UTF-8");
    if (in.readLine().trimmed() != signature)
        return std::nullopt;

    SectionFile result(signature);
    // Only the first section of a name counts; later ones (appended by others) are skipped.
    Section* current = nullptr;
    QString currentName;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith('[') && line.trimmed().endsWith(']')) {
            currentName = line.trimmed().mid(1).chopped(1);
            current = result.hasSection(currentName) ? nullptr : &result.section(currentName);
            continue;
        }
        const int equals = line.indexOf('=');
        if (!current || equals <= 0)
            continue;
        const QString key = line.left(equals);
        if (current->find(key) == current->end()) {
            current->emplace(key, line.mid(equals + 1));
            result.m_keyOrder[currentName].push_back(key);
        }
    }
    return result;
}

} // namespace Simulator

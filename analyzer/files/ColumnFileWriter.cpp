#include "analyzer/files/ColumnFileWriter.h"

#include "analyzer/files/FileNaming.h"
#include "analyzer/files/TextFileWriting.h"
#include "engine/vectors/VectorChecks.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <utility>

ColumnFileWriter::ColumnFileWriter(QString extension, QString name, QString comment, QString header,
                                   bool overwriteAllowed)
    : m_extension(std::move(extension))
    , m_name(std::move(name))
    , m_comment(std::move(comment))
    , m_header(std::move(header))
    , m_overwriteAllowed(overwriteAllowed)
{
}

bool ColumnFileWriter::addColumn(const std::vector<double>& column)
{
    if (!Algorithms::isValidVector(column))
        return false;
    m_columns.push_back(column);
    return true;
}

bool ColumnFileWriter::addColumn(const std::vector<std::complex<double>>& column)
{
    if (!Algorithms::isValidComplexVector(column))
        return false;
    std::vector<double> real;
    std::vector<double> imaginary;
    real.reserve(column.size());
    imaginary.reserve(column.size());
    for (const auto& value : column) {
        real.push_back(value.real());
        imaginary.push_back(value.imag());
    }
    m_columns.push_back(std::move(real));
    m_columns.push_back(std::move(imaginary));
    return true;
}

bool ColumnFileWriter::hasConsistentColumns() const
{
    if (m_columns.empty())
        return false;
    for (const auto& column : m_columns) {
        if (column.size() != m_columns.front().size())
            return false;
    }
    return true;
}

QString ColumnFileWriter::targetPath(const QString& prefix) const
{
    const QString base = prefix + "_" + m_name;
    const QString suffix = "." + m_extension;
    return m_overwriteAllowed ? base + suffix : FileNaming::uniqueFileName(base, suffix);
}

bool ColumnFileWriter::write(const QString& prefix) const
{
    if (prefix.isEmpty() || m_extension.isEmpty() || m_name.isEmpty() || !hasConsistentColumns())
        return false;
    QFile file(targetPath(prefix));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QTextStream out(&file);
    out.setCodec("UTF-8");
    out << m_header << "\n"
        << "! VARNEL\n"
        << "! Date: " << QDateTime::currentDateTime().toString("MM/dd/yyyy hh:mm") << "\n"
        << m_comment << "\n";
    const std::size_t rows = m_columns.front().size();
    for (std::size_t row = 0; row < rows; ++row) {
        for (const auto& column : m_columns)
            out << column[row] << "\t";
        out << "\n";
    }
    return TextFileWriting::closeWrittenFile(out, file);
}

#pragma once

#include <QString>

#include <complex>
#include <vector>

// Writes a table of numbers as a tab-separated text file under a four-line head:
// the header, "! VARNEL", the date and the comment.
class ColumnFileWriter
{
public:
    ColumnFileWriter(QString extension, QString name, QString comment, QString header, bool overwriteAllowed);

    void setName(const QString& name) { m_name = name; }
    void appendHeader(const QString& text) { m_header += text; }
    void appendComment(const QString& text) { m_comment += text; }

    // Refused (false, nothing added) when empty or when any value is not finite.
    bool addColumn(const std::vector<double>& column);
    // Appends two columns, the real parts and then the imaginary parts; refused like
    // the real column when any part is not finite.
    bool addColumn(const std::vector<std::complex<double>>& column);

    // Writes prefix + "_" + name + "." + extension, or with "(1)", "(2)", ... before the
    // extension when overwriting is not allowed and the name is taken. False, with no file
    // left behind, when there is nothing consistent to write or the file cannot be written.
    bool write(const QString& prefix) const;

    const std::vector<std::vector<double>>& columns() const { return m_columns; }

private:
    bool hasConsistentColumns() const;
    QString targetPath(const QString& prefix) const;

    QString m_extension;
    QString m_name;
    QString m_comment;
    QString m_header;
    bool m_overwriteAllowed;
    std::vector<std::vector<double>> m_columns;
};

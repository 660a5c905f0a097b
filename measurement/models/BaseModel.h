#pragma once

#include "measurement/models/ListModelBase.h"

#include <utility>

// A list model over a vector; the owner changes the rows only through the row
// operations below, each wrapped in the matching model notifications.
template <typename T, typename Container>
class BaseModel : public details::Base
{
public:
    using Row = T;

    explicit BaseModel(QObject* parent = nullptr)
        : details::Base(parent)
    {
    }

    int size() const override { return static_cast<int>(m_rows.size()); }

    QVariant get(int index) const override { return isRow(index) ? wrap(m_rows[index]) : QVariant(); }

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override
    {
        return isValueIndex(index, role) ? wrap(m_rows[index.row()]) : QVariant();
    }

    const Container& rows() const { return m_rows; }
    const T& at(int row) const { return m_rows.at(static_cast<std::size_t>(row)); }

    void append(T row)
    {
        const int first = size();
        beginInsertRows(QModelIndex(), first, first);
        m_rows.push_back(std::move(row));
        endInsertRows();
        announceSizeChange();
    }

    void append(Container rows)
    {
        if (rows.empty())
            return;
        const int first = size();
        beginInsertRows(QModelIndex(), first, first + static_cast<int>(rows.size()) - 1);
        for (auto& row : rows)
            m_rows.push_back(std::move(row));
        endInsertRows();
        announceSizeChange();
    }

    // Rows first .. first + count - 1; anything outside the rows changes nothing.
    bool remove(int first, int count)
    {
        if (first < 0 || count < 1 || first > size() || count > size() - first)
            return false;
        beginRemoveRows(QModelIndex(), first, first + count - 1);
        m_rows.erase(m_rows.begin() + first, m_rows.begin() + first + count);
        endRemoveRows();
        announceSizeChange();
        return true;
    }

    // The rows that leave are released after the views have let go of them.
    void reset(Container rows = {})
    {
        beginResetModel();
        std::swap(m_rows, rows);
        endResetModel();
        announceSizeChange();
    }

protected:
    virtual QVariant wrap(const T& row) const = 0;

    Container m_rows;
};

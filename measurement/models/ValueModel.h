#pragma once

#include "measurement/models/BaseModel.h"

#include <vector>

// Rows are plain values that QML may edit through the "value" role.
template <typename T, typename Container = std::vector<T>>
class ValueModel : public BaseModel<T, Container>
{
    using Base = BaseModel<T, Container>;

public:
    using Base::Base;

    // A value that does not convert is stored as a default value (0 for numbers).
    bool setData(const QModelIndex& index, const QVariant& value, int role = details::Base::ValueRole) override
    {
        if (!this->isValueIndex(index, role))
            return false;
        storeAt(index.row(), value.value<T>());
        return true;
    }

    // Nothing for a row outside the rows.
    bool setValue(int row, T value)
    {
        if (!this->isRow(row))
            return false;
        storeAt(row, std::move(value));
        return true;
    }

    // count copies of value before row (row == size() appends).
    bool insert(int row, int count, const T& value)
    {
        if (row < 0 || row > this->size() || count < 1)
            return false;
        this->beginInsertRows(QModelIndex(), row, row + count - 1);
        this->m_rows.insert(this->m_rows.begin() + row, static_cast<std::size_t>(count), value);
        this->endInsertRows();
        this->announceSizeChange();
        return true;
    }

protected:
    QVariant wrap(const T& row) const override { return QVariant::fromValue(row); }

private:
    void storeAt(int row, T value)
    {
        this->m_rows[static_cast<std::size_t>(row)] = std::move(value);
        const QModelIndex index = this->index(row, 0);
        emit this->dataChanged(index, index, {});
        this->announceContentChange();
    }
};

#pragma once

#include "measurement/models/BaseModel.h"

#include <memory>
#include <vector>

// Rows are shared owning pointers; whoever inserts a row picks its deleter
// (deleteLater for objects QML or running work may still reference). QML gets
// the raw pointer, typed as the class's pointer meta-type.
template <typename T, typename Ptr = std::shared_ptr<T>, typename Container = std::vector<Ptr>>
class UniquePtr_Model : public BaseModel<Ptr, Container>
{
public:
    using BaseModel<Ptr, Container>::BaseModel;

protected:
    QVariant wrap(const Ptr& row) const override { return QVariant::fromValue(static_cast<T*>(row.get())); }
};

#include "engine/VariableTable.h"

namespace numora {

Number* VariableTable::Find(const std::u16string& lowerName) {
    auto it = map_.find(lowerName);
    return it == map_.end() ? nullptr : &it->second;
}

const Number* VariableTable::Find(const std::u16string& lowerName) const {
    auto it = map_.find(lowerName);
    return it == map_.end() ? nullptr : &it->second;
}

Number& VariableTable::Store(const std::u16string& lowerName, const Number& value) {
    auto [it, inserted] = map_.try_emplace(lowerName, value);
    if (!inserted) it->second = value;
    if (!units_.empty()) units_.erase(lowerName);
    return it->second;
}

Number& VariableTable::Store(const std::u16string& lowerName, const Number& value,
                             const Unit& unit) {
    Number& stored = Store(lowerName, value);
    if (!unit.Empty()) units_.insert_or_assign(lowerName, unit);
    return stored;
}

const Unit* VariableTable::FindUnit(const std::u16string& lowerName) const {
    if (units_.empty()) return nullptr;
    auto it = units_.find(lowerName);
    return it == units_.end() ? nullptr : &it->second;
}

bool VariableTable::Remove(const std::u16string& lowerName) {
    if (!units_.empty()) units_.erase(lowerName);
    return map_.erase(lowerName) > 0;
}

}  // namespace numora

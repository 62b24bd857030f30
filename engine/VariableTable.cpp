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
    return it->second;
}

bool VariableTable::Remove(const std::u16string& lowerName) { return map_.erase(lowerName) > 0; }

}  // namespace numora

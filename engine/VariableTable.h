#pragma once
#include <string>
#include <unordered_map>

#include "engine/Number.h"

namespace numora {

// Variables by lower-case name. Entries are node-based, so a pointer to a value stays valid
// until that entry is removed.
class VariableTable {
public:
    using Map = std::unordered_map<std::u16string, Number>;

    Number* Find(const std::u16string& lowerName);
    const Number* Find(const std::u16string& lowerName) const;
    // Inserts or replaces; returns the stored value.
    Number& Store(const std::u16string& lowerName, const Number& value);
    bool Remove(const std::u16string& lowerName);
    void Clear() { map_.clear(); }
    std::size_t Size() const { return map_.size(); }
    const Map& Entries() const { return map_; }

private:
    Map map_;
};

}  // namespace numora

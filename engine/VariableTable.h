#pragma once
#include <string>
#include <unordered_map>

#include "engine/Number.h"
#include "engine/Quantity.h"

namespace numora {

// Variables by lower-case name. Entries are node-based, so a pointer to a value stays valid
// until that entry is removed. A variable holding a quantity has its unit beside it, in a map of
// its own that stays empty for worksheets without units.
class VariableTable {
public:
    using Map = std::unordered_map<std::u16string, Number>;

    Number* Find(const std::u16string& lowerName);
    const Number* Find(const std::u16string& lowerName) const;
    // Inserts or replaces; returns the stored value.
    Number& Store(const std::u16string& lowerName, const Number& value);
    // As Store, keeping `unit` (empty: a bare number).
    Number& Store(const std::u16string& lowerName, const Number& value, const Unit& unit);
    // The unit of a variable holding a quantity; nullptr for a bare number or no variable.
    const Unit* FindUnit(const std::u16string& lowerName) const;
    bool Remove(const std::u16string& lowerName);
    void Clear() {
        map_.clear();
        units_.clear();
    }
    std::size_t Size() const { return map_.size(); }
    const Map& Entries() const { return map_; }

private:
    Map map_;
    std::unordered_map<std::u16string, Unit> units_;
};

}  // namespace numora

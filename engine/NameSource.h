#pragma once
// Names whose values the engine's owner supplies, line by line: what a line means by them
// depends on where it stands, which only the owner knows.
#include <string>
#include <string_view>

#include "engine/Number.h"
#include "engine/Quantity.h"

namespace numora {

class NameSource {
public:
    enum class Found { No, Value, Failed };
    virtual ~NameSource() = default;
    // `lowerName` is a name no constant or variable holds, in lower case. Value: `value` holds
    // it. Failed: the name is the source's but has no value here; `message` says why.
    virtual Found Find(std::u16string_view lowerName, Number& value, std::u16string& message) = 0;
    // The unit of the value the last Find gave, when units are on; nullptr for a bare number.
    virtual const Unit* FoundUnit() const { return nullptr; }
};

}  // namespace numora

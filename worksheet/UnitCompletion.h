#pragma once
// The units a name typed in square brackets may become: the unit table's names, and the
// table's units with an SI prefix where they take one ("km", "kWh").
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace numora {

struct UnitChoice {
    std::u16string name;       // as it is inserted
    std::int32_t row = 0;      // in UnitRows()
    std::int32_t prefix = -1;  // in UnitPrefixes(), or none
};

// The units whose names start with `typed`, or, for Japan's units, whose reading does ("しゃ"
// finds 尺). The best first: those that match in letter case, then the common ones, then the
// shorter ones, then in the table's order. A prefix is put before every unit that takes it only
// once something follows it ("kp" finds "kPa"); alone it finds only the common prefixed units.
std::vector<UnitChoice> FindUnits(std::u16string_view typed, std::size_t limit);

// The reading a Japanese unit's help gives in parentheses ("尺 (しゃく) = 10/33 m"), if any.
std::u16string_view ReadingOf(std::size_t row);

}  // namespace numora

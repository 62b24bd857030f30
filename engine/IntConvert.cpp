#include "engine/IntConvert.h"

#include <limits>

namespace numora {

std::int64_t ToInt64(const Number& x) {
    using boost::multiprecision::isnan;
    if (isnan(x)) return 0;
    static const Number kMax(std::numeric_limits<std::int64_t>::max());
    static const Number kMin(std::numeric_limits<std::int64_t>::min());
    if (x >= kMax) return std::numeric_limits<std::int64_t>::max();
    if (x <= kMin) return std::numeric_limits<std::int64_t>::min();
    return trunc(x).convert_to<std::int64_t>();
}

std::int32_t ToInt32(const Number& x) {
    const std::int64_t v = ToInt64(x);
    if (v > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (v < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(v);
}

std::uint64_t ToUInt64(const Number& x) {
    using boost::multiprecision::isnan;
    if (isnan(x)) return 0;
    if (x < 0) return static_cast<std::uint64_t>(ToInt64(x));
    static const Number kMax(std::numeric_limits<std::uint64_t>::max());
    if (x >= kMax) return std::numeric_limits<std::uint64_t>::max();
    return trunc(x).convert_to<std::uint64_t>();
}

}  // namespace numora

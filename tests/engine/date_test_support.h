#pragma once
// Helpers of the date tests: a fixed local zone and Number expectations.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <limits>
#include <optional>
#include <string>

#include "engine/Number.h"

namespace numora::datetest {

// Sets TZ while it lives; restores the previous value afterwards.
class ScopedZone {
public:
    explicit ScopedZone(const char* zone) {
        if (const char* old = std::getenv("TZ")) old_ = old;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ScopedZone() {
        old_ ? setenv("TZ", old_->c_str(), 1) : unsetenv("TZ");
        tzset();
    }

private:
    std::optional<std::string> old_;
};

inline Number Nan() { return std::numeric_limits<Number>::quiet_NaN(); }
inline Number Inf() { return std::numeric_limits<Number>::infinity(); }
inline Number N(const char* text) { return Number(text); }

// NaN expects NaN, a whole number exactly that number, anything else agreement to 95 digits
// (decimal division is not exact in the last guard digits).
inline void ExpectSame(const Number& expected, const Number& actual, const std::string& what) {
    using boost::multiprecision::isnan;
    if (isnan(expected)) {
        EXPECT_TRUE(isnan(actual)) << what << " gave " << actual.str(40);
        return;
    }
    const bool same = expected == trunc(expected)
                          ? expected == actual
                          : abs(expected - actual) <= abs(expected) * Number("1e-95");
    EXPECT_TRUE(same) << what << ": expected " << expected.str(40) << ", got " << actual.str(40);
}

}  // namespace numora::datetest

#include "engine/MathAngle.h"

#include <boost/math/constants/constants.hpp>

namespace numora {

namespace {

// 1200 digits of pi leave some 200 correct digits after reducing an argument below 1e1000,
// more than Number holds.
using WideNumber = boost::multiprecision::number<boost::multiprecision::cpp_dec_float<1200>,
                                                 boost::multiprecision::et_off>;

const WideNumber& WideTwoPi() {
    static const WideNumber value = 2 * boost::math::constants::pi<WideNumber>();
    return value;
}

const Number& ReducibleLimit() {
    static const Number value("1e1000");
    return value;
}

}  // namespace

const Number& LargeAngleThreshold() {
    static const Number value("1e30");
    return value;
}

bool ReduceLargeAngle(const Number& x, Number& reduced) {
    using boost::multiprecision::isfinite;
    if (!isfinite(x) || abs(x) >= ReducibleLimit()) return false;
    // Every digit of x is carried over: the wide type holds far more digits than Number.
    const WideNumber wide(x);
    const WideNumber turns = round(wide / WideTwoPi());
    reduced = static_cast<Number>(wide - turns * WideTwoPi());
    return true;
}

}  // namespace numora

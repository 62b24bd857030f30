#pragma once
// The engine's only value type: 100 significant decimal digits, with infinities and NaN.
#include <boost/multiprecision/cpp_dec_float.hpp>

namespace numora {

using Number = boost::multiprecision::number<boost::multiprecision::cpp_dec_float<100>,
                                             boost::multiprecision::et_off>;

}  // namespace numora

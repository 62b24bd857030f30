// The digits of the widest constants, kept as data, against Boost's own computation of them.
#include "engine/ConstantDigits.h"

#include <gtest/gtest.h>

#include <string>

#include <boost/math/constants/constants.hpp>
#include <boost/multiprecision/cpp_dec_float.hpp>

namespace numora::wide {
namespace {

using Huge = boost::multiprecision::number<boost::multiprecision::cpp_dec_float<1200>,
                                           boost::multiprecision::et_off>;

TEST(ConstantDigits, AgreeWithAFreshComputationInEveryDigitTheyAreUsedFor) {
    namespace c = boost::math::constants;
    const Huge tolerance("1e-1195");
    const std::pair<const char*, Huge> cases[] = {
        {kLn2Digits, c::ln_two<Huge>()}, {kLn10Digits, c::ln_ten<Huge>()}, {kPiDigits, c::pi<Huge>()}};
    for (const auto& [digits, fresh] : cases) {
        EXPECT_LT(abs(Huge(digits) - fresh), tolerance) << std::string(digits).substr(0, 12);
        // A wrong digit near the end is seen: the comparison reaches that far.
        std::string wrong(digits);
        char& late = wrong[1190];
        late = late == '9' ? '0' : static_cast<char>(late + 1);
        EXPECT_GT(abs(Huge(wrong) - fresh), tolerance) << std::string(digits).substr(0, 12);
    }
}

}  // namespace
}  // namespace numora::wide

// The 64-bit bitwise built-ins, called directly with argument lists.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "engine/BuiltinImpls.h"

namespace numora {
namespace {

Number Num(const char* text) { return Number(text); }
const Number kNan = std::numeric_limits<Number>::quiet_NaN();
const Number kInf = std::numeric_limits<Number>::infinity();

struct BitCase {
    const char* Label;
    BuiltinImpl Fn;
    Number X;
    Number Y;
    const char* Expected;  // exact integer text
};

void ExpectCases(const std::vector<BitCase>& cases) {
    for (const BitCase& c : cases) {
        const Number got = c.Fn({c.X, c.Y});
        EXPECT_EQ(got.str(0, {}), c.Expected) << c.Label;
    }
}

TEST(BitFunctions, NotReadsSignedAndGivesSigned) {
    const std::vector<std::pair<Number, const char*>> cases = {
        {Num("0"), "-1"},
        {Num("255"), "-256"},
        {Num("5.9"), "-6"},
        {Num("-0.9"), "-1"},
        {Num("9223372036854775807"), "-9223372036854775808"},
        // Above the signed range the operand saturates; it is not read as unsigned.
        {Num("18446744073709551615"), "-9223372036854775808"},
        {Num("1e30"), "-9223372036854775808"},
        {kNan, "-1"},
        {-kInf, "9223372036854775807"},
    };
    for (const auto& [x, expected] : cases) {
        EXPECT_EQ(FnNot({x}).str(0, {}), expected) << x.str(0, {});
    }
}

TEST(BitFunctions, TwoOperandLogic) {
    ExpectCases({
        {"or 5.7;2", FnOr, Num("5.7"), Num("2"), "7"},
        {"or -8;3", FnOr, Num("-8"), Num("3"), "-5"},
        {"or saturated", FnOr, Num("1e30"), Num("0"), "9223372036854775807"},
        {"or nan", FnOr, kNan, Num("6"), "6"},
        {"and -1;255", FnAnd, Num("-1"), Num("255"), "255"},
        {"and -inf;-1", FnAnd, -kInf, Num("-1"), "-9223372036854775808"},
        {"xor -1;1", FnXor, Num("-1"), Num("1"), "-2"},
        {"xor self", FnXor, Num("-123456789"), Num("-123456789"), "0"},
        {"nor 0;0", FnNor, Num("0"), Num("0"), "-1"},
        {"nor 12;10", FnNor, Num("12"), Num("10"), "-15"},
        {"nand -1;-1", FnNand, Num("-1"), Num("-1"), "0"},
        {"nand 12;10", FnNand, Num("12"), Num("10"), "-9"},
    });
}

TEST(BitFunctions, ShiftLeft) {
    ExpectCases({
        {"count 0", FnBsl, Num("5"), Num("0"), "5"},
        {"count 63 unsigned", FnBsl, Num("1"), Num("63"), "9223372036854775808"},
        {"count 63 drops higher bits", FnBsl, Num("3"), Num("63"), "9223372036854775808"},
        {"count 64", FnBsl, Num("1"), Num("64"), "0"},
        {"count 255", FnBsl, Num("-1"), Num("255"), "0"},
        {"count 300 is not 44", FnBsl, Num("1"), Num("300"), "0"},
        {"count saturated", FnBsl, Num("1"), Num("1e20"), "0"},
        {"negative x unsigned read", FnBsl, Num("-1"), Num("4"), "18446744073709551600"},
        {"count 1.9 truncates", FnBsl, Num("1"), Num("1.9"), "2"},
        {"count -0.5 is 0", FnBsl, Num("7"), Num("-0.5"), "7"},
        {"count -63 signed", FnBsl, Num("1"), Num("-63"), "-9223372036854775808"},
        {"count -4 signed", FnBsl, Num("-3"), Num("-4"), "-48"},
        {"count -64", FnBsl, Num("-1"), Num("-64"), "0"},
        {"count -255", FnBsl, Num("1"), Num("-255"), "0"},
        {"count -300", FnBsl, Num("1"), Num("-300"), "0"},
        {"count most negative", FnBsl, Num("1"), Num("-1e20"), "0"},
        {"nan count", FnBsl, Num("9"), kNan, "9"},
        {"inf x", FnBsl, kInf, Num("0"), "18446744073709551615"},
    });
}

TEST(BitFunctions, ShiftRight) {
    ExpectCases({
        {"count 0", FnBsr, Num("40"), Num("0"), "40"},
        {"count 3", FnBsr, Num("40"), Num("3"), "5"},
        {"logical on negative", FnBsr, Num("-16"), Num("2"), "4611686018427387900"},
        {"count 63", FnBsr, Num("-1"), Num("63"), "1"},
        {"count 64", FnBsr, Num("-1"), Num("64"), "0"},
        {"count 255", FnBsr, Num("-1"), Num("255"), "0"},
        {"count 300", FnBsr, Num("-1"), Num("300"), "0"},
        {"above signed range", FnBsr, Num("18446744073709551615"), Num("60"), "15"},
        {"arithmetic", FnBsr, Num("-16"), Num("-2"), "-4"},
        {"arithmetic -63", FnBsr, Num("-9223372036854775808"), Num("-63"), "-1"},
        {"arithmetic -64 negative", FnBsr, Num("-1"), Num("-64"), "-1"},
        {"arithmetic -64 positive", FnBsr, Num("12345"), Num("-64"), "0"},
        {"arithmetic -300", FnBsr, Num("-5"), Num("-300"), "-1"},
        {"arithmetic -300 positive", FnBsr, Num("5"), Num("-300"), "0"},
        {"arithmetic most negative", FnBsr, Num("-5"), Num("-1e20"), "-1"},
        {"nan count", FnBsr, Num("9"), kNan, "9"},
        {"-inf logical", FnBsr, -kInf, Num("63"), "1"},
    });
}

TEST(BitFunctions, BitWidth) {
    ExpectCases({
        {"300;8", FnBit, Num("300"), Num("8"), "44"},
        {"-1;8", FnBit, Num("-1"), Num("8"), "255"},
        {"-1;63", FnBit, Num("-1"), Num("63"), "9223372036854775807"},
        {"-1;64", FnBit, Num("-1"), Num("64"), "18446744073709551615"},
        {"-1;65", FnBit, Num("-1"), Num("65"), "18446744073709551615"},
        {"-1;300", FnBit, Num("-1"), Num("300"), "18446744073709551615"},
        {"-1;huge", FnBit, Num("-1"), Num("1e20"), "18446744073709551615"},
        {"123;0", FnBit, Num("123"), Num("0"), "0"},
        {"200;-8", FnBit, Num("200"), Num("-8"), "-56"},
        {"300;-8", FnBit, Num("300"), Num("-8"), "44"},
        {"1;-1", FnBit, Num("1"), Num("-1"), "-1"},
        {"-1;-64", FnBit, Num("-1"), Num("-64"), "-1"},
        {"top bit;-63", FnBit, Num("4611686018427387904"), Num("-63"), "-4611686018427387904"},
        {"-1;-65", FnBit, Num("-1"), Num("-65"), "-1"},
        {"min;-300", FnBit, Num("-9223372036854775808"), Num("-300"), "-9223372036854775808"},
        {"max;-1e20", FnBit, Num("9223372036854775807"), Num("-1e20"), "9223372036854775807"},
        {"nan width", FnBit, Num("77"), kNan, "0"},
        {"nan x", FnBit, kNan, Num("-8"), "0"},
    });
}

}  // namespace
}  // namespace numora

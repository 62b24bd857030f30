// Engine speed: each line through CalcEngine::Evaluate beside the bare Number arithmetic that
// the line performs, so the engine's own work (scanning, stacks, literals, lookup, formatting)
// shows as the difference and the ratio of the two rows of a pair.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/BuiltinImpls.h"
#include "engine/CalcEngine.h"
#include "engine/ExactArith.h"
#include "engine/Format.h"
#include "engine/UserFunctions.h"

namespace numora {
namespace {

void EvaluateLine(benchmark::State& state, const std::u16string& text,
                  const UserFunctionCatalogue& functions = NoUserFunctions()) {
    CalcEngine engine(functions);
    std::u16string warmup = u"alpha = 1.5";
    std::int32_t position = 0;
    engine.Evaluate(warmup, position);
    for (const char16_t* setup : {u"beta = 2.25", u"gamma = 7"}) {
        std::u16string line = setup;
        position = 0;
        engine.Evaluate(line, position);
    }
    std::u16string line;
    for (auto _ : state) {
        line = text;
        position = 0;
        const int status = engine.Evaluate(line, position);
        benchmark::DoNotOptimize(status);
        benchmark::DoNotOptimize(engine.GetMessageText().data());
    }
}

// --- pairs: the engine on a line, then the same arithmetic on ready-made Numbers -------------

void BM_Engine_Arithmetic(benchmark::State& state) { EvaluateLine(state, u"1+2*3-4/5"); }
void BM_Bare_Arithmetic(benchmark::State& state) {
    const Number a(1), b(2), c(3), d(4), e(5);
    for (auto _ : state) {
        Number r = a + b * c - d / e;
        benchmark::DoNotOptimize(r);
    }
}

void BM_Engine_Assignment(benchmark::State& state) { EvaluateLine(state, u"x = y = 2*3+1"); }
void BM_Bare_Assignment(benchmark::State& state) {
    const Number a(2), b(3), c(1);
    for (auto _ : state) {
        Number r = a * b + c;
        benchmark::DoNotOptimize(r);
    }
}

void BM_Engine_Names(benchmark::State& state) { EvaluateLine(state, u"Alpha*beta + gamma - pi"); }
void BM_Bare_Names(benchmark::State& state) {
    const Number alpha("1.5"), beta("2.25"), gamma(7),
        pi("3.141592653589793238462643383279502884197169399375105820974944592307816406286");
    for (auto _ : state) {
        Number r = alpha * beta + gamma - pi;
        benchmark::DoNotOptimize(r);
    }
}

void BM_Engine_LongLiterals(benchmark::State& state) {
    EvaluateLine(state, u"1,234,567,890.1234567890123456789 * 9876543210.98765432109876e-3");
}
void BM_Bare_LongLiterals(benchmark::State& state) {
    const Number a("1234567890.1234567890123456789"), b("9876543210.98765432109876e-3");
    for (auto _ : state) {
        Number r = a * b;
        benchmark::DoNotOptimize(r);
    }
}

void BM_Engine_Power(benchmark::State& state) { EvaluateLine(state, u"-2^10 + (3^2)^2"); }
void BM_Bare_Power(benchmark::State& state) {
    const Number two(2), ten(10), three(3);
    for (auto _ : state) {
        Number r = -pow(two, ten) + pow(pow(three, two), two);
        benchmark::DoNotOptimize(r);
    }
}

// 1/3 fills all 100 digits, so formatting at 32 digits has real rounding work to do.
void BM_Engine_Format32(benchmark::State& state) { EvaluateLine(state, u"1/3"); }
void BM_Bare_Format32(benchmark::State& state) {
    const Number one(1), three(3);
    for (auto _ : state) {
        Number r = one / three;
        benchmark::DoNotOptimize(r);
    }
}

void BM_Engine_UserFunction(benchmark::State& state) {
    UserFunctionCatalogue functions;
    functions.Append({u"sq", {u"x"}, u"x*x", u""});
    EvaluateLine(state, u"sq(3)+sq(4)", functions);
}
void BM_Bare_UserFunction(benchmark::State& state) {
    const Number three(3), four(4);
    for (auto _ : state) {
        Number r = three * three + four * four;
        benchmark::DoNotOptimize(r);
    }
}

// --- division and remainder: ours (rounded once, exact) beside the library's own ----------------

// Operands: a quotient of full length, an exact one, and a long number by a one-limb divisor.
const Number& FullA() {
    static const Number value = Number(2) / 3;
    return value;
}
const Number& FullB() {
    static const Number value = sqrt(Number(2));
    return value;
}

template <class Op>
void Pair(benchmark::State& state, const Number& a, const Number& b, Op op) {
    for (auto _ : state) {
        Number r = op(a, b);
        benchmark::DoNotOptimize(r);
    }
}

auto kExactDivide = [](const Number& a, const Number& b) { return Divide(a, b); };
auto kBoostDivide = [](const Number& a, const Number& b) { return a / b; };
auto kExactRemainder = [](const Number& a, const Number& b) { return Remainder(a, b); };
auto kBoostRemainder = [](const Number& a, const Number& b) { return fmod(a, b); };

void BM_Divide_Full(benchmark::State& s) { Pair(s, FullA(), FullB(), kExactDivide); }
void BM_Boost_Divide_Full(benchmark::State& s) { Pair(s, FullA(), FullB(), kBoostDivide); }
void BM_Divide_Exact(benchmark::State& s) { Pair(s, Number(6), Number(3), kExactDivide); }
void BM_Boost_Divide_Exact(benchmark::State& s) { Pair(s, Number(6), Number(3), kBoostDivide); }
void BM_Divide_BySmall(benchmark::State& s) { Pair(s, FullB(), Number(7), kExactDivide); }
void BM_Boost_Divide_BySmall(benchmark::State& s) { Pair(s, FullB(), Number(7), kBoostDivide); }
void BM_Remainder(benchmark::State& s) {
    Pair(s, Number("123456.789"), Number("7.25"), kExactRemainder);
}
void BM_Boost_Remainder(benchmark::State& s) {
    Pair(s, Number("123456.789"), Number("7.25"), kBoostRemainder);
}
void BM_Remainder_Full(benchmark::State& s) { Pair(s, FullB() * 1000, FullA(), kExactRemainder); }
void BM_Boost_Remainder_Full(benchmark::State& s) {
    Pair(s, FullB() * 1000, FullA(), kBoostRemainder);
}
// The library's answer here is no remainder at all (it exceeds the divisor); ours goes through
// modular exponentiation.
void BM_Remainder_Huge(benchmark::State& s) {
    Pair(s, Number("1e67108864"), Number(7), kExactRemainder);
}
void BM_Boost_Remainder_Huge(benchmark::State& s) {
    Pair(s, Number("1e67108864"), Number(7), kBoostRemainder);
}

// --- sums and products rounded once beside the library's truncating ones --------------------

auto kRoundedAdd = [](const Number& a, const Number& b) { return Add(a, b); };
auto kBoostAdd = [](const Number& a, const Number& b) { return a + b; };
auto kRoundedMultiply = [](const Number& a, const Number& b) { return Multiply(a, b); };
auto kBoostMultiply = [](const Number& a, const Number& b) { return a * b; };

void BM_Add_Full(benchmark::State& s) { Pair(s, FullA(), FullB(), kRoundedAdd); }
void BM_Boost_Add_Full(benchmark::State& s) { Pair(s, FullA(), FullB(), kBoostAdd); }
void BM_Add_Short(benchmark::State& s) { Pair(s, Number("1.5"), Number(7), kRoundedAdd); }
void BM_Boost_Add_Short(benchmark::State& s) { Pair(s, Number("1.5"), Number(7), kBoostAdd); }
void BM_Multiply_Full(benchmark::State& s) { Pair(s, FullA(), FullB(), kRoundedMultiply); }
void BM_Boost_Multiply_Full(benchmark::State& s) { Pair(s, FullA(), FullB(), kBoostMultiply); }
void BM_Multiply_Short(benchmark::State& s) { Pair(s, Number("1.5"), Number(7), kRoundedMultiply); }
void BM_Boost_Multiply_Short(benchmark::State& s) {
    Pair(s, Number("1.5"), Number(7), kBoostMultiply);
}

BENCHMARK(BM_Add_Full);
BENCHMARK(BM_Boost_Add_Full);
BENCHMARK(BM_Add_Short);
BENCHMARK(BM_Boost_Add_Short);
BENCHMARK(BM_Multiply_Full);
BENCHMARK(BM_Boost_Multiply_Full);
BENCHMARK(BM_Multiply_Short);
BENCHMARK(BM_Boost_Multiply_Short);

// --- elementary functions: ours (every shown digit right) beside the library's at Number's own
// precision (the 100th digit wrong in about one result in eight) ------------------------------

template <class Function>
void Unary(benchmark::State& state, const Number& x, Function f) {
    for (auto _ : state) {
        Number r = f(x);
        benchmark::DoNotOptimize(r);
    }
}

const Number& Argument() {
    static const Number value("2.718281828459045235360287471352662497757247093699959574966967");
    return value;
}

void BM_Exp(benchmark::State& s) {
    Unary(s, Argument(), [](auto& x) { return FnExp({x}); });
}
void BM_Boost_Exp(benchmark::State& s) {
    Unary(s, Argument(), [](auto& x) { return exp(x); });
}
void BM_Ln(benchmark::State& s) {
    Unary(s, Argument(), [](auto& x) { return FnLn({x}); });
}
void BM_Boost_Ln(benchmark::State& s) {
    Unary(s, Argument(), [](auto& x) { return log(x); });
}
void BM_Sin(benchmark::State& s) {
    Unary(s, Argument(), [](auto& x) { return FnSin({x}); });
}
void BM_Boost_Sin(benchmark::State& s) {
    Unary(s, Argument(), [](auto& x) { return sin(x); });
}
void BM_Atan(benchmark::State& s) {
    Unary(s, Argument(), [](auto& x) { return FnAtan({x}); });
}
void BM_Boost_Atan(benchmark::State& s) {
    Unary(s, Argument(), [](auto& x) { return atan(x); });
}
void BM_Sqrt(benchmark::State& s) {
    Unary(s, Argument(), [](auto& x) { return FnSqrt({x}); });
}
void BM_Boost_Sqrt(benchmark::State& s) {
    Unary(s, Argument(), [](auto& x) { return sqrt(x); });
}
void BM_PowerFraction(benchmark::State& s) {
    Unary(s, Argument(), [](auto& x) { return Power(x, Number("1.25")); });
}
void BM_Boost_PowerFraction(benchmark::State& s) {
    Unary(s, Argument(), [](auto& x) { return pow(x, Number("1.25")); });
}

BENCHMARK(BM_Exp);
BENCHMARK(BM_Boost_Exp);
BENCHMARK(BM_Ln);
BENCHMARK(BM_Boost_Ln);
BENCHMARK(BM_Sin);
BENCHMARK(BM_Boost_Sin);
BENCHMARK(BM_Atan);
BENCHMARK(BM_Boost_Atan);
BENCHMARK(BM_Sqrt);
BENCHMARK(BM_Boost_Sqrt);
BENCHMARK(BM_PowerFraction);
BENCHMARK(BM_Boost_PowerFraction);

BENCHMARK(BM_Divide_Full);
BENCHMARK(BM_Boost_Divide_Full);
BENCHMARK(BM_Divide_Exact);
BENCHMARK(BM_Boost_Divide_Exact);
BENCHMARK(BM_Divide_BySmall);
BENCHMARK(BM_Boost_Divide_BySmall);
BENCHMARK(BM_Remainder);
BENCHMARK(BM_Boost_Remainder);
BENCHMARK(BM_Remainder_Full);
BENCHMARK(BM_Boost_Remainder_Full);
BENCHMARK(BM_Remainder_Huge);
BENCHMARK(BM_Boost_Remainder_Huge);

// --- pieces -----------------------------------------------------------------------------------

void BM_FormatNumber32(benchmark::State& state) {
    const Number third = Number(1) / 3;
    for (auto _ : state) benchmark::DoNotOptimize(FormatNumber(third, 32));
}

void BM_Engine_LongLine(benchmark::State& state) {
    std::u16string line = u"0";
    for (int i = 0; i < 1000; ++i) line += u" + 1.5";
    EvaluateLine(state, line);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(line.size() * sizeof(char16_t)));
}

BENCHMARK(BM_Engine_Arithmetic);
BENCHMARK(BM_Bare_Arithmetic);
BENCHMARK(BM_Engine_Assignment);
BENCHMARK(BM_Bare_Assignment);
BENCHMARK(BM_Engine_Names);
BENCHMARK(BM_Bare_Names);
BENCHMARK(BM_Engine_LongLiterals);
BENCHMARK(BM_Bare_LongLiterals);
BENCHMARK(BM_Engine_Power);
BENCHMARK(BM_Bare_Power);
BENCHMARK(BM_Engine_Format32);
BENCHMARK(BM_Bare_Format32);
BENCHMARK(BM_Engine_UserFunction);
BENCHMARK(BM_Bare_UserFunction);
BENCHMARK(BM_FormatNumber32);
BENCHMARK(BM_Engine_LongLine);

}  // namespace
}  // namespace numora

BENCHMARK_MAIN();

// Recognising exact powers: x = r^k with k as large as possible, for any x a Number holds.
// x is S * 10^t with S an integer without trailing zeros; then S = R^k and t = u k, so k divides
// t (any k when t is 0) and S is a k-th power. Prime exponents are taken off one at a time.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "engine/ExactArith.h"
#include "engine/ExactInteger.h"
#include "engine/NumberLimbs.h"
#include "engine/WideMath.h"

namespace numora {

namespace {

using namespace exact;

// 2^425 already has 128 digits.
constexpr int kLargestExponent = 425;

const std::vector<int>& Primes() {
    static const std::vector<int> primes = [] {
        std::vector<int> list;
        for (int n = 2; n <= kLargestExponent; ++n) {
            bool prime = true;
            for (int d = 2; d * d <= n && prime; ++d) prime = n % d != 0;
            if (prime) list.push_back(n);
        }
        return list;
    }();
    return primes;
}

bool IsPrime(int n) {
    if (n < 2) return false;
    for (int d = 2; d * d <= n; ++d) {
        if (n % d == 0) return false;
    }
    return true;
}

// For each prime p, a few primes q = 1 (mod p): modulo q only one residue in p is a p-th power.
const std::vector<int>& ResiduePrimes(int p) {
    static const std::array<std::vector<int>, kLargestExponent + 1> table = [] {
        std::array<std::vector<int>, kLargestExponent + 1> t;
        for (int prime : Primes()) {
            for (int q = 2 * prime + 1; t[prime].size() < 6 && q < 100'000; q += 2 * prime) {
                if (IsPrime(q)) t[prime].push_back(q);
            }
        }
        return t;
    }();
    return table[static_cast<std::size_t>(p)];
}

std::uint32_t Mod(const Exact& x, std::uint32_t q) {
    std::uint64_t r = 0;
    for (int i = x.n - 1; i >= 0; --i) r = (r * limbs::kBase + x.limb[i]) % q;
    return static_cast<std::uint32_t>(r);
}

std::uint64_t PowMod(std::uint64_t base, std::uint64_t e, std::uint64_t q) {
    std::uint64_t result = 1;
    base %= q;
    for (; e > 0; e >>= 1) {
        if (e & 1) result = result * base % q;
        base = base * base % q;
    }
    return result;
}

// x / 10^digits for x divisible by it (digits < 8).
void DivideByPowerOfTen(Exact& x, int digits) {
    std::uint32_t divisor = 1;
    for (int i = 0; i < digits; ++i) divisor *= 10;
    std::uint64_t rest = 0;
    for (int i = x.n - 1; i >= 0; --i) {
        const std::uint64_t current = rest * limbs::kBase + x.limb[i];
        x.limb[i] = static_cast<std::uint32_t>(current / divisor);
        rest = current % divisor;
    }
    while (x.n > 1 && x.limb[x.n - 1] == 0) --x.n;
}

// log10 of the integer x, to double precision.
double Log10Of(const Exact& x) {
    double top = x.limb[x.n - 1];
    if (x.n > 1) top += x.limb[x.n - 2] * 1e-8;
    if (x.n > 2) top += x.limb[x.n - 3] * 1e-16;
    return std::log10(top) + 8.0 * (x.n - 1);
}

Exact ExactOfInteger(std::uint64_t v) {
    Exact e;
    e.n = 0;
    do {
        e.limb[e.n++] = static_cast<std::uint32_t>(v % limbs::kBase);
        v /= limbs::kBase;
    } while (v > 0);
    return e;
}

// The Number x * 10^unit for an integer x of at most 16 limbs.
Number NumberOf(const Exact& x, std::int64_t unit) {
    std::array<std::uint32_t, limbs::kLimbs> limbs{};
    for (int i = 0; i < x.n; ++i) limbs[i] = x.limb[x.n - 1 - i];
    return limbs::RoundLimbs(limbs.data(), x.n,
                             unit + static_cast<std::int64_t>(limbs::kLimbDigits) * (x.n - 1),
                             false, false);
}

bool IsPowerOf(const Exact& candidate, int p, const Exact& x) {
    Exact power;
    return ExactPower(candidate, p, limbs::kLimbs + 2, power) && SameValue(power, x);
}

// When the integer x (at least 2) is the p-th power of an integer (p prime), that root.
bool IntegerRoot(const Exact& x, int p, Exact& root) {
    for (int q : ResiduePrimes(p)) {
        const std::uint32_t r = Mod(x, static_cast<std::uint32_t>(q));
        if (r != 0 && PowMod(r, static_cast<std::uint64_t>((q - 1) / p), q) != 1) return false;
    }
    const double digits = Log10Of(x) / p;
    if (digits < 12) {
        // The root is small enough that a double finds it to within one.
        const double guess = std::round(std::pow(10.0, digits));
        for (const double c : {guess - 1, guess, guess + 1}) {
            if (c < 2) continue;
            const Exact candidate = ExactOfInteger(static_cast<std::uint64_t>(c));
            if (IsPowerOf(candidate, p, x)) {
                root = candidate;
                return true;
            }
        }
        return false;
    }
    // A root of up to 64 digits, from the correctly rounded power x^(1/p).
    const Number whole = NumberOf(x, 0);
    const Number approximation = wide::Power(whole, Divide(Number(1), Number(p)));
    const Number candidate = RoundDecimals(approximation, 0);
    if (candidate < 2) return false;
    const Exact exactCandidate = ExactOf(candidate);
    // S has no trailing zeros, so neither has its root.
    if (exactCandidate.unit != 0) return false;
    if (!IsPowerOf(exactCandidate, p, x)) return false;
    root = exactCandidate;
    return true;
}

}  // namespace

bool PerfectPower(const Number& x, Number& root, std::int64_t& k) {
    if (!boost::multiprecision::isfinite(x) || !(x > 0)) return false;
    Exact s = ExactOf(x);
    std::int64_t t = s.unit;
    s.unit = 0;
    int zeros = 0;
    for (std::uint32_t low = s.limb[0]; low % 10 == 0; low /= 10) ++zeros;
    DivideByPowerOfTen(s, zeros);
    t += zeros;
    if (s.n == 1 && s.limb[0] == 1) {  // a power of ten: the root is 10 or 0.1
        if (t >= -1 && t <= 1) return false;
        root = t > 0 ? Number(10) : Number("0.1");
        k = t > 0 ? t : -t;
        return true;
    }
    std::int64_t power = 1;
    for (const int p : Primes()) {
        if (p > Log10Of(s) * 3.33) break;  // every p-th power beyond 1 is at least 2^p
        Exact smaller;
        while (t % p == 0 && IntegerRoot(s, p, smaller)) {
            s = smaller;
            t /= p;
            power *= p;
        }
    }
    if (power == 1) return false;
    root = NumberOf(s, t);
    k = power;
    return true;
}

}  // namespace numora

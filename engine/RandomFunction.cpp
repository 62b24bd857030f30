// random(Seed): the process-wide Mersenne Twister and its seed rules.
#include "engine/RandomFunction.h"

#include <boost/random/generate_canonical.hpp>
#include <boost/random/mersenne_twister.hpp>
#include <chrono>
#include <cstdint>
#include <random>

#include "engine/BuiltinImpls.h"
#include "engine/IntConvert.h"

namespace numora {

namespace {

constexpr std::uint32_t kFirstSeed = 5489;
// No seed has been given yet; -1 itself therefore continues the first-call sequence.
constexpr std::int64_t kNoSeed = -1;
// Bits of randomness per value: four 32-bit draws.
constexpr std::size_t kRandomBits = 100;

struct RandomState {
    boost::random::mt19937 Generator{kFirstSeed};
    std::int64_t LastSeed = kNoSeed;
};

RandomState& State() {
    static RandomState state;
    return state;
}

std::uint32_t SeedFromSystem() {
    try {
        std::random_device device;
        return device();
    } catch (...) {
        // No entropy source on this machine: the clock still gives a seed that differs per run.
        const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
        return static_cast<std::uint32_t>(ticks ^ (ticks >> 32));
    }
}

}  // namespace

void ResetRandomState() { State() = RandomState{}; }

Number FnRandom(const ArgList& a) {
    RandomState& state = State();
    const std::int64_t seed = ToInt64(a[0]);
    if (seed != state.LastSeed) {
        state.LastSeed = seed;
        if (seed == 0) {
            state.Generator.seed(SeedFromSystem());
        } else {
            // Seed 1 seeds with 0, so user seeds start at the generator's own origin.
            state.Generator.seed(static_cast<std::uint32_t>(static_cast<std::uint64_t>(seed) - 1));
        }
    }
    return boost::random::generate_canonical<Number, kRandomBits>(state.Generator);
}

}  // namespace numora

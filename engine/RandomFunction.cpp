// random(Seed): the engine's Mersenne Twister and its seed rules.
#include "engine/RandomFunction.h"

#include <boost/random/generate_canonical.hpp>
#include <chrono>
#include <cstdint>
#include <memory>
#include <random>

#include "engine/BuiltinImpls.h"
#include "engine/EngineState.h"
#include "engine/IntConvert.h"

namespace numora {

namespace {

// Bits of randomness per value: four 32-bit draws.
constexpr std::size_t kRandomBits = 100;

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

Number FnRandom(const ArgList& a, EngineState& engine) {
    // Made on the first draw: most engines never draw, and the generator is 2.5 KB.
    if (!engine.Random) engine.Random = std::make_unique<RandomState>();
    RandomState& state = *engine.Random;
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

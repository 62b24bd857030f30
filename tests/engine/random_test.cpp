// random(Seed): values in [0, 1) built from four generator outputs, and the seed rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <limits>
#include <mutex>
#include <random>
#include <thread>
#include <vector>

#include "engine/BuiltinImpls.h"
#include "engine/CalcEngine.h"
#include "engine/EngineState.h"

namespace numora {
namespace {

Number Random(EngineState& engine, const Number& seed) { return FnRandom({seed}, engine); }

// random(seed) as a worksheet line: through the parser and the engine's own generator.
Number Draw(CalcEngine& engine, std::u16string line) {
    std::int32_t position = 0;
    EXPECT_EQ(engine.Evaluate(line, position), 0);
    return engine.GetResult();
}

// The next value of `reference`, made from four successive outputs as
// d0 + d1*2^32 + d2*2^64 + d3*2^96 over 2^128.
Number NextValue(std::mt19937& reference) {
    Number sum = 0, scale = 1;
    for (int d = 0; d < 4; ++d) {
        sum += Number(static_cast<std::uint32_t>(reference())) * scale;
        scale *= Number(4294967296.0);
    }
    return sum / scale;
}

// Value `index` (from 0) of a Mersenne Twister seeded with `engineSeed`.
Number Expected(std::uint32_t engineSeed, int index) {
    std::mt19937 reference(engineSeed);
    reference.discard(4 * static_cast<unsigned long long>(index));
    return NextValue(reference);
}

TEST(RandomFunction, SeedSequences) {
    struct Case {
        const char* Label;
        std::vector<Number> Seeds;                          // the calls, in order
        std::vector<std::pair<std::uint32_t, int>> Expect;  // engine seed and index per call
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"seed 1 seeds the engine with 0", {1}, {{0, 0}}},
        {"same seed continues", {5, 5, 5}, {{4, 0}, {4, 1}, {4, 2}}},
        {"another seed restarts", {5, 6, 5}, {{4, 0}, {5, 0}, {4, 0}}},
        {"1 right after 2", {2, 1}, {{1, 0}, {0, 0}}},
        // -1 equals the remembered seed of a fresh run, so it continues the first-call sequence.
        {"first call", {-1, -1}, {{5489, 0}, {5489, 1}}},
        {"negative seed", {-1, 7, -5}, {{5489, 0}, {6, 0}, {4294967290u, 0}}},
        {"seed wraps to 32 bits", {4294967297, 4294967297}, {{0, 0}, {0, 1}}},
        {"most negative seed", {Number(INT64_MIN)}, {{4294967295u, 0}}},
        {"truncated", {Number("3.9"), 3}, {{2, 0}, {2, 1}}},
        {"saturated", {Number("1e30")}, {{0xFFFFFFFEu, 0}}},
    };
    // clang-format on
    for (const Case& c : cases) {
        // A new engine is where a run of the program starts.
        EngineState engine(NoUserFunctions());
        for (std::size_t i = 0; i < c.Seeds.size(); ++i) {
            const auto [engineSeed, index] = c.Expect[i];
            EXPECT_EQ(Random(engine, c.Seeds[i]), Expected(engineSeed, index))
                << c.Label << ", call " << i;
        }
    }
}

TEST(RandomFunction, SystemSeededValuesLieInUnitInterval) {
    // 0 and NaN draw from the system source; a fixed seed given in between restarts its own
    // sequence every time.
    const Number seedThreeFirst = Expected(2, 0);
    EngineState engine(NoUserFunctions());
    std::vector<Number> seen;
    for (int i = 0; i < 50; ++i) {
        if (i % 10 == 9) {
            EXPECT_EQ(Random(engine, Number(3)), seedThreeFirst);
            continue;
        }
        const Number v =
            Random(engine, i == 5 ? std::numeric_limits<Number>::quiet_NaN() : Number(0));
        EXPECT_TRUE(v >= 0 && v < 1) << v;
        seen.push_back(v);
    }
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(std::adjacent_find(seen.begin(), seen.end()), seen.end()) << "repeated value";
}

TEST(TwoEngines, EachDrawsFromItsOwnGenerator) {
    // Interleaved on one thread: one engine's draws never move the other's sequence on, and a
    // trial evaluation (the live preview's) draws nothing.
    CalcEngine first, second;
    EXPECT_EQ(Draw(first, u"random(5)"), Expected(4, 0));
    EXPECT_EQ(Draw(second, u"random(5)"), Expected(4, 0));
    EXPECT_EQ(Draw(second, u"random(5)"), Expected(4, 1));
    std::u16string trial = u"random(5)";
    std::int32_t position = 0;
    EXPECT_EQ(first.EvaluateTrial(trial, position), kVolatileStatus);
    EXPECT_EQ(Draw(first, u"random(5)"), Expected(4, 1));
    EXPECT_EQ(Draw(second, u"random(6)"), Expected(5, 0));
    EXPECT_EQ(Draw(first, u"random(5)"), Expected(4, 2));

    // On two threads at once, each with a seed of its own: each sequence is unbroken.
    constexpr int kDraws = 300;
    std::mutex gate;
    std::condition_variable opened;
    int arrived = 0;
    int mismatches[2] = {0, 0};
    const auto run = [&](int side) {
        CalcEngine engine;
        {
            std::unique_lock lock(gate);
            if (++arrived == 2) opened.notify_all();
            opened.wait(lock, [&] { return arrived == 2; });
        }
        // random(2) and random(3) seed with 1 and 2.
        std::mt19937 reference(static_cast<std::uint32_t>(side + 1));
        const std::u16string line = side == 0 ? u"random(2)" : u"random(3)";
        for (int i = 0; i < kDraws; ++i) {
            if (Draw(engine, line) != NextValue(reference)) ++mismatches[side];
        }
    };
    std::thread other(run, 1);
    run(0);
    other.join();
    EXPECT_EQ(mismatches[0], 0);
    EXPECT_EQ(mismatches[1], 0);
}

}  // namespace
}  // namespace numora

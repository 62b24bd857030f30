#pragma once
// The generator behind the built-in `random`: one per engine, so that a worksheet's sequence
// is its own and engines on different threads never share it.
#include <boost/random/mersenne_twister.hpp>
#include <cstdint>

namespace numora {

struct RandomState {
    static constexpr std::uint32_t kFirstSeed = 5489;
    // No seed has been given yet; -1 itself therefore continues the first-call sequence.
    static constexpr std::int64_t kNoSeed = -1;

    boost::random::mt19937 Generator{kFirstSeed};
    std::int64_t LastSeed = kNoSeed;
};

}  // namespace numora

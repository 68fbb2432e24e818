#include "game/random_source.h"

void TRandomSource::Seed(std::uint32_t seed) { state_ = seed; }

// SplitMix64: every seed, zero included, gives a well-mixed sequence.
std::uint32_t TRandomSource::Next32() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return static_cast<std::uint32_t>((z ^ (z >> 31)) >> 32);
}

std::int32_t TRandomSource::Below(std::int32_t n) {
    if (n <= 0) return 0;
    const auto range = static_cast<std::uint32_t>(n);
    // Reject the low values that would make some results more likely: what
    // is left is a whole number of copies of 0..n-1.
    const std::uint32_t threshold = (0u - range) % range;
    std::uint32_t r;
    do r = Next32();
    while (r < threshold);
    return static_cast<std::int32_t>(r % range);
}

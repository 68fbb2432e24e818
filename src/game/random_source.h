// The seeded random source of the draws. Written out here rather than
// taken from the standard library's distributions, which differ between
// standard libraries: one seed gives the same answers on every build.
#pragma once

#include <cstdint>

class TRandomSource {
public:
    void Seed(std::uint32_t seed);
    // A uniform draw from 0 to n - 1; 0 when n is 0 or less.
    std::int32_t Below(std::int32_t n);

private:
    std::uint32_t Next32();
    std::uint64_t state_ = 0;
};

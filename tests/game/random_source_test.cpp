#include "game/random_source.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::int32_t> Draws(std::uint32_t seed, std::int32_t below, int count) {
    TRandomSource random;
    random.Seed(seed);
    std::vector<std::int32_t> draws;
    for (int i = 0; i < count; ++i) draws.push_back(random.Below(below));
    return draws;
}

TEST(RandomSourceTest, SameSeedSameDrawsOtherSeedOtherDraws) {
    EXPECT_EQ(Draws(12'345'678, 2'106, 20), Draws(12'345'678, 2'106, 20));
    EXPECT_NE(Draws(12'345'678, 2'106, 20), Draws(12'345'679, 2'106, 20));
    EXPECT_NE(Draws(0, 2'106, 20), std::vector<std::int32_t>(20, Draws(0, 2'106, 1)[0])) << "seed 0 must not stick";
}

TEST(RandomSourceTest, DrawsStayBelowTheCountAndZeroWhenThereIsNone) {
    for (std::int32_t n : {1, 2, 3, 7, 2'106, 2'147'483'647}) {
        for (std::int32_t draw : Draws(99, n, 2'000)) {
            ASSERT_GE(draw, 0);
            ASSERT_LT(draw, n);
        }
    }
    EXPECT_EQ(Draws(99, 0, 5), std::vector<std::int32_t>(5, 0));
    EXPECT_EQ(Draws(99, -3, 5), std::vector<std::int32_t>(5, 0));
}

TEST(RandomSourceTest, DrawsAreSpreadEvenly) {
    // A count just above 2^31 makes a plain modulo visibly favour the low
    // half; rejection must keep both halves alike.
    const std::int32_t n = 1'500'000'000;
    int low = 0;
    const int total = 200'000;
    for (std::int32_t draw : Draws(4, n, total)) low += draw < n / 2;
    EXPECT_NEAR(low, total / 2, total / 50);

    std::vector<int> counts(6, 0);
    for (std::int32_t draw : Draws(5, 6, 60'000)) ++counts[draw];
    for (int count : counts) EXPECT_NEAR(count, 10'000, 600);
}

}  // namespace

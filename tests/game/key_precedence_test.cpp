#include "game/key_precedence.h"

#include <gtest/gtest.h>

namespace {

TEST(KeyPrecedenceTest, EveryCurrentMarkAgainstEveryRequest) {
    using M = TLetterMark;
    const struct {
        M current;
        M green, yellow, absent;  // the mark after each request
    } table[] = {
        {M::Plain, M::Green, M::Yellow, M::Absent},
        {M::Yellow, M::Green, M::Yellow, M::Absent},
        {M::Green, M::Green, M::Green, M::Absent},
        {M::Absent, M::Absent, M::Absent, M::Absent},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(static_cast<int>(row.current));
        EXPECT_EQ(KeyMarkAfter(row.current, M::Green), row.green);
        EXPECT_EQ(KeyMarkAfter(row.current, M::Yellow), row.yellow);
        EXPECT_EQ(KeyMarkAfter(row.current, M::Absent), row.absent);
    }
}

}  // namespace

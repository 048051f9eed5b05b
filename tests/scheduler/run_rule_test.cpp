#include "scheduler/run_rule.h"

#include "tests/scheduler/program_fixture.h"

namespace sim {
namespace {

TEST(TargetReached, TargetSecondAndTheGraceAfterIt) {
    const core::DateTime target = Moment(2011, 12, 27, 16, 56, 7);
    const struct {
        int32_t secondsAfter;
        bool reached;
    } cases[] = {{-2, false}, {-1, false}, {0, true}, {1, true}, {3, true}, {4, false}, {3600, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.secondsAfter);
        const core::DateTime now = core::AddToDateTime(target, core::TimeUnit::Second, c.secondsAfter);
        EXPECT_EQ(scheduler::TargetReached(now, target, 3), c.reached);
        EXPECT_EQ(scheduler::TargetReached(now, target, 0), c.secondsAfter == 0);
    }
}

TEST(TargetReached, CountdownTargetOffInTheLastBitStillMatches) {
    // 16:40:01 plus one minute lies one unit in the last place above 16:41:01.
    const core::DateTime target =
        core::AddToDateTime(Moment(2011, 12, 27, 16, 40, 1), core::TimeUnit::Minute, 1);
    EXPECT_TRUE(scheduler::TargetReached(Moment(2011, 12, 27, 16, 41, 1), target, 3));
    EXPECT_TRUE(scheduler::TargetReached(Moment(2011, 12, 27, 16, 41, 4), target, 3));
    EXPECT_FALSE(scheduler::TargetReached(Moment(2011, 12, 27, 16, 41, 5), target, 3));
}

// The seconds difference wraps beyond 32 bits: 2^32 + 2 seconds (about 136 years) must not look like 2.
TEST(TargetReached, WrappedDifferenceIsNotTakenForALateTick) {
    const core::DateTime target = Moment(1900, 1, 1, 0, 0, 0);
    const double wrapDays = 4294967298.0 / 86400.0;
    EXPECT_FALSE(scheduler::TargetReached(target + wrapDays, target, 3));
}

}  // namespace
}  // namespace sim

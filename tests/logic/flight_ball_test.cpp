#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "flight_recorder.h"

namespace dorvanta {
namespace {

using Kind = FlightEventKind;

struct Expected {
    Kind kind;
    std::int64_t step;
    int cup;
};

void ExpectEvents(const RecordedFlight& flight, const std::vector<Expected>& expected) {
    ASSERT_EQ(flight.events.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("event " + std::to_string(i));
        EXPECT_EQ(flight.events[i].kind, expected[i].kind);
        EXPECT_EQ(flight.events[i].step, expected[i].step);
        EXPECT_EQ(flight.events[i].cup, expected[i].cup);
    }
}

// The four flights from the hand at (0, 30, -48) into a new rack, as the game
// has always flown them.
TEST(FlightWorked, StraightIntoCupOneWithoutContact) {
    FlightTable table;
    const RecordedFlight flight = table.FlyShot(1250, 45, 0);
    ExpectEvents(flight, {{Kind::Cup, 474, 1}});
    EXPECT_EQ(flight.steps, 474);
    EXPECT_EQ(flight.madeCup, 1);
    // Below the rim top, 0.385 short of the cup's centre.
    EXPECT_LT(flight.events[0].y, 4.0);
    EXPECT_NEAR(36 - flight.events[0].z, 0.385, 0.001);
    // The ball is left at the bottom of the cup.
    EXPECT_EQ(flight.x, 0);
    EXPECT_EQ(flight.y, 0.75);
    EXPECT_EQ(flight.z, 36);
}

TEST(FlightWorked, WallHitSendsTheBallBackBehindTheThrower) {
    FlightTable table;
    const RecordedFlight flight = table.FlyShot(1200, 40, 0);
    ExpectEvents(flight, {{Kind::Wall, 443, 1}, {Kind::Bounce, 452, 0}, {Kind::Bounce, 1011, 0}});
    EXPECT_NEAR(flight.events[1].z, 32.26, 0.005);
    EXPECT_NEAR(flight.events[2].z, -29.41, 0.005);
    EXPECT_EQ(flight.steps, 1180);
    EXPECT_LT(flight.z, -48);
    EXPECT_EQ(flight.madeCup, 0);
}

TEST(FlightWorked, TwoRimHitsThenBeyondTheFarLimit) {
    FlightTable table;
    const RecordedFlight flight = table.FlyShot(1300, 30, 0);
    ExpectEvents(
        flight,
        {{Kind::Rim, 397, 5}, {Kind::Rim, 417, 5}, {Kind::Bounce, 623, 0}, {Kind::Bounce, 862, 0}});
    EXPECT_EQ(flight.steps, 877);
    EXPECT_GT(flight.z, 60);
}

TEST(FlightWorked, LowThrowBouncesOverTheRack) {
    FlightTable table;
    const RecordedFlight flight = table.FlyShot(1100, 5, 0);
    ExpectEvents(flight, {{Kind::Bounce, 269, 0}});
    EXPECT_NEAR(flight.events[0].z, 10.74, 0.005);
    EXPECT_EQ(flight.steps, 494);
    EXPECT_GT(flight.z, 60);
}

// The computer's throw is the same flight mirrored: from z = 48 at the near
// rack, with the ends facing the other way.
TEST(FlightWorked, TheComputersMirroredThrowMakesTheMirroredCup) {
    FlightTable table(true);
    const RecordedFlight flight = table.FlyShot(1250, 135, 0);
    ExpectEvents(flight, {{Kind::Cup, 474, 1}});
    EXPECT_EQ(flight.z, -36);

    FlightTable rims(true);
    const RecordedFlight back = rims.FlyShot(1300, 150, 0);
    ExpectEvents(
        back,
        {{Kind::Rim, 397, 5}, {Kind::Rim, 417, 5}, {Kind::Bounce, 623, 0}, {Kind::Bounce, 862, 0}});
    EXPECT_LT(back.z, -60);
}

// Regression goldens: recorded from this flight after the four flights above
// matched, to hold the behaviour against a cleared and a re-formed rack.
TEST(FlightRegression, PartlyClearedRack) {
    FlightTable table;
    table.StandOnly({2, 3, 4, 5, 6, 7, 8, 9, 10});
    const RecordedFlight flight = table.FlyShot(1250, 45, 0);
    ExpectEvents(flight, {{Kind::Wall, 486, 2},
                          {Kind::Bounce, 488, 0},
                          {Kind::Wall, 492, 3},
                          {Kind::Bounce, 1071, 0},
                          {Kind::Bounce, 1625, 0}});
    EXPECT_EQ(flight.steps, 1844);
    EXPECT_NEAR(flight.x, 11.4910056, 1e-6);
}

TEST(FlightRegression, RackReformedToSixCups) {
    FlightTable table;
    table.StandOnly({1, 2, 3, 4, 5, 6});
    table.rackZ = 36 + std::sqrt(3.0) * 2;
    const RecordedFlight flight = table.FlyShot(1300, 30, 0);
    ExpectEvents(flight, {{Kind::Rim, 397, 1},
                          {Kind::Bounce, 761, 0},
                          {Kind::Bounce, 1132, 0},
                          {Kind::Bounce, 1485, 0},
                          {Kind::Bounce, 1821, 0},
                          {Kind::Bounce, 2141, 0}});
    EXPECT_EQ(flight.steps, 2427);
    EXPECT_LT(flight.z, -48);
}

TEST(FlightEdges, StraightThrowKeepsExactlyNoSidewaysSpeedUntilAContact) {
    FlightTable table;
    const RecordedFlight flight = table.FlyShot(1100, 5, 0);
    for (double x : flight.drawnX) {
        ASSERT_EQ(x, 0.0);
    }
}

TEST(FlightEdges, TheSideEdgeIsOnTheTableAndBeyondItTheStepIsTheLast) {
    FlightTable onEdge;
    const RecordedFlight along = onEdge.FlyShot(1100, 5, 0, 24);
    EXPECT_TRUE(along.events.size() == 1 && along.events[0].kind == Kind::Bounce);
    EXPECT_EQ(along.steps, 494);

    FlightTable off;
    const RecordedFlight out = off.FlyShot(1100, 5, 8, 23.9);
    ASSERT_FALSE(out.events.empty());
    const FlightEvent& side = out.events.back();
    EXPECT_EQ(side.kind, Kind::Side);
    EXPECT_GT(side.x, 24);
    // The step that left the table still ran to its end, and was the last.
    EXPECT_EQ(out.steps, side.step);
    EXPECT_EQ(out.drawnX.size(), static_cast<std::size_t>(side.step) + 1);
    EXPECT_NE(off.stopFlight, kFalse);
}

TEST(FlightEdges, OfTwoEquallyNearCupsTheLowerNumberIsMade) {
    FlightTable table;
    table.StandOnly({3, 7});
    table.cupX[3] = table.cupX[7] = 0;
    table.cupZ[3] = table.cupZ[7] = 0;
    EXPECT_EQ(table.FlyShot(1250, 45, 0).madeCup, 3);
}

TEST(FlightEdges, APausedFlightContinuesExactlyWhereItStopped) {
    FlightTable plain;
    const RecordedFlight unpaused = plain.FlyShot(1200, 40, 0);

    FlightTable table;
    const RecordedFlight paused =
        table.Fly(LaunchFromShot(1200, 40, 0, 0, 30, -48), [&table](FlightRecorder& hooks) {
            hooks.onPace = [&table](std::int64_t step) {
                if (step == 300) {
                    table.paused = kTrue;
                }
            };
            hooks.onPausedYield = [&table](std::int64_t yields) {
                if (yields == 25) {
                    table.paused = kFalse;
                }
            };
        });
    EXPECT_EQ(paused.pausedYields, 25);
    EXPECT_EQ(paused.steps, unpaused.steps);
    EXPECT_EQ(paused.drawnX, unpaused.drawnX);
    EXPECT_EQ(paused.z, unpaused.z);
}

TEST(FlightEdges, StopFlightEndsTheFlightAtTheNextStep) {
    FlightTable table;
    const RecordedFlight flight =
        table.Fly(LaunchFromShot(0, 0, 0, 0, 30, -48), table.StopAtStep(5000));
    // A ball without speed bounces in place until it is stopped.
    EXPECT_EQ(flight.steps, 5000);
    EXPECT_FALSE(flight.events.empty());
}

// The contact counter is 16 bits. On a flight with no contact for longer than
// it can count it must stay large, so a wall reached after that is still hit.
TEST(FlightEdges, AWallReachedAfterAVeryLongQuietRollIsStillHit) {
    FlightTable table;
    table.StandOnly({1});
    const FlightLaunch rolling{0, 0, 0, 0, 0, 0.1};  // along the table towards cup 1
    const RecordedFlight flight = table.Fly(rolling, table.StopAtStep(40000));
    std::vector<FlightEvent> contacts;
    for (const FlightEvent& event : flight.events) {
        if (event.kind != Kind::Bounce) {
            contacts.push_back(event);
        }
    }
    ASSERT_EQ(contacts.size(), 1u);
    EXPECT_EQ(contacts[0].kind, Kind::Wall);
    EXPECT_GT(contacts[0].step, std::numeric_limits<std::int16_t>::max());
    EXPECT_EQ(flight.madeCup, 0);
}

TEST(FlightLaunchValues, SpeedFromPowerAndDirectionFromBothAngles) {
    const FlightLaunch up = LaunchFromShot(1250, 90, 0, 1, 30, -48);
    EXPECT_NEAR(up.vy, 25, 1e-9);
    EXPECT_NEAR(up.vz, 0, 1e-9);
    const FlightLaunch right = LaunchFromShot(1000, 0, 30, 1, 30, -48);
    EXPECT_NEAR(right.vx, 10, 1e-9);
    EXPECT_NEAR(right.vz, 20 * std::cos(kPi / 6), 1e-9);
    EXPECT_EQ(right.x0, 1);
    EXPECT_EQ(right.y0, 30);
    EXPECT_EQ(right.z0, -48);
    // The computer's angles near 135 give a negative horizontal speed.
    EXPECT_LT(LaunchFromShot(1250, 135, 0, 0, 30, 48).vz, 0);
}

}  // namespace
}  // namespace dorvanta

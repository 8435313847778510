// The physics of one ball's flight alone, against a rack laid out as a new game
// lays it out: no pacing and no drawing.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "game_test.h"

namespace dorvanta {
namespace {

using Kind = FlightEventKind;

// Each contact as "kind step cup", then "end steps madeCup".
std::string Trace(const FlightTable& flight) {
    static const char* const kNames[] = {"bounce", "wall", "rim", "side", "cup"};
    std::string text;
    for (const FlightEvent& e : flight.events) {
        text += kNames[static_cast<int>(e.kind)] + (" " + std::to_string(e.step)) + " " +
                std::to_string(e.cup) + ", ";
    }
    return text + "end " + std::to_string(flight.steps) + " " + std::to_string(flight.madeCup);
}

// The four flights from the hand at (0, 30, -48) into a new rack, as the game
// has always flown them, and each mirrored as the computer's throw from z = 48.
TEST(Flight, FliesTheFourWorkedThrowsEventByEventFromEitherEnd) {
    const struct {
        double power, angle;
        const char* trace;
        double endZ;  // the far limit (60), behind the thrower (-48), or in cup 1 (36)
    } kThrows[] = {
        {1250, 45, "cup 474 1, end 474 1", 36},
        {1200, 40, "wall 443 1, bounce 452 0, bounce 1011 0, end 1180 0", -48},
        {1300, 30, "rim 397 5, rim 417 5, bounce 623 0, bounce 862 0, end 877 0", 60},
        {1100, 5, "bounce 269 0, end 494 0", 60},
    };
    for (const auto& shot : kThrows) {
        SCOPED_TRACE(shot.trace);
        FlightTable far, near(true);
        EXPECT_EQ(Trace(far.FlyShot(shot.power, shot.angle, 0)), shot.trace);
        EXPECT_EQ(Trace(near.FlyShot(shot.power, 180 - shot.angle, 0)), shot.trace);
        EXPECT_TRUE(shot.endZ == 36 ? far.z == 36 : far.z * shot.endZ > shot.endZ * shot.endZ);
    }
    FlightTable low;
    low.FlyShot(1100, 5, 0);
    // A straight throw keeps exactly no sideways speed until a contact other than a bounce.
    EXPECT_EQ(low.drawnX, std::vector<double>(low.drawnX.size(), 0.0));
}

TEST(Flight, TheSideEdgeIsOnTheTableAndTheStepBeyondItIsTheLast) {
    FlightTable on, off;
    EXPECT_EQ(Trace(on.FlyShot(1100, 5, 0, 24)), "bounce 269 0, end 494 0");
    off.FlyShot(1100, 5, 8, 23.9);
    ASSERT_FALSE(off.events.empty());
    const FlightEvent& side = off.events.back();
    EXPECT_EQ(side.kind, Kind::Side);
    EXPECT_EQ(off.steps, side.step);  // that step still ran to its end
    EXPECT_EQ(off.drawnX.size(), static_cast<std::size_t>(side.step) + 1);
    EXPECT_NE(off.stopFlight, kFalse);
}

// Regression: a ball at no number went on through the step: an angle of 1e308
// "bounced" on the table, and a ball whose x alone was not a number rolled on
// until stopped. Either now leaves the table at once, without a redraw until
// the flight's last, and the ball stays where it was last seen.
TEST(Flight, ABallThatIsNoLongerAFiniteNumberLeavesTheTableAtOnce) {
    FlightTable wild, rolling;
    wild.FlyShot(1250, 1e308, 0);
    rolling.onPace = [&rolling](std::int64_t step) {
        rolling.stopFlight = step == 100 ? kTrue : rolling.stopFlight;
    };
    rolling.Fly({std::nan(""), 0, 0, 0, 0, 0});
    for (const FlightTable* table : {&wild, &rolling}) {
        EXPECT_EQ(Trace(*table), "end 1 0");
        EXPECT_EQ(table->drawnX.size(), 1u);
    }
    EXPECT_EQ(std::vector<double>({wild.x, wild.y, wild.z}), std::vector<double>({0, 30, -48}));
}

TEST(Flight, APausedFlightContinuesExactlyWhereItStopped) {
    FlightTable unpaused, table;
    unpaused.FlyShot(1200, 40, 0);
    table.onPace = [&table](std::int64_t step) {
        table.paused = step == 300 ? kTrue : table.paused;
    };
    table.onPausedYield = [&table](std::int64_t n) { table.paused = n == 25 ? kFalse : kTrue; };
    table.FlyShot(1200, 40, 0);
    EXPECT_EQ(table.pausedYields, 25);
    EXPECT_EQ(Trace(table), Trace(unpaused));
    EXPECT_EQ(table.drawnX, unpaused.drawnX);
}

// Regression: the contact counter is 16 bits. On a flight with no contact for
// longer than it can count it must stay large, so a later wall is still hit.
// The flight ends in the step where End Turn stops it.
TEST(Flight, AWallReachedAfterAVeryLongQuietRollIsStillHit) {
    FlightTable table;
    table.StandOnly({1});
    table.onPace = [&table](std::int64_t step) {
        table.stopFlight = step == 40000 ? kTrue : table.stopFlight;
    };
    table.Fly({0, 0, 0, 0, 0, 0.1});  // rolling towards cup 1
    const auto isContact = [](const FlightEvent& e) { return e.kind != Kind::Bounce; };
    const auto wall = std::find_if(table.events.begin(), table.events.end(), isContact);
    ASSERT_NE(wall, table.events.end());
    EXPECT_EQ(wall->kind, Kind::Wall);
    EXPECT_GT(wall->step, 32767);
}

}  // namespace
}  // namespace dorvanta

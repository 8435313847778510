// The physics of one ball's flight alone, against a rack laid out as a new game
// lays it out: no pacing and no drawing.
#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "flight/direction_angle.h"
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

// Throws from the hand at (0, 30, -48) into a new rack, as the game has always
// flown them, and each mirrored as the computer's throw from z = 48, where a
// throw that is not straight meets the mirror cups. The first four are the
// worked throws; the others make the rarer rules matter: a tie between two
// cups, a wall met from inside its ring, and a run of rim hits that only the
// quiet steps space out and the slow-rim rule keeps going.
TEST(Flight, FliesTheGoldenThrowsEventByEventFromEitherEnd) {
    const char* const kCornerRims =
        "rim 415 10, rim 421 8, rim 427 10, rim 433 10, rim 439 10, rim 445 10, rim 451 10, "
        "rim 457 10, rim 463 10, rim 469 10, rim 475 10, rim 481 10, rim 487 10, wall 493 10, "
        "wall 499 10, bounce 552 0, bounce 741 0, bounce 922 0, bounce 1095 0, bounce 1260 0, "
        "bounce 1418 0, side 1515 0, end 1515 0";
    const char* const kMirroredCornerRims =
        "rim 415 7, rim 421 9, rim 427 7, rim 433 7, rim 439 7, rim 445 7, rim 451 7, "
        "rim 457 7, rim 463 7, rim 469 7, rim 475 7, rim 481 7, rim 487 7, wall 493 7, "
        "wall 499 7, bounce 552 0, bounce 741 0, bounce 922 0, bounce 1095 0, bounce 1260 0, "
        "bounce 1418 0, side 1515 0, end 1515 0";
    const struct {
        double power, angle, azimuth;
        const char* trace;
        const char* mirroredTrace;  // the computer's, where it differs
        double endZ;  // the far limit (60), behind the thrower (-48), in cup 1 (36), 0 off the side
    } kThrows[] = {
        {1250, 45, 0, "cup 474 1, end 474 1", nullptr, 36},
        {1200, 40, 0, "wall 443 1, bounce 452 0, bounce 1011 0, end 1180 0", nullptr, -48},
        {1300, 30, 0, "rim 397 5, rim 417 5, bounce 623 0, bounce 862 0, end 877 0", nullptr, 60},
        {1100, 5, 0, "bounce 269 0, end 494 0", nullptr, 60},
        {1364, 19, 0, "rim 337 2, end 559 0", nullptr, 60},
        {1331, 35.5, 5.3, "wall 438 7, bounce 452 0, end 544 0",
         "wall 438 10, bounce 452 0, end 544 0", 60},
        {1334.5, 32, -2.8, kCornerRims, kMirroredCornerRims, 0},
    };
    for (const auto& shot : kThrows) {
        SCOPED_TRACE(shot.trace);
        // A broken rule may bounce a ball in place for ever.
        FlightTable far, near(true);
        far.stopAtStep = near.stopAtStep = 5000;
        EXPECT_EQ(Trace(far.FlyShot(shot.power, shot.angle, shot.azimuth)), shot.trace);
        EXPECT_EQ(Trace(near.FlyShot(shot.power, 180 - shot.angle, shot.azimuth)),
                  shot.mirroredTrace != nullptr ? shot.mirroredTrace : shot.trace);
        if (shot.endZ == 0) {
            EXPECT_GT(std::abs(far.x), kTableHalfWidth);
        } else {
            EXPECT_TRUE(shot.endZ == 36 ? far.z == 36 : far.z * shot.endZ > shot.endZ * shot.endZ);
        }
    }
    FlightTable low;
    low.FlyShot(1100, 5, 0);
    // A straight throw keeps exactly no sideways speed until a contact other than a bounce.
    EXPECT_EQ(low.drawnX, std::vector<double>(low.drawnX.size(), 0.0));
}

// Balls put exactly on the edge of each test of a step: the table surface, the
// far limit, the floor, a cup's rim circle and its touching ring, the rim top,
// and two cups equally near. Flights that would bounce in place for ever stop
// at step 300.
TEST(Flight, EachTestOfAStepHoldsAtItsEdgeOnOneSideOnly) {
    const double between2And3 = kFarRackHomeZ + RowSpacing(kCupRadius);
    const struct {
        FlightLaunch launch;
        bool nearRack;
        const char* trace;
    } kEdges[] = {
        // Bounces from y = 0, and flies on from z = 60 (or -60) until beyond it.
        {{0, 0, 60, 0, 1, 1}, false, "bounce 1 0, bounce 2 0, end 2 0"},
        {{0, 0, -60, 0, 1, -1}, true, "bounce 1 0, bounce 2 0, end 2 0"},
        // On the floor limit still flies; just below it never starts.
        {{0, -10, 60, 0, 0, 1}, false, "bounce 1 0, bounce 2 0, end 2 0"},
        {{0, -10.001, 60, 0, 0, 1}, false, "end 0 0"},
        // 2.0 from cup 1's axis is not in it but on its wall, hit once the
        // quiet steps are over; 2.75 touches nothing.
        {{2, 1, 36, 0, 0, 0},
         false,
         "wall 6 1, bounce 47 0, bounce 135 0, bounce 220 0, end 300 0"},
        {{2.75, 1, 36, 0, 0, 0}, false, "bounce 47 0, bounce 135 0, bounce 220 0, end 300 0"},
        // A centre at the rim top is not yet in; the next step is.
        {{0, 4, 36, 0, 0, 0}, false, "cup 2 1, end 2 1"},
        // Midway between cups 2 and 3 the wall hit goes to cup 2.
        {{0, 3, between2And3, 0, 0, 0}, false, "wall 6 2, cup 7 3, end 7 3"},
    };
    for (const auto& edge : kEdges) {
        SCOPED_TRACE(edge.trace);
        FlightTable table(edge.nearRack);
        table.stopAtStep = 300;
        EXPECT_EQ(Trace(table.Fly(edge.launch)), edge.trace);
    }
}

// Along an axis the direction is exactly half the game's pi; a null vector,
// which a ball dropped straight down gives, keeps the last direction.
TEST(Flight, ADirectionAlongAnAxisIsExactAndANullVectorKeepsTheLastOne) {
    DirectionAngle angle;
    std::vector<double> seen;
    for (const auto& [u, w] : std::vector<std::pair<double, double>>{
             {0, 0}, {0, 2}, {0, 0}, {-1, 0}, {0, 0}, {0, -3}, {2, 2}, {0, 0}}) {
        seen.push_back(angle.Of(u, w));
    }
    EXPECT_EQ(seen, std::vector<double>(
                        {0, kHalfPi, kHalfPi, kPi, kPi, -kHalfPi, std::atan(1.0), std::atan(1.0)}));
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
    rolling.stopAtStep = 100;
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
    table.stopAtStep = 40000;
    table.Fly({0, 0, 0, 0, 0, 0.1});  // rolling towards cup 1
    const auto isContact = [](const FlightEvent& e) { return e.kind != Kind::Bounce; };
    const auto wall = std::find_if(table.events.begin(), table.events.end(), isContact);
    ASSERT_NE(wall, table.events.end());
    EXPECT_EQ(wall->kind, Kind::Wall);
    EXPECT_GT(wall->step, 32767);
}

}  // namespace
}  // namespace dorvanta

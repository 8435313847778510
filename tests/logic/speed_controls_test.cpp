#include "flight/yield_timer.h"
#include "game_test.h"
#include "records/data_file.h"

namespace dorvanta {
namespace {

class CalibrationTest : public GameTest {
  protected:
    TextBox& FactorBox() { return In<TextBox>("FormCalibrate", "TextCalibrationFactor"); }
    // Opens the window, types `text` and presses Okay; returns the box's text.
    std::string Enter(const std::string& text) {
        ChooseMenu("MenuOptionCalibrate");
        FactorBox().SetText(text);
        In<Button>("FormCalibrate", "CommandOkay").Click();
        return FactorBox().Text();
    }
    double StoredFactor() { return DataFile(platform).ReadSettings().CalibrationFactor; }
};

// Regression: 400 nines read as a factor of 0, and factors that pace a step for
// hours were taken.
TEST_F(CalibrationTest, FactorsTooLargeForADoubleOrAboveABillionAreRefusedAndAHugeOneShows) {
    main.CalibrationFactor = 7;
    for (const std::string& text :
         std::vector<std::string>{std::string(400, '9'), "1000000000.5", "1000000000000"}) {
        SCOPED_TRACE(text);
        platform.QueueAnswer(BoxAnswer::Ok);
        EXPECT_EQ(Enter(text), text);
        EXPECT_EQ(LastBox(), "Please enter a valid positive number.");
    }
    EXPECT_EQ(main.CalibrationFactor, 7);
    EXPECT_EQ(StoredFactor(), 0);
    Enter("1000000000");
    EXPECT_EQ(StoredFactor(), 1e9);
    EXPECT_EQ(platform.Boxes().size(), 3u);

    // Regression: the window's text was cut at a printf buffer, so a factor of
    // 1e300 from the file showed as about 1e62.
    DataFile(platform).StoreCalibration(1e300);
    NewGame();  // reads the file again
    ChooseMenu("MenuOptionCalibrate");
    EXPECT_EQ(FactorBox().Text(), "1" + std::string(300, '0'));
}

// Every pass yields without delivering input: a press made meanwhile waits
// until the calibration is over. Passes of a thousandth of a second fill one
// unit of delay, 0.03 s, thirty at a time; the count ends with a batch.
TEST_F(CalibrationTest, AutomaticCalibrationYieldsEveryPassAndHoldsThePlayersInputTillTheEnd) {
    platform.SetTimeOfDay(86400 - 1.5);
    platform.AtYield(10, [&] { Click("CommandPause"); });
    platform.QueueAnswer(BoxAnswer::Ok);
    ChooseMenu("MenuOptionAutoCalibrate");
    const double passes = static_cast<double>(platform.YieldCount()) + 1;
    EXPECT_NEAR(passes, 3000, kYieldsPerBatch);  // three seconds, across midnight
    EXPECT_NEAR(main.CalibrationFactor, 30, 1e-6);
    EXPECT_EQ(StoredFactor(), main.CalibrationFactor);
    EXPECT_EQ(Get("Paused"), kFalse);
    platform.Yield();
    EXPECT_EQ(Get("Paused"), kTrue);
}

}  // namespace
}  // namespace dorvanta

// The contract every desktop keeps with the game, checked on the real windows
// of the desktop this program is built for: the player's input reaching the
// controls, boxes, nested yields and the end of the program, waits, pictures
// at every scale, the main window's scaling and captions that fit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <stdexcept>
#include <tuple>
#include <vector>

#include "../logic/raster_rows.h"
#include "../logic/records_temp_dir.h"
#include "contract/desktop_driver.h"
#include "core/form_main.h"
#include "scenarios/game_state_probe.h"

namespace dorvanta::contract {
namespace {

// A sizable window with a button, a digit-refusing text box, a scroll bar, a
// picture and a menu that record what reaches them.
class ProbeForm : public Form {
  public:
    explicit ProbeForm(Platform& platform)
        : Form(platform, "FormProbe", "Probe Window", 4500, 4500) {
        SetSizable(true);
        MenuItem& menu = AddMenu("MenuProbe", "Save & Load", 'L');
        menu.AddItem("MenuProbeHelp", "Help", 'e', "F1").onClick = [this] { ++helps; };
        Button& button = AddButton("CommandProbe", {120, 120, 1215, 615}, "Press");
        button.onMouseDown = [this](int mouseButton) { presses.push_back(mouseButton); };
        button.onClick = [this] { ++clicks; };
        text = &AddTextBox("TextNoDigits", {120, 900, 1500, 375});
        text->onKeyPress = [](char& key) { key = key >= '0' && key <= '9' ? 0 : key; };
        text->onChange = [this] { ++textChanges; };
        bar = &AddHScrollBar("HScrollProbe", {120, 1500, 2055, 375}, -10, 10, 0);
        bar->onChange = [this] { changes.push_back(bar->Value()); };
        picture = &AddPicture("PictureProbe", {1620, 120, 1500, 1200}, kWhite);
    }

    TextBox* text;
    ScrollBar* bar;
    Picture* picture;
    std::vector<int> presses, changes;
    int clicks = 0, textChanges = 0, helps = 0;
};

class DesktopContract : public InTempDir {
  protected:
    // Shows a form of the game's on the desktop.
    void Show(Form& form) {
        driver_->Run([&form] { form.Show(); });
        ASSERT_FALSE(driver_->Ending());
    }

    std::unique_ptr<DesktopDriver> driver_ = MakeDesktopDriver();
    Platform& desktop_ = driver_->Desktop();
};

class ProbeContract : public DesktopContract {
  protected:
    void SetUp() override {
        DesktopContract::SetUp();
        Show(probe_);
    }

    ProbeForm probe_{desktop_};
};

// Either mouse button presses; only the left one and the keyboard click. Typed
// characters go through the key-press handler, which may discard them; an
// ampersand in a menu caption is a character and the mnemonic is marked at its
// letter; a shortcut chooses its item; an arrow moves a bar by one.
TEST_F(ProbeContract, ControlsDeliverPressesClicksKeysShortcutsAndArrows) {
    driver_->PressMouse(probe_, "CommandProbe", kLeftButton);
    driver_->PressMouse(probe_, "CommandProbe", kRightButton);
    driver_->PressSpace(probe_, "CommandProbe");
    EXPECT_EQ(probe_.presses, std::vector<int>({kLeftButton, kRightButton}));
    EXPECT_EQ(probe_.clicks, 2);

    driver_->TypeKeys(probe_, "TextNoDigits", "a1b2c");
    EXPECT_EQ(probe_.text->Text(), "abc");
    EXPECT_EQ(driver_->ShownText(probe_, "TextNoDigits"), "abc");
    EXPECT_EQ(probe_.textChanges, 3);  // a discarded digit changes nothing
    driver_->TypeKeys(probe_, "TextNoDigits", "\b");
    EXPECT_EQ(probe_.text->Text(), "ab");
    probe_.text->SetText("hello");
    EXPECT_EQ(driver_->ShownText(probe_, "TextNoDigits"), "hello");
    driver_->TypeKeys(probe_, "TextNoDigits", "J");  // a text set by the game puts the caret first
    EXPECT_EQ(probe_.text->Text(), "Jhello");

    EXPECT_EQ(driver_->MenuCaption(probe_, "MenuProbe"), "Save && &Load");
    EXPECT_EQ(driver_->MenuCaption(probe_, "MenuProbeHelp"), "H&elp");
    driver_->PressF1(probe_);
    EXPECT_EQ(probe_.helps, 1);

    driver_->ClickArrowUp(probe_, "HScrollProbe");
    EXPECT_EQ(probe_.changes, std::vector<int>({1}));
}

// A yield that excludes input leaves the player's press for the next yield,
// such as the calibration's, which must not be disturbed.
TEST_F(ProbeContract, AYieldExcludingInputLeavesThePlayersInputQueued) {
    if (!driver_->QueueClick(probe_, "CommandProbe")) {
        GTEST_SKIP() << "this desktop's driver cannot queue the window system's input";
    }
    driver_->Run([this] { desktop_.YieldExcludingInput(); });
    EXPECT_TRUE(probe_.presses.empty());
    driver_->Run([this] { desktop_.Yield(); });
    EXPECT_EQ(probe_.presses, std::vector<int>({kLeftButton}));
    EXPECT_EQ(probe_.clicks, 1);
}

// A box reports the player's answer under the game's name when it has no
// title of its own; an input box returns the typed text, or nothing when cancelled.
TEST_F(DesktopContract, BoxesReportTheAnswerUnderTheGamesName) {
    std::string title, text;
    driver_->WhenBoxOpens([&](OpenBox& box) {
        title = box.Title();
        text = box.Text();
        box.Answer(BoxAnswer::No);
    });
    EXPECT_EQ(desktop_.MessageBox("Play  again?", BoxButtons::YesNo, ""), BoxAnswer::No);
    EXPECT_EQ(title, "Dorvanta");
    EXPECT_EQ(text, "Play  again?");
    driver_->WhenBoxOpens([&](OpenBox& box) {
        title = box.Title();
        box.Enter("Ann");
    });
    EXPECT_EQ(desktop_.InputBox("Your name:", "High score"), "Ann");
    EXPECT_EQ(title, "High score");
    driver_->WhenBoxOpens([](OpenBox& box) { box.Answer(BoxAnswer::Cancel); });
    EXPECT_EQ(desktop_.InputBox("Your name:", "High score"), "");
}

// An unexpected fault is reported in a box and ends the program.
TEST_F(DesktopContract, AFaultIsReportedInABoxAndEndsTheProgram) {
    std::string text;
    driver_->After(0, [] { throw std::runtime_error("disk on fire"); });
    driver_->WhenBoxOpens([&](OpenBox& box) {
        text = box.Text();
        box.Answer(BoxAnswer::Ok);
    });
    EXPECT_EQ(driver_->RunEventLoop(), 1);
    EXPECT_EQ(text, "disk on fire");
    EXPECT_TRUE(driver_->Ending());
}

// Records the order in which the logic's frames are left.
struct Frame {
    std::vector<std::string>& left;
    std::string name;
    ~Frame() { left.push_back(name); }
};

// A flight yields step after step; a box opens inside one of its yields, and
// while the box waits, the player chooses Exit. Everything unwinds, innermost
// first, the box never returns, and the event loop ends.
TEST_F(DesktopContract, ExitDuringABoxInsideAYieldingLoopUnwindsEverything) {
    std::vector<std::string> left;
    driver_->After(0, [&] {
        Frame flight{left, "flight"};
        for (;;) {
            desktop_.Yield();
        }
    });
    driver_->After(5, [&] {
        Frame box{left, "box"};
        desktop_.MessageBox("Wait", BoxButtons::Ok, "");
        left.push_back("box returned");
    });
    driver_->WhenBoxOpens([&](OpenBox&) {
        Frame exit{left, "exit"};
        desktop_.EndProgram();
    });

    EXPECT_EQ(driver_->RunEventLoop(), 0);
    EXPECT_EQ(left, std::vector<std::string>({"exit", "box", "flight"}));
    EXPECT_THROW(desktop_.Yield(), QuitRequested);
    EXPECT_THROW(desktop_.MessageBox("Late", BoxButtons::Ok, ""), QuitRequested);
}

// A wait never ends early and ends close to its deadline; input that arrives
// meanwhile is delivered at once, and a wait whose reason is over ends then.
TEST_F(ProbeContract, WaitUntilEndsOnTimeAndDeliversInputMeanwhile) {
    constexpr double kWaitSeconds = 0.02;
    constexpr double kLatenessBound = 0.005;
    std::vector<double> lateness;
    for (int i = 0; i < 5; ++i) {
        const double deadline = desktop_.MonotonicSeconds() + kWaitSeconds;
        desktop_.WaitUntil(deadline, {});
        lateness.push_back(desktop_.MonotonicSeconds() - deadline);
    }
    std::ranges::sort(lateness);
    EXPECT_GE(lateness.front(), 0);
    EXPECT_LT(lateness[lateness.size() / 2], kLatenessBound);

    driver_->After(10, [this] { driver_->PressMouse(probe_, "CommandProbe", kLeftButton); });
    const double start = desktop_.MonotonicSeconds();
    desktop_.WaitUntil(start + 5, [this] { return probe_.presses.empty(); });
    EXPECT_EQ(probe_.presses, std::vector<int>({kLeftButton}));
    EXPECT_LT(desktop_.MonotonicSeconds() - start, 1);
}

// The window's scale changes the units per pixel (15 at scale 1, 10 at 1.5,
// 7.5 at 2); a line stays one device pixel wide, and one between two rows of
// pixels is shared by both.
TEST_F(ProbeContract, PicturesDrawLinesOneDevicePixelWideAtEveryScale) {
    for (const double scale : {1.0, 1.5, 2.0}) {
        SCOPED_TRACE(scale);
        driver_->ResizeRoom(probe_, UnitsToPixels(4500, scale), UnitsToPixels(4500, scale));
        const auto at = [scale](double designPixels) {
            return static_cast<int>(designPixels * scale);
        };
        for (const auto& [y, rows] : {std::pair{300.0f, 1u}, std::pair{302.0f, 2u}}) {
            probe_.picture->Cls();
            probe_.picture->DrawLine(150, y, 1350, y, kRed);  // 10 to 90 design pixels across
            probe_.picture->Present();
            const Raster drawn = driver_->Grab(probe_, "PictureProbe");
            const std::vector<int> marked = MarkedRows(drawn, at(50));
            ASSERT_EQ(marked.size(), rows);
            EXPECT_EQ(marked.front(), at(20));
            double covered = 0;
            for (const int row : marked) {
                covered += RedCover(drawn, at(50), row);
            }
            EXPECT_NEAR(covered, 1.0, 0.1);
            EXPECT_EQ(drawn.At(at(9), at(20)), (Rgb{255, 255, 255}));
        }
    }
}

bool Inside(const PixelRect& outer, const PixelRect& inner) {
    return inner.left >= outer.left && inner.top >= outer.top &&
           inner.left + inner.width <= outer.left + outer.width &&
           inner.top + inner.height <= outer.top + outer.height;
}

bool Overlap(const PixelRect& a, const PixelRect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

class MainWindowContract : public DesktopContract {
  protected:
    void SetUp() override {
        DesktopContract::SetUp();
        Show(main_);
    }

    // Chooses the menu item and returns the form it opens.
    Form* Open(const char* menuItem, const std::string& form) {
        driver_->Run([this, menuItem] { main_.FindMenuItem(menuItem)->Click(); });
        return driver_->LoadedForm(form);
    }

    FormMain main_{desktop_};
};

// Positions are in pixels, 15 design units each: Shoot is at {120, 5400, 1215,
// 615}, Picture1 at {3240, 0, 8175, 6975}. Edges are rounded, so the controls
// that meet in the design still meet. The spare width is shared on both sides;
// the picture is drawn in the same units, so the table's near edge lands at
// 6185.26 units whatever the scale; the font grows with the window.
TEST_F(MainWindowContract, ScalesItsControlsFontsAndPicturesUniformlyAndCentresThem) {
    for (const auto& [scale, width, height, shoot, picture1] :
         {std::tuple{1.0, 774, 510, PixelRect{8, 360, 81, 41}, PixelRect{216, 0, 545, 465}},
          std::tuple{1.5, 1161, 765, PixelRect{12, 540, 122, 62}, PixelRect{324, 0, 818, 698}},
          std::tuple{2.0, 1548, 1020, PixelRect{16, 720, 162, 82}, PixelRect{432, 0, 1090, 930}}}) {
        SCOPED_TRACE(scale);
        constexpr int kSpare = 60;
        driver_->ResizeRoom(main_, width + kSpare, height);
        EXPECT_EQ(driver_->ClientArea(main_), (PixelRect{kSpare / 2, 0, width, height}));
        EXPECT_EQ(driver_->Placed(main_, "CommandShoot"), shoot);
        EXPECT_EQ(driver_->Placed(main_, "Picture1"), picture1);
        EXPECT_EQ(driver_->FontPixels(main_, "Label7"), DesignFontPixels(scale));

        const int nearEdge = static_cast<int>(6185.26 * scale / 15);
        // This column crosses the table's left edge higher up, then its near edge.
        const std::vector<int> rows =
            MarkedRows(driver_->Grab(main_, "Picture1"), static_cast<int>(2000 * scale / 15));
        ASSERT_FALSE(rows.empty());
        EXPECT_LE(std::abs(rows.back() - nearEdge), 1);
        EXPECT_LE(std::ranges::count_if(rows, [nearEdge](int row) { return row >= nearEdge - 1; }),
                  2);
    }
}

// The window opens at the largest of the scales 0.6, 0.75, 1, 1.25, ... at
// which all of it, frame and menu bar too, fits in 85% of the screen's free
// area, and wholly on that area; the player can shrink it to scale 0.6.
TEST_F(MainWindowContract, OpensAsLargeAsItsScreenHasRoomForAndShrinksToScaleSixTenths) {
    const PixelRect screen = driver_->ScreenArea(main_);
    const PixelRect frame = driver_->Frame(main_);
    const PixelRect client = driver_->ClientArea(main_);
    EXPECT_TRUE(Inside(screen, frame));
    const auto fits = [&](double scale) {
        return UnitsToPixels(kMainClientWidth, scale) + frame.width - client.width <=
                   screen.width * 0.85 &&
               UnitsToPixels(kMainClientHeight, scale) + frame.height - client.height <=
                   screen.height * 0.85;
    };
    double opened = 0;
    for (double scale = 0.6; scale < 4; scale = scale < 0.75 ? 0.75 : scale + 0.25) {
        if (client.width == UnitsToPixels(kMainClientWidth, scale) &&
            client.height == UnitsToPixels(kMainClientHeight, scale)) {
            opened = scale;
        }
    }
    ASSERT_GT(opened, 0) << client.width << " x " << client.height << " is no opening scale";
    EXPECT_TRUE(opened == 0.6 || fits(opened));
    EXPECT_FALSE(fits(opened < 0.75 ? 0.75 : opened + 0.25));

    driver_->ResizeRoom(main_, 100, 100);
    EXPECT_EQ(driver_->ClientArea(main_), (PixelRect{0, 0, 464, 306}));  // 11610 x 7650 at 0.6
}

// A small window opens centred over the main window, and never partly off the
// screen, even when the main window is.
TEST_F(MainWindowContract, SecondaryWindowsOpenCentredOverTheMainWindowAndOnTheScreen) {
    const auto centre = [](const PixelRect& r) {
        return std::pair{r.left + r.width / 2, r.top + r.height / 2};
    };
    const PixelRect screen = driver_->ScreenArea(main_);
    for (const auto& [menuItem, name] : {std::pair{"MenuOptionColors", "FormColors"},
                                         {"MenuOptionCalibrate", "FormCalibrate"},
                                         {"MenuOptionViewHighScores", "FormHighScores"},
                                         {"MenuOptionHelp", "FormHelp"}}) {
        Form* form = Open(menuItem, name);
        ASSERT_NE(form, nullptr) << name;
        const auto [x, y] = centre(driver_->Frame(*form));
        const auto [mainX, mainY] = centre(driver_->Frame(main_));
        EXPECT_LE(std::abs(x - mainX), 1) << name;
        EXPECT_LE(std::abs(y - mainY), 1) << name;
        EXPECT_TRUE(Inside(screen, driver_->Frame(*form))) << name;
    }
    driver_->MoveFrame(main_, screen.left + screen.width - 100, screen.top + screen.height - 100);
    Form* about = Open("MenuOptionAbout3DDV", "FormAbout");
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(Inside(screen, driver_->Frame(*about)));
}

// A window opened later takes the main window's scale then, and keeps it.
TEST_F(MainWindowContract, SecondaryWindowsOpenAtTheMainWindowsScale) {
    driver_->ResizeRoom(main_, 1161, 765);
    Form* help = Open("MenuOptionHelp", "FormHelp");
    ASSERT_NE(help, nullptr);
    const PixelRect designHelp{0, 0, 424, 264};  // 6360 x 3960 units
    const PixelRect atScale{0, 0, designHelp.width * 3 / 2, designHelp.height * 3 / 2};
    EXPECT_EQ(driver_->ClientArea(*help), atScale);
    driver_->ResizeRoom(main_, 774, 510);
    EXPECT_EQ(driver_->ClientArea(*help), atScale);
}

// Enter presses a small window's default button and Escape its Cancel: Okay
// and Cancel when calibrating, the button that closes the window elsewhere;
// a window without buttons closes. The main window keeps both keys to itself.
TEST_F(MainWindowContract, EnterAndEscapePressTheSmallWindowsDefaultAndCancelButtons) {
    main_.CalibrationFactor = 5;
    Form* calibrate = Open("MenuOptionCalibrate", "FormCalibrate");
    ASSERT_NE(calibrate, nullptr);
    auto& factor = static_cast<TextBox&>(*calibrate->FindControl("TextCalibrationFactor"));
    for (const auto& [typed, key, kept] :
         {std::tuple{"7", Key::Escape, 5.0}, std::tuple{"12", Key::Enter, 12.0}}) {
        Open("MenuOptionCalibrate", "FormCalibrate");
        factor.SelectAll();
        driver_->TypeKeys(*calibrate, "TextCalibrationFactor", typed);
        driver_->PressKey(*calibrate, "TextCalibrationFactor", key);
        EXPECT_FALSE(calibrate->Visible()) << typed;
        EXPECT_EQ(main_.CalibrationFactor, kept);
    }

    // Help and High Scores stay loaded for their next showing; About and a
    // closed Colors window go.
    for (const auto& [menuItem, name, button, key, kept] :
         {std::tuple{"MenuOptionViewHighScores", "FormHighScores", "CommandOK", Key::Enter, true},
          {"MenuOptionViewHighScores", "FormHighScores", "CommandReset", Key::Escape, true},
          {"MenuOptionHelp", "FormHelp", "CommandOkay", Key::Escape, true},
          {"MenuOptionAbout3DDV", "FormAbout", "cmdOK", Key::Enter, false},
          {"MenuOptionColors", "FormColors", "PictureBallRed", Key::Escape, false}}) {
        Form* form = Open(menuItem, name);
        ASSERT_NE(form, nullptr) << name;
        driver_->PressKey(*form, button, key);
        EXPECT_FALSE(form->Visible()) << name;
        EXPECT_EQ(driver_->LoadedForm(name) != nullptr, kept) << name;
    }

    for (const Key key : {Key::Enter, Key::Escape}) {
        driver_->PressKey(main_, "TextPower", key);
    }
    EXPECT_TRUE(main_.Visible());
    EXPECT_FALSE(driver_->Ending());
}

// Tab goes round the controls the player can use, past the read-only
// statistics boxes.
TEST_F(MainWindowContract, TabPassesTheReadOnlyBoxesBy) {
    std::set<std::string> reached;
    std::string at = "TextHandX";
    for (std::size_t press = 0; press < main_.Controls().size(); ++press) {
        driver_->PressKey(main_, at, Key::Tab);
        at = driver_->FocusedControl(main_);
        ASSERT_FALSE(at.empty());
        reached.insert(at);
    }
    for (const char* box : {"TextPower", "TextAngle", "TextAzimuth", "TextHandX"}) {
        EXPECT_TRUE(reached.contains(box)) << box;
    }
    for (const char* box : {"TextShotsTaken", "TextShotsMade", "TextShootingPercentage"}) {
        EXPECT_FALSE(reached.contains(box)) << box;
    }
}

// A game through the real windows, played with the mouse: a numeric shot
// makes a cup, four presses of Shoot throw a ball, and the statistics boxes
// follow. The presses after the first come while the gauges they stop move;
// End Turn ends the throw in the air, as where the gauges stop the ball may
// roll among the rims for most of a minute.
TEST_F(MainWindowContract, AGameThroughTheRealWindows) {
    constexpr int kPressMillis = 300;
    GameStateProbe(main_).Set("CalibrationFactor", 0);  // the gauges step at every yield
    driver_->Run([this] { main_.FindMenuItem("MenuOptionIndividual")->Click(); });
    driver_->WhenBoxOpens([](OpenBox& box) { box.Answer(BoxAnswer::Ok); });
    driver_->Run([this] { main_.FindMenuItem("MenuOptionNumericShooting")->Click(); });
    ASSERT_TRUE(driver_->Shown(main_, "CommandCheatShoot"));

    // Straight down the table at 45 degrees into the front cup.
    for (const auto& [box, value] :
         {std::pair{"TextPower", "1255"}, {"TextAngle", "45"}, {"TextAzimuth", "0"}}) {
        static_cast<TextBox*>(main_.FindControl(box))->SelectAll();
        driver_->TypeKeys(main_, box, value);
    }
    driver_->PressMouse(main_, "CommandCheatShoot", kLeftButton);
    EXPECT_EQ(GameStateProbe(main_).Get("CupStanding(1)"), 0);
    EXPECT_EQ(driver_->ShownText(main_, "TextShotsTaken"), "1");
    EXPECT_EQ(driver_->ShownText(main_, "TextShotsMade"), "1");
    EXPECT_EQ(driver_->ShownText(main_, "TextShootingPercentage"), "100");

    for (int press = 1; press <= 3; ++press) {
        driver_->After(kPressMillis * press,
                       [this] { driver_->PressMouse(main_, "CommandShoot", kLeftButton); });
    }
    driver_->After(kPressMillis * 4,
                   [this] { driver_->PressMouse(main_, "CommandStopLoop", kLeftButton); });
    driver_->PressMouse(main_, "CommandShoot", kLeftButton);  // returns once the throw has ended
    EXPECT_EQ(driver_->ShownText(main_, "TextShotsTaken"), "2");
    EXPECT_EQ(driver_->ShownText(main_, "CommandShoot"), "Shoot");
    const int made = 10 - static_cast<int>(GameStateProbe(main_).Get("CupsLeft"));
    EXPECT_EQ(driver_->ShownText(main_, "TextShotsMade"), std::to_string(made));
    EXPECT_EQ(driver_->ShownText(main_, "TextShootingPercentage"), made == 2 ? "100" : "50");
}

// Whether a caption, drawn as the desktop draws it, stays inside its room and,
// for a label, clear of every other control on its window, even where the
// label's own box reaches under a neighbour.
void ExpectCaptionFits(DesktopDriver& driver, const Form& form, const Control& control) {
    const PixelRect text = driver.TextBounds(form, control.Name());
    EXPECT_TRUE(Inside(driver.TextRoom(form, control.Name()), text)) << control.Name();
    if (control.Kind() != ControlKind::Label) {
        return;
    }
    for (const auto& other : form.Controls()) {
        if (other.get() != &control && driver.Shown(form, other->Name())) {
            EXPECT_FALSE(Overlap(text, driver.Placed(form, other->Name())))
                << control.Name() << " runs into " << other->Name();
        }
    }
}

// Labels and lines lie beneath the controls their boxes reach under: the
// bottom of Reset View, under the box of the Pan label, shows and is clicked.
// (Where two buttons meet, either may be on top.)
TEST_F(MainWindowContract, LabelsAndLinesLieBeneathTheControlsTheirBoxesReachUnder) {
    int overlaps = 0;
    for (const auto& under : main_.Controls()) {
        if (!LiesUnderOtherControls(under->Kind())) {
            continue;
        }
        const PixelRect box = driver_->Placed(main_, under->Name());
        for (const auto& over : main_.Controls()) {
            const PixelRect other = driver_->Placed(main_, over->Name());
            if (LiesUnderOtherControls(over->Kind()) || !driver_->Shown(main_, over->Name()) ||
                !Overlap(box, other)) {
                continue;
            }
            ++overlaps;
            const int x = (std::max(box.left, other.left) +
                           std::min(box.left + box.width, other.left + other.width)) /
                          2;
            const int y = (std::max(box.top, other.top) +
                           std::min(box.top + box.height, other.top + other.height)) /
                          2;
            const Control* onTop = main_.FindControl(driver_->ControlAt(main_, x, y));
            ASSERT_NE(onTop, nullptr);
            EXPECT_FALSE(LiesUnderOtherControls(onTop->Kind()))
                << under->Name() << " over " << over->Name();
        }
    }
    EXPECT_GT(overlaps, 0);
}

// Shoot names every phase of a shot; the window never shrinks a caption to
// fit; the widest number the game writes into its narrowest boxes shows whole.
TEST_F(MainWindowContract, EveryCaptionAndLabelFitsInItsWindowsOneFontSize) {
    std::vector<Form*> forms = {&main_};
    for (const auto& [menuItem, form] : {std::pair{"MenuOptionColors", "FormColors"},
                                         {"MenuOptionCalibrate", "FormCalibrate"},
                                         {"MenuOptionViewHighScores", "FormHighScores"},
                                         {"MenuOptionHelp", "FormHelp"},
                                         {"MenuOptionAbout3DDV", "FormAbout"}}) {
        forms.push_back(Open(menuItem, form));
        ASSERT_NE(forms.back(), nullptr) << form;
    }
    static_cast<TextBox*>(main_.FindControl("TextPower"))->SetText("1257.5");
    ExpectCaptionFits(*driver_, main_, *main_.FindControl("TextPower"));
    for (Form* form : forms) {
        std::set<int> fontSizes;
        for (const auto& control : form->Controls()) {
            if (control->Kind() == ControlKind::Button && control->Name() == "CommandShoot") {
                auto& shoot = static_cast<Button&>(*control);
                for (const char* caption : kShootCaptions) {
                    shoot.SetCaption(caption);
                    ExpectCaptionFits(*driver_, *form, shoot);
                }
            }
            const bool captioned = control->Kind() == ControlKind::Button ||
                                   (control->Kind() == ControlKind::Label &&
                                    !static_cast<const Label&>(*control).Caption().empty());
            if (captioned && driver_->Shown(*form, control->Name())) {
                fontSizes.insert(driver_->FontPixels(*form, control->Name()));
                ExpectCaptionFits(*driver_, *form, *control);
            }
        }
        EXPECT_EQ(fontSizes.size(), 1u) << form->Name();
    }
}

}  // namespace
}  // namespace dorvanta::contract

// The main window: its declared controls and menus, start-up, the new-game
// reset, New Game and the two ways the program ends.
#include <cmath>
#include <string>

#include "core/form_main.h"
#include "core/number_text.h"
#include "core/product.h"
#include "flight/fly_ball.h"
#include "flight/form_calibrate.h"
#include "opponent/opponent_aim.h"
#include "records/data_file.h"
#include "records/form_about.h"
#include "records/form_help.h"
#include "records/form_high_scores.h"
#include "view/camera.h"
#include "view/form_colors.h"

namespace dorvanta {

namespace {

// Start-up colours.
constexpr Color kStartColorCups = kRed;
constexpr Color kStartColorCupsOpponent = kBlue;
constexpr Color kStartColorTable = kGrey;
constexpr Color kStartColorBall = kOrange;
constexpr Color kStartColorHand = kBlack;

constexpr std::int16_t kHandScrollLimit = 240;

// Ball and cup sizes and the bounce factors every new game starts with.
constexpr FlightPhysics kStandardTable{};

std::string MainCaption() {
    return std::string(kSiteName) + kProductName;
}

}  // namespace

FormMain::FormMain(Platform& platform)
    : Form(platform, "FormMain", MainCaption(), kMainClientWidth, kMainClientHeight) {
    SetSizable(true);
    DeclareControls();
    DeclareMenus();
    WireHandlers();
}

FormMain::~FormMain() = default;

void FormMain::DeclareControls() {
    // Camera controls and the playing field.
    AddLabel("LabelCameraControls", {0, 120, 2415, 255}, " Camera Controls:");
    CommandResetView = &AddButton("CommandResetView", {1320, 120, 615, 495}, "Reset View");
    VScrollPan = &AddVScrollBar("VScrollPan", {120, 480, 375, 2055}, -kPanHeightBarLimit,
                                kPanHeightBarLimit, 0);
    AddLabel("LabelPan", {600, 480, 2175, 255}, "Pan");
    HScrollPan = &AddHScrollBar("HScrollPan", {600, 720, 2295, 375}, -kPanAcrossBarLimit,
                                kPanAcrossBarLimit, 0);
    AddLabel("LabelZoom", {600, 1200, 2055, 255}, "Zoom");
    HScrollZoom =
        &AddHScrollBar("HScrollZoom", {600, 1440, 2295, 375}, -kZoomBarLimit, kZoomBarLimit, 0);
    AddLabel("LabelRotate", {600, 1920, 2175, 255}, "Rotate");
    HScrollRotate = &AddHScrollBar("HScrollRotate", {600, 2160, 2295, 375}, -kRotateBarLimit,
                                   kRotateBarLimit, 0);
    AddLine("Line1", 120, 2640, 2880, 2640);
    picture1_ = &AddPicture("Picture1", {3240, 0, kFieldWidth, kFieldHeight}, kWhite);

    // Replay and speed.
    CommandReplay = &AddButton("CommandReplay", {2040, 120, 855, 255}, "Replay");
    CommandSlow = &AddButton("CommandSlow", {2040, 360, 855, 255}, "Normal");

    // Shot controls.
    AddLabel("Label7", {120, 2760, 1815, 255}, "Shot Controls:");
    Picture2 = &AddPicture("Picture2", {120, 3000, 2535, 2295}, kWhite);
    CommandShoot = &AddButton("CommandShoot", {120, 5400, 1215, 615}, ShootCaption(kPhaseReady));
    CommandPause = &AddButton("CommandPause", {1440, 5400, 735, 615}, "Pause");
    CommandStopLoop = &AddButton("CommandStopLoop", {2280, 5400, 855, 615}, "End Turn");
    AddLabel("Label4", {120, 6120, 615, 255}, "Power");
    AddLabel("Label5", {840, 6120, 495, 255}, "Angle");
    AddLabel("LabelAzimuth", {1560, 6120, 855, 255}, "Azimuth");
    TextPower = &AddTextBox("TextPower", {120, 6360, 495, 375});
    TextAngle = &AddTextBox("TextAngle", {840, 6360, 495, 375});
    TextAzimuth = &AddTextBox("TextAzimuth", {1560, 6360, 495, 375});
    CommandCheatShoot = &AddButton("CommandCheatShoot", {2160, 6360, 615, 375}, "Shoot");
    CommandCheatShoot->SetVisible(false);
    AddLine("Line2", 0, 6840, 2880, 6840);

    // Hand position.
    AddLabel("LabelHand", {120, 6960, 1695, 255}, "Hand Location:");
    HScrollHand = &AddHScrollBar("HScrollHand", {120, 7200, 2055, 375}, -kHandScrollLimit,
                                 kHandScrollLimit, 0);
    TextHandX = &AddTextBox("TextHandX", {2400, 7200, 495, 375});

    // Statistics.
    AddLabel("Label8", {4680, 7200, 975, 255}, "Shots Taken:");
    TextShotsTaken = &AddTextBox("TextShotsTaken", {5760, 7200, 495, 375}, "0");
    AddLabel("Label9", {6600, 7200, 975, 255}, "Shots Made:");
    TextShotsMade = &AddTextBox("TextShotsMade", {7560, 7200, 495, 375}, "0");
    AddLabel("Label10", {8400, 7200, 855, 255}, "Shooting %");
    TextShootingPercentage = &AddTextBox("TextShootingPercentage", {9360, 7200, 495, 375}, "0");
    // The counts are the game's to keep; a typed one would only mislead.
    for (TextBox* count : {TextShotsTaken, TextShotsMade, TextShootingPercentage}) {
        count->SetReadOnly(true);
    }
}

// Each title and item has a mnemonic of its own among its neighbours; Help has
// the desktop's usual F1 as well.
// Each item is wired to its handler as it is declared; the ones the game
// touches again are kept as members.
void FormMain::DeclareMenus() {
    const auto item = [this](MenuItem& menu, const char* name, const char* caption, char mnemonic,
                             void (FormMain::*handler)(), const char* shortcut = "") -> MenuItem& {
        MenuItem& added = menu.AddItem(name, caption, mnemonic, shortcut);
        added.onClick = [this, handler] { (this->*handler)(); };
        return added;
    };
    MenuItem& file = AddMenu("MenuFile", "File", 'F');
    item(file, "MenuOptionNewGame", "New Game", 'N', &FormMain::MenuOptionNewGame_Click);
    item(file, "MenuOptionExit", "Exit", 'x', &FormMain::MenuOptionExit_Click);

    MenuItem& options = AddMenu("MenuOptions", "Options", 'O');
    item(options, "MenuOptionColors", "Change Colors...", 'C', &FormMain::MenuOptionColors_Click);
    item(options, "MenuOptionCalibrate", "Manually Calibrate to System...", 'M',
         &FormMain::MenuOptionCalibrate_Click);
    item(options, "MenuOptionAutoCalibrate", "Auto Calibrate to System (3 sec)", 'A',
         &FormMain::MenuOptionAutoCalibrate_Click);
    MenuOptionNumericShooting =
        &item(options, "MenuOptionNumericShooting", "Allow Numeric Shooting", 'N',
              &FormMain::MenuOptionNumericShooting_Click);
    item(options, "MenuOptionViewHighScores", "View High Scores...", 'V',
         &FormMain::MenuOptionViewHighScores_Click);

    MenuSkillLevel = &AddMenu("MenuSkillLevel", "Skill Level", 'S');
    MenuOptionBeginner = &item(*MenuSkillLevel, "MenuOptionBeginner", "Beginner", 'B',
                               &FormMain::MenuOptionBeginner_Click);
    MenuOptionIntermediate = &item(*MenuSkillLevel, "MenuOptionIntermediate", "Intermediate", 'I',
                                   &FormMain::MenuOptionIntermediate_Click);
    MenuOptionExpert = &item(*MenuSkillLevel, "MenuOptionExpert", "Expert", 'E',
                             &FormMain::MenuOptionExpert_Click);
    MenuOptionPro = &item(*MenuSkillLevel, "MenuOptionPro", "Professional", 'P',
                          &FormMain::MenuOptionPro_Click);
    MenuOptionBeginner->SetChecked(true);

    MenuOpponentSkillLevel = &AddMenu("MenuOpponentSkillLevel", "Opponent Skill Level", 'p');
    MenuOptionBeginnerOpponent =
        &item(*MenuOpponentSkillLevel, "MenuOptionBeginnerOpponent", "Beginner", 'B',
              &FormMain::MenuOptionBeginnerOpponent_Click);
    MenuOptionIntermediateOpponent =
        &item(*MenuOpponentSkillLevel, "MenuOptionIntermediateOpponent", "Intermediate", 'I',
              &FormMain::MenuOptionIntermediateOpponent_Click);
    MenuOptionExpertOpponent = &item(*MenuOpponentSkillLevel, "MenuOptionExpertOpponent", "Expert",
                                     'E', &FormMain::MenuOptionExpertOpponent_Click);
    MenuOptionProOpponent = &item(*MenuOpponentSkillLevel, "MenuOptionProOpponent", "Professional",
                                  'P', &FormMain::MenuOptionProOpponent_Click);
    MenuOptionTrickShooterOpponent =
        &item(*MenuOpponentSkillLevel, "MenuOptionTrickShooterOpponent", "Trick Shooter", 'T',
              &FormMain::MenuOptionTrickShooterOpponent_Click);
    MenuOptionBeginnerOpponent->SetChecked(true);

    MenuGameType = &AddMenu("MenuGameType", "GameType", 'G');
    MenuOptionIndividual = &item(*MenuGameType, "MenuOptionIndividual", "Individual", 'I',
                                 &FormMain::MenuOptionIndividual_Click);
    MenuOptionHeadToHead =
        &item(*MenuGameType, "MenuOptionHeadToHead", "Head to Head Against Computer", 'H',
              &FormMain::MenuOptionHeadToHead_Click);
    MenuOptionHeadToHead->SetChecked(true);

    MenuItem& help = AddMenu("MenuHelp", "Help", 'H');
    item(help, "MenuOptionHelp", "3D Dorvanta Help...", 'H', &FormMain::MenuOptionHelp_Click, "F1");
    item(help, "MenuOptionAbout3DDV", "About 3D Dorvanta...", 'A',
         &FormMain::MenuOptionAbout3DDV_Click);
}

void FormMain::WireHandlers() {
    auto click = [this](Button* button, void (FormMain::*handler)()) {
        button->onClick = [this, handler] { (this->*handler)(); };
    };
    click(CommandReplay, &FormMain::CommandReplay_Click);
    click(CommandSlow, &FormMain::CommandSlow_Click);
    click(CommandPause, &FormMain::CommandPause_Click);
    click(CommandStopLoop, &FormMain::CommandStopLoop_Click);
    click(CommandCheatShoot, &FormMain::CommandCheatShoot_Click);
    click(CommandResetView, &FormMain::CommandResetView_Click);
    // Shoot acts on the mouse press only: the keyboard does nothing.
    CommandShoot->onMouseDown = [this](int mouseButton) { CommandShoot_MouseDown(mouseButton); };

    // Each scroll bar runs the same handler for Change and Scroll.
    auto scroll = [this](ScrollBar* bar, void (FormMain::*handler)()) {
        bar->onChange = [this, handler] { (this->*handler)(); };
        bar->onScroll = bar->onChange;
    };
    scroll(HScrollHand, &FormMain::HScrollHand_Change);
    scroll(VScrollPan, &FormMain::VScrollPan_Change);
    scroll(HScrollPan, &FormMain::HScrollPan_Change);
    scroll(HScrollZoom, &FormMain::HScrollZoom_Change);
    scroll(HScrollRotate, &FormMain::HScrollRotate_Change);

    TextHandX->onKeyPress = [this](char& key) { TextHandX_KeyPress(key); };
    TextHandX->onChange = [this] { TextHandX_Change(); };
}

void FormMain::Form_Load() {
    SkillFactor = kSkillBeginner;
    OpponentErrorScale = kOpponentBeginner;
    HeadToHead = kTrue;
    ColorCups = kStartColorCups;
    ColorCupsOpponent = kStartColorCupsOpponent;
    ColorTable = kStartColorTable;
    ColorBall = kStartColorBall;
    ColorHand = kStartColorHand;
    platform().Randomize();
    InitCameraVars();
    ResetGame();
    DrawScene();
    DrawMeters();
}

void FormMain::ResetGame() {
    // Phase 0 also ends any gauge loop further down the call stack.
    GameRestarted = kTrue;
    ShotPhase = kPhaseReady;
    // Phase 0 is the player's shot, whatever the button read before.
    CommandShoot->SetCaption(ShootCaption(kPhaseReady));

    HandX = 0;
    HandY = kHandHeight;
    HandZ = kPlayerHandZ;
    HandSize = 2.5;
    ReturnBallToHand(Thrower::Player);
    BallRadius = kStandardTable.ballRadius;
    TextHandX->SetText(NumberText(HandX));

    OpponentHandX = 0;
    OpponentHandY = kHandHeight;
    OpponentHandZ = kOpponentHandZ;
    OpponentPowerSpread = 20;
    OpponentAngleSpread = 10;
    OpponentAzimuthSpread = 10;

    StoredSettings& stored = *this;
    stored = DataFile(platform()).ReadSettings();

    PowerMeterDelay = 0.2;
    AngleMeterDelay = 0.7;
    AzimuthMeterDelay = 0.4;
    FlightDelay = 0.001;
    SlowFactor = 1.0;
    // The caption names the speed in force, so it follows the factor back.
    CommandSlow->SetCaption("Normal");

    Power = 1100;
    TextPower->SetText(NumberText(Power));
    Angle = 5;
    TextAngle->SetText(NumberText(Angle));
    Azimuth = 0;
    TextAzimuth->SetText(NumberText(Azimuth));

    CupRadius = kStandardTable.cupRadius;
    CupHeight = kStandardTable.cupHeight;
    CupBaseRadius = kCupBaseRadius;
    FarRack = NewRack(RackEnd::Far, CupRadius);
    CupsLeft = kCupCount;
    NearRack = NewRack(RackEnd::Near, CupRadius);
    OpponentCupsLeft = kCupCount;

    const double w = kTableHalfWidth, l = kTableHalfLength, y = FarRack.RackBaseY;
    TableCornerX = {0, -w, w, -w, w};
    TableCornerY = {0, y, y, y, y};
    TableCornerZ = {0, l, l, -l, -l};

    TableBounce = kStandardTable.tableBounce;
    RimBounce = kStandardTable.rimBounce;
    WallBounce = kStandardTable.wallBounce;
    Paused = kFalse;
    Replaying = kFalse;
    ShotsTaken = 0;
    NumericShotUsed = kFalse;

    TextShotsTaken->SetText("0");
    TextShotsMade->SetText("0");
    TextShootingPercentage->SetText("0");
}

void FormMain::MenuOptionNewGame_Click() {
    // A shot still in flight ends at its next step and skips its statistics update.
    StopFlight = kTrue;
    GameRestarted = kTrue;
    ResetGame();
    DrawScene();
    DrawMeters();
}

// Only windows that were ever opened have anything to hide.
void FormMain::MenuOptionExit_Click() {
    HideIfLoaded(formAbout_);
    HideIfLoaded(formHighScores_);
    HideIfLoaded(formColors_);
    HideIfLoaded(formCalibrate_);
    platform().EndProgram();
}

void FormMain::CloseRequested() {
    platform().EndProgram();
}

}  // namespace dorvanta

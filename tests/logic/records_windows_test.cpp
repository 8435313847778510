#include <gtest/gtest.h>

#include <array>
#include <map>
#include <memory>
#include <string>

#include "core/game_state.h"
#include "core/game_state_probe.h"
#include "platform/scripted/scripted_platform.h"
#include "records/data_file.h"
#include "records/form_high_scores.h"
#include "records_temp_dir.h"

namespace dorvanta {
namespace {

class RecordsWindowsTest : public InTempDir {
  protected:
    void SetUp() override {
        InTempDir::SetUp();
        main_ = std::make_unique<FormMain>(platform_);
        main_->Load();
    }

    void TearDown() override {
        main_.reset();
        InTempDir::TearDown();
    }

    Form* Open(const char* menuItem, const char* form) {
        main_->FindMenuItem(menuItem)->Click();
        return GameStateProbe(*main_).SecondaryForm(form);
    }

    Form& OpenHighScores() {
        Form* form = Open("MenuOptionViewHighScores", "FormHighScores");
        EXPECT_NE(form, nullptr);
        return *form;
    }

    static std::string Caption(const Form& form, const std::string& label) {
        return static_cast<Label*>(form.FindControl(label))->Caption();
    }

    static void Press(const Form& form, const std::string& button) {
        static_cast<Button*>(form.FindControl(button))->Click();
    }

    // Name, score and percentage cells of one row.
    static std::string Row(const Form& form, const std::string& level) {
        return Caption(form, "LabelName" + level) + "|" + Caption(form, "LabelScore" + level) +
               "|" + Caption(form, "LabelPercentage" + level);
    }

    void SetTable(const std::array<std::int16_t, 4>& scores) {
        main_->NameBeginner = "Ann";
        main_->NameIntermediate = "";
        main_->NameExpert = "Zoë";
        main_->NamePro = "Bo";
        main_->HighScoreBeginner = scores[0];
        main_->HighScoreIntermediate = scores[1];
        main_->HighScoreExpert = scores[2];
        main_->HighScorePro = scores[3];
    }

    ScriptedPlatform platform_;
    std::unique_ptr<FormMain> main_;
};

// --- High-score window ---

TEST_F(RecordsWindowsTest, RowsShowNameScoreAndTheWholePercentOfTenCups) {
    SetTable({10, 30, 11, 999});
    const Form& form = OpenHighScores();
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(form.Caption(), "High Scores");
    EXPECT_EQ(Row(form, "Beginner"), "Ann|10|100 %");
    EXPECT_EQ(Row(form, "Intermediate"), "|30|33 %");
    EXPECT_EQ(Row(form, "Expert"), "Zoë|11|90 %");
    EXPECT_EQ(Row(form, "Pro"), "Bo|999|1 %");
}

TEST_F(RecordsWindowsTest, AScoreOfZeroShowsAnEmptyPercentage) {
    // The state of a first run without a data file.
    const Form& form = OpenHighScores();
    EXPECT_EQ(Row(form, "Beginner"), "|0|");
    EXPECT_EQ(Row(form, "Pro"), "|0|");
}

TEST_F(RecordsWindowsTest, PercentagesOfUnusualScoresAreWholeNumbers) {
    EXPECT_EQ(FormHighScores::PercentageText(20), "50 %");
    EXPECT_EQ(FormHighScores::PercentageText(1), "1000 %");
    EXPECT_EQ(FormHighScores::PercentageText(1001), "0 %");
    EXPECT_EQ(FormHighScores::PercentageText(-3), "-333 %");
    EXPECT_EQ(FormHighScores::PercentageText(32767), "0 %");
}

TEST_F(RecordsWindowsTest, EveryShowingRefreshesTheLabelsFromTheMembers) {
    SetTable({10, 30, 11, 999});
    Form& form = OpenHighScores();
    Press(form, "CommandOK");
    EXPECT_FALSE(form.Visible());
    EXPECT_TRUE(form.Loaded());

    main_->HighScoreExpert = 20;  // a record set while the window was hidden
    EXPECT_EQ(&OpenHighScores(), &form);
    EXPECT_EQ(Row(form, "Expert"), "Zoë|20|50 %");

    main_->NamePro = "Cy";  // and one while it was open but not active
    form.Activate();
    EXPECT_EQ(Caption(form, "LabelNamePro"), "Cy");
}

TEST_F(RecordsWindowsTest, ResetAnsweredCancelChangesNothing) {
    DataFile(platform_).StoreHighScore(1, "Ann", 10);
    main_->NameBeginner = "Ann";
    main_->HighScoreBeginner = 10;
    const Bytes before = ReadBytes(DataFile::kFileName);
    const Form& form = OpenHighScores();

    platform_.QueueAnswer(BoxAnswer::Cancel);
    Press(form, "CommandReset");

    ASSERT_EQ(platform_.Boxes().size(), 1u);
    EXPECT_EQ(platform_.Boxes()[0].text, "Are you sure?");
    EXPECT_EQ(ReadBytes(DataFile::kFileName), before);
    EXPECT_EQ(Row(form, "Beginner"), "Ann|10|100 %");
    EXPECT_EQ(main_->NameBeginner, "Ann");
    EXPECT_EQ(main_->HighScoreBeginner, 10);
}

TEST_F(RecordsWindowsTest, ResetAnsweredOkWritesTheFileTheMembersAndTheLabels) {
    DataFile(platform_).StoreCalibration(20000);
    SetTable({10, 30, 11, 12});
    const Form& form = OpenHighScores();

    platform_.QueueAnswer(BoxAnswer::Ok);
    Press(form, "CommandReset");

    const Settings stored = DataFile(platform_).ReadSettings();
    EXPECT_EQ(stored.calibrationFactor, 20000);
    for (int level = 0; level < kLevelCount; ++level) {
        EXPECT_EQ(stored.names[level], "Anonymous") << level;
        EXPECT_EQ(stored.scores[level], 999) << level;
    }
    EXPECT_EQ(main_->NameIntermediate, "Anonymous");
    EXPECT_EQ(main_->HighScorePro, 999);
    for (const char* level : {"Beginner", "Intermediate", "Expert", "Pro"}) {
        EXPECT_EQ(Row(form, level), "Anonymous|999|1 %") << level;
    }
    EXPECT_TRUE(form.Visible());
}

// --- Help and about windows ---

TEST_F(RecordsWindowsTest, HelpIsHiddenByOkayAndTheSameWindowComesBack) {
    Form* help = Open("MenuOptionHelp", "FormHelp");
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->Visible());
    EXPECT_EQ(help->Caption(), "Help for 3D Dorvanta");
    Press(*help, "CommandOkay");
    EXPECT_FALSE(help->Visible());
    EXPECT_EQ(GameStateProbe(*main_).SecondaryForm("FormHelp"), help);
    EXPECT_EQ(Open("MenuOptionHelp", "FormHelp"), help);
    EXPECT_TRUE(help->Visible());
}

TEST_F(RecordsWindowsTest, AboutIsUnloadedByOkAndBuiltAfreshNextTime) {
    Form* about = Open("MenuOptionAbout3DDV", "FormAbout");
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->Visible());
    EXPECT_EQ(about->Caption(), "About 3D Dorvanta");
    EXPECT_EQ(Caption(*about, "lblVersion"), "Version 1.1 beta");
    EXPECT_EQ(static_cast<TextBox*>(about->FindControl("Text1"))->ToolTip(),
              "Copy and paste into your browser");
    EXPECT_FALSE(static_cast<Picture*>(about->FindControl("picIcon"))->DisplayList().empty());

    Press(*about, "cmdOK");
    EXPECT_EQ(GameStateProbe(*main_).SecondaryForm("FormAbout"), nullptr);

    Form* again = Open("MenuOptionAbout3DDV", "FormAbout");
    ASSERT_NE(again, nullptr);
    EXPECT_NE(again, about);
    EXPECT_TRUE(again->Visible());
    EXPECT_FALSE(again->Unloaded());
}

TEST_F(RecordsWindowsTest, TheWindowsReadAndChangeNoGameState) {
    const GameStateProbe probe(*main_);
    std::map<std::string, double> before;
    for (const std::string& name : probe.Names()) {
        before[name] = probe.Get(name);
    }
    Press(*Open("MenuOptionHelp", "FormHelp"), "CommandOkay");
    Press(*Open("MenuOptionAbout3DDV", "FormAbout"), "cmdOK");
    Press(OpenHighScores(), "CommandOK");
    for (const auto& [name, value] : before) {
        EXPECT_EQ(probe.Get(name), value) << name;
    }
}

}  // namespace
}  // namespace dorvanta

#include <gtest/gtest.h>

#include <string>

#include "core/game_state.h"
#include "core/game_state_probe.h"
#include "platform/scripted/scripted_platform.h"
#include "records/data_file.h"
#include "records_temp_dir.h"

namespace dorvanta {
namespace {

class RecordsWindowsTest : public InTempDir {
  protected:
    void SetUp() override {
        InTempDir::SetUp();
        main_.Load();
    }

    Form* Open(const char* menuItem, const char* form) {
        main_.FindMenuItem(menuItem)->Click();
        return GameStateProbe(main_).SecondaryForm(form);
    }
    Form& HighScores() { return *Open("MenuOptionViewHighScores", "FormHighScores"); }

    static std::string Caption(const Form& form, const std::string& label) {
        return static_cast<Label*>(form.FindControl(label))->Caption();
    }
    static void Press(const Form& form, const std::string& button) {
        static_cast<Button*>(form.FindControl(button))->Click();
    }
    // The name, score and percentage cells of each row, one row a line.
    static std::string Rows(const Form& form) {
        std::string rows;
        for (const std::string level : {"Beginner", "Intermediate", "Expert", "Pro"}) {
            rows += Caption(form, "LabelName" + level) + "|" + Caption(form, "LabelScore" + level) +
                    "|" + Caption(form, "LabelPercentage" + level) + "\n";
        }
        return rows;
    }

    ScriptedPlatform platform_;
    FormMain main_{platform_};
};

TEST_F(RecordsWindowsTest, RowsShowNameScoreAndTheWholePercentOfTenCupsAtEveryShowing) {
    Form& form = HighScores();  // a first run without a data file: no percentage for 0
    EXPECT_EQ(Rows(form), "|0|\n|0|\n|0|\n|0|\n");
    Press(form, "CommandOK");
    EXPECT_FALSE(form.Visible());

    main_.NameBeginner = "Ann";  // records set while the window was hidden
    main_.NameExpert = "Zoë";
    main_.HighScoreBeginner = 10;
    main_.HighScoreIntermediate = 30;
    main_.HighScoreExpert = 11;
    main_.HighScorePro = 999;
    EXPECT_EQ(&HighScores(), &form);
    EXPECT_EQ(Rows(form), "Ann|10|100 %\n|30|33 %\nZoë|11|90 %\n|999|1 %\n");

    main_.NamePro = "Cy";  // and one while it was open but not active
    form.Activate();
    EXPECT_EQ(Caption(form, "LabelNamePro"), "Cy");
}

TEST_F(RecordsWindowsTest, ResetAsksAndOnlyOkResetsTheFileTheMembersAndTheLabels) {
    DataFile(platform_).StoreCalibration(20000);
    DataFile(platform_).StoreHighScore(1, "Ann", 10);
    main_.NameBeginner = "Ann";
    main_.HighScoreBeginner = 10;
    const Bytes before = ReadBytes(DataFile::kFileName);
    const Form& form = HighScores();

    platform_.QueueAnswer(BoxAnswer::Cancel);
    Press(form, "CommandReset");
    ASSERT_EQ(platform_.Boxes().size(), 1u);
    EXPECT_EQ(platform_.Boxes()[0].text, "Are you sure?");
    EXPECT_EQ(ReadBytes(DataFile::kFileName), before);
    EXPECT_EQ(Rows(form), "Ann|10|100 %\n|0|\n|0|\n|0|\n");

    platform_.QueueAnswer(BoxAnswer::Ok);
    Press(form, "CommandReset");
    const Settings stored = DataFile(platform_).ReadSettings();
    EXPECT_EQ(stored.calibrationFactor, 20000);
    EXPECT_EQ(stored.names[0] + std::to_string(stored.scores[3]), "Anonymous999");
    EXPECT_EQ(main_.NameBeginner, "Anonymous");
    EXPECT_EQ(main_.HighScoreBeginner, 999);
    EXPECT_EQ(Rows(form).substr(0, 18), "Anonymous|999|1 %\n");
    EXPECT_TRUE(form.Visible());
}

// Help is only hidden by its button; About is unloaded and built afresh.
TEST_F(RecordsWindowsTest, HelpComesBackAsTheSameWindowAndAboutAsANewOne) {
    Form* help = Open("MenuOptionHelp", "FormHelp");
    ASSERT_NE(help, nullptr);
    Press(*help, "CommandOkay");
    EXPECT_FALSE(help->Visible());
    EXPECT_EQ(Open("MenuOptionHelp", "FormHelp"), help);
    EXPECT_TRUE(help->Visible());

    Form* about = Open("MenuOptionAbout3DDV", "FormAbout");
    ASSERT_NE(about, nullptr);
    const auto link = [](Form* form) { return static_cast<TextBox*>(form->FindControl("Text1")); };
    const std::string address = link(about)->Text();
    link(about)->SetText("changed");  // a fresh window will not show this
    Press(*about, "cmdOK");
    EXPECT_EQ(GameStateProbe(main_).SecondaryForm("FormAbout"), nullptr);
    Form* again = Open("MenuOptionAbout3DDV", "FormAbout");
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(again->Visible());
    EXPECT_EQ(link(again)->Text(), address);
}

}  // namespace
}  // namespace dorvanta

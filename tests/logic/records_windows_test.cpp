#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game_test.h"
#include "records/data_file.h"
#include "records/form_about.h"
#include "records/form_help.h"

namespace dorvanta {
namespace {

class RecordsWindowsTest : public GameTest {
  protected:
    Form* Open(const char* menuItem, const char* form) {
        ChooseMenu(menuItem);
        return Window(form);
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
};

TEST_F(RecordsWindowsTest, RowsShowNameScoreAndTheWholePercentOfTenCupsAtEveryShowing) {
    Form& form = HighScores();  // a first run without a data file: no percentage for 0
    EXPECT_EQ(Rows(form), "|0|\n|0|\n|0|\n|0|\n");
    Press(form, "CommandOK");
    EXPECT_FALSE(form.Visible());

    main.HighScores = {{{"Ann", 10}, {"", 30}, {"Zoë", 11}, {"", 999}}};  // while hidden
    EXPECT_EQ(&HighScores(), &form);
    EXPECT_EQ(Rows(form), "Ann|10|100 %\n|30|33 %\nZoë|11|90 %\n|999|1 %\n");

    main.HighScores[3].Name = "Cy";  // and one while it was open but not active
    form.Activate();
    EXPECT_EQ(Caption(form, "LabelNamePro"), "Cy");
}

// The reset answered OK, of the file, the members and the labels, with the
// window kept open, is played by individual_numeric_win.txt and
// individual_gauge_high_score.txt.
TEST_F(RecordsWindowsTest, ResetAsksAndCancelChangesNothing) {
    DataFile(platform).StoreBetterHighScore(1, "Ann", 10);
    main.HighScores[0] = {"Ann", 10};
    const Bytes before = ReadBytes(DataFile::kFileName);
    const Form& form = HighScores();
    platform.QueueAnswer(BoxAnswer::Cancel);
    Press(form, "CommandReset");
    ASSERT_EQ(platform.Boxes().size(), 1u);
    EXPECT_EQ(platform.Boxes()[0].text, "Are you sure?");
    EXPECT_EQ(ReadBytes(DataFile::kFileName), before);
    EXPECT_EQ(Rows(form), "Ann|10|100 %\n|0|\n|0|\n|0|\n");
    EXPECT_TRUE(form.Visible());
}

// The top of each named control, "-" for one the window leaves out, then the
// window's height, all in 1/1440 inch.
std::string Tops(const Form& form, const std::vector<std::string>& names) {
    std::string tops;
    for (const std::string& name : names) {
        const Control* control = form.FindControl(name);
        tops += (control == nullptr ? "-" : std::to_string(control->Geom().top)) + " ";
    }
    return tops + std::to_string(form.ClientHeight());
}

std::string TextOf(const Form& form, const std::string& box) {
    return static_cast<const TextBox*>(form.FindControl(box))->Text();
}

// An address the maker left empty has no row, neither its label nor an empty
// box; what follows moves up and the window is shorter by the row. The game
// gives no addresses: its Help window's height is pinned on the real window
// (qt_main_window_test).
TEST_F(RecordsWindowsTest, HelpAndAboutLeaveOutTheRowOfAnEmptyAddress) {
    const std::vector<std::string> helpRows = {"Label5", "Text1", "Label6", "Text2", "CommandOkay"};
    const FormHelp mailOnly(platform, main, {"", "help@example.org"});
    EXPECT_EQ(Tops(mailOnly, helpRows), "- - 3480 3720 4200 4680");
    EXPECT_EQ(TextOf(mailOnly, "Text2"), "help@example.org");

    const std::vector<std::string> aboutRows = {"lblDescription", "Text1", "cmdOK"};
    EXPECT_EQ(Tops(*Open("MenuOptionAbout3DDV", "FormAbout"), aboutRows), "- - 1185 2105");
    const FormAbout withSite(platform, main, {"www.example.org", ""});
    EXPECT_EQ(Tops(withSite, aboutRows), "1125 1440 2040 2960");
    EXPECT_EQ(TextOf(withSite, "Text1"), "www.example.org");
}

}  // namespace
}  // namespace dorvanta

// A scroll bar as a model, every window as it is declared, and the boxes of the
// scripted desktop the tests play on. The text box model is played by the hand box (shot_hand_test,
// hand_controls.txt), the random play and the Qt typing tests; the actions
// scheduled at yields by every gauge, flight and script test.
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <vector>

#include "app/form_measuring.h"
#include "core/form_main.h"
#include "flight/form_calibrate.h"
#include "platform/controls.h"
#include "platform/scripted/scripted_platform.h"
#include "records/form_about.h"
#include "records/form_help.h"
#include "records/form_high_scores.h"
#include "records_temp_dir.h"
#include "view/form_colors.h"

namespace dorvanta {
namespace {

TEST(ScrollBarModel, ValuesAreClampedAndOnlyARealChangeOrADragIsReported) {
    ScrollBar bar("HScrollHand", ControlKind::HScrollBar, {}, -240, 240, 0);
    std::vector<int> changes;
    int scrolls = 0;
    bar.onChange = [&] { changes.push_back(bar.Value()); };
    bar.onScroll = [&] { ++scrolls; };
    bar.SetValue(300);
    bar.SetValue(240);
    bar.UserChange(1000);
    bar.SetValue(-32768);
    bar.UserScroll(50);
    bar.UserScroll(50);
    EXPECT_EQ(changes, (std::vector<int>{240, -240}));
    EXPECT_EQ(bar.Value(), 50);
    EXPECT_EQ(scrolls, 1);
}

void ExpectEachReachableByName(const Form& form,
                               const std::vector<std::unique_ptr<MenuItem>>& items) {
    for (const auto& item : items) {
        EXPECT_EQ(form.FindMenuItem(item->Name()), item.get())
            << form.Name() << " " << item->Name();
        ExpectEachReachableByName(form, item->Items());
    }
}

// Scripts and desktops reach a window's controls and menu items by name: every
// window loads, and each name leads to the one thing declared under it.
using FormDeclarations = InTempDir;

TEST_F(FormDeclarations, EveryWindowLoadsWithEachControlAndItemReachableByItsName) {
    ScriptedPlatform platform;
    FormMain main(platform);
    FormMeasuring measuring(platform);
    FormColors colors(platform, main);
    FormCalibrate calibrate(platform, main);
    FormHighScores highScores(platform, main);
    FormHelp help(platform, main);
    FormAbout about(platform, main);
    main.Load();
    for (Form* form : std::initializer_list<Form*>{&main, &measuring, &colors, &calibrate,
                                                   &highScores, &help, &about}) {
        SCOPED_TRACE(form->Name());
        form->Load();
        EXPECT_TRUE(form->Loaded());
        EXPECT_FALSE(form->Controls().empty());
        for (const auto& control : form->Controls()) {
            EXPECT_EQ(form->FindControl(control->Name()), control.get()) << control->Name();
        }
        ExpectEachReachableByName(*form, form->MenuBar());
    }
}

// A second control or item of a name fails the window's load, naming it.
TEST_F(FormDeclarations, ASecondControlOrItemOfANameFailsTheLoadNamingIt) {
    class Twice : public Form {
      public:
        Twice(Platform& platform, const std::function<void(Twice&)>& declare)
            : Form(platform, "FormTwice", "", 100, 100) {
            declare(*this);
        }
        using Form::AddButton;
        using Form::AddLabel;
        using Form::AddMenu;
    };
    ScriptedPlatform platform;
    const std::function<void(Twice&)> declarations[] = {
        [](Twice& f) {
            f.AddButton("CommandTwice", {}, "");
            f.AddLabel("CommandTwice", {}, "");
        },
        [](Twice& f) {
            f.AddMenu("MenuFile", "File").AddItem("CommandTwice", "New");
            f.AddMenu("MenuHelp", "Help").AddItem("CommandTwice", "Help");
        },
        [](Twice& f) {
            f.AddButton("CommandTwice", {}, "");
            f.AddMenu("CommandTwice", "File");
        },
    };
    for (const auto& declare : declarations) {
        Twice form(platform, declare);
        try {
            form.Load();
            ADD_FAILURE() << "loaded with a name declared twice";
        } catch (const std::logic_error& error) {
            EXPECT_NE(std::string(error.what()).find("FormTwice declares two"), std::string::npos);
            EXPECT_NE(std::string(error.what()).find("CommandTwice"), std::string::npos);
        }
        EXPECT_FALSE(form.Loaded());
    }
}

// A message box nobody answers, and its text in the report: the runner's
// verdicts (scenario_test).
TEST(ScriptedDesktop, AnUnscriptedInputBoxOrAnAnswerThatIsNoButtonOfTheBoxThrows) {
    ScriptedPlatform platform;
    EXPECT_THROW(platform.InputBox("Enter your name", ""), UnscriptedBox);
    platform.QueueAnswer(BoxAnswer::Yes);
    EXPECT_THROW(platform.MessageBox("Are you sure?", BoxButtons::OkCancel, ""), UnscriptedBox);
}

}  // namespace
}  // namespace dorvanta

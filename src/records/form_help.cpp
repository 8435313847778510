#include "records/form_help.h"

#include <string>

#include "core/product.h"

namespace dorvanta {

namespace {

// Layout in 1/1440 inch: one column of notes, then the two addresses.
constexpr int kClientWidth = 6360;
constexpr int kClientHeight = 5400;
constexpr int kMargin = 120;
constexpr int kTextWidth = kClientWidth - 2 * kMargin;
constexpr int kLineHeight = 255;
constexpr int kBoxWidth = 4455;
constexpr int kBoxHeight = 375;

}  // namespace

FormHelp::FormHelp(Platform& platform, FormMain&)
    : Form(platform, "FormHelp", std::string("Help for 3D ") + kProductName, kClientWidth,
           kClientHeight) {
    AddLabel("Label1", {kMargin, 120, kTextWidth, kLineHeight},
             "A few quick notes to help you get started playing:");
    AddLabel("Label2", {kMargin, 480, kTextWidth, 735},
             "To begin playing, the do everything button is the one that starts off as "
             "\"Shoot.\"  Each time you press it, the title of the button will change to let "
             "you know what it is controlling.");
    AddLabel("Label3", {kMargin, 1320, kTextWidth, 975},
             "When playing head to head versus the computer, when it comes time for the "
             "computer's shot, it will not shoot until you hit \"Opponent's Shot,\" (the button "
             "that started off as \"Shoot\").  This is to give you time to hit the replay button "
             "if you want to.");
    AddLabel("Label4", {kMargin, 2400, kTextWidth, 975},
             "If the game is running either too fast or too slow, you can calibrate it to your "
             "system.  Start off with the auto calibration, then tweak that to your preference "
             "using the manual calibration.  These are both found under the Options menu");
    AddLabel("Label5", {kMargin, 3480, kTextWidth, kLineHeight},
             "For more help, visit our website at:");
    AddTextBox("Text1", {kMargin, 3720, kBoxWidth, kBoxHeight}, kWebAddress).SetReadOnly(true);
    AddLabel("Label6", {kMargin, 4200, kTextWidth, kLineHeight}, "or send e-mail to:");
    AddTextBox("Text2", {kMargin, 4440, kBoxWidth, kBoxHeight}, kSupportAddress);
    AddButton("CommandOkay", {2520, 4920, 1335, kBoxHeight}, "Okay").onClick = [this] {
        CommandOkay_Click();
    };
}

void FormHelp::CommandOkay_Click() {
    Hide();
}

}  // namespace dorvanta

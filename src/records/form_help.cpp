#include "records/form_help.h"

#include <string>

#include "core/product.h"

namespace dorvanta {

namespace {

// Layout in 1/1440 inch: one column of notes, then a row for each address (its
// label with the box below it), then the button.
constexpr int kClientWidth = 6360;
constexpr int kMargin = 120;
constexpr int kTextWidth = kClientWidth - 2 * kMargin;
constexpr int kLineHeight = 255;
constexpr int kBoxWidth = 4455;
constexpr int kBoxHeight = 375;
constexpr int kAddressesTop = 3480;
constexpr int kBoxBelowLabel = 240;
constexpr int kAddressRowHeight = 720;
constexpr int kBottomMargin = 105;

struct AddressRow {
    const char* labelName;
    const char* caption;
    const char* boxName;
    bool readOnly;
};
constexpr AddressRow kWebRow{"Label5", "For more help, visit our website at:", "Text1", true};
constexpr AddressRow kSupportRow{"Label6", "or send e-mail to:", "Text2", false};

int AddressRows(const MakerAddresses& addresses) {
    return (*addresses.web != '\0' ? 1 : 0) + (*addresses.support != '\0' ? 1 : 0);
}

int ButtonTop(const MakerAddresses& addresses) {
    return kAddressesTop + AddressRows(addresses) * kAddressRowHeight;
}

}  // namespace

FormHelp::FormHelp(Platform& platform, FormMain&, MakerAddresses addresses)
    : Form(platform, "FormHelp", std::string("Help for 3D ") + kProductName, kClientWidth,
           ButtonTop(addresses) + kBoxHeight + kBottomMargin) {
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
    int top = kAddressesTop;
    for (const auto& [row, address] :
         {std::pair{kWebRow, addresses.web}, std::pair{kSupportRow, addresses.support}}) {
        if (*address == '\0') {
            continue;
        }
        AddLabel(row.labelName, {kMargin, top, kTextWidth, kLineHeight}, row.caption);
        AddTextBox(row.boxName, {kMargin, top + kBoxBelowLabel, kBoxWidth, kBoxHeight}, address)
            .SetReadOnly(row.readOnly);
        top += kAddressRowHeight;
    }
    // Okay only closes the window, so Enter and Escape do the same.
    Button& okay = AddButton("CommandOkay", {2520, top, 1335, kBoxHeight}, "Okay");
    okay.onClick = [this] { CommandOkay_Click(); };
    SetClosingButton(okay);
}

void FormHelp::CommandOkay_Click() {
    Hide();
}

}  // namespace dorvanta

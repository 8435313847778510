#include "records/form_about.h"

#include <string>

#include "core/product.h"
#include "core/version.h"

namespace dorvanta {

namespace {

// Layout in 1/1440 inch: the icon at the top left, the texts beside it, the
// web address's row (its label with the box below it) only when there is one,
// and below that the disclaimer and the button.
constexpr int kClientWidth = 5730;
constexpr int kTextLeft = 1050;
constexpr int kTextWidth = 4455;
constexpr Geometry kIconBox = {240, 240, 540, 540};
constexpr int kAddressTop = 1125;
constexpr int kAddressRowHeight = 855;
constexpr int kButtonBelowRows = 60;
constexpr int kClientBelowRows = 980;

// The top of what follows the address's row.
int BelowAddress(const MakerAddresses& addresses) {
    return kAddressTop + (*addresses.web != '\0' ? kAddressRowHeight : 0);
}

// The icon, in its own picture units: a cup seen from the side with a ball
// dropping into it, in the start-up colours of the far rack and the ball.
constexpr Color kIconCupColor = kRed;
constexpr Color kIconBallColor = kOrange;
constexpr float kRimLeft = 120, kRimRight = 420, kRimY = 220;
constexpr float kBaseLeft = 170, kBaseRight = 370, kBaseY = 480;
constexpr float kBallX = 270, kBallY = 110, kBallRadius = 70;

std::string FullProductName() {
    return std::string(kSiteName) + "3D " + kProductName;
}

}  // namespace

FormAbout::FormAbout(Platform& platform, FormMain&, MakerAddresses addresses)
    : Form(platform, "FormAbout", "About " + FullProductName(), kClientWidth,
           BelowAddress(addresses) + kClientBelowRows) {
    picIcon_ = &AddPicture("picIcon", kIconBox, kButtonFaceColor);
    AddLabel("lblTitle", {kTextLeft, 240, kTextWidth, 480}, FullProductName());
    AddLabel("lblVersion", {kTextLeft, 780, kTextWidth, 225}, std::string("Version ") + kVersion);
    if (*addresses.web != '\0') {
        AddLabel("lblDescription", {kTextLeft, kAddressTop, kTextWidth, 255},
                 "Visit us online at:");
        TextBox& address =
            AddTextBox("Text1", {kTextLeft, kAddressTop + 315, kTextWidth, 375}, addresses.web);
        address.SetReadOnly(true);
        address.SetToolTip("Copy and paste into your browser");
    }
    const int below = BelowAddress(addresses);
    AddLabel("lblDisclaimer", {255, below, 3870, 825}, "");
    // OK only closes the window, so Enter and Escape do the same.
    Button& ok = AddButton("cmdOK", {4245, below + kButtonBelowRows, 1260, 345}, "OK");
    ok.onClick = [this] { cmdOK_Click(); };
    SetClosingButton(ok);
}

void FormAbout::Form_Load() {
    DrawIcon();
}

void FormAbout::DrawIcon() {
    picIcon_->Cls();
    picIcon_->DrawLine(kRimLeft, kRimY, kRimRight, kRimY, kIconCupColor);
    picIcon_->DrawLine(kRimLeft, kRimY, kBaseLeft, kBaseY, kIconCupColor);
    picIcon_->DrawLine(kRimRight, kRimY, kBaseRight, kBaseY, kIconCupColor);
    picIcon_->DrawLine(kBaseLeft, kBaseY, kBaseRight, kBaseY, kIconCupColor);
    picIcon_->DrawCircle(kBallX, kBallY, kBallRadius, kIconBallColor);
    picIcon_->Present();
}

void FormAbout::cmdOK_Click() {
    Unload();
}

}  // namespace dorvanta

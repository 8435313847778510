#include "records/form_about.h"

#include <string>

#include "core/product.h"
#include "core/version.h"

namespace dorvanta {

namespace {

// Layout in 1/1440 inch: the icon at the top left, the texts beside it.
constexpr int kClientWidth = 5730;
constexpr int kClientHeight = 2960;
constexpr int kTextLeft = 1050;
constexpr int kTextWidth = 4455;
constexpr Geometry kIconBox = {240, 240, 540, 540};

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

FormAbout::FormAbout(Platform& platform, FormMain&)
    : Form(platform, "FormAbout", "About " + FullProductName(), kClientWidth, kClientHeight) {
    picIcon_ = &AddPicture("picIcon", kIconBox, kButtonFaceColor);
    AddLabel("lblTitle", {kTextLeft, 240, kTextWidth, 480}, FullProductName());
    AddLabel("lblVersion", {kTextLeft, 780, kTextWidth, 225}, std::string("Version ") + kVersion);
    AddLabel("lblDescription", {kTextLeft, 1125, kTextWidth, 255}, "Visit us online at:");
    TextBox& address = AddTextBox("Text1", {kTextLeft, 1440, kTextWidth, 375}, kWebAddress);
    address.SetReadOnly(true);
    address.SetToolTip("Copy and paste into your browser");
    AddLabel("lblDisclaimer", {255, 1980, 3870, 825}, "");
    AddButton("cmdOK", {4245, 2040, 1260, 345}, "OK").onClick = [this] { cmdOK_Click(); };
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

// The colour options window and the menu command that opens it. The 66 swatches
// come from two small tables, the rows (what is recoloured) and the columns
// (the eleven colours), and share one click handler.
#include "view/form_colors.h"

#include <string>

#include "core/form_main.h"
#include "core/product.h"

namespace dorvanta {

namespace {

constexpr int kClientWidth = 5895;   // 1/1440 inch
constexpr int kClientHeight = 5670;  // 1/1440 inch
constexpr int kSwatchSize = 375;     // 1/1440 inch, square

struct SwatchRow {
    const char* part;  // the target's part of the swatch names
    const char* caption;
    Geometry label;
    int swatchTop;
    Color SettingsGroup::*member;  // none: the background of the playing field
};

struct SwatchColumn {
    const char* name;
    Color color;  // 0x00BBGGRR, or a system colour
    int left;
};

const SwatchRow kRows[] = {
    {"Background", "Playing Field Background Color:", {240, 240, 4215, 255}, 480, nullptr},
    {"Ball", "Ball Color:", {240, 1080, 2415, 255}, 1320, &SettingsGroup::ColorBall},
    {"Table", "Table Color:", {240, 1920, 1575, 255}, 2160, &SettingsGroup::ColorTable},
    {"Cups", "Player Cup Color:", {240, 2760, 1455, 255}, 3000, &SettingsGroup::ColorCups},
    {"CupsOpponent",
     "Opponent Cup Color:",
     {240, 3600, 1575, 255},
     3840,
     &SettingsGroup::ColorCupsOpponent},
    {"Hand", "Crosshair Color:", {240, 4440, 1575, 255}, 4680, &SettingsGroup::ColorHand},
};

const SwatchColumn kColumns[] = {
    {"Black", kBlack, 360},          {"Grey", kGrey, 840},      {"LightGrey", kLightGrey, 1320},
    {"White", kWhite, 1800},         {"Red", kRed, 2280},       {"Orange", kOrange, 2760},
    {"Yellow", kYellow, 3240},       {"Green", kGreen, 3720},   {"Blue", kBlue, 4200},
    {"LightBlue", kLightBlue, 4680}, {"Violet", kViolet, 5160},
};

std::string WindowCaption() {
    return std::string("Options - ") + kSiteName + kProductName;
}

}  // namespace

FormColors::FormColors(Platform& platform, FormMain& main)
    : Form(platform, "FormColors", WindowCaption(), kClientWidth, kClientHeight), main_(main) {
    for (const SwatchRow& row : kRows) {
        AddLabel(std::string("Label") + row.part, row.label, row.caption);
        for (const SwatchColumn& column : kColumns) {
            const Geometry square{column.left, row.swatchTop, kSwatchSize, kSwatchSize};
            Picture& swatch =
                AddPicture(std::string("Picture") + row.part + column.name, square, column.color);
            swatch.onClick = [this, &row, &column] { Swatch_Click(row.member, column.color); };
        }
    }
}

void FormColors::Swatch_Click(Color SettingsGroup::*target, Color color) {
    if (target == nullptr) {
        main_.Picture1().SetBackColor(color);
    } else {
        main_.*target = color;
    }
    main_.DrawScene();
}

// Modeless and without an owner; a second use brings the same window to the front.
void FormMain::MenuOptionColors_Click() {
    LoadedForm(formColors_, platform(), *this).Show();
}

}  // namespace dorvanta

#include "flight/form_calibrate.h"

#include <algorithm>
#include <optional>
#include <string>

#include "core/form_main.h"
#include "core/number_text.h"
#include "core/product.h"
#include "flight/pacing.h"
#include "records/data_file.h"

namespace dorvanta {

namespace {

// Window size in 1/1440 inch.
constexpr int kClientWidth = 4800;
constexpr int kClientHeight = 2520;

// Digits with at most one point, not empty and not a lone point: no sign,
// exponent, comma or blank.
bool IsCalibrationText(const std::string& text) {
    const auto isAllowed = [](char c) { return (c >= '0' && c <= '9') || c == '.'; };
    return !text.empty() && text != "." && std::all_of(text.begin(), text.end(), isAllowed) &&
           std::count(text.begin(), text.end(), '.') <= 1;
}

}  // namespace

FormCalibrate::FormCalibrate(Platform& platform, FormMain& main)
    : Form(platform, "FormCalibrate", "Calibrate Game Speed", kClientWidth, kClientHeight),
      main_(main) {
    AddLabel("Label1", {120, 120, 4560, 975},
             "Enter a new Calibration Factor.  A larger number will make the program run "
             "slower.  A lower number will make the program run faster.");
    AddLabel("Label2", {120, 1260, 1695, 255}, "Calibration Factor");
    TextCalibrationFactor = &AddTextBox("TextCalibrationFactor", {1920, 1200, 1455, 375});
    Button& okay = AddButton("CommandOkay", {1920, 1800, 1215, 495}, "Okay");
    Button& cancel = AddButton("CommandCancel", {3240, 1800, 1215, 495}, "Cancel");
    okay.onClick = [this] { CommandOkay_Click(); };
    cancel.onClick = [this] { CommandCancel_Click(); };
    SetDefaultButton(okay);
    SetCancelButton(cancel);
}

void FormCalibrate::ShowCurrentFactor() {
    if (!Visible()) {
        FillCurrentFactor();
    }
    Show();
}

void FormCalibrate::FillCurrentFactor() {
    TextCalibrationFactor->SetText(NumberText(main_.CalibrationFactor));
}

void FormCalibrate::CommandOkay_Click() {
    const std::string& text = TextCalibrationFactor->Text();
    const std::optional<double> factor = IsCalibrationText(text) ? WholeNumber(text) : std::nullopt;
    // No factor above the pacing's cap on the yields of a step: no machine is
    // anywhere near that slow.
    if (!factor || *factor > kMaxYieldsPerStep) {
        platform().MessageBox("Please enter a valid positive number.", BoxButtons::Ok,
                              kProductName);
        return;
    }
    main_.CalibrationFactor = *factor;
    DataFile(platform()).StoreCalibration(main_.CalibrationFactor);
    Hide();
}

void FormCalibrate::CommandCancel_Click() {
    FillCurrentFactor();
    Hide();
}

}  // namespace dorvanta

#include "records/form_high_scores.h"

#include <string>

#include "core/form_main.h"

namespace dorvanta {

namespace {

// Layout in 1/1440 inch: four columns under a heading line, one row per level.
constexpr int kClientWidth = 7560;
constexpr int kClientHeight = 2760;
constexpr int kMargin = 120;
constexpr int kLabelHeight = 255;
constexpr int kHeadingTop = 120;
constexpr int kRuleY = 480;
constexpr int kFirstRowTop = 600;
constexpr int kRowPitch = 360;
constexpr int kButtonTop = 2160;
constexpr int kButtonHeight = 375;

struct Column {
    int left;
    int width;
    const char* heading;
};
constexpr std::array<Column, 4> kColumns = {{{kMargin, 1455, "Skill Level"},
                                             {1680, 2535, "Name"},
                                             {4320, 1215, "Shots Taken"},
                                             {5640, 1815, "Shooting Percentage"}}};

struct Level {
    const char* caption;
    const char* suffix;  // ends the names of the row's labels
};
constexpr std::array<Level, kLevelCount> kLevels = {{{"Beginner:", "Beginner"},
                                                     {"Intermediate:", "Intermediate"},
                                                     {"Expert:", "Expert"},
                                                     {"Professional:", "Pro"}}};

// A record game always has ten made cups.
constexpr int kTenCupsPercent = 1000;

Geometry Cell(int column, int top) {
    return {kColumns[column].left, top, kColumns[column].width, kLabelHeight};
}

}  // namespace

FormHighScores::FormHighScores(Platform& platform, FormMain& main)
    : Form(platform, "FormHighScores", "High Scores", kClientWidth, kClientHeight), main_(main) {
    DeclareControls();
}

void FormHighScores::DeclareControls() {
    // Headings, the rule under them, then one row of labels per level.
    for (int column = 0; column < static_cast<int>(kColumns.size()); ++column) {
        AddLabel("LabelHeading" + std::to_string(column + 1), Cell(column, kHeadingTop),
                 kColumns[column].heading);
    }
    AddLine("Line1", kMargin, kRuleY, kClientWidth - kMargin, kRuleY);
    for (int level = 0; level < kLevelCount; ++level) {
        const int top = kFirstRowTop + level * kRowPitch;
        const std::string suffix = kLevels[level].suffix;
        AddLabel("LabelLevel" + suffix, Cell(0, top), kLevels[level].caption);
        rows_[level].name = &AddLabel("LabelName" + suffix, Cell(1, top), "");
        rows_[level].score = &AddLabel("LabelScore" + suffix, Cell(2, top), "");
        rows_[level].percentage = &AddLabel("LabelPercentage" + suffix, Cell(3, top), "");
    }

    // The buttons, centred under the table. OK only closes the window, so
    // Enter and Escape do the same; Reset Scores is never pressed by a stray key.
    Button& ok = AddButton("CommandOK", {2280, kButtonTop, 1335, kButtonHeight}, "OK");
    ok.onClick = [this] { CommandOK_Click(); };
    SetClosingButton(ok);
    AddButton("CommandReset", {3840, kButtonTop, 1455, kButtonHeight}, "Reset Scores").onClick =
        [this] { CommandReset_Click(); };
}

std::string FormHighScores::PercentageText(std::int16_t score) {
    if (score == 0) {
        return "";
    }
    return std::to_string(kTenCupsPercent / score) + " %";
}

void FormHighScores::Form_Load() {
    FillHighScoreLabels();
}

void FormHighScores::Form_Activate() {
    FillHighScoreLabels();
}

void FormHighScores::FillHighScoreLabels() {
    const HighScoreTable& table = main_.HighScores;
    for (int level = 0; level < kLevelCount; ++level) {
        rows_[level].name->SetCaption(table[level].Name);
    }
    for (int level = 0; level < kLevelCount; ++level) {
        rows_[level].score->SetCaption(std::to_string(table[level].Score));
    }
    for (int level = 0; level < kLevelCount; ++level) {
        rows_[level].percentage->SetCaption(PercentageText(table[level].Score));
    }
}

void FormHighScores::CommandOK_Click() {
    Hide();
}

void FormHighScores::CommandReset_Click() {
    if (platform().MessageBox("Are you sure?", BoxButtons::OkCancel, Caption()) != BoxAnswer::Ok) {
        return;
    }
    DataFile(platform()).ResetHighScores();
    main_.HighScores.fill({DataFile::kNoHolderName, DataFile::kNoHolderScore});
    FillHighScoreLabels();
}

}  // namespace dorvanta

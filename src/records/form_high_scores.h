// The high-score window: holder, score and shooting percentage of the record
// game at each skill level, read from the main window's settings members, and
// the reset of the whole table. It is hidden by OK, never destroyed, and
// refreshes its labels every time it becomes the active window.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/form.h"
#include "records/data_file.h"

namespace dorvanta {

class FormMain;

class FormHighScores : public Form {
  public:
    FormHighScores(Platform& platform, FormMain& main);

    // The percentage cell of a record game of `score` shots: the whole part of
    // 1000 / score and " %"; empty for a score of 0, which has no percentage.
    static std::string PercentageText(std::int16_t score);

  protected:
    void Form_Load() override;
    void Form_Activate() override;

  private:
    struct Row {
        Label* name = nullptr;
        Label* score = nullptr;
        Label* percentage = nullptr;
    };

    void DeclareControls();
    void FillHighScoreLabels();
    void CommandOK_Click();
    void CommandReset_Click();

    FormMain& main_;
    std::array<Row, kLevelCount> rows_{};
};

}  // namespace dorvanta

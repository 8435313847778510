#pragma once

#include "platform/form.h"

namespace dorvanta {

class FormMain;

class FormHighScores : public Form {
  public:
    FormHighScores(Platform& platform, FormMain& main);

  private:
    FormMain& main_;
};

}  // namespace dorvanta

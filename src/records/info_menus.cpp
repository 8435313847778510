// The main window's commands that open the records and information windows.
// Each window is created on first use; the about window is created afresh
// after its OK unloaded it.
#include "core/form_main.h"
#include "records/form_about.h"
#include "records/form_help.h"
#include "records/form_high_scores.h"

namespace dorvanta {

void FormMain::MenuOptionViewHighScores_Click() {
    LoadedForm(formHighScores_, platform(), *this).Show();
}

void FormMain::MenuOptionHelp_Click() {
    LoadedForm(formHelp_, platform(), *this).Show();
}

void FormMain::MenuOptionAbout3DDV_Click() {
    LoadedForm(formAbout_, platform(), *this).Show();
}

}  // namespace dorvanta

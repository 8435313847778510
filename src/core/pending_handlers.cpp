// SCAFFOLDING: placeholders for procedures whose subsystem has not landed yet.
// Each subsystem deletes its entries here when it defines them. This file must be
// empty (and deleted) before the work is done.
#include "core/game_state.h"
#include "flight/form_calibrate.h"
#include "records/data_file.h"
#include "records/form_about.h"
#include "records/form_help.h"
#include "records/form_high_scores.h"
#include "view/form_colors.h"

namespace dorvanta {

// --- view ---
FormColors::FormColors(Platform& platform, FormMain& main)
    : Form(platform, "FormColors", "Options", 5895, 5670), main_(main) {}
void FormMain::InitCameraVars() {}
void FormMain::ProjectPoint(const double&, const double&, const double&, const double&,
                            const double&, const double&, const double&, const double&,
                            const double&, double&, double&, double&, double&) {}
void FormMain::DrawScene() {}
void FormMain::CommandResetView_Click() {}
void FormMain::VScrollPan_Change() {}
void FormMain::HScrollPan_Change() {}
void FormMain::HScrollZoom_Change() {}
void FormMain::HScrollRotate_Change() {}
void FormMain::MenuOptionColors_Click() {}


// --- opponent, levels, speed controls, replay ---

}  // namespace dorvanta

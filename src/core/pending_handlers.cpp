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


// --- opponent, levels, speed controls, replay ---

}  // namespace dorvanta

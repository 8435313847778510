// The main window's camera controls: Reset View and the four camera bars,
// each of which moves one camera member and redraws.
#include "core/form_main.h"
#include "view/camera.h"

namespace dorvanta {

void FormMain::InitCameraVars() {
    View = HomeCamera(Picture1().Geom().width);
    CameraHomeX = kHomeCameraX;
    CameraHomeY = kHomeCameraY;
    CameraHomeZ = kHomeCameraZ;
}

// The bars are not moved back: view and thumbs disagree until a bar moves again.
void FormMain::CommandResetView_Click() {
    InitCameraVars();
    DrawScene();
}

void FormMain::VScrollPan_Change() {
    View.CameraY = PannedHeight(VScrollPan->Value(), CameraHomeY);
    DrawScene();
}

void FormMain::HScrollPan_Change() {
    View.CameraX = PannedAcross(HScrollPan->Value());
    DrawScene();
}

void FormMain::HScrollZoom_Change() {
    View.CameraZ = ZoomedDepth(HScrollZoom->Value(), CameraHomeZ);
    DrawScene();
}

void FormMain::HScrollRotate_Change() {
    View.CameraRotate = TurnedBy(HScrollRotate->Value(), HScrollRotate->Max());
    DrawScene();
}

}  // namespace dorvanta

// A top-level window built from a form's declarations: a client area with
// every control at its declared place, and the form's menu bar above it. A
// sizable window scales its client area to the largest size that keeps the
// design's proportions and centres it; the others keep their design size times
// the scale they are given. Enter and Escape that no control takes go to the
// form, which knows its default and Cancel buttons.
#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "platform/form.h"
#include "platform/qt/client_area.h"
#include "platform/qt/control_widgets.h"

class QMenu;
class QMenuBar;

namespace dorvanta {

class FormWindow : public QWidget {
  public:
    FormWindow(QtPlatform& platform, Form& form);
    ~FormWindow() override;

    // Lets go of the form and its models; the window stays inert until deleted.
    void Detach();

    // Lays the client area out at `scale`; a sizable window sets its own from its size.
    void SetScale(double scale) { client_->SetScale(scale); }

    // Sizes and places the window before it first shows; later showings leave
    // it where the player put it. A sizable window takes the largest opening
    // scale its screen has room for, centred on the screen; the others open
    // centred over `mainWindow`. Either lies wholly on the screen.
    void PlaceOnFirstShowing(const QWidget* mainWindow);

  protected:
    bool event(QEvent* event) override;
    // The form decides: the main window ends the program, others unload or hide.
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void BuildMenuBar(QMenuBar& menuBar);
    void AddItems(QMenu& menu, const MenuItem& parent);
    void AddAction(QAction& action, MenuItem& item);
    // The window system's frame, or an assumed one while it does not tell.
    QMargins FrameMargins();
    int MenuBarHeight() const;
    // Resizes a sizable window to its opening scale on `screen`.
    void TakeOpeningSize(const QRect& screen, const QMargins& frame);

    QtPlatform& platform_;
    Form* form_;
    ClientArea* client_;  // a child of this window
    std::vector<std::unique_ptr<WidgetView>> menuViews_;
    bool placed_ = false;
};

}  // namespace dorvanta

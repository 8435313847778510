// A top-level window built from a form's declarations: a client area with
// every control at its declared place, and the form's menu bar above it. A
// sizable window scales its client area to the largest size that keeps the
// design's proportions and centres it; the others keep their design size times
// the scale they are given.
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

  protected:
    bool event(QEvent* event) override;
    // The form decides: the main window ends the program, others unload or hide.
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildMenuBar(QMenuBar& menuBar);
    void AddItems(QMenu& menu, const MenuItem& parent);
    void AddAction(QAction& action, MenuItem& item);

    QtPlatform& platform_;
    Form* form_;
    ClientArea* client_;  // a child of this window
    std::vector<std::unique_ptr<WidgetView>> menuViews_;
};

}  // namespace dorvanta

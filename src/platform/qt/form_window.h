// A top-level window built from a form's declarations: a client area of the
// declared size with every control at its declared place, and the form's menu
// bar above it. The window is not resizable; the layout is fixed in 1/1440 inch.
#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "platform/form.h"
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
    std::vector<WidgetView*> views_;  // the widgets belong to the client area
    std::vector<std::unique_ptr<WidgetView>> menuViews_;
};

}  // namespace dorvanta

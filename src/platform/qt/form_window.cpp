#include "platform/qt/form_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QFont>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

#include "platform/qt/picture_render.h"

namespace dorvanta {

namespace {

constexpr double kDesignFontPoints = 8;

// A check mark shows only on items that carry one, so Qt makes an item
// checkable only while it is checked.
class MenuItemView : public ModelView<MenuItem> {
  public:
    MenuItemView(QtPlatform& platform, MenuItem& model, QAction& action)
        : ModelView(platform, model), action_(action) {
        QObject::connect(&action, &QAction::triggered, &action, [this] {
            Deliver([](MenuItem& m) { m.Click(); });
            if (model_ != nullptr) {
                Refresh();  // Qt has toggled the mark itself; the model decides
            }
        });
    }

    void Refresh() override {
        action_.setEnabled(model_->Enabled());
        action_.setCheckable(model_->Checked());
        action_.setChecked(model_->Checked());
    }

  private:
    QAction& action_;
};

// The layouts were designed for a small, narrow dialog font.
QFont DesignFont() {
    QFont font = QApplication::font();
    font.setPointSizeF(kDesignFontPoints);
    font.setStretch(QFont::SemiCondensed);
    return font;
}

}  // namespace

FormWindow::FormWindow(QtPlatform& platform, Form& form) : platform_(platform), form_(&form) {
    setObjectName(QString::fromStdString(form.Name()));
    setWindowTitle(QString::fromStdString(form.Caption()));
    setFont(DesignFont());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    if (!form.MenuBar().empty()) {
        auto* menuBar = new QMenuBar(this);
        BuildMenuBar(*menuBar);
        layout->setMenuBar(menuBar);
    }
    auto* client = new QWidget(this);
    client->setFixedSize(UnitsToPixels(form.ClientWidth(), 1),
                         UnitsToPixels(form.ClientHeight(), 1));
    layout->addWidget(client);
    for (const auto& control : form.Controls()) {
        views_.push_back(&CreateControlWidget(platform, *control, *client));
    }
}

FormWindow::~FormWindow() {
    Detach();
}

void FormWindow::Detach() {
    for (WidgetView* view : views_) {
        view->Detach();
    }
    for (const auto& view : menuViews_) {
        view->Detach();
    }
    form_ = nullptr;
}

void FormWindow::BuildMenuBar(QMenuBar& menuBar) {
    for (const auto& item : form_->MenuBar()) {
        if (item->Items().empty()) {
            AddAction(*menuBar.addAction(CaptionText(item->Caption())), *item);
            continue;
        }
        QMenu* menu = menuBar.addMenu(CaptionText(item->Caption()));
        AddAction(*menu->menuAction(), *item);
        AddItems(*menu, *item);
    }
}

void FormWindow::AddItems(QMenu& menu, const MenuItem& parent) {
    for (const auto& item : parent.Items()) {
        if (item->IsSeparator()) {
            menu.addSeparator();
        } else if (item->Items().empty()) {
            AddAction(*menu.addAction(CaptionText(item->Caption())), *item);
        } else {
            QMenu* submenu = menu.addMenu(CaptionText(item->Caption()));
            AddAction(*submenu->menuAction(), *item);
            AddItems(*submenu, *item);
        }
    }
}

void FormWindow::AddAction(QAction& action, MenuItem& item) {
    action.setObjectName(QString::fromStdString(item.Name()));
    menuViews_.push_back(std::make_unique<MenuItemView>(platform_, item, action));
    menuViews_.back()->Refresh();
}

bool FormWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && form_ != nullptr) {
        platform_.Guarded([this] { form_->Activate(); });
    }
    return QWidget::event(event);
}

void FormWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (form_ != nullptr) {
        platform_.Guarded([this] { form_->CloseRequested(); });
    }
}

}  // namespace dorvanta

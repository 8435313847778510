#include "platform/qt/form_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>
#include <functional>
#include <string>
#include <utility>

#include "platform/scaling.h"

namespace dorvanta {

namespace {

// A title bar and borders, for a window system that tells their size only once
// the window is on the screen.
const QMargins kAssumedFrame{4, 28, 4, 4};

PixelRect ToPixelRect(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

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

// The caption as Qt shows it, its ampersands as characters and its mnemonic
// marked at the letter's first occurrence.
QString MenuText(const MenuItem& item) {
    const std::string& caption = item.Caption();
    const std::size_t at = item.Mnemonic() == 0 ? std::string::npos : caption.find(item.Mnemonic());
    if (at == std::string::npos) {
        return CaptionText(caption);
    }
    return CaptionText(caption.substr(0, at)) + '&' + CaptionText(caption.substr(at));
}

// The space of a sizable window below its menu bar, never smaller than the
// smallest scale. It holds the client area at the largest scale that fits and
// centres it.
class LetterboxWidget : public QWidget {
  public:
    LetterboxWidget(QtPlatform& platform, Form& form, QWidget& parent,
                    std::function<void(double)> onScaled)
        : QWidget(&parent),
          area_(new ClientArea(platform, form, *this)),
          designWidth_(form.ClientWidth()),
          designHeight_(form.ClientHeight()),
          onScaled_(std::move(onScaled)) {
        setMinimumSize(area_->SizeAt(kSmallestScale));
    }

    ClientArea& Area() { return *area_; }
    QSize sizeHint() const override { return minimumSize(); }

  protected:
    void resizeEvent(QResizeEvent*) override {
        const Letterbox fit = FitLetterbox(width(), height(), designWidth_, designHeight_);
        area_->SetScale(fit.scale);
        area_->move(fit.area.left, fit.area.top);
        onScaled_(fit.scale);
    }

  private:
    ClientArea* area_;
    int designWidth_;
    int designHeight_;
    std::function<void(double)> onScaled_;
};

}  // namespace

FormWindow::FormWindow(QtPlatform& platform, Form& form) : platform_(platform), form_(&form) {
    setObjectName(QString::fromStdString(form.Name()));
    setWindowTitle(QString::fromStdString(form.Caption()));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (!form.MenuBar().empty()) {
        auto* menuBar = new QMenuBar(this);
        BuildMenuBar(*menuBar);
        layout->setMenuBar(menuBar);
    }
    if (form.Sizable()) {
        auto* letterbox = new LetterboxWidget(
            platform, form, *this, [&platform](double scale) { platform.SetScale(scale); });
        client_ = &letterbox->Area();
        layout->addWidget(letterbox);
    } else {
        layout->setSizeConstraint(QLayout::SetFixedSize);
        client_ = new ClientArea(platform, form, *this);
        layout->addWidget(client_);
    }
}

FormWindow::~FormWindow() {
    Detach();
}

void FormWindow::Detach() {
    client_->Detach();
    for (const auto& view : menuViews_) {
        view->Detach();
    }
    form_ = nullptr;
}

void FormWindow::BuildMenuBar(QMenuBar& menuBar) {
    for (const auto& item : form_->MenuBar()) {
        if (item->Items().empty()) {
            AddAction(*menuBar.addAction(MenuText(*item)), *item);
            continue;
        }
        QMenu* menu = menuBar.addMenu(MenuText(*item));
        AddAction(*menu->menuAction(), *item);
        AddItems(*menu, *item);
    }
}

void FormWindow::AddItems(QMenu& menu, const MenuItem& parent) {
    for (const auto& item : parent.Items()) {
        if (item->IsSeparator()) {
            menu.addSeparator();
        } else if (item->Items().empty()) {
            AddAction(*menu.addAction(MenuText(*item)), *item);
        } else {
            QMenu* submenu = menu.addMenu(MenuText(*item));
            AddAction(*submenu->menuAction(), *item);
            AddItems(*submenu, *item);
        }
    }
}

void FormWindow::AddAction(QAction& action, MenuItem& item) {
    action.setObjectName(QString::fromStdString(item.Name()));
    action.setShortcut(QKeySequence(QString::fromStdString(item.Shortcut())));
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

// Enter and Escape reach the window when no control takes them.
void FormWindow::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (form_ == nullptr ||
        (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Escape)) {
        QWidget::keyPressEvent(event);
        return;
    }
    platform_.Guarded([this, key] {
        if (key == Qt::Key_Escape) {
            form_->PressEscape();
        } else {
            form_->PressEnter();
        }
    });
}

QMargins FormWindow::FrameMargins() {
    winId();  // the native window, which knows its frame
    const QMargins margins = windowHandle()->frameMargins();
    return margins.isNull() ? kAssumedFrame : margins;
}

int FormWindow::MenuBarHeight() const {
    const QWidget* menuBar = layout()->menuBar();
    return menuBar == nullptr ? 0 : menuBar->sizeHint().height();
}

void FormWindow::TakeOpeningSize(const QRect& screen, const QMargins& frame) {
    const int menuBar = MenuBarHeight();
    const double scale = OpeningScale(
        {screen.width(), screen.height()}, {form_->ClientWidth(), form_->ClientHeight()},
        {frame.left() + frame.right(), frame.top() + frame.bottom() + menuBar});
    resize(client_->SizeAt(scale) + QSize(0, menuBar));
}

void FormWindow::PlaceOnFirstShowing(const QWidget* mainWindow) {
    if (std::exchange(placed_, true)) {
        return;
    }
    const QMargins frame = FrameMargins();
    const QRect screen = (mainWindow != nullptr ? mainWindow : this)->screen()->availableGeometry();
    if (form_->Sizable()) {
        TakeOpeningSize(screen, frame);
    } else {
        adjustSize();
    }
    const QRect over =
        form_->Sizable() || mainWindow == nullptr ? screen : mainWindow->frameGeometry();
    const QSize outer = size().grownBy(frame);
    const PixelRect placed =
        PlaceOver(ToPixelRect(over), {outer.width(), outer.height()}, ToPixelRect(screen));
    move(placed.left, placed.top);
}

}  // namespace dorvanta

// The desktop contract's driver for the Qt desktop: widgets found by the
// names of their controls, input through QtTest, boxes found as Qt's active
// modal widget.
#include <gtest/gtest.h>

#include <QtTest>
#include <QtWidgets>

#include "contract/desktop_driver.h"
#include "platform/qt/qt_platform.h"

namespace dorvanta::contract {
namespace {

PixelRect ToPixelRect(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

// Where the text of a button lies: the bounds of its dark pixels. The frames
// and bevels of the style are lighter.
QRect Ink(QWidget& widget) {
    const QImage image = widget.grab().toImage();
    constexpr int kInk = 100;
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < kInk) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    return ink;
}

class QtOpenBox : public OpenBox {
  public:
    explicit QtOpenBox(QWidget& box) : box_(box) {}

    std::string Title() const override { return box_.windowTitle().toStdString(); }
    std::string Text() const override {
        if (auto* message = qobject_cast<QMessageBox*>(&box_)) {
            return message->text().toStdString();
        }
        return static_cast<QInputDialog&>(box_).labelText().toStdString();
    }
    void Answer(BoxAnswer answer) override {
        if (auto* message = qobject_cast<QMessageBox*>(&box_)) {
            message->button(ToQtButton(answer))->click();
        } else if (answer == BoxAnswer::Cancel) {
            static_cast<QDialog&>(box_).reject();
        } else {
            static_cast<QDialog&>(box_).accept();
        }
    }
    void Enter(const std::string& text) override {
        auto& input = static_cast<QInputDialog&>(box_);
        input.setTextValue(QString::fromStdString(text));
        input.accept();
    }

  private:
    static QMessageBox::StandardButton ToQtButton(BoxAnswer answer) {
        switch (answer) {
            case BoxAnswer::Cancel:
                return QMessageBox::Cancel;
            case BoxAnswer::Yes:
                return QMessageBox::Yes;
            case BoxAnswer::No:
                return QMessageBox::No;
            case BoxAnswer::Ok:
                break;
        }
        return QMessageBox::Ok;
    }

    QWidget& box_;
};

class QtDriver : public DesktopDriver {
  public:
    Platform& Desktop() override { return platform_; }
    void Run(const std::function<void()>& logic) override { platform_.Guarded(logic); }
    bool Ending() const override { return platform_.Ending(); }
    int RunEventLoop() override { return QApplication::exec(); }
    void After(int millis, std::function<void()> action) override {
        QTimer::singleShot(millis, [this, action = std::move(action)] { Run(action); });
    }
    void WhenBoxOpens(std::function<void(OpenBox&)> action) override {
        auto* poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, poll, [this, poll, action = std::move(action)] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                poll->stop();
                poll->deleteLater();
                QtOpenBox open(*box);
                Run([&] { action(open); });
            }
        });
        poll->start(1);
    }
    Form* LoadedForm(const std::string& name) override { return platform_.LoadedForm(name); }

    void PressMouse(const Form& form, const std::string& control, int mouseButton) override {
        QTest::mouseClick(&Widget(form, control),
                          mouseButton == kRightButton ? Qt::RightButton : Qt::LeftButton);
    }
    // QtTest delivers input at once; the window system's queue is Qt's own.
    bool QueueClick(const Form&, const std::string&) override { return false; }
    void PressSpace(const Form& form, const std::string& control) override {
        QWidget& button = Widget(form, control);
        button.setFocus();
        QTest::keyClick(&button, Qt::Key_Space);
    }
    void TypeKeys(const Form& form, const std::string& control, const std::string& keys) override {
        QWidget& box = Widget(form, control);
        box.setFocus();
        for (const char key : keys) {
            if (key == '\b') {
                QTest::keyClick(&box, Qt::Key_Backspace);
            } else {
                QTest::keyClicks(&box, QString(QChar(key)));
            }
        }
    }
    void PressF1(const Form& form) override {
        QTest::keyClick(platform_.WindowOf(form), Qt::Key_F1);
    }
    void PressKey(const Form& form, const std::string& control, Key key) override {
        QWidget& widget = Widget(form, control);
        widget.setFocus();
        QTest::keyClick(&widget, key == Key::Enter    ? Qt::Key_Return
                                 : key == Key::Escape ? Qt::Key_Escape
                                                      : Qt::Key_Tab);
    }
    std::string FocusedControl(const Form& form) override {
        const QWidget* focused = platform_.WindowOf(form)->focusWidget();
        return focused == nullptr ? std::string() : focused->objectName().toStdString();
    }
    void ClickArrowUp(const Form& form, const std::string& control) override {
        QWidget& bar = Widget(form, control);
        const bool across = static_cast<QScrollBar&>(bar).orientation() == Qt::Horizontal;
        QTest::mouseClick(&bar, Qt::LeftButton, {},
                          across ? QPoint(bar.width() - 3, bar.height() / 2)
                                 : QPoint(bar.width() / 2, bar.height() - 3));
    }

    std::string ShownText(const Form& form, const std::string& control) override {
        QWidget& widget = Widget(form, control);
        if (auto* box = qobject_cast<QLineEdit*>(&widget)) {
            return box->text().toStdString();
        }
        if (auto* label = qobject_cast<QLabel*>(&widget)) {
            return label->text().toStdString();
        }
        return static_cast<QAbstractButton&>(widget).text().toStdString();
    }
    std::string MenuCaption(const Form& form, const std::string& item) override {
        auto* action = platform_.WindowOf(form)->findChild<QAction*>(QString::fromStdString(item));
        return action == nullptr ? std::string() : action->text().toStdString();
    }
    Raster Grab(const Form& form, const std::string& picture) override {
        auto& frame = static_cast<QFrame&>(Widget(form, picture));
        QCoreApplication::processEvents();
        const QImage image = frame.grab(frame.contentsRect()).toImage();
        std::vector<std::uint32_t> pixels;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                pixels.push_back(image.pixel(x, y) & 0xFFFFFFu);
            }
        }
        return Raster(image.width(), image.height(), std::move(pixels));
    }
    void ResizeRoom(const Form& form, int width, int height) override {
        QWidget* window = platform_.WindowOf(form);
        const auto* menuBar = window->findChild<QMenuBar*>();
        window->resize(width, height + (menuBar == nullptr ? 0 : menuBar->height()));
        QCoreApplication::processEvents();
    }
    PixelRect Frame(const Form& form) override {
        return ToPixelRect(platform_.WindowOf(form)->frameGeometry());
    }
    PixelRect ScreenArea(const Form& form) override {
        return ToPixelRect(platform_.WindowOf(form)->screen()->availableGeometry());
    }
    void MoveFrame(const Form& form, int left, int top) override {
        platform_.WindowOf(form)->move(left, top);
        QCoreApplication::processEvents();
    }
    PixelRect ClientArea(const Form& form) override {
        return ToPixelRect(
            Widget(form, form.Controls().front()->Name()).parentWidget()->geometry());
    }
    PixelRect Placed(const Form& form, const std::string& control) override {
        return ToPixelRect(Widget(form, control).geometry());
    }
    bool Shown(const Form& form, const std::string& control) override {
        return Widget(form, control).isVisibleTo(platform_.WindowOf(form));
    }
    std::string ControlAt(const Form& form, int x, int y) override {
        const QWidget* client = Widget(form, form.Controls().front()->Name()).parentWidget();
        const QWidget* hit = client->childAt(x, y);
        return hit == nullptr ? std::string() : hit->objectName().toStdString();
    }
    PixelRect TextBounds(const Form& form, const std::string& control) override {
        QWidget& widget = Widget(form, control);
        if (auto* label = qobject_cast<QLabel*>(&widget)) {
            return ToPixelRect(label->fontMetrics()
                                   .boundingRect(label->contentsRect(),
                                                 Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                                                 label->text())
                                   .translated(label->pos()));
        }
        if (auto* box = qobject_cast<QLineEdit*>(&widget)) {
            // The ink of the text: its last glyph's spacing may fall outside.
            const QRect room = LineEditRoom(*box);
            return {room.left(), room.top(),
                    box->fontMetrics().tightBoundingRect(box->text()).right() + 1, room.height()};
        }
        return ToPixelRect(Ink(widget).translated(widget.pos()));
    }
    PixelRect TextRoom(const Form& form, const std::string& control) override {
        QWidget& widget = Widget(form, control);
        if (auto* box = qobject_cast<QLineEdit*>(&widget)) {
            return ToPixelRect(LineEditRoom(*box));
        }
        auto* button = qobject_cast<QPushButton*>(&widget);
        if (button == nullptr) {
            return ToPixelRect(widget.geometry());
        }
        QStyleOptionButton option;
        option.initFrom(button);
        return ToPixelRect(button->style()
                               ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
                               .adjusted(1, 1, -1, -1)
                               .translated(button->pos()));
    }
    int FontPixels(const Form& form, const std::string& control) override {
        return QFontInfo(Widget(form, control).font()).pixelSize();
    }

  private:
    // Where a line edit shows its text: it starts after a margin and is cut at
    // the edge of the contents.
    static QRect LineEditRoom(QLineEdit& box) {
        constexpr int kHorizontalMargin = 2;  // QLineEdit's own
        QStyleOptionFrame option;
        option.initFrom(&box);
        option.lineWidth = box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &box);
        return box.style()
            ->subElementRect(QStyle::SE_LineEditContents, &option, &box)
            .adjusted(kHorizontalMargin, 0, 0, 0)
            .translated(box.pos());
    }

    QWidget& Widget(const Form& form, const std::string& name) {
        QWidget* window = platform_.WindowOf(form);
        EXPECT_NE(window, nullptr) << form.Name();
        auto* widget = window->findChild<QWidget*>(QString::fromStdString(name));
        EXPECT_NE(widget, nullptr) << name;
        return *widget;
    }

    QtPlatform platform_;
};

}  // namespace

std::unique_ptr<DesktopDriver> MakeDesktopDriver() {
    return std::make_unique<QtDriver>();
}

}  // namespace dorvanta::contract

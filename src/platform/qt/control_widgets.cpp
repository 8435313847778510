#include "platform/qt/control_widgets.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QString>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTimer>
#include <functional>
#include <string>
#include <utility>

#include "platform/frame_pacer.h"
#include "platform/qt/picture_render.h"

namespace dorvanta {

namespace {

constexpr char kFirstPrintable = ' ';
constexpr char kLastPrintable = '~';
constexpr int kPictureBorder = 2;  // pixels of a picture area's sunken edge

void SyncCommon(QWidget& widget, const Control& control) {
    widget.setEnabled(control.Enabled());
    widget.setVisible(control.Visible());
}

int MouseButtonCode(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return kLeftButton;
        case Qt::RightButton:
            return kRightButton;
        case Qt::MiddleButton:
            return kMiddleButton;
        default:
            return 0;
    }
}

// The shared pacing of paints on a Qt timer.
class QtFramePacer {
  public:
    explicit QtFramePacer(std::function<void()> show)
        : pacer_(std::move(show), [this](int millis) { frame_.start(millis); }) {
        frame_.setSingleShot(true);
        QObject::connect(&frame_, &QTimer::timeout, &frame_, [this] { pacer_.FrameEnded(); });
    }

    bool InFrame() const { return pacer_.InFrame(); }
    void Changed() { pacer_.Changed(); }

  private:
    QTimer frame_;
    FramePacer pacer_;
};

class ButtonWidget : public QPushButton, public ModelView<Button> {
  public:
    ButtonWidget(QtPlatform& platform, Button& model, QWidget& parent)
        : QPushButton(&parent), ModelView(platform, model) {
        // Clicks come from the mouse and from the keyboard; presses only from the mouse.
        connect(this, &QPushButton::clicked, this,
                [this] { Deliver([](Button& m) { m.Click(); }); });
    }

    void Refresh() override {
        SyncCommon(*this, *model_);
        setText(CaptionText(model_->Caption()));
    }

  protected:
    // A double click is a second press, so every press of a quick pair counts.
    void mousePressEvent(QMouseEvent* event) override {
        QPushButton::mousePressEvent(event);
        if (const int code = MouseButtonCode(event->button()); code != 0) {
            Deliver([code](Button& m) { m.PressMouse(code); });
        }
    }

    // Every caption keeps the window's one font size: one wider than its button
    // wraps at its blanks instead (the buttons that need it are tall enough).
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QString caption = option.text;
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        painter.drawItemText(style()->subElementRect(QStyle::SE_PushButtonContents, &option, this),
                             Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, palette(),
                             isEnabled(), caption, QPalette::ButtonText);
    }
};

// Characters reach the model one at a time through its key-press handling, so
// a handler can discard them. Cursor keys, shortcuts and paste are Qt's; a text
// changed that way is handed to the model afterwards, like a pasted text.
class TextBoxWidget : public QLineEdit, public ModelView<TextBox> {
  public:
    TextBoxWidget(QtPlatform& platform, TextBox& model, QWidget& parent)
        : QLineEdit(&parent), ModelView(platform, model) {
        connect(this, &QLineEdit::textEdited, this, [this] { AdoptEditedText(); });
    }

    // The box takes the change at once, so what the player types next edits
    // the latest text; only its painting waits for the frame's end.
    void Refresh() override {
        if (pacer_.InFrame()) {
            setUpdatesEnabled(false);
        }
        SyncCommon(*this, *model_);
        setReadOnly(model_->ReadOnly());
        // Tab passes a read-only box by; the mouse can still select its text.
        setFocusPolicy(model_->ReadOnly() ? Qt::ClickFocus : Qt::StrongFocus);
        setToolTip(QString::fromStdString(model_->ToolTip()));
        const QString text = QString::fromStdString(model_->Text());
        if (this->text() != text) {
            setText(text);
        }
        if (model_->SelLength() > 0) {
            setSelection(model_->SelStart(), model_->SelLength());
        } else {
            setCursorPosition(model_->SelStart());
        }
        pacer_.Changed();
    }

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Backspace) {
            Type(std::string(1, kBackspace));
            return;
        }
        const QString text = event->text();
        const bool plainText = !text.isEmpty() && text.front().isPrint() &&
                               (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == 0;
        if (!plainText) {
            QLineEdit::keyPressEvent(event);
            return;
        }
        Type(AsciiOnly(text));
    }

  private:
    // The model holds bytes; a character outside ASCII would break its positions.
    static std::string AsciiOnly(const QString& text) {
        std::string keys;
        for (const QChar character : text) {
            const char16_t code = character.unicode();
            if (code >= kFirstPrintable && code <= kLastPrintable) {
                keys += static_cast<char>(code);
            }
        }
        return keys;
    }

    void Type(const std::string& keys) {
        Deliver([this, &keys](TextBox& m) {
            const int start = hasSelectedText() ? selectionStart() : cursorPosition();
            m.SetSelection(start, static_cast<int>(selectedText().size()));
            for (const char key : keys) {
                m.TypeKey(key);
            }
        });
    }

    void AdoptEditedText() {
        const std::string edited = text().toStdString();
        const int caret = cursorPosition();
        Deliver([&edited, caret](TextBox& m) {
            m.SetText(edited);
            m.SetSelection(caret, 0);
        });
    }

    // Painted at once: a paint left for later could come when the next frame
    // has turned the box's updates off again, and the window would show its
    // own background where the box should be.
    QtFramePacer pacer_{[this] {
        setUpdatesEnabled(true);
        repaint();
    }};
};

class LabelWidget : public QLabel, public ModelView<Label> {
  public:
    LabelWidget(QtPlatform& platform, Label& model, QWidget& parent)
        : QLabel(&parent), ModelView(platform, model) {
        setTextFormat(Qt::PlainText);
        setWordWrap(true);
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    void Refresh() override {
        SyncCommon(*this, *model_);
        setText(QString::fromStdString(model_->Caption()));
    }
};

// A drag reports scrolling; arrows, track clicks, the wheel and the release of a
// dragged thumb report a change. Values set from the model report nothing.
class ScrollBarWidget : public QScrollBar, public ModelView<ScrollBar> {
  public:
    ScrollBarWidget(QtPlatform& platform, ScrollBar& model, QWidget& parent)
        : QScrollBar(model.Kind() == ControlKind::VScrollBar ? Qt::Vertical : Qt::Horizontal,
                     &parent),
          ModelView(platform, model) {
        setSingleStep(1);
        setPageStep(1);
        connect(this, &QScrollBar::sliderMoved, this, [this](int value) {
            Deliver([value](ScrollBar& m) { m.UserScroll(static_cast<std::int16_t>(value)); });
        });
        connect(this, &QScrollBar::valueChanged, this, [this](int value) {
            if (!syncing_ && !isSliderDown()) {
                Deliver([value](ScrollBar& m) { m.UserChange(static_cast<std::int16_t>(value)); });
            }
        });
        connect(this, &QScrollBar::sliderReleased, this, [this] {
            const int value = this->value();
            Deliver([value](ScrollBar& m) { m.UserChange(static_cast<std::int16_t>(value)); });
        });
    }

    void Refresh() override {
        syncing_ = true;
        SyncCommon(*this, *model_);
        setRange(std::min(model_->Min(), model_->Max()), std::max(model_->Min(), model_->Max()));
        setValue(model_->Value());
        syncing_ = false;
    }

  private:
    bool syncing_ = false;
};

class LineWidget : public QFrame, public ModelView<SeparatorLine> {
  public:
    LineWidget(QtPlatform& platform, SeparatorLine& model, QWidget& parent)
        : QFrame(&parent), ModelView(platform, model) {
        const Geometry& path = model.Geom();
        setFrameStyle((path.width >= path.height ? QFrame::HLine : QFrame::VLine) | QFrame::Sunken);
    }

    void Refresh() override { SyncCommon(*this, *model_); }
};

// Renders once per finished drawing and blits that image on every paint, so
// covering the window loses nothing and a flight does not flicker. The drawing
// starts inside the sunken border, as the picture units' origin does.
class PictureWidget : public QFrame, public ModelView<Picture> {
  public:
    PictureWidget(QtPlatform& platform, Picture& model, QWidget& parent)
        : QFrame(&parent), ModelView(platform, model) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(kPictureBorder);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    void Refresh() override {
        SyncCommon(*this, *model_);
        stale_ = true;
        pacer_.Changed();
    }

    void SetScale(double scale) override {
        scale_ = scale;
        if (model_ != nullptr) {
            Refresh();
        }
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        if (model_ != nullptr && (stale_ || image_.devicePixelRatio() != devicePixelRatioF())) {
            Render();
        }
        QPainter painter(this);
        painter.drawImage(contentsRect().topLeft(), image_);
        drawFrame(&painter);
    }

    void mousePressEvent(QMouseEvent* event) override {
        pressed_ = event->button() == Qt::LeftButton;
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        const bool click = pressed_ && event->button() == Qt::LeftButton &&
                           rect().contains(event->position().toPoint());
        pressed_ = false;
        if (click) {
            Deliver([](Picture& m) { m.Click(); });
        }
    }

  private:
    void Render() {
        image_ = RenderDisplayList(model_->DisplayList(), model_->BackColor(),
                                   contentsRect().size(), scale_, devicePixelRatioF());
        stale_ = false;
    }

    QImage image_;
    QtFramePacer pacer_{[this] { update(); }};
    bool stale_ = true;
    double scale_ = 1;
    bool pressed_ = false;
};

template <class Widget, class Model>
ControlWidget Place(QtPlatform& platform, Control& control, QWidget& parent) {
    auto* widget = new Widget(platform, static_cast<Model&>(control), parent);
    widget->setObjectName(QString::fromStdString(control.Name()));
    widget->setGeometry(PixelGeometry(control, 1));
    return {*widget, *widget};
}

ControlWidget PlaceControl(QtPlatform& platform, Control& control, QWidget& parent) {
    switch (control.Kind()) {
        case ControlKind::Button:
            return Place<ButtonWidget, Button>(platform, control, parent);
        case ControlKind::TextBox:
            return Place<TextBoxWidget, TextBox>(platform, control, parent);
        case ControlKind::Label:
            return Place<LabelWidget, Label>(platform, control, parent);
        case ControlKind::HScrollBar:
        case ControlKind::VScrollBar:
            return Place<ScrollBarWidget, ScrollBar>(platform, control, parent);
        case ControlKind::Picture:
            return Place<PictureWidget, Picture>(platform, control, parent);
        case ControlKind::Line:
            break;
    }
    return Place<LineWidget, SeparatorLine>(platform, control, parent);
}

}  // namespace

ControlWidget CreateControlWidget(QtPlatform& platform, Control& control, QWidget& parent) {
    ControlWidget placed = PlaceControl(platform, control, parent);
    if (LiesUnderOtherControls(control.Kind())) {
        placed.widget.lower();
    }
    placed.view.Refresh();
    return placed;
}

QRect PixelGeometry(const Control& control, double scale) {
    const PixelRect rect = ControlPixelRect(control, scale);
    return {rect.left, rect.top, rect.width, rect.height};
}

QString CaptionText(const std::string& caption) {
    return QString::fromStdString(caption).replace('&', "&&");
}

}  // namespace dorvanta

#include "platform/qt/qt_platform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QEventLoop>
#include <QInputDialog>
#include <QInputEvent>
#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <thread>

#include "platform/form.h"
#include "platform/qt/form_window.h"
#include "platform/time_of_day.h"

namespace dorvanta {

namespace {

constexpr double kMillisPerSecond = 1000;
// A longer wait is woken by a timer of this many milliseconds and goes on.
constexpr double kLongestTimerMillis = 3'600'000;
// A wait's timer rings this much before the deadline at least; the rest is slept.
constexpr double kTimerLeadMillis = 1;
constexpr std::int64_t kMicrosPerSecond = 1'000'000;
// Time-zone changes (daylight saving) are picked up within this long.
constexpr std::chrono::minutes kUtcOffsetLifetime{1};

QString BoxTitle(const std::string& title) {
    return title.empty() ? QCoreApplication::applicationName() : QString::fromStdString(title);
}

QMessageBox::StandardButtons ToQtButtons(BoxButtons buttons) {
    switch (buttons) {
        case BoxButtons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case BoxButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case BoxButtons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

BoxAnswer FromQtButton(int button) {
    switch (button) {
        case QMessageBox::Cancel:
            return BoxAnswer::Cancel;
        case QMessageBox::Yes:
            return BoxAnswer::Yes;
        case QMessageBox::No:
            return BoxAnswer::No;
        default:
            return BoxAnswer::Ok;
    }
}

// Drops the user's input while `dropping` is set; everything else passes.
class InputGate : public QObject {
  public:
    explicit InputGate(const bool& dropping) : dropping_(dropping) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        return dropping_ &&
               (dynamic_cast<QInputEvent*>(event) != nullptr ||
                event->type() == QEvent::InputMethod || event->type() == QEvent::Shortcut);
    }

  private:
    const bool& dropping_;
};

}  // namespace

QtPlatform::QtPlatform() : inputGate_(std::make_unique<InputGate>(droppingInput_)) {
    QCoreApplication::instance()->installEventFilter(inputGate_.get());
}

QtPlatform::~QtPlatform() {
    for (const QPointer<FormWindow>& window : retired_) {
        delete window.data();
    }
}

void QtPlatform::Yield() {
    ThrowIfEnding();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    ThrowIfEnding();
}

// Qt would keep the input back only until its next loop, the box that ends
// the calibration, where a click or a key would go astray; and on X11 it keeps
// back the window manager's close with it, which that box then drops. So the
// input is dropped here and the close delivered.
void QtPlatform::YieldExcludingInput() {
    ThrowIfEnding();
    droppingInput_ = true;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    droppingInput_ = false;
    ThrowIfEnding();
}

// Qt sleeps until an event or the precise timer wakes it, and returns after
// every batch of events, so the condition is asked after each. A timer counts
// whole milliseconds and may wake up to one late, so it is set to ring a
// little early and the last stretch, shorter than that, is slept on the thread
// (a gauge step of a fast level is well below a millisecond); what arrives
// meanwhile is delivered right after. An early wake-up only waits again.
void QtPlatform::WaitUntil(double deadline, const KeepWaiting& keepWaiting) {
    Yield();
    QTimer wakeUp;
    wakeUp.setTimerType(Qt::PreciseTimer);
    wakeUp.setSingleShot(true);
    for (double remaining = deadline - MonotonicSeconds();
         remaining > 0 && (!keepWaiting || keepWaiting());
         remaining = deadline - MonotonicSeconds()) {
        const double timerMillis = std::floor(remaining * kMillisPerSecond) - kTimerLeadMillis;
        if (timerMillis < 1) {
            std::this_thread::sleep_for(std::chrono::duration<double>(remaining));
            Yield();
            continue;
        }
        if (!wakeUp.isActive()) {
            wakeUp.start(static_cast<int>(std::min(timerMillis, kLongestTimerMillis)));
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        ThrowIfEnding();
    }
}

// The calibration reads the time of day once a pass, so a read must cost far
// less than a yield: the local offset from UTC is looked up only now and then.
std::int64_t QtPlatform::UtcOffsetSeconds() {
    const auto steadyNow = std::chrono::steady_clock::now();
    if (steadyNow >= nextOffsetCheck_) {
        utcOffsetSeconds_ = QDateTime::currentDateTime().offsetFromUtc();
        nextOffsetCheck_ = steadyNow + kUtcOffsetLifetime;
    }
    return utcOffsetSeconds_;
}

// Local time, so the day starts at the player's midnight.
double QtPlatform::TimeOfDay() {
    const std::int64_t micros = std::chrono::duration_cast<std::chrono::microseconds>(
                                    std::chrono::system_clock::now().time_since_epoch())
                                    .count() +
                                UtcOffsetSeconds() * kMicrosPerSecond;
    return SecondsSinceMidnight(micros);
}

double QtPlatform::MonotonicSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void QtPlatform::Randomize() {
    random_.SeedFromClock();
}

float QtPlatform::Random() {
    return random_.Next();
}

BoxAnswer QtPlatform::MessageBox(const std::string& text, BoxButtons buttons,
                                 const std::string& title) {
    ThrowIfEnding();
    QMessageBox box(QMessageBox::NoIcon, BoxTitle(title), QString::fromStdString(text),
                    ToQtButtons(buttons), QApplication::activeWindow());
    const int pressed = box.exec();
    ThrowIfEnding();
    return FromQtButton(pressed);
}

std::string QtPlatform::InputBox(const std::string& prompt, const std::string& title) {
    ThrowIfEnding();
    bool accepted = false;
    const QString typed =
        QInputDialog::getText(QApplication::activeWindow(), BoxTitle(title),
                              QString::fromStdString(prompt), QLineEdit::Normal, {}, &accepted);
    ThrowIfEnding();
    return accepted ? typed.toStdString() : std::string();
}

void QtPlatform::EndProgram() {
    SetEnding();
    QCoreApplication::exit(0);
    throw QuitRequested{};
}

void QtPlatform::ShowFault(const char* description) noexcept {
    QMessageBox::critical(QApplication::activeWindow(), QCoreApplication::applicationName(),
                          QString::fromUtf8(description));
}

void QtPlatform::QuitEventLoop(int exitCode) noexcept {
    QCoreApplication::exit(exitCode);
}

FormWindow* QtPlatform::Find(const Form& form) const {
    const auto found = windows_.find(&form);
    return found == windows_.end() ? nullptr : found->second.get();
}

FormWindow* QtPlatform::MainWindow() const {
    for (const auto& [form, window] : windows_) {
        if (form->Sizable()) {
            return window.get();
        }
    }
    return nullptr;
}

QWidget* QtPlatform::WindowOf(const Form& form) const {
    return Find(form);
}

Form* QtPlatform::LoadedForm(const std::string& name) const {
    for (const auto& [form, window] : windows_) {
        if (form->Name() == name) {
            return const_cast<Form*>(form);
        }
    }
    return nullptr;
}

void QtPlatform::FormCreated(Form& form) {
    windows_[&form] = std::make_unique<FormWindow>(*this, form);
}

void QtPlatform::FormShown(Form& form) {
    if (FormWindow* window = Find(form)) {
        if (!form.Sizable()) {
            window->SetScale(scale_);
        }
        window->PlaceOnFirstShowing(MainWindow());
        window->show();
        window->raise();
        window->activateWindow();
    }
}

void QtPlatform::FormHidden(Form& form) {
    if (FormWindow* window = Find(form)) {
        window->hide();
    }
}

// The window may be the one whose event is running further down the stack, so
// Qt deletes it later; it lets go of the form's models at once.
void QtPlatform::FormDestroyed(Form& form) {
    auto node = windows_.extract(&form);
    if (node.empty()) {
        return;
    }
    FormWindow* window = node.mapped().release();
    window->Detach();
    window->hide();
    window->deleteLater();
    std::erase_if(retired_, [](const QPointer<FormWindow>& old) { return old.isNull(); });
    retired_.emplace_back(window);
}

}  // namespace dorvanta

#include <gtest/gtest.h>

#include <QAction>
#include <QElapsedTimer>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <string>

#include "platform/qt/qt_platform.h"
#include "qt_test_support.h"

namespace dorvanta {
namespace {

class QtControls : public testing::Test {
  protected:
    void SetUp() override {
        form_.Show();
        window_ = platform_.WindowOf(form_);
        ASSERT_NE(window_, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_));
    }

    QtPlatform platform_;
    qt_test::ProbeForm form_{platform_};
    QWidget* window_ = nullptr;
};

// Counts a widget's paints and notes the text a box had at the last one.
class PaintLog : public QObject {
  public:
    explicit PaintLog(QWidget& widget) : widget_(widget) { widget.installEventFilter(this); }

    int paints = 0;
    std::string lastPaintedText;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
            if (const auto* box = qobject_cast<QLineEdit*>(&widget_)) {
                lastPaintedText = box->text().toStdString();
            }
        }
        return false;
    }

  private:
    QWidget& widget_;
};

// Either mouse button presses; only the left one and the keyboard click.
TEST_F(QtControls, ButtonReportsMousePressesAndClicksButNoKeyboardPress) {
    auto* button = window_->findChild<QPushButton*>("CommandProbe");
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::mouseClick(button, Qt::RightButton);
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_EQ(form_.presses, std::vector<int>({kLeftButton, kRightButton}));
    EXPECT_EQ(form_.clicks, 2);
}

// Typed characters go through the key-press handler, which may discard them.
TEST_F(QtControls, TypingGoesThroughTheKeyPressHandler) {
    auto* edit = window_->findChild<QLineEdit*>("TextNoDigits");
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    QTest::keyClicks(edit, "a1b2c");
    EXPECT_EQ(form_.text->Text(), "abc");
    EXPECT_EQ(edit->text(), "abc");
    EXPECT_EQ(form_.textChanges, 3);  // a discarded digit changes nothing
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(form_.text->Text(), "ab");

    form_.text->SetText("hello");
    EXPECT_EQ(edit->cursorPosition(), 0);  // a text set by the game puts the caret first
    edit->setSelection(1, 3);
    QTest::keyClicks(edit, "a");
    EXPECT_EQ(form_.text->Text(), "hao");
}

// A gauge at the Professional's pace changes its box and its picture many
// times a frame of the screen; they are painted about once a frame, and the
// last change always reaches the screen.
TEST_F(QtControls, QuickChangesPaintAboutOnceAFrameAndTheLastAlways) {
    constexpr int kFrameMillis = 16;
    auto* box = window_->findChild<QLineEdit*>("TextNoDigits");
    auto* picture = window_->findChild<QWidget*>("PictureProbe");
    ASSERT_NE(box, nullptr);
    ASSERT_NE(picture, nullptr);
    QCoreApplication::processEvents();
    PaintLog boxPaints(*box), picturePaints(*picture);
    int changes = 0;
    const auto change = [this, &changes] {
        ++changes;
        form_.text->SetText(std::to_string(changes));
        form_.picture->Cls();
        form_.picture->DrawLine(0, 0, static_cast<float>(changes % 1500), 600, 0);
        form_.picture->Present();
    };
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 10 * kFrameMillis) {
        change();
        QCoreApplication::processEvents();
    }
    const auto frames = static_cast<int>(clock.elapsed() / kFrameMillis) + 1;
    ASSERT_GT(changes, 2 * frames);
    EXPECT_LE(boxPaints.paints, frames + 2);
    EXPECT_LE(picturePaints.paints, frames + 2);

    // Two changes in a row: the second falls inside the frame the first began.
    change();
    change();
    const int boxPaintsBefore = boxPaints.paints, picturePaintsBefore = picturePaints.paints;
    QTest::qWait(3 * kFrameMillis);
    EXPECT_GT(boxPaints.paints, boxPaintsBefore);
    EXPECT_GT(picturePaints.paints, picturePaintsBefore);
    EXPECT_EQ(boxPaints.lastPaintedText, std::to_string(changes));
    EXPECT_EQ(box->text().toStdString(), std::to_string(changes));
}

// An ampersand in a caption is a character; the mnemonic is marked at its
// letter, or nowhere when the caption lacks it; a shortcut chooses its item.
TEST_F(QtControls, MenuCaptionsKeepTheirAmpersandsAndMarkOnlyTheirMnemonic) {
    const auto text = [this](const char* name) {
        return window_->findChild<QAction*>(name)->text().toStdString();
    };
    EXPECT_EQ(text("MenuProbe"), "Save && &Load");
    EXPECT_EQ(text("MenuProbeQuit"), "Quit");
    QTest::keyClick(window_, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(form_.quits, 1);
}

}  // namespace
}  // namespace dorvanta

#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

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

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
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
    template <class Widget>
    Widget& Find(const char* name) {
        auto* widget = window_->findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return *widget;
    }

    QtPlatform platform_;
    qt_test::ProbeForm form_{platform_};
    QWidget* window_ = nullptr;
};

// Every mouse button presses; only the left one and the keyboard click.
TEST_F(QtControls, ButtonReportsMousePressesAndClicksButNoKeyboardPress) {
    auto& button = Find<QPushButton>("CommandProbe");
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::RightButton);
    QTest::mouseClick(&button, Qt::MiddleButton);
    button.setFocus();
    QTest::keyClick(&button, Qt::Key_Space);
    EXPECT_EQ(form_.presses, std::vector<int>({kLeftButton, kRightButton, kMiddleButton}));
    EXPECT_EQ(form_.clicks, 2);

    form_.button->SetEnabled(false);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(form_.presses.size(), 3u);
    EXPECT_EQ(form_.clicks, 2);
}

// Typed characters go through the key-press handler, which may discard them;
// a paste reaches the model past it.
TEST_F(QtControls, TypingGoesThroughTheKeyPressHandler) {
    auto& edit = Find<QLineEdit>("TextNoDigits");
    edit.setFocus();
    QTest::keyClicks(&edit, "a1b2c");
    EXPECT_EQ(form_.text->Text(), "abc");
    EXPECT_EQ(edit.text(), "abc");
    EXPECT_EQ(edit.cursorPosition(), 3);
    EXPECT_EQ(form_.textChanges, 3);  // a discarded digit changes nothing
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), "ab");

    form_.text->SetText("hello");
    EXPECT_EQ(edit.cursorPosition(), 0);  // a text set by the game puts the caret first
    edit.setSelection(1, 3);
    QTest::keyClicks(&edit, "a");
    EXPECT_EQ(form_.text->Text(), "hao");

    edit.selectAll();
    QGuiApplication::clipboard()->setText("x42");
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form_.text->Text(), "x42");
}

// Arrows and track clicks report a change, a drag reports scrolling, and a
// value set by the game is shown without being reported back.
TEST_F(QtControls, ScrollBarReportsChangesAndDragsButNotTheGamesOwnValues) {
    auto& bar = Find<QScrollBar>("HScrollProbe");
    bar.triggerAction(QAbstractSlider::SliderSingleStepAdd);
    bar.triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(form_.bar->Value(), 2);  // the page step is one, too
    EXPECT_EQ(form_.barChanges, 2);
    bar.setSliderDown(true);
    bar.setSliderPosition(7);
    EXPECT_EQ(form_.bar->Value(), 7);
    EXPECT_EQ(form_.barScrolls, 1);
    bar.setSliderDown(false);
    const int changes = form_.barChanges;
    form_.bar->SetValue(-4);
    EXPECT_EQ(bar.value(), -4);
    EXPECT_EQ(form_.barChanges, changes + 1);  // the game's own change, not a second one
    EXPECT_EQ(form_.barScrolls, 1);
}

TEST_F(QtControls, ClosingTheWindowUnloadsTheForm) {
    QPointer<QWidget> window = window_;
    window_->close();
    EXPECT_TRUE(form_.Unloaded());
    EXPECT_EQ(platform_.WindowOf(form_), nullptr);
    form_.button->SetCaption("Gone");  // the models no longer reach the window
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

}  // namespace
}  // namespace dorvanta

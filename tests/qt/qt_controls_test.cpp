#include <gtest/gtest.h>

#include <QAction>
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

using qt_test::ProbeForm;

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
    ProbeForm form_{platform_};
    QWidget* window_ = nullptr;
};

TEST_F(QtControls, ButtonReportsEveryMousePressAndClicksOnRelease) {
    auto& button = Find<QPushButton>("CommandProbe");
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mousePress(&button, Qt::RightButton);
    QTest::mouseRelease(&button, Qt::RightButton);
    QTest::mousePress(&button, Qt::MiddleButton);
    QTest::mouseRelease(&button, Qt::MiddleButton);
    EXPECT_EQ(form_.presses, std::vector<int>({kLeftButton, kRightButton, kMiddleButton}));
    EXPECT_EQ(form_.clicks, 1);  // only the left button clicks
}

TEST_F(QtControls, KeyboardActivationClicksWithoutAPress) {
    auto& button = Find<QPushButton>("CommandProbe");
    button.setFocus();
    QTest::keyClick(&button, Qt::Key_Space);
    EXPECT_EQ(form_.clicks, 1);
    EXPECT_TRUE(form_.presses.empty());
}

TEST_F(QtControls, DisabledButtonIgnoresTheMouse) {
    form_.button->SetEnabled(false);
    QTest::mouseClick(&Find<QPushButton>("CommandProbe"), Qt::LeftButton);
    EXPECT_TRUE(form_.presses.empty());
    EXPECT_EQ(form_.clicks, 0);
}

TEST_F(QtControls, TypedKeysPassTheKeyPressHandler) {
    auto& edit = Find<QLineEdit>("TextNoDigits");
    edit.setFocus();
    QTest::keyClicks(&edit, "a1b2c");
    EXPECT_EQ(form_.text->Text(), "abc");
    EXPECT_EQ(edit.text(), "abc");
    EXPECT_EQ(edit.cursorPosition(), 3);
    EXPECT_EQ(form_.textChanges, 3);  // a discarded digit changes nothing

    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(form_.text->Text(), "ab");
    EXPECT_EQ(edit.text(), "ab");
}

TEST_F(QtControls, TypingReplacesTheSelectionMadeInTheWidget) {
    form_.text->SetText("hello");
    auto& edit = Find<QLineEdit>("TextNoDigits");
    EXPECT_EQ(edit.text(), "hello");
    EXPECT_EQ(edit.cursorPosition(), 0);  // a text set by the game puts the caret first
    edit.setFocus();
    edit.setSelection(1, 3);
    QTest::keyClicks(&edit, "a");
    EXPECT_EQ(form_.text->Text(), "hao");
    edit.setCursorPosition(3);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(form_.text->Text(), "ha");
}

TEST_F(QtControls, PastedTextReachesTheModelPastTheKeyHandler) {
    auto& edit = Find<QLineEdit>("TextNoDigits");
    edit.setFocus();
    QGuiApplication::clipboard()->setText("x42");
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "x42");
    EXPECT_EQ(form_.text->Text(), "x42");
    EXPECT_EQ(form_.textChanges, 1);
}

TEST_F(QtControls, ReadOnlyTextBoxTakesNoKeys) {
    form_.text->SetReadOnly(true);
    auto& edit = Find<QLineEdit>("TextNoDigits");
    EXPECT_TRUE(edit.isReadOnly());
    edit.setFocus();
    QTest::keyClicks(&edit, "abc");
    EXPECT_EQ(form_.text->Text(), "");
}

TEST_F(QtControls, ScrollBarStepsChangeAndDragsScroll) {
    auto& bar = Find<QScrollBar>("HScrollProbe");
    bar.triggerAction(QAbstractSlider::SliderSingleStepAdd);
    bar.triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(form_.bar->Value(), 2);  // page step is one, too
    EXPECT_EQ(form_.barChanges, 2);
    EXPECT_EQ(form_.barScrolls, 0);

    bar.setSliderDown(true);
    bar.setSliderPosition(7);
    EXPECT_EQ(form_.bar->Value(), 7);
    EXPECT_EQ(form_.barScrolls, 1);
    EXPECT_EQ(form_.barChanges, 2);
    bar.setSliderDown(false);
    EXPECT_EQ(form_.bar->Value(), 7);
}

TEST_F(QtControls, ScrollBarFollowsTheGameWithoutReportingBack) {
    EXPECT_EQ(Find<QScrollBar>("HScrollOffset").value(), 7);
    EXPECT_EQ(form_.offsetBar->Value(), 7);
    EXPECT_EQ(form_.barChanges, 0);
    form_.bar->SetValue(-4);
    EXPECT_EQ(Find<QScrollBar>("HScrollProbe").value(), -4);
    EXPECT_EQ(form_.barChanges, 1);  // the model's own change, not a second one from the widget
    EXPECT_EQ(form_.barScrolls, 0);
}

TEST_F(QtControls, MenuCheckMarksFollowTheGame) {
    auto& toggle = Find<QAction>("MenuOptionToggle");
    auto& stubborn = Find<QAction>("MenuOptionStubborn");
    toggle.trigger();
    EXPECT_TRUE(form_.toggle->Checked());
    EXPECT_TRUE(toggle.isChecked());
    toggle.trigger();
    EXPECT_FALSE(toggle.isChecked());

    form_.stubborn->SetChecked(true);
    stubborn.trigger();  // Qt would clear the mark; the handler leaves it set
    EXPECT_EQ(form_.stubbornClicks, 1);
    EXPECT_TRUE(stubborn.isChecked());
}

TEST_F(QtControls, PictureReportsClicks) {
    QTest::mouseClick(&Find<QWidget>("PictureProbe"), Qt::LeftButton);
    EXPECT_EQ(form_.pictureClicks, 1);
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

TEST_F(QtControls, WindowActivationReachesTheForm) {
    const int before = form_.activations;
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(window_, &activate);
    EXPECT_EQ(form_.activations, before + 1);
}

}  // namespace
}  // namespace dorvanta

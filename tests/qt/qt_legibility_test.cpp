// What a player reads in the real windows: numbers in full and from their
// start, every caption in its window's one font size and inside its button,
// and no label running into another control.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "qt_test_support.h"

namespace dorvanta {
namespace {

// The secondary windows, by the menu item that opens them. The automatic
// calibration opens none.
const std::vector<std::pair<const char*, const char*>> kSecondaryWindows = {
    {"MenuOptionColors", "FormColors"},
    {"MenuOptionCalibrate", "FormCalibrate"},
    {"MenuOptionViewHighScores", "FormHighScores"},
    {"MenuOptionHelp", "FormHelp"},
    {"MenuOptionAbout3DDV", "FormAbout"}};

class QtLegibility : public qt_test::MainWindowTest {
  protected:
    // Gives the box its text the way the game does and returns its widget,
    // without the focus: the caret is no part of the text.
    static QLineEdit& ShowText(const QWidget& window, const Form& form, const char* box,
                               const std::string& text) {
        static_cast<TextBox*>(form.FindControl(box))->SetText(text);
        auto* edit = window.findChild<QLineEdit*>(box);
        EXPECT_NE(edit, nullptr) << box;
        edit->clearFocus();
        return *edit;
    }

    struct Window {
        QWidget* widget;
        const Form* form;
    };
    // The main window and every secondary window, opened.
    std::vector<Window> AllWindows() {
        std::vector<Window> windows = {{window_, &main_}};
        for (const auto& [menuItem, form] : kSecondaryWindows) {
            QWidget* widget = Open(menuItem, form);
            EXPECT_NE(widget, nullptr) << form;
            windows.push_back({widget, platform_.LoadedForm(form)});
        }
        return windows;
    }
};

// Where the text of a box or button lies: the bounds of its dark pixels. The
// frames and bevels of the style are lighter.
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

// The same text in a box of the same font and height but four times as wide:
// where the text's ink lies when nothing cuts it.
QRect UncutInk(const QLineEdit& box, const QString& text) {
    QLineEdit wide;
    wide.setFont(box.font());
    wide.resize(box.width() * 4, box.height());
    wide.setText(text);
    wide.setCursorPosition(0);
    return Ink(wide);
}

struct LongestText {
    const char* box;
    const char* text;
};

// The widest texts the game writes: gauge values, the hand position, shot
// counts and a calibration factor as the calibration writes it. The ink of
// each lies where it lies in a box wide enough for anything.
TEST_F(QtLegibility, EveryNumberShowsInFullFromItsStartAtEveryScale) {
    const std::vector<LongestText> mainBoxes = {{"TextPower", "1257.5"},
                                                {"TextAngle", "84.5"},
                                                {"TextAzimuth", "-7.95"},
                                                {"TextHandX", "-23.9"},
                                                {"TextShotsTaken", "32767"},
                                                {"TextShotsMade", "10"},
                                                {"TextShootingPercentage", "33.33"}};
    const std::vector<LongestText> calibrationBoxes = {
        {"TextCalibrationFactor", "68268.7933333333"},
        {"TextCalibrationFactor", "15234.5633333333"}};
    for (const double scale : {1.0, 1.5, 2.0}) {
        ResizeClient(QSize(774, 510) * scale);
        for (const LongestText& longest : mainBoxes) {
            QLineEdit& box = ShowText(*window_, main_, longest.box, longest.text);
            EXPECT_EQ(Ink(box), UncutInk(box, longest.text)) << longest.text << " at " << scale;
        }
        QWidget* calibration = Open("MenuOptionCalibrate", "FormCalibrate");
        ASSERT_NE(calibration, nullptr);
        const Form& form = *platform_.LoadedForm("FormCalibrate");
        for (const LongestText& longest : calibrationBoxes) {
            QLineEdit& box = ShowText(*calibration, form, longest.box, longest.text);
            EXPECT_EQ(Ink(box), UncutInk(box, longest.text)) << longest.text << " at " << scale;
        }
    }
}

// A third of the shots made shows its leading digits, two decimals at least,
// and the rest runs past the right edge.
TEST_F(QtLegibility, TheShootingPercentageShowsItsLeadingDigits) {
    QLineEdit& box = ShowText(*window_, main_, "TextShootingPercentage", "33.3333333333333");
    const QRect ink = Ink(box);
    const QRect leading = UncutInk(box, "33.33");
    EXPECT_EQ(ink.left(), leading.left());
    EXPECT_GE(ink.right(), leading.right());
}

// Whether the caption, given to the button the way the game does, is drawn
// inside the button's contents, clear of their edges: a caption cut at those
// edges reaches them.
bool CaptionFits(const Form& form, QPushButton& button, const QString& caption) {
    static_cast<Button*>(form.FindControl(button.objectName().toStdString()))
        ->SetCaption(caption.toStdString());
    QStyleOptionButton option;
    option.initFrom(&button);
    const QRect room =
        button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    return room.adjusted(1, 1, -1, -1).contains(Ink(button));
}

// Shoot names every phase of a shot; the window never shrinks a caption to fit.
TEST_F(QtLegibility, EveryCaptionFitsItsButtonInItsWindowsOneFontSize) {
    const QStringList shootCaptions = {"Shoot",          "Power",
                                       "Vertical Angle", "Horizontal Angle",
                                       "Ball in motion", "Opponent's Shot"};
    for (const auto& [window, form] : AllWindows()) {
        std::set<int> fontSizes;
        for (const QWidget* widget : window->findChildren<QWidget*>()) {
            if (qobject_cast<const QPushButton*>(widget) || qobject_cast<const QLabel*>(widget)) {
                fontSizes.insert(QFontInfo(widget->font()).pixelSize());
            }
        }
        EXPECT_EQ(fontSizes.size(), 1u) << window->objectName().toStdString();
        for (QPushButton* button : window->findChildren<QPushButton*>()) {
            const QStringList captions = button->objectName() == "CommandShoot"
                                             ? shootCaptions
                                             : QStringList{button->text()};
            for (const QString& caption : captions) {
                EXPECT_TRUE(CaptionFits(*form, *button, caption)) << caption.toStdString();
            }
        }
    }
}

// A label's text, wrapped inside the label, stays inside it and clear of every
// other control, even where the label's own box reaches under a neighbour.
TEST_F(QtLegibility, NoLabelRunsIntoAnotherControl) {
    for (const auto& [window, form] : AllWindows()) {
        for (const QLabel* label : window->findChildren<QLabel*>()) {
            if (label->text().isEmpty()) {
                continue;
            }
            const QRect text =
                label->fontMetrics()
                    .boundingRect(label->contentsRect(),
                                  Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, label->text())
                    .translated(label->pos());
            const std::string name = label->objectName().toStdString();
            EXPECT_TRUE(label->geometry().contains(text)) << name;
            for (const QWidget* other : label->parentWidget()->findChildren<QWidget*>()) {
                if (other != label && other->parentWidget() == label->parentWidget() &&
                    other->isVisibleTo(window)) {
                    EXPECT_FALSE(text.intersects(other->geometry()))
                        << name << " runs into " << other->objectName().toStdString();
                }
            }
        }
    }
}

}  // namespace
}  // namespace dorvanta

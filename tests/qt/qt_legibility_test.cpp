// What a player reads in the real windows: every caption in its window's one
// font size and inside its button, and no label running into another control.
#include <set>
#include <utility>

#include "qt_test_support.h"

namespace dorvanta {
namespace {

using QtLegibility = qt_test::MainWindowTest;
using Texts = std::vector<std::pair<const char*, const char*>>;

// Where the text of a button lies: the bounds of its dark pixels. The
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

// Whether the label's text, wrapped inside the label, stays inside it and clear
// of every other control, even where the label's own box reaches under a
// neighbour.
void ExpectClearOfOtherControls(const QWidget& window, const QLabel& label) {
    const QRect text =
        label.fontMetrics()
            .boundingRect(label.contentsRect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                          label.text())
            .translated(label.pos());
    const std::string name = label.objectName().toStdString();
    EXPECT_TRUE(label.geometry().contains(text)) << name;
    for (const QWidget* other :
         label.parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other != &label && other->isVisibleTo(&window)) {
            EXPECT_FALSE(text.intersects(other->geometry()))
                << name << " runs into " << other->objectName().toStdString();
        }
    }
}

// Shoot names every phase of a shot; the window never shrinks a caption to fit.
TEST_F(QtLegibility, EveryCaptionAndLabelFitsInItsWindowsOneFontSize) {
    const QStringList shootCaptions = {"Shoot",          "Power",
                                       "Vertical Angle", "Horizontal Angle",
                                       "Ball in motion", "Opponent's Shot"};
    // The main window and every secondary window; the automatic calibration opens none.
    std::vector<std::pair<QWidget*, const Form*>> windows = {{window_, &form_}};
    for (const auto& [menuItem, form] : Texts{{"MenuOptionColors", "FormColors"},
                                              {"MenuOptionCalibrate", "FormCalibrate"},
                                              {"MenuOptionViewHighScores", "FormHighScores"},
                                              {"MenuOptionHelp", "FormHelp"},
                                              {"MenuOptionAbout3DDV", "FormAbout"}}) {
        QWidget* window = Open(menuItem, form);
        ASSERT_NE(window, nullptr) << form;
        windows.emplace_back(window, platform_.LoadedForm(form));
    }
    for (const auto& [window, form] : windows) {
        std::set<int> fontSizes;
        for (const QLabel* label : window->findChildren<QLabel*>()) {
            fontSizes.insert(QFontInfo(label->font()).pixelSize());
            if (!label->text().isEmpty()) {
                ExpectClearOfOtherControls(*window, *label);
            }
        }
        for (QPushButton* button : window->findChildren<QPushButton*>()) {
            fontSizes.insert(QFontInfo(button->font()).pixelSize());
            const QStringList captions = button->objectName() == "CommandShoot"
                                             ? shootCaptions
                                             : QStringList{button->text()};
            for (const QString& caption : captions) {
                EXPECT_TRUE(CaptionFits(*form, *button, caption)) << caption.toStdString();
            }
        }
        EXPECT_EQ(fontSizes.size(), 1u) << window->objectName().toStdString();
    }
}

}  // namespace
}  // namespace dorvanta

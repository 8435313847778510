// The desktop's controls in a probe window: what reaches the game from the
// mouse, the keyboard and the menus, and how often quick changes are painted.
#include "qt_test_support.h"

namespace dorvanta {
namespace {

// A small window with a button, a digit-refusing text box, a picture and a
// menu that record what reaches them.
class ProbeForm : public Form {
  public:
    explicit ProbeForm(Platform& platform)
        : Form(platform, "FormProbe", "Probe Window", 4500, 4500) {
        MenuItem& menu = AddMenu("MenuProbe", "Save & Load", 'L');
        menu.AddItem("MenuProbeQuit", "Quit", 'z', "Ctrl+Q").onClick = [this] { ++quits; };
        Button& button = AddButton("CommandProbe", {120, 120, 1215, 615}, "Press");
        button.onMouseDown = [this](int mouseButton) { presses.push_back(mouseButton); };
        button.onClick = [this] { ++clicks; };
        text = &AddTextBox("TextNoDigits", {120, 900, 1500, 375});
        text->onKeyPress = [](char& key) { key = key >= '0' && key <= '9' ? 0 : key; };
        text->onChange = [this] { ++textChanges; };
        picture = &AddPicture("PictureProbe", {1620, 120, 1500, 1200}, 0xFFFFFFu);
    }

    TextBox* text;
    Picture* picture;
    std::vector<int> presses;
    int clicks = 0, textChanges = 0, quits = 0;
};

using QtControls = qt_test::FormTest<ProbeForm>;

// Counts a widget's paints and notes the text a box had at the last one.
struct PaintLog : QObject {
    explicit PaintLog(QWidget& widget) { widget.installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
            if (const auto* box = qobject_cast<QLineEdit*>(watched)) {
                lastPaintedText = box->text().toStdString();
            }
        }
        return false;
    }

    int paints = 0;
    std::string lastPaintedText;
};

// Either mouse button presses; only the left one and the keyboard click.
TEST_F(QtControls, ButtonReportsMousePressesAndClicksButNoKeyboardPress) {
    auto& button = Find<QPushButton>("CommandProbe");
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::RightButton);
    button.setFocus();
    QTest::keyClick(&button, Qt::Key_Space);
    EXPECT_EQ(form_.presses, std::vector<int>({kLeftButton, kRightButton}));
    EXPECT_EQ(form_.clicks, 2);
}

// Typed characters go through the key-press handler, which may discard them.
TEST_F(QtControls, TypingGoesThroughTheKeyPressHandler) {
    auto& edit = Find<QLineEdit>("TextNoDigits");
    edit.setFocus();
    QTest::keyClicks(&edit, "a1b2c");
    EXPECT_EQ(form_.text->Text(), "abc");
    EXPECT_EQ(edit.text(), "abc");
    EXPECT_EQ(form_.textChanges, 3);  // a discarded digit changes nothing
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(form_.text->Text(), "ab");

    form_.text->SetText("hello");
    EXPECT_EQ(edit.cursorPosition(), 0);  // a text set by the game puts the caret first
    edit.setSelection(1, 3);
    QTest::keyClicks(&edit, "a");
    EXPECT_EQ(form_.text->Text(), "hao");
}

// A gauge at the Professional's pace changes its box and its picture many
// times a frame of the screen; they are painted about once a frame, and the
// last change always reaches the screen.
TEST_F(QtControls, QuickChangesPaintAboutOnceAFrameAndTheLastAlways) {
    constexpr int kFrameMillis = 16;
    QCoreApplication::processEvents();
    PaintLog box(Find<QLineEdit>("TextNoDigits")), picture(Find<QWidget>("PictureProbe"));
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
    EXPECT_LE(box.paints, frames + 2);
    EXPECT_LE(picture.paints, frames + 2);

    // Two changes in a row: the second falls inside the frame the first began.
    change();
    change();
    const int picturePaintsBefore = picture.paints;
    QTest::qWait(3 * kFrameMillis);
    EXPECT_GT(picture.paints, picturePaintsBefore);
    EXPECT_EQ(box.lastPaintedText, std::to_string(changes));
}

// An ampersand in a caption is a character; the mnemonic is marked at its
// letter, or nowhere when the caption lacks it; a shortcut chooses its item.
TEST_F(QtControls, MenuCaptionsKeepTheirAmpersandsAndMarkOnlyTheirMnemonic) {
    EXPECT_EQ(Find<QAction>("MenuProbe").text(), "Save && &Load");
    EXPECT_EQ(Find<QAction>("MenuProbeQuit").text(), "Quit");
    QTest::keyClick(window_, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(form_.quits, 1);
}

}  // namespace
}  // namespace dorvanta

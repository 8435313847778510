// The desktop's controls in a probe window: how often quick changes are painted.
#include "qt_test_support.h"

namespace dorvanta {
namespace {

// A small window with a text box and a picture.
class ProbeForm : public Form {
  public:
    explicit ProbeForm(Platform& platform)
        : Form(platform, "FormProbe", "Probe Window", 4500, 4500) {
        text = &AddTextBox("TextNoDigits", {120, 900, 1500, 375});
        picture = &AddPicture("PictureProbe", {1620, 120, 1500, 1200}, 0xFFFFFFu);
    }

    TextBox* text;
    Picture* picture;
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

}  // namespace
}  // namespace dorvanta

// Shared pieces of the desktop tests: a scratch working directory for the real
// main window, the real main window itself, a probe window, a way to answer a
// modal box about to open, and a look at a drawn picture.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/form_main.h"
#include "platform/form.h"
#include "platform/qt/qt_platform.h"
#include "scenarios/game_state_probe.h"

namespace dorvanta::qt_test {

// The main window reads and creates its data file in the working directory.
class ScratchDirectory {
  public:
    ScratchDirectory() {
        std::filesystem::create_directories(path_);
        std::filesystem::current_path(path_);
    }
    ~ScratchDirectory() {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(path_);
    }

  private:
    std::filesystem::path previous_ = std::filesystem::current_path();
    std::filesystem::path path_ = std::filesystem::temp_directory_path() /
                                  ("dorvanta-qt-" + std::to_string(QApplication::applicationPid()));
};

// The real main window, loaded and shown.
class MainWindowTest : public testing::Test {
  protected:
    void SetUp() override {
        platform_.Guarded([this] {
            main_.Load();
            main_.Show();
        });
        ASSERT_FALSE(platform_.Ending());
        window_ = platform_.WindowOf(main_);
        ASSERT_NE(window_, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_));
    }
    template <class Widget>
    Widget& Find(const char* name) {
        auto* widget = window_->findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return *widget;
    }
    // Resizes the window so that its client area gets `client` and waits for the layout.
    void ResizeClient(QSize client) {
        window_->resize(client + QSize(0, Find<QMenuBar>("").height()));
        QCoreApplication::processEvents();
    }
    QWidget& Client() { return *Find<QWidget>("CommandShoot").parentWidget(); }
    // Chooses the menu item and returns the window of the form it opens.
    QWidget* Open(const char* menuItem, const std::string& form) {
        platform_.Guarded([this, menuItem] { main_.FindMenuItem(menuItem)->Click(); });
        const Form* opened = platform_.LoadedForm(form);
        return opened == nullptr ? nullptr : platform_.WindowOf(*opened);
    }

    ScratchDirectory scratch_;
    QtPlatform platform_;
    FormMain main_{platform_};
    QWidget* window_ = nullptr;
};

// A small window with a button, a digit-refusing text box, a picture and a
// menu that record what reaches them.
class ProbeForm : public Form {
  public:
    explicit ProbeForm(Platform& platform)
        : Form(platform, "FormProbe", "Probe Window", 4500, 4500) {
        MenuItem& menu = AddMenu("MenuProbe", "Save & Load", 'L');
        menu.AddItem("MenuProbeQuit", "Quit", 'z', "Ctrl+Q").onClick = [this] { ++quits; };
        button = &AddButton("CommandProbe", {120, 120, 1215, 615}, "Press");
        button->onMouseDown = [this](int mouseButton) { presses.push_back(mouseButton); };
        button->onClick = [this] { ++clicks; };
        text = &AddTextBox("TextNoDigits", {120, 900, 1500, 375});
        text->onKeyPress = [](char& key) { key = key >= '0' && key <= '9' ? 0 : key; };
        text->onChange = [this] { ++textChanges; };
        picture = &AddPicture("PictureProbe", {1620, 120, 1500, 1200}, 0xFFFFFFu);
    }

    Button* button;
    TextBox* text;
    Picture* picture;
    std::vector<int> presses;
    int clicks = 0, textChanges = 0, quits = 0;
};

// The rows of one image column that are not the white background.
inline std::vector<int> MarkedRows(const QImage& image, int column) {
    std::vector<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        if (image.pixelColor(column, y) != QColor(Qt::white)) {
            rows.push_back(y);
        }
    }
    return rows;
}

// Runs `action` on the modal box once it is open (inside its own event loop).
inline void WhenModalOpens(std::function<void(QWidget&)> action) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, action = std::move(action)] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            action(*box);
        }
    });
    poll->start(1);
}

}  // namespace dorvanta::qt_test

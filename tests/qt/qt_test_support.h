// Shared pieces of the desktop tests: a scratch working directory for tests
// that start the real main window, a small form of every control kind that
// records what reached it, and a way to answer a modal box that is about to open.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/form.h"

namespace dorvanta::qt_test {

// The main window reads and creates its data file in the working directory.
class ScratchDirectory {
  public:
    ScratchDirectory() : previous_(std::filesystem::current_path()) {
        path_ = std::filesystem::temp_directory_path() /
                ("dorvanta-qt-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        std::filesystem::create_directories(path_);
        std::filesystem::current_path(path_);
    }
    ~ScratchDirectory() {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(path_);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

constexpr Color kWhite = 0xFFFFFFu;
constexpr Color kRed = 0x0000FFu;

class ProbeForm : public Form {
  public:
    explicit ProbeForm(Platform& platform)
        : Form(platform, "FormProbe", "Probe Window", 4500, 4500) {
        button = &AddButton("CommandProbe", {120, 120, 1215, 615}, "Press");
        button->onMouseDown = [this](int mouseButton) { presses.push_back(mouseButton); };
        button->onClick = [this] { ++clicks; };
        text = &AddTextBox("TextNoDigits", {120, 900, 1500, 375});
        text->onKeyPress = [](char& key) {
            if (key >= '0' && key <= '9') {
                key = 0;
            }
        };
        text->onChange = [this] { ++textChanges; };
        bar = &AddHScrollBar("HScrollProbe", {120, 1500, 2055, 375}, -10, 10, 0);
        bar->onChange = [this] { ++barChanges; };
        bar->onScroll = [this] { ++barScrolls; };
        offsetBar = &AddHScrollBar("HScrollOffset", {2400, 1500, 1500, 375}, 5, 10, 7);
        offsetBar->onChange = [this] { ++barChanges; };
        picture = &AddPicture("PictureProbe", {120, 2100, 3000, 1500}, kWhite);
        picture->onClick = [this] { ++pictureClicks; };
        MenuItem& menu = AddMenu("MenuProbe", "Probe");
        toggle = &menu.AddItem("MenuOptionToggle", "Toggle");
        toggle->onClick = [this] { toggle->SetChecked(!toggle->Checked()); };
        stubborn = &menu.AddItem("MenuOptionStubborn", "Stubborn");
        stubborn->onClick = [this] { ++stubbornClicks; };
    }

    Button* button;
    TextBox* text;
    ScrollBar* bar;
    ScrollBar* offsetBar;  // a range that excludes Qt's default value
    Picture* picture;
    MenuItem* toggle;
    MenuItem* stubborn;
    std::vector<int> presses;
    int clicks = 0;
    int textChanges = 0;
    int barChanges = 0;
    int barScrolls = 0;
    int pictureClicks = 0;
    int stubbornClicks = 0;
    int activations = 0;

  protected:
    void Form_Activate() override { ++activations; }
};

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

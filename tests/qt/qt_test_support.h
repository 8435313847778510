// Shared pieces of the desktop tests: a scratch working directory for the real
// main window, a probe window, and a way to answer a modal box about to open.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/form.h"

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

// A small window with a button and a digit-refusing text box that records
// what reaches them.
class ProbeForm : public Form {
  public:
    explicit ProbeForm(Platform& platform)
        : Form(platform, "FormProbe", "Probe Window", 4500, 4500) {
        button = &AddButton("CommandProbe", {120, 120, 1215, 615}, "Press");
        button->onMouseDown = [this](int mouseButton) { presses.push_back(mouseButton); };
        button->onClick = [this] { ++clicks; };
        text = &AddTextBox("TextNoDigits", {120, 900, 1500, 375});
        text->onKeyPress = [](char& key) { key = key >= '0' && key <= '9' ? 0 : key; };
        text->onChange = [this] { ++textChanges; };
    }

    Button* button;
    TextBox* text;
    std::vector<int> presses;
    int clicks = 0, textChanges = 0;
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

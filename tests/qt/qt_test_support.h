// Shared pieces of the desktop tests, which see GoogleTest, Qt Widgets, QtTest
// and the Qt desktop through this header: a form's window and its widgets by
// name, the real main window, and a look at a drawn picture.
#pragma once

#include <gtest/gtest.h>

#include <QtTest>
#include <QtWidgets>
#include <string>
#include <vector>

#include "../logic/records_temp_dir.h"
#include "core/form_main.h"
#include "platform/qt/qt_platform.h"

namespace dorvanta::qt_test {

// The widget of that type and name in `window`.
template <class Widget>
Widget& Find(const QWidget& window, const char* name) {
    auto* widget = window.findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return *widget;
}

// A form on the real desktop, shown in a fresh working folder (the main window
// reads and creates its data file there), and its widgets by name.
template <class ShownForm>
class FormTest : public InTempDir {
  protected:
    void SetUp() override {
        InTempDir::SetUp();
        platform_.Guarded([this] { form_.Show(); });
        ASSERT_FALSE(platform_.Ending());
        window_ = platform_.WindowOf(form_);
        ASSERT_NE(window_, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_));
    }
    template <class Widget>
    Widget& Find(const char* name) {
        return qt_test::Find<Widget>(*window_, name);
    }

    QtPlatform platform_;
    ShownForm form_{platform_};
    QWidget* window_ = nullptr;
};

// The real main window.
using MainWindowTest = FormTest<FormMain>;

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

}  // namespace dorvanta::qt_test

// The input box: a prompt, a line to type on, OK and Cancel, in the windows'
// font at the game's scale. Enter is OK and Escape is Cancel. Its owner runs
// the modal loop until it is answered.
#pragma once

#include <optional>
#include <string>

#include "platform/win32/win32_api.h"

namespace dorvanta {

class InputBoxWindow {
  public:
    InputBoxWindow(HINSTANCE instance, HWND owner, const std::string& prompt,
                   const std::string& title, double scale);
    ~InputBoxWindow();
    InputBoxWindow(const InputBoxWindow&) = delete;
    InputBoxWindow& operator=(const InputBoxWindow&) = delete;

    static void RegisterWindowClass(HINSTANCE instance);

    HWND Hwnd() const { return window_; }
    bool Answered() const { return answered_; }
    // The typed text once OK is chosen; nothing while unanswered or cancelled.
    const std::optional<std::string>& Text() const { return text_; }

  private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Answer(bool accepted);
    HWND AddChild(const wchar_t* windowClass, const std::wstring& text, DWORD style, DWORD exStyle,
                  int id, const int (&place)[4]);

    HWND window_ = nullptr;
    HWND edit_ = nullptr;
    HFONT font_ = nullptr;
    double scale_;
    bool answered_ = false;
    std::optional<std::string> text_;
};

}  // namespace dorvanta

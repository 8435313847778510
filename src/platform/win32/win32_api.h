// The Windows API for the Win32 desktop's own sources, and only for them:
// <windows.h> defines Yield (an empty macro) and MessageBox, which collide with
// the platform interface's names, so they are undefined here.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// The rest of the API needs <windows.h> first.
#include <commctrl.h>

#undef Yield
#undef MessageBox

#include <string>

namespace dorvanta {

// The game's texts are UTF-8; Windows takes UTF-16.
std::wstring Widen(const std::string& text);
std::string Narrow(const std::wstring& text);

// A caption as Windows shows it: its ampersands as characters, and its
// mnemonic, if it has one, marked at the letter's first occurrence.
std::wstring CaptionText(const std::string& caption, char mnemonic = 0);

// A window class of the game's, on the face colour of dialogs.
void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure,
                         HICON icon = nullptr);

// The object behind a window of the game's, taken from its creation
// parameter when the window is created.
template <class Self>
Self* WindowOwner(HWND hwnd, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    return reinterpret_cast<Self*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

// The windows' one font at `scale` times its design size.
HFONT CreateDesignFont(double scale);

// Labels and read-only boxes on the face colour of their window: the answer
// to WM_CTLCOLORSTATIC.
LRESULT FaceBackground(WPARAM deviceContext);

}  // namespace dorvanta

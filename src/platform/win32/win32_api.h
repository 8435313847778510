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

}  // namespace dorvanta

#include "platform/win32/win32_platform.h"

#include <cmath>
#include <limits>

#include "platform/form.h"
#include "platform/time_of_day.h"
#include "platform/win32/form_frame.h"
#include "platform/win32/input_box.h"
#include "platform/win32/win32_resources.h"

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace dorvanta {

namespace {

constexpr double kTimerTicksPerSecond = 1e7;  // a waitable timer counts 100 ns ticks
constexpr std::int64_t kFileTimeTicksPerMicro = 10;
// 1601-01-01, where file times start, to 1970-01-01, in microseconds.
constexpr std::int64_t kFileTimeEpochMicros = 11'644'473'600'000'000;
constexpr wchar_t kMessageBoxClass[] = L"#32770";
// Messages a yield that excludes the user's input still delivers.
constexpr UINT kNoInput = PM_QS_POSTMESSAGE | PM_QS_PAINT | PM_QS_SENDMESSAGE;

UINT BoxFlags(BoxButtons buttons) {
    switch (buttons) {
        case BoxButtons::OkCancel:
            return MB_OKCANCEL;
        case BoxButtons::YesNo:
            return MB_YESNO;
        case BoxButtons::Ok:
            break;
    }
    return MB_OK;
}

BoxAnswer FromPressed(int pressed) {
    switch (pressed) {
        case IDCANCEL:
            return BoxAnswer::Cancel;
        case IDYES:
            return BoxAnswer::Yes;
        case IDNO:
            return BoxAnswer::No;
        default:
            return BoxAnswer::Ok;
    }
}

// Ends the thread's open message boxes, as if cancelled.
BOOL CALLBACK CancelMessageBox(HWND hwnd, LPARAM) {
    wchar_t name[16] = {};
    GetClassNameW(hwnd, name, static_cast<int>(std::size(name)));
    if (std::wstring_view(name) == kMessageBoxClass) {
        EndDialog(hwnd, IDCANCEL);
    }
    return TRUE;
}

HANDLE RegisterBundledFont(HINSTANCE instance) {
    const HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(DORVANTA_FONT), RT_RCDATA);
    if (found == nullptr) {
        return nullptr;
    }
    DWORD fonts = 0;
    return AddFontMemResourceEx(LockResource(LoadResource(instance, found)),
                                SizeofResource(instance, found), nullptr, &fonts);
}

// Enables again, when a box closes, the windows it disabled.
struct Reenable {
    std::vector<HWND> windows;
    ~Reenable() {
        for (const HWND hwnd : windows) {
            EnableWindow(hwnd, TRUE);
        }
    }
};

// Counts a dispatch in progress, so that windows are destroyed only outside one.
class DispatchScope {
  public:
    explicit DispatchScope(int& depth) : depth_(depth) { ++depth_; }
    ~DispatchScope() { --depth_; }
    DispatchScope(const DispatchScope&) = delete;
    DispatchScope& operator=(const DispatchScope&) = delete;

  private:
    int& depth_;
};

}  // namespace

Win32Platform::Win32Platform(HINSTANCE instance, std::string applicationName)
    : instance_(instance), applicationName_(std::move(applicationName)) {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                        ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    FormFrame::RegisterClasses(instance);
    InputBoxWindow::RegisterWindowClass(instance);
    fontResource_ = RegisterBundledFont(instance);
    waitTimer_ = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                        TIMER_ALL_ACCESS);
    if (waitTimer_ == nullptr) {
        // An older system: a plain timer, with the system's tick made fine.
        waitTimer_ = CreateWaitableTimerW(nullptr, TRUE, nullptr);
        coarseTimerRaised_ = timeBeginPeriod(1) == TIMERR_NOERROR;
    }
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    countsPerSecond_ = static_cast<double>(frequency.QuadPart);
}

// The thread's queue is left as it was found: an end of the program that was
// asked for but not yet seen by a message loop leaves its quit message behind.
Win32Platform::~Win32Platform() {
    windows_.clear();
    retired_.clear();
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    if (coarseTimerRaised_) {
        timeEndPeriod(1);
    }
    if (waitTimer_ != nullptr) {
        CloseHandle(waitTimer_);
    }
    if (fontResource_ != nullptr) {
        RemoveFontMemResourceEx(fontResource_);
    }
}

void Win32Platform::Dispatch(MSG& message) {
    const DispatchScope scope(dispatchDepth_);
    const HWND root = message.hwnd == nullptr ? nullptr : GetAncestor(message.hwnd, GA_ROOT);
    for (const auto& [form, frame] : windows_) {
        if (frame->Hwnd() == root &&
            (frame->TranslateShortcut(message) || frame->TranslateKey(message))) {
            return;  // the form may have been unloaded meanwhile
        }
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

bool Win32Platform::DeliverOne(UINT removeFlags) {
    MSG message;
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | removeFlags)) {
        return false;
    }
    if (message.message == WM_QUIT) {
        SetEnding();
        exitCode_ = static_cast<int>(message.wParam);
    } else {
        Dispatch(message);
    }
    ThrowIfEnding();
    return true;
}

void Win32Platform::Yield() {
    ThrowIfEnding();
    while (DeliverOne(0)) {
    }
}

void Win32Platform::YieldExcludingInput() {
    ThrowIfEnding();
    while (DeliverOne(kNoInput)) {
    }
}

void Win32Platform::SleepForInput(double seconds) {
    if (!std::isfinite(seconds)) {
        MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        return;
    }
    LARGE_INTEGER due;
    due.QuadPart = -static_cast<LONGLONG>(seconds * kTimerTicksPerSecond);  // relative
    SetWaitableTimer(waitTimer_, &due, 0, nullptr, nullptr, FALSE);
    MsgWaitForMultipleObjectsEx(1, &waitTimer_, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

// Sleeps on the timer until the deadline, waking for every message. Windows
// wakes a sleeper up to a millisecond late, more under load; the gauge and
// flight schedules make that up at their next step, so nothing spins here.
void Win32Platform::WaitUntil(double deadline, const KeepWaiting& keepWaiting) {
    Yield();
    const auto wanted = [&keepWaiting] { return !keepWaiting || keepWaiting(); };
    while (wanted()) {
        const double remaining = deadline - MonotonicSeconds();
        if (remaining <= 0) {
            return;
        }
        SleepForInput(remaining);
        while (DeliverOne(0)) {
            if (!wanted()) {
                return;
            }
        }
    }
}

double Win32Platform::MonotonicSeconds() {
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / countsPerSecond_;
}

// Local time, so the day starts at the player's midnight.
double Win32Platform::TimeOfDay() {
    FILETIME utc, local;
    GetSystemTimePreciseAsFileTime(&utc);
    FileTimeToLocalFileTime(&utc, &local);
    const auto ticks = static_cast<std::int64_t>(
        (static_cast<std::uint64_t>(local.dwHighDateTime) << 32) | local.dwLowDateTime);
    return SecondsSinceMidnight(ticks / kFileTimeTicksPerMicro - kFileTimeEpochMicros);
}

HWND Win32Platform::BoxOwner() const {
    const HWND active = GetActiveWindow();
    for (const auto& [form, frame] : windows_) {
        if (frame->Hwnd() == active) {
            return active;
        }
    }
    return MainWindow();
}

HWND Win32Platform::MainWindow() const {
    for (const auto& [form, frame] : windows_) {
        if (form->Sizable()) {
            return frame->Hwnd();
        }
    }
    return nullptr;
}

std::vector<HWND> Win32Platform::DisableWindowsBut(HWND owner) {
    std::vector<HWND> disabled;
    for (const auto& [form, frame] : windows_) {
        const HWND hwnd = frame->Hwnd();
        if (hwnd != owner && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) {
            EnableWindow(hwnd, FALSE);
            disabled.push_back(hwnd);
        }
    }
    return disabled;
}

BoxAnswer Win32Platform::MessageBox(const std::string& text, BoxButtons buttons,
                                    const std::string& title) {
    ThrowIfEnding();
    const HWND owner = BoxOwner();
    const Reenable reenable{DisableWindowsBut(owner)};
    const int pressed =
        MessageBoxW(owner, Widen(text).c_str(),
                    Widen(title.empty() ? applicationName_ : title).c_str(), BoxFlags(buttons));
    ThrowIfEnding();
    return FromPressed(pressed);
}

// The box's own loop delivers every message, Enter and Escape to the box
// itself, until the box is answered or the program ends.
std::string Win32Platform::InputBox(const std::string& prompt, const std::string& title) {
    ThrowIfEnding();
    InputBoxWindow box(instance_, BoxOwner(), prompt, title.empty() ? applicationName_ : title,
                       scale_);
    const Reenable reenable{DisableWindowsBut(box.Hwnd())};
    while (!box.Answered() && !Ending()) {
        MSG message;
        if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
            SetEnding();
            exitCode_ = static_cast<int>(message.wParam);
        } else if (!IsDialogMessageW(box.Hwnd(), &message)) {
            Dispatch(message);
        }
    }
    ThrowIfEnding();
    return box.Text().value_or("");
}

void Win32Platform::EndProgram() {
    SetEnding();
    EnumThreadWindows(GetCurrentThreadId(), &CancelMessageBox, 0);
    PostQuitMessage(0);
    throw QuitRequested{};
}

void Win32Platform::ShowFault(const char* description) noexcept {
    MessageBoxW(BoxOwner(), Widen(description).c_str(), Widen(applicationName_).c_str(),
                MB_OK | MB_ICONERROR);
}

void Win32Platform::QuitEventLoop(int exitCode) noexcept {
    exitCode_ = exitCode;
    PostQuitMessage(exitCode);
}

int Win32Platform::Run() {
    while (!Ending()) {
        DestroyRetiredWindows();
        MSG message;
        if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
            exitCode_ = static_cast<int>(message.wParam);
            break;
        }
        Dispatch(message);
    }
    return exitCode_;
}

FormFrame* Win32Platform::Find(const Form& form) const {
    const auto found = windows_.find(&form);
    return found == windows_.end() ? nullptr : found->second.get();
}

HWND Win32Platform::WindowOf(const Form& form) const {
    const FormFrame* frame = Find(form);
    return frame == nullptr ? nullptr : frame->Hwnd();
}

HWND Win32Platform::ControlOf(const Form& form, const std::string& name) const {
    const FormFrame* frame = Find(form);
    return frame == nullptr ? nullptr : frame->ControlHwnd(name);
}

Form* Win32Platform::LoadedForm(const std::string& name) const {
    for (const auto& [form, frame] : windows_) {
        if (form->Name() == name) {
            return const_cast<Form*>(form);
        }
    }
    return nullptr;
}

void Win32Platform::FormCreated(Form& form) {
    windows_[&form] = std::make_unique<FormFrame>(*this, form);
}

void Win32Platform::FormShown(Form& form) {
    if (FormFrame* frame = Find(form)) {
        frame->Show(scale_, MainWindow());
    }
}

void Win32Platform::FormHidden(Form& form) {
    if (FormFrame* frame = Find(form)) {
        frame->Hide();
    }
}

// The window may be the one whose message is being handled further down the
// stack, so it is destroyed later; it lets go of the form's models at once.
void Win32Platform::FormDestroyed(Form& form) {
    auto node = windows_.extract(&form);
    if (node.empty()) {
        return;
    }
    node.mapped()->Detach();
    node.mapped()->Hide();
    retired_.push_back(std::move(node.mapped()));
}

void Win32Platform::DestroyRetiredWindows() {
    if (dispatchDepth_ == 0) {
        retired_.clear();
    }
}

}  // namespace dorvanta

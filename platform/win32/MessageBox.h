#pragma once

// Modal message boxes. This layer does not draw them itself: a presenter shows them (the GUI
// installs one that opens a real dialog). Without a presenter a box becomes one line on stderr.
// While the process-wide silent flag is on no box is shown at all.
//
// The answer of a box that nobody is asked about (silent, or no presenter) is its default button:
// the first button of the type (OK, Yes, Abort or Retry) unless MB_DEFBUTTON2 or MB_DEFBUTTON3 picks
// another one. For MB_OK that is IDOK.

#include "platform/win32/Types.h"
#include "platform/win32/Window.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace vex::platform::win32 {

// Buttons (the low four bits of the type).
inline constexpr UINT MB_OK = 0x0;
inline constexpr UINT MB_OKCANCEL = 0x1;
inline constexpr UINT MB_ABORTRETRYIGNORE = 0x2;
inline constexpr UINT MB_YESNOCANCEL = 0x3;
inline constexpr UINT MB_YESNO = 0x4;
inline constexpr UINT MB_RETRYCANCEL = 0x5;
inline constexpr UINT MB_TYPEMASK = 0xF;

// Icons.
inline constexpr UINT MB_ICONHAND = 0x10;
inline constexpr UINT MB_ICONERROR = MB_ICONHAND;
inline constexpr UINT MB_ICONSTOP = MB_ICONHAND;
inline constexpr UINT MB_ICONQUESTION = 0x20;
inline constexpr UINT MB_ICONEXCLAMATION = 0x30;
inline constexpr UINT MB_ICONWARNING = MB_ICONEXCLAMATION;
inline constexpr UINT MB_ICONASTERISK = 0x40;
inline constexpr UINT MB_ICONINFORMATION = MB_ICONASTERISK;
inline constexpr UINT MB_ICONMASK = 0xF0;

// Default button.
inline constexpr UINT MB_DEFBUTTON1 = 0x000;
inline constexpr UINT MB_DEFBUTTON2 = 0x100;
inline constexpr UINT MB_DEFBUTTON3 = 0x200;
inline constexpr UINT MB_DEFMASK = 0xF00;

// Window behaviour; passed on to the presenter.
inline constexpr UINT MB_APPLMODAL = 0x00000;
inline constexpr UINT MB_SYSTEMMODAL = 0x01000;
inline constexpr UINT MB_TASKMODAL = 0x02000;
inline constexpr UINT MB_SETFOREGROUND = 0x10000;
inline constexpr UINT MB_TOPMOST = 0x40000;

// Answers.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

/// Shows a box and returns the button pressed (IDOK, IDYES, ...).
using MessageBoxPresenter =
    std::function<int(HWND owner, const std::string& text, const std::string& caption, UINT type)>;

/// Shows a modal box owned by `owner` and returns the button pressed. A null `text` is empty; a null
/// `caption` is "Error", as on Windows. Suppressed while the silent flag is on (see the top of
/// this file for the answer); otherwise shown by the presenter, or written to stderr as one line
/// "caption: text" when there is none.
int MessageBox(HWND owner, const char* text, const char* caption, UINT type);

/// Turns the process-wide silent flag on or off.
void SetMessageBoxSilent(bool silent);

/// Whether message boxes are being suppressed.
bool IsMessageBoxSilent();

/// Installs the presenter used from now on (an empty function removes it) and returns the previous.
MessageBoxPresenter SetMessageBoxPresenter(MessageBoxPresenter presenter);

/// The button a box of `type` answers with when nobody presses one.
int DefaultMessageBoxAnswer(UINT type);

/// Shows "<operation> failed with error <GetLastError()>: <system text of the code>" in a box
/// titled "Error" with an OK button, and returns that text (also when the box is suppressed).
std::string ReportLastError(const char* operation);

/// For tests: for its lifetime it is the presenter. It records every box shown and answers with
/// the scripted answers in order, IDOK once they run out. The previous presenter comes back on
/// destruction.
class MessageBoxRecorder {
public:
    /// One box as it was shown.
    struct Box {
        HWND owner;
        std::string text;
        std::string caption;
        UINT type;
    };

    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    /// Queues the answer for the next box not yet answered.
    void Answer(int button) { answers_.push_back(button); }

    /// Every box shown so far, oldest first.
    const std::vector<Box>& Boxes() const { return boxes_; }

    /// Forgets the recorded boxes and the queued answers.
    void Clear();

private:
    int Present(HWND owner, const std::string& text, const std::string& caption, UINT type);

    MessageBoxPresenter previous_;
    std::vector<Box> boxes_;
    std::deque<int> answers_;
};

} // namespace vex::platform::win32

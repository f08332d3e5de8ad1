#include "platform/win32/MessageBox.h"

#include "platform/win32/Errors.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <mutex>
#include <utility>

namespace vex::platform::win32 {

namespace {

std::atomic<bool> silentFlag{false};

struct PresenterSlot {
    std::mutex mutex;
    MessageBoxPresenter presenter;
};

PresenterSlot& GetPresenterSlot() {
    static PresenterSlot slot;
    return slot;
}

} // namespace

int DefaultMessageBoxAnswer(UINT type) {
    static constexpr int kButtons[][3] = {
        {IDOK, IDOK, IDOK},           // MB_OK
        {IDOK, IDCANCEL, IDOK},       // MB_OKCANCEL
        {IDABORT, IDRETRY, IDIGNORE}, // MB_ABORTRETRYIGNORE
        {IDYES, IDNO, IDCANCEL},      // MB_YESNOCANCEL
        {IDYES, IDNO, IDYES},         // MB_YESNO
        {IDRETRY, IDCANCEL, IDRETRY}, // MB_RETRYCANCEL
    };
    static constexpr int kButtonCounts[] = {1, 2, 3, 3, 2, 2};
    const UINT buttons = type & MB_TYPEMASK;
    if (buttons >= std::size(kButtonCounts)) return IDOK;
    const int chosen = static_cast<int>((type & MB_DEFMASK) >> 8);
    return kButtons[buttons][chosen < kButtonCounts[buttons] ? chosen : 0];
}

int MessageBox(HWND owner, const char* text, const char* caption, UINT type) {
    if (IsMessageBoxSilent()) return DefaultMessageBoxAnswer(type);
    const std::string body = text != nullptr ? text : "";
    const std::string title = caption != nullptr ? caption : "Error";

    MessageBoxPresenter presenter;
    {
        PresenterSlot& slot = GetPresenterSlot();
        std::lock_guard lock(slot.mutex);
        presenter = slot.presenter;
    }
    if (presenter) return presenter(owner, body, title, type);

    std::string line = title + ": " + body;
    std::replace(line.begin(), line.end(), '\n', ' ');
    std::fprintf(stderr, "%s\n", line.c_str());
    return DefaultMessageBoxAnswer(type);
}

void SetMessageBoxSilent(bool silent) {
    silentFlag.store(silent);
}

bool IsMessageBoxSilent() {
    return silentFlag.load();
}

MessageBoxPresenter SetMessageBoxPresenter(MessageBoxPresenter presenter) {
    PresenterSlot& slot = GetPresenterSlot();
    std::lock_guard lock(slot.mutex);
    return std::exchange(slot.presenter, std::move(presenter));
}

std::string ReportLastError(const char* operation) {
    const DWORD code = GetLastError();
    const std::string text = std::string(operation != nullptr ? operation : "") + " failed with error " +
                             std::to_string(static_cast<int>(code)) + ": " + GetErrorMessageText(code);
    MessageBox(nullptr, text.c_str(), "Error", MB_OK);
    return text;
}

MessageBoxRecorder::MessageBoxRecorder()
    : previous_(SetMessageBoxPresenter([this](HWND owner, const std::string& text, const std::string& caption,
                                              UINT type) { return Present(owner, text, caption, type); })) {}

MessageBoxRecorder::~MessageBoxRecorder() {
    SetMessageBoxPresenter(std::move(previous_));
}

void MessageBoxRecorder::Clear() {
    boxes_.clear();
    answers_.clear();
}

int MessageBoxRecorder::Present(HWND owner, const std::string& text, const std::string& caption, UINT type) {
    boxes_.push_back({owner, text, caption, type});
    if (answers_.empty()) return IDOK;
    const int answer = answers_.front();
    answers_.pop_front();
    return answer;
}

} // namespace vex::platform::win32

#include "platform/win32/HelperProcessMediaPlayer.h"

#include "platform/Dispatch.h"
#include "platform/win32/SystemErrorText.h"
#include "platform/win32/Utf16.h"
#include "platform/win32/WindowSystem.h"

#include <utility>

namespace vorlane::win32 {

namespace {

constexpr wchar_t kPlayerClass[] = L"TVorlaneSoundPlayer";
// Posted to the player's own window: the sound ended (wParam the helper), a helper's process
// ended (wParam the helper), a request failed without an answer outside the caller's reach.
constexpr UINT kEndedNotice = WM_APP + 0x54;
constexpr UINT kHelperEndedNotice = WM_APP + 0x55;
constexpr UINT kFailedNotice = WM_APP + 0x56;
// Looks after helpers asked to close: one that has not ended after kCloseDeadlineMs is ended.
constexpr UINT_PTR kClosingTimer = 1;
constexpr UINT kClosingTimerMs = 500;
constexpr ULONGLONG kCloseDeadlineMs = 2000;

std::wstring RunningExe() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

} // namespace

struct HelperProcessMediaPlayer::Helper {
    Helper(std::uint32_t number, HWND player) : id(number), client(player) {}
    ~Helper() {
        if (wait != nullptr) {
            // Waits for a callback under way, so none runs on a helper that is gone.
            UnregisterWaitEx(wait, INVALID_HANDLE_VALUE);
        }
    }
    Helper(const Helper&) = delete;
    Helper& operator=(const Helper&) = delete;

    bool Ended() const { return WaitForSingleObject(process.Get(), 0) == WAIT_OBJECT_0; }
    void End() const { TerminateProcess(process.Get(), 1); }

    const std::uint32_t id;
    const HWND client;
    UniqueKernelObject process;
    DWORD processId = 0;
    HANDLE wait = nullptr;
    // The helper's window, known from its first answer.
    HWND window = nullptr;
    MediaMode mode = MediaMode::NoDevice;
    std::map<std::uint32_t, SoundAnswer> answers;
    // Calls waiting for an answer of this helper.
    int waiters = 0;
    ULONGLONG closeBy = 0;
};

HelperProcessMediaPlayer::HelperProcessMediaPlayer(HINSTANCE instance,
                                                   std::function<void()> processMessages,
                                                   std::wstring helperExe)
    : instance_(instance), processMessages_(std::move(processMessages)),
      helperExe_(helperExe.empty() ? RunningExe() : std::move(helperExe)) {
    RegisterWindowClass(instance, kPlayerClass, WindowProc);
    CreateWindowExW(0, kPlayerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, this);
}

HelperProcessMediaPlayer::~HelperProcessMediaPlayer() {
    // Nothing is waited for here: a helper still running is ended.
    if (current_) {
        current_->End();
    }
    for (const auto& helper : closing_) {
        helper->End();
    }
    current_.reset();
    closing_.clear();
}

LRESULT CALLBACK HelperProcessMediaPlayer::WindowProc(HWND window, UINT message, WPARAM wParam,
                                                      LPARAM lParam) {
    auto* self = WindowOwner(window, message, lParam, &HelperProcessMediaPlayer::window_);
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    switch (message) {
    case WM_COPYDATA:
        return self->Received(reinterpret_cast<HWND>(wParam),
                              *reinterpret_cast<const COPYDATASTRUCT*>(lParam))
                   ? TRUE
                   : FALSE;
    case kEndedNotice:
        if (self->Current(static_cast<std::uint32_t>(wParam)) != nullptr && self->OnPlaybackEnded) {
            Dispatch(self->OnPlaybackEnded);
        }
        return 0;
    case kHelperEndedNotice:
        self->HelperEndedNotice(static_cast<std::uint32_t>(wParam));
        return 0;
    case kFailedNotice:
        // Only while nothing was opened since the helper that failed.
        if (!self->current_ && self->nextHelper_ == static_cast<std::uint32_t>(wParam) + 1) {
            const std::string text = self->errorText_;
            Dispatch([self, text] {
                if (self->OnDeviceFailed) {
                    self->OnDeviceFailed(text);
                }
            });
        }
        return 0;
    case WM_TIMER:
        if (wParam == kClosingTimer) {
            self->ForgetEnded();
        }
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

void CALLBACK HelperProcessMediaPlayer::HelperEnded(void* context, BOOLEAN /*timedOut*/) {
    // On a thread of the system's pool: only the player's own window is told.
    const auto* helper = static_cast<const Helper*>(context);
    PostMessageW(helper->client, kHelperEndedNotice, helper->id, 0);
}

bool HelperProcessMediaPlayer::Received(HWND sender, const COPYDATASTRUCT& data) {
    Helper* helper = current_.get();
    if (helper == nullptr) {
        return true;
    }
    if (helper->window == nullptr) {
        DWORD processId = 0;
        GetWindowThreadProcessId(sender, &processId);
        if (processId != helper->processId) {
            return true;
        }
    } else if (sender != helper->window) {
        // A helper asked to close that is still finishing.
        return true;
    }
    const std::optional<SoundAnswer> answer = DecodeSoundAnswer(data.lpData, data.cbData);
    if (!answer) {
        return true;
    }
    helper->window = sender;
    helper->mode = answer->mode;
    if (data.dwData == kSoundAnswer) {
        helper->answers[answer->request] = *answer;
    } else if (data.dwData == kSoundEnded) {
        // Told after the helper's answer is back, not inside its send.
        PostMessageW(window_.Get(), kEndedNotice, helper->id, 0);
    }
    return true;
}

void HelperProcessMediaPlayer::HelperEndedNotice(std::uint32_t helper) {
    if (current_ && current_->id == helper) {
        if (current_->waiters > 0) {
            // The call waiting for it sees it end and says so.
            return;
        }
        errorCode_ = 0;
        errorText_ = kMediaDeviceGone;
        LetGo(true);
        ForgetEnded();
        const std::string text = errorText_;
        Dispatch([this, text] {
            if (OnDeviceFailed) {
                OnDeviceFailed(text);
            }
        });
        return;
    }
    ForgetEnded();
}

void HelperProcessMediaPlayer::ForgetEnded() {
    const ULONGLONG now = GetTickCount64();
    std::vector<std::unique_ptr<Helper>> ended;
    for (auto helper = closing_.begin(); helper != closing_.end();) {
        if ((*helper)->Ended()) {
            ended.push_back(std::move(*helper));
            helper = closing_.erase(helper);
            continue;
        }
        if (now >= (*helper)->closeBy) {
            (*helper)->End();
        }
        ++helper;
    }
    if (closing_.empty()) {
        KillTimer(window_.Get(), kClosingTimer);
    }
}

std::unique_ptr<HelperProcessMediaPlayer::Helper> HelperProcessMediaPlayer::Start() {
    auto helper = std::make_unique<Helper>(nextHelper_++, window_.Get());
    std::wstring commandLine = L"\"" + helperExe_ + L"\" " + kSoundHelperArgument + L" " +
                               std::to_wstring(reinterpret_cast<UINT_PTR>(window_.Get())) + L" " +
                               std::to_wstring(GetCurrentProcessId()) + L" \"" + Widen(fileName_) +
                               L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    // The helper shows nothing: the pointer does not turn to "starting" for it.
    startup.dwFlags = STARTF_FORCEOFFFEEDBACK;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(helperExe_.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &started)) {
        errorCode_ = 0;
        errorText_ = "Das Mediengerät ließ sich nicht starten: " + SystemErrorText(GetLastError());
        return nullptr;
    }
    CloseHandle(started.hThread);
    helper->process.Reset(started.hProcess);
    helper->processId = started.dwProcessId;
    if (!RegisterWaitForSingleObject(&helper->wait, started.hProcess, HelperEnded, helper.get(),
                                     INFINITE, WT_EXECUTEONLYONCE)) {
        // Without the watch an ending is still seen by the next request.
        helper->wait = nullptr;
    }
    return helper;
}

HelperProcessMediaPlayer::Helper* HelperProcessMediaPlayer::Current(std::uint32_t helper) const {
    return current_ && current_->id == helper ? current_.get() : nullptr;
}

HelperProcessMediaPlayer::Outcome
HelperProcessMediaPlayer::Await(std::uint32_t helper, std::uint32_t request, unsigned deadlineMs) {
    const ULONGLONG end = GetTickCount64() + deadlineMs;
    bool quitting = false;
    for (;;) {
        const Helper* waitedFor = Current(helper);
        if (waitedFor == nullptr) {
            return Outcome::Superseded;
        }
        if (waitedFor->answers.contains(request)) {
            return Outcome::Answered;
        }
        if (waitedFor->Ended()) {
            return Outcome::Gone;
        }
        const ULONGLONG now = GetTickCount64();
        if (now >= end) {
            return Outcome::NoAnswer;
        }
        // The helper's answer is a sent message, handled by any look at the queue; the rest of
        // the program's messages are handled as its loop would, unless the loop is to end.
        const HANDLE process = waitedFor->process.Get();
        MsgWaitForMultipleObjectsEx(1, &process, static_cast<DWORD>(end - now),
                                    quitting ? QS_SENDMESSAGE : QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        MSG message;
        if (quitting) {
            PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        } else {
            processMessages_();
            quitting = PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != FALSE;
        }
    }
}

HelperProcessMediaPlayer::Outcome HelperProcessMediaPlayer::Request(SoundCommand command,
                                                                    SoundAnswer& answer) {
    if (!current_ || current_->window == nullptr) {
        // None open, or one still opening (asked from a message handled while it opens).
        throw EMediaDeviceError(kNoMediaDeviceOpen);
    }
    const std::uint32_t helper = current_->id;
    const std::uint32_t request = nextRequest_++;
    if (!PostMessageW(current_->window, kSoundRequest, static_cast<WPARAM>(command),
                      static_cast<LPARAM>(request))) {
        return Outcome::Gone;
    }
    ++current_->waiters;
    const Outcome outcome = Await(helper, request, kRequestDeadlineMs);
    if (Helper* waitedFor = Current(helper)) {
        --waitedFor->waiters;
        if (outcome == Outcome::Answered) {
            answer = waitedFor->answers[request];
            waitedFor->answers.erase(request);
        }
    }
    return outcome;
}

void HelperProcessMediaPlayer::Failed(Outcome outcome) {
    errorCode_ = 0;
    errorText_ = outcome == Outcome::NoAnswer ? kMediaDeviceNoAnswer : kMediaDeviceGone;
    LetGo(true);
}

void HelperProcessMediaPlayer::LetGo(bool kill) {
    if (!current_) {
        return;
    }
    if (kill || current_->window == nullptr ||
        !PostMessageW(current_->window, kSoundRequest, static_cast<WPARAM>(SoundCommand::Close),
                      0)) {
        current_->End();
    }
    current_->closeBy = GetTickCount64() + kCloseDeadlineMs;
    closing_.push_back(std::move(current_));
    SetTimer(window_.Get(), kClosingTimer, kClosingTimerMs, nullptr);
}

void HelperProcessMediaPlayer::Open() {
    Close();
    errorCode_ = 0;
    errorText_.clear();
    std::unique_ptr<Helper> started = Start();
    if (!started) {
        throw EMediaDeviceError(errorText_);
    }
    const std::uint32_t helper = started->id;
    current_ = std::move(started);
    ++current_->waiters;
    const Outcome outcome = Await(helper, kOpeningRequest, kOpenDeadlineMs);
    Helper* opening = Current(helper);
    if (opening == nullptr) {
        // Closed, or another sound opened, by a message handled meanwhile.
        return;
    }
    --opening->waiters;
    if (outcome != Outcome::Answered) {
        Failed(outcome);
        throw EMediaDeviceError(errorText_);
    }
    const SoundAnswer answer = opening->answers[kOpeningRequest];
    opening->answers.erase(kOpeningRequest);
    errorCode_ = answer.errorCode;
    errorText_ = answer.errorText;
    if (answer.raised) {
        // The helper ends by itself after a failed opening.
        LetGo(false);
        throw EMediaDeviceError(answer.raisedText);
    }
}

void HelperProcessMediaPlayer::Close() {
    LetGo(false);
}

void HelperProcessMediaPlayer::Play() {
    SoundAnswer answer;
    const Outcome outcome = Request(SoundCommand::Play, answer);
    if (outcome == Outcome::Superseded) {
        return;
    }
    if (outcome != Outcome::Answered) {
        Failed(outcome);
        throw EMediaDeviceError(errorText_);
    }
    errorCode_ = answer.errorCode;
    errorText_ = answer.errorText;
    if (answer.raised) {
        throw EMediaDeviceError(answer.raisedText);
    }
}

void HelperProcessMediaPlayer::Command(SoundCommand command) {
    const std::uint32_t helper = current_ ? current_->id : 0;
    SoundAnswer answer;
    const Outcome outcome = Request(command, answer);
    if (outcome == Outcome::Superseded) {
        return;
    }
    if (outcome != Outcome::Answered) {
        // The caller goes on as with a device that kept its error code; the failure reaches
        // the program once, through OnDeviceFailed, after the call.
        Failed(outcome);
        PostMessageW(window_.Get(), kFailedNotice, helper, 0);
        return;
    }
    errorCode_ = answer.errorCode;
    errorText_ = answer.errorText;
    if (answer.raised) {
        throw EMediaDeviceError(answer.raisedText);
    }
}

void HelperProcessMediaPlayer::Pause() {
    Command(SoundCommand::Pause);
}

void HelperProcessMediaPlayer::Stop() {
    Command(SoundCommand::Stop);
}

void HelperProcessMediaPlayer::Rewind() {
    Command(SoundCommand::Rewind);
}

MediaMode HelperProcessMediaPlayer::Mode() {
    return current_ ? current_->mode : MediaMode::NoDevice;
}

DWORD HelperProcessMediaPlayer::HelperProcessId() const {
    return current_ ? current_->processId : 0;
}

} // namespace vorlane::win32

#include "platform/win32/HelperProcessMediaPlayer.h"

#include "platform/Dispatch.h"
#include "platform/win32/SystemErrorText.h"
#include "platform/win32/Utf16.h"
#include "platform/win32/WindowSystem.h"

#include <algorithm>
#include <utility>

namespace vorlane::win32 {

namespace {

constexpr wchar_t kPlayerClass[] = L"TVorlaneSoundPlayer";
// Posted to the player's own window: a request failed without an answer outside the caller's
// reach (wParam the helper).
constexpr UINT kFailedNotice = WM_APP + 0x56;
// Watches the helpers while any runs: one that ended by itself is told, one asked to close that
// has not ended after kCloseDeadlineMs is ended. A timer of the program's own loop rather than
// a wait of the system's thread pool, whose threads would stay in the program.
constexpr UINT_PTR kWatchTimer = 1;
constexpr UINT kWatchTimerMs = 250;
constexpr ULONGLONG kCloseDeadlineMs = 2000;
// How often a wait looks into the pipe.
constexpr DWORD kPipeLookMs = 5;

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
    explicit Helper(std::uint32_t number) : id(number) {}
    Helper(const Helper&) = delete;
    Helper& operator=(const Helper&) = delete;

    bool Ended() const { return WaitForSingleObject(process.Get(), 0) == WAIT_OBJECT_0; }
    void End() const { TerminateProcess(process.Get(), 1); }

    const std::uint32_t id;
    UniqueKernelObject process;
    // The reading end of the pipe the helper answers into, and what came of an answer so far.
    UniqueKernelObject answerPipe;
    std::string unread;
    DWORD processId = 0;
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
    : processMessages_(std::move(processMessages)),
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
    case kSoundEndedNotice:
        if (self->current_ && self->current_->processId == static_cast<DWORD>(lParam)) {
            self->current_->mode = MediaMode::Stopped;
            if (self->OnPlaybackEnded) {
                Dispatch(self->OnPlaybackEnded);
            }
        }
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
        if (wParam == kWatchTimer) {
            self->Watch();
        }
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

void HelperProcessMediaPlayer::Drain(Helper& helper) {
    for (;;) {
        DWORD available = 0;
        if (!PeekNamedPipe(helper.answerPipe.Get(), nullptr, 0, nullptr, &available, nullptr) ||
            available == 0) {
            break;
        }
        std::string chunk(available, '\0');
        DWORD read = 0;
        if (!ReadFile(helper.answerPipe.Get(), chunk.data(), available, &read, nullptr) ||
            read == 0) {
            break;
        }
        helper.unread.append(chunk.data(), read);
    }
    std::vector<SoundAnswer> answers;
    TakeSoundAnswers(helper.unread, answers);
    for (const SoundAnswer& answer : answers) {
        helper.window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(answer.window));
        helper.mode = answer.mode;
        helper.answers[answer.request] = answer;
    }
}

void HelperProcessMediaPlayer::Watch() {
    if (current_ && current_->waiters == 0 && current_->Ended()) {
        // Ended by itself outside any call (a call waiting for it sees it end and says so).
        errorCode_ = 0;
        errorText_ = kMediaDeviceGone;
        LetGo(true);
        const std::string text = errorText_;
        Dispatch([this, text] {
            if (OnDeviceFailed) {
                OnDeviceFailed(text);
            }
        });
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
    if (closing_.empty() && !current_) {
        KillTimer(window_.Get(), kWatchTimer);
    }
}

std::unique_ptr<HelperProcessMediaPlayer::Helper> HelperProcessMediaPlayer::Start() {
    auto helper = std::make_unique<Helper>(nextHelper_++);
    std::wstring commandLine = L"\"" + helperExe_ + L"\" " + kSoundHelperArgument + L" " +
                               std::to_wstring(reinterpret_cast<UINT_PTR>(window_.Get())) + L" " +
                               std::to_wstring(GetCurrentProcessId()) + L" \"" + Widen(fileName_) +
                               L"\"";
    // The helper answers into a pipe: only its writing end is handed down.
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE reading = nullptr;
    HANDLE writing = nullptr;
    if (!CreatePipe(&reading, &writing, &inherited, 0)) {
        errorCode_ = 0;
        errorText_ = "Das Mediengerät ließ sich nicht starten: " + SystemErrorText(GetLastError());
        return nullptr;
    }
    helper->answerPipe.Reset(reading);
    const UniqueKernelObject handedDown(writing);
    SetHandleInformation(reading, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    // The helper shows nothing: the pointer does not turn to "starting" for it.
    startup.dwFlags = STARTF_FORCEOFFFEEDBACK | STARTF_USESTDHANDLES;
    startup.hStdOutput = writing;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(helperExe_.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                        nullptr, &startup, &started)) {
        errorCode_ = 0;
        errorText_ = "Das Mediengerät ließ sich nicht starten: " + SystemErrorText(GetLastError());
        return nullptr;
    }
    CloseHandle(started.hThread);
    helper->process.Reset(started.hProcess);
    helper->processId = started.dwProcessId;
    SetTimer(window_.Get(), kWatchTimer, kWatchTimerMs, nullptr);
    return helper;
}

HelperProcessMediaPlayer::Helper* HelperProcessMediaPlayer::Current(std::uint32_t helper) const {
    return current_ && current_->id == helper ? current_.get() : nullptr;
}

HelperProcessMediaPlayer::Outcome
HelperProcessMediaPlayer::Await(std::uint32_t helper, std::uint32_t request, unsigned deadlineMs) {
    const ULONGLONG start = GetTickCount64();
    const ULONGLONG end = start + deadlineMs;
    bool quitting = false;
    for (;;) {
        Helper* waitedFor = Current(helper);
        if (waitedFor == nullptr) {
            return Outcome::Superseded;
        }
        Drain(*waitedFor);
        if (waitedFor->answers.contains(request)) {
            return Outcome::Answered;
        }
        if (waitedFor->Ended()) {
            // What it wrote before it ended counts.
            Drain(*waitedFor);
            return waitedFor->answers.contains(request) ? Outcome::Answered : Outcome::Gone;
        }
        const ULONGLONG now = GetTickCount64();
        if (now >= end) {
            return Outcome::NoAnswer;
        }
        const DWORD pause = static_cast<DWORD>(std::min<ULONGLONG>(kPipeLookMs, end - now));
        const HANDLE process = waitedFor->process.Get();
        if (now < start + kQuietMs || quitting) {
            // A helper answers within this time, as a device in this process would have: the
            // program waits as it did for its own device, and nothing else happens meanwhile.
            WaitForSingleObject(process, pause);
            continue;
        }
        // A helper that takes longer does not hold the program up: its messages are handled
        // as its loop would, unless the loop is to end.
        MsgWaitForMultipleObjectsEx(1, &process, pause, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        processMessages_();
        MSG message;
        quitting = PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != FALSE;
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
    SetTimer(window_.Get(), kWatchTimer, kWatchTimerMs, nullptr);
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

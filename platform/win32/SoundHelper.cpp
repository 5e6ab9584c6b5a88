#include "platform/win32/SoundHelper.h"

#include "platform/win32/Handles.h"
#include "platform/win32/MciMediaPlayer.h"
#include "platform/win32/SoundHelperProtocol.h"
#include "platform/win32/Utf16.h"
#include "platform/win32/WindowSystem.h"

#include <cwchar>
#include <functional>
#include <optional>

namespace vorlane::win32 {

namespace {

constexpr wchar_t kHelperClass[] = L"TVorlaneSoundHelper";

std::optional<unsigned long long> Number(const wchar_t* text) {
    if (text == nullptr || *text == L'\0') {
        return std::nullopt;
    }
    wchar_t* end = nullptr;
    const unsigned long long value = std::wcstoull(text, &end, 10);
    if (end == nullptr || *end != L'\0') {
        return std::nullopt;
    }
    return value;
}

// The helper's message window, which takes the program's requests.
class SoundHelper {
public:
    SoundHelper(HINSTANCE instance, HWND program) : program_(program), device_(instance) {
        RegisterWindowClass(instance, kHelperClass, WindowProc);
        CreateWindowExW(0, kHelperClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, this);
        device_.OnPlaybackEnded = [this] {
            if (!PostMessageW(program_, kSoundEndedNotice, 0,
                              static_cast<LPARAM>(GetCurrentProcessId()))) {
                Gone();
            }
        };
    }

    bool Ready() const { return window_.Valid(); }

    // Opens the sound and tells the program; false when it did not open or nobody heard it.
    bool Open(const std::string& path) {
        device_.SetFileName(path);
        SoundAnswer answer;
        try {
            device_.Open();
            answer = Answer(kOpeningRequest);
        } catch (const std::exception& error) {
            answer = Answer(kOpeningRequest);
            answer.raised = true;
            answer.raisedText = error.what();
        }
        return Tell(answer) && !answer.raised;
    }

    bool Closed() const { return closed_; }
    bool ProgramGone() const { return programGone_; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = WindowOwner(window, message, lParam, &SoundHelper::window_);
        if (message == kSoundRequest && self != nullptr) {
            self->Handle(static_cast<SoundCommand>(wParam), static_cast<std::uint32_t>(lParam));
            return 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    SoundAnswer Answer(std::uint32_t request) {
        SoundAnswer answer;
        answer.request = request;
        answer.errorCode = device_.ErrorCode();
        answer.mode = device_.Mode();
        answer.errorText = device_.ErrorMessage();
        answer.window = reinterpret_cast<std::uint64_t>(window_.Get());
        return answer;
    }

    void Handle(SoundCommand command, std::uint32_t request) {
        std::optional<std::string> raised;
        try {
            switch (command) {
            case SoundCommand::Play:
                device_.Play();
                break;
            case SoundCommand::Pause:
                device_.Pause();
                break;
            case SoundCommand::Stop:
                device_.Stop();
                break;
            case SoundCommand::Rewind:
                device_.Rewind();
                break;
            case SoundCommand::Close:
                device_.Close();
                closed_ = true;
                PostQuitMessage(0);
                return;
            }
        } catch (const std::exception& error) {
            raised = error.what();
        }
        SoundAnswer answer = Answer(request);
        answer.raised = raised.has_value();
        answer.raisedText = raised.value_or("");
        Tell(answer);
    }

    // Writes the answer into the program's pipe; a pipe nobody reads any more ends the helper.
    bool Tell(const SoundAnswer& answer) {
        const std::string frame = EncodeSoundAnswer(answer);
        DWORD written = 0;
        if (!WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), frame.data(),
                       static_cast<DWORD>(frame.size()), &written, nullptr) ||
            written != frame.size()) {
            Gone();
            return false;
        }
        return true;
    }

    void Gone() {
        programGone_ = true;
        PostQuitMessage(0);
    }

    HWND program_;
    UniqueWindow window_;
    MciMediaPlayer device_;
    bool closed_ = false;
    bool programGone_ = false;
};

} // namespace

bool IsSoundHelperCall(int argc, wchar_t** argv) {
    return argc == 5 && std::wcscmp(argv[1], kSoundHelperArgument) == 0 && Number(argv[2]) &&
           Number(argv[3]) && argv[4][0] != L'\0';
}

int RunSoundHelper(HINSTANCE instance, int argc, wchar_t** argv) {
    if (!IsSoundHelperCall(argc, argv)) {
        return 2;
    }
    const HWND program = reinterpret_cast<HWND>(static_cast<UINT_PTR>(*Number(argv[2])));
    // The helper lives no longer than the program that started it, even one that was killed.
    const UniqueKernelObject programProcess(
        OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(*Number(argv[3]))));
    if (!programProcess.Valid() || !IsWindow(program)) {
        return 2;
    }
    SoundHelper helper(instance, program);
    if (!helper.Ready() || !helper.Open(Narrow(argv[4]))) {
        return 1;
    }
    const HANDLE waitFor = programProcess.Get();
    for (;;) {
        const DWORD woken = MsgWaitForMultipleObjects(1, &waitFor, FALSE, INFINITE, QS_ALLINPUT);
        if (woken != WAIT_OBJECT_0 + 1) {
            return 0;
        }
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                return helper.ProgramGone() ? 1 : 0;
            }
            DispatchMessageW(&message);
        }
    }
}

} // namespace vorlane::win32

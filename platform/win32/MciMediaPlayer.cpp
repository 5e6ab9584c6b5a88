#include "platform/win32/MciMediaPlayer.h"

#include "platform/Dispatch.h"
#include "platform/win32/Utf16.h"
#include "platform/win32/WindowSystem.h"

#include <optional>

namespace vorlane::win32 {

namespace {

constexpr wchar_t kNotifyClass[] = L"TVorlaneMediaNotify";

MediaMode ModeOf(DWORD_PTR mode) {
    switch (mode) {
    case MCI_MODE_NOT_READY:
        return MediaMode::NotReady;
    case MCI_MODE_STOP:
        return MediaMode::Stopped;
    case MCI_MODE_PLAY:
        return MediaMode::Playing;
    case MCI_MODE_RECORD:
        return MediaMode::Recording;
    case MCI_MODE_SEEK:
        return MediaMode::Seeking;
    case MCI_MODE_PAUSE:
        return MediaMode::Paused;
    case MCI_MODE_OPEN:
        return MediaMode::Open;
    default:
        return MediaMode::NotReady;
    }
}

// The devices take a file name of at most MAX_PATH - 1 characters. A longer path is handed
// over by its short name, which the file system keeps for every file where it keeps any;
// none when even that is too long.
std::optional<std::wstring> NameTheDeviceTakes(const std::wstring& path) {
    if (path.size() < MAX_PATH) {
        return path;
    }
    // The long form reaches past the limit: "\\?\" before a drive, "\\?\UNC\" before a share.
    const bool share = path.starts_with(L"\\\\");
    const std::wstring prefix = share ? L"\\\\?\\UNC\\" : L"\\\\?\\";
    const std::wstring longForm = prefix + (share ? path.substr(2) : path);
    std::wstring shortForm(longForm.size() + 1, L'\0');
    const DWORD length =
        GetShortPathNameW(longForm.c_str(), shortForm.data(), static_cast<DWORD>(shortForm.size()));
    if (length == 0 || length >= shortForm.size()) {
        return std::nullopt;
    }
    shortForm.resize(length);
    if (shortForm.starts_with(prefix)) {
        shortForm = (share ? L"\\\\" : L"") + shortForm.substr(prefix.size());
    }
    if (shortForm.size() >= MAX_PATH) {
        return std::nullopt;
    }
    return shortForm;
}

} // namespace

MciMediaPlayer::MciMediaPlayer(HINSTANCE instance) {
    RegisterWindowClass(instance, kNotifyClass, WindowProc);
    CreateWindowExW(0, kNotifyClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, this);
}

MciMediaPlayer::~MciMediaPlayer() {
    Close();
}

LRESULT CALLBACK MciMediaPlayer::WindowProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    auto* self = WindowOwner(window, message, lParam, &MciMediaPlayer::window_);
    if (message == MM_MCINOTIFY && self != nullptr) {
        if (wParam == MCI_NOTIFY_SUCCESSFUL) {
            self->PlayNotified(static_cast<MCIDEVICEID>(lParam));
        }
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void MciMediaPlayer::PlayNotified(MCIDEVICEID device) {
    // Only the end of the play under way counts. Some devices name no device in the
    // notification (MP3), so a notification of another device is left out only when it names
    // one; and a device that still plays has not reached the end, unless it stands at its
    // length: some devices report the end from their own thread before they leave the play.
    if (!awaitingEnd_ || device_ == 0 || (device != 0 && device != device_) ||
        (Mode() == MediaMode::Playing && !StandsAtItsEnd())) {
        return;
    }
    awaitingEnd_ = false;
    ended_ = true;
    if (OnPlaybackEnded) {
        Dispatch(OnPlaybackEnded);
    }
}

void MciMediaPlayer::RequireDevice() const {
    if (device_ == 0) {
        throw EMediaDeviceError(kNoMediaDeviceOpen);
    }
}

void MciMediaPlayer::Send(UINT command, DWORD flags) {
    MCI_GENERIC_PARMS parameters{};
    error_ = mciSendCommandW(device_, command, flags | MCI_WAIT,
                             reinterpret_cast<DWORD_PTR>(&parameters));
}

bool MciMediaPlayer::Status(DWORD item, DWORD_PTR& value) {
    MCI_STATUS_PARMS status{};
    status.dwItem = item;
    const MCIERROR error = mciSendCommandW(device_, MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT,
                                           reinterpret_cast<DWORD_PTR>(&status));
    value = status.dwReturn;
    return error == 0;
}

bool MciMediaPlayer::StandsAtItsEnd() {
    DWORD_PTR position = 0;
    DWORD_PTR length = 0;
    return Status(MCI_STATUS_POSITION, position) && Status(MCI_STATUS_LENGTH, length) &&
           length > 0 && position >= length;
}

void MciMediaPlayer::Open() {
    Close();
    refusal_.clear();
    const std::optional<std::wstring> element = NameTheDeviceTakes(Widen(fileName_));
    if (!element) {
        error_ = 0;
        refusal_ = "Der Pfad der Datei ist mit " + std::to_string(Widen(fileName_).size()) +
                   " Zeichen zu lang zum Abspielen (höchstens " + std::to_string(MAX_PATH - 1) +
                   "), und die Datei hat keinen kurzen Namen: " + fileName_;
        throw EMediaDeviceError(refusal_);
    }
    MCI_OPEN_PARMSW parameters{};
    parameters.lpstrElementName = element->c_str();
    // No device type: MCI chooses the device by the file's extension.
    error_ = mciSendCommandW(0, MCI_OPEN, MCI_OPEN_ELEMENT | MCI_WAIT,
                             reinterpret_cast<DWORD_PTR>(&parameters));
    if (error_ != 0) {
        throw EMediaDeviceError(ErrorMessage());
    }
    device_ = parameters.wDeviceID;
    ended_ = false;
}

void MciMediaPlayer::Close() {
    if (device_ == 0) {
        return;
    }
    Send(MCI_CLOSE, 0);
    device_ = 0;
    awaitingEnd_ = false;
}

void MciMediaPlayer::PlayWithNotification() {
    MCI_PLAY_PARMS parameters{};
    parameters.dwCallback = reinterpret_cast<DWORD_PTR>(window_.Get());
    error_ =
        mciSendCommandW(device_, MCI_PLAY, MCI_NOTIFY, reinterpret_cast<DWORD_PTR>(&parameters));
    awaitingEnd_ = error_ == 0;
}

void MciMediaPlayer::Play() {
    RequireDevice();
    const MediaMode mode = Mode();
    if (mode == MediaMode::Paused) {
        // Resumed, the play goes on with its notification still to come at the end; a new
        // play would end it, and some devices would then report success at once.
        Send(MCI_RESUME, 0);
        if (error_ == 0) {
            return;
        }
    } else if (mode != MediaMode::Playing) {
        // A device that stands at its end plays nothing, or ends at once, and some report
        // their start or the last frame there. Put back to the start, it plays the whole
        // sound and reports its end.
        DWORD_PTR position = 0;
        DWORD_PTR length = 0;
        if (ended_ || (Status(MCI_STATUS_POSITION, position) && Status(MCI_STATUS_LENGTH, length) &&
                       (position == length || position == 0))) {
            Rewind();
        }
    }
    PlayWithNotification();
}

void MciMediaPlayer::Pause() {
    RequireDevice();
    const MediaMode mode = Mode();
    if (mode == MediaMode::Playing) {
        Send(MCI_PAUSE, 0);
    } else if (mode == MediaMode::Paused) {
        Send(MCI_RESUME, 0);
        if (error_ != 0) {
            PlayWithNotification();
        }
    }
}

void MciMediaPlayer::Stop() {
    RequireDevice();
    Send(MCI_STOP, 0);
    awaitingEnd_ = false;
}

void MciMediaPlayer::Rewind() {
    RequireDevice();
    MCI_SEEK_PARMS parameters{};
    error_ = mciSendCommandW(device_, MCI_SEEK, MCI_SEEK_TO_START | MCI_WAIT,
                             reinterpret_cast<DWORD_PTR>(&parameters));
    // A seek ends a play under way, and its notification with it.
    awaitingEnd_ = false;
    ended_ = false;
}

MediaMode MciMediaPlayer::Mode() {
    if (device_ == 0) {
        return MediaMode::NoDevice;
    }
    DWORD_PTR mode = 0;
    return Status(MCI_STATUS_MODE, mode) ? ModeOf(mode) : MediaMode::NotReady;
}

std::string MciMediaPlayer::ErrorMessage() {
    if (!refusal_.empty()) {
        return refusal_;
    }
    wchar_t text[256] = {};
    if (!mciGetErrorStringW(error_, text, 256)) {
        return "Unknown error code";
    }
    return Narrow(text);
}

} // namespace vorlane::win32

#include "tests/support/SoundFiles.h"

#include <windows.h>

#include <filesystem>
#include <initializer_list>
#include <system_error>

namespace vorlane::testsupport {

namespace {

void PutLittleEndian(Bytes& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

void Put(Bytes& bytes, std::initializer_list<std::uint8_t> values) {
    for (const std::uint8_t value : values) {
        bytes.push_back(value);
    }
}

void PutTag(Bytes& bytes, const char (&tag)[5]) {
    for (int i = 0; i < 4; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(tag[i]));
    }
}

// The path in the \\?\ form, which the file functions take at any length.
std::wstring WithoutLengthLimit(const std::wstring& path) {
    return L"\\\\?\\" + path;
}

// Removes the folder with everything in it, at any depth; the path is in the \\?\ form, since
// a test may have made folders deeper than MAX_PATH there.
void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW entry{};
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") {
                continue;
            }
            const std::wstring path = folder + L"\\" + name;
            if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
                RemoveTree(path);
            } else {
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

} // namespace

Bytes WaveSound(double seconds) {
    constexpr std::uint32_t kRate = 8000;
    const auto samples = static_cast<std::uint32_t>(kRate * seconds);
    Bytes bytes;
    PutTag(bytes, "RIFF");
    PutLittleEndian(bytes, 36 + samples, 4);
    PutTag(bytes, "WAVE");
    PutTag(bytes, "fmt ");
    PutLittleEndian(bytes, 16, 4);
    PutLittleEndian(bytes, 1, 2);     // PCM
    PutLittleEndian(bytes, 1, 2);     // mono
    PutLittleEndian(bytes, kRate, 4); // samples per second
    PutLittleEndian(bytes, kRate, 4); // bytes per second
    PutLittleEndian(bytes, 1, 2);     // block align
    PutLittleEndian(bytes, 8, 2);     // bits per sample
    PutTag(bytes, "data");
    PutLittleEndian(bytes, samples, 4);
    for (std::uint32_t i = 0; i < samples; ++i) {
        // About 444 Hz, quietly around the 8-bit middle.
        bytes.push_back((i / 9) % 2 == 0 ? 108 : 148);
    }
    return bytes;
}

Bytes Mp3Silence(double seconds) {
    // Each frame: the header (MPEG-1, layer III, no CRC; 128 kbit/s, 44.1 kHz, no padding;
    // mono), then side information and main data all zero, which decode to silence. 144 *
    // 128000 / 44100 rounds down to 417 bytes a frame, 1152 samples long.
    constexpr std::size_t kFrameBytes = 417;
    const auto frames = static_cast<std::size_t>(seconds * 44100.0 / 1152.0) + 1;
    Bytes bytes;
    for (std::size_t i = 0; i < frames; ++i) {
        Put(bytes, {0xFF, 0xFB, 0x90, 0xC0});
        for (std::size_t j = 4; j < kFrameBytes; ++j) {
            bytes.push_back(0);
        }
    }
    return bytes;
}

Bytes MidiNote() {
    const std::initializer_list<std::uint8_t> track = {
        0x00, 0x90, 0x3C, 0x40,       // at once: note C4 on
        0x81, 0x40, 0x80, 0x3C, 0x40, // 192 ticks (half a second at 96 a beat) later: off
        0x00, 0xFF, 0x2F, 0x00,       // end of the track
    };
    Bytes bytes;
    PutTag(bytes, "MThd");
    Put(bytes, {0, 0, 0, 6, 0, 0, 0, 1, 0, 96}); // format 0, one track, 96 ticks a beat
    PutTag(bytes, "MTrk");
    Put(bytes, {0, 0, 0, static_cast<std::uint8_t>(track.size())});
    Put(bytes, track);
    return bytes;
}

bool WriteBytes(const std::wstring& path, const Bytes& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    const BOOL ok =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok != FALSE && written == bytes.size();
}

std::wstring FreshTemporaryFolder(const std::wstring& name) {
    wchar_t temporary[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, temporary);
    const std::filesystem::path folder = std::filesystem::path(temporary) / name;
    RemoveTree(WithoutLengthLimit(folder.wstring()));
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return folder.wstring() + L"\\";
}

} // namespace vorlane::testsupport

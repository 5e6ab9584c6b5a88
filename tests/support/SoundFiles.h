#pragma once
// Small sound files the tests make themselves: our own sounds, nobody's recordings.
#include <cstdint>
#include <string>
#include <vector>

namespace vorlane::testsupport {

using Bytes = std::vector<std::uint8_t>;

// A RIFF WAVE file: mono, 8-bit PCM at 8000 Hz, a square wave of the given length.
Bytes WaveSound(double seconds);
// An MPEG-1 Layer III stream of silent frames (44.1 kHz, 128 kbit/s, mono) of at least the
// given length.
Bytes Mp3Silence(double seconds);
// A standard MIDI file with one note of half a second.
Bytes MidiNote();
// Writes the bytes as the file's whole content; false when that fails.
bool WriteBytes(const std::wstring& path, const Bytes& bytes);
// A new empty folder in the user's temporary folder, ending in a backslash.
std::wstring FreshTemporaryFolder(const std::wstring& name);

} // namespace vorlane::testsupport

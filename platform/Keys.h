#pragma once
#include <cstdint>

// Virtual key codes the program reads, as the window system numbers them. The one place
// that spells them out, so the model, the app and the tests agree on them.
namespace vorlane::keys {
inline constexpr std::uint16_t kReturn = 0x0D;
inline constexpr std::uint16_t kEscape = 0x1B;
inline constexpr std::uint16_t kSpace = 0x20;
inline constexpr std::uint16_t kPageUp = 0x21;
inline constexpr std::uint16_t kPageDown = 0x22;
inline constexpr std::uint16_t kUp = 0x26;
inline constexpr std::uint16_t kDown = 0x28;
inline constexpr std::uint16_t kM = 0x4D;
inline constexpr std::uint16_t kO = 0x4F;
inline constexpr std::uint16_t kS = 0x53;
inline constexpr std::uint16_t kZ = 0x5A;
inline constexpr std::uint16_t kF1 = 0x70;
inline constexpr std::uint16_t kF12 = 0x7B;
} // namespace vorlane::keys

// A synthetic cartridge image made by this project: the demo the editor opens
// and the fixture every test starts from. Deterministic, so tests can rely on
// its contents.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace demo {

inline constexpr std::size_t kImageSize = 16 + 32 * 1024 + 8 * 1024;
inline constexpr std::int32_t kStartScreen = 7;
inline constexpr std::int32_t kEndScreen = 100;
// Screens whose records hold a position byte of 255 (item or an enemy).
inline constexpr std::int32_t kScreenWithItemAt255 = 12;
inline constexpr std::int32_t kScreenWithEnemy3At255 = 13;
inline constexpr const char* kEndingText =
    "CONGRATULATIONS!                THE CASTLE IS FREE AGAIN.       "
    "THANK YOU FOR PLAYING:          DUNMORA";

std::vector<std::uint8_t> MakeDemoImage();
void WriteDemoImage(const std::string& path);

} // namespace demo

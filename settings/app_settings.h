#pragma once
// The five settings kept in the parameters file, and how they are read and written.

#include <array>
#include <cstdint>
#include <string>

namespace orvane {

struct AppSettings {
    std::int32_t reserved = 0;
    std::int32_t language = 0;
    std::int32_t horizontalOffset = 0; // millimetres, positive moves ticket marks right
    std::int32_t verticalOffset = 0;   // millimetres, positive moves ticket marks down
    std::int32_t gridStyle = 0;        // 0 or 1: Keno-style grid, 2: 36-cell BancoJass grid

    bool operator==(const AppSettings&) const = default;
};

constexpr std::size_t kSettingsRecordSize = 20;
constexpr int kLanguageEnglish = 2;
inline constexpr const char* kParametersFileName = "ORVANE.PAR";

using SettingsRecord = std::array<std::uint8_t, kSettingsRecordSize>;

SettingsRecord EncodeSettings(const AppSettings& settings);
// Overlays the first `count` bytes of `bytes` onto `settings`; the rest of the record keeps its
// previous values, as a read that stops early leaves them.
void OverlaySettingsBytes(AppSettings& settings, const std::uint8_t* bytes, std::size_t count);

// Reads "ORVANE.PAR" from `programFolder` into `settings`. A missing file gives the defaults; a
// file that cannot be read, or is short, silently leaves whatever could be read.
void LoadSettings(AppSettings& settings, const std::string& programFolder);

// Writes "ORVANE.PAR" into `programFolder`, so that a failed write never leaves a damaged
// parameters file behind where the folder allows it (see WriteFileAtomically). Returns false on
// any failure, a read-only file or one that is not a regular file among them.
bool SaveSettings(const AppSettings& settings, const std::string& programFolder);

// A player who may not write the program folder (an install shared by every player, say) keeps
// a copy of the parameters file of their own in `playerFolder` (the player's configuration
// folder, ending with "/"; empty for none).
//
// Start-up reads the player's copy when there is one, and the program folder's file otherwise.
void LoadSettings(AppSettings& settings, const std::string& programFolder,
                  const std::string& playerFolder);

// Quit writes the file the next start will read: the player's copy once there is one; otherwise
// the program folder's file, or, when that cannot be written, a new player's copy (creating the
// player's folder). Returns false only when nothing could be written.
bool SaveSettings(const AppSettings& settings, const std::string& programFolder,
                  const std::string& playerFolder);

} // namespace orvane

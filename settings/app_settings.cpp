#include "settings/app_settings.h"

#include "common/atomic_file.h"
#include "common/little_endian.h"
#include "common/regular_file_read.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <sys/stat.h>

namespace orvane {

SettingsRecord EncodeSettings(const AppSettings& s) {
    SettingsRecord record{};
    PutInt32(&record[0], s.reserved);
    PutInt32(&record[4], s.language);
    PutInt32(&record[8], s.horizontalOffset);
    PutInt32(&record[12], s.verticalOffset);
    PutInt32(&record[16], s.gridStyle);
    return record;
}

void OverlaySettingsBytes(AppSettings& s, const std::uint8_t* bytes, std::size_t count) {
    SettingsRecord record = EncodeSettings(s);
    std::memcpy(record.data(), bytes, std::min(count, record.size()));
    s.reserved = GetInt32(&record[0]);
    s.language = GetInt32(&record[4]);
    s.horizontalOffset = GetInt32(&record[8]);
    s.verticalOffset = GetInt32(&record[12]);
    s.gridStyle = GetInt32(&record[16]);
}

void LoadSettings(AppSettings& settings, const std::string& programFolder) {
    const std::string path = programFolder + kParametersFileName;
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        settings.language = 1;
        settings.horizontalOffset = 0;
        settings.verticalOffset = 0;
        settings.gridStyle = 1;
        return;
    }
    // Anything but a regular file (a FIFO, a device) is a file that cannot be read.
    SettingsRecord bytes{};
    const std::optional<std::size_t> got = ReadRegularFileStart(path, bytes);
    if (got)
        OverlaySettingsBytes(settings, bytes.data(), *got);
}

bool SaveSettings(const AppSettings& settings, const std::string& programFolder) {
    const SettingsRecord record = EncodeSettings(settings);
    return WriteFileAtomically(programFolder + kParametersFileName, record.data(), record.size())
        .ok();
}

namespace {

bool PlayerCopyIsThere(const std::string& playerFolder) {
    std::error_code ec;
    return !playerFolder.empty() && std::filesystem::exists(playerFolder + kParametersFileName, ec);
}

// Creates `folder` and whatever is missing above it, each new folder for its owner alone, as a
// configuration folder should be.
bool MakePrivateFolders(const std::string& folder) {
    std::filesystem::path built;
    for (const std::filesystem::path& part : std::filesystem::path(folder)) {
        if (part.empty())
            continue;
        built /= part;
        if (::mkdir(built.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    std::error_code ec;
    return std::filesystem::is_directory(folder, ec);
}

} // namespace

void LoadSettings(AppSettings& settings, const std::string& programFolder,
                  const std::string& playerFolder) {
    LoadSettings(settings, PlayerCopyIsThere(playerFolder) ? playerFolder : programFolder);
}

bool SaveSettings(const AppSettings& settings, const std::string& programFolder,
                  const std::string& playerFolder) {
    // Once the player has a copy, that is what start-up reads: writing the program folder's file
    // instead would lose this run's settings at the next start.
    if (PlayerCopyIsThere(playerFolder))
        return SaveSettings(settings, playerFolder);
    if (SaveSettings(settings, programFolder))
        return true;
    return !playerFolder.empty() && MakePrivateFolders(playerFolder) &&
           SaveSettings(settings, playerFolder);
}

} // namespace orvane

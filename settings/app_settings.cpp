#include "settings/app_settings.h"

#include "common/atomic_file.h"
#include "common/little_endian.h"
#include "common/program_or_player_folder.h"
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

void LoadSettings(AppSettings& settings, const std::string& programFolder,
                  const std::string& playerFolder) {
    LoadSettings(settings, FolderToRead(kParametersFileName, programFolder, playerFolder));
}

bool SaveSettings(const AppSettings& settings, const std::string& programFolder,
                  const std::string& playerFolder) {
    return SaveWhereTheNextStartReads(
        kParametersFileName, programFolder, playerFolder,
        [&settings](const std::string& folder) { return SaveSettings(settings, folder); });
}

} // namespace orvane

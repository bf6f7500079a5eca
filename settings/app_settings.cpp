#include "settings/app_settings.h"

#include "common/atomic_file.h"
#include "common/regular_file_read.h"

#include <cstring>
#include <filesystem>
#include <optional>

namespace orvane {

namespace {

void putInt32(std::uint8_t* out, std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<std::uint8_t>(u >> (8 * i));
}

std::int32_t getInt32(const std::uint8_t* in) {
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
        u |= static_cast<std::uint32_t>(in[i]) << (8 * i);
    return static_cast<std::int32_t>(u);
}

} // namespace

SettingsRecord EncodeSettings(const AppSettings& s) {
    SettingsRecord record{};
    putInt32(&record[0], s.reserved);
    putInt32(&record[4], s.language);
    putInt32(&record[8], s.horizontalOffset);
    putInt32(&record[12], s.verticalOffset);
    putInt32(&record[16], s.gridStyle);
    return record;
}

void OverlaySettingsBytes(AppSettings& s, const std::uint8_t* bytes, std::size_t count) {
    SettingsRecord record = EncodeSettings(s);
    std::memcpy(record.data(), bytes, std::min(count, record.size()));
    s.reserved = getInt32(&record[0]);
    s.language = getInt32(&record[4]);
    s.horizontalOffset = getInt32(&record[8]);
    s.verticalOffset = getInt32(&record[12]);
    s.gridStyle = getInt32(&record[16]);
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
    return WriteFileAtomically(programFolder + kParametersFileName, record.data(), record.size());
}

} // namespace orvane

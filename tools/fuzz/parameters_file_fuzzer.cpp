// ORVANE.PAR holding any bytes at all, read as the program reads it at start.

#include "fuzz_support.h"
#include "settings/app_settings.h"

#include <limits>

using namespace orvane;
using namespace orvane::fuzz;

namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

Bytes Record(std::int32_t reserved, std::int32_t language, std::int32_t horizontal,
             std::int32_t vertical, std::int32_t gridStyle) {
    Bytes bytes;
    for (const std::int32_t field : {reserved, language, horizontal, vertical, gridStyle})
        AppendInt32(bytes, field);
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Bytes longer = Record(0, 2, 3, -4, 2);
    longer.insert(longer.end(), 8, 0xEE);
    WriteSeedsIfAsked({
        {},
        Record(0, 2, 0, 0, 1),
        Record(7, 1, 3, 0, 0),
        Record(0, 2, kMax, kMin, 2),
        Record(-1, kMin, -123456789, 123456789, kMax),
        longer,
        Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11},
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Laying the bytes over a record: the first of them replace its start, the rest of it stays.
    const AppSettings before{.reserved = 0x01020304,
                             .language = -5,
                             .horizontalOffset = kMax,
                             .verticalOffset = kMin,
                             .gridStyle = 77};
    AppSettings overlaid = before;
    OverlaySettingsBytes(overlaid, data, size);
    const SettingsRecord old = EncodeSettings(before);
    const SettingsRecord now = EncodeSettings(overlaid);
    for (std::size_t i = 0; i < kSettingsRecordSize; ++i)
        Require(now[i] == (i < size ? data[i] : old[i]),
                "the overlay keeps the bytes past the read");

    // Reading the file from a program folder: the settings start at zero and take what is read.
    const std::string folder = ScratchFolder();
    WriteFile(folder + kParametersFileName, data, size);
    AppSettings loaded;
    LoadSettings(loaded, folder);
    AppSettings expected;
    OverlaySettingsBytes(expected, data, size);
    Require(loaded == expected, "the file is read as its first 20 bytes");

    // What Quit writes is these settings, byte for byte.
    AppSettings reread;
    const SettingsRecord written = EncodeSettings(loaded);
    OverlaySettingsBytes(reread, written.data(), written.size());
    Require(reread == loaded, "a written record reads back as the same settings");
    return 0;
}

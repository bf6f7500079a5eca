#include "results/draw_history_store.h"

#include "common/atomic_file.h"
#include "common/regular_file_read.h"
#include "results/plain_draw_line.h"

#include <cstdint>
#include <filesystem>

namespace orvane {

namespace {

// Some 25 bytes a draw: room for every draw there will ever be.
constexpr std::size_t kMostBytesRead = 16 * 1024 * 1024;

} // namespace

std::string EncodeDrawHistory(const DrawHistory& history) {
    std::string text =
        "# Orvane's draw history, newest first: the date (day/month/year) when known,\n"
        "# the five main numbers, then the Thunderball.\n";
    for (const StoredDraw& draw : history.draws())
        text += PlainDrawLine(draw) + "\n";
    return text;
}

DrawHistory DecodeDrawHistory(std::string_view text) {
    std::vector<StoredDraw> draws;
    // Only whole lines: what follows the last line break may be a line cut short.
    for (std::size_t end = text.find('\n'); end != std::string_view::npos; end = text.find('\n')) {
        const DrawLine line = ReadPlainDrawLine(text.substr(0, end));
        if (line.kind == DrawLine::Kind::Draw)
            draws.push_back(line.draw);
        text.remove_prefix(end + 1);
    }
    return DrawHistory(draws);
}

DrawHistory LoadDrawHistory(const std::string& dataFolder) {
    if (dataFolder.empty())
        return {};
    const std::string path = dataFolder + kDrawHistoryFileName;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error)
        return {};
    std::string bytes(std::min<std::uintmax_t>(size, kMostBytesRead), '\0');
    const std::optional<std::size_t> got = ReadRegularFileStart(
        path, std::span(reinterpret_cast<std::uint8_t*>(bytes.data()), bytes.size()));
    if (!got)
        return {};
    bytes.resize(*got);
    return DecodeDrawHistory(bytes);
}

bool SaveDrawHistory(const DrawHistory& history, const std::string& dataFolder) {
    if (dataFolder.empty())
        return false;
    std::error_code error;
    std::filesystem::create_directories(dataFolder, error);
    const std::string text = EncodeDrawHistory(history);
    return WriteFileAtomically(dataFolder + kDrawHistoryFileName,
                               reinterpret_cast<const std::uint8_t*>(text.data()), text.size())
        .ok();
}

const DrawHistory& DrawHistoryStore::history() {
    if (!m_history)
        m_history = LoadDrawHistory(m_dataFolder);
    return *m_history;
}

DrawHistoryStore::Added DrawHistoryStore::add(const std::vector<StoredDraw>& draws) {
    history();
    Added result;
    result.counts = m_history->add(draws);
    if (result.counts.added == 0 && !m_unsaved) {
        result.saved = true;
        return result;
    }
    result.saved = SaveDrawHistory(*m_history, m_dataFolder);
    m_unsaved = !result.saved;
    return result;
}

} // namespace orvane

#include "results/prize_table_file.h"

#include "common/player_copy.h"

#include "common/atomic_file.h"
#include "common/regular_file_read.h"
#include "results/money_text.h"
#include "results/operator_prizes.h"

#include <array>
#include <cstdint>
#include <optional>

namespace orvane {

namespace {

// A table is a few hundred bytes; anything past this is not read.
constexpr std::size_t kMostBytesRead = 4096;

constexpr const char* kLineKey = "line";

// The keys of the ranks, in the order of PrizeRank.
constexpr std::array<const char*, kPrizeRankCount> kRankKeys = {"5+T", "5", "4+T", "4",
                                                                "3+T", "3", "2+T", "1+T"};

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// Whole pence, digits only, no more than typing may reach.
std::optional<std::int64_t> penceOf(std::string_view s) {
    if (s.empty() || s.size() > 11)
        return std::nullopt;
    std::int64_t pence = 0;
    for (const char c : s) {
        if (c < '0' || c > '9')
            return std::nullopt;
        pence = pence * 10 + (c - '0');
    }
    if (pence > kMostPence)
        return std::nullopt;
    return pence;
}

void readLine(PrizeTable& prizes, std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return;
    const std::string_view key = trimmed(line.substr(0, equals));
    const std::optional<std::int64_t> pence = penceOf(trimmed(line.substr(equals + 1)));
    if (!pence)
        return;
    if (key == kLineKey) {
        prizes.pricePerBoard = *pence;
        return;
    }
    for (const PrizeRank rank : kPrizeRanks)
        if (key == kRankKeys[RankIndex(rank)])
            prizes.setAmount(rank, *pence);
}

} // namespace

std::string EncodePrizeTable(const PrizeTable& prizes) {
    std::string text =
        "# Orvane's prize table: pence paid to one winning line per prize rank\n"
        "# (main numbers matched, +T with the Thunderball), and the price of a line.\n";
    for (const PrizeRank rank : kPrizeRanks)
        text += std::string(kRankKeys[RankIndex(rank)]) + "=" +
                std::to_string(prizes.amount(rank)) + "\n";
    text += std::string(kLineKey) + "=" + std::to_string(prizes.pricePerBoard) + "\n";
    return text;
}

PrizeTable DecodePrizeTable(std::string_view text) {
    PrizeTable prizes = OperatorPrizeTable();
    // Only whole lines: what follows the last line break may be a line cut short.
    for (std::size_t end = text.find('\n'); end != std::string_view::npos; end = text.find('\n')) {
        readLine(prizes, text.substr(0, end));
        text.remove_prefix(end + 1);
    }
    return prizes;
}

PrizeTable LoadPrizeTable(const std::string& programFolder) {
    std::array<std::uint8_t, kMostBytesRead> bytes{};
    const std::optional<std::size_t> got =
        ReadRegularFileStart(programFolder + kPrizeTableFileName, bytes);
    if (!got)
        return OperatorPrizeTable();
    return DecodePrizeTable(std::string_view(reinterpret_cast<const char*>(bytes.data()), *got));
}

bool SavePrizeTable(const PrizeTable& prizes, const std::string& programFolder) {
    const std::string text = EncodePrizeTable(prizes);
    return WriteFileAtomically(programFolder + kPrizeTableFileName,
                               reinterpret_cast<const std::uint8_t*>(text.data()), text.size())
        .ok();
}

PrizeTable LoadPrizeTable(const std::string& programFolder, const std::string& playerFolder) {
    return LoadPrizeTable(FolderToRead(kPrizeTableFileName, programFolder, playerFolder));
}

bool SavePrizeTable(const PrizeTable& prizes, const std::string& programFolder,
                    const std::string& playerFolder) {
    return SaveWhereTheNextStartReads(
        kPrizeTableFileName, programFolder, playerFolder,
        [&prizes](const std::string& folder) { return SavePrizeTable(prizes, folder); });
}

} // namespace orvane

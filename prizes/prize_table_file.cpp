#include "prizes/prize_table_file.h"

#include "common/regular_file_read.h"
#include "prizes/money_text.h"
#include "prizes/operator_prizes.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>

namespace orvane {

namespace {

constexpr const char* kLineKey = "line";

// The keys of the ranks, in the order of PrizeRank.
constexpr std::array<const char*, kPaidRankCount> kRankKeys = {"5+T", "5",   "4+T", "4",  "3+T",
                                                               "3",   "2+T", "1+T", "0+T"};

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
    // The file of earlier versions has no line for the Thunderball alone.
    for (const PrizeRank rank : kPrizeRanks)
        if (key == kRankKeys[RankIndex(rank)])
            prizes.setAmount(rank, *pence);
}

} // namespace

const char* PrizeTableKey(std::size_t field) {
    return field < kRankKeys.size() ? kRankKeys[field] : kLineKey;
}

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

std::optional<PrizeTable> ReadPrizeTableFile(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(path, error)))
        return OperatorPrizeTable();
    std::array<std::uint8_t, kMostPrizeTableBytes> bytes{};
    const std::optional<std::size_t> got = ReadRegularFileStart(path, bytes);
    if (!got)
        return std::nullopt;
    return DecodePrizeTable(std::string_view(reinterpret_cast<const char*>(bytes.data()), *got));
}

} // namespace orvane

#include "wheelmaker/wheel_file.h"

#include "common/regular_file_read.h"
#include "wheelmaker/wheel_proof.h"

#include <algorithm>
#include <set>

namespace orvane::wheelmaker {

namespace {

// Far more than any wheel a player would import.
constexpr std::size_t kMostBytes = 1024 * 1024;
constexpr std::size_t kMostBoards = 20000;

bool isSeparator(char c) {
    return c == ' ' || c == '\t' || c == ',' || c == ';' || c == '\r';
}

std::string lineFault(int line, const std::string& why) {
    return "ligne " + std::to_string(line) + " : " + why;
}

} // namespace

ReadWheel ReadWheelText(std::string_view text) {
    ReadWheel read;
    std::vector<BoardPositions>& boards = read.design.boards;
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        ++lineNumber;
        std::vector<int> numbers;
        std::size_t at = 0;
        while (at < line.size() && isSeparator(line[at]))
            ++at;
        if (at == line.size() || line[at] == '#')
            continue;
        while (at < line.size()) {
            if (line[at] < '0' || line[at] > '9') {
                read.fault = lineFault(lineNumber, "ce n'est pas une grille de cinq numéros");
                return read;
            }
            int value = 0;
            for (; at < line.size() && line[at] >= '0' && line[at] <= '9'; ++at)
                value = std::min(value * 10 + (line[at] - '0'), 1000);
            numbers.push_back(value);
            while (at < line.size() && isSeparator(line[at]))
                ++at;
        }
        std::sort(numbers.begin(), numbers.end());
        if (numbers.size() != kNumbersPerBoard) {
            read.fault =
                lineFault(lineNumber, std::to_string(numbers.size()) + " numéros au lieu de 5");
            return read;
        }
        if (numbers.front() < 1 || numbers.back() > kMostNumbers) {
            read.fault = lineFault(lineNumber, "un numéro n'est pas entre 1 et 39");
            return read;
        }
        if (std::adjacent_find(numbers.begin(), numbers.end()) != numbers.end()) {
            read.fault = lineFault(lineNumber, "un numéro est donné deux fois");
            return read;
        }
        BoardPositions board{};
        std::copy(numbers.begin(), numbers.end(), board.begin());
        boards.push_back(board);
        if (boards.size() > kMostBoards) {
            read.fault = "Plus de 20000 grilles : ce n'est pas une roue à jouer";
            return read;
        }
    }
    if (boards.empty()) {
        read.fault = "Ce n'est pas un fichier de grilles : aucune grille de cinq numéros";
        return read;
    }
    // The same board twice plays the same line twice: one of each.
    std::sort(boards.begin(), boards.end());
    boards.erase(std::unique(boards.begin(), boards.end()), boards.end());

    WheelDesign& design = read.design;
    for (const BoardPositions& board : boards)
        design.numberCount = std::max<int>(design.numberCount, board.back());
    design.numberCount = std::max(design.numberCount, 6);
    // Numbers 1..f on every board are fixed ones, as the wheels this program makes have them.
    while (design.fixedCount < kNumbersPerBoard - 1 &&
           std::all_of(boards.begin(), boards.end(), [&design](const BoardPositions& b) {
               return b[static_cast<std::size_t>(design.fixedCount)] == design.fixedCount + 1;
           }))
        ++design.fixedCount;

    for (int k = 5; k >= 2; --k)
        for (int m = k; m <= 5; ++m) {
            WheelRequest request{design.numberCount, design.fixedCount, k, m, std::nullopt};
            if (!RequestFault(request).empty())
                continue;
            if (ProveWheel(boards, request).keepsPromise())
                read.kept.push_back({k, m});
        }
    if (read.kept.empty()) {
        read.fault = "Ces grilles ne tiennent aucune promesse « k si m » de 2 à 5";
        return read;
    }
    design.promise = read.kept.front();
    return read;
}

ReadWheel ReadWheelFile(const std::string& path) {
    std::string bytes(kMostBytes + 1, '\0');
    const std::optional<std::size_t> got = ReadRegularFileStart(
        path, std::span(reinterpret_cast<std::uint8_t*>(bytes.data()), bytes.size()));
    if (!got) {
        ReadWheel read;
        read.fault = "Erreur à la lecture du fichier";
        return read;
    }
    if (*got > kMostBytes) {
        ReadWheel read;
        read.fault = "Fichier trop grand";
        return read;
    }
    bytes.resize(*got);
    return ReadWheelText(bytes);
}

} // namespace orvane::wheelmaker

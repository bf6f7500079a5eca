#include "wheels/wheel_catalogue.h"

#include "wheels/generated_tables.h"
#include "wheels/player_wheels.h"

#include <map>
#include <mutex>
#include <vector>

namespace orvane {

namespace {

// Systems are listed in index order; index 1 is entry 0.
constexpr std::array<WheelSystem, kSystemCount> kSystems = {{
    // 1-3: reduced, 4 if 5
    {5, 8, 5, 0, "4 if 5"},
    {9, 9, 5, 0, "4 if 5"},
    {14, 10, 5, 0, "4 if 5"},
    // 4-7: full
    {6, 6, 5, 0, "5 if 5"},
    {21, 7, 5, 0, "5 if 5"},
    {56, 8, 5, 0, "5 if 5"},
    {126, 9, 5, 0, "5 if 5"},
    // 8-12: full with one fixed number
    {15, 7, 5, 1, "5 if 5"},
    {35, 8, 5, 1, "5 if 5"},
    {70, 9, 5, 1, "5 if 5"},
    {126, 10, 5, 1, "5 if 5"},
    {210, 11, 5, 1, "5 if 5"},
    // 13
    {252, 10, 5, 0, "5 if 5"},
    // 14-16
    {22, 11, 5, 0, "4 if 5"},
    {35, 12, 5, 0, "4 if 5"},
    {50, 13, 5, 0, "4 if 5"},
    // 17-24
    {9, 7, 5, 0, "4 if 4"},
    {20, 8, 5, 0, "4 if 4"},
    {33, 9, 5, 0, "4 if 4"},
    {52, 10, 5, 0, "4 if 4"},
    {81, 11, 5, 0, "4 if 4"},
    {127, 12, 5, 0, "4 if 4"},
    {176, 13, 5, 0, "4 if 4"},
    {244, 14, 5, 0, "4 if 4"},
    // 25-37
    {2, 10, 5, 0, "3 if 5"},
    {5, 11, 5, 0, "3 if 5"},
    {6, 12, 5, 0, "3 if 5"},
    {8, 13, 5, 0, "3 if 5"},
    {11, 14, 5, 0, "3 if 5"},
    {14, 15, 5, 0, "3 if 5"},
    {14, 16, 5, 0, "3 if 5"},
    {21, 17, 5, 0, "3 if 5"},
    {24, 18, 5, 0, "3 if 5"},
    {32, 19, 5, 0, "3 if 5"},
    {39, 20, 5, 0, "3 if 5"},
    {48, 21, 5, 0, "3 if 5"},
    {55, 22, 5, 0, "3 if 5"},
    // 38-52. System 38 needs five boards: a board of seven numbers leaves out a pair, and a triple
    // lies on a board iff it avoids that pair, so the left-out pairs must put an edge inside every
    // four numbers; four edges on seven vertices always leave four independent ones.
    {5, 7, 5, 0, "3 if 3"},
    {8, 8, 5, 0, "3 if 3"},
    {12, 9, 5, 0, "3 if 3"},
    {17, 10, 5, 0, "3 if 3"},
    {23, 11, 5, 0, "3 if 3"},
    {30, 12, 5, 0, "3 if 3"},
    {39, 13, 5, 0, "3 if 3"},
    {49, 14, 5, 0, "3 if 3"},
    {64, 15, 5, 0, "3 if 3"},
    {74, 16, 5, 0, "3 if 3"},
    {88, 17, 5, 0, "3 if 3"},
    {106, 18, 5, 0, "3 if 3"},
    {130, 19, 5, 0, "3 if 3"},
    {149, 20, 5, 0, "3 if 3"},
    {171, 21, 5, 0, "3 if 3"},
    // 53-71
    {3, 7, 5, 0, "3 if 4"},
    {3, 8, 5, 0, "3 if 4"},
    {5, 9, 5, 0, "3 if 4"},
    {7, 10, 5, 0, "3 if 4"},
    {9, 11, 5, 0, "3 if 4"},
    {12, 12, 5, 0, "3 if 4"},
    {16, 13, 5, 0, "3 if 4"},
    {21, 14, 5, 0, "3 if 4"},
    {26, 15, 5, 0, "3 if 4"},
    {33, 16, 5, 0, "3 if 4"},
    {42, 17, 5, 0, "3 if 4"},
    {51, 18, 5, 0, "3 if 4"},
    {61, 19, 5, 0, "3 if 4"},
    {71, 20, 5, 0, "3 if 4"},
    {85, 21, 5, 0, "3 if 4"},
    {98, 22, 5, 0, "3 if 4"},
    {115, 23, 5, 0, "3 if 4"},
    {135, 24, 5, 0, "3 if 4"},
    {151, 25, 5, 0, "3 if 4"},
}};

constexpr std::array<BoardPositions, 5> kSystem1 = {{
    {2, 5, 6, 7, 8},
    {1, 3, 4, 5, 7},
    {1, 2, 3, 6, 8},
    {2, 4, 6, 7, 8},
    {2, 4, 5, 6, 8},
}};

constexpr std::array<BoardPositions, 9> kSystem2 = {{
    {3, 5, 6, 7, 9},
    {1, 4, 6, 7, 8},
    {1, 4, 7, 8, 9},
    {2, 3, 4, 5, 7},
    {1, 2, 3, 5, 7},
    {2, 3, 6, 8, 9},
    {1, 3, 4, 5, 8},
    {1, 2, 4, 6, 9},
    {2, 5, 6, 8, 9},
}};

constexpr std::array<BoardPositions, 14> kSystem3 = {{
    {1, 4, 7, 8, 10},
    {1, 3, 6, 7, 10},
    {1, 2, 3, 8, 9},
    {1, 2, 4, 6, 10},
    {4, 5, 6, 7, 9},
    {2, 4, 5, 8, 10},
    {1, 5, 6, 8, 9},
    {2, 3, 4, 7, 9},
    {2, 3, 5, 6, 10},
    {3, 4, 6, 8, 9},
    {2, 6, 7, 8, 9},
    {3, 5, 7, 8, 10},
    {1, 3, 4, 5, 9},
    {1, 2, 5, 7, 9},
}};

std::vector<BoardPositions> buildFullSystem(int n, int f) {
    std::vector<BoardPositions> rows;
    const int free = kBoardSize - f;
    std::array<int, kBoardSize> pick{};
    for (int i = 0; i < free; ++i)
        pick[static_cast<std::size_t>(i)] = f + 1 + i;
    while (true) {
        BoardPositions row{};
        for (int i = 0; i < f; ++i)
            row[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i + 1);
        for (int i = 0; i < free; ++i)
            row[static_cast<std::size_t>(f + i)] =
                static_cast<std::uint8_t>(pick[static_cast<std::size_t>(i)]);
        rows.push_back(row);
        // Next combination in lexicographic order.
        int i = free - 1;
        while (i >= 0 && pick[static_cast<std::size_t>(i)] == n - (free - 1 - i))
            --i;
        if (i < 0)
            break;
        ++pick[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < free; ++j)
            pick[static_cast<std::size_t>(j)] = pick[static_cast<std::size_t>(j - 1)] + 1;
    }
    return rows;
}

} // namespace

bool IsSystemIndex(int index) {
    return IsCatalogueIndex(index) || ShelvedPlayerWheel(index) != nullptr;
}

const WheelSystem& WheelCatalogue(int index) {
    if (const WheelSystem* record = ShelvedPlayerWheelRecord(index))
        return *record;
    return kSystems[static_cast<std::size_t>(index - 1)];
}

std::span<const BoardPositions> FullSystemTable(int numberCount, int fixedCount) {
    static std::mutex mutex;
    static std::map<std::pair<int, int>, std::vector<BoardPositions>> tables;
    const std::lock_guard lock(mutex);
    auto& rows = tables[{numberCount, fixedCount}];
    if (rows.empty())
        rows = buildFullSystem(numberCount, fixedCount);
    return rows;
}

std::span<const BoardPositions> CombinationTable(int index) {
    if (const PlayerWheel* wheel = ShelvedPlayerWheel(index))
        return wheel->boards;
    if (!IsCatalogueIndex(index))
        return {};
    switch (index) {
    case 1:
        return kSystem1;
    case 2:
        return kSystem2;
    case 3:
        return kSystem3;
    default:
        break;
    }
    if (index <= 13) {
        const WheelSystem& s = WheelCatalogue(index);
        return FullSystemTable(s.numberCount, s.fixedCount);
    }
    return GeneratedTable(index);
}

bool HasCompleteTable(int index) {
    return IsSystemIndex(index) && CombinationTable(index).size() ==
                                       static_cast<std::size_t>(WheelCatalogue(index).boardCount);
}

Guarantee ParseGuarantee(const char* text) {
    const std::string g(text);
    return {g.front() - '0', g.back() - '0'};
}

std::string DescribeSystem(int index) {
    if (const PlayerWheel* wheel = ShelvedPlayerWheel(index))
        return DescribePlayerWheel(*wheel);
    const WheelSystem& s = WheelCatalogue(index);
    std::string d;
    if (s.fixedCount > 0)
        d += " (F)";
    if (s.numberCount < 10)
        d += " ";
    d += std::to_string(s.numberCount) + " numbers ";
    if (s.fixedCount > 0) {
        // Appended piece by piece: GCC 12 warns falsely about "(" + std::string.
        d += '(';
        d += std::to_string(s.fixedCount);
        d += " fixe )";
    }
    d += " in ";
    if (s.boardCount < 100)
        d += " ";
    if (s.boardCount < 10)
        d += " ";
    d += std::to_string(s.boardCount) + " boards :";
    d += std::string(s.guarantee) + " numbers ";
    if (s.fixedCount > 0)
        d += " (including fixes)";
    d += " on the draw";
    return d;
}

} // namespace orvane

#include "wheels/player_wheels.h"

#include <algorithm>
#include <deque>
#include <map>
#include <memory>
#include <mutex>

namespace orvane {

namespace {

struct Shelf {
    std::mutex mutex;
    // Never freed while the program runs: a span of a wheel's boards stays valid.
    std::deque<std::unique_ptr<const PlayerWheel>> kept;
    std::map<int, const PlayerWheel*> byIndex;
    std::map<int, bool> listed;
    // The records WheelCatalogue hands out, one per shelved wheel.
    std::deque<std::unique_ptr<const WheelSystem>> records;
    std::deque<std::string> guarantees;
    std::map<int, const WheelSystem*> recordByIndex;
};

Shelf& shelf() {
    static Shelf s;
    return s;
}

} // namespace

bool IsWheelShape(const PlayerWheel& wheel) {
    if (!IsPlayerWheelIndex(wheel.index) || wheel.boards.empty() ||
        wheel.numberCount < kBoardSize || wheel.numberCount > 39 || wheel.fixedCount < 0 ||
        wheel.fixedCount >= kBoardSize)
        return false;
    const Guarantee& g = wheel.promise;
    if (g.k < 2 || g.k > g.m || g.m > 5)
        return false;
    for (const BoardPositions& board : wheel.boards) {
        for (std::size_t i = 0; i < board.size(); ++i) {
            if (board[i] < 1 || board[i] > wheel.numberCount || (i > 0 && board[i - 1] >= board[i]))
                return false;
        }
        for (int f = 1; f <= wheel.fixedCount; ++f)
            if (board[static_cast<std::size_t>(f - 1)] != f)
                return false;
    }
    return true;
}

bool IsPlayerWheelIndex(int index) {
    return index >= kFirstPlayerWheelIndex && index <= kLastPlayerWheelIndex;
}

bool ShelvePlayerWheel(PlayerWheel wheel) {
    if (!IsWheelShape(wheel))
        return false;
    Shelf& s = shelf();
    const std::lock_guard lock(s.mutex);
    const std::string& guarantee = s.guarantees.emplace_back(
        std::to_string(wheel.promise.k) + " if " + std::to_string(wheel.promise.m));
    const WheelSystem* record =
        s.records
            .emplace_back(std::make_unique<const WheelSystem>(
                WheelSystem{static_cast<std::int32_t>(wheel.boards.size()), wheel.numberCount,
                            kBoardSize, wheel.fixedCount, guarantee.c_str()}))
            .get();
    const int index = wheel.index;
    s.byIndex[index] =
        s.kept.emplace_back(std::make_unique<const PlayerWheel>(std::move(wheel))).get();
    s.recordByIndex[index] = record;
    s.listed[index] = true;
    return true;
}

void UnlistPlayerWheel(int index) {
    Shelf& s = shelf();
    const std::lock_guard lock(s.mutex);
    if (s.listed.count(index))
        s.listed[index] = false;
}

const PlayerWheel* ShelvedPlayerWheel(int index) {
    Shelf& s = shelf();
    const std::lock_guard lock(s.mutex);
    const auto found = s.byIndex.find(index);
    return found == s.byIndex.end() ? nullptr : found->second;
}

const WheelSystem* ShelvedPlayerWheelRecord(int index) {
    Shelf& s = shelf();
    const std::lock_guard lock(s.mutex);
    const auto found = s.recordByIndex.find(index);
    return found == s.recordByIndex.end() ? nullptr : found->second;
}

std::vector<int> ListedPlayerWheels() {
    Shelf& s = shelf();
    const std::lock_guard lock(s.mutex);
    std::vector<int> indices;
    for (const auto& [index, listed] : s.listed)
        if (listed)
            indices.push_back(index);
    return indices;
}

std::string DescribePlayerWheel(const PlayerWheel& wheel) {
    std::string d = "\u2605 " + wheel.name + ": " + std::to_string(wheel.numberCount) + " numbers ";
    if (wheel.fixedCount > 0) {
        d += '(';
        d += std::to_string(wheel.fixedCount);
        d += " fixe )";
    }
    d += " in " + std::to_string(wheel.boards.size()) +
         " boards :" + std::to_string(wheel.promise.k) + " if " + std::to_string(wheel.promise.m) +
         " numbers ";
    if (wheel.fixedCount > 0)
        d += " (including fixes)";
    return d + " on the draw";
}

} // namespace orvane

#pragma once
// The draws the player has kept, newest first, each once.

#include "results/stored_draw.h"

#include <cstdint>
#include <set>
#include <utility>
#include <vector>

namespace orvane {

class DrawHistory {
  public:
    DrawHistory() = default;
    // Keeps `draws` in the history's order, each once.
    explicit DrawHistory(const std::vector<StoredDraw>& draws);

    const std::vector<StoredDraw>& draws() const { return m_draws; }
    bool contains(const StoredDraw& draw) const;

    struct Added {
        int added = 0;
        int alreadyThere = 0; // kept before, or given twice
    };
    // Adds the draws not kept yet (same date and numbers); the history stays newest first, and
    // among draws of one date or without a date the one added last comes first.
    Added add(const std::vector<StoredDraw>& draws);

  private:
    // The date as yyyymmdd (0 for none), and the main numbers as bits with the Thunderball above.
    using Key = std::pair<int, std::uint64_t>;
    static Key keyOf(const StoredDraw& draw);

    std::vector<StoredDraw> m_draws;
    std::set<Key> m_keys;
};

} // namespace orvane

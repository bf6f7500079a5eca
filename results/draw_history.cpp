#include "results/draw_history.h"

#include <algorithm>

namespace orvane {

DrawHistory::DrawHistory(const std::vector<StoredDraw>& draws) {
    // Read in the order written, which is already the history's: adding them one by one in
    // reverse keeps that order among equals.
    std::vector<StoredDraw> reversed(draws.rbegin(), draws.rend());
    add(reversed);
}

DrawHistory::Key DrawHistory::keyOf(const StoredDraw& draw) {
    const int date =
        draw.date ? draw.date->year * 10000 + draw.date->month * 100 + draw.date->day : 0;
    std::uint64_t numbers = static_cast<std::uint64_t>(draw.draw.thunderball) << 48;
    for (const int n : draw.draw.main)
        numbers |= std::uint64_t{1} << n;
    return {date, numbers};
}

bool DrawHistory::contains(const StoredDraw& draw) const {
    return m_keys.count(keyOf(draw)) > 0;
}

DrawHistory::Added DrawHistory::add(const std::vector<StoredDraw>& draws) {
    Added result;
    std::vector<StoredDraw> fresh;
    for (const StoredDraw& draw : draws) {
        if (!m_keys.insert(keyOf(draw)).second) {
            ++result.alreadyThere;
            continue;
        }
        fresh.push_back(draw);
        ++result.added;
    }
    if (fresh.empty())
        return result;
    // The newest added first, in front of the draws kept, then a stable sort by date.
    std::reverse(fresh.begin(), fresh.end());
    fresh.insert(fresh.end(), m_draws.begin(), m_draws.end());
    std::stable_sort(fresh.begin(), fresh.end(), IsNewer);
    m_draws = std::move(fresh);
    return result;
}

} // namespace orvane

#include "wheels/system_list.h"

#include "wheels/player_wheels.h"
#include "wheels/wheel_catalogue.h"

#include <algorithm>

namespace orvane {

std::string SystemListEntry(int index) {
    return DescribeSystem(index) + std::string(100, ' ') + std::to_string(index);
}

SystemList::SystemList() {
    refreshPlayerWheels();
    m_chosen = 0;
}

void SystemList::refreshPlayerWheels() {
    const int chosen = CurrentSystemIndex(*this);
    m_entries.clear();
    for (int i = 1; i <= kSystemCount; ++i)
        m_entries.push_back(SystemListEntry(i));
    for (const int index : ListedPlayerWheels())
        m_entries.push_back(SystemListEntry(index));
    // Every catalogue entry starts with a blank and every player's wheel with a star, so the
    // catalogue's entries keep their positions.
    std::sort(m_entries.begin(), m_entries.end());
    if (chosen > 0)
        m_chosen = positionOfSystem(chosen);
}

void SystemList::choose(int position) {
    m_chosen = (position >= 0 && position < size()) ? position : -1;
}

int SystemList::positionOfSystem(int index) const {
    for (int p = 0; p < size(); ++p)
        if (SystemIndexOfEntry(m_entries[static_cast<std::size_t>(p)]) == index)
            return p;
    return -1;
}

int SystemIndexOfEntry(const std::string& entry) {
    if (entry.size() < 3)
        return -1;
    std::size_t i = entry.size() - 3;
    while (i < entry.size() && entry[i] == ' ')
        ++i;
    if (i == entry.size())
        return -1;
    int value = 0;
    for (; i < entry.size(); ++i) {
        if (entry[i] < '0' || entry[i] > '9')
            return -1;
        value = value * 10 + (entry[i] - '0');
    }
    return value;
}

std::string EntryDescription(const std::string& entry) {
    if (SystemIndexOfEntry(entry) < 0)
        return entry;
    std::size_t end = entry.size();
    while (end > 0 && entry[end - 1] >= '0' && entry[end - 1] <= '9')
        --end;
    while (end > 0 && entry[end - 1] == ' ')
        --end;
    return entry.substr(0, end);
}

int CurrentSystemIndex(const SystemList& list) {
    if (list.chosenPosition() < 0)
        return -1;
    return SystemIndexOfEntry(list.entries()[static_cast<std::size_t>(list.chosenPosition())]);
}

} // namespace orvane

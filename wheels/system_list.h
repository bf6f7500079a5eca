#pragma once
// The main window's list of systems: each entry is a description, 100 blanks and the system's
// index, kept in plain character order; the chosen entry maps back to its index.

#include <string>
#include <vector>

namespace orvane {

class SystemList {
  public:
    // Fills the list with the 71 systems, and the player's wheels listed on the shelf, and
    // chooses its first entry.
    SystemList();

    // Lists the player's wheels as the shelf lists them now, after the 71 systems, whose
    // positions never change; the entry chosen stays chosen while it is listed.
    void refreshPlayerWheels();

    const std::vector<std::string>& entries() const { return m_entries; }
    int size() const { return static_cast<int>(m_entries.size()); }

    // Position (0-based) of the chosen entry, -1 when none is chosen.
    int chosenPosition() const { return m_chosen; }
    // Chooses the entry at `position`; a position outside the list chooses none.
    void choose(int position);

    // The position of the entry of system `index`, -1 if absent.
    int positionOfSystem(int index) const;

  private:
    std::vector<std::string> m_entries;
    int m_chosen = -1;
};

// The entry text for system `index`.
std::string SystemListEntry(int index);

// The catalogue index read from the last three characters of an entry, -1 if they do not hold a
// number.
int SystemIndexOfEntry(const std::string& entry);

// What the list shows of an entry: its text without the index at its end and the blanks padding
// up to it, so the index stays out of sight however wide the list is drawn. An entry that does not
// end in an index is shown whole.
std::string EntryDescription(const std::string& entry);

// The catalogue index of the chosen entry, or -1 when none is chosen or its text does not end in
// a number.
int CurrentSystemIndex(const SystemList& list);

} // namespace orvane
